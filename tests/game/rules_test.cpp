// Which card may follow, sequences and their strength, and what a deal's points are worth.
#include <gtest/gtest.h>

#include <sstream>

#include "game/combinations.h"
#include "game/hand.h"
#include "game/memory.h"
#include "game/rules.h"
#include "game/scoring.h"

namespace ostrel {
namespace {

// A hand in play (play orders) from card texts, e.g. "7п Вч".
void MakeHand(const std::string& text, char trump, HandCards& hand, HandValues& order) {
  HandValues points;
  ClearHand(hand, order, points);
  std::istringstream words(text);
  std::string w;
  int p = 0;
  while (words >> w) {
    hand[++p] = *ParseCardText(w);
    const Rank r = *RankOf(hand[p]);
    order[p] = PlayOrder(r, hand[p].suit == trump);
  }
}

struct FollowCase {
  const char* name;
  const char* hand;
  const char* trick;  // the cards already played
  bool trump_required;
  const char* allowed;  // the cards of the hand the rules allow
};

const char kHearts = '\xF7';  // trump in every case

class Follow : public ::testing::TestWithParam<FollowCase> {};

TEST_P(Follow, AllowsExactlyTheseCards) {
  const FollowCase& c = GetParam();
  HandCards hand;
  HandValues order;
  MakeHand(c.hand, kHearts, hand, order);
  HandCards trick_hand;
  HandValues trick_order_hand;
  MakeHand(c.trick, kHearts, trick_hand, trick_order_hand);
  Array1<CardCode, 4> trick;
  Array1<std::uint8_t, 4> trick_order{};
  int count = 0;
  for (int i = 1; i <= 4 && !trick_hand[i].IsEmpty(); ++i) {
    trick[i] = trick_hand[i];
    trick_order[i] = trick_order_hand[i];
    count = i;
  }
  const TrickSoFar so_far{trick, trick_order, count, trick[1].suit};
  std::string allowed;
  for (int p = 1; p <= 8 && !hand[p].IsEmpty(); ++p) {
    if (CanPlayCard(hand, order, p, so_far, kHearts, c.trump_required) == kAllowed) {
      if (!allowed.empty()) allowed += ' ';
      allowed += CardText(hand[p]);
    }
  }
  EXPECT_EQ(allowed, c.allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Rules, Follow,
    ::testing::Values(
        FollowCase{"lead_is_free", "7п 8к Вч", "", true, "7п 8к Вч"},
        FollowCase{"must_follow", "7п Тп 8к Вч", "Кп", true, "7п Тп"},
        FollowCase{"no_led_suit_must_trump", "8к 7ч Дч", "Кп", false, "7ч Дч"},
        FollowCase{"must_beat_a_trump_in_the_trick", "8к 7ч Тч", "Кп Кч", true, "Тч"},
        FollowCase{"trump_nine_is_beaten_by_no_ace", "8к 7ч Тч", "Кп 9ч", true, "7ч Тч"},
        FollowCase{"any_trump_when_none_beats", "8к 7ч Дч", "Кп Вч", true, "7ч Дч"},
        FollowCase{"under_trump_allowed_without_rule", "8к 7ч Тч", "Кп Кч", false, "7ч Тч"},
        FollowCase{"beat_even_over_partner", "8к 7ч Тч", "Кп Кч 7п", true, "Тч"},
        FollowCase{"trump_lead_must_follow_with_trump", "7п 8ч 9ч", "Кч", false, "8ч 9ч"},
        FollowCase{"trump_lead_must_overtrump", "7п 8ч 9ч", "Тч", true, "9ч"},
        FollowCase{"neither_suit_nor_trump_is_free", "7п 8к Дб", "Кч", true, "7п 8к Дб"},
        FollowCase{"following_plain_suit_may_stay_low", "7п Тп 9ч", "Кп Вч", true, "7п Тп"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Rules, AGameSeatIsAskedWithItsOwnHand) {
  GameRecord r;
  r.Trump = kHearts;
  MakeHand("7п 8к Вч", kHearts, r.Hand[2], r.HandOrder[2]);
  r.Trick[1] = *ParseCardText("Кк");
  r.TrickOrder[1] = PlayOrder(Rank::King, false);
  r.TrickPosition = 2;
  r.LedSuit = r.Trick[1].suit;
  EXPECT_EQ(CanPlay(r, 2, 1, true), kRefusedSuit);
  EXPECT_EQ(CanPlay(r, 2, 2, true), kAllowed);
  EXPECT_EQ(LowestAllowedPosition(r, 2, true), 2);
}

// Natural order during the deal: sequences look at sorted positions 1 to 9.
Array1<Combination, 3> Records(const std::string& text, char trump) {
  HandCards hand;
  HandValues order, points;
  ClearHand(hand, order, points);
  std::istringstream words(text);
  std::string w;
  int p = 0;
  while (words >> w) {
    hand[++p] = *ParseCardText(w);
    order[p] = NaturalOrder(*RankOf(hand[p]));
    points[p] = 0;
  }
  SortHand(hand, order, points, trump);
  return CombinationsOfHand(hand, order, trump);
}

struct SequenceCase {
  const char* hand;
  std::vector<std::pair<CombinationKind, int>> records;  // kind and strength, in record order
};

class Sequences : public ::testing::TestWithParam<SequenceCase> {};

TEST_P(Sequences, FindsTheseRecords) {
  const auto records = Records(GetParam().hand, kHearts);
  std::vector<std::pair<CombinationKind, int>> found;
  for (int r = 1; r <= 3; ++r) {
    if (records[r].kind != CombinationKind::None)
      found.emplace_back(records[r].kind, records[r].strength);
  }
  EXPECT_EQ(found, GetParam().records);
}

constexpr auto O = CombinationKind::Ostrel;
constexpr auto T = CombinationKind::Tertz;
INSTANTIATE_TEST_SUITE_P(
    Combinations, Sequences,
    ::testing::Values(
        SequenceCase{"1б Вб Дб 7к 9к Тп", {{T, 7}}},         // plain, to the queen
        SequenceCase{"7ч 8ч 9ч 7к 9к Тп", {{T, 2}}},         // trump, to the nine
        SequenceCase{"9б 1б Вб 7к 9к Тп", {{T, 5}}},         // the ten between nine and jack
        SequenceCase{"7п 8п 9п 1п Вп 7к 9к Тб", {{O, 15}}},  // five: the top four count
        SequenceCase{"7к 8к 9к 1к Вк Дк Кк Тк", {{O, 21}, {O, 13}}},  // all eight clubs
        SequenceCase{"7к 8к 9к 1к Вк Дк Кк 7б", {{O, 19}, {T, 1}}},   // seven: "Ostrel" + "Tertz"
        SequenceCase{"Вч Дч Кч Тч 7к 8к 9к 7п", {{O, 22}, {T, 1}}},
        SequenceCase{"7к 9к Вк Кк 7б 9б 1п Тп", {}}));

TEST(Combinations, TheEarlierSeatFromTheFirstHandWinsATie) {
  Array1<Array1<Combination, 3>, kSeats> all;
  all[1] = Records("Вк Дк Кк 7б", kHearts);  // "Tertz" to the king, plain: 9
  all[3] = Records("Вб Дб Кб 7к", kHearts);  // the same strength
  EXPECT_EQ(CombinationWinner(all, 3), 3);
  EXPECT_EQ(CombinationWinner(all, 4), 1);
  EXPECT_EQ(CombinationWinner(all, 2), 3);
  all = {};
  EXPECT_EQ(CombinationWinner(all, 1), 0);
}

struct ScoreCase {
  int declarer, team1, team2, kept1, kept2;
};

TEST(Scoring, TheDeclaringTeamMustTakeStrictlyMore) {
  const ScoreCase cases[] = {
      {1, 81, 81, 0, 81},   // a tie loses the declarer's points
      {1, 80, 82, 0, 162},  // short: the other team takes both
      {2, 92, 90, 182, 0},  // Bella 20 and tricks 70 against 92 falls short
      {2, 70, 92, 70, 92},  // enough
      {4, 102, 110, 102, 110}, {3, 110, 102, 110, 102},
  };
  for (const auto& c : cases) {
    const auto kept = ScoreDeal(c.declarer, c.team1, c.team2);
    EXPECT_EQ(kept.kept[1], c.kept1) << c.declarer << " " << c.team1 << " " << c.team2;
    EXPECT_EQ(kept.kept[2], c.kept2) << c.declarer << " " << c.team1 << " " << c.team2;
  }
  // The local team's verdict: kept lead minus a tenth of the points lead.
  EXPECT_GE(DealVerdict(ScoreDeal(2, 81, 81), 81, 81), -81.0);
  EXPECT_LT(DealVerdict(ScoreDeal(2, 81, 81), 81, 81), 0.0);
  EXPECT_GE(DealVerdict(ScoreDeal(1, 80, 82), 80, 82), 0.0);
}

TEST(HandOrder, TrumpLastAndColoursAlternate) {
  const char* const kTrumps = "\xF7\xE1\xEA\xEF#";
  for (const char* t = kTrumps; *t; ++t) {
    const auto suits = SuitOrderForTrump(*t);
    EXPECT_EQ(suits[3], *t == '#' ? 4 : SuitNumber(*t));
    for (int k = 0; k < 3; ++k) {
      const bool red = suits[k] <= 2, next_red = suits[k + 1] <= 2;
      EXPECT_NE(red, next_red) << "trump " << SuitNumber(*t);
    }
  }
}

TEST(Memory, FailingToFollowAndToTrumpExcludesBothSuits) {
  SeatMemory m;
  Array1<CardCode, 4> trick;
  Array1<std::uint8_t, 4> order{};
  trick[1] = *ParseCardText("Кп");
  trick[2] = *ParseCardText("7б");  // seat 3 (leader 2) shows out of spades and does not trump
  RememberPlayedCard(m, 1, trick, order, true, kHearts, 2);
  RememberPlayedCard(m, 2, trick, order, true, kHearts, 2);
  for (const char* c : {"7п", "Тп", "Вч", "7ч"}) {
    EXPECT_TRUE(ListHasCard(32, m.NotHeld[3], *ParseCardText(c))) << c;
  }
  EXPECT_FALSE(ListHasCard(32, m.NotHeld[3], *ParseCardText("Тб")));
  for (int s = 1; s <= kSeats; ++s) EXPECT_TRUE(ListHasCard(32, m.NotHeld[s], trick[1]));
  EXPECT_FALSE(ListHasCard(32, m.NotHeld[2], *ParseCardText("Тп")));
}

TEST(Memory, UnderTrumpingExcludesTheHigherTrumpsOnlyWithTheRule) {
  for (bool rule : {true, false}) {
    SeatMemory m;
    Array1<CardCode, 4> trick;
    Array1<std::uint8_t, 4> order{};
    trick[1] = *ParseCardText("Тч");  // trump ace led
    order[1] = PlayOrder(Rank::Ace, true);
    trick[2] = *ParseCardText("7ч");
    order[2] = PlayOrder(Rank::Seven, true);
    RememberPlayedCard(m, 2, trick, order, rule, kHearts, 1);
    EXPECT_EQ(ListHasCard(32, m.NotHeld[2], *ParseCardText("Вч")), rule);
    EXPECT_EQ(ListHasCard(32, m.NotHeld[2], *ParseCardText("9ч")), rule);
    EXPECT_FALSE(ListHasCard(32, m.NotHeld[2], *ParseCardText("1ч")));
  }
}

}  // namespace
}  // namespace ostrel
