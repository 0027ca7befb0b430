// Small builders for the AI tests: hands, search nodes and game records from card texts such
// as "Тч 1п Вк" (rank: 7 8 9 1 В Д К Т, suit: ч б к п).
#pragma once

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

#include "ai/search.h"
#include "game/hand.h"

namespace ostrel::testing {

inline std::vector<CardCode> Cards(const std::string& text) {
  std::vector<CardCode> out;
  std::istringstream in(text);
  std::string word;
  while (in >> word) {
    const auto card = ParseCardText(word);
    EXPECT_TRUE(card.has_value()) << word;
    if (card) out.push_back(*card);
  }
  return out;
}

inline CardCode Card(const std::string& text) {
  return Cards(text).at(0);
}

// The cards with their play values, in the game's hand order for the trump.
inline SearchHand Hand(const std::string& text, char trump) {
  SearchHand hand;
  ClearHand(hand.cards, hand.order, hand.points);
  int p = 1;
  for (CardCode card : Cards(text)) {
    const Rank rank = *RankOf(card);
    hand.cards[p] = card;
    hand.order[p] = PlayOrder(rank, card.suit == trump);
    hand.points[p] = CardPoints(rank, card.suit == trump);
    ++p;
  }
  SortHand(hand.cards, hand.order, hand.points, trump);
  return hand;
}

inline int PositionOf(const SearchHand& hand, const std::string& card) {
  for (int p = 1; p <= 9; ++p) {
    if (hand.cards[p] == Card(card)) return p;
  }
  return 0;
}

// Hands from the mover on; the trick's cards in the order played.
inline SearchNode Node(const std::vector<std::string>& hands, const std::string& trick, char trump,
                       int relation, int declaring = 0, int defending = 0) {
  SearchNode node;
  for (int h = 1; h <= 4; ++h) node.hands[h] = Hand(hands[h - 1], trump);
  node.trick.fill(kEmptyCard);
  node.trick_order.fill(kEmptyValue);
  node.trick_points.fill(kEmptyValue);
  int k = 1;
  for (CardCode card : Cards(trick)) {
    node.trick[k] = card;
    node.trick_order[k] = PlayOrder(*RankOf(card), card.suit == trump);
    node.trick_points[k] = CardPoints(*RankOf(card), card.suit == trump);
    ++k;
  }
  node.trick_position = k;
  node.relation = relation;
  node.declaring_points = declaring;
  node.defending_points = defending;
  return node;
}

inline SearchSettings Settings(char trump, bool pruning = false, bool trump_required = true,
                               bool bella_first_hand_only = false, int depth_limit = 58) {
  SearchSettings s;
  s.trump = trump;
  s.pruning = pruning;
  s.transposition = true;
  s.trump_required = trump_required;
  s.bella_first_hand_only = bella_first_hand_only;
  s.depth_limit = depth_limit;
  return s;
}

inline const char kHearts = kSuitBytes[1];
inline const char kDiamonds = kSuitBytes[2];
inline const char kClubs = kSuitBytes[3];
inline const char kSpades = kSuitBytes[4];

}  // namespace ostrel::testing
