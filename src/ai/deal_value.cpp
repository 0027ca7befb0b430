// The values the search puts on finished and cut-off deals.
#include "ai/search.h"

namespace ostrel {
namespace {

bool HoldsSuit(const SearchHand& hand, char suit) {
  for (int p = 1; p <= 8; ++p) {
    if (!hand.cards[p].IsEmpty() && hand.cards[p].suit == suit) return true;
  }
  return false;
}

// The position of the hand's highest (or lowest) card of the suit, 0 when it has none.
int ExtremeOfSuit(const SearchHand& hand, char suit, bool highest) {
  int best = 0;
  for (int p = 1; p <= 8; ++p) {
    if (hand.cards[p].IsEmpty() || hand.cards[p].suit != suit) continue;
    if (best == 0 ||
        (highest ? hand.order[p] > hand.order[best] : hand.order[p] < hand.order[best])) {
      best = p;
    }
  }
  return best;
}

void Remove(SearchHand& hand, int p) {
  hand.cards[p] = kEmptyCard;
  hand.order[p] = kEmptyValue;
  hand.points[p] = kEmptyValue;
}

}  // namespace

double DealValue(double declaring, double defending) {
  double kept_declaring = declaring;
  double kept_defending = defending;
  if (declaring == defending) {
    kept_declaring = 0;
  } else if (declaring < defending) {
    kept_declaring = 0;
    kept_defending = defending + declaring;
  }
  return kept_declaring - kept_defending + (declaring - defending) / 10.0;
}

int TrickWinner(const Array1<CardCode, 4>& trick, const Array1<std::uint8_t, 4>& order,
                char trump) {
  const char led = trick[1].suit;
  int best_trump = 0;
  int best_led = 0;
  for (int k = 1; k <= 4; ++k) {
    if (trick[k].IsEmpty()) continue;
    if (trick[k].suit == trump) {
      if (best_trump == 0 || order[k] > order[best_trump]) best_trump = k;
    } else if (trick[k].suit == led) {
      if (best_led == 0 || order[k] > order[best_led]) best_led = k;
    }
  }
  return best_trump != 0 ? best_trump : best_led;
}

double EstimateRest(const Array1<SearchHand, 4>& start, char trump, int relation, double ours,
                    double theirs) {
  Array1<SearchHand, 4> hands = start;
  for (int suit = 1; suit <= 4; ++suit) {
    const char s = kSuitBytes[suit];
    const bool is_trump = s == trump;
    for (;;) {
      int holders = 0;
      for (int h = 1; h <= 4; ++h) holders += HoldsSuit(hands[h], s) ? 1 : 0;
      if (is_trump ? holders == 0 : holders < 4) break;
      int top = 0;
      int top_order = -1;
      for (int h = 1; h <= 4; ++h) {
        const int p = ExtremeOfSuit(hands[h], s, true);
        if (p != 0 && hands[h].order[p] > top_order) {
          top = h;
          top_order = hands[h].order[p];
        }
      }
      int round_points = 0;
      for (int h = 1; h <= 4; ++h) {
        const int p = ExtremeOfSuit(hands[h], s, h == top);
        if (p == 0) continue;
        round_points += hands[h].points[p];
        Remove(hands[h], p);
      }
      (top == 1 || top == 3 ? ours : theirs) += round_points;
    }
  }
  int rest = 0;
  for (int h = 1; h <= 4; ++h) {
    for (int p = 1; p <= 9; ++p) {
      if (!hands[h].cards[p].IsEmpty()) rest += hands[h].points[p];
    }
  }
  ours += rest / 2.0;
  theirs += rest / 2.0;
  const bool we_declared = relation == 1 || relation == 3;
  return we_declared ? DealValue(ours, theirs) : -DealValue(theirs, ours);
}

}  // namespace ostrel
