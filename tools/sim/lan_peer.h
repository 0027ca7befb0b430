// A headless copy of a LAN game: ostrel-sim as the host (--lan-host) or as a client
// (--lan-join). The computer decides this copy's seat 4 (and, on a host with one client, the
// computer seats); the other people's actions arrive through the LAN session. The log is the
// simulator's, in this copy's own table positions, with a "lan" event at the start of each game.
#pragma once

#include "sim/json_log.h"
#include "sim/sim_options.h"

namespace ostrel::sim {

// Runs the copy to its end: 0 when the host's games are over, 3 when a game was interrupted,
// 1 on any other failure. Prints the summary line (or the interruption) on stdout.
int RunLanPeer(const SimOptions& options, JsonLogPort& log);

}  // namespace ostrel::sim
