#include "storage/club_session.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>

#include "test_support.h"

namespace ostrel {
namespace {

using testing::ReadBytes;
using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

class Session : public ::testing::Test {
 protected:
  void SetUp() override {
    const std::string club = SerializeClubFile(InitialClubFile());
    WriteBytes(home.File(kLocalClubFileName), club);
    WriteBytes(home.File(kNetClubFileName), club);
  }
  std::optional<ClubSession> Open(bool multiplayer = false) {
    std::string error;
    auto session = ClubSession::Open(home.path(), multiplayer, &error);
    EXPECT_TRUE(session.has_value()) << error;
    return session;
  }
  static HistoryClock Clock() {
    return {[] { return std::time_t{1796893500}; }, [](const std::tm&) { return "10.12.26"; }};
  }
  HistoryFileInfo HistoryFile(int n) {
    return VerifyHistoryFile(home.File("History"), "Ostrel4", n, Clock());
  }

  TempFolder home;
  RecordingPort port;
};

TEST_F(Session, ANewPlayerJoinsAndComesBackAsAMember) {
  auto session = Open();
  ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
  EXPECT_EQ(session->player()->seat, kNewPlayerSeat);
  EXPECT_EQ(session->GameNumber(), 1);
  EXPECT_EQ(session->InitialScore(), 0);

  FinishedGame game = session->RecordFinishedGame(160, port, "", Clock());
  EXPECT_TRUE(game.history.ok()) << game.history.message();
  EXPECT_TRUE(game.club.ok()) << game.club.message();
  EXPECT_TRUE(port.phrases.empty());
  EXPECT_EQ(game.game_number, 1);
  EXPECT_EQ(game.new_score, 160);
  EXPECT_DOUBLE_EQ(game.rating, 8.0);
  EXPECT_EQ(game.seat, 1);

  // The history line carries the rating, the game number and the new score.
  HistoryFileInfo history = HistoryFile(1);
  ASSERT_TRUE(history.sound);
  HistoryRow row = HistoryRowOf(history.game_lines[0]);
  EXPECT_EQ(row.player.substr(0, 5), "Anna ");
  EXPECT_EQ(row.games, "  1");
  EXPECT_EQ(row.result, "       160");
  EXPECT_EQ(row.rating, "      8,00");
  EXPECT_EQ(row.type, "Local");

  // A fresh session reads the file the first one wrote.
  auto again = Open();
  ASSERT_EQ(again->LoginByName("Anna", "").error, LoginError::None);
  EXPECT_EQ(again->player()->seat, 1);
  EXPECT_EQ(again->GameNumber(), 2);
  EXPECT_EQ(again->InitialScore(), 160);
  EXPECT_EQ(again->LoginByName("Anna", "wrong").error, LoginError::IncorrectPassword);
}

TEST_F(Session, TheTwentyFifthGameClosesTheCycle) {
  auto session = Open();
  ASSERT_EQ(session->LoginByName("Anna", "pw").error, LoginError::None);
  FinishedGame game;
  for (int n = 1; n <= 25; ++n) game = session->RecordFinishedGame(10, port, "", Clock());
  EXPECT_TRUE(game.cycle_end);
  EXPECT_EQ(game.game_number, 25);
  EXPECT_EQ(game.new_score, 250);
  EXPECT_EQ(game.best_ten_rank, 1);
  EXPECT_EQ(session->InitialScore(), 0);
  EXPECT_EQ(session->GameNumber(), 26);
  EXPECT_EQ(session->TopTen().rows[1].result, "   250");
  EXPECT_EQ(HistoryFile(1).games, 25);
}

TEST_F(Session, AReadOnlyClubIsNotWrittenButHistoryIs) {
  ASSERT_EQ(::chmod(home.File(kLocalClubFileName).c_str(), 0444), 0);
  const std::string before = ReadBytes(home.File(kLocalClubFileName));
  auto session = Open();
  EXPECT_FALSE(session->writable());
  ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
  FinishedGame game = session->RecordFinishedGame(20, port, "", Clock());
  EXPECT_TRUE(game.history.ok());
  EXPECT_FALSE(game.club.ok());
  EXPECT_EQ(ReadBytes(home.File(kLocalClubFileName)), before);
}

TEST_F(Session, ALanGameUsesTheNetClubAndThePlayersNames) {
  auto session = Open(true);
  EXPECT_EQ(std::filesystem::path(session->club_path()).filename(), kNetClubFileName);
  ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
  FinishedGame game = session->RecordFinishedGame(-40, port, "Anna/Boris", Clock());
  EXPECT_TRUE(game.club.ok());
  HistoryRow row = HistoryRowOf(HistoryFile(1).game_lines[0]);
  EXPECT_EQ(row.player.substr(0, 11), "Anna/Boris ");
  EXPECT_EQ(row.type, "Net");
  auto local = Open(false);
  EXPECT_TRUE(ReadMember(local->club(), 1).empty);
}

TEST_F(Session, AMissingOrDamagedClubDoesNotOpen) {
  WriteBytes(home.File(kLocalClubFileName), "damaged");
  std::string error;
  EXPECT_FALSE(ClubSession::Open(home.path(), false, &error).has_value());
  EXPECT_NE(error.find("The incorrect file"), std::string::npos) << error;
  EXPECT_FALSE(ClubSession::Open(home.File("nowhere"), false, &error).has_value());
  EXPECT_NE(error.find("Can`t find the file"), std::string::npos) << error;
}

TEST(SessionFolder, AnEmptyFolderGetsTheInitialClubFiles) {
  TempFolder home;
  std::string error;
  auto session = ClubSession::OpenOrInstall(home.File("sim"), false, "", &error);
  ASSERT_TRUE(session.has_value()) << error;
  EXPECT_EQ(ReadBytes(home.File("sim/Ostrel4.clb")), SerializeClubFile(InitialClubFile()));
  EXPECT_EQ(ReadBytes(home.File("sim/Ostrel4.net")), SerializeClubFile(InitialClubFile()));
  // A damaged club is not replaced: it still stops the program.
  WriteBytes(home.File("sim/Ostrel4.clb"), "damaged");
  EXPECT_FALSE(ClubSession::OpenOrInstall(home.File("sim"), false, "", &error).has_value());
  EXPECT_EQ(ReadBytes(home.File("sim/Ostrel4.clb")), "damaged");
}

TEST_F(Session, RecordingWithoutALoginFails) {
  auto session = Open();
  FinishedGame game = session->RecordFinishedGame(10, port, "", Clock());
  EXPECT_FALSE(game.club.ok());
  EXPECT_FALSE(HistoryFile(1).sound);
}

}  // namespace
}  // namespace ostrel
