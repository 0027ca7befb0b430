// ostrel-sim: whole games headless, with the computer deciding every seat.
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>

#include "ai/ai_players.h"
#include "game/game.h"
#include "session/game_session.h"
#include "sim/club_recorder.h"
#include "sim/duplicate.h"
#include "sim/json_log.h"
#include "sim/lan_peer.h"
#include "sim/sim_driver.h"
#include "sim/sim_options.h"
#include "sim/sim_players.h"
#include "sim/tour_peer.h"

using namespace ostrel;
using namespace ostrel::sim;

namespace {

const char* PolicyName(Policy p) {
  return p == Policy::Ai ? "ai" : (p == Policy::Greedy ? "greedy" : "random");
}

struct Run {
  const SimOptions& o;
  JsonLogPort& log;
  DeckQueue& decks;
  RunCounts& counts;
  ClubRecorder* club;

  // Plays game number g with the given policies and decks; false after printing the error.
  bool PlayOne(int g, Policy team1, Policy team2, Random& deal_random, std::uint64_t play_seed,
               Array1<std::int32_t, 2>* score) {
    Random play_random(play_seed ^ 0x9E3779B97F4A7C15ull);
    AiPlayers ai(Random(play_seed ^ 0xD1B54A32D192ED03ull));
    SimPlayers players(team1, team2, play_random, &ai);
    GameSession session(log, players, deal_random);
    log.SetGame(&session.Table());
    RuleOptions rules;
    rules.TargetScore = o.target;
    rules.BellaFirstHandOnly = o.bella_first_hand_only;
    rules.TrumpRequired = o.trump_required;
    session.Table().Mode().SoundOn = false;
    session.Table().Mode().CardAnimation = false;
    std::string error;
    if (club) {
      if (!club->Login(o.player, &error)) return Fail(g, error);
      session.UseClub(&club->Session(), club);
    }
    const auto start = [&] { session.StartGame(rules, o.player, g, 0); };
    if (const auto stuck = PlayGame(session.Table(), start, players, log, decks, counts)) {
      return Fail(g, *stuck);
    }
    if (club && !club->failure().empty()) return Fail(g, club->failure());
    if (score) *score = session.Record().GameScore;
    return true;
  }

  bool Fail(int g, const std::string& error) {
    std::cerr << "ostrel-sim: game " << g << ": " << error << '\n';
    return false;
  }

  bool PlayAll() {
    Random deal_random(o.seed);
    for (int g = 1; g <= o.games; ++g) {
      if (!PlayOne(g, o.team_policy[1], o.team_policy[2], deal_random, o.seed * 7919 + g,
                   nullptr)) {
        return false;
      }
    }
    return true;
  }

  // Each game's decks twice, the policies swapped; differences from the first policy's side.
  bool PlayDuplicate(DuplicateTally& tally) {
    const Policy a = o.team_policy[1], b = o.team_policy[2];
    for (int g = 1; g <= o.games; ++g) {
      int diff[2] = {};
      for (int swap = 0; swap < 2; ++swap) {
        Random deal_random(DealSeed(o.seed, g));
        Array1<std::int32_t, 2> score{};
        if (!PlayOne(g, swap ? b : a, swap ? a : b, deal_random, o.seed * 7919 + g, &score)) {
          return false;
        }
        diff[swap] = swap ? score[2] - score[1] : score[1] - score[2];
      }
      tally.AddPair(diff[0], diff[1]);
    }
    return true;
  }
};

int RunAll(const SimOptions& o) {
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

  JsonLogPort log(out, nullptr);
  if (o.Lan() || o.tournament) {
    // A network peer's log is written as it goes: a peer that is killed or stopped keeps what
    // it had, and whoever watches the game can follow it.
    if (file.is_open()) file << std::unitbuf;
    const int code = o.tournament ? RunTourPeer(o, log) : RunLanPeer(o, log);
    if (file.is_open()) {
      file.flush();
      if (!file) {
        std::cerr << "ostrel-sim: writing the log " << o.log_file << " failed\n";
        return 1;
      }
    }
    return code;
  }
  RunCounts counts;
  Run run{o, log, decks, counts, club ? &*club : nullptr};
  DuplicateTally tally;
  const auto start = std::chrono::steady_clock::now();
  if (!(o.duplicate ? run.PlayDuplicate(tally) : run.PlayAll())) return 1;
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  if (file.is_open()) {
    file.flush();
    if (!file) {
      std::cerr << "ostrel-sim: writing the log " << o.log_file << " failed\n";
      return 1;
    }
  }
  if (o.duplicate) {
    std::printf("%s\n",
                tally.Summary(PolicyName(o.team_policy[1]), PolicyName(o.team_policy[2])).c_str());
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
  return RunAll(*parsed.options);
}
