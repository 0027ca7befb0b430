#include "game/cards.h"

#include "game/cp1251.h"

namespace ostrel {

int SuitNumber(char suit_byte) {
  for (int s = 1; s <= 4; ++s) {
    if (kSuitBytes[s] == suit_byte) return s;
  }
  return 0;
}

std::optional<Rank> RankOf(CardCode card) {
  for (int r = 0; r < kRankCount; ++r) {
    if (kRankBytes[r] == card.rank) return static_cast<Rank>(r);
  }
  return std::nullopt;
}

CardCode MakeCard(Rank rank, int suit_number) {
  return CardCode{kRankBytes[static_cast<int>(rank)], kSuitBytes[suit_number]};
}

CardCode DeckTableCard(int number) {
  if (number < 1 || number > kDeckSize) return kEmptyCard;
  return MakeCard(static_cast<Rank>((number - 1) / 4), (number - 1) % 4 + 1);
}

int DeckTableNumber(CardCode card) {
  const auto rank = RankOf(card);
  const int suit = SuitNumber(card.suit);
  if (!rank || suit == 0) return 0;
  return static_cast<int>(*rank) * 4 + suit;
}

std::uint8_t NaturalOrder(Rank rank) {
  return static_cast<std::uint8_t>(rank) + 1;
}

std::uint8_t PlayOrder(Rank rank, bool trump) {
  //                                           7  8  9  10 J  Q  K  A
  static constexpr std::uint8_t kPlain[8] = {1, 2, 3, 7, 4, 5, 6, 8};
  static constexpr std::uint8_t kTrump[8] = {1, 2, 7, 5, 8, 3, 4, 6};
  return (trump ? kTrump : kPlain)[static_cast<int>(rank)];
}

std::uint8_t CardPoints(Rank rank, bool trump) {
  static constexpr std::uint8_t kPlain[8] = {0, 0, 0, 10, 2, 3, 4, 11};
  static constexpr std::uint8_t kTrump[8] = {0, 0, 14, 10, 20, 3, 4, 11};
  return (trump ? kTrump : kPlain)[static_cast<int>(rank)];
}

std::string CardText(CardCode card) {
  return Cp1251ToUtf8(std::string_view(&card.rank, 1)) +
         Cp1251ToUtf8(std::string_view(&card.suit, 1));
}

std::optional<CardCode> ParseCardText(std::string_view utf8) {
  const auto bytes = Utf8ToCp1251(utf8);
  if (!bytes || bytes->size() != 2) return std::nullopt;
  const CardCode card{(*bytes)[0], (*bytes)[1]};
  if (card.IsEmpty()) return card;
  if (DeckTableNumber(card) == 0) return std::nullopt;
  return card;
}

}  // namespace ostrel
