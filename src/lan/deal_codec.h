// The deal message: the 32 cards of a deal in deck order as the dealer sends them.
//
//   1        "b"
//   2-65     the 32 card codes, rank byte then suit byte (Windows-1251)
//   66-97    each card's natural order, one digit 1-8
//   98-161   each card's plain points, two digits ("00", "02", "03", "04", "10", "11")
//   162-164  LAN only: the host's target score, "301" or "501"
//   165      LAN only: 0xC8 (Cyrillic I) if Bella counts only when led, else 0xCB (EL)
//   166      LAN only: 0xC8 if over-trumping is required, else 0xCB
//
// Receivers read the first 161 characters; the cards must be the 32 different cards, each
// with its own natural order and points, or the deal is refused.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "game/cards.h"
#include "lan/codec_result.h"

namespace ostrel::lan {

inline constexpr std::size_t kDealBodySize = 161;  // what every receiver reads
inline constexpr std::size_t kLanDealSize = 166;   // the LAN message with the host's rules
inline constexpr char kYesLetter = '\xC8';         // Cyrillic capital I
inline constexpr char kNoLetter = '\xCB';          // Cyrillic capital EL

// Deck positions 1 to 32 as the game record numbers them (the same type as its deck);
// element 0 is not used and position 32 is the turned-up card.
using DealDeck = Array1<CardCode, kDeckSize>;

struct DealRules {
  int target_score = 301;  // 301 or 501
  bool bella_first_hand_only = false;
  bool trump_required = false;

  bool operator==(const DealRules&) const = default;
};

struct DealMessage {
  DealDeck deck{};
  // Set when the message carried a well-formed LAN trailer; receivers need not use it.
  std::optional<DealRules> rules;

  bool operator==(const DealMessage&) const = default;
};

// Refuses a deck that is not the 32 different cards.
std::optional<CodecError> CheckDeck(const DealDeck& deck);

// The 161 characters every receiver reads.
Result<std::string> EncodeDealBody(const DealDeck& deck);
// The 166-character LAN message; refuses a target score other than 301 or 501.
Result<std::string> EncodeLanDeal(const DealDeck& deck, const DealRules& rules);

// Reads characters 1 to 161 and refuses the message unless they hold a whole deck with the
// right orders and points. Anything beyond 161 characters is the LAN trailer: it fills
// `rules` when it is exactly the five characters above, and is otherwise left unread.
Result<DealMessage> DecodeDeal(std::string_view text);

}  // namespace ostrel::lan
