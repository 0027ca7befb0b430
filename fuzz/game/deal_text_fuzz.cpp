// Any bytes as a deal in the text notation. A deck the reader accepts holds each of the 32 cards
// once and reads back from its own text.
#include <set>
#include <string>

#include "fuzz_check.h"
#include "game/deal_text.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const auto parsed = ParseDeckText(fuzz::Bytes(data, size));
  const auto* deck = std::get_if<CardList32>(&parsed);
  if (deck == nullptr) return 0;
  std::set<std::string> cards;
  for (int i = 1; i <= kDeckSize; ++i) cards.insert(CardText((*deck)[i]));
  FUZZ_CHECK(cards.size() == static_cast<std::size_t>(kDeckSize));
  const auto again = ParseDeckText(DeckToText(*deck));
  FUZZ_CHECK(std::holds_alternative<CardList32>(again));
  FUZZ_CHECK(std::get<CardList32>(again) == *deck);
  return 0;
}
