#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cstdio>
#include <cstring>

#include "i18n/phrases.h"
#include "storage/champions.h"
#include "storage/club_file.h"
#include "storage/club_store.h"
#include "storage/club_update.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::FailingFileSystem;
using testing::FailStep;
using testing::ReadBytes;
using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

struct Member {
  const char* name;
  double rating;
  int games;
  int cycle_score;
  const char* password;
};

// A club with these members from seat 1 down and these best-ten results from line 6 down.
ClubFile MakeClub(const std::vector<Member>& members, const std::vector<int>& results = {}) {
  ClubFile club = InitialClubFile();
  for (std::size_t i = 0; i < members.size(); ++i) {
    const Member& m = members[i];
    club.lines[i + 1] =
        MemberLine(m.name, m.rating, m.games, m.cycle_score, PasswordCode(m.password));
  }
  for (std::size_t i = 0; i < results.size(); ++i) {
    club.lines[kBestTenFirstLine + i] = ResultLine("Old" + std::to_string(i + 1), results[i]);
  }
  return club;
}

std::string NameAt(const ClubFile& club, int line) {
  std::string name = club.lines[line].substr(0, kNameWidth);
  while (!name.empty() && name.back() == ' ') name.pop_back();
  return name;
}

ClubPlayer PlayerAt(const ClubFile& club, int seat) {
  LoginResult login = ClubLogin(club, seat, NameAt(club, seat), "pw", "pw");
  EXPECT_EQ(login.error, LoginError::None);
  return login.player;
}

TEST(ClubFile, LinesHaveTheirWidths) {
  ClubFile club = MakeClub({{"Anna", -12.345678, 1234, -250, "abc"}});
  EXPECT_EQ(club.lines[1], "Anna                -12,345678   1234   -250" + PasswordCode("abc"));
  EXPECT_EQ(club.lines[1].size(), kMemberWidth);
  EXPECT_EQ(PasswordCode("ab"), "414415349349349");  // 'a' 97 + 317, spaces 32 + 317
  EXPECT_EQ(EmptySeatLine().size(), kMemberWidth);
  EXPECT_EQ(ClubRatingText(0), "  0,000000");
  EXPECT_EQ(ClubRatingText(-0.0000001), "  0,000000");
  EXPECT_EQ(ClubRatingText(250), " 99,990000");
  EXPECT_EQ(ClubRatingText(-250), "-99,990000");
}

TEST(ClubFile, RatingsReadAnyOtherCharacterAsTheDecimalMark) {
  EXPECT_DOUBLE_EQ(ParseClubRating("  1,500000").value_or(-1), 1.5);
  EXPECT_DOUBLE_EQ(ParseClubRating(" -2.250000").value_or(-1), -2.25);
  EXPECT_DOUBLE_EQ(ParseClubRating("  3x750000").value_or(-1), 3.75);
  EXPECT_DOUBLE_EQ(ParseClubRating("        12").value_or(-1), 12);
}

TEST(ClubFile, InitialFileRoundTrips) {
  const std::string bytes = SerializeClubFile(InitialClubFile());
  auto club = ParseClubFile(bytes);
  ASSERT_TRUE(club.has_value());
  EXPECT_EQ(SerializeClubFile(*club), bytes);
  EXPECT_EQ(bytes.size(), 5u * 61 + 10 * 28 + 2 * 30);
  EXPECT_EQ(club->lines[16].substr(0, 2), "\xA5}");
}

TEST(ClubFile, ChecksumsAreTheSumsOfAllEvenAndThirdBytesOfLines1To16) {
  ClubFile club = MakeClub({{"Ж\xA5", 3.5, 30, 120, "abc"}}, {400});
  const std::string bytes = SerializeClubFile(club);
  std::string body;
  for (int line = 1; line <= 16; ++line) body += club.lines[line];
  ASSERT_EQ(body.size(), 583u);
  long all = 0, even = 0, third = 0;
  for (std::size_t i = 1; i <= body.size(); ++i) {
    const long byte = static_cast<unsigned char>(body[i - 1]);
    all += byte;
    even += i % 2 == 0 ? byte : 0;
    third += i % 3 == 0 ? byte : 0;
  }
  char expected[80];
  std::snprintf(expected, sizeof expected, "%06ld%06ld%06ld", all, even, third);
  EXPECT_EQ(bytes.substr(bytes.size() - 20, 18), expected);
  EXPECT_EQ(bytes.substr(bytes.size() - 30, 10), "0#####kqx#");
}

