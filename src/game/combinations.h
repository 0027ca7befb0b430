// Sequences of three ("Tertz", 20) and four ("Ostrel", 50) cards of one suit in natural order.
#pragma once

#include <bitset>

#include "game/game_record.h"

namespace ostrel {

// Marks 1 to 6 are four-card runs (mark 1 at positions 6 to 9 ... mark 6 at 1 to 4), marks
// 11 to 17 three-card runs (mark 11 at 7 to 9 ... mark 17 at 1 to 3).
using SequenceMarks = std::bitset<18>;

inline bool IsFourCardMark(int mark) {
  return mark >= 1 && mark <= 6;
}
inline int MarkFirstPosition(int mark) {
  return IsFourCardMark(mark) ? 7 - mark : 18 - mark;
}
inline int MarkLength(int mark) {
  return IsFourCardMark(mark) ? 4 : 3;
}

// Reads positions 1 to 9 of a sorted hand with natural order values. Overlapping runs are
// resolved in favour of the higher positions.
SequenceMarks FindSequences(const HandCards& hand, const HandValues& order);

// 1 to 22: every "Ostrel" beats every "Tertz"; then the higher top card; then the trump suit.
int SequenceStrength(CombinationKind kind, CardCode top_card, char trump);

// Fills up to three records of a seat from its hand, four-card runs first, highest first.
Array1<Combination, 3> CombinationsOfHand(const HandCards& hand, const HandValues& order,
                                          char trump);

int BestStrength(const Array1<Combination, 3>& records);

// The seat whose best strength is highest, the earliest in turn from `first_hand` on a tie;
// 0 when no seat holds a sequence.
int CombinationWinner(const Array1<Array1<Combination, 3>, kSeats>& combinations, int first_hand);

}  // namespace ostrel
