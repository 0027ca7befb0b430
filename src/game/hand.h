// The hand order and the values a hand's cards carry.
#pragma once

#include "game/game_record.h"

namespace ostrel {

// Groups the cards by suit in the order the trump decides (colours alternate, trump last),
// ascending by order value within a suit, empty positions last. Looks at positions 1 to 10
// and returns the number of cards.
int SortHand(HandCards& hand, HandValues& order, HandValues& points, char trump);

// Suit numbers left to right for a trump byte ("#" counts as spades).
std::array<int, 4> SuitOrderForTrump(char trump);

// Gives every card of positions 1 to 9 its play order, and the trump suit its trump order and
// points, as at the start of trick play.
void ReValueForPlay(HandCards& hand, HandValues& order, HandValues& points, char trump);

// Empties a hand: "##" with order and points 99 everywhere.
void ClearHand(HandCards& hand, HandValues& order, HandValues& points);

}  // namespace ostrel
