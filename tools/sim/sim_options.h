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
