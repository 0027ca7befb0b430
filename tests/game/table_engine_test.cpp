// The table engine alone, as a LAN host or the tournament server drives it: no port, no window,
// no timer; every action from an absolute seat, and everything a hostile peer might try.
#include <gtest/gtest.h>

#include "game/rules.h"
#include "game/table_engine.h"
#include "game_fixture.h"

namespace ostrel::testing {
namespace {

const CardList32 kDeck =
    DeckFromHands("1ч Вч Дч 7б 8б Тб", "7к 8к 9к 1б Вб Кб", "9б Дб 7п 9п Вп Кп",
                  "8п 1п Дп Тп Кч Тч", "7ч 8ч 9ч Вк Дк Кк 1к Тк");

// What the seat due would do: pass unless it is the chosen declarer, the lowest allowed card.
Action Decide(const TableEngine& engine, int declarer) {
  const GameRecord& r = engine.Record();
  const Turn turn = engine.ToAct();
  if (r.BeginWait == 1) return {ActionKind::Begin};
  if (IsRoundOnePhase(r.Phase)) {
    return {turn.seat == declarer ? ActionKind::PlayProposed : ActionKind::PassRoundOne};
  }
  if (IsRoundTwoPhase(r.Phase)) return {ActionKind::PassRoundTwo};
  if (IsPlayPhase(r.Phase)) {
    return {ActionKind::PlayCard,
            LowestAllowedPosition(r, turn.seat, engine.Options().TrumpRequired)};
  }
  switch (r.Phase) {
    case kPhaseContract:
      return {ActionKind::DealRest};
    case kPhaseAllDealt:
      return {ActionKind::ShowCombinations};
    case kPhaseCombinationsShown:
      return {ActionKind::TakeBack};
    case kPhaseTrickComplete:
      return {ActionKind::TakeTrick};
    default:
      return {ActionKind::NextDeal};
  }
}

TEST(TableEngine, PlaysWholeGamesFromAbsoluteSeatsAndReportsEveryCard) {
  for (int place : {1, 3}) {
    Random random(11);
    TableEngine engine(random);
    engine.Frame() = TableFrame{place, false};
    engine.Options().TargetScore = 301;
    int cards = 0, deals = 0;
    engine.SetObserver([&](const Fact& f) {
      cards += std::holds_alternative<CardFact>(f) ? 1 : 0;
      deals += std::holds_alternative<DealEndFact>(f) ? 1 : 0;
    });
    ASSERT_TRUE(engine.StartGame(1, 0).accepted);
    int steps = 0;
    while (engine.Record().Phase != kPhaseGameOver && steps++ < 20000) {
      const Turn turn = engine.ToAct();
      ASSERT_NE(turn.seat, 0);
      const Action action = Decide(engine, engine.Record().DealNumber % 4 + 1);
      const Outcome outcome = engine.Apply(action, turn.seat);
      ASSERT_TRUE(outcome.accepted) << outcome.reason;
    }
    const GameRecord& r = engine.Record();
    EXPECT_EQ(r.Phase, kPhaseGameOver);
    EXPECT_TRUE(r.GameScore[1] >= 301 || r.GameScore[2] >= 301);
    EXPECT_EQ(cards, deals * 32);
    EXPECT_EQ(engine.ToAct().seat, 0);  // nobody acts after the end of the game
    // The seat of place 1 drives the table-wide steps in every copy's numbering.
    EXPECT_EQ(engine.DrivingSeat(), place == 1 ? 4 : 3);
  }
}

struct HostileCase {
  const char* what;
  Action action;
  int seat;  // 0: a seat that is not the one due
  const char* reason_part;
};

TEST(TableEngine, RefusesWhatAHostilePeerTriesAndChangesNothing) {
  Random random(3);
  TableEngine engine(random);
  engine.SetNextDeck(kDeck);
  engine.StartGame(4, 0);  // first hand: seat 2
  const auto refused = [&](const Action& action, int seat, const char* part) {
    const GameRecord before = engine.Record();
    const Outcome outcome = engine.Apply(action, seat);
    EXPECT_FALSE(outcome.accepted);
    EXPECT_NE(outcome.reason.find(part), std::string::npos) << outcome.reason;
    EXPECT_TRUE(outcome.facts.empty());
    EXPECT_EQ(engine.Record().Phase, before.Phase);
    EXPECT_EQ(engine.Record().Hand, before.Hand);
    EXPECT_EQ(engine.Record().BeginWait, before.BeginWait);
  };
  ASSERT_EQ(engine.Record().FirstHand, 2);
  refused({ActionKind::PassRoundOne}, 2, "not begun");
  refused({ActionKind::Begin}, 2, "drives the table");
  ASSERT_TRUE(engine.Apply({ActionKind::Begin}, 4).accepted);
  refused({ActionKind::Begin}, 4, "begun already");

  const HostileCase bidding[] = {
      {"a bid out of turn", {ActionKind::PassRoundOne}, 3, "turn"},
      {"a bid out of its round", {ActionKind::PassRoundTwo}, 2, "second-round"},
      {"a suit named in round one", {ActionKind::NameSuit, 1}, 2, "second-round"},
      {"a card while bidding", {ActionKind::PlayCard, 1}, 2, "no card"},
      {"a table-wide step by a seat", {ActionKind::DealRest}, 2, "contract"},
      {"a seat that does not exist", {ActionKind::PassRoundOne}, 5, "no seat"},
  };
  for (const auto& c : bidding) {
    SCOPED_TRACE(c.what);
    refused(c.action, c.seat, c.reason_part);
  }
  // Everyone passes round one; round two begins with the first hand.
  for (int seat : {2, 3, 4, 1})
    ASSERT_TRUE(engine.Apply({ActionKind::PassRoundOne}, seat).accepted);
  ASSERT_EQ(engine.Record().Phase, 12);
  const int rejected = SuitNumber(engine.Record().Deck[kDeckSize].suit);
  refused({ActionKind::NameSuit, rejected}, 2, "rejected suit");
  refused({ActionKind::NameSuit, 9}, 2, "no suit");
  const int other = rejected % 4 + 1;
  ASSERT_TRUE(engine.Apply({ActionKind::NameSuit, other}, 2).accepted);
  refused({ActionKind::DealRest}, 2, "drives the table");
  ASSERT_TRUE(engine.Apply({ActionKind::DealRest}, 4).accepted);
  ASSERT_TRUE(engine.Apply({ActionKind::ShowCombinations}, 4).accepted);
  ASSERT_TRUE(engine.Apply({ActionKind::TakeBack}, 4).accepted);
  ASSERT_EQ(engine.Record().Phase, 22);

  // The leader plays; the next seat must follow suit if it can.
  refused({ActionKind::PlayCard, 1}, 3, "turn");
  refused({ActionKind::PlayCard, 9}, 2, "no card");
  ASSERT_TRUE(engine.Apply({ActionKind::PlayCard, 1}, 2).accepted);
  const GameRecord& r = engine.Record();
  int refused_position = 0;
  for (int p = 1; p <= 8 && refused_position == 0; ++p) {
    if (CanPlay(r, 3, p, true) != kAllowed) refused_position = p;
  }
  ASSERT_NE(refused_position, 0) << "the deal gives seat 3 a card it may not play";
  refused({ActionKind::PlayCard, refused_position}, 3, "rules refuse");
  refused({ActionKind::TakeTrick}, 4, "no complete trick");

  // After the end of the game nothing is accepted.
  engine.SettleGame();
  refused({ActionKind::PlayCard, LowestAllowedPosition(r, 3, true)}, 3, "game is over");
  engine.LeaveTable();
  refused({ActionKind::NextDeal}, 4, "no deal");
}

}  // namespace
}  // namespace ostrel::testing
