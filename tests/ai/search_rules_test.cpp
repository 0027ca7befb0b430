// The rules of the card-play search on positions small enough to work out by hand. Every case
// is put to the fast search and to the plain reference search.
#include <gtest/gtest.h>

#include "ai/search.h"
#include "ai/search_bits.h"
#include "game/deck.h"
#include "game/trick_play.h"
#include "support/reference_search.h"
#include "test_builders.h"

namespace ostrel {
namespace {

using namespace ostrel::testing;

// Both searches, which must agree; the fast one's result.
SearchResult Search(const SearchNode& node, const SearchSettings& settings) {
  SearchContext context;
  const SearchResult fast = SearchDeal(node, settings, context);
  const SearchResult slow = reference::SearchDeal(node, settings);
  for (int p = 1; p <= 9; ++p) EXPECT_EQ(fast.root_values[p], slow.root_values[p]) << p;
  EXPECT_EQ(fast.declaring, slow.declaring);
  EXPECT_EQ(fast.chosen, slow.chosen);
  return fast;
}

struct DealValueCase {
  double declaring, defending, value;
};

TEST(DealValue, SettlesLikeTheScoreAndBreaksTiesByATenthOfTheDifference) {
  const DealValueCase cases[] = {
      {90, 70, 90 - 70 + 2.0},  // made: both keep theirs
      {81, 81, -81},            // equal: the declaring team keeps nothing
      {80, 82, -162 - 0.2},     // short: the other team takes both
      {0, 0, 0},
      {50.5, 5.5, 45 + 4.5},  // halves from the estimate
  };
  for (const auto& c : cases) {
    EXPECT_DOUBLE_EQ(DealValue(c.declaring, c.defending), c.value)
        << c.declaring << " : " << c.defending;
  }
}

TEST(TrickWinner, HighestTrumpElseHighestOfTheLedSuit) {
  struct Case {
    const char* trick;
    int winner;
  };
  // Spades are trumps.
  const Case cases[] = {
      {"Кч 1ч Тч 9ч", 3},                      // plain suit: the ace
      {"Кч 1ч 7п Тч", 3},                      // any trump beats the led suit
      {"Тп 9п Вп 7п", 3},                      // trump order: jack, nine, ace
      {"Тп 9п 8п 7п", 2}, {"7ч Тб Тк 8ч", 4},  // cards of other suits never win
      {"Кч 1ч", 2},                            // an unfinished trick
  };
  for (const auto& c : cases) {
    SearchNode n = Node({"", "", "", ""}, c.trick, kSpades, 1);
    EXPECT_EQ(TrickWinner(n.trick, n.trick_order, kSpades), c.winner) << c.trick;
  }
}

// The fast search decides tricks on bit sets; on every trick it must name the winner the
// game's rule names.
TEST(TrickWinner, TheBitsetFormAgreesWithTheGamesRule) {
  Random random(99);
  for (int n = 0; n < 4000; ++n) {
    GameRecord deal;
    ShuffleDeck(deal, random);
    const int trump = random.Uniform(1, 4);
    Array1<CardCode, 4> trick;
    Array1<std::uint8_t, 4> order{};
    std::int8_t bits[4] = {};
    for (int k = 1; k <= 4; ++k) {
      trick[k] = deal.Deck[k];
      const bool is_trump = SuitNumber(trick[k].suit) == trump;
      order[k] = PlayOrder(*RankOf(trick[k]), is_trump);
      bits[k - 1] = static_cast<std::int8_t>((SuitNumber(trick[k].suit) - 1) * 8 + order[k] - 1);
    }
    BitDeal bit_deal;
    bit_deal.trump = trump - 1;
    ASSERT_EQ(bit_deal.Winner(bits, 4) + 1, TrickWinner(trick, order, kSuitBytes[trump]))
        << CardText(trick[1]) << CardText(trick[2]) << CardText(trick[3]) << CardText(trick[4]);
  }
}

TEST(EstimateRest, TopCardsTakeTheRoundsAndTheRestIsSplit) {
  // Hearts: all four hold one, the ace wins 25. Spades (trump): the jack takes the seven, 20.
  // Left: the eight and ace of clubs, 11, split evenly.
  const SearchNode n = Node({"Тч Вп", "1ч 7п", "Кч 8к", "7ч Тк"}, "", kSpades, 1);
  EXPECT_DOUBLE_EQ(EstimateRest(n.hands, kSpades, 1, 0, 0), DealValue(50.5, 5.5));
  // The same cards seen by a defending mover: the value of its own team.
  EXPECT_DOUBLE_EQ(EstimateRest(n.hands, kSpades, 2, 0, 0), -DealValue(5.5, 50.5));
  // The horizon hands a trick start over to the estimate.
  SearchNode deep = n;
  deep.depth = 5;
  const SearchResult r = Search(deep, Settings(kSpades, false, true, false, 5));
  EXPECT_DOUBLE_EQ(r.declaring, DealValue(50.5, 5.5));
  EXPECT_EQ(r.nodes, 1u);
}

TEST(ClaimTest, ASeatWithTheTopCardsTakesEverythingWithoutSearching) {
  // No trumps out; the mover's ace and ten of hearts beat every heart.
  SearchNode n = Node({"Тч 1ч", "7ч 8ч", "9ч Вч", "Дч Кч"}, "", kSpades, 1, 50, 60);
  n.depth = 2;
  const SearchResult r = Search(n, Settings(kSpades, true));
  EXPECT_EQ(r.nodes, 1u);
  EXPECT_DOUBLE_EQ(r.declaring, DealValue(50 + 30 + 10, 60));
  // With a trump the mover lacks, there is no claim: the search plays on.
  SearchNode t = Node({"Тч 1ч", "7ч 8ч", "9ч Вч", "Дч 7п"}, "", kSpades, 1, 50, 60);
  t.depth = 2;
  EXPECT_GT(Search(t, Settings(kSpades, true)).nodes, 1u);
  // At the root every card is valued: no claim there.
  n.depth = 1;
  const SearchResult root = Search(n, Settings(kSpades, true));
  EXPECT_NE(root.root_values[1], kNotTried);
  EXPECT_NE(root.root_values[2], kNotTried);
}

TEST(ClaimTest, CountsTheLastTrickAndAHeldBella) {
  SearchNode n = Node({"Дп Кп", "7ч 8ч", "9ч Вч", "Дч Кч"}, "", kSpades, 2, 0, 0);
  n.depth = 3;
  const SearchResult r = Search(n, Settings(kSpades, true));
  EXPECT_EQ(r.nodes, 1u);
  // Cards 3 + 4 + 0 + 0 + 0 + 2 + 3 + 4, last trick 10, Bella 20, all to the defenders.
  EXPECT_DOUBLE_EQ(r.defending, -DealValue(0, 46));
}

TEST(Bella, LeadingOneOfThePairWhileHoldingTheOtherScores) {
  // The mover takes both tricks whatever it leads: 30 card points, 10 for the last trick and 20
  // for Bella, which the first card of the pair earns.
  const SearchNode n = Node({"Дп Кп", "7ч 8ч", "9ч 1ч", "Вч Тч"}, "", kSpades, 1);
  const SearchResult r = Search(n, Settings(kSpades));
  EXPECT_DOUBLE_EQ(r.root_values[PositionOf(n.hands[1], "Дп")], DealValue(60, 0));
  EXPECT_DOUBLE_EQ(r.root_values[PositionOf(n.hands[1], "Кп")], DealValue(60, 0));
  // With the king already gone the queen earns nothing.
  const SearchNode alone = Node({"Дп 7п", "7ч 8ч", "9ч 1ч", "Вч Тч"}, "", kSpades, 1);
  EXPECT_DOUBLE_EQ(Search(alone, Settings(kSpades)).root_values[1], DealValue(36, 0));
}

TEST(Bella, InSecondPlaceOnlyWhenTheOptionAllowsIt) {
  // The previous seat led the seven of trumps; the mover must follow with the queen or king.
  const SearchNode n = Node({"Дп Кп", "7ч 9ч", "1ч Тч", "8ч"}, "7п", kSpades, 1);
  const double anywhere = DealValue(58, 0);
  const double first_hand_only = DealValue(38, 0);
  const SearchResult off = Search(n, Settings(kSpades, false, true, false));
  const SearchResult on = Search(n, Settings(kSpades, false, true, true));
  for (int p = 1; p <= 2; ++p) {
    EXPECT_DOUBLE_EQ(off.root_values[p], anywhere);
    EXPECT_DOUBLE_EQ(on.root_values[p], first_hand_only);
  }
}

TEST(TieRules, EqualValuesGoToTheLowerPosition) {
  const SearchNode n = Node({"Дп Кп", "7ч 8ч", "9ч 1ч", "Вч Тч"}, "", kSpades, 1);
  const SearchResult r = Search(n, Settings(kSpades));
  ASSERT_EQ(r.root_values[1], r.root_values[2]);
  EXPECT_EQ(r.chosen, 1);
}

TEST(TieRules, TheSearchChoosesTheBestCardForTheMoversTeam) {
  // Defending mover in second place behind the queen of hearts: the ace takes this trick, the
  // seven leaves it and takes the last one with its 10 points; the values differ and the choice
  // is the better card.
  const SearchNode n = Node({"7ч Тч", "7к 8к", "9к 1к", "Кч"}, "Дч", kSpades, 2);
  const SearchResult r = Search(n, Settings(kSpades));
  const int ace = PositionOf(n.hands[1], "Тч");
  const int seven = PositionOf(n.hands[1], "7ч");
  ASSERT_NE(r.root_values[ace], r.root_values[seven]);
  const int better = r.root_values[ace] > r.root_values[seven] ? ace : seven;
  EXPECT_EQ(r.chosen, better);
  EXPECT_DOUBLE_EQ(r.defending, r.root_values[better]);
}

TEST(FollowingRules, ThirdPlaceBehindABeatenPartnerGivesTheLowestCard) {
  // Partner led the king of hearts, the previous seat beat it with the ace; the mover cannot
  // beat the ace and, with the pruning rules, only its lowest heart is tried.
  const SearchNode n = Node({"7ч 1ч Вк", "8к 9к 8б", "Дк Кк", "Тк 7к"}, "Кч Тч", kSpades, 1);
  const SearchResult pruned = Search(n, Settings(kSpades, true));
  EXPECT_NE(pruned.root_values[PositionOf(n.hands[1], "7ч")], kNotTried);
  EXPECT_EQ(pruned.root_values[PositionOf(n.hands[1], "1ч")], kNotTried);
  const SearchResult full = Search(n, Settings(kSpades, false));
  EXPECT_NE(full.root_values[PositionOf(n.hands[1], "1ч")], kNotTried);
  EXPECT_EQ(full.root_values[PositionOf(n.hands[1], "Вк")], kNotTried);  // must follow suit
}

TEST(FollowingRules, FourthPlaceThatCannotTakeFromAnOpponentGivesTheLowestCard) {
  // Next led the ace of hearts; the mover's best heart loses to it, so only the seven stays.
  const SearchNode n = Node({"7ч Кч", "Вк", "Дк", "8к"}, "Тч 8ч 9ч", kSpades, 1);
  const SearchResult r = Search(n, Settings(kSpades, true));
  EXPECT_NE(r.root_values[PositionOf(n.hands[1], "7ч")], kNotTried);
  EXPECT_EQ(r.root_values[PositionOf(n.hands[1], "Кч")], kNotTried);
}

}  // namespace
}  // namespace ostrel
