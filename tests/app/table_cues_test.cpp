// What the table tells a player beyond the cards: the trick taken last, shown again on request,
// and at the end of a game who won it, with the final scores.
#include <QtTest>

#include "app/table_screen.h"
#include "app/text.h"
#include "app_fixture.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

// A complete trick led by `leader`: cards[k] is the k-th card played.
DrawTrickEffect FullTrick(int leader, const std::array<CardCode, 4>& played) {
  DrawTrickEffect t;
  t.count = 4;
  t.table_leader = leader;
  for (int k = 1; k <= 4; ++k) t.cards[k] = played[k - 1];
  return t;
}

// The trick goes to the winner's side and the trick area is empty again, as a step shows it.
void TakeTrick(TableScreen& table, int winner) {
  for (int seat = 1; seat <= kSeats; ++seat) {
    const CardCode card = table.View()->State().trick[seat];
    table.Show(FlightEffect{card, Place{Place::Trick, seat, seat}, Place{Place::Hand, winner, 0}});
  }
  table.Show(DrawTrickEffect{});
}

QImage TrickCorner(TableScreen& table, int seat) {
  const QPoint at = table.View()->TrickPos(seat);
  return table.View()->Snapshot().copy(QRect(at, QSize(20, 20)));
}

}  // namespace

class TableCuesTest : public QObject {
  Q_OBJECT
 private slots:
  void LastTrickIsTheOneTakenAndShowsOnRequest();
  void NextCardInTheTrickHidesTheLastTrick();
  void EndOfGameSaysWhoWon_data();
  void EndOfGameSaysWhoWon();
  void OpenViewShowsTheOtherHandsFaceUp();
};

void TableCuesTest::LastTrickIsTheOneTakenAndShowsOnRequest() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetTimeScale(0);
  table.show();
  table.Show(ShowTableEffect{});
  const LastTrickView& last = table.View()->State().last_trick;
  const std::array<CardCode, 4> played = {MakeCard(Rank::Seven, 1), MakeCard(Rank::Ace, 1),
                                          MakeCard(Rank::Ten, 1), MakeCard(Rank::Nine, 2)};
  // Seat 2 leads; seat 3's ace takes it. While it lies on the table it is not the last trick
  // yet: the key does nothing.
  table.Show(FullTrick(2, played));
  table.Show(TrickFact{1, 3, 21});
  QVERIFY(Drain(table));
  QTest::keyClick(&table, TableScreen::kLastTrickKey);
  QVERIFY(!last.showing);
  QCOMPARE(last.winner, 0);

  TakeTrick(table, 3);
  QVERIFY(Drain(table));
  QCOMPARE(last.winner, 3);
  QVERIFY(!last.showing);
  const int by_seat[] = {0, 4, 1, 2, 3};  // the order each seat played in
  for (int seat = 1; seat <= kSeats; ++seat) {
    QVERIFY(last.cards[seat] == played[by_seat[seat] - 1]);
  }
  const QImage empty_place = TrickCorner(table, 4);

  QTest::keyClick(&table, TableScreen::kLastTrickKey);
  QVERIFY(last.showing);
  QCOMPARE(last.caption, T(PhraseKey::LastTrick));
  QVERIFY(TrickCorner(table, 4) != empty_place);  // the cards lie there again

  // A press on the trick area hides it again; one on the player's hand does not toggle it.
  const QPoint trick_centre = table.View()->TrickPos(2) + QPoint(5, 5);
  QTest::mouseClick(table.View(), Qt::LeftButton, {}, trick_centre);
  QVERIFY(!last.showing);
  QVERIFY(TrickCorner(table, 4) == empty_place);
  QTest::mouseClick(table.View(), Qt::LeftButton, {}, trick_centre);
  QVERIFY(last.showing);
  const QPoint hand = table.View()->HandCardPos(4, 1, 1) + QPoint(5, 5);
  QTest::mouseClick(table.View(), Qt::LeftButton, {}, hand);
  QVERIFY(last.showing);

  // A new deal forgets the tricks of the one before.
  table.Show(ShowTableEffect{});
  QVERIFY(Drain(table));
  QCOMPARE(table.View()->State().last_trick.winner, 0);
  QVERIFY(!table.View()->State().last_trick.showing);
}

