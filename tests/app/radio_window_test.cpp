// The radio's windows with a fake stream and a small logo pack of plain colours: whether the
// radio can be used, the menu's control, the radio window's lists, volume and logo, its
// designs, and the settings file at the end.
#include <QAbstractButton>
#include <QComboBox>
#include <QDir>
#include <QLabel>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <fstream>

#include "app/radio/radio_control.h"
#include "app/radio/radio_service.h"
#include "app/radio/radio_window.h"
#include "packs/pack_names.h"
#include "support/test_pack.h"

using namespace ostrel;

namespace {

struct PlayerLog {
  QStringList calls;
};

class FakePlayer : public RadioPlayer {
 public:
  explicit FakePlayer(std::shared_ptr<PlayerLog> log) : log_(std::move(log)) {}
  void Play(const std::string& url) override {
    log_->calls << "play " + QString::fromStdString(url);
  }
  void Stop() override { log_->calls << "stop"; }
  void SetVolume(double v) override { log_->calls << QString("volume %1").arg(qRound(v * 100)); }

 private:
  std::shared_ptr<PlayerLog> log_;
};

const QColor kOn(0, 200, 0), kOff(200, 0, 0), kFrame(90, 90, 90), kThames(0, 0, 255),
    kFallback(255, 0, 255);

const char* const kList =
    "# our test stations\r\n"
    "RUS LOC0001##Ostrel Radio#Russian Federation#http://127.0.0.1:9/radio.ogg#"
    "RRADIO_LOGO_AVTORADIO\r\n"
    "RUS RUS0002##Volga#Russian Federation#http://volga.test/#RRADIO_LOGO_VOLGA\r\n"
    "UK0 UK00001##Thames#United Kingdom#http://thames.test/#RRADIO_LOGO_THAMES\r\n";

void Write(const QString& path, const std::string& bytes) {
  std::ofstream(path.toStdString(), std::ios::binary) << bytes;
}

// A family folder: the radio's files above the program's folder, and a logo pack whose
// pictures are plain colours (the volume scale's colour tells its number).
struct Rig {
  explicit Rig(bool with_pack = true, bool with_list = true) {
    QDir(dir.path()).mkpath("Ostrel4");
    program = dir.path() + "/Ostrel4";
    if (with_list) Write(dir.path() + "/TarvoRadio.rad", kList);
    if (with_pack) {
      PackWriter w;
      test::AddSolid(w, "RRADIO_MAING", QSize(145, 90), kOn);
      test::AddSolid(w, "RRADIO_MAINR", QSize(145, 90), kOff);
      test::AddSolid(w, "RRADIO_RAMKA", QSize(180, 180), kFrame);
      test::AddSolid(w, "RRADIO_LOGO_THAMES", QSize(150, 150), kThames);
      test::AddSolid(w, "RRADIO_LOGO_RADIOUN", QSize(150, 150), kFallback);
      for (int i = 0; i <= 10; ++i) {
        const std::string name = QString("RRADIO_VOLUME%1").arg(i, 2, 10, QChar('0')).toStdString();
        test::AddSolid(w, name.c_str(), QSize(78, 30), QColor(i * 20, i * 20, i * 20));
      }
      w.WriteFile((dir.path() + "/" + kPackRadioLogos).toStdString());
    }
  }

  std::unique_ptr<RadioService> Service(std::optional<std::string> site_list = std::nullopt,
                                        bool from_server = false) {
    RadioSetup setup;
    setup.packs = PackFolders{program, dir.path()};
    setup.program = program.toStdString();
    setup.folder = dir.path().toStdString() + "/";
    setup.site = "http://site.test";
    setup.fetch = [site_list](const std::string&) { return site_list; };
    setup.player = std::make_unique<FakePlayer>(log);
    auto service = std::make_unique<RadioService>(std::move(setup));
    service->Init(from_server);
    if (service->Fetching()) {
      QSignalSpy done(service.get(), &RadioService::Changed);
      done.wait(5000);
    }
    return service;
  }

