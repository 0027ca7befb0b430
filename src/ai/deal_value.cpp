// The values the search puts on finished and cut-off deals.
#include "ai/search.h"
#include "game/scoring.h"

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
  const auto kept = Settle(declaring, defending);
  return kept.declaring - kept.defending + (declaring - defending) / 10.0;
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
