#include "app/tour/tour_seats.h"

namespace ostrel::tour {
namespace {

const online::TTarvoClient& PlayerAt(const TourTables& tables, int table, int seat) {
  return tables[static_cast<std::size_t>(table - 1)].Seats[static_cast<std::size_t>(seat - 1)];
}

}  // namespace

bool SeatFree(const online::TTarvoClient& player) {
  return player.Nick == "X";
}

SeatButton SeatButtonOf(const TourTables& tables, int table, int seat, const Booking& booked,
                        bool server_on) {
  SeatButton b;
  if (!server_on || table < 1 || table > online::kTourTables || seat < 1 || seat > 4) return b;
  const online::TTarvoClient& player = PlayerAt(tables, table, seat);
  if (!SeatFree(player)) {
    const bool own = booked.table == table && booked.seat == seat;
    b.look = own ? (seat == 4 ? SeatLook::kOwn : SeatLook::kLogOff) : SeatLook::kOther;
    b.enabled = own && seat != 4;
    b.nick = player.Nick;
    b.score = player.Score;
    return b;
  }
  if (seat == 1) {
    b.look = SeatLook::kTake;
    b.enabled = !booked.Any();
    return b;
  }
  const bool before_taken = !SeatFree(PlayerAt(tables, table, seat - 1));
  b.look = before_taken ? SeatLook::kTake : SeatLook::kFree;
  b.enabled = before_taken && !booked.Any();
  return b;
}

Booking AfterList(const TourTables& tables, const Booking& booked, bool server_on) {
  if (!booked.Any()) return booked;
  if (!server_on || SeatFree(PlayerAt(tables, booked.table, 1))) return Booking{};
  return booked;
}

std::vector<int> SeatsClearedBehind(int seat) {
  std::vector<int> seats;
  for (int s = seat + 1; s <= 3; ++s) seats.push_back(s);
  return seats;
}

bool SameAddressAllowed(const online::TTarvoTable_4& table, int seat, const std::string& own_ip,
                        const std::string& server_ip) {
  if (server_ip == "127.0.0.1") return true;
  for (int s = 1; s < seat && s <= 4; ++s) {
    const online::TTarvoClient& player = table.Seats[static_cast<std::size_t>(s - 1)];
    if (!SeatFree(player) && player.IP == own_ip) return false;
  }
  return true;
}

int MessageFontHeight(int characters) {
  if (characters > 54) return 20;
  if (characters > 39) return 24;
  return 28;
}

}  // namespace ostrel::tour
