// The song player's buttons on a window, driven by clicks: where they stand, when they show,
// what each does, the end of a song seen by the timer, and no buttons when the list fails.
#include <QSignalSpy>
#include <QThread>
#include <QtTest>
#include <atomic>
#include <deque>
#include <memory>

#include "app/song_buttons.h"

using namespace ostrel;

namespace {

struct StreamLog {
  QStringList calls;
  double volume = -1;
  bool ended = false;
};

class FakeStream : public SongStream {
 public:
  explicit FakeStream(std::shared_ptr<StreamLog> log) : log_(std::move(log)) {}
  void Open(const std::string& url) override {
    log_->ended = false;
    log_->calls << "open " + QString::fromStdString(url);
  }
  void Play() override { log_->calls << "play"; }
  void Stop() override { log_->calls << "stop"; }
  void SetVolume(double volume) override { log_->volume = volume; }
  bool Ended() const override { return log_->ended; }

 private:
  std::shared_ptr<StreamLog> log_;
};

constexpr const char* kSite = "http://songs.test";
const std::string kSixSongs =
    "Ann~First.mp3\r\nBo_Dee~Second_Song.mp3\r\nCy~Third.mp3\r\n"
    "Di~Fourth.mp3\r\nEd~Fifth.mp3\r\nFay~Sixth.mp3\r\n";

// A window with the buttons on it; the fetch answers `body` (nothing: the request failed).
struct Rig {
  explicit Rig(std::optional<std::string> body, std::string site = kSite) {
    window.resize(1290, 850);
    SongButtonsSetup setup;
    setup.site = std::move(site);
    setup.fetch = [this, body](const std::string& url) {
      fetched_url = url;
      fetched_on_ui_thread = QThread::currentThread() == window.thread();
      ++fetches;
      return body;
    };
    setup.make_stream = [log = log] { return std::make_unique<FakeStream>(log); };
    setup.pick = [this](int, int) {
      const int n = picks.empty() ? 1 : picks.front();
      if (!picks.empty()) picks.pop_front();
      return n;
    };
    buttons = new SongButtons(&window, std::move(setup));
  }

  bool Arrive() {
    QSignalSpy arrived(buttons, &SongButtons::ListArrived);
    return arrived.wait(5000);
  }

  QWidget window;
  std::shared_ptr<StreamLog> log = std::make_shared<StreamLog>();
  std::deque<int> picks{2};
  SongButtons* buttons = nullptr;
  std::string fetched_url;
  std::atomic<bool> fetched_on_ui_thread{true};
  std::atomic<int> fetches{0};
};

void ClickAt(QAbstractButton* b, int x) {
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(x, 30));
}

}  // namespace

class SongButtonsTest : public QObject {
  Q_OBJECT
 private slots:
  void FetchesTheListOffTheUiThread();
  void StandAtTheBottomLeftAndFollowTheWindow();
  void ShowOnlyOnALargeTableWithoutTheIntro_data();
  void ShowOnlyOnALargeTableWithoutTheIntro();
  void PlayButtonTogglesAndShowsTheSong();
  void NextButtonPlaysAnotherSong();
  void VolumeButtonParts_data();
  void VolumeButtonParts();
  void EndOfSongStartsTheNext();
  void PressedButtonIsDrawnOnePixelLower();
  void NoButtonsWithoutAPlayer_data();
  void NoButtonsWithoutAPlayer();
  void ButtonsGoWithThePlayer();
};

void SongButtonsTest::FetchesTheListOffTheUiThread() {
  Rig rig(kSixSongs);
  QVERIFY(rig.Arrive());
  QCOMPARE(rig.fetched_url, std::string("http://songs.test/musik/_playlist.html"));
  QVERIFY(!rig.fetched_on_ui_thread);
  QVERIFY(rig.buttons->Created());
  QCOMPARE(rig.buttons->Player()->State().Max, 6);
  // The first song is loaded, not played.
  QCOMPARE(rig.log->calls, QStringList{"open http://songs.test/musik/Bo_Dee~Second_Song.mp3"});
  QCOMPARE(rig.log->volume, 0.5);
}

