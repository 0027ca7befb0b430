#include "lan/game_message.h"

#include <array>

#include "game/cards.h"

namespace ostrel::lan {
namespace {

struct TagEntry {
  GameTag tag;
  std::string_view text;
};

constexpr std::array<TagEntry, kGameTagCount> kTags = {{
    {GameTag::kBegin, "hbegin"},
    {GameTag::kPlayRoundOne, "hplayo"},
    {GameTag::kPassRoundOne, "hpasso"},
    {GameTag::kNameTrump, "higra"},
    {GameTag::kPassRoundTwo, "hpassz"},
    {GameTag::kBuyCards, "haddca"},
    {GameTag::kNoChangeSeven, "hnoch7"},
    {GameTag::kChangeSeven, "hchan7"},
    {GameTag::kShowCombinations, "hshowc"},
    {GameTag::kTakeBackCombinations, "hdownc"},
    {GameTag::kPlayCard, "hhods"},
    {GameTag::kTakeTrick, "hslits"},
}};

bool HasParameter(GameTag tag) {
  return tag == GameTag::kNameTrump || tag == GameTag::kPlayCard;
}

}  // namespace

std::string_view TagText(GameTag tag) {
  for (const TagEntry& entry : kTags) {
    if (entry.tag == tag) return entry.text;
  }
  return {};
}

Result<std::string> EncodeAction(const GameMessage& message) {
  const std::string_view tag = TagText(message.tag);
  if (tag.empty()) return Refuse(Fault::kUnknownTag, "no such game action");
  std::string text(tag);
  switch (message.tag) {
    case GameTag::kNameTrump:
      if (message.param < 1 || message.param > 4) {
        return Refuse(Fault::kBadParameter, "a named trump is suit 1 to 4");
      }
      text += kSuitBytes[message.param];
      break;
    case GameTag::kPlayCard:
      if (message.param < 1 || message.param > 8) {
        return Refuse(Fault::kBadParameter, "a hand position is 1 to 8");
      }
      text += static_cast<char>('0' + message.param);
      break;
    default:
      if (message.param != 0) {
        return Refuse(Fault::kBadParameter, std::string(tag) + " takes no parameter");
      }
      break;
  }
  return text;
}

Result<GameMessage> DecodeAction(std::string_view six) {
  if (six.size() != kActionSize) {
    return Refuse(Fault::kWrongLength, "a game action is six characters");
  }
  for (const TagEntry& entry : kTags) {
    if (six.substr(0, entry.text.size()) != entry.text) continue;
    if (!HasParameter(entry.tag)) return GameMessage::Of(entry.tag);
    const char param = six[5];
    if (entry.tag == GameTag::kNameTrump) {
      const int suit = SuitNumber(param);
      if (suit == 0) return Refuse(Fault::kBadParameter, "\"higra\" without a suit byte");
      return GameMessage::NameTrump(suit);
    }
    if (param < '1' || param > '8') {
      return Refuse(Fault::kBadParameter, "\"hhods\" without a hand position 1 to 8");
    }
    return GameMessage::PlayCard(param - '0');
  }
  if (six[0] != 'h') return Refuse(Fault::kUnknownKind, "a game action begins with \"h\"");
  return Refuse(Fault::kUnknownTag, "unknown game action");
}

}  // namespace ostrel::lan
