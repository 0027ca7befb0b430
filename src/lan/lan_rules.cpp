#include "lan/lan_rules.h"

namespace ostrel::lan {
namespace {

// kPosition[own seat - 1][seat - 1]. Around the table the seats follow in the order 1, 3, 2,
// 4, and each copy turns the table so that its own seat is at position 4.
constexpr int kPosition[4][4] = {
    {4, 2, 1, 3},
    {2, 4, 3, 1},
    {3, 1, 4, 2},
    {1, 3, 2, 4},
};

bool InSeats(int n) {
  return n >= 1 && n <= 4;
}

}  // namespace

int TablePosition(int own_seat, int seat) {
  if (!InSeats(own_seat) || !InSeats(seat)) return 0;
  return kPosition[own_seat - 1][seat - 1];
}

int SeatAtPosition(int own_seat, int position) {
  if (!InSeats(own_seat) || !InSeats(position)) return 0;
  for (int seat = 1; seat <= 4; ++seat) {
    if (kPosition[own_seat - 1][seat - 1] == position) return seat;
  }
  return 0;
}

PositionNames NamesAtPositions(int own_seat, const SeatNames& names) {
  PositionNames at;
  for (int seat = 1; seat <= 4; ++seat) {
    const int position = TablePosition(own_seat, seat);
    if (position != 0) at[position - 1] = names[seat - 1];
  }
  return at;
}

std::vector<int> RelayTargets(int sender_seat, int last_connection_index) {
  std::vector<int> targets;
  if (!InSeats(sender_seat) || last_connection_index > 2) return targets;
  const int own = sender_seat == 1 ? -1 : ConnectionOfSeat(sender_seat);
  if (own > last_connection_index) return targets;  // no such connection
  for (int i = 0; i <= last_connection_index; ++i) {
    if (i != own) targets.push_back(i);
  }
  return targets;
}

HostRoster::HostRoster(std::string_view host_name) {
  names_ = {LanName(host_name), std::string(kComputerName), std::string(kComputerName),
            std::string(kComputerName)};
}

Result<std::vector<HostRoster::Send>> HostRoster::Accept(const Hello& hello) {
  if (last_index_ >= 2) return Refuse(Fault::kBadSeat, "all three client seats are taken");
  ++last_index_;
  const int seat = SeatOfConnection(last_index_);
  names_[seat - 1] = LanName(hello.name);
  std::vector<Send> sends;
  sends.push_back({last_index_, SeatMessage{seat, names_}});
  for (int i = last_index_ - 1; i >= 0; --i) {
    sends.push_back({i, ArrivalNotice{seat, names_}});
  }
  return sends;
}

bool ClientRoster::Take(const SeatMessage& message) {
  if (seated() || message.seat < 2 || message.seat > 4) return false;
  seat_ = message.seat;
  last_index_ = ConnectionOfSeat(seat_);
  names_ = NamesAtPositions(seat_, message.names);
  return true;
}

bool ClientRoster::Take(const ArrivalNotice& notice) {
  if (!seated() || notice.players <= seat_) return false;
  if (notice.players != 3 && notice.players != 4) return false;
  last_index_ = notice.players - 2;
  names_ = NamesAtPositions(seat_, notice.names);
  return true;
}

WaitingButtons HostWaitingButtons(int clients) {
  switch (clients) {
    case 1:
    case 3:
      return {true, false};
    default:
      return {false, true};
  }
}

}  // namespace ostrel::lan
