// A headless player at a tournament table: ostrel-sim --tournament. It books its seat through
// the web service, connects to the table's port and lets the computer play its seat until the
// game ends. The log is the simulator's, in this copy's own table positions, with a
// "tournament" event naming the tournament seat and table at the start of the game.
#pragma once

#include "sim/json_log.h"
#include "sim/sim_options.h"

namespace ostrel::sim {

// 0 after the server's "end", 3 when another player left or ran out of time or the connection
// was lost, 1 on any other failure. Prints what happened on stdout.
int RunTourPeer(const SimOptions& options, JsonLogPort& log);

}  // namespace ostrel::sim
