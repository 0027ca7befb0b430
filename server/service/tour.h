// The tournament group: the ten tables and their seats, the game server's state, and the
// players' tournament figures, lists and places. The seats live in the store, so every server
// process answers alike; a seat change reads and writes all seats in one transaction, so of
// two players racing for one seat exactly one gets it.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "online/replies.h"
#include "online/requests.h"
#include "server/service/account.h"
#include "server/service/auth.h"
#include "server/store/store.h"

namespace ostrel::server {

// A new player's tournament rating (see docs/server.md).
inline constexpr int kInitialTourRating = 1500;

struct TourConfig {
  std::string address = "127.0.0.1";         // where the players reach the tables
  int base_port = 25700;                     // table t listens on base_port + t
  bool running = false;                      // whether the tables' game server runs in this process
  std::string message = "Welcome";           // the operator's message for the tournament window
  std::array<int, kTourTableCount> ports{};  // the ports really bound, when known
};

class TourService {
 public:
  TourService(Store& store, Authenticator& auth, TourConfig config);

  // nullopt: busy (too many password hashes waiting). A body that is not a request of the
  // group: the empty reply.
  std::optional<std::string> Reply(std::string_view body, const Caller& caller);

  std::optional<std::string> Handle(const online::TourTablesRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::TakeSeatRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::SeatReadRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::ServerStateRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::TourRatingRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::TourTopTenRequest& r, const Caller& c);
  std::optional<std::string> Handle(const online::TourPlaceRequest& r, const Caller& c);

  const TourConfig& config() const { return config_; }
  // The game server runs in this process, on these ports (tables 1-10).
  void SetRunning(const std::array<int, kTourTableCount>& ports) {
    config_.running = true;
    config_.ports = ports;
  }

 private:
  online::SeatResult Take(const online::TakeSeatRequest& r, const std::string& key,
                          const Caller& c);

  Store& store_;
  Authenticator& auth_;
  TourConfig config_;
};

// Whether an address is this machine's: players from it may share a table.
bool IsLoopbackAddress(std::string_view peer);

// Frees seat `seat` (1-4) of a table and the seats behind it up to seat 3: the seats are taken
// in order, so a seat behind a free one cannot stay. Seat 4 is freed only with `include_last`.
void FreeSeatsFrom(std::array<SeatRow, kTourSeatCount>& table, int seat, bool include_last);

}  // namespace ostrel::server
