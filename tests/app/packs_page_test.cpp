// The page "DLL" against a local server: which download buttons are offered, what a click does
// when the pack comes and when it does not, and the radio list setting the page carries.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QHelpEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QToolTip>
#include <QtTest>
#include <memory>

#include "app/packs_page.h"
#include "app/text.h"
#include "net/site_files.h"
#include "support/local_http_server.h"
#include "packs/pack_names.h"
#include "packs/pack_writer.h"

using namespace ostrel;
using ostrel::testing::HttpReply;
using ostrel::testing::LocalHttpServer;

namespace {

std::string SmallPack() {
  PackWriter w;
  w.Add("Ch06Med", PackKind::kPng, std::vector<std::uint8_t>(500, 0x5A));
  const std::vector<std::uint8_t> bytes = w.Bytes();
  return {bytes.begin(), bytes.end()};
}

std::string Path(const char* name) {
  return std::string("/downloads/progr/cards/") + name;
}

double MeanLightness(QWidget* w) {
  const QImage image = w->grab().toImage();
  double sum = 0;
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) sum += image.pixelColor(x, y).lightness();
  }
  return sum / (image.width() * image.height());
}

// A program folder inside a temporary "folder above", a server for the site and a page on
// them that records the sounds it plays.
struct Bench {
  Bench() {
    QDir(root.path()).mkdir("game");
    folders = {root.filePath("game"), root.path()};
  }
  void Put(const QString& folder, const char* name, const std::string& bytes = SmallPack()) {
    QFile f(QDir(folder).filePath(name));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.write(bytes.data(), static_cast<qint64>(bytes.size()));
  }
  TPacksPage& Page() {
    if (!page) {
      page = std::make_unique<TPacksPage>(
          settings, folders, QString::fromStdString(server.Url("")),
          [this](const std::string& sound) { sounds.push_back(sound); });
      page->resize(640, 520);
      page->show();
      if (!QTest::qWaitForWindowExposed(page.get())) qWarning("the page did not show");
    }
    return *page;
  }
  QPushButton* Button(int n) {
    return Page().findChild<QPushButton*>(QString("ButtonDownload%1").arg(n));
  }
  bool Above(const char* name) const { return QFile::exists(QDir(folders.above).filePath(name)); }
  // Serves a pack, and the site's list of files naming it as SmallPack().
  void Offer(const char* name, HttpReply reply) {
    server.Serve(Path(name), std::move(reply));
    const std::string pack = SmallPack();
    server.Serve(
        kManifestPath,
        HttpReply::Body(ManifestLine({Path(name).substr(1), pack.size(), Sha256Hex(pack)})));
  }

  QTemporaryDir root;
  PackFolders folders;
  LocalHttpServer server;
  Settings settings;
  std::vector<std::string> sounds;
  std::unique_ptr<TPacksPage> page;
};

}  // namespace

class PacksPageTest : public QObject {
  Q_OBJECT
 private slots:
  void AButtonIsOfferedOnlyWhileItsPackIsInNeitherFolder();
  void APackThatIsThereIsDrawnLighter();
  void TheBalloonSaysDownloadAndTheFile();
  void AClickThatBringsThePackDisablesItsButton();
  void AClickThatFailsLeavesNothingAndTheButtonOn();
  void ClosingThePageDuringADownloadLetsItFinishQuietly();
  void TheRadioListSourceIsWrittenToTheSettings();
};

