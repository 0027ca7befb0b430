// The simulator's command line.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace ostrel::sim {

enum class Policy { Random, Greedy, Ai };

struct SimOptions {
  int games = 1;
  std::uint64_t seed = 1;
  int target = 501;
  bool bella_first_hand_only = false;
  bool trump_required = true;
  bool duplicate = false;
  Policy team_policy[3] = {Policy::Random, Policy::Random, Policy::Random};  // [1], [2]
  std::string deck_file;
  std::string log_file;
  std::string home;
  std::string player = "SimPlayer";
  // A LAN game: the host's port (0 picks a free one; -1 no hosting), the people it waits
  // for, or the host to join; the name this copy plays under.
  int lan_host = -1;
  int lan_players = 2;
  std::string lan_join_host;
  int lan_join_port = 0;
  std::string lan_name = "Sim";
  bool Lan() const { return lan_host >= 0 || !lan_join_host.empty(); }
  // A tournament table: the web service's site, the account, the table and seat to take.
  bool tournament = false;
  std::string site;
  std::string nick;
  std::string password;
  int table = 0;
  int seat = 0;
  int think_ms = 0;  // the pause before each of the player's own moves, as a person's
};

// Either the options or a message saying what is wrong with the command line.
struct ParsedOptions {
  std::optional<SimOptions> options;
  std::string error;
  bool help = false;
};

ParsedOptions ParseSimOptions(const std::vector<std::string>& args);
std::string SimUsage();

}  // namespace ostrel::sim
