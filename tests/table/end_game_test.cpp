// The verdict after a cycle of 25 games: its lines, colours and medal by the place reached,
// and its designs with and without the graphics pack.
#include <QLabel>
#include <QMovie>
#include <QTemporaryDir>
#include <QtTest>

#include "pictures/own_pictures.h"
#include "support/test_pack.h"
#include "table/end_game_window.h"

using namespace ostrel;
using ostrel::test::Near;

namespace {

const QColor kVelvet(60, 0, 90), kHeader(200, 160, 40), kGrayHeader(0, 120, 255);
const QColor kWindowGray(212, 208, 200);

// Each of the twenty star frames in a colour of its own.
QColor FrameColour(int frame) {
  return QColor(frame * 12, 255 - frame * 12, 100);
}

QImage StarStrip() {
  QImage strip(960, 48, QImage::Format_ARGB32);
  for (int f = 0; f < 20; ++f) {
    for (int y = 0; y < 48; ++y) {
      for (int x = 0; x < 48; ++x) strip.setPixelColor(f * 48 + x, y, FrameColour(f));
    }
  }
  return strip;
}

QByteArray OwnFile(const char* name) {
  QFile file(OwnPicturePath(QString::fromLatin1(name)));
  return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray();
}

QColor PixelOf(QLabel* label, QPoint at) {
  return label->pixmap().toImage().pixelColor(at);
}

// Whether something is drawn over the plain velvet inside the rectangle of the label.
bool DrawnOn(QLabel* label, QRect rect) {
  const QImage image = label->pixmap().toImage();
  for (int y = rect.top(); y <= rect.bottom(); ++y) {
    for (int x = rect.left(); x <= rect.right(); ++x) {
      if (!Near(image.pixelColor(x, y), kVelvet, 30)) return true;
    }
  }
  return false;
}

}  // namespace

class EndGameTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void PurpleLayoutFromPack();
  void PurpleStarTurns();
  void ClubEmblem_data();
  void ClubEmblem();
  void PurpleWithoutPackBecomesAristocratic();
  void GrayHeadersFromPack_data();
  void GrayHeadersFromPack();
  void PurpleLines_data();
  void PurpleLines();
  void RealGraphicsPack();
  void PlaceTenOfTheClub();
  void RatedPlaceFourteen();
  void BestPlaceTitles_data();
  void BestPlaceTitles();
  void WindowHeightFollowsDesign_data();
  void WindowHeightFollowsDesign();
  void VerdictAnimationByPlace();

 private:
  VerdictInput Input(int place, bool purple, int design, bool pack) const;
  QTemporaryDir with_, without_;
};

void EndGameTest::VerdictAnimationByPlace() {
  VerdictInput in;
  in.place = 1;
  TFormEndGame best(in);
  QMovie* movie = best.findChild<QLabel*>("RxGIFAn1")->movie();
  QVERIFY(movie != nullptr && movie->isValid());
  QCOMPARE(movie->frameCount(), 25);
  QCOMPARE(QString(VerdictAnimation(1)), QString("GEndBest"));
  QCOMPARE(QString(VerdictAnimation(7)), QString("GEndGood"));
  QCOMPARE(QString(VerdictAnimation(0)), QString("GEndBads"));
  QCOMPARE(QString(VerdictAnimation(14)), QString("GEndBads"));
  // Without animations one frame stands still.
  in.gif_animation = false;
  TFormEndGame still(in);
  QLabel* label = still.findChild<QLabel*>("RxGIFAn1");
  QVERIFY(label->movie() == nullptr);
  QVERIFY(!label->pixmap().isNull());
}

void EndGameTest::PlaceTenOfTheClub() {
  VerdictInput in;
  in.place = 10;
  in.result = 0;
  const auto lines = VerdictLines(in, nullptr);
  QCOMPARE(int(lines.size()), 4);
  QCOMPARE(lines[0].text, QString("CONGRATULATIONS!!!"));
  QCOMPARE(lines[1].text, QString("Good result!"));
  QCOMPARE(lines[2].text, QString("Result: 0"));
  QCOMPARE(lines[3].text, QString("You have hitted in top ten players!"));
  QCOMPARE(lines[0].colour, 0x000080u);
  QCOMPARE(lines[2].colour, 0x008000u);
  QCOMPARE(lines[0].row, 100);
  QCOMPARE(lines[3].row, 325);
  QVERIFY(HasMedal(10));
  QCOMPARE(QString(VerdictSound(10, 1)), QString("WFiGood"));
}