void PacksPageTest::AButtonIsOfferedOnlyWhileItsPackIsInNeitherFolder() {
  Bench b;
  b.Put(b.folders.above, kPackCardsA);                        // 1
  b.Put(b.folders.program, kPackVoice);                       // 7
  b.Put(b.folders.above, "TarvoRadio.rad", "Radio One\r\n");  // 5
  for (int n = 1; n <= 9; ++n) {
    QPushButton* button = b.Button(n);
    QVERIFY(button != nullptr);
    QCOMPARE(b.Page().DownloadButton(n), button);
    QVERIFY2(button->text().endsWith("(" + DownloadablePack(n) + ")"), qPrintable(button->text()));
    QCOMPARE(button->isEnabled(), n != 1 && n != 5 && n != 7);
  }
  // The captions come from the phrase table where it has the words.
  QVERIFY(b.Button(1)->text().startsWith(T("Cards") + ": " + T("Medieval-1")));
  QVERIFY(b.Button(2)->text().contains(T("Decks")));
  QVERIFY(b.Button(3)->text().startsWith(T("Background")));
  QVERIFY(b.Button(9)->text().startsWith(T("Design") + ": " + T("Purple")));
  QCOMPARE(b.Page().DownloadButton(0), nullptr);
  QCOMPARE(b.Page().DownloadButton(10), nullptr);
  // A pack put there while the page was hidden is noticed when it shows again.
  b.Page().hide();
  b.Put(b.folders.above, kPackBackgrounds);
  b.Page().show();
  QVERIFY(!b.Button(3)->isEnabled());
}

void PacksPageTest::APackThatIsThereIsDrawnLighter() {
  // Also under a dark design, whose palette would draw a disabled button dark too.
  QPalette dark;
  for (QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive, QPalette::Disabled}) {
    dark.setColor(group, QPalette::Window, QColor(0x30, 0x28, 0x40));
    dark.setColor(group, QPalette::Button, QColor(0x48, 0x40, 0x58));
    dark.setColor(group, QPalette::ButtonText, QColor(0x20, 0x20, 0x20));
  }
  const QPalette standard = QApplication::palette();
  for (bool dark_design : {false, true}) {
    QApplication::setPalette(dark_design ? dark : standard);
    Bench b;
    b.Put(b.folders.above, kPackCardsB);
    QVERIFY(!b.Button(2)->isEnabled());
    QVERIFY(b.Button(3)->isEnabled());
    const double faded = MeanLightness(b.Button(2)), offered = MeanLightness(b.Button(3));
    QVERIFY2(faded > offered + (dark_design ? 100 : 5),
             qPrintable(QString("%1 vs %2").arg(faded).arg(offered)));
  }
  QApplication::setPalette(standard);
}

void PacksPageTest::TheBalloonSaysDownloadAndTheFile() {
  Bench b;
  QPushButton* button = b.Button(4);
  QCOMPARE(button->toolTip(), "<b>" + T("Download") + "</b><br>TarvoCalendar01.dll");
  const QPoint at = button->rect().center();
  QHelpEvent hover(QEvent::ToolTip, at, button->mapToGlobal(at));
  QApplication::sendEvent(button, &hover);
  QTRY_VERIFY(QToolTip::isVisible());
  QCOMPARE(QToolTip::text(), button->toolTip());
  QToolTip::hideText();
}

void PacksPageTest::AClickThatBringsThePackDisablesItsButton() {
  Bench b;
  b.Offer(kPackCardsC, HttpReply::Body(SmallPack()));
  QSignalSpy packs(&b.Page(), &TPacksPage::PacksChanged);
  QVERIFY(b.Button(8)->isEnabled());
  // An outer override (another busy phase) is still in force afterwards: the page undoes only
  // its own wait cursor.
  QApplication::setOverrideCursor(Qt::PointingHandCursor);
  QSignalSpy finished(&b.Page(), &TPacksPage::DownloadFinished);
  QTest::mouseClick(b.Button(8), Qt::LeftButton);
  // While the pack comes, the window is drawn under the wait cursor and no second download
  // can start.
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::WaitCursor);
  QVERIFY(b.Page().Downloading());
  for (int n = 1; n <= kDownloadablePacks; ++n) QVERIFY(!b.Button(n)->isEnabled());
  QVERIFY(finished.wait(10000));
  QVERIFY(QApplication::overrideCursor() != nullptr);
  QCOMPARE(QApplication::overrideCursor()->shape(), Qt::PointingHandCursor);
  QApplication::restoreOverrideCursor();
  QCOMPARE(QApplication::overrideCursor(), nullptr);

  QVERIFY(b.Above(kPackCardsC));
  QVERIFY(OpenPack(b.folders, kPackCardsC) != nullptr);
  QCOMPARE(b.server.Requests(), (std::vector<std::string>{kManifestPath, Path(kPackCardsC)}));
  QCOMPARE(b.sounds, std::vector<std::string>{"WToMenK"});
  QCOMPARE(packs.count(), 1);
  QVERIFY(!b.Button(8)->isEnabled());
  QVERIFY(b.Button(1)->isEnabled());
  QCOMPARE(b.Page().findChild<QLabel*>("LabelDownloadError")->text(), QString());
}

