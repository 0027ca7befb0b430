// The computer's bidding from its own six cards.
#include "ai/trump_decision.h"

#include <gtest/gtest.h>

#include <sstream>

#include "game/hand.h"

namespace ostrel {
namespace {

struct Hand6 {
  HandCards cards;
  HandValues order;
};

Hand6 Make(const std::string& text, char proposed) {
  Hand6 h;
  HandValues points;
  ClearHand(h.cards, h.order, points);
  std::istringstream words(text);
  std::string w;
  int p = 0;
  while (words >> w) {
    h.cards[++p] = *ParseCardText(w);
    h.order[p] = NaturalOrder(*RankOf(h.cards[p]));
    points[p] = 0;
  }
  SortHand(h.cards, h.order, points, proposed);
  return h;
}

const char kClubs = '\xEA';

struct BidCase {
  const char* name;
  const char* hand;
  const char* turned_up;  // of clubs, the proposed suit
  int position;
  bool plays;
};

class RoundOne : public ::testing::TestWithParam<BidCase> {};

TEST_P(RoundOne, Answers) {
  const BidCase& c = GetParam();
  const Hand6 h = Make(c.hand, kClubs);
  EXPECT_EQ(AcceptProposedTrump(h.cards, h.order, kClubs, *ParseCardText(c.turned_up), c.position),
            c.plays);
}

INSTANTIATE_TEST_SUITE_P(
    Trump, RoundOne,
    ::testing::Values(
        // Jack, nine and ace of the proposed suit: 54 with nothing else of worth.
        BidCase{"first_hand_plays_54", "Вк 9к Тк 7б 8п 9п", "Дк", 1, true},
        BidCase{"second_plays_54", "Вк 9к Тк 7б 8п 9п", "Дк", 2, true},
        // Spades are worth more (54 against 53): the first hand wants its best suit, the
        // fourth seat judges clubs alone (53 + an ace 11 >= 58).
        BidCase{"first_hand_wants_its_best_suit", "Вк 9к 1к Вп 9п Тп", "Дк", 1, false},
        BidCase{"fourth_judges_the_suit_alone", "Вк 9к 1к Вп 9п Тп", "Дк", 4, true},
        BidCase{"fourth_needs_58_with_side_worth", "Вк 9к 8к Тп 7б 8б", "Дк", 4, false},
        BidCase{"fourth_plays_with_more_side_worth", "Вк 9к 8к Тп Тб 8б", "Дк", 4, true},
        // A side ace moves the bar from 50 to 62: 23 + 14 + 13 = 50 plays alone, not with it.
        BidCase{"without_a_side_ace_50_plays", "Вк Тк 1к 8п 7б 8ч", "Дк", 1, true},
        BidCase{"a_side_ace_turns_play_into_pass", "Вк Тк 1к Тп 7б 8ч", "Дк", 1, false},
        // King and queen add 20 to their suit: 43 becomes 63.
        BidCase{"king_queen_bonus", "Кк Дк 9к 1к 7б 8ч", "8к", 2, true},
        BidCase{"without_the_pair", "Кк 8п 9к 1к 7б 8ч", "8к", 2, false},
        BidCase{"weak_hand_passes", "7к 8к 7б 8б 7п 8п", "Дк", 1, false}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Trump, TheSevenExchangeCountsWhenItHelps) {
  // With the seven of clubs in hand the turned-up jack would replace it: 23 more in clubs.
  const Hand6 h = Make("7к 9к Тк 8п 7б 8ч", kClubs);
  EXPECT_FALSE(AcceptProposedTrump(h.cards, h.order, kClubs, *ParseCardText("8к"), 2));
  EXPECT_TRUE(AcceptProposedTrump(h.cards, h.order, kClubs, *ParseCardText("Вк"), 2));
}

TEST(Trump, RoundTwoNamesTheBestSuitButNeverTheRejectedOne) {
  const Hand6 strong_spades = Make("Вп 9п Тп 1п 7б 8ч", '#');
  EXPECT_EQ(NameTrumpSuit(strong_spades.cards, strong_spades.order, *ParseCardText("Дк")), 4);
  EXPECT_EQ(NameTrumpSuit(strong_spades.cards, strong_spades.order, *ParseCardText("Дп")), 0);
  const Hand6 weak = Make("7к 8к 7б 8б 7п 9ч", '#');
  EXPECT_EQ(NameTrumpSuit(weak.cards, weak.order, *ParseCardText("Дк")), 0);
}

TEST(Trump, BiddingPositionCountsFromTheFirstHand) {
  EXPECT_EQ(BiddingPosition(3, 3), 1);
  EXPECT_EQ(BiddingPosition(4, 3), 2);
  EXPECT_EQ(BiddingPosition(1, 3), 3);
  EXPECT_EQ(BiddingPosition(2, 3), 4);
}

}  // namespace
}  // namespace ostrel
