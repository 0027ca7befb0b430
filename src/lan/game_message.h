// Game messages as values: the actions one copy tells the others (begin, bids, buying the
// rest of the cards, combinations, a card, taking a trick). A message names the action only;
// the receiver applies it to the seat its own phase names. On the wire an action is six
// bytes: a six-letter tag, or a five-letter tag and one parameter byte ("higra" + suit byte,
// "hhods" + hand position digit). The LAN adds the sender's seat digit, the tournament
// connection puts the six bytes into a 50-character record.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>

#include "lan/codec_result.h"

namespace ostrel::lan {

enum class GameTag : std::uint8_t {
  kBegin,                 // "hbegin"
  kPlayRoundOne,          // "hplayo"
  kPassRoundOne,          // "hpasso"
  kNameTrump,             // "higra" + suit byte
  kPassRoundTwo,          // "hpassz"
  kBuyCards,              // "haddca"
  kNoChangeSeven,         // "hnoch7"
  kChangeSeven,           // "hchan7"
  kShowCombinations,      // "hshowc"
  kTakeBackCombinations,  // "hdownc"
  kPlayCard,              // "hhods" + hand position 1..8
  kTakeTrick,             // "hslits"
};
inline constexpr int kGameTagCount = 12;

struct GameMessage {
  GameTag tag = GameTag::kBegin;
  // kNameTrump: suit number 1..4 (hearts, diamonds, clubs, spades); kPlayCard: hand
  // position 1..8; 0 for every other tag.
  int param = 0;

  static GameMessage Of(GameTag tag) { return GameMessage{tag, 0}; }
  static GameMessage NameTrump(int suit_number) { return {GameTag::kNameTrump, suit_number}; }
  static GameMessage PlayCard(int position) { return {GameTag::kPlayCard, position}; }

  bool operator==(const GameMessage&) const = default;
};

// The six bytes of every action on the wire.
inline constexpr std::size_t kActionSize = 6;

// "hbegin", "higra", "hhods", ...: the tag as it is written (five letters for the two
// tags that carry a parameter).
std::string_view TagText(GameTag tag);

// The six bytes of the action; refuses a parameter out of range or one given to a tag
// without parameter.
Result<std::string> EncodeAction(const GameMessage& message);

// Reads exactly six bytes.
Result<GameMessage> DecodeAction(std::string_view six);

}  // namespace ostrel::lan