void PacksPageTest::AClickThatFailsLeavesNothingAndTheButtonOn() {
  const std::string pack = SmallPack();
  const struct {
    const char* name;
    HttpReply reply;
    const char* error;
  } cases[] = {
      {"missing", HttpReply::Status(404), "Cannot download TarvoCGraph1.dll: HTTP 404"},
      {"cut short", HttpReply::CutAfter(pack, pack.size() / 2),
       "Cannot download TarvoCGraph1.dll: the answer ended early"},
  };
  for (const auto& c : cases) {
    Bench b;
    b.Offer(kPackGraphics, c.reply);
    QSignalSpy packs(&b.Page(), &TPacksPage::PacksChanged);
    QSignalSpy finished(&b.Page(), &TPacksPage::DownloadFinished);
    QTest::mouseClick(b.Button(9), Qt::LeftButton);
    QVERIFY2(finished.wait(10000), c.name);
    QCOMPARE(finished.at(0).at(0).toBool(), false);
    QCOMPARE(QApplication::overrideCursor(), nullptr);
    QVERIFY2(!b.Above(kPackGraphics), c.name);
    QCOMPARE(QDir(b.folders.above).entryList(QDir::Files), QStringList());
    QCOMPARE(b.sounds, std::vector<std::string>{"WWrongs"});
    QCOMPARE(packs.count(), 0);
    QVERIFY(b.Button(9)->isEnabled());
    QCOMPARE(b.Page().findChild<QLabel*>("LabelDownloadError")->text(), QString(c.error));
  }
}

void PacksPageTest::ClosingThePageDuringADownloadLetsItFinishQuietly() {
  Bench b;
  HttpReply slow = HttpReply::Body(SmallPack());
  slow.delay_ms = 400;
  b.Offer(kPackCardsC, slow);
  QTest::mouseClick(b.Button(8), Qt::LeftButton);
  QVERIFY(b.Page().Downloading());
  b.page.reset();
  QCOMPARE(QApplication::overrideCursor(), nullptr);
  // The pack still arrives whole; nobody is left to play a sound for it.
  QTRY_VERIFY_WITH_TIMEOUT(b.Above(kPackCardsC), 10000);
  QTest::qWait(100);
  QVERIFY(OpenPack(b.folders, kPackCardsC) != nullptr);
  QVERIFY(b.sounds.empty());
}

void PacksPageTest::TheRadioListSourceIsWrittenToTheSettings() {
  Bench b;
  b.settings.RadioListFromServer = false;
  auto* disk = b.Page().findChild<QRadioButton*>("RadioFromDisk");
  auto* server = b.Page().findChild<QRadioButton*>("RadioFromServer");
  QVERIFY(disk && server);
  QVERIFY(disk->isChecked());
  QCOMPARE(server->text(), T("From the server"));
  QCOMPARE(disk->text(), T("From disk"));
  QSignalSpy changed(&b.Page(), &TPacksPage::Changed);
  QTest::mouseClick(server, Qt::LeftButton, {}, QPoint(8, server->height() / 2));
  QVERIFY(b.settings.RadioListFromServer);
  QTest::mouseClick(disk, Qt::LeftButton, {}, QPoint(8, disk->height() / 2));
  QVERIFY(!b.settings.RadioListFromServer);
  QCOMPARE(changed.count(), 2);
}

QTEST_MAIN(PacksPageTest)
#include "packs_page_test.moc"
