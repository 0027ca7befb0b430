#include "lan/action_codec.h"

#include <array>
#include <utility>

#include "game/cards.h"

namespace ostrel {
namespace {

// Actions without a parameter and their tags.
constexpr std::array<std::pair<ActionKind, std::string_view>, 9> kPlainTags = {{
    {ActionKind::Begin, "hbegin"},
    {ActionKind::PlayProposed, "hplayo"},
    {ActionKind::PassRoundOne, "hpasso"},
    {ActionKind::PassRoundTwo, "hpassz"},
    {ActionKind::DealRest, "haddca"},
    {ActionKind::ShowCombinations, "hshowc"},
    {ActionKind::TakeBack, "hdownc"},
    {ActionKind::TakeTrick, "hslits"},
    {ActionKind::NextDeal, "bnext"},
}};

}  // namespace

std::string EncodeTableMessage(const TableMessage& message) {
  if (message.kind == TableMessage::Kind::TimeOut) return "TOut";
  const Action& a = message.action;
  if (a.kind == ActionKind::NameSuit) return std::string("higra") + kSuitBytes[a.value];
  if (a.kind == ActionKind::PlayCard) return "hhods" + std::to_string(a.value);
  for (const auto& [kind, tag] : kPlainTags) {
    if (kind == a.kind) return std::string(tag);
  }
  return {};
}

std::optional<Action> DecodeAction(std::string_view text) {
  for (const auto& [kind, tag] : kPlainTags) {
    if (text == tag) return Action{kind};
  }
  if (text.size() == 6 && text.substr(0, 5) == "higra") {
    const int suit = SuitNumber(text[5]);
    return Action{ActionKind::NameSuit, suit};
  }
  if (text.size() == 6 && text.substr(0, 5) == "hhods" && text[5] >= '0' && text[5] <= '9') {
    return Action{ActionKind::PlayCard, text[5] - '0'};
  }
  return std::nullopt;
}

}  // namespace ostrel
