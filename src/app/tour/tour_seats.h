// The tournament window's rules without widgets: what each seat button of the table list
// shows and whether it may be pressed, what is forgotten when the list changes, which seats a
// given-up seat clears, and the same-address rule. Seats are taken in the order 1, 2, 3, 4;
// seat 4 completes the table and starts its game, so it is never given up.
#pragma once

#include <array>
#include <string>
#include <vector>

#include "online/records.h"

namespace ostrel::tour {

// The seat this player has booked in the list; 0 and 0 when none.
struct Booking {
  int table = 0;  // 1..10
  int seat = 0;   // 1..4
  bool Any() const { return table != 0; }
  bool operator==(const Booking&) const = default;
};

enum class SeatLook {
  kServerOff,  // "Server Off", disabled
  kLogOff,     // the own booked seat 1-3: "Log off", enabled
  kOwn,        // the own seat 4: nick " : " score, disabled
  kOther,      // someone else: nick " : " score, disabled
  kTake,       // "Take the place of"
  kFree,       // "Free": the seat before it is free
};

struct SeatButton {
  SeatLook look = SeatLook::kServerOff;
  bool enabled = false;
  std::string nick;  // kOwn, kOther
  int score = 0;
  bool operator==(const SeatButton&) const = default;
};

using TourTables = std::array<online::TTarvoTable_4, online::kTourTables>;

// A seat's nick "X" means the seat is free.
bool SeatFree(const online::TTarvoClient& player);

// The button of seat `seat` (1-4) of table `table` (1-10). `server_on`: both reads succeeded
// and the state is "Y".
SeatButton SeatButtonOf(const TourTables& tables, int table, int seat, const Booking& booked,
                        bool server_on);

// The booking after a new list: forgotten when seat 1 of the booked table is free (the table's
// game was played or the seats were cleared) or the server is off.
Booking AfterList(const TourTables& tables, const Booking& booked, bool server_on);

// Giving up seat `seat` (1-3) also clears the seats behind it up to seat 3.
std::vector<int> SeatsClearedBehind(int seat);

// Whether a player at `own_ip` may take seat `seat`: none of the seats before it holds the
// same address, unless the server is on this machine ("127.0.0.1").
bool SameAddressAllowed(const online::TTarvoTable_4& table, int seat, const std::string& own_ip,
                        const std::string& server_ip);

// The server message's font height: 28, 24 above 39 characters, 20 above 54.
int MessageFontHeight(int characters);

}  // namespace ostrel::tour
