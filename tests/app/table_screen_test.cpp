// The window's side of the table port: effects are played in order, input waits until the
// last one has played, and the score tabs show what the steps asked for.
#include <QtTest>

#include "app/table_screen.h"
#include "app_fixture.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

ScoreTabEffect Tab(int team, int pointer, std::int32_t small, std::int32_t large, int star,
                   bool game_over = false) {
  ScoreTabEffect t;
  t.team = team;
  t.pointer_mode = pointer;
  t.small_number = small;
  t.large_number = large;
  t.star_mode = star;
  t.game_over = game_over;
  return t;
}

}  // namespace

class TableScreenTest : public QObject {
  Q_OBJECT
 private slots:
  void StarStaysWithDeclarersWhilePointerMoves();
  void EndOfGameShowsLeadInRedAndKeepsDealPoints();
  void InputWaitsForWaitsAndFlights();
  void FlightMovesPixelByPixelAndLands();
  void TrickCollectionFliesTogether();
};

void TableScreenTest::StarStaysWithDeclarersWhilePointerMoves() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetTimeScale(0);
  table.Show(ShowTableEffect{});
  // Team 2 takes the contract.
  table.Show(Tab(2, 3, 0, 120, 1));
  // A trick won by team 1: its seat leads next.
  table.Show(Tab(1, 1, 24, 80, 3));
  table.Show(Tab(2, 2, 0, 120, 3));
  QVERIFY(Drain(table));
  const auto& tabs = table.View()->State().tabs;
  QVERIFY(tabs[2].star);
  QVERIFY(!tabs[1].star);
  QVERIFY(tabs[1].pointer);
  QVERIFY(!tabs[2].pointer);
  QCOMPARE(tabs[1].deal_value, 24);
}

void TableScreenTest::EndOfGameShowsLeadInRedAndKeepsDealPoints() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetTimeScale(0);
  table.Show(ShowTableEffect{});
  table.Show(Tab(1, 2, 40, 440, 3));
  table.Show(Tab(2, 2, 122, 512, 3));
  // Team 2 wins 512 to 440.
  table.Show(Tab(1, 2, kNoDealValue, -72, 2, true));
  table.Show(Tab(2, 2, kNoDealValue, 72, 2, true));
  QVERIFY(Drain(table));
  const auto& tabs = table.View()->State().tabs;
  QCOMPARE(TotalText(tabs[1].total), QString("-72"));
  QCOMPARE(TotalText(tabs[2].total), QString("+72"));
  QVERIFY(tabs[1].game_over && tabs[2].game_over);
  QCOMPARE(tabs[1].deal_value, 40);
  QCOMPARE(tabs[2].deal_value, 122);
  QVERIFY(!tabs[1].star && !tabs[2].star && !tabs[1].pointer && !tabs[2].pointer);
}

void TableScreenTest::InputWaitsForWaitsAndFlights() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.show();
  int pressed = 0;
  QObject::connect(&table, &TableScreen::Button7Pressed, [&] { ++pressed; });
  table.Show(ButtonEffect{7, Caption::Ok, true, true});
  table.Show(WaitEffect{150});
  table.Show(ButtonEffect{7, Caption::NextRound, true, true});
  QTest::qWait(20);
  QVERIFY(table.Busy());
  QCOMPARE(table.Button7Caption(), Caption::Ok);
  QTest::mouseClick(table.Button7(), Qt::LeftButton);
  QCOMPARE(pressed, 0);  // held back while the wait runs
  QVERIFY(Drain(table));
  QCOMPARE(table.Button7Caption(), Caption::NextRound);
  QTest::mouseClick(table.Button7(), Qt::LeftButton);
  QCOMPARE(pressed, 1);
}

void TableScreenTest::FlightMovesPixelByPixelAndLands() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetCardSpeed(5);
  table.show();
  table.Show(ShowTableEffect{});
  const CardCode ace = MakeCard(Rank::Ace, 1);
  table.Show(FlightEffect{ace, Place{Place::Hand, 4, 1}, Place{Place::Trick, 4, 1}, true});
  QVERIFY(Drain(table));
  const QPoint from = table.View()->HandCardPos(4, 1, 1);
  const QPoint to = table.View()->TrickPos(4);
  const int expected = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
  QCOMPARE(table.Stats().flights, 1L);
  QCOMPARE(table.Stats().steps, long(expected));
  QVERIFY(table.View()->State().trick[4] == ace);
}

void TableScreenTest::TrickCollectionFliesTogether() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetCardSpeed(6);
  table.show();
  table.Show(ShowTableEffect{});
  for (int seat = 1; seat <= 4; ++seat) {
    table.Show(FlightEffect{MakeCard(Rank::Seven, seat), Place{Place::Trick, seat, seat},
                            Place{Place::Hand, 2, 0}, true});
  }
  QVERIFY(Drain(table));
  // Four cards, one flight: they leave the table at once.
  QCOMPARE(table.Stats().flights, 1L);
  for (int seat = 1; seat <= 4; ++seat) QVERIFY(table.View()->State().trick[seat].IsEmpty());
}

QTEST_MAIN(TableScreenTest)
#include "table_screen_test.moc"
