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

#include "game/memory.h"
#include "game/rules.h"
#include "support/play_positions.h"

namespace ostrel::testing {

// A deal at the start of trick play with the given hands of seats 1 to 4; the turned-up card
// is known to be with the seat before the declarer.
inline GameRecord Record(const std::vector<std::string>& hands, char trump, int declarer,
                         int first_hand, const std::string& turned_up) {
  GameRecord r;
  r.Trump = trump;
  r.Declarer = static_cast<std::uint8_t>(declarer);
  for (int seat = 1; seat <= 4; ++seat) {
    const SearchHand h = Hand(hands[seat - 1], trump);
    r.Hand[seat] = h.cards;
    r.HandOrder[seat] = h.order;
    r.HandPoints[seat] = h.points;
    r.CardCount[seat] = static_cast<std::uint8_t>(Cards(hands[seat - 1]).size());
    r.Role[seat] = seat == declarer ? 1 : (TeamOf(seat) == TeamOf(declarer) ? 3 : 2);
  }
  r.Deck[kDeckSize] = Card(turned_up);
  RememberTurnedUpCard(r.Memory, r.Deck[kDeckSize], declarer);
  r.FirstHand = static_cast<std::uint8_t>(first_hand);
  r.TrickLeader = r.FirstHand;
  r.TableLeader = r.FirstHand;
  r.TrickPosition = 1;
  r.TrickNumber = 1;
  r.LedSuit = kNoSuit;
  r.Phase = static_cast<std::uint8_t>(first_hand + 20);
  r.InGame = true;
  return r;
}

inline int RecordPosition(const GameRecord& r, int seat, const std::string& card) {
  for (int p = 1; p <= 8; ++p) {
    if (r.Hand[seat][p] == Card(card)) return p;
  }
  return 0;
}

// The seat to move plays the card, which the rules must allow.
inline void Play(GameRecord& r, const RuleOptions& options, const std::string& card) {
  const int seat = r.Phase - 20;
  const int p = RecordPosition(r, seat, card);
  ASSERT_NE(p, 0) << card << " is not in the hand of seat " << seat;
  ASSERT_EQ(CanPlay(r, seat, p, options.TrumpRequired), kAllowed) << card;
  PlayOne(r, options, p);
}

inline bool HandHas(const SearchHand& hand, const std::string& card) {
  return PositionOf(hand, card) != 0;
}

inline int CountSuit(const SearchHand& hand, char suit) {
  int n = 0;
  for (int p = 1; p <= 9; ++p) n += hand.cards[p].suit == suit ? 1 : 0;
  return n;
}

}  // namespace ostrel::testing
