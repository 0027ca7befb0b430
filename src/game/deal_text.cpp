#include "game/deal_text.h"

#include <sstream>

namespace ostrel {

std::string DeckToText(const CardList32& deck) {
  std::string out;
  for (int i = 1; i <= kDeckSize; ++i) {
    if (i > 1) out += ' ';
    out += CardText(deck[i]);
  }
  return out;
}

std::variant<CardList32, std::string> ParseDeckText(std::string_view text) {
  CardList32 deck;
  deck.fill(kEmptyCard);
  std::istringstream words{std::string(text)};
  std::string word;
  int count = 0;
  std::array<bool, kDeckSize + 1> seen{};
  while (words >> word) {
    const auto card = ParseCardText(word);
    if (!card || card->IsEmpty()) return "\"" + word + "\" is not a card";
    ++count;
    if (count > kDeckSize) return "more than 32 cards";
    const int number = DeckTableNumber(*card);
    if (seen[number]) return "the card " + word + " appears twice";
    seen[number] = true;
    deck[count] = *card;
  }
  if (count != kDeckSize) return "only " + std::to_string(count) + " of 32 cards";
  return deck;
}

}  // namespace ostrel
