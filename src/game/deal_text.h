// One text notation for a deal: 32 card codes in deck order (position 1 first), UTF-8,
// separated by spaces, e.g. "Тч 1п 7к ...". Tests, the simulator, the bench and bug reports
// all use it.
#pragma once

#include <string>
#include <string_view>
#include <variant>

#include "game/game_record.h"

namespace ostrel {

std::string DeckToText(const CardList32& deck);

// Either the deck or a message that says what is wrong with the text.
std::variant<CardList32, std::string> ParseDeckText(std::string_view text);

}  // namespace ostrel
