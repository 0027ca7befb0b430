// The game recorder: what lands in the GIF file (decoded back with giflib), and that a picture
// that cannot be written is reported while the game goes on.
#include <gif_lib.h>

#include <QDir>
#include <QLabel>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/gif_recorder.h"
#include "app/gif_stream.h"
#include "app_fixture.h"
#include "game/rules.h"
#include "storage/history.h"
#include "table/cards_button.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

class RecordedMessages : public MessagePort {
 public:
  void ShowError(PhraseKey phrase, std::string_view detail) override {
    phrases.push_back(phrase);
    details.emplace_back(detail);
  }
  std::vector<PhraseKey> phrases;
  std::vector<std::string> details;
};

struct Decoded {
  bool ok = false;
  int width = 0;
  int height = 0;
  std::vector<int> delays_cs;
  std::vector<QRect> areas;  // where each frame's picture lies
  std::vector<int> transparent;
};

Decoded Decode(const QString& path) {
  Decoded d;
  int error = 0;
  GifFileType* gif = DGifOpenFileName(path.toLocal8Bit().constData(), &error);
  if (gif == nullptr) return d;
  if (DGifSlurp(gif) == GIF_OK) {
    d.ok = true;
    d.width = gif->SWidth;
    d.height = gif->SHeight;
    for (int i = 0; i < gif->ImageCount; ++i) {
      GraphicsControlBlock gcb{};
      DGifSavedExtensionToGCB(gif, i, &gcb);
      d.delays_cs.push_back(gcb.DelayTime);
      d.transparent.push_back(gcb.TransparentColor);
      const GifImageDesc& desc = gif->SavedImages[i].ImageDesc;
      d.areas.emplace_back(desc.Left, desc.Top, desc.Width, desc.Height);
    }
  }
  DGifCloseFile(gif, &error);
  return d;
}

QStringList GifsIn(const QString& program_folder) {
  return QDir(program_folder + "/GIFGame").entryList({"*.gif"}, QDir::Files);
}

// A small picture whose colour changes step by step.
class Scene : public QLabel {
 public:
  Scene() {
    setFixedSize(64, 40);
    setAutoFillBackground(true);
    Paint(0);
  }
  void Paint(int n) {
    QPalette p = palette();
    p.setColor(QPalette::Window, QColor(n % 256, (n * 7) % 256, (n / 256) * 40));
    setPalette(p);
  }
};

}  // namespace

class GifRecorderTest : public QObject {
  Q_OBJECT
 private slots:
  void FramesDropRepeatsAndTheLastOneShowsLonger();
  void NoMoreThan250Frames();
  void OnlyTheChangedRectangleIsStored();
  void FileNameIsDateAndTime();
  void UnwritableFolderIsReported();
  void WholeGameIsRecordedAtItsEnd();
  void GameGoesOnWhenThePictureCannotBeWritten();
  void LargerWindowDoesNotRecord();
  void LeavingTheGameSavesWhatWasRecorded();
};

void GifRecorderTest::FramesDropRepeatsAndTheLastOneShowsLonger() {
  QTemporaryDir dir;
  RecordedMessages messages;
  GifRecorder recorder(messages);
  Scene scene;
  recorder.Start(&scene, 1, 250);
  for (int step : {1, 2, 2, 3}) {  // the repeated picture is one frame
    scene.Paint(step * 60);
    recorder.TakeFrame();
  }
  QCOMPARE(recorder.Frames(), 3);
  const QString path = recorder.Save(dir.path().toStdString());
  QVERIFY(!path.isEmpty());
  QVERIFY(messages.phrases.empty());
  QVERIFY(!recorder.Recording());
  QCOMPARE(GifsIn(dir.path()).size(), 1);
  const Decoded d = Decode(path);
  QVERIFY(d.ok);
  QCOMPARE(d.width, 64);
  QCOMPARE(d.height, 40);
  QCOMPARE(d.delays_cs, (std::vector<int>{25, 25, 500}));
}

void GifRecorderTest::NoMoreThan250Frames() {
  QTemporaryDir dir;
  RecordedMessages messages;
  GifRecorder recorder(messages);
  Scene scene;
  scene.setFixedSize(8, 8);
  recorder.Start(&scene, 1, 10);
  for (int n = 1; n <= 260; ++n) {
    scene.Paint(n);
    recorder.TakeFrame();
  }
  QCOMPARE(recorder.Frames(), kGifMaxFrames);
  const Decoded d = Decode(recorder.Save(dir.path().toStdString()));
  QVERIFY(d.ok);
  QCOMPARE(int(d.delays_cs.size()), kGifMaxFrames);
  QCOMPARE(d.delays_cs.front(), 1);
  QCOMPARE(d.delays_cs.back(), kGifLastFrameMs / 10);
}

void GifRecorderTest::OnlyTheChangedRectangleIsStored() {
  QTemporaryDir dir;
  RecordedMessages messages;
  GifRecorder recorder(messages);
  Scene scene;
  QWidget patch(&scene);
  patch.setGeometry(10, 12, 8, 6);
  patch.setAutoFillBackground(true);
  QPalette colour = patch.palette();
  colour.setColor(QPalette::Window, Qt::yellow);
  patch.setPalette(colour);
  patch.hide();
  recorder.Start(&scene, 1, 100);
  recorder.TakeFrame();
  const QImage before = scene.grab().toImage().convertToFormat(QImage::Format_RGB888);
  patch.show();
  const QImage after = scene.grab().toImage().convertToFormat(QImage::Format_RGB888);
  QCOMPARE(GifStream::ChangedRect(after, before), QRect(10, 12, 8, 6));
  recorder.TakeFrame();
  const Decoded d = Decode(recorder.Save(dir.path().toStdString()));
  QVERIFY(d.ok);
  QCOMPARE(d.areas, (std::vector<QRect>{QRect(0, 0, 64, 40), QRect(10, 12, 8, 6)}));
  // A partial frame leaves what did not change to the frame before.
  QCOMPARE(d.transparent, (std::vector<int>{NO_TRANSPARENT_COLOR, 255}));
}