void EndGameTest::RatedPlaceFourteen() {
  VerdictInput in;
  in.place = 14;
  in.result = 37;
  in.account_mode = 3;
  const auto lines = VerdictLines(in, nullptr);
  QCOMPARE(lines[0].text, QString("Our regrets..."));
  QCOMPARE(lines[1].text, QString("Your result keeps to wish best"));
  QCOMPARE(lines[1].height, 20);
  QCOMPARE(lines[2].text, QString("Result: 37 ; Place: 14"));
  QCOMPARE(lines[3].text, QString("You have not hitted in ten best players..."));
  QCOMPARE(lines[0].colour, 0x800000u);
  QVERIFY(!HasMedal(14));
  QCOMPARE(QString(VerdictSound(14, 3)), QString("WFiBads"));
}

void EndGameTest::BestPlaceTitles_data() {
  QTest::addColumn<int>("account_mode");
  QTest::addColumn<bool>("multiplayer");
  QTest::addColumn<QString>("title");
  QTest::newRow("club") << 1 << false << "You become a Master of the Order!";
  QTest::newRow("rated") << 3 << false << "You become the Vice-President of the order!";
  QTest::newRow("network") << 1 << true << "You become a Bachelor of the Order!";
  QTest::newRow("signed in") << 2 << false << "";
}

void EndGameTest::BestPlaceTitles() {
  QFETCH(int, account_mode);
  QFETCH(bool, multiplayer);
  QFETCH(QString, title);
  VerdictInput in;
  in.place = 1;
  in.result = 480;
  in.account_mode = account_mode;
  in.multiplayer = multiplayer;
  const auto lines = VerdictLines(in, nullptr);
  QCOMPARE(lines[1].text, QString("Your result - the best!"));
  QCOMPARE(lines[0].colour, 0x800080u);
  if (title.isEmpty()) {
    QCOMPARE(int(lines.size()), 3);
  } else {
    QCOMPARE(int(lines.size()), 4);
    QCOMPARE(lines[3].text, title);
    QCOMPARE(lines[3].height, 22);
  }
}

void EndGameTest::WindowHeightFollowsDesign_data() {
  QTest::addColumn<int>("design");
  QTest::addColumn<int>("height");
  QTest::newRow("concise") << 1 << 690;
  QTest::newRow("aristocratic") << 2 << 705;
  QTest::newRow("ribbons") << 3 << 760;
}

void EndGameTest::WindowHeightFollowsDesign() {
  QFETCH(int, design);
  QFETCH(int, height);
  VerdictInput in;
  in.place = 2;
  in.design = design;
  TFormEndGame window(in);
  QCOMPARE(window.size(), QSize(560, height));
  QCOMPARE(window.windowTitle(), QString("The completion of game"));
}

void EndGameTest::initTestCase() {
  QVERIFY(with_.isValid() && without_.isValid());
  PackWriter w;
  // Another size than the window's: the window stretches it.
  QVERIFY(test::AddSolid(w, "GFormEndG", {560, 760}, kVelvet, PackKind::kJpeg));
  QVERIFY(test::AddSolid(w, "GFormEndGEng", {560, 56}, kHeader));
  QVERIFY(test::AddSolid(w, "EndGameEng", {300, 48}, kGrayHeader));
  QVERIFY(w.Add("GIcon48WT", PackKind::kPng, test::Encode(StarStrip(), "PNG")));
  for (const auto& [name, own] :
       {std::pair{"GifB", "GClubB"}, {"GifF", "GClubF"}, {"GifG", "GClubG"}}) {
    const QByteArray gif = OwnFile(own);
    QVERIFY(!gif.isEmpty());
    QVERIFY(w.Add(name, PackKind::kGif, {gif.begin(), gif.end()}));
  }
  QVERIFY(test::WriteGraphicsPack(w, with_.path()));
}

VerdictInput EndGameTest::Input(int place, bool purple, int design, bool pack) const {
  VerdictInput in;
  in.place = place;
  in.result = 120;
  in.purple = purple;
  in.design = design;
  in.gif_animation = false;
  // The pack is found in the folder above as well as in the program's own.
  in.packs = pack ? PackFolders{without_.path(), with_.path()} : PackFolders{without_.path(), {}};
  return in;
}