void TableCuesTest::NextCardInTheTrickHidesTheLastTrick() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetTimeScale(0);
  table.show();
  table.Show(ShowTableEffect{});
  for (int trick = 1; trick <= 2; ++trick) {
    const auto rank = trick == 1 ? Rank::Eight : Rank::King;
    table.Show(
        FullTrick(1, {MakeCard(rank, 1), MakeCard(rank, 2), MakeCard(rank, 3), MakeCard(rank, 4)}));
    table.Show(TrickFact{trick, trick, 10});
    QVERIFY(Drain(table));
    TakeTrick(table, trick);
  }
  QVERIFY(Drain(table));
  const LastTrickView& last = table.View()->State().last_trick;
  // The second trick replaced the first.
  QCOMPARE(last.winner, 2);
  QVERIFY(last.cards[1] == MakeCard(Rank::King, 1));
  table.ToggleLastTrick();
  QVERIFY(last.showing);
  // The leader's card flies in: the table shows the trick being played, the last one stays
  // kept for the next look.
  const CardCode lead = MakeCard(Rank::Queen, 3);
  table.Show(FlightEffect{lead, Place{Place::Hand, 2, 1}, Place{Place::Trick, 2, 1}});
  QVERIFY(Drain(table));
  QVERIFY(!last.showing);
  QCOMPARE(last.winner, 2);
  QVERIFY(table.View()->State().trick[2] == lead);
}

void TableCuesTest::EndOfGameSaysWhoWon_data() {
  QTest::addColumn<int>("team1");
  QTest::addColumn<int>("team2");
  QTest::addColumn<int>("outcome");
  QTest::addColumn<int>("verdict");
  QTest::addColumn<QString>("scores");
  // Team 2 is the player's partnership: "We" come first in the score line.
  QTest::newRow("we won") << 440 << 512 << 1 << int(PhraseKey::GameWonByUs) << "512 : 440";
  QTest::newRow("they won") << 512 << 440 << -1 << int(PhraseKey::GameWonByThem) << "440 : 512";
  QTest::newRow("drawn") << 301 << 301 << 0 << int(PhraseKey::GameDrawn) << "301 : 301";
  QTest::newRow("below zero") << -20 << 318 << 1 << int(PhraseKey::GameWonByUs) << "318 : -20";
}

void TableCuesTest::EndOfGameSaysWhoWon() {
  QFETCH(int, team1);
  QFETCH(int, team2);
  QFETCH(int, outcome);
  QFETCH(int, verdict);
  QFETCH(QString, scores);
  RecordingSounds sounds;
  TableScreen table(sounds);
  table.SetTimeScale(0);
  table.show();
  table.Show(ShowTableEffect{});
  QSignalSpy ended(&table, &TableScreen::GameEnded);
  GameEndFact end;
  end.scores = {0, team1, team2};
  const QImage before = table.View()->Snapshot();
  table.Show(end);
  QVERIFY(Drain(table));
  const GameResultView& result = table.View()->State().result;
  QVERIFY(result.shown);
  QCOMPARE(result.outcome, outcome);
  QCOMPARE(result.verdict, T(static_cast<PhraseKey>(verdict)));
  QCOMPARE(result.scores, T(PhraseKey::TeamWe) + " " + scores + " " + T(PhraseKey::TeamThey));
  QCOMPARE(ended.count(), 1);
  QVERIFY(table.View()->Snapshot() != before);  // the statement is drawn over the table
  // The next game's table starts without it.
  table.Show(ShowTableEffect{});
  QVERIFY(Drain(table));
  QVERIFY(!table.View()->State().result.shown);
}

void TableCuesTest::OpenViewShowsTheOtherHandsFaceUp() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  for (int seat = 1; seat <= kSeats; ++seat) {
    table.Show(DrawHandEffect{seat, seat == 4, {}, 5});
  }
  QVERIFY(Drain(table));
  const auto face_up = [&](int seat) { return table.View()->State().hands[seat].face_up; };
  QVERIFY(!face_up(1) && !face_up(2) && !face_up(3) && face_up(4));
  table.SetOpenView(true);
  QVERIFY(face_up(1) && face_up(2) && face_up(3) && face_up(4));
  table.Show(DrawHandEffect{2, false, {}, 4});  // a hand drawn again stays open
  QVERIFY(Drain(table));
  QVERIFY(face_up(2));
  table.SetOpenView(false);
  QVERIFY(!face_up(1) && !face_up(2) && !face_up(3) && face_up(4));
}

QTEST_MAIN(TableCuesTest)
#include "table_cues_test.moc"
