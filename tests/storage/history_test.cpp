#include "storage/history.h"

#include <gtest/gtest.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <time.h>
#include <unistd.h>

#include <filesystem>

#include "storage/text.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::FailingFileSystem;
using testing::FailStep;
using testing::ReadBytes;
using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

// 2026-12-10 09:05:00 UTC.
constexpr std::time_t kWhen = 1796893500;

class History : public ::testing::Test {
 protected:
  void SetUp() override {
    ::setenv("TZ", "UTC", 1);
    ::tzset();
  }

  static HistoryClock Clock(std::string date = "10.12.2026") {
    return {[] { return kWhen; }, [date](const std::tm&) { return date; }};
  }
  static HisStr Game(std::string name = "Anna", int games = 7, int result = -120,
                     double rating = 1.5) {
    return {std::move(name), games, result, rating, HistoryKind::Computer};
  }
  std::string FilePath(int n) const { return HistoryFilePath(folder.path(), "Ostrel4", n); }
  Status Add(const HisStr& game, MessagePort& port) {
    return AddHistoryLine(folder.path(), "Ostrel4", game, port, Clock());
  }

  TempFolder folder;
};

TEST_F(History, RatingTextHasTwoDecimalsAndACommaInTenColumns) {
  struct Case {
    double rating;
    const char* text;
  };
  for (Case c : {Case{0, "      0,00"}, Case{0.05, "      0,05"}, Case{-1.5, "     -1,50"},
                 Case{99.99, "     99,99"}, Case{-0.004, "      0,00"}, Case{7.2, "      7,20"},
                 Case{-1234.5, "  -1234,50"}, Case{1e12, "**********"}}) {
    EXPECT_EQ(HistoryRatingText(c.rating), c.text) << c.rating;
  }
}

TEST_F(History, GameLineHasItsColumnsAndChecksum) {
  HisStr game = Game("Anna/Boris", 7, -120, 1.5);
  game.Ac = HistoryKind::Lan;
  const std::string line = HistoryGameLine(game, kWhen, Clock());
  ASSERT_EQ(line.size(), kHistoryLineWidth);
  EXPECT_EQ(line.substr(0, 5), "09:05");
  EXPECT_EQ(line.substr(5, 10), "10.12.2026");
  EXPECT_EQ(line.substr(15, 51), AlignLeft("Anna/Boris", 51));
  EXPECT_EQ(line.substr(66, 3), "  7");
  EXPECT_EQ(line.substr(69, 10), "      -120");
  EXPECT_EQ(line.substr(79, 10), "      1,50");
  EXPECT_EQ(line.substr(89, 10), "N#########");
  long all = 0, even = 0, third = 0;
  for (int i = 1; i <= 99; ++i) {
    const long byte = static_cast<unsigned char>(line[i - 1]);
    all += byte;
    even += i % 2 == 0 ? byte : 0;
    third += i % 3 == 0 ? byte : 0;
  }
  EXPECT_EQ(line.substr(99), ZeroPadded(all, 5) + ZeroPadded(even, 5) + ZeroPadded(third, 5));
}

TEST_F(History, LongDatesAndNamesAndCountsKeepTheLineAt114) {
  HisStr game = Game(std::string(60, 'x') + "Юрий", 1234, 5, 0);
  const std::string line = HistoryGameLine(game, kWhen, Clock("Thursday, 10 December 2026"));
  ASSERT_EQ(line.size(), kHistoryLineWidth);
  EXPECT_EQ(line.substr(5, 10), "Thursday, ");
  EXPECT_EQ(line.substr(15, 51), std::string(51, 'x'));
  EXPECT_EQ(line.substr(66, 3), "***");  // a count that does not fit its three columns
}

TEST_F(History, EndLineAndKinds) {
  const std::string end = HistoryEndLine();
  ASSERT_EQ(end.size(), kHistoryLineWidth);
  EXPECT_EQ(end.substr(0, 4), "$\xA5}#");
  EXPECT_EQ(end.substr(3, 96), std::string(96, '#'));
  HisStr game = Game();
  for (auto [kind, letter] : {std::pair{HistoryKind::Computer, 'L'},
                              {HistoryKind::Account, 'A'},
                              {HistoryKind::Tournament, 'T'},
                              {HistoryKind::Lan, 'N'}}) {
    game.Ac = kind;
    EXPECT_EQ(HistoryGameLine(game, kWhen, Clock())[89], letter);
  }
}