TEST(ClubFile, ChangingAnyCheckedCharacterMakesTheFileUnsound) {
  const std::string bytes = SerializeClubFile(
      MakeClub({{"Anna", 3.5, 30, 120, "abc"}, {"Boris", 1, 4, -20, ""}}, {400, 100, 0}));
  ASSERT_TRUE(ParseClubFile(bytes).has_value());
  // Columns 1-10 of line 17 are the installation marks, which the checksums do not cover.
  const std::size_t marks = bytes.size() - 30;
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    if (i >= marks && i < marks + 10) continue;
    for (char replacement : {'0', '#', ' ', '\xA5'}) {
      if (bytes[i] == replacement) continue;
      std::string damaged = bytes;
      damaged[i] = replacement;
      EXPECT_FALSE(ParseClubFile(damaged).has_value()) << "byte " << i << " -> " << replacement;
    }
  }
}

TEST(ClubFile, LineCountAndLineEndsAreChecked) {
  const std::string bytes = SerializeClubFile(InitialClubFile());
  EXPECT_FALSE(ParseClubFile(bytes + "\r\n").has_value());
  EXPECT_FALSE(ParseClubFile(bytes.substr(0, bytes.size() - 2)).has_value());
  std::string lf_only;
  for (char c : bytes) {
    if (c != '\r') lf_only += c;
  }
  EXPECT_FALSE(ParseClubFile(lf_only).has_value());
  EXPECT_FALSE(ParseClubFile("").has_value());
}

// A club file whose checksums match but whose fields could not have been written by the
// program is damaged: a games count of -1 would make the next rating divide by zero.
struct FieldCase {
  const char* name;
  std::size_t column;  // 1-based column of the first changed character in line 1
  const char* text;
};

class ClubFieldOutOfRange : public ::testing::TestWithParam<FieldCase> {};

TEST_P(ClubFieldOutOfRange, MakesTheFileIncorrect) {
  ClubFile club = MakeClub({{"Anna", 1.5, 30, 120, "abc"}}, {400});
  const FieldCase& c = GetParam();
  club.lines[1].replace(c.column - 1, std::strlen(c.text), c.text);
  ASSERT_EQ(club.lines[1].size(), kMemberWidth);
  // SerializeClubFile writes fresh checksums: only the field itself is wrong.
  EXPECT_FALSE(ParseClubFile(SerializeClubFile(club)).has_value()) << club.lines[1];
}

INSTANTIATE_TEST_SUITE_P(Fields, ClubFieldOutOfRange,
                         ::testing::ValuesIn(std::vector<FieldCase>{
                             {"NegativeGames", 31, "     -1"},
                             {"GamesNotANumber", 31, "   12x4"},
                             {"RatingAboveTheLimit", 21, "123,000000"},
                             {"RatingBelowTheLimit", 21, "-99,990001"},
                             {"RatingWithTwoMarks", 21, "  1,500,00"},
                             {"RatingWithoutDigits", 21, "      ,   "},
                             {"CycleScoreNotANumber", 39, "  12ab"},
                             {"NoSpaceBeforeTheCycleScore", 38, "7"},
                             {"PasswordCodeTooSmall", 45, "316"},
                             {"PasswordCodeTooLarge", 57, "573"},
                             {"PasswordCodeNotDigits", 48, "3 9"},
                             {"LineFeedInTheName", 3, "\n"},
                             {"ControlCharacterInTheName", 1, "\x01"},
                         }),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ClubFile, FieldsAtTheEdgesOfTheirRangesAreSound) {
  ClubFile club =
      MakeClub({{"Anna", 99.99, 0, -99999, "\xFF\xFF"}, {"Boris", -99.99, 9999999, 999999, ""}},
               {-99999, 999999});
  ASSERT_TRUE(ParseClubFile(SerializeClubFile(club)).has_value());
  // A result place still empty and one holding a result.
  EXPECT_FALSE(BestTenResult(club, 8).has_value());
  club.lines[8] = "Vera                 xyz ";
  club.lines[8].resize(kResultWidth, ' ');
  EXPECT_FALSE(ParseClubFile(SerializeClubFile(club)).has_value());
}

