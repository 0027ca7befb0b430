// ostrel-sim: whole games headless, with the computer deciding every seat.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "game/game.h"
#include "sim/club_recorder.h"
#include "sim/json_log.h"
#include "sim/sim_driver.h"
#include "sim/sim_options.h"
#include "sim/sim_players.h"

using namespace ostrel;
using namespace ostrel::sim;

namespace {

int Run(const SimOptions& o) {
  for (int team = 1; team <= 2; ++team) {
    if (o.team_policy[team] != Policy::Random) {
      std::cerr << "ostrel-sim: only --play random is available in this build\n";
      return 2;
    }
  }
  DeckQueue decks;
  if (!o.deck_file.empty()) {
    if (const auto error = ReadDeckFile(o.deck_file, decks)) {
      std::cerr << "ostrel-sim: " << *error << '\n';
      return 2;
    }
  }
  std::ofstream file;
  std::ostream* out = nullptr;
  if (!o.log_file.empty()) {
    file.open(o.log_file, std::ios::binary | std::ios::trunc);
    if (!file) {
      std::cerr << "ostrel-sim: cannot write the log " << o.log_file << '\n';
      return 2;
    }
    out = &file;
  }

  std::optional<ClubRecorder> club;
  if (!o.home.empty()) {
    std::string error;
    club = ClubRecorder::Open(o.home, OSTREL_SHARE_DIR, &error);
    if (!club) {
      std::cerr << "ostrel-sim: " << error << '\n';
      return 2;
    }
  }

  Random deal_random(o.seed);
  Random play_random(o.seed ^ 0x9E3779B97F4A7C15ull);
  SimPlayers players(o.team_policy[1], o.team_policy[2], play_random, nullptr, nullptr);
  JsonLogPort log(out, nullptr);
  RunCounts counts;
  const auto start = std::chrono::steady_clock::now();
  for (int g = 1; g <= o.games; ++g) {
    Game game(log, players, deal_random);
    log.SetGame(&game);
    game.Options().TargetScore = o.target;
    game.Options().BellaFirstHandOnly = o.bella_first_hand_only;
    game.Options().TrumpRequired = o.trump_required;
    game.Mode().SoundOn = false;
    game.Mode().CardAnimation = false;
    if (club) {
      std::string error;
      if (!club->Login(o.player, &error)) {
        std::cerr << "ostrel-sim: " << error << '\n';
        return 1;
      }
      game.SetFinishPort(&*club);
      game.SetPlayer(o.player, club->GameNumber(), club->InitialScore());
    } else {
      game.SetPlayer(o.player, g, 0);
    }
    if (const auto error = PlayGame(game, players, log, decks, counts)) {
      std::cerr << "ostrel-sim: game " << g << ": " << *error << '\n';
      return 1;
    }
    if (club && !club->failure().empty()) {
      std::cerr << "ostrel-sim: game " << g << ": " << club->failure() << '\n';
      return 1;
    }
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (file.is_open()) {
    file.flush();
    if (!file) {
      std::cerr << "ostrel-sim: writing the log " << o.log_file << " failed\n";
      return 1;
    }
  }
  std::printf("games=%d deals=%d thrown_in=%d wall_s=%.3f\n", counts.games, counts.deals,
              counts.thrown_in, seconds);
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const ParsedOptions parsed = ParseSimOptions(std::vector<std::string>(argv + 1, argv + argc));
  if (parsed.help) {
    std::cout << SimUsage();
    return 0;
  }
  if (!parsed.options) {
    std::cerr << "ostrel-sim: " << parsed.error << '\n' << SimUsage();
    return 2;
  }
  return Run(*parsed.options);
}
