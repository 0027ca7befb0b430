// Cards, seats and teams: the shared vocabulary of every game rule.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// Lists are numbered from 1 as the rules count; element 0 is never used.
template <class T, std::size_t N>
using Array1 = std::array<T, N + 1>;

enum class Rank : std::uint8_t { Seven, Eight, Nine, Ten, Jack, Queen, King, Ace };
inline constexpr int kRankCount = 8;

// The bytes are Windows-1251 letters and travel on the wire as they are.
inline constexpr std::array<char, kRankCount> kRankBytes = {'7',    '8',    '9',    '1',
                                                            '\xC2', '\xC4', '\xCA', '\xD2'};
inline constexpr char kNoSuit = '#';
// Suits 1 to 4: hearts, diamonds, clubs, spades.
inline constexpr Array1<char, 4> kSuitBytes = {kNoSuit, '\xF7', '\xE1', '\xEA', '\xEF'};

inline constexpr std::uint8_t kEmptyValue = 99;

struct CardCode {
  char rank = '#';
  char suit = '#';

  bool operator==(const CardCode&) const = default;
  bool IsEmpty() const { return rank == '#' && suit == '#'; }
};
inline constexpr CardCode kEmptyCard{'#', '#'};

// 1 to 4 for a suit byte, 0 for "#" or anything else.
int SuitNumber(char suit_byte);
std::optional<Rank> RankOf(CardCode card);
CardCode MakeCard(Rank rank, int suit_number);

// The deck table numbers the cards 1 to 32 in rank groups of four (sevens 1 to 4 ... aces 29
// to 32), each group in suit order.
inline constexpr int kDeckSize = 32;
CardCode DeckTableCard(int number);
// 0 for a code that is no card.
int DeckTableNumber(CardCode card);

std::uint8_t NaturalOrder(Rank rank);  // seven 1 ... ten 4 ... ace 8
std::uint8_t PlayOrder(Rank rank, bool trump);
std::uint8_t CardPoints(Rank rank, bool trump);

// Two UTF-8 characters such as "Тч"; "##" for the empty card.
std::string CardText(CardCode card);
std::optional<CardCode> ParseCardText(std::string_view utf8);

// Seats 1 to 4 (4 is the local player), teams 1 (seats 1, 3) and 2 (seats 2, 4).
inline constexpr int kSeats = 4;
inline int TeamOf(int seat) {
  return seat % 2 == 1 ? 1 : 2;
}
// The seat k places on in turn order: SeatAfter(4, 1) is 1.
inline int SeatAfter(int seat, int k) {
  return ((seat - 1 + k) % kSeats + kSeats) % kSeats + 1;
}
inline int NextSeat(int seat) {
  return SeatAfter(seat, 1);
}
inline int PartnerOf(int seat) {
  return SeatAfter(seat, 2);
}
inline int PreviousSeat(int seat) {
  return SeatAfter(seat, 3);
}

template <std::size_t M>
bool ListHasCard(int n, const std::array<CardCode, M>& list, CardCode card) {
  if (card.IsEmpty()) return false;
  for (int i = 1; i <= n && i < static_cast<int>(M); ++i) {
    if (list[i] == card) return true;
  }
  return false;
}

// Writes the card into the first empty place of a 32-place list unless it is there already.
template <std::size_t M>
void AddToCardList(CardCode card, std::array<CardCode, M>& list) {
  static_assert(M > kDeckSize);
  if (ListHasCard(kDeckSize, list, card)) return;
  for (int i = 1; i <= kDeckSize; ++i) {
    if (list[i].IsEmpty()) {
      list[i] = card;
      return;
    }
  }
}

}  // namespace ostrel
