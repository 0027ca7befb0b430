#include "game/combinations.h"

namespace ostrel {
namespace {

bool IsRun(const HandCards& hand, const HandValues& order, int first, int length) {
  for (int p = first; p < first + length; ++p) {
    if (hand[p].IsEmpty() || order[p] == kEmptyValue) return false;
    if (p > first && (hand[p].suit != hand[first].suit || order[p] != order[p - 1] + 1)) {
      return false;
    }
  }
  return true;
}

// Each set mark clears the marks that overlap it, tested in this order (0 ends a row).
struct Overlap {
  int mark;
  int cleared[8];
};
constexpr Overlap kOverlaps[] = {
    {1, {2, 3, 4, 11, 12, 13, 14}},
    {2, {3, 4, 5, 12, 13, 14, 15}},
    {3, {4, 5, 6, 13, 14, 15, 16}},
    {4, {5, 6, 14, 15, 16, 17}},
    {5, {6, 15, 16, 17}},
    {6, {16, 17}},
    {11, {12, 13}},
    {12, {13, 14}},
    {13, {14, 15}},
    {14, {15, 16}},
    {15, {16, 17}},
    {16, {17}},
};

}  // namespace

SequenceMarks FindSequences(const HandCards& hand, const HandValues& order) {
  SequenceMarks marks;
  for (int mark : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17}) {
    if (IsRun(hand, order, MarkFirstPosition(mark), MarkLength(mark))) marks.set(mark);
  }
  for (const Overlap& o : kOverlaps) {
    if (!marks.test(o.mark)) continue;
    for (int c : o.cleared) {
      if (c != 0) marks.reset(c);
    }
  }
  return marks;
}

int SequenceStrength(CombinationKind kind, CardCode top_card, char trump) {
  const auto rank = RankOf(top_card);
  if (!rank || kind == CombinationKind::None) return 0;
  const int top = NaturalOrder(*rank);  // nine 3 ... ace 8
  const int trump_bonus = top_card.suit == trump ? 1 : 0;
  if (kind == CombinationKind::Ostrel) return top < 4 ? 0 : 13 + 2 * (top - 4) + trump_bonus;
  return top < 3 ? 0 : 1 + 2 * (top - 3) + trump_bonus;
}

Array1<Combination, 3> CombinationsOfHand(const HandCards& hand, const HandValues& order,
                                          char trump) {
  Array1<Combination, 3> records;
  const SequenceMarks marks = FindSequences(hand, order);
  int next = 1;
  for (int mark : {1, 2, 3, 4, 5, 6, 11, 12, 13, 14, 15, 16, 17}) {
    if (!marks.test(mark) || next > 3) continue;
    Combination& rec = records[next++];
    rec.kind = IsFourCardMark(mark) ? CombinationKind::Ostrel : CombinationKind::Tertz;
    const int first = MarkFirstPosition(mark);
    const int length = MarkLength(mark);
    for (int i = 0; i < length; ++i) rec.cards[i] = hand[first + i];
    rec.strength =
        static_cast<std::uint8_t>(SequenceStrength(rec.kind, hand[first + length - 1], trump));
  }
  return records;
}

int BestStrength(const Array1<Combination, 3>& records) {
  int best = 0;
  for (int r = 1; r <= 3; ++r) {
    if (records[r].kind != CombinationKind::None && records[r].strength > best) {
      best = records[r].strength;
    }
  }
  return best;
}

int CombinationWinner(const Array1<Array1<Combination, 3>, kSeats>& combinations, int first_hand) {
  int winner = 0;
  int best = 0;
  for (int k = 0; k < kSeats; ++k) {
    const int seat = SeatAfter(first_hand, k);
    const int strength = BestStrength(combinations[seat]);
    if (strength > best) {
      best = strength;
      winner = seat;
    }
  }
  return winner;
}

}  // namespace ostrel