  QTemporaryDir dir;
  QString program;
  std::shared_ptr<PlayerLog> log = std::make_shared<PlayerLog>();
};

QColor At(const QLabel* label, int x, int y) {
  return label->pixmap().toImage().pixelColor(x, y);
}

}  // namespace

class RadioWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void ListFromServerWithoutSiteLeavesTheRadioUnavailable() {
    Rig rig;  // "TarvoRadio.rad" lies beside the program
    auto radio = rig.Service(std::nullopt, true);
    QVERIFY(!radio->State().CanUse);
    QVERIFY(!QFile::exists(rig.dir.path() + "/TarvoRadio.ser"));
    RadioControl control(*radio, nullptr);
    QSignalSpy unavailable(&control, &RadioControl::Unavailable);
    QTest::mouseClick(&control, Qt::LeftButton);
    QCOMPARE(unavailable.count(), 1);
    QVERIFY(rig.log->calls.isEmpty());
    QVERIFY(RadioUnavailableText().endsWith("TarvoRadio.rad + TarvoRadio02.dll"));
  }

  void ListFetchedFromTheSiteIsKeptAndUsed() {
    Rig rig(true, false);
    auto radio = rig.Service(std::string(kList), true);
    QVERIFY(radio->State().CanUse);
    QVERIFY(QFile::exists(rig.dir.path() + "/TarvoRadio.ser"));
    // Something that is no station list does not count as a download.
    Rig other(true, false);
    QVERIFY(!other.Service(std::string("<html>not found</html>"), true)->State().CanUse);
  }

  void ControlSwitchesTheRadioAndShowsItsLamp() {
    Rig rig;
    auto radio = rig.Service();
    QVERIFY(radio->State().CanUse);
    RadioControl control(*radio, nullptr);
    const QImage off = control.Drawn();
    QTest::mouseClick(&control, Qt::LeftButton);
    QVERIFY(radio->State().Enabled);
    QCOMPARE(rig.log->calls,
             QStringList({"volume 30", "play http://127.0.0.1:25680/radio/ostrel.ogg"}));
    QVERIFY(control.Drawn() != off);
    QVERIFY(control.toolTip().contains("Ostrel Radio"));
    QSignalSpy wanted(&control, &RadioControl::WindowWanted);
    QTest::mouseClick(&control, Qt::RightButton);
    QCOMPARE(wanted.count(), 1);
    QVERIFY2(radio->State().Enabled, "the right button opens the window only");
  }

  void CurrentStationOutsideTheCountryGivesWayAndPlays() {
    Rig rig;
    Write(rig.dir.path() + "/TarvoRadio.ini",
          "Thames\r\nhttp://thames.test/\r\nUnited "
          "Kingdom\r\nRRADIO_LOGO_THAMES\r\n1\r\n50\r\n0\r\n");
    auto radio = rig.Service();
    TFormRadio window(*radio, RadioWindowLook{});
    // Position 0 shows the first country's stations; the first became current and plays.
    QCOMPARE(window.Countries()->currentIndex(), 0);
    QCOMPARE(window.Stations()->count(), 2);
    QCOMPARE(window.Stations()->currentText(), QString("Ostrel Radio"));
    QVERIFY(rig.log->calls.endsWith("play http://127.0.0.1:9/radio.ogg"));
    // Its logo is missing from the pack: the fallback stands in the frame.
    auto* logo = window.findChild<QLabel*>("Image2");
    QCOMPARE(At(logo, 5, 5), kFrame);
    QCOMPARE(At(logo, 90, 90), kFallback);
    // Choosing the United Kingdom shows the Thames and its own logo.
    window.Countries()->setCurrentIndex(14);
    QCOMPARE(radio->State().Name, std::string("Thames"));
    QCOMPARE(At(logo, 90, 90), kThames);
    QCOMPARE(window.Stations()->toolTip(), QString("Thames"));
  }

  void CountryWithoutStationsFallsBackToTheFirst() {
    Rig rig;
    Write(rig.dir.path() + "/TarvoRadio.ini", "N\r\nU\r\nC\r\nR\r\n0\r\n30\r\n27\r\n");
    auto radio = rig.Service();
    TFormRadio window(*radio, RadioWindowLook{});
    QCOMPARE(window.Countries()->currentIndex(), 0);
    QCOMPARE(window.Stations()->count(), 2);
  }

  void VolumeStopsAtItsEndsAndRedrawsTheScale() {
    Rig rig;
    Write(rig.dir.path() + "/TarvoRadio.ini",
          "Ostrel Radio\r\nhttp://127.0.0.1:9/radio.ogg\r\nRussian "
          "Federation\r\nR\r\n0\r\n100\r\n0\r\n");
    auto radio = rig.Service();
    TFormRadio window(*radio, RadioWindowLook{});
    auto* scale = window.findChild<QLabel*>("Image3");
    auto* plus = window.findChild<QAbstractButton*>("ButtonPlus");
    auto* minus = window.findChild<QAbstractButton*>("ButtonMinus");
    QCOMPARE(At(scale, 40, 15), QColor(200, 200, 200));
    QTest::mouseClick(plus, Qt::LeftButton);
    QCOMPARE(radio->State().Volume, 100);
    QCOMPARE(rig.log->calls.last(), QString("volume 100"));
    for (int i = 0; i < 11; ++i) QTest::mouseClick(minus, Qt::LeftButton);
    QCOMPARE(radio->State().Volume, 0);
    QCOMPARE(At(scale, 40, 15), QColor(0, 0, 0));
    QCOMPARE(rig.log->calls.last(), QString("volume 0"));
  }

  void SwitchInTheWindowFollowsTheRadio() {
    Rig rig;
    auto radio = rig.Service();
    TFormRadio window(*radio, RadioWindowLook{});
    auto* set = window.findChild<QLabel*>("Image1");
    QCOMPARE(At(set, 70, 45), kOff);
    QSignalSpy switched(&window, &TFormRadio::Switched);
    QTest::mouseClick(set, Qt::LeftButton);
    QCOMPARE(switched.count(), 1);
    QCOMPARE(At(set, 70, 45), kOn);
    QVERIFY(rig.log->calls.last().startsWith("play "));
  }

  void DesignsWithoutTheGraphicsPackFallBackToTheSecond_data() {
    QTest::addColumn<int>("design");
    QTest::addColumn<bool>("purple");
    QTest::addColumn<bool>("message");
    QTest::addColumn<bool>("fell_back");
    QTest::newRow("concise") << 1 << false << true << true;
    QTest::newRow("aristocratic") << 2 << false << false << false;
    QTest::newRow("ribbons") << 3 << false << false << true;
    QTest::newRow("purple") << 2 << true << false << true;
  }
  void DesignsWithoutTheGraphicsPackFallBackToTheSecond() {
    QFETCH(int, design);
    QFETCH(bool, purple);
    QFETCH(bool, message);
    QFETCH(bool, fell_back);
    Rig rig;
    auto radio = rig.Service();
    RadioWindowLook look;
    look.design = design;
    look.purple = purple;
    TFormRadio window(*radio, look);
    QCOMPARE(window.ShownDesign(), 2);
    QCOMPARE(window.height(), 295);
    QCOMPARE(window.PackMessage().has_value(), message);
    QCOMPARE(window.FellBackToDesign2(), fell_back);
  }

  void EmptyStationLineIsSavedBackWithTheDefaults() {
    Rig rig;
    Write(rig.dir.path() + "/TarvoRadio.ini", "N\r\n\r\nC\r\nR\r\n1\r\n80\r\n5\r\n");
    auto radio = rig.Service();
    QVERIFY(radio->State().Enabled);
    radio->Save();
    QFile ini(rig.dir.path() + "/TarvoRadio.ini");
    QVERIFY(ini.open(QIODevice::ReadOnly));
    QCOMPARE(ini.readAll(),
             QByteArray("Ostrel Radio\r\nhttp://127.0.0.1:25680/radio/ostrel.ogg\r\n"
                        "Russian Federation\r\nRRADIO_LOGO_AVTORADIO\r\n0\r\n30\r\n0\r\n"));
  }
};

QTEST_MAIN(RadioWindowTest)
#include "radio_window_test.moc"
