// The simulator's way to a tournament seat through the web service: the account is registered
// when it does not exist, signed in, and the seat taken once the seats before it are taken.
// Every request is the catalogue's (src/online), posted by the program's service client.
#pragma once

#include <string>

#include "sim/sim_options.h"

namespace ostrel::sim {

struct TourBooking {
  bool ok = false;
  std::string error;  // why no seat was booked
  std::string host;   // the table's address and port, from the table list
  int port = 0;
};

// Blocks until the seat is booked, or fails after about a minute of waiting for the seats
// before it.
TourBooking BookTournamentSeat(const SimOptions& options);

}  // namespace ostrel::sim
