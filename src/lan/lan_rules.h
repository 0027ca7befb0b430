// The rules of a LAN game that need no socket: where each network seat sits at each copy's
// table, who is seated as people join, and to which connections the host passes a message.
//
// Network seats: 1 is the host, 2 to 4 the clients in the order they joined; seats 1 and 2
// are partners, as are 3 and 4. Every copy shows itself at table position 4 and its
// partner at 2. The host's accepted connections are numbered 0, 1, 2 in the order they
// were accepted, so connection i belongs to seat i + 2.
#pragma once

#include <array>
#include <string>
#include <string_view>
#include <vector>

#include "lan/codec_result.h"
#include "lan/lan_message.h"

namespace ostrel::lan {

// The table position (1 to 4) at which the copy with network seat `own_seat` shows network
// seat `seat`; 0 when either is outside 1 to 4. The same table places the seats of a
// tournament table.
int TablePosition(int own_seat, int seat);
// The inverse: the network seat shown at `position`; 0 when out of range.
int SeatAtPosition(int own_seat, int position);

// Names by table position: element p - 1 is position p.
using PositionNames = std::array<std::string, 4>;
PositionNames NamesAtPositions(int own_seat, const SeatNames& names);

inline int SeatOfConnection(int index) {
  return index + 2;
}
inline int ConnectionOfSeat(int seat) {
  return seat - 2;
}

// The host's connections that get a message (game action or chat) sent by `sender_seat`:
// every accepted connection 0 to `last_connection_index` except the sender's own. The
// host's own messages (seat 1) go to all. Empty for a seat outside 1 to 4 or one that has
// no connection.
std::vector<int> RelayTargets(int sender_seat, int last_connection_index);

// The host's side of joining: the names by network seat and the messages that seat each
// joiner. The first joiner becomes seat 2 (the host's partner), the second seat 3, the third
// seat 4; the seats nobody took are computer seats named "PC  ".
class HostRoster {
 public:
  explicit HostRoster(std::string_view host_name);

  struct Send {
    int connection;
    LanMessage message;
  };
  // Seats the joiner of an accepted hello: the seat message to its connection, then the
  // arrival notice to every earlier connection, newest first. Refuses a fourth joiner.
  Result<std::vector<Send>> Accept(const Hello& hello);

  // -1 before anyone joined, then 0, 1, 2.
  int last_connection_index() const { return last_index_; }
  int clients() const { return last_index_ + 1; }
  const SeatNames& names() const { return names_; }

 private:
  SeatNames names_;
  int last_index_ = -1;
};

// A client's side: its seat and the names at its own table positions, from the seat message
// and the arrival notices.
class ClientRoster {
 public:
  // Takes the first seat message and ignores any later one; returns whether it was taken.
  bool Take(const SeatMessage& message);
  // "connect3" counts on seat 2 and "connect4" on seats 2 and 3; any other notice, or one
  // before the seat message, is ignored (false).
  bool Take(const ArrivalNotice& notice);

  bool seated() const { return seat_ != 0; }
  int seat() const { return seat_; }
  int last_connection_index() const { return last_index_; }
  const PositionNames& names() const { return names_; }

 private:
  int seat_ = 0;
  int last_index_ = -1;
  PositionNames names_;
};

// The host's waiting-room buttons for the number of clients seated: a game starts with one
// client (partners against two computer seats) or with three.
struct WaitingButtons {
  bool ok = false;
  bool cancel = true;
  bool operator==(const WaitingButtons&) const = default;
};
WaitingButtons HostWaitingButtons(int clients);

}  // namespace ostrel::lan
