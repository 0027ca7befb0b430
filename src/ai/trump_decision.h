// Whether a computer seat plays the proposed trump, or which suit it names. The answer comes
// from the seat's own cards alone, with no randomness: the same hand in the same position
// always gives the same answer.
#pragma once

#include "game/game_record.h"

namespace ostrel {

// The seat's place in the first bidding round counted from the first hand: 1 for the first
// hand, then 2, 3, 4.
int BiddingPosition(int seat, int first_hand);

// The evaluation behind both answers: the suit byte to play or name, or "#" for "pass".
// `proposed` is the proposed suit in the first round and "#" in the second; `position` is only
// read in the first round.
char EvaluateTrumpHand(const HandCards& hand, const HandValues& order, char proposed,
                       CardCode turned_up, int position);

bool AcceptProposedTrump(const HandCards& hand, const HandValues& order, char proposed,
                         CardCode turned_up, int position);

// The suit number (1 to 4) to name, or 0 to pass.
int NameTrumpSuit(const HandCards& hand, const HandValues& order, CardCode turned_up);

}  // namespace ostrel
