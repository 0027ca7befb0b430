// What every seat learns from the cards played: the computer players' memory.
#pragma once

#include "game/game_record.h"

namespace ostrel {

// After the card at trick position k: every seat knows it is gone; a seat that did not follow
// cannot hold the led suit (nor trumps if it did not trump either); with the overtrump rule, a
// seat that played under the best trump cannot hold a higher one.
void RememberPlayedCard(SeatMemory& memory, int k, const Array1<CardCode, 4>& trick,
                        const Array1<std::uint8_t, 4>& trick_order, bool trump_required, char trump,
                        int trick_leader);

// Removes a played card from its owner's known cards, leaving a hole.
void ForgetKnownCard(SeatMemory& memory, int seat, CardCode card);

// The turned-up card went to the seat before the declarer: it knows, the others cannot hold it.
void RememberTurnedUpCard(SeatMemory& memory, CardCode turned_up, int declarer);

}  // namespace ostrel
