// Shuffling and the natural values the deck gives its cards.
#pragma once

#include "game/game_record.h"
#include "game/random.h"

namespace ostrel {

// Fills Deck, DeckOrder and DeckPoints from a fresh uniform permutation: numbers drawn from 1 to
// 32 are kept only when new, which gives every order the same chance.
void ShuffleDeck(GameRecord& record, Random& random);

// Puts a given deck in place with its natural orders and plain points.
void SetDeck(GameRecord& record, const CardList32& deck);

}  // namespace ostrel