void SongButtonsTest::StandAtTheBottomLeftAndFollowTheWindow() {
  Rig rig(kSixSongs);
  rig.window.show();
  QVERIFY(rig.Arrive());
  const auto check = [&](int bottom) {
    QCOMPARE(rig.buttons->PlayButton()->geometry(), QRect(10, bottom - 70, 61, 61));
    QCOMPARE(rig.buttons->NextButton()->geometry(), QRect(75, bottom - 70, 61, 61));
    QCOMPARE(rig.buttons->VolumeButton()->geometry(), QRect(140, bottom - 70, 61, 61));
  };
  check(850);
  rig.window.resize(1520, 1000);
  check(1000);
}

void SongButtonsTest::ShowOnlyOnALargeTableWithoutTheIntro_data() {
  QTest::addColumn<double>("scale");
  QTest::addColumn<bool>("intro");
  QTest::addColumn<bool>("shown");
  QTest::newRow("plain window") << 1.0 << false << false;
  QTest::newRow("just below 1.5") << 1.49 << false << false;
  QTest::newRow("1.5") << 1.5 << false << true;
  QTest::newRow("large") << 2.0 << false << true;
  QTest::newRow("large, intro showing") << 2.0 << true << false;
}

void SongButtonsTest::ShowOnlyOnALargeTableWithoutTheIntro() {
  QFETCH(double, scale);
  QFETCH(bool, intro);
  QFETCH(bool, shown);
  // Asked for before the list has come: the buttons heed it when they appear.
  Rig early(kSixSongs);
  early.buttons->SetVisibleFor(scale, intro);
  QVERIFY(early.Arrive());
  QCOMPARE(!early.buttons->PlayButton()->isHidden(), shown);
  // And after.
  early.buttons->SetVisibleFor(scale >= 1.5 && !intro ? 1.0 : 1.7, false);
  for (QAbstractButton* b : {static_cast<QAbstractButton*>(early.buttons->PlayButton()),
                             static_cast<QAbstractButton*>(early.buttons->NextButton()),
                             static_cast<QAbstractButton*>(early.buttons->VolumeButton())}) {
    QCOMPARE(!b->isHidden(), !shown);
  }
}

void SongButtonsTest::PlayButtonTogglesAndShowsTheSong() {
  Rig rig("A_&_B~Tom's_Song.mp3\n" + kSixSongs);
  rig.picks = {1};
  rig.buttons->SetVisibleFor(1.7, false);
  rig.window.show();
  QVERIFY(rig.Arrive());
  SongButton* play = rig.buttons->PlayButton();
  QCOMPARE(play->PictureName(), QString("MP_Play"));
  QVERIFY2(play->toolTip().contains("<b>A &amp; B</b>"), qPrintable(play->toolTip()));
  QVERIFY(play->toolTip().contains("Tom&#39;s Song") || play->toolTip().contains("Tom's Song"));
  rig.log->calls.clear();
  ClickAt(play, 30);
  QCOMPARE(play->PictureName(), QString("MP_Pause"));
  QVERIFY(rig.buttons->Player()->State().Play);
  ClickAt(play, 30);
  QCOMPARE(play->PictureName(), QString("MP_Play"));
  QVERIFY(!rig.buttons->Player()->State().Play);
  QCOMPARE(rig.log->calls, (QStringList{"play", "stop"}));
  QVERIFY(play->toolTip().contains("A &amp; B"));
}

void SongButtonsTest::NextButtonPlaysAnotherSong() {
  Rig rig(kSixSongs);
  rig.buttons->SetVisibleFor(1.7, false);
  rig.window.show();
  QVERIFY(rig.Arrive());
  rig.log->calls.clear();
  rig.picks = {6};
  ClickAt(rig.buttons->NextButton(), 30);
  QCOMPARE(rig.log->calls,
           (QStringList{"stop", "open http://songs.test/musik/Fay~Sixth.mp3", "play"}));
  QCOMPARE(rig.buttons->PlayButton()->PictureName(), QString("MP_Pause"));
  QCOMPARE(rig.buttons->PlayButton()->toolTip(), QString("Fay  :  Sixth"));
}

