// The table's actions as the game messages that carry them between copies, and back.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "game/outgoing.h"
#include "game/table_actions.h"

namespace ostrel {

// The game message's text of a table message ("hhods3", "higra" + suit byte, "TOut").
std::string EncodeTableMessage(const TableMessage& message);
// The action a received game message asks for; nullopt for a text that is no such message.
std::optional<Action> DecodeAction(std::string_view text);

}  // namespace ostrel