void EndGameTest::PurpleLayoutFromPack() {
  VerdictInput in = Input(1, true, 3, true);
  in.account_mode = 3;
  TFormEndGame w(in);
  QVERIFY(w.Purple());
  QVERIFY(!w.Outcome().message.has_value());
  QVERIFY(!w.Outcome().settings_to_design_2);
  QCOMPARE(w.size(), QSize(620, 720));
  QCOMPARE(w.findChild<QLabel*>("RxGIFAn1")->pos(), QPoint(517, 260));
  QVERIFY(w.findChild<QLabel*>("Image0")->isHidden());
  QVERIFY(w.findChild<QLabel*>("Panel1")->isHidden());
  // The text and the place lie on the background under them.
  QLabel* text = w.findChild<QLabel*>("Image1");
  QLabel* place = w.findChild<QLabel*>("Image2");
  QVERIFY(text != nullptr && place != nullptr);
  QVERIFY(Near(PixelOf(text, {2, 2}), kVelvet));
  QVERIFY(Near(PixelOf(place, {2, 2}), kVelvet));
  QVERIFY(DrawnOn(place, {248, 27, 104, 104}));  // "GPlace01"
  QVERIFY(!DrawnOn(place, {0, 0, 240, 150}));
  // "Account48" with rated games only.
  in.account_mode = 1;
  TFormEndGame club(in);
  const QRect account(328, 15, 32, 32);
  QVERIFY(text->pixmap().toImage().copy(account) !=
          club.findChild<QLabel*>("Image1")->pixmap().toImage().copy(account));
  const QImage shot = w.grab().toImage();
  QVERIFY(Near(shot.pixelColor(5, 300), kVelvet));
  QVERIFY(Near(shot.pixelColor(300, 20), kHeader, 0));
  QCOMPARE(shot.pixelColor(34 + 24, 49 + 24), FrameColour(0));
}

void EndGameTest::PurpleStarTurns() {
  TFormEndGame w(Input(0, true, 2, true));
  QCOMPARE(w.IconFrame(), 0);
  QTRY_VERIFY(w.IconFrame() != 0);
  const int frame = w.IconFrame();
  QCOMPARE(w.grab().toImage().pixelColor(34 + 24, 49 + 24), FrameColour(frame));
  // After the twentieth frame the first comes again.
  QTRY_VERIFY_WITH_TIMEOUT(w.IconFrame() < frame, 3000);
}

void EndGameTest::ClubEmblem_data() {
  QTest::addColumn<int>("account_mode");
  QTest::addColumn<bool>("multiplayer");
  QTest::addColumn<QString>("own");  // the program's animation the pack's emblem was made of
  QTest::newRow("rated") << 3 << false << "GClubB";
  QTest::newRow("club") << 1 << false << "GClubF";
  QTest::newRow("network") << 1 << true << "GClubG";
  QTest::newRow("rated network") << 3 << true << "GClubG";
  QTest::newRow("signed in") << 2 << false << "";
}

void EndGameTest::ClubEmblem() {
  QFETCH(int, account_mode);
  QFETCH(bool, multiplayer);
  QFETCH(QString, own);
  VerdictInput in = Input(5, true, 2, true);
  in.account_mode = account_mode;
  in.multiplayer = multiplayer;
  TFormEndGame still(in);
  QLabel* emblem = still.findChild<QLabel*>("RxGIFAn2");
  if (own.isEmpty()) {
    QVERIFY(emblem == nullptr);
    return;
  }
  QVERIFY(emblem != nullptr);
  QCOMPARE(emblem->pos(), QPoint(527, 42));
  QCOMPARE(emblem->pixmap().toImage().convertToFormat(QImage::Format_ARGB32),
           OwnAnimationFrames(own).first().convertToFormat(QImage::Format_ARGB32));
  in.gif_animation = true;
  TFormEndGame moving(in);
  QMovie* movie = moving.findChild<QLabel*>("RxGIFAn2")->movie();
  QVERIFY(movie != nullptr && movie->isValid());
  QCOMPARE(movie->frameCount(), OwnAnimationFrames(own).size());
}

void EndGameTest::PurpleWithoutPackBecomesAristocratic() {
  TFormEndGame w(Input(3, true, 1, false));
  QVERIFY(!w.Purple());
  QCOMPARE(w.Design(), 2);
  QCOMPARE(w.size(), QSize(560, 705));
  QVERIFY(w.Outcome().settings_to_design_2);
  QVERIFY(!w.Outcome().message.has_value());  // quietly
  QVERIFY(!w.findChild<QLabel*>("Image0")->isHidden());
  QVERIFY(w.findChild<QLabel*>("Image2") == nullptr);
  QCOMPARE(w.Lines()[0].row, 100);
  QCOMPARE(w.Lines()[0].colour, 0x000080u);
}

