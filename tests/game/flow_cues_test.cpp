// The table's cues: whose turn it is, and why a card is refused.
#include <gtest/gtest.h>

#include "game_fixture.h"

namespace ostrel::testing {
namespace {

// The turn cue follows the play: every card is played by the seat the last cue showed, and the
// cue stands on the player whenever a card of his is awaited.
TEST(Flow, TheTurnCueShowsTheSeatToAct) {
  GameFixture f;
  f.players.accepting_seat = 1;
  f.StartGame(1, &kFlowDeck);
  int cue = -1;
  int cards = 0;
  int player_waits = 0;
  const auto check = [&] {
    for (const Effect& e : f.port.effects) {
      if (const auto* c = std::get_if<TurnCueEffect>(&e)) {
        EXPECT_NE(c->seat, cue) << "a cue repeats the one before";
        EXPECT_GE(c->seat, 0);
        EXPECT_LE(c->seat, kSeats);
        cue = c->seat;
      } else if (const auto* card = std::get_if<CardFact>(&e)) {
        EXPECT_EQ(card->seat, cue) << "card " << cards;
        ++cards;
      }
    }
    f.port.Clear();
  };
  f.RunUntil([&] {
    check();
    const GameRecord& r = f.game.Record();
    if (r.Phase == 24) {
      EXPECT_EQ(cue, 4);
      ++player_waits;
    }
    return r.Phase == kPhaseDealOver || r.Phase == kPhaseGameOver;
  });
  check();
  EXPECT_EQ(cards, 32);
  EXPECT_GE(player_waits, 8);
}

// The player's label says why a card is refused; playing a card brings the name back.
TEST(Flow, ARefusedCardIsExplainedOnThePlayersLabel) {
  struct Held {
    Rank rank;
    int suit;
    int order;
  };
  struct Case {
    const char* name;
    Held led;      // the card on the trick; suit 1 is trump
    Held allowed;  // hand position 1
    Held refused;  // hand position 2
    Words why;
  } const kCases[] = {
      {"holds the suit led",
       {Rank::Ten, 2, 7},
       {Rank::King, 2, 5},
       {Rank::Seven, 3, 1},
       Words::RefusedFollowSuit},
      {"void in the suit led, holds a trump",
       {Rank::Ten, 2, 7},
       {Rank::Seven, 1, 1},
       {Rank::Seven, 3, 1},
       Words::RefusedPlayTrump},
      {"trump led, holds a higher trump",
       {Rank::Jack, 1, 8},
       {Rank::Nine, 1, 9},
       {Rank::Seven, 1, 1},
       Words::RefusedOverTrump},
  };
  for (const Case& c : kCases) {
    SCOPED_TRACE(c.name);
    GameFixture f;
    f.players.accepting_seat = 1;
    f.StartGame(1, &kFlowDeck);
    f.RunUntil([&] { return f.game.Record().Phase == 24 && f.game.Record().TrickPosition > 1; });
    GameRecord& r = f.game.Record();
    ASSERT_EQ(r.Phase, 24);
    r.Trump = MakeCard(Rank::Seven, 1).suit;
    r.Trick[1] = MakeCard(c.led.rank, c.led.suit);
    r.TrickOrder[1] = static_cast<std::uint8_t>(c.led.order);
    for (int k = 2; k < r.TrickPosition; ++k) {  // the rest of the trick: low cards of suit 4
      r.Trick[k] = MakeCard(k == 2 ? Rank::Seven : Rank::Eight, 4);
      r.TrickOrder[k] = 0;
    }
    r.LedSuit = r.Trick[1].suit;
    for (int p = 1; p <= 8; ++p) r.Hand[4][p] = kEmptyCard;
    r.Hand[4][1] = MakeCard(c.allowed.rank, c.allowed.suit);
    r.HandOrder[4][1] = static_cast<std::uint8_t>(c.allowed.order);
    r.Hand[4][2] = MakeCard(c.refused.rank, c.refused.suit);
    r.HandOrder[4][2] = static_cast<std::uint8_t>(c.refused.order);
    ASSERT_NE(f.game.CanPlay(2), kAllowed);
    ASSERT_EQ(f.game.CanPlay(1), kAllowed);
    f.port.Clear();
    EXPECT_FALSE(f.game.CardClick(2));
    const auto labels = f.port.All<LabelEffect>();
    ASSERT_EQ(labels.size(), 1u);
    EXPECT_EQ(labels[0].seat, 4);
    EXPECT_EQ(labels[0].words, std::vector<Words>{c.why});
    f.port.Clear();
    EXPECT_TRUE(f.game.CardClick(1));
    const auto after = f.port.All<LabelEffect>();
    ASSERT_FALSE(after.empty());
    EXPECT_EQ(after[0].seat, 4);
    EXPECT_EQ(after[0].words, std::vector<Words>{Words::SeatName});
  }
}

}  // namespace
}  // namespace ostrel::testing
