// Hands as bit sets for the fast search: bit suit * 8 + (play order - 1), so within a suit a
// higher bit is a higher card.
#pragma once

#include <bit>
#include <cstdint>

#include "ai/search.h"

namespace ostrel {

inline constexpr std::uint32_t SuitMask(int suit) {
  return 0xFFu << (8 * suit);
}
inline int LowBit(std::uint32_t x) {
  return std::countr_zero(x);
}
inline int HighBit(std::uint32_t x) {
  return 31 - std::countl_zero(x);
}
inline int SuitOfBit(int bit) {
  return bit >> 3;
}
inline int RankOfBit(int bit) {
  return bit & 7;
}

// The m-th highest bit (m from 1) of a set holding at least m bits.
inline int NthHighestBit(std::uint32_t x, int m) {
  for (int i = 1; i < m; ++i) x &= ~(1u << HighBit(x));
  return HighBit(x);
}

std::uint32_t LowestOfEachSuit(std::uint32_t hand);
std::uint32_t LowAndHighOfEachSuit(std::uint32_t hand);

// What may change from node to node. Seats are counted from the root seat (0) in turn order.
struct BitState {
  std::uint32_t hand[4] = {};
  int points[2] = {};  // declaring team, defending team
  std::int8_t trick[4] = {};
  int count = 0;   // cards in the trick
  int leader = 0;  // seat that led the trick
  int depth = 1;
};

// The mover's view of a trick in progress.
struct FollowContext {
  std::uint32_t hand = 0;
  std::uint32_t led_cards = 0;    // the mover's cards of the led suit
  std::uint32_t trump_cards = 0;  // the mover's trumps
  int led = 0;
  int count = 0;
  int best_trump_rank = -1;  // of the trumps in the trick, -1 when none
  const std::int8_t* trick = nullptr;
};

// What stays fixed for one search.
struct BitDeal {
  int trump = -1;  // suit 0 to 3, -1 for none
  std::uint32_t trump_mask = 0;
  std::uint8_t points[32] = {};
  int king_bit = -1;  // of the trump suit
  int queen_bit = -1;
  int declarer = 0;            // seat of the declarer
  Array1<int, 9> root_bits{};  // the root seat's hand positions; -1 where empty

  int PointsOf(std::uint32_t cards) const {
    int sum = 0;
    for (; cards; cards &= cards - 1) sum += points[LowBit(cards)];
    return sum;
  }
  bool HoldsBellaPair(std::uint32_t hand) const {
    return king_bit >= 0 && (hand >> king_bit & 1u) && (hand >> queen_bit & 1u);
  }
  // The card is one of the pair and the hand (without it) still holds the other.
  bool IsBella(int bit, std::uint32_t hand) const {
    if (king_bit < 0) return false;
    return (bit == king_bit && (hand >> queen_bit & 1u)) ||
           (bit == queen_bit && (hand >> king_bit & 1u));
  }
  // True when card a beats card b, b being the best so far of a trick led in suit led.
  bool Beats(int a, int b) const {
    const int sa = SuitOfBit(a);
    const int sb = SuitOfBit(b);
    if (sa == sb) return a > b;
    return sa == trump;
  }
  // Index 0 to 3 of the winning card of a trick of `count` cards (count >= 1).
  int Winner(const std::int8_t* trick, int count = 4) const {
    int best = 0;
    for (int k = 1; k < count; ++k) {
      if (Beats(trick[k], trick[best])) best = k;
    }
    return best;
  }

  // Cards a and b (a < b, same suit) of one hand are alike when they are worth the same and no
  // card of another hand or of the trick lies between them, nor one of the hand's own worth
  // something else: whatever follows one of them follows the other with the two exchanged, so
  // both have the same value.
  bool Alike(int a, int b, std::uint32_t own, std::uint32_t others) const {
    if (points[a] != points[b]) return false;
    const std::uint32_t between = ((1u << b) - 1u) & ~((2u << a) - 1u);
    if (between & others) return false;
    for (std::uint32_t m = between & own; m; m &= m - 1) {
      if (points[LowBit(m)] != points[b]) return false;
    }
    return true;
  }
  // The moves without those alike to a lower one.
  std::uint32_t DropAlike(std::uint32_t moves, std::uint32_t own, std::uint32_t others) const;

  FollowContext Follow(std::uint32_t hand, const std::int8_t* trick, int count) const;
  // The cards the rules allow (never empty for a non-empty hand).
  std::uint32_t Legal(const FollowContext& f, bool trump_required) const;
  // The playing rules that narrow the choice in third and fourth place.
  std::uint32_t FollowingRule(const FollowContext& f) const;
};

// False when the node is not a deal the search can represent (a card twice, values out of
// range, hands whose sizes do not fit the trick); the caller then reports nothing tried.
bool MakeBitDeal(const SearchNode& node, const SearchSettings& settings, BitDeal& deal,
                 BitState& state);

// Moves in the order most likely to cut the search short.
class MoveOrder {
 public:
  MoveOrder(const BitDeal& deal, const BitState& state, int mover, std::uint32_t moves, int hint);
  int Next() { return next_ < count_ ? bits_[next_++] : -1; }

 private:
  int bits_[32] = {};
  int count_ = 0;
  int next_ = 0;
};

}  // namespace ostrel