// Counts that reached the end of their columns stay numbers the next start can read.
TEST(ClubUpdate, CountsAtTheEndOfTheirColumnsStayReadable) {
  ClubFile club = MakeClub({{"Anna", 1, 9999999, 999990, "pw"}});
  ClubGameResult result = FinishClubGame(club, PlayerAt(club, 1), 1000);
  ASSERT_TRUE(ParseClubFile(SerializeClubFile(club)).has_value()) << club.lines[1];
  const ClubMember anna = ReadMember(club, result.placement.seat);
  EXPECT_EQ(anna.games, 9999999);
  EXPECT_EQ(anna.cycle_score, 999999);
}

// No name can break the club file's lines, whichever way it comes in: the login refuses it,
// and a writer given one anyway writes its control characters as spaces.
TEST(ClubNames, ALineBreakInANameNeverReachesTheFile) {
  const std::vector<std::string> names = {"Evil\nName",
                                          "Evil\rName",
                                          "Evil\r\n",
                                          "\nEvil",
                                          "Tab\tName",
                                          "Del\x7F",
                                          std::string("Nul\0Name", 8)};
  for (const std::string& name : names) {
    EXPECT_FALSE(IsAcceptableName(name)) << name;
    EXPECT_EQ(ClubLogin(InitialClubFile(), kNewPlayerSeat, name, "", "").error,
              LoginError::IncorrectName);
    ClubFile club = InitialClubFile();
    club.lines[1] = MemberLine(name, 1, 1, 0, PasswordCode("pw"));
    club.lines[6] = ResultLine(name, 100);
    EXPECT_TRUE(ParseClubFile(SerializeClubFile(club)).has_value()) << name;
  }
  EXPECT_TRUE(IsAcceptableName("Юрий Петрович"));
  EXPECT_FALSE(IsAcceptableName(""));
}

TEST(ClubRating, NextRatingFollowsTheRuleAndIsLimited) {
  EXPECT_DOUBLE_EQ(NextRating(0, 0, 100), 5.0);
  EXPECT_DOUBLE_EQ(NextRating(3, 2.0, 100), 2.75);
  EXPECT_DOUBLE_EQ(NextRating(2, 0, 1), 0.016667);  // rounded to six decimals
  EXPECT_DOUBLE_EQ(NextRating(0, 0, 5000), 99.99);
  EXPECT_DOUBLE_EQ(NextRating(0, 0, -5000), -99.99);
}

TEST(ClubLogin, ChecksNameAndPasswords) {
  ClubFile club = MakeClub({{"Anna", 3.5, 1234, 120, "abc"}});
  EXPECT_EQ(ClubLogin(club, 6, "", "x", "x").error, LoginError::IncorrectName);
  EXPECT_EQ(ClubLogin(club, 6, "Vera", "x", "y").error, LoginError::PasswordsDiffer);
  EXPECT_EQ(ClubLogin(club, 1, "Anna", "abd", "").error, LoginError::IncorrectPassword);
  EXPECT_EQ(LoginErrorPhrase(LoginError::IncorrectPassword), PhraseKey::WrongPassword);

  LoginResult member = ClubLogin(club, 1, "Anja", "abc", "");
  ASSERT_EQ(member.error, LoginError::None);
  EXPECT_EQ(member.player.seat, 1);
  EXPECT_EQ(member.player.name, "Anja                ");  // the typed name replaces the old one
  EXPECT_EQ(member.player.games, 1234);
  EXPECT_EQ(member.player.cycle_score, 120);
  EXPECT_DOUBLE_EQ(member.player.rating, 3.5);
  // A password is compared filled with spaces to five characters.
  EXPECT_EQ(ClubLogin(club, 1, "Anna", "abc  ", "").error, LoginError::None);

  LoginResult fresh = ClubLogin(club, 6, "Vera", "pw", "pw");
  ASSERT_EQ(fresh.error, LoginError::None);
  EXPECT_EQ(fresh.player.seat, kNewPlayerSeat);
  EXPECT_EQ(fresh.player.games, 0);
  // An empty seat is taken like a new player.
  EXPECT_EQ(ClubLogin(club, 3, "Vera", "pw", "pw").player.seat, kNewPlayerSeat);
}

