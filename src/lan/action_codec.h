// The table engine's actions as the game messages that carry them between copies, and back.
#pragma once

#include <optional>

#include "game/table_actions.h"
#include "lan/game_message.h"

namespace ostrel::lan {

// The action a received game message asks for; nothing for the two messages about exchanging
// the trump seven, which another game of the family sends and this one never acts on.
std::optional<Action> ActionOf(const GameMessage& message);

// The game message of an action; nothing for the next deal, which travels to the tournament
// server alone (its own record) and never between copies.
std::optional<GameMessage> MessageOf(const Action& action);

}  // namespace ostrel::lan