void GifRecorderTest::FileNameIsDateAndTime() {
  const QDateTime when(QDate(2026, 3, 7), QTime(9, 5, 4));
  QCOMPARE(GifRecorder::FileNameFor(when), QString("2026.03.07-09.05.04.gif"));
}

void GifRecorderTest::UnwritableFolderIsReported() {
  QTemporaryDir dir;
  RecordedMessages messages;
  GifRecorder recorder(messages);
  Scene scene;
  // A read-only program folder; the superuser writes there anyway, so a file standing where
  // the folder "GIFGame" belongs makes sure the writing fails for him too.
  QFile::setPermissions(dir.path(), QFileDevice::ReadOwner | QFileDevice::ExeOwner);
  {
    QFile blocker(dir.path() + "/GIFGame");
    if (blocker.open(QIODevice::WriteOnly)) blocker.close();
  }
  recorder.Start(&scene, 1, 100);
  recorder.TakeFrame();
  QCOMPARE(recorder.Save(dir.path().toStdString()), QString());
  QFile::setPermissions(dir.path(),
                        QFileDevice::ReadOwner | QFileDevice::WriteOwner | QFileDevice::ExeOwner);
  QCOMPARE(messages.phrases, (std::vector<PhraseKey>{PhraseKey::CantSaveHistory}));
  QVERIFY(!messages.details.front().empty());
  QVERIFY(!recorder.Recording());
  // The recorder is ready for the next game.
  QTemporaryDir other;
  recorder.Start(&scene, 1, 100);
  recorder.TakeFrame();
  QVERIFY(!recorder.Save(other.path().toStdString()).isEmpty());
}

namespace {

bool PlayWholeGame(AppFixture& app) {
  TForm1& w = app.Window();
  return app.RunUntil(
      [&] {
        if (w.Table()->Busy()) return false;
        if (w.CurrentGame().Record().GameOver) return true;
        PlayerActs(w);
        return false;
      },
      60000);
}

void RecordGames(AppFixture& app) {
  app.Window().AppSettings().SaveGif = true;
  app.Window().AppSettings().WindowSize = 1;
  app.Window().AppSettings().GifFrameDelay = 300;
  app.LeaveTitle();
}

}  // namespace

void GifRecorderTest::WholeGameIsRecordedAtItsEnd() {
  AppFixture app(3);
  RecordGames(app);
  app.StartAsNewPlayer("Vera");
  TForm1& w = app.Window();
  QVERIFY(w.Recorder().Recording());
  QVERIFY(PlayWholeGame(app));
  QVERIFY(app.Settle());
  // Saved as soon as the sum-up showed, before the player leaves the table.
  QVERIFY(!w.Recorder().Recording());
  const QStringList gifs = GifsIn(QString::fromStdString(app.Folder()));
  QCOMPARE(gifs.size(), 1);
  const Decoded d = Decode(QString::fromStdString(app.Folder()) + "/GIFGame/" + gifs.front());
  QVERIFY(d.ok);
  QCOMPARE(d.width, w.width());
  QCOMPARE(d.height, w.height());
  QVERIFY(d.delays_cs.size() > 20);
  QVERIFY(d.delays_cs.size() <= std::size_t(kGifMaxFrames));
  QCOMPARE(d.delays_cs.front(), 30);
  QCOMPARE(d.delays_cs.back(), 500);
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Table);
}

void GifRecorderTest::GameGoesOnWhenThePictureCannotBeWritten() {
  AppFixture app(3);
  {
    QFile blocker(QString::fromStdString(app.Folder()) + "/GIFGame");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
  }
  RecordGames(app);
  app.StartAsNewPlayer("Vera");
  TForm1& w = app.Window();
  QTest::ignoreMessage(QtWarningMsg, QRegularExpression("Cann`t save history!.*"));
  QVERIFY(PlayWholeGame(app));
  QVERIFY(app.Settle());
  QVERIFY(!w.Recorder().Recording());
  // The game is not harmed: the player leaves the table and enters the club as ever.
  QCOMPARE(w.Table()->Button8Caption(), Caption::ExitToMenu);
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);
  QVERIFY(app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 3000));
  QVERIFY(w.Menu()->ClubButton(1)->text().startsWith("Vera"));
}

void GifRecorderTest::LargerWindowDoesNotRecord() {
  AppFixture app(3);
  RecordGames(app);
  app.Window().AppSettings().WindowSize = 3;
  app.StartAsNewPlayer("Vera");
  QVERIFY(!app.Window().Recorder().Recording());
  QVERIFY(app.Settle());
  app.Window().QuitAction()->trigger();
  QVERIFY(GifsIn(QString::fromStdString(app.Folder())).isEmpty());
}

void GifRecorderTest::LeavingTheGameSavesWhatWasRecorded() {
  AppFixture app(3);
  RecordGames(app);
  app.StartAsNewPlayer("Vera");
  TForm1& w = app.Window();
  QVERIFY(app.Settle());
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
  QVERIFY(app.Settle());
  QVERIFY(w.Recorder().Frames() >= 2);
  w.QuitAction()->trigger();
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Menu);
  const QStringList gifs = GifsIn(QString::fromStdString(app.Folder()));
  QCOMPARE(gifs.size(), 1);
  QVERIFY(Decode(QString::fromStdString(app.Folder()) + "/GIFGame/" + gifs.front()).ok);
}

QTEST_MAIN(GifRecorderTest)
#include "gif_recorder_test.moc"