TEST_F(History, LinesAreAppendedToOneSoundFile) {
  RecordingPort port;
  ASSERT_TRUE(Add(Game("Anna", 1), port).ok());
  ASSERT_TRUE(Add(Game("Boris", 2), port).ok());
  EXPECT_TRUE(port.phrases.empty());
  HistoryFileInfo info = VerifyHistoryFile(folder.path(), "Ostrel4", 1, Clock("mtime"));
  ASSERT_TRUE(info.sound);
  EXPECT_EQ(info.games, 2);
  EXPECT_EQ(info.date, "mtime");
  EXPECT_EQ(HistoryRowOf(info.game_lines[1]).player.substr(0, 5), "Boris");
  EXPECT_EQ(HistoryRowOf(info.game_lines[1]).type, "Local");
  EXPECT_EQ(HistoryRowOf(info.game_lines[0]).games, "  1");
  EXPECT_FALSE(VerifyHistoryFile(folder.path(), "Ostrel4", 2).sound);
  EXPECT_EQ(std::filesystem::path(FilePath(1)).filename(), "Ostrel4_I0001.hst");
  const std::string bytes = ReadBytes(FilePath(1));
  EXPECT_EQ(bytes.size(), 3 * (kHistoryLineWidth + 2) + 32);
}

TEST_F(History, ChangingAnyCharacterMakesTheFileUnsound) {
  const std::string bytes = HistoryFileBytes({HistoryGameLine(Game("Anna"), kWhen, Clock()),
                                              HistoryGameLine(Game("Vera"), kWhen, Clock())});
  ASSERT_TRUE(ParseHistoryFile(bytes).sound);
  for (std::size_t i = 0; i < bytes.size(); ++i) {
    for (char replacement : {'0', '9', '#', '$', ' '}) {
      if (bytes[i] == replacement) continue;
      std::string damaged = bytes;
      damaged[i] = replacement;
      EXPECT_FALSE(ParseHistoryFile(damaged).sound) << "byte " << i << " -> " << replacement;
    }
  }
  EXPECT_FALSE(ParseHistoryFile(bytes + "x\r\n").sound);
  EXPECT_FALSE(ParseHistoryFile(bytes.substr(0, bytes.size() - 2)).sound);
  EXPECT_FALSE(ParseHistoryFile("").sound);
}

TEST_F(History, The841stGameGoesIntoTheNextFileAndLeavesTheFullOneAlone) {
  std::filesystem::create_directories(folder.path());
  const std::vector<std::string> full(kHistoryGamesPerFile,
                                      HistoryGameLine(Game(), kWhen, Clock()));
  const std::string full_bytes = HistoryFileBytes(full);
  WriteBytes(FilePath(1), full_bytes);
  ASSERT_EQ(VerifyHistoryFile(folder.path(), "Ostrel4", 1).games, 840);
  RecordingPort port;
  ASSERT_TRUE(Add(Game("Next"), port).ok());
  EXPECT_EQ(ReadBytes(FilePath(1)), full_bytes);
  HistoryFileInfo second = VerifyHistoryFile(folder.path(), "Ostrel4", 2);
  ASSERT_TRUE(second.sound);
  EXPECT_EQ(second.games, 1);
}

TEST_F(History, ADamagedFileIsKeptBesideItsReplacement) {
  RecordingPort port;
  ASSERT_TRUE(Add(Game("Anna"), port).ok());
  std::string damaged = ReadBytes(FilePath(1));
  damaged[20] = 'Z';
  WriteBytes(FilePath(1), damaged);
  ASSERT_TRUE(Add(Game("Boris"), port).ok());
  EXPECT_EQ(ReadBytes(FilePath(1) + ".damaged-1"), damaged);
  HistoryFileInfo info = VerifyHistoryFile(folder.path(), "Ostrel4", 1);
  ASSERT_TRUE(info.sound);
  EXPECT_EQ(info.games, 1);
  EXPECT_EQ(HistoryRowOf(info.game_lines[0]).player.substr(0, 5), "Boris");

  WriteBytes(FilePath(1), "garbage");
  ASSERT_TRUE(Add(Game("Vera"), port).ok());
  EXPECT_EQ(ReadBytes(FilePath(1) + ".damaged-2"), "garbage");
  EXPECT_TRUE(port.phrases.empty());
}

TEST_F(History, AFailedWriteSaysSoAndKeepsTheFile) {
  RecordingPort port;
  ASSERT_TRUE(Add(Game("Anna"), port).ok());
  const std::string before = ReadBytes(FilePath(1));
  FailingFileSystem fs(FailStep::Rename);
  EXPECT_FALSE(AddHistoryLine(folder.path(), "Ostrel4", Game("Boris"), port, Clock(), fs).ok());
  EXPECT_EQ(port.phrases, std::vector<PhraseKey>{PhraseKey::CantSaveHistory});
  EXPECT_EQ(ReadBytes(FilePath(1)), before);
}