TEST(ClubUpdate, RemoveMemberMovesTheOthersUp) {
  ClubFile club = MakeClub({{"A", 5, 1, 0, ""}, {"B", 4, 1, 0, ""}, {"C", 3, 1, 0, ""}});
  RemoveMember(club, 1);
  EXPECT_EQ(NameAt(club, 1), "B");
  EXPECT_EQ(NameAt(club, 2), "C");
  EXPECT_TRUE(IsEmptySeat(club.lines[3]));
  EXPECT_TRUE(IsEmptySeat(club.lines[5]));
  RemoveMember(club, kNewPlayerSeat);
  EXPECT_EQ(NameAt(club, 1), "B");
}

// Where a finished game puts its player among the members.
struct PlacementCase {
  const char* name;
  std::vector<Member> members;
  int seat;  // the player's seat before the game (6 for a new player)
  int difference;
  int expected_seat;                        // 0: the player fell out
  std::vector<std::string> expected_names;  // seats 1-5 after the game, "" for an empty seat
};

class ClubPlacement : public ::testing::TestWithParam<PlacementCase> {};

TEST_P(ClubPlacement, PutsThePlayerWhereTheRatingsSay) {
  const PlacementCase& c = GetParam();
  ClubFile club = MakeClub(c.members);
  ClubPlayer player = c.seat == kNewPlayerSeat ? ClubLogin(club, 6, "New", "pw", "pw").player
                                               : PlayerAt(club, c.seat);
  ClubGameResult result = FinishClubGame(club, player, c.difference);
  EXPECT_EQ(result.placement.seat, c.expected_seat);
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    const std::string& expected = c.expected_names[seat - 1];
    if (expected.empty()) {
      EXPECT_TRUE(IsEmptySeat(club.lines[seat])) << seat;
    } else {
      EXPECT_EQ(NameAt(club, seat), expected) << seat;
    }
  }
  EXPECT_TRUE(ParseClubFile(SerializeClubFile(club)).has_value());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ClubPlacement,
    ::testing::Values(
        PlacementCase{"NewPlayerTakesTheFirstEmptySeat",
                      {{"A", 1, 1, 0, "pw"}},
                      6,
                      -200,
                      2,
                      {"A", "New", "", "", ""}},
        // 20 games at 1.0, then a difference of 20: (20 x 1 + 1) / 21 = 1.0 exactly.
        PlacementCase{"EqualRatingGoesAboveTheExistingMember",
                      {{"A", 2, 1, 0, "pw"}, {"B", 1, 1, 0, "pw"}, {"C", 1, 20, 0, "pw"}},
                      3,
                      20,
                      2,
                      {"A", "C", "B", "", ""}},
        PlacementCase{"NewPlayerBelowAllFiveFallsOut",
                      {{"A", 5, 1, 0, "pw"},
                       {"B", 4, 1, 0, "pw"},
                       {"C", 3, 1, 0, "pw"},
                       {"D", 2, 1, 0, "pw"},
                       {"E", 1, 1, 0, "pw"}},
                      6,
                      -100,
                      0,
                      {"A", "B", "C", "D", "E"}},
        PlacementCase{"NewPlayerAboveTheLastPushesItOut",
                      {{"A", 5, 1, 0, "pw"},
                       {"B", 4, 1, 0, "pw"},
                       {"C", 3, 1, 0, "pw"},
                       {"D", 2, 1, 0, "pw"},
                       {"E", 1, 1, 0, "pw"}},
                      6,
                      50,
                      4,
                      {"A", "B", "C", "New", "D"}},  // rating 2.5
        PlacementCase{"LeaderWhoLosesMovesDown",
                      {{"A", 5, 1, 0, "pw"}, {"B", 4, 1, 0, "pw"}, {"C", 3, 1, 0, "pw"}},
                      1,
                      -400,
                      3,
                      {"B", "C", "A", "", ""}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(ClubUpdate, TheRecordKeepsItsPasswordAndCountsTheGame) {
  ClubFile club = MakeClub({{"Anna", 2, 3, 40, "pw"}});
  ClubGameResult result = FinishClubGame(club, PlayerAt(club, 1), 100);
  EXPECT_EQ(result.games, 4);
  EXPECT_EQ(result.cycle_score, 140);
  EXPECT_DOUBLE_EQ(result.rating, 2.75);
  EXPECT_EQ(club.lines[1], MemberLine("Anna", 2.75, 4, 140, PasswordCode("pw")));
  EXPECT_EQ(ClubLogin(club, 1, "Anna", "pw", "").error, LoginError::None);
}

TEST(ClubBestTen, TheTwentyFifthGameEntersAboveAnEqualResultAndResetsTheCycle) {
  // 24 games played with a cycle score of 30; the 25th loses 30: the cycle ends at 0.
  ClubFile club = MakeClub({{"Anna", 1, 24, 30, "pw"}}, {500, 200, 0, -10});
  ClubGameResult result = FinishClubGame(club, PlayerAt(club, 1), -30);
  EXPECT_EQ(result.cycle_score, 0);
  EXPECT_EQ(result.placement.best_ten_rank, 3);
  EXPECT_EQ(club.lines[8], ResultLine("Anna", 0));
  EXPECT_EQ(NameAt(club, 9), "Old3");  // the old 0 is now below
  EXPECT_EQ(NameAt(club, 10), "Old4");
  EXPECT_EQ(ReadMember(club, 1).cycle_score, 0);
  EXPECT_EQ(ReadMember(club, 1).games, 25);
}

TEST(ClubBestTen, OnlyTheEndOfACycleEntersAndTheLastResultFallsOut) {
  ClubFile club =
      MakeClub({{"Anna", 1, 48, 900, "pw"}}, {1000, 900, 800, 700, 600, 500, 400, 300, 200, 100});
  ClubGameResult not_yet = FinishClubGame(club, PlayerAt(club, 1), 10);  // game 49
  EXPECT_EQ(not_yet.placement.best_ten_rank, 0);
  EXPECT_EQ(NameAt(club, 15), "Old10");
  ClubGameResult cycle = FinishClubGame(club, PlayerAt(club, 1), 0);  // game 50, score 910
  EXPECT_EQ(cycle.placement.best_ten_rank, 2);
  EXPECT_EQ(NameAt(club, 7), "Anna");
  EXPECT_EQ(NameAt(club, 8), "Old2");
  EXPECT_EQ(NameAt(club, 15), "Old9");
}

TEST(ClubBestTen, AResultBelowAllTenStaysOutside) {
  ClubFile club = MakeClub({{"Anna", 1, 24, -100, "pw"}}, {10, 9, 8, 7, 6, 5, 4, 3, 2, 1});
  EXPECT_EQ(FinishClubGame(club, PlayerAt(club, 1), 0).placement.best_ten_rank, 0);
  EXPECT_EQ(NameAt(club, 15), "Old10");
  EXPECT_EQ(ReadMember(club, 1).cycle_score, 0);  // the cycle is over all the same
}

TEST(ClubBestTen, AnEmptyPlaceTakesAnyResult) {
  ClubFile club = MakeClub({{"Anna", 1, 24, -500, "pw"}}, {10});
  EXPECT_EQ(FinishClubGame(club, PlayerAt(club, 1), 0).placement.best_ten_rank, 2);
}

TEST(Champions, ViewOneShowsTheGameOfTheCycleAndTheScore) {
  ClubFile club = MakeClub({{"Anna", 3.456, 1234, -75, "pw"}});
  ChampionsTable table = ShowChampions(club, 1);
  EXPECT_EQ(table.header, PhraseKey::ClubHeaderScore);
  EXPECT_EQ(table.rows[1].name, "Anna                ");
  EXPECT_EQ(table.rows[1].rest, "      9       -75");
  EXPECT_TRUE(table.rows[2].empty);
  EXPECT_EQ(table.rows[2].rest, "    ###    ######");
}

TEST(Champions, ViewTwoShowsAllGamesAndTheRating) {
  ClubFile club = MakeClub({{"Anna", -3.456, 1234, -75, "pw"}, {"Boris", 0, 1, 0, ""}});
  ChampionsTable table = ShowChampions(club, 2);
  EXPECT_EQ(table.header, PhraseKey::ClubHeaderRating);
  EXPECT_EQ(table.rows[1].rest, "     1234   -3,46");
  EXPECT_EQ(table.rows[2].rest, "        1    0,00");
  EXPECT_EQ(table.rows[3].rest, "  #######  ######");
}

TEST(Champions, ALongNameIsShortenedWithAnEllipsis) {
  ChampionRow row{false, "Maximilian Augustus ", "    3    100"};
  auto fits = [](std::size_t limit) {
    return [limit](std::string_view text) { return text.size() <= limit; };
  };
  EXPECT_EQ(FitChampionRow(row, fits(100)), "Maximilian Augustus     3    100");
  // Removing the trailing space alone loses nothing: no ellipsis.
  EXPECT_EQ(FitChampionRow(row, fits(31)), "Maximilian Augustus    3    100");
  EXPECT_EQ(FitChampionRow(row, fits(30)), "Maximilian Augu...    3    100");
  EXPECT_EQ(FitChampionRow(row, fits(25)), "Maximilian...    3    100");
  EXPECT_EQ(FitChampionRow(row, fits(1)), "Ma...    3    100");  // never below 5
}

TEST(TopTen, ListsTheTenResultsWithTheFirstThreeInRed) {
  ClubFile club = MakeClub({}, {300, 200});
  TopTenTable local = TopTenList(club, false);
  EXPECT_EQ(local.title, PhraseKey::TopTenLocalTitle);
  EXPECT_EQ(TopTenList(club, true).title, PhraseKey::TopTenNetTitle);
  EXPECT_EQ(local.rows[1].rank, "1.");
  EXPECT_EQ(local.rows[10].rank, "10.");
  EXPECT_EQ(local.rows[1].name, "Old1                ");
  EXPECT_EQ(local.rows[1].result, "   300");
  EXPECT_FALSE(local.rows[2].empty);
  EXPECT_TRUE(local.rows[3].empty);
  EXPECT_TRUE(local.rows[3].red);
  EXPECT_FALSE(local.rows[4].red);
}

class ClubStore : public ::testing::Test {
 protected:
  std::string Path() const { return folder.File("Ostrel4.clb"); }
  TempFolder folder;
};

TEST_F(ClubStore, VerifyReportsMissingAndDamagedFiles) {
  ClubCheck missing = VerifyClubFile(Path());
  EXPECT_EQ(missing.problem, ClubProblem::Missing);
  EXPECT_FALSE(missing.usable());
  EXPECT_EQ(ClubProblemText(missing.problem, "/x/Ostrel4.clb"),
            "Can`t find the file \"/x/Ostrel4.clb\"!");

  std::string bytes = SerializeClubFile(MakeClub({{"Anna", 1, 1, 0, "pw"}}));
  bytes[0] = 'B';  // one character of a member's name
  WriteBytes(Path(), bytes);
  ClubCheck damaged = VerifyClubFile(Path());
  EXPECT_EQ(damaged.problem, ClubProblem::Incorrect);
  EXPECT_FALSE(damaged.usable());
  EXPECT_EQ(ClubProblemText(damaged.problem, "/x/Ostrel4.clb"),
            "The incorrect file \"/x/Ostrel4.clb\"!");
}

// A club file that cannot be read is reported as such, not as a damaged file.
TEST_F(ClubStore, AFileThatCannotBeReadIsNotCalledIncorrect) {
  WriteBytes(Path(), SerializeClubFile(InitialClubFile()));
  FailingFileSystem fs(FailStep::Read);
  ClubCheck check = VerifyClubFile(Path(), fs);
  EXPECT_EQ(check.problem, ClubProblem::Unreadable);
  EXPECT_FALSE(check.usable());
  EXPECT_EQ(ClubProblemText(check.problem, "/x/Ostrel4.clb"),
            "Can`t read the file \"/x/Ostrel4.clb\"!");

  // A pipe in its place must not block the start.
  ::unlink(Path().c_str());
  ASSERT_EQ(::mkfifo(Path().c_str(), 0644), 0);
  ::alarm(10);
  EXPECT_EQ(VerifyClubFile(Path()).problem, ClubProblem::Unreadable);
  ::alarm(0);
}

TEST_F(ClubStore, VerifyReadsTheMarksAndTheAttributes) {
  ClubFile club = InitialClubFile();
  club.lines[17].replace(0, 10, "1#####abc#");
  WriteBytes(Path(), SerializeClubFile(club));
  ClubCheck sound = VerifyClubFile(Path());
  EXPECT_EQ(sound.problem, ClubProblem::None);
  EXPECT_TRUE(sound.russian);
  EXPECT_EQ(sound.distribution_label, "abc");
  EXPECT_TRUE(sound.writable);

  ASSERT_EQ(::chmod(Path().c_str(), 0444), 0);
  ClubCheck read_only = VerifyClubFile(Path());
  EXPECT_EQ(read_only.problem, ClubProblem::ReadOnly);
  EXPECT_TRUE(read_only.usable());
  EXPECT_FALSE(read_only.writable);
  EXPECT_EQ(ClubProblemText(read_only.problem, "p"),
            "The file \"p\" has incorrect attributes!\n\rThe work of the program will be "
            "incorrect!");
  // The message is in the current language.
  SetLanguage(kRussian);
  const std::string russian = ClubProblemText(read_only.problem, "p");
  SetLanguage(kEnglish);
  EXPECT_EQ(russian.substr(0, std::strlen("Файл \"p\"")), "Файл \"p\"");
}

TEST_F(ClubStore, AFailedWriteSaysSoAndKeepsTheOldContent) {
  const std::string old_bytes = SerializeClubFile(InitialClubFile());
  WriteBytes(Path(), old_bytes);
  ClubFile changed = MakeClub({{"Anna", 1, 1, 0, "pw"}});
  for (FailStep step :
       {FailStep::Create, FailStep::Write, FailStep::Flush, FailStep::Close, FailStep::Rename}) {
    FailingFileSystem fs(step);
    RecordingPort port;
    EXPECT_FALSE(SaveClubFile(Path(), changed, port, fs).ok());
    EXPECT_EQ(port.phrases, std::vector<PhraseKey>{PhraseKey::DiskWriteError});
    EXPECT_EQ(ReadBytes(Path()), old_bytes);
  }
  RecordingPort port;
  ASSERT_TRUE(SaveClubFile(Path(), changed, port).ok());
  EXPECT_EQ(NameAt(*VerifyClubFile(Path()).club, 1), "Anna");
}

TEST(ShippedClubFiles, TheGeneratedFilesVerify) {
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    const std::string path = std::string(OSTREL_SHARE_DIR) + "/" + name;
    ClubCheck check = VerifyClubFile(path);
    ASSERT_TRUE(check.usable()) << path << ": " << check.detail;
    EXPECT_FALSE(check.russian);
    for (int seat = 1; seat <= kClubSeats; ++seat) EXPECT_TRUE(ReadMember(*check.club, seat).empty);
    for (int line = kBestTenFirstLine; line <= kBestTenLastLine; ++line) {
      EXPECT_FALSE(BestTenResult(*check.club, line).has_value());
    }
  }
}

}  // namespace
}  // namespace ostrel
