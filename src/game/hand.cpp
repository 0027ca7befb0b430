#include "game/hand.h"

#include <algorithm>

namespace ostrel {

std::array<int, 4> SuitOrderForTrump(char trump) {
  switch (SuitNumber(trump)) {
    case 1:
      return {3, 2, 4, 1};
    case 2:
      return {3, 1, 4, 2};
    case 3:
      return {1, 4, 2, 3};
    default:
      return {1, 3, 2, 4};
  }
}

int SortHand(HandCards& hand, HandValues& order, HandValues& points, char trump) {
  const auto suits = SuitOrderForTrump(trump);
  int group[5] = {};
  for (int k = 0; k < 4; ++k) group[suits[k]] = k;
  struct Entry {
    CardCode card;
    std::uint8_t order, points;
  };
  std::array<Entry, kHandSlots> cards;
  int n = 0;
  for (int p = 1; p <= kHandSlots; ++p) {
    if (!hand[p].IsEmpty()) cards[n++] = {hand[p], order[p], points[p]};
  }
  std::stable_sort(cards.begin(), cards.begin() + n, [&](const Entry& a, const Entry& b) {
    const int ga = group[SuitNumber(a.card.suit)];
    const int gb = group[SuitNumber(b.card.suit)];
    return ga != gb ? ga < gb : a.order < b.order;
  });
  ClearHand(hand, order, points);
  for (int i = 0; i < n; ++i) {
    hand[i + 1] = cards[i].card;
    order[i + 1] = cards[i].order;
    points[i + 1] = cards[i].points;
  }
  return n;
}

void ReValueForPlay(HandCards& hand, HandValues& order, HandValues& points, char trump) {
  for (int p = 1; p <= 9; ++p) {
    const auto rank = RankOf(hand[p]);
    if (!rank) continue;
    const bool is_trump = hand[p].suit == trump;
    order[p] = PlayOrder(*rank, is_trump);
    if (is_trump) points[p] = CardPoints(*rank, true);
  }
}

void ClearHand(HandCards& hand, HandValues& order, HandValues& points) {
  hand.fill(kEmptyCard);
  order.fill(kEmptyValue);
  points.fill(kEmptyValue);
}

}  // namespace ostrel
