// Decks and their exact deal texts for the codec tests.
#pragma once

#include <string>

#include "lan/deal_codec.h"

namespace ostrel::lan::testing {

// The deck in table order: the four sevens (hearts, diamonds, clubs, spades), the eights,
// ... the aces.
inline DealDeck TableOrderDeck() {
  DealDeck deck{};
  for (int p = 1; p <= kDeckSize; ++p) deck[p] = DeckTableCard(p);
  return deck;
}

// The deal body of TableOrderDeck, written out by hand from the layout.
inline std::string TableOrderBody() {
  const std::string suits[4] = {"\xF7", "\xE1", "\xEA", "\xEF"};
  const std::string ranks = "7891\xC2\xC4\xCA\xD2";
  std::string text = "b";
  for (char rank : ranks) {
    for (const std::string& suit : suits) text += std::string(1, rank) + suit;
  }
  text += "11112222333344445555666677778888";
  text +=
      "00000000"
      "00000000"
      "00000000"
      "10101010"
      "02020202"
      "03030303"
      "04040404"
      "11111111";
  return text;
}

// A mixed deck: position p holds table card (7p mod 32) + 1, each card once because 7 and
// 32 have no common factor.
inline DealDeck ShuffledDeck() {
  DealDeck deck{};
  for (int p = 1; p <= kDeckSize; ++p) deck[p] = DeckTableCard((p * 7) % kDeckSize + 1);
  return deck;
}

}  // namespace ostrel::lan::testing
