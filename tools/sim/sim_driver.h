// Plays whole games headless: the driver presses the shared buttons itself, answers for seat 4
// with the computer's decisions, and ticks the main timer for the others, through the same
// Game operations as the window.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game.h"
#include "sim/json_log.h"

namespace ostrel::sim {

// Decks given in advance; deal k of the run uses deck k, later deals are shuffled.
struct DeckQueue {
  std::vector<CardList32> decks;
  std::size_t next = 0;
};

// Reads one deal a line (32 card codes in deck order); the error names the line.
std::optional<std::string> ReadDeckFile(const std::string& path, DeckQueue& queue);

struct RunCounts {
  int games = 0;
  int deals = 0;
  int thrown_in = 0;
};

// Plays one game, begun by `start`, to its end and back to the menu. Returns an error when
// the game stops without a way on (which would be a fault of the flow).
std::optional<std::string> PlayGame(Game& game, const std::function<void()>& start,
                                    ComputerPlayers& seat4, JsonLogPort& log, DeckQueue& decks,
                                    RunCounts& counts);

}  // namespace ostrel::sim
