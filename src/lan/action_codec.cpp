#include "lan/action_codec.h"

#include <array>
#include <utility>

namespace ostrel::lan {
namespace {

constexpr std::array<std::pair<ActionKind, GameTag>, 10> kPairs = {{
    {ActionKind::Begin, GameTag::kBegin},
    {ActionKind::PlayProposed, GameTag::kPlayRoundOne},
    {ActionKind::PassRoundOne, GameTag::kPassRoundOne},
    {ActionKind::NameSuit, GameTag::kNameTrump},
    {ActionKind::PassRoundTwo, GameTag::kPassRoundTwo},
    {ActionKind::DealRest, GameTag::kBuyCards},
    {ActionKind::ShowCombinations, GameTag::kShowCombinations},
    {ActionKind::TakeBack, GameTag::kTakeBackCombinations},
    {ActionKind::PlayCard, GameTag::kPlayCard},
    {ActionKind::TakeTrick, GameTag::kTakeTrick},
}};

}  // namespace

std::optional<Action> ActionOf(const GameMessage& message) {
  for (const auto& [kind, tag] : kPairs) {
    if (tag == message.tag) return Action{kind, message.param};
  }
  return std::nullopt;
}

std::optional<GameMessage> MessageOf(const Action& action) {
  for (const auto& [kind, tag] : kPairs) {
    if (kind == action.kind) return GameMessage{tag, action.value};
  }
  return std::nullopt;
}

}  // namespace ostrel::lan
