#include "sim/tour_booking.h"

#include <chrono>
#include <thread>

#include "net/service_client.h"
#include "online/replies.h"
#include "online/requests.h"

namespace ostrel::sim {
namespace {

namespace on = ostrel::online;

// How long a player waits for the seats before its own to be taken, and how often it looks.
constexpr auto kSeatWait = std::chrono::seconds(60);
constexpr auto kPollInterval = std::chrono::milliseconds(100);

TourBooking Fail(std::string error) {
  TourBooking b;
  b.error = std::move(error);
  return b;
}

// Signs in, registering the account first when the nick is new. The account's record, or
// the error.
on::Result<on::TTarvoUser> SignIn(const ServiceClient& service, const SimOptions& o) {
  on::TTarvoUser user;
  user.Nick = o.nick;
  user.Pw = o.password;
  user.City = "Simtown";
  user.Country1 = "Estonia";
  user.Country2 = "2-372";
  user.EMail = "sim@example.org";
  const auto registered = service.Send(on::RegisterRequest{user});
  if (!registered) return on::Error{registered.error()};
  if (on::ParseRegisterReply(*registered) == on::RegisterResult::Failed) {
    return on::Error{"the service refused to register " + o.nick};
  }
  const auto login = service.Send(on::LoginRequest{o.nick, o.password});
  if (!login) return on::Error{login.error()};
  const auto account = on::ParseLoginReply(*login, user);
  if (!account) return on::Error{"login: " + account.error()};
  if (!account->has_value()) return on::Error{"login refused: wrong password for " + o.nick};
  return **account;
}

// The table as the list shows it now.
on::Result<on::TTarvoTable_4> ReadTable(const ServiceClient& service, int table) {
  const auto reply = service.Send(on::TourTablesRequest{});
  if (!reply) return on::Error{reply.error()};
  const auto tables = on::ParseTourTables(*reply);
  if (!tables) return on::Error{"the table list: " + tables.error()};
  return (*tables)[static_cast<std::size_t>(table - 1)];
}

bool SeatsBeforeTaken(const on::TTarvoTable_4& table, int seat) {
  for (int k = 1; k < seat; ++k) {
    if (table.Seats[static_cast<std::size_t>(k - 1)].Nick == "X") return false;
  }
  return true;
}

}  // namespace

TourBooking BookTournamentSeat(const SimOptions& o) {
  const ServiceClient service(o.site);
  const auto account = SignIn(service, o);
  if (!account) return Fail(account.error());

  on::TakeSeatRequest take;
  take.Seat = o.seat;
  take.Table = o.table;
  take.Action = on::SeatAction::Take;
  take.Nick = o.nick;
  take.Pw = o.password;
  take.Player.Nick = account->Nick;
  take.Player.Country = account->Country1;
  take.Player.City = account->City;
  take.Player.Sex = account->Sex;
  take.Player.IP = "127.0.0.1";  // the service takes the caller's address, not this

  // Seats are taken in the order 1, 2, 3, 4: wait for the ones before this.
  const auto deadline = std::chrono::steady_clock::now() + kSeatWait;
  for (;;) {
    const auto table = ReadTable(service, o.table);
    if (!table) return Fail(table.error());
    if (SeatsBeforeTaken(*table, o.seat)) {
      const auto reply = service.Send(take);
      if (!reply) return Fail(reply.error());
      const on::SeatResult result = on::ParseSeatResultReply(*reply);
      if (result == on::SeatResult::Taken) return Fail("the seat is taken by another player");
      if (result == on::SeatResult::Seated) {
        TourBooking b;
        b.ok = true;
        b.host = table->IP;
        b.port = table->Port;
        return b;
      }
      // Refused: a seat before this one was given up meanwhile, or this account sits
      // elsewhere; the wait below decides.
    }
    if (std::chrono::steady_clock::now() > deadline) {
      return Fail("the seats before seat " + std::to_string(o.seat) + " were not taken in time");
    }
    std::this_thread::sleep_for(kPollInterval);
  }
}

}  // namespace ostrel::sim
