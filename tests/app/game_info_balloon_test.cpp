// The balloon of the score panel: its lines for every way of playing, and that it opens when
// the mouse enters the panel and replaces the plain hint from then on.
#include <QtTest>

#include "app/game_info_balloon.h"
#include "app_fixture.h"
#include "i18n/language.h"

using namespace ostrel;
using namespace ostrel::testing;

Q_DECLARE_METATYPE(ostrel::GameInfoFacts)

class GameInfoBalloonTest : public QObject {
  Q_OBJECT
 private slots:
  void Lines_data();
  void Lines();
  void PlainHint();
  void OpensWhenTheMouseEntersThePanel();
};

void GameInfoBalloonTest::Lines_data() {
  QTest::addColumn<GameInfoFacts>("facts");
  QTest::addColumn<QStringList>("lines");
  const QString g = "General number of game: ";
  const QString c = "Number of round in a current cycle: ";
  const QString s = "Number of round in a current session: ";
  auto facts = [](int n, int mode, int konl, bool network, bool tournament, bool waiting) {
    GameInfoFacts f;
    f.game_number = n;
    f.account_mode = mode;
    f.account_games = konl;
    f.network = network;
    f.tournament = tournament;
    f.waiting_for_first_deal = waiting;
    return f;
  };
  QTest::newRow("computer, inside a cycle")
      << facts(7, 1, 0, false, false, false) << QStringList{g + "7", c + "7 / 25"};
  QTest::newRow("computer, last game of a cycle is 25, not 0")
      << facts(50, 1, 0, false, false, false) << QStringList{g + "50", c + "25 / 25"};
  QTest::newRow("computer, first game of the next cycle")
      << facts(26, 2, 0, false, false, false) << QStringList{g + "26", c + "1 / 25"};
  QTest::newRow("rated: the cycle counts the account's games")
      << facts(60, 3, 9, false, false, false) << QStringList{g + "60", c + "10 / 25", s + "1 / 1"};
  QTest::newRow("rated: the account's 25th game of a cycle")
      << facts(3, 3, 24, false, false, false) << QStringList{g + "3", c + "25 / 25", s + "1 / 1"};
  QTest::newRow("network game counted by the club")
      << facts(30, 1, 9, true, false, false) << QStringList{g + "30", c + "5 / 25", s + "1 / 1"};
  QTest::newRow("network game with a rated account")
      << facts(30, 3, 9, true, false, false) << QStringList{g + "30", c + "10 / 25", s + "1 / 1"};
  QTest::newRow("network client before its first deal: no balloon")
      << facts(1, 1, 0, true, false, true) << QStringList{};
  QTest::newRow("tournament table")
      << facts(12, 3, 5, false, true, false) << QStringList{g + "12", s + "1 / 1"};
}

void GameInfoBalloonTest::Lines() {
  QFETCH(GameInfoFacts, facts);
  QFETCH(QStringList, lines);
  QCOMPARE(GameInfoBalloonLines(facts), lines);
}

void GameInfoBalloonTest::PlainHint() {
  QCOMPARE(PanelPlainHint(7, false), QString("Game: 7 / 25"));
  QCOMPARE(PanelPlainHint(7, true), QString("Game: 7 / 1"));
  // The counter's own word, where the options page's "Game" is another one.
  struct English {
    ~English() { SetLanguage(0); }
  } restore;
  SetLanguage(3);
  QCOMPARE(PanelPlainHint(7, false), QString("Partie: 7 / 25"));
}

void GameInfoBalloonTest::OpensWhenTheMouseEntersThePanel() {
  AppFixture app;
  app.LeaveTitle();
  app.StartAsNewPlayer("Ida");
  QVERIFY(app.Settle());
  TableView* view = app.Window().Table()->View();
  QVERIFY(view->PanelBalloon().contains("General number of game: 1"));
  QVERIFY(view->PanelBalloon().contains("1 / 25"));
  QVERIFY(!view->PanelBalloonOpened());
  const Rect& panel = view->Layout().panel;
  QTest::mouseMove(view, QPoint(panel.x + panel.w + 20, panel.y + panel.h + 20));
  QVERIFY(!view->PanelBalloonOpened());
  QTest::mouseMove(view, QPoint(panel.x + panel.w / 2, panel.y + panel.h / 2));
  QTRY_VERIFY(view->PanelBalloonOpened());
}

QTEST_MAIN(GameInfoBalloonTest)
#include "game_info_balloon_test.moc"
