// A whole deal played from the keyboard only: Space for the green button, the arrows to choose
// a card, Enter to play it.
#include <QtTest>

#include "app/table_screen.h"
#include "app_fixture.h"
#include "game/rules.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

// One action of the player by keys; false when there was nothing to do.
bool PlayerActsByKeys(TForm1& w) {
  TableScreen* table = w.Table();
  if (table->Busy()) return false;
  TTarvoCardsButton* b7 = table->Button7();
  if (b7->isVisible() && b7->isEnabled()) {
    QTest::keyClick(table, TableScreen::kButton7Key);
    return true;
  }
  const GameRecord& r = w.CurrentGame().Record();
  if (r.Phase != 24) return false;
  for (int p = 1; p <= r.CardCount[4]; ++p) {
    if (w.CurrentGame().CanPlay(p) != kAllowed) continue;
    for (int presses = 0; presses < 9 && table->View()->State().chosen != p; ++presses) {
      QTest::keyClick(table, Qt::Key_Right);
    }
    if (table->View()->State().chosen != p) return false;
    QTest::keyClick(table, Qt::Key_Return);
    return true;
  }
  return false;
}

}  // namespace

class TableKeysTest : public QObject {
  Q_OBJECT
 private slots:
  void ArrowsChooseOnlyCardsOfTheHand();
  void WholeDealByKeys();
};

void TableKeysTest::ArrowsChooseOnlyCardsOfTheHand() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  HandView& hand = table.View()->State().hands[4];
  hand.count = 4;
  for (int p : {1, 2, 4}) hand.cards[p] = MakeCard(Rank::Ace, p);  // position 3 is empty
  struct Step {
    Qt::Key key;
    int chosen;
  } const kSteps[] = {{Qt::Key_Right, 1}, {Qt::Key_Right, 2}, {Qt::Key_Right, 4},
                      {Qt::Key_Right, 1}, {Qt::Key_Left, 4},  {Qt::Key_Left, 2}};
  for (const Step& s : kSteps) {
    QTest::keyClick(&table, s.key);
    QCOMPARE(table.View()->State().chosen, s.chosen);
  }
  QSignalSpy pressed(&table, &TableScreen::CardPressed);
  QTest::keyClick(&table, Qt::Key_Enter);
  QCOMPARE(pressed.count(), 1);
  QCOMPARE(pressed.at(0).at(0).toInt(), 2);
}

void TableKeysTest::WholeDealByKeys() {
  AppFixture app(11);
  app.LeaveTitle();
  app.StartAsNewPlayer("Boris");
  TForm1& w = app.Window();
  QVERIFY(app.RunUntil([&] {
    const GameRecord& r = w.CurrentGame().Record();
    if (!w.Table()->Busy() && (r.Phase == kPhaseDealOver || r.Phase == kPhaseGameOver)) {
      return true;
    }
    PlayerActsByKeys(w);
    return false;
  }));
  const GameRecord& r = w.CurrentGame().Record();
  QVERIFY(r.Declarer != 0);
  QCOMPARE(int(r.TrickNumber), 9);
  for (int s = 1; s <= 4; ++s) QCOMPARE(int(r.CardCount[s]), 0);
  QCOMPARE(w.Table()->View()->State().hands[4].count, 0);
  // The buttons name their keys.
  QVERIFY(w.Table()->Button7()->toolTip().contains(
      QKeySequence(TableScreen::kButton7Key).toString(QKeySequence::NativeText)));
  QVERIFY(w.Table()->Button8()->toolTip().contains(
      QKeySequence(TableScreen::kButton8Key).toString(QKeySequence::NativeText)));
}

QTEST_MAIN(TableKeysTest)
#include "table_keys_test.moc"
