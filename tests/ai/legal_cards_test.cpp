// The search tries exactly the cards the rules allow: on many random positions the cards it
// values, with the pruning rules off, are the cards CanPlayCard allows, and with the pruning
// rules on never more.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "ai/search.h"
#include "game/hand.h"
#include "game/random.h"
#include "game/rules.h"
#include "support/reference_search.h"

namespace ostrel {
namespace {

struct RandomTrick {
  SearchNode node;
  char trump;
};

// A random hand of n cards for the mover, a trick of one to three cards and the other hands
// holding what they must for the trick to go round once.
RandomTrick MakeRandomTrick(Random& random) {
  std::vector<int> deck(kDeckSize);
  for (int i = 0; i < kDeckSize; ++i) deck[i] = i + 1;
  for (int i = kDeckSize - 1; i > 0; --i) std::swap(deck[i], deck[random.Uniform(0, i)]);
  RandomTrick t;
  t.trump = kSuitBytes[random.Uniform(1, 4)];
  const int n = random.Uniform(1, 8);
  const int tp = random.Uniform(2, 4);
  SearchNode& node = t.node;
  std::size_t next = 0;
  auto give = [&](SearchHand& hand, int count) {
    ClearHand(hand.cards, hand.order, hand.points);
    for (int p = 1; p <= count; ++p) {
      const CardCode card = DeckTableCard(deck[next++]);
      const bool trump = card.suit == t.trump;
      hand.cards[p] = card;
      hand.order[p] = PlayOrder(*RankOf(card), trump);
      hand.points[p] = CardPoints(*RankOf(card), trump);
    }
    SortHand(hand.cards, hand.order, hand.points, t.trump);
  };
  // Hands 2 to 4 are next, partner and previous; those that already played hold one fewer.
  give(node.hands[1], n);
  for (int h = 2; h <= 4; ++h) give(node.hands[h], h > 5 - tp ? n - 1 : n);
  node.trick.fill(kEmptyCard);
  node.trick_order.fill(kEmptyValue);
  node.trick_points.fill(kEmptyValue);
  for (int k = 1; k < tp; ++k) {
    const CardCode card = DeckTableCard(deck[next++]);
    const bool trump = card.suit == t.trump;
    node.trick[k] = card;
    node.trick_order[k] = PlayOrder(*RankOf(card), trump);
    node.trick_points[k] = CardPoints(*RankOf(card), trump);
  }
  node.trick_position = tp;
  node.relation = random.Uniform(1, 4);
  return t;
}

TEST(LegalCards, TheSearchTriesExactlyTheCardsTheRulesAllow) {
  Random random(4242);
  SearchContext context;
  int refused_seen = 0;
  for (int i = 0; i < 3000; ++i) {
    const RandomTrick t = MakeRandomTrick(random);
    SearchSettings s;
    s.trump = t.trump;
    s.trump_required = i % 2 == 0;
    s.bella_first_hand_only = i % 3 == 0;
    s.depth_limit = 1;  // stop at the next trick: only the root's cards matter here
    const TrickSoFar trick{t.node.trick, t.node.trick_order, t.node.trick_position - 1,
                           t.node.trick[1].suit};
    const SearchHand& hand = t.node.hands[1];
    s.pruning = false;
    const SearchResult fast = SearchDeal(t.node, s, context);
    const SearchResult slow = reference::SearchDeal(t.node, s);
    s.pruning = true;
    const SearchResult pruned = SearchDeal(t.node, s, context);
    for (int p = 1; p <= 8; ++p) {
      if (hand.cards[p].IsEmpty()) continue;
      const bool allowed =
          CanPlayCard(hand.cards, hand.order, p, trick, t.trump, s.trump_required) == kAllowed;
      refused_seen += allowed ? 0 : 1;
      ASSERT_EQ(fast.root_values[p] != kNotTried, allowed) << "case " << i << " position " << p;
      ASSERT_EQ(slow.root_values[p] != kNotTried, allowed) << "case " << i << " position " << p;
      if (!allowed) {
        ASSERT_EQ(pruned.root_values[p], kNotTried) << "case " << i;
      }
    }
    ASSERT_NE(pruned.chosen, 0) << "case " << i;
  }
  EXPECT_GT(refused_seen, 1000);  // the cases do exercise the refusals
}

}  // namespace
}  // namespace ostrel
