// The tournament tables' TCP ports: table t listens on base + t. A connection must send
// "connect" and the seat digit of a seat booked at that table from the connection's address
// (checked in the store); when the four are there the table's game starts (GameTable). At
// the end of a game, however it ends, the players' figures are updated, the game is written to
// the game log folder and the table's seats are freed. One thread runs the tables' event loop.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>

#include "server/store/store.h"

namespace ostrel::server {

struct TableServerOptions {
  std::string address = "127.0.0.1";
  std::uint16_t base_port = 25700;  // 0: each table takes a free port (tests)
  int move_seconds = 26;
  // Added to every move clock: the player's own clock runs on its machine and its record then
  // crosses the network, so the server waits this much longer before it calls time.
  int allowance_ms = 3000;
  // Time a connection has to send its "connect" record.
  int connect_timeout_ms = 10000;
  std::string game_log_dir;  // empty: no log
  // A full table whose four players are not all connected this long after seat 4 was taken
  // is freed, so that a player who never comes cannot hold three others.
  int full_table_wait_seconds = 60;
  int sweep_ms = 5000;  // how often full tables are looked at
};

class TableServer {
 public:
  using Log = std::function<void(const std::string&)>;
  // Binds the ten ports at once; throws std::runtime_error when one cannot be bound.
  TableServer(Store& store, TableServerOptions options, Log log);
  ~TableServer();  // stops the thread and closes every connection
  TableServer(const TableServer&) = delete;
  TableServer& operator=(const TableServer&) = delete;

  std::uint16_t port(int table) const;  // table 1-10
  void Start();                         // runs the event loop on its own thread

  struct Impl;

 private:
  std::shared_ptr<Impl> impl_;
};

// The change of a rating by one game of partnerships: an Elo over the teams' mean ratings,
// K = 32, the result 1 for a win, 0 for a loss, 0.5 for a draw.
int EloChange(int own_team_mean, int other_team_mean, double result);

}  // namespace ostrel::server