// One failed read is not a damaged file: the 839 games it holds stay where they are, nothing
// is renamed or written over, and the player is told the game could not be saved.
TEST_F(History, AFileThatCannotBeReadIsLeftAsItIsAndTheFailureIsShown) {
  std::filesystem::create_directories(folder.path());
  const std::string full_bytes =
      HistoryFileBytes(std::vector<std::string>(839, HistoryGameLine(Game(), kWhen, Clock())));
  WriteBytes(FilePath(1), full_bytes);
  FailingFileSystem fs(FailStep::Read, 1);
  RecordingPort port;
  EXPECT_FALSE(AddHistoryLine(folder.path(), "Ostrel4", Game("Boris"), port, Clock(), fs).ok());
  EXPECT_EQ(port.phrases, std::vector<PhraseKey>{PhraseKey::CantSaveHistory});
  EXPECT_EQ(ReadBytes(FilePath(1)), full_bytes);
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Ostrel4_I0001.hst"});
  // The next game, with the disk well again, goes into the same file.
  ASSERT_TRUE(Add(Game("Vera"), port).ok());
  EXPECT_EQ(VerifyHistoryFile(folder.path(), "Ostrel4", 1).games, 840);
}

TEST_F(History, TheListTellsWhereAFileCouldNotBeRead) {
  std::filesystem::create_directories(folder.path());
  const std::string one = HistoryFileBytes({HistoryGameLine(Game(), kWhen, Clock())});
  WriteBytes(FilePath(1), one);
  ASSERT_EQ(::mkfifo(FilePath(2).c_str(), 0644), 0);  // no regular file: cannot be read
  std::string unreadable = "not set";
  auto items = ListHistoryFiles(folder.path(), "Ostrel4", Clock(), &unreadable);
  EXPECT_EQ(items.size(), 1u);
  EXPECT_EQ(unreadable, FilePath(2));
  ::unlink(FilePath(2).c_str());
  WriteBytes(FilePath(2), "damaged");
  items = ListHistoryFiles(folder.path(), "Ostrel4", Clock(), &unreadable);
  EXPECT_EQ(items.size(), 1u);
  EXPECT_EQ(unreadable, "");  // damaged, not unreadable
}

TEST_F(History, AFileTooLargeToBeAHistoryFileIsKeptAsideLikeADamagedOne) {
  std::filesystem::create_directories(folder.path());
  const std::string huge(kMaxHistoryFileBytes + 1, '#');
  WriteBytes(FilePath(1), huge);
  RecordingPort port;
  ASSERT_TRUE(Add(Game("Anna"), port).ok());
  EXPECT_EQ(ReadBytes(FilePath(1) + ".damaged-1").size(), huge.size());
  EXPECT_EQ(VerifyHistoryFile(folder.path(), "Ostrel4", 1).games, 1);
}

TEST_F(History, TheListEndsAtTheFirstFileThatIsNotSound) {
  EXPECT_TRUE(ListHistoryFiles(folder.path(), "Ostrel4", Clock()).empty());
  const std::string one = HistoryFileBytes({HistoryGameLine(Game(), kWhen, Clock())});
  WriteBytes(FilePath(1), one);
  WriteBytes(FilePath(2), one);
  WriteBytes(FilePath(4), one);  // after the gap at 3
  auto items = ListHistoryFiles(folder.path(), "Ostrel4", Clock("10.12.26"));
  ASSERT_EQ(items.size(), 2u);
  EXPECT_EQ(items[0].label, "File I0001 10.12.26");
  EXPECT_EQ(items[1].number, 2);
  EXPECT_EQ(items[1].info.games, 1);
}

TEST_F(History, TheFolderIsCreatedWithTheFirstLine) {
  const std::string history = folder.File("History");
  RecordingPort port;
  ASSERT_TRUE(AddHistoryLine(history, "Ostrel4", Game(), port, Clock()).ok());
  EXPECT_TRUE(VerifyHistoryFile(history, "Ostrel4", 1).sound);
}

TEST(HistoryClockTest, TheSystemClockGivesAShortDate) {
  HistoryClock clock = SystemHistoryClock();
  const std::string date = clock.short_date(LocalTime(kWhen));
  EXPECT_FALSE(date.empty());
  EXPECT_NE(date.find_first_of("0123456789"), std::string::npos) << date;
}

}  // namespace
}  // namespace ostrel