void EndGameTest::GrayHeadersFromPack_data() {
  QTest::addColumn<int>("design");
  QTest::addColumn<bool>("pack");
  QTest::addColumn<bool>("message");
  QTest::addColumn<QColor>("corner");  // Image0 at (5, 5); the ribbons' header sits on the band
  QTest::newRow("concise") << 1 << true << false << kGrayHeader;
  QTest::newRow("concise without the pack") << 1 << false << true << kWindowGray;
  QTest::newRow("ribbons") << 3 << true << false << kHeader;
  QTest::newRow("ribbons without the pack") << 3 << false << false << kWindowGray;
}

void EndGameTest::GrayHeadersFromPack() {
  QFETCH(int, design);
  QFETCH(bool, pack);
  QFETCH(bool, message);
  QFETCH(QColor, corner);
  TFormEndGame w(Input(2, false, design, pack));
  QVERIFY(!w.Purple());
  QCOMPARE(w.Design(), design);
  QCOMPARE(w.Outcome().settings_to_design_2, message);
  QCOMPARE(w.Outcome().message,
           message ? std::optional<QString>("Can`t find the file TarvoCGraph1.dll") : std::nullopt);
  QLabel* header = w.findChild<QLabel*>("Image0");
  QCOMPARE(PixelOf(header, design == 3 ? QPoint(5, 50) : QPoint(5, 5)), corner);
  // The concise header is the pack's picture alone, on the window colour.
  if (design == 1) QCOMPARE(PixelOf(header, {400, 40}), kWindowGray);
}

void EndGameTest::PurpleLines_data() {
  QTest::addColumn<int>("place");
  QTest::addColumn<uint>("result_colour");
  QTest::addColumn<int>("fourth_height");
  QTest::newRow("best") << 1 << 0x00C800u << 20;
  QTest::newRow("tenth") << 10 << 0x00C800u << 22;
  QTest::newRow("outside") << 0 << 0x0000FFu << 18;
  QTest::newRow("rated fourteenth") << 14 << 0x0000FFu << 18;
}

void EndGameTest::PurpleLines() {
  QFETCH(int, place);
  QFETCH(uint, result_colour);
  QFETCH(int, fourth_height);
  VerdictInput in;
  in.place = place;
  in.purple = true;
  const auto lines = VerdictLines(in, nullptr);
  QCOMPARE(int(lines.size()), 4);
  const int rows[4] = {50, 125, 200, 275};
  for (int i = 0; i < 4; ++i) {
    QCOMPARE(lines[i].row, rows[i]);
    QCOMPARE(lines[i].colour, i == 2 ? result_colour : 0x00FFFFu);
  }
  QCOMPARE(lines[3].height, fourth_height);
  if (!HasMedal(place)) QCOMPARE(lines[1].height, 18);
  QCOMPARE(VerdictStyleOf(true).rows[4], 350);
  QCOMPARE(VerdictStyleOf(true).x0, 0);
  QCOMPARE(VerdictStyleOf(false).x0, 50);
}

// The pack the build makes holds every picture the purple verdict reads; with
// OSTREL_SHOTS_DIR set the test also leaves the window's pictures there.
void EndGameTest::RealGraphicsPack() {
  QString dir = qEnvironmentVariable("OSTREL_GRAPHICS_PACK_DIR");
#ifdef OSTREL_BUILT_PACKS_DIR
  if (dir.isEmpty()) dir = QStringLiteral(OSTREL_BUILT_PACKS_DIR);
#endif
  if (dir.isEmpty() || !QFileInfo::exists(QDir(dir).filePath("TarvoCGraph1.dll"))) {
    QSKIP("no built graphics pack");
  }
  const QString shots = qEnvironmentVariable("OSTREL_SHOTS_DIR");
  for (const auto& [place, mode, multiplayer, file] :
       {std::tuple{1, 1, false, "verdict-purple-place1"},
        {0, 3, false, "verdict-purple-place0"},
        {7, 1, true, ""}}) {
    VerdictInput in;
    in.place = place;
    in.result = place == 1 ? 482 : -36;
    in.account_mode = mode;
    in.multiplayer = multiplayer;
    in.purple = true;
    in.packs = {dir, {}};
    TFormEndGame w(in);
    QVERIFY(w.Purple());
    QLabel* emblem = w.findChild<QLabel*>("RxGIFAn2");
    QVERIFY(emblem != nullptr && emblem->movie() != nullptr && emblem->movie()->isValid());
    const int frame = w.IconFrame();
    QTRY_VERIFY(w.IconFrame() != frame);
    if (shots.isEmpty() || QString(file).isEmpty()) continue;
    w.show();
    QTest::qWait(1500);  // the verdict runs to its last frame
    QVERIFY(w.grab().save(QDir(shots).filePath(QString(file) + ".png")));
  }
}

QTEST_MAIN(EndGameTest)
#include "end_game_test.moc"
