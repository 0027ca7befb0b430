#include "ai/trump_decision.h"

#include "game/combinations.h"
#include "game/hand.h"

namespace ostrel {
namespace {

struct Variant {
  Array1<int, 4> trump_value{};  // worth of each suit as trump
  int side_value = 0;            // worth that does not depend on the trump suit
};

int TrumpWorth(Rank rank) {
  // The trump card points plus 3 for every trump held; eight and seven count 2 here.
  static constexpr int kWorth[8] = {5, 5, 17, 13, 23, 6, 7, 14};
  return kWorth[static_cast<int>(rank)];
}

Variant Evaluate(const HandCards& hand, const HandValues& order, char proposed) {
  Variant v;
  for (int p = 1; p <= 9; ++p) {
    const auto rank = RankOf(hand[p]);
    if (!rank) continue;
    v.trump_value[SuitNumber(hand[p].suit)] += TrumpWorth(*rank);
    if (*rank == Rank::Ace && hand[p].suit != proposed) v.side_value += 11;
  }
  for (int s = 1; s <= 4; ++s) {
    if (ListHasCard(9, hand, MakeCard(Rank::King, s)) &&
        ListHasCard(9, hand, MakeCard(Rank::Queen, s))) {
      v.trump_value[s] += 20;
    }
  }
  const SequenceMarks marks = FindSequences(hand, order);
  for (int mark = 1; mark <= 17; ++mark) {
    if (marks.test(mark)) v.side_value += IsFourCardMark(mark) ? 50 : 20;
  }
  return v;
}

// The hand as it would be with the seven of the proposed suit exchanged for the turned-up
// card. Re-sorting keeps every suit's cards together in hand order, so the sequence finder
// sees them as runs.
Variant EvaluateExchanged(HandCards hand, HandValues order, int seven_at, char proposed,
                          CardCode turned_up) {
  HandValues points{};
  points.fill(kEmptyValue);
  hand[seven_at] = turned_up;
  order[seven_at] = NaturalOrder(*RankOf(turned_up));
  for (int p = 1; p <= kHandSlots; ++p) {
    if (!hand[p].IsEmpty()) points[p] = 0;
  }
  SortHand(hand, order, points, proposed);
  return Evaluate(hand, order, proposed);
}

}  // namespace

int BiddingPosition(int seat, int first_hand) {
  return (seat - first_hand + 4) % 4 + 1;
}

char EvaluateTrumpHand(const HandCards& hand, const HandValues& order, char proposed,
                       CardCode turned_up, int position) {
  const int p = SuitNumber(proposed);
  const Variant plain = Evaluate(hand, order, proposed);
  bool exchange = false;
  Variant chosen = plain;
  if (p != 0) {
    const CardCode seven = MakeCard(Rank::Seven, p);
    for (int pos = 1; pos <= 9; ++pos) {
      if (hand[pos] != seven) continue;
      const Variant swapped = EvaluateExchanged(hand, order, pos, proposed, turned_up);
      const int before = plain.side_value + plain.trump_value[p];
      const int after = swapped.side_value + swapped.trump_value[p];
      exchange = after > before || (after == before && RankOf(turned_up) == Rank::Jack);
      if (exchange) chosen = swapped;
      break;
    }
  }
  int best_suit = 0;
  int best_value = 0;
  for (int s = 1; s <= 4; ++s) {
    if (chosen.trump_value[s] >= best_value) {
      best_suit = s;
      best_value = chosen.trump_value[s];
    }
  }
  const int m = chosen.side_value;
  if (p != 0) {
    const int v = chosen.trump_value[p];
    bool play = false;
    if (position <= 1) {
      play = (v == best_value || exchange) && ((m == 0 && v >= 50) || (m > 0 && v + m >= 62));
    } else {
      play = (m == 0 && v >= 47) || (m > 0 && v + m >= 58 && v >= 34);
    }
    return play ? proposed : kNoSuit;
  }
  if (best_value + m >= 45 && kSuitBytes[best_suit] != turned_up.suit) {
    return kSuitBytes[best_suit];
  }
  return kNoSuit;
}

bool AcceptProposedTrump(const HandCards& hand, const HandValues& order, char proposed,
                         CardCode turned_up, int position) {
  return EvaluateTrumpHand(hand, order, proposed, turned_up, position) == proposed;
}

int NameTrumpSuit(const HandCards& hand, const HandValues& order, CardCode turned_up) {
  return SuitNumber(EvaluateTrumpHand(hand, order, kNoSuit, turned_up, 1));
}

}  // namespace ostrel
