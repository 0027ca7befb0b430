// The verdict after a cycle of 25 games: its lines, colours and medal by the place reached.
#include <QLabel>
#include <QMovie>
#include <QtTest>

#include "table/end_game_window.h"

using namespace ostrel;

class EndGameTest : public QObject {
  Q_OBJECT
 private slots:
  void PlaceTenOfTheClub();
  void RatedPlaceFourteen();
  void BestPlaceTitles_data();
  void BestPlaceTitles();
  void WindowHeightFollowsDesign_data();
  void WindowHeightFollowsDesign();
  void VerdictAnimationByPlace();
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

QTEST_MAIN(EndGameTest)
#include "end_game_test.moc"