void SongButtonsTest::VolumeButtonParts_data() {
  QTest::addColumn<int>("x");
  QTest::addColumn<int>("volume");
  QTest::newRow("edge") << 0 << 50;
  QTest::newRow("left end") << 1 << 45;
  QTest::newRow("left part's last") << 25 << 45;
  QTest::newRow("middle's first") << 26 << 50;
  QTest::newRow("middle's last") << 34 << 50;
  QTest::newRow("right part") << 35 << 55;
}

void SongButtonsTest::VolumeButtonParts() {
  QFETCH(int, x);
  QFETCH(int, volume);
  Rig rig(kSixSongs);
  rig.buttons->SetVisibleFor(1.7, false);
  rig.window.show();
  QVERIFY(rig.Arrive());
  SongButton* b = rig.buttons->VolumeButton();
  QCOMPARE(b->text(), QString("50"));
  ClickAt(b, x);
  QCOMPARE(b->text(), QString::number(volume));
  QCOMPARE(rig.log->volume, volume / 100.0);
}

void SongButtonsTest::EndOfSongStartsTheNext() {
  Rig rig(kSixSongs);
  rig.buttons->SetVisibleFor(1.7, false);
  rig.window.show();
  QVERIFY(rig.Arrive());
  QCOMPARE(rig.buttons->EndTimer().interval(), 500);
  ClickAt(rig.buttons->PlayButton(), 30);
  rig.log->calls.clear();
  rig.picks = {3};
  rig.log->ended = true;
  QTRY_COMPARE_WITH_TIMEOUT(rig.log->calls.size(), 3, 2000);
  QCOMPARE(rig.log->calls[1], QString("open http://songs.test/musik/Cy~Third.mp3"));
  QCOMPARE(rig.buttons->PlayButton()->toolTip(), QString("Cy  :  Third"));
  QCOMPARE(rig.buttons->PlayButton()->PictureName(), QString("MP_Pause"));
}

void SongButtonsTest::PressedButtonIsDrawnOnePixelLower() {
  Rig rig(kSixSongs);
  QVERIFY(rig.Arrive());
  SongButton* b = rig.buttons->NextButton();
  const QImage up = b->grab().toImage();
  b->setDown(true);
  const QImage down = b->grab().toImage();
  QVERIFY(up != down);
  QCOMPARE(down.copy(0, 1, 61, 60), up.copy(0, 0, 61, 60));
}

void SongButtonsTest::NoButtonsWithoutAPlayer_data() {
  QTest::addColumn<bool>("answered");
  QTest::addColumn<QString>("body");
  QTest::addColumn<QString>("site");
  QTest::addColumn<int>("fetches");
  QTest::newRow("request failed") << false << "" << kSite << 1;
  QTest::newRow("four songs") << true << "a~1\nb~2\nc~3\nd~4\n" << kSite << 1;
  QTest::newRow("an error page") << true << "<html><body>Not here</body></html>" << kSite << 1;
  QTest::newRow("no site") << true << QString::fromStdString(kSixSongs) << "" << 0;
}

void SongButtonsTest::NoButtonsWithoutAPlayer() {
  QFETCH(bool, answered);
  QFETCH(QString, body);
  QFETCH(QString, site);
  QFETCH(int, fetches);
  Rig rig(answered ? std::optional<std::string>(body.toStdString()) : std::nullopt,
          site.toStdString());
  rig.buttons->SetVisibleFor(2.0, false);
  QSignalSpy arrived(rig.buttons, &SongButtons::ListArrived);
  QVERIFY(arrived.wait(5000));
  QCOMPARE(arrived.at(0).at(0).toBool(), false);
  QCOMPARE(rig.fetches.load(), fetches);
  QVERIFY(!rig.buttons->Created());
  QVERIFY(rig.window.findChildren<SongButton*>().isEmpty());
  QVERIFY(rig.log->calls.isEmpty());
}

void SongButtonsTest::ButtonsGoWithThePlayer() {
  Rig rig(kSixSongs);
  QVERIFY(rig.Arrive());
  QCOMPARE(rig.window.findChildren<SongButton*>().size(), 3);
  delete rig.buttons;
  QVERIFY(rig.window.findChildren<SongButton*>().isEmpty());
}

QTEST_MAIN(SongButtonsTest)
#include "song_buttons_test.moc"
