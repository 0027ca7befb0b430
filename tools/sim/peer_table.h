// The table a network peer of the simulator plays at (a LAN copy or a tournament player): its
// seat players seeded as in the local runs, its game session without sounds or flights, and the
// moves of its own seat, seat 4.
#pragma once

#include <optional>

#include "ai/ai_players.h"
#include "session/game_session.h"
#include "sim/json_log.h"
#include "sim/sim_options.h"
#include "sim/sim_players.h"

namespace ostrel::sim {

// A whole game is a few thousand steps; more without a way on is a fault of the flow.
inline constexpr int kMaxStepsPerPump = 200000;

struct PeerTable {
  PeerTable(const SimOptions& o, TablePort& port, JsonLogPort& log);

  // Seat 4's move when the table waits for one: whether it was taken; nothing when the table
  // waits for no move of seat 4 (false when no game runs).
  std::optional<bool> SeatFourStep();

  Random deal_random;
  Random play_random;
  AiPlayers ai;
  SimPlayers players;
  GameSession session;
};

}  // namespace ostrel::sim
