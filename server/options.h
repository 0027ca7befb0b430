// The server's settings: from the command line and, with --config FILE, from a file of
// "key = value" lines with the same keys (a flag given on the command line wins).
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "server/http/exchange.h"
#include "server/service/passwords.h"

namespace ostrel::server {

struct ServerOptions {
  std::string data;  // required: the data folder
  std::string http_address = "127.0.0.1";
  std::uint16_t http_port = 25680;
  std::string db;  // empty: SQLite in data/ostrel.db
  std::string site_files;
  std::string log = "-";  // "-": standard error; "none": no request log
  int threads = 8;        // workers for the database and the password hashes
  int hashes_at_once = 2;
  HashCost hash_cost = HashCost::kInteractive;
  int registrations_per_hour = 50;  // from one address
  HttpLimits limits;
  std::string tables_address = "127.0.0.1";  // the tournament tables: table t on base + t
  std::uint16_t tables_base_port = 25700;
  std::string tour_message = "Welcome";  // the operator's message, passport characters
  int move_seconds = 26;                 // a player's time for each action
  std::string game_log;                  // folder for the tables' game log; empty: none
  bool no_tables = false;                // run the web service without the tables
  int radio_listeners = 32;              // listeners of the radio stream at once
};

struct OptionsResult {
  bool ok = false;
  bool help = false;
  std::string error;  // one line when !ok
  ServerOptions options;
};

// args without the program name.
OptionsResult ParseServerOptions(const std::vector<std::string>& args);
std::string ServerUsage();

}  // namespace ostrel::server
