#include "game/deck.h"

namespace ostrel {

void ShuffleDeck(GameRecord& record, Random& random) {
  std::array<bool, kDeckSize + 1> kept{};
  CardList32 deck;
  for (int position = 1; position <= kDeckSize; ++position) {
    int number = 0;
    do {
      number = random.Uniform(1, kDeckSize);
    } while (kept[number]);
    kept[number] = true;
    deck[position] = DeckTableCard(number);
  }
  SetDeck(record, deck);
}

void SetDeck(GameRecord& record, const CardList32& deck) {
  record.Deck = deck;
  for (int i = 1; i <= kDeckSize; ++i) {
    const auto rank = RankOf(deck[i]);
    record.DeckOrder[i] = rank ? NaturalOrder(*rank) : kEmptyValue;
    record.DeckPoints[i] = rank ? CardPoints(*rank, false) : kEmptyValue;
  }
}

}  // namespace ostrel
