// Simulated games at seat 4 of a program folder leave a sound club file and one sound history
// line per game, through the same end-of-game steps the desktop program takes.
#include <gtest/gtest.h>

#include <unistd.h>

#include <filesystem>

#include "game/game.h"
#include "session/game_session.h"
#include "sim/club_recorder.h"
#include "sim/sim_driver.h"
#include "sim/sim_players.h"
#include "storage/club_store.h"
#include "storage/history.h"

namespace ostrel::sim {
namespace {

TEST(SimHome, GamesUpdateTheClubAndTheHistory) {
  const auto home =
      std::filesystem::temp_directory_path() / ("ostrel-sim-home-" + std::to_string(::getpid()));
  std::filesystem::remove_all(home);
  std::string error;
  auto club = ClubRecorder::Open(home.string(), OSTREL_SHARE_DIR, &error);
  ASSERT_TRUE(club) << error;

  Random random(5);
  SimPlayers players(Policy::Random, Policy::Random, random, nullptr);
  JsonLogPort log(nullptr, nullptr);
  DeckQueue decks;
  RunCounts counts;
  constexpr int kGames = 30;
  for (int g = 1; g <= kGames; ++g) {
    ASSERT_TRUE(club->Login("Tester", &error)) << error;
    EXPECT_EQ(club->Session().GameNumber(), g);  // the club counts the player's games
    GameSession session(log, players, random);
    log.SetGame(&session.Table());
    session.Table().Mode().SoundOn = false;
    session.UseClub(&club->Session(), &*club);
    const auto start = [&] { session.StartGame(RuleOptions{}); };
    ASSERT_FALSE(PlayGame(session.Table(), start, players, log, decks, counts).has_value());
    ASSERT_TRUE(club->failure().empty()) << club->failure();
  }

  const ClubCheck check = VerifyClubFile((home / "Ostrel4.clb").string());
  ASSERT_TRUE(check.usable()) << check.detail;
  const HistoryFileInfo history = VerifyHistoryFile((home / "History").string(), "Ostrel4", 1);
  EXPECT_TRUE(history.sound);
  EXPECT_EQ(history.games, kGames);
  std::filesystem::remove_all(home);
}

// Two copies on one folder would each read the club at their start and write it back after
// every game, losing the other's games: the second is refused while the first runs, and a name
// that would break the club file's lines is refused at the login.
TEST(SimHome, ASecondCopyAndALineBreakInANameAreRefused) {
  const auto home =
      std::filesystem::temp_directory_path() / ("ostrel-sim-lock-" + std::to_string(::getpid()));
  std::filesystem::remove_all(home);
  std::string error;
  {
    auto first = ClubRecorder::Open(home.string(), OSTREL_SHARE_DIR, &error);
    ASSERT_TRUE(first) << error;
    EXPECT_FALSE(ClubRecorder::Open(home.string(), OSTREL_SHARE_DIR, &error).has_value());
    EXPECT_NE(error.find("already running"), std::string::npos) << error;
    EXPECT_FALSE(first->Login("Evil\nName", &error));
    EXPECT_TRUE(first->Login("Evil Name", &error)) << error;
  }
  EXPECT_TRUE(ClubRecorder::Open(home.string(), OSTREL_SHARE_DIR, &error).has_value()) << error;
  std::filesystem::remove_all(home);
}

}  // namespace
}  // namespace ostrel::sim
