// The end of a game writes the history line and the club file; a crash between the two must
// not leave the game in one and not the other. Each case runs the end of a game in a child
// process that is killed (SIGKILL, no clean-up of any kind) at one step of its disk work, then
// starts afresh as the program would and checks that both files hold the game or neither does.
#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include "storage/club_session.h"
#include "storage/game_end_journal.h"
#include "storage/program_lock.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::ReadBytes;
using testing::RecordingPort;
using testing::TempFolder;
using testing::WriteBytes;

// The real file system, except that the n-th change of the disk kills the process before it
// is made.
class KillingFileSystem final : public FileSystem {
 public:
  explicit KillingFileSystem(int kill_at) : left_(kill_at) {}

  ReadOutcome ReadFile(const std::string& p, std::size_t m) override {
    return real_.ReadFile(p, m);
  }
  std::optional<Handle> CreateExclusive(const std::string& path, std::optional<unsigned> mode,
                                        std::string* error) override {
    Step();
    return real_.CreateExclusive(path, mode, error);
  }
  Status Write(Handle h, std::string_view bytes) override {
    Step();
    // Half the bytes first, so that a kill in the middle of a write is among the cases.
    Status half = real_.Write(h, bytes.substr(0, bytes.size() / 2));
    Step();
    return half.ok() ? real_.Write(h, bytes.substr(bytes.size() / 2)) : half;
  }
  Status Flush(Handle h) override {
    Step();
    return real_.Flush(h);
  }
  Status Close(Handle h) override {
    Step();
    return real_.Close(h);
  }
  Status Rename(const std::string& from, const std::string& to) override {
    Step();
    return real_.Rename(from, to);
  }
  Status Remove(const std::string& path) override {
    Step();
    return real_.Remove(path);
  }
  Status MakeFolders(const std::string& path) override {
    Step();
    return real_.MakeFolders(path);
  }
  bool Exists(const std::string& p) override { return real_.Exists(p); }
  bool CanWrite(const std::string& p) override { return real_.CanWrite(p); }
  std::optional<unsigned> Mode(const std::string& p) override { return real_.Mode(p); }
  std::optional<std::string> FollowLinks(const std::string& p, std::string* e) override {
    return real_.FollowLinks(p, e);
  }
  std::vector<std::string> List(const std::string& f) override { return real_.List(f); }

 private:
  void Step() {
    if (--left_ == 0) ::kill(::getpid(), SIGKILL);
  }
  PosixFileSystem real_;
  int left_;
};

constexpr int kGamesBefore = 3;

std::optional<ClubSession> Open(const std::string& home, FileSystem& fs = RealFileSystem()) {
  std::string error;
  auto session = ClubSession::Open(home, false, &error, fs);
  EXPECT_TRUE(session) << error;
  return session;
}

// A program folder where Anna has played three games.
void PlayThreeGames(const TempFolder& home) {
  WriteBytes(home.File(kLocalClubFileName), SerializeClubFile(InitialClubFile()));
  auto session = Open(home.path());
  ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
  RecordingPort port;
  for (int g = 0; g < kGamesBefore; ++g) session->RecordFinishedGame(20 * g, port);
  ASSERT_TRUE(port.phrases.empty());
}

// The end of one more game in a child killed at that step; true when it was killed.
bool EndGameKilledAt(const std::string& home, int step) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    KillingFileSystem fs(step);
    std::string error;
    auto session = ClubSession::Open(home, false, &error, fs);
    if (!session || session->LoginByName("Anna", "").error != LoginError::None) ::_exit(2);
    RecordingPort port;
    session->RecordFinishedGame(60, port);
    ::_exit(port.phrases.empty() ? 0 : 3);
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  const bool killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
  EXPECT_TRUE(killed || (WIFEXITED(status) && WEXITSTATUS(status) == 0)) << status;
  return killed;
}

TEST(GameEnd, AKillAtAnyStepLeavesTheGameInBothFilesOrInNeither) {
  int step = 1;
  for (; step < 100; ++step) {
    TempFolder home;
    PlayThreeGames(home);
    const bool killed = EndGameKilledAt(home.path(), step);
    // The next start: the lock, the tidying, the club opened.
    ProgramLock lock = ProgramLock::Take(home.path());
    ASSERT_TRUE(lock.held());
    TidyProgramFolder(home.path());
    auto session = Open(home.path());
    ASSERT_TRUE(session);
    ASSERT_EQ(session->LoginByName("Anna", "").error, LoginError::None);
    const int games = session->player()->games;
    const int history = VerifyHistoryFile(home.File("History"), "Ostrel4", 1).games;
    EXPECT_TRUE(games == kGamesBefore || games == kGamesBefore + 1) << "step " << step;
    EXPECT_EQ(history, games) << "step " << step;
    EXPECT_EQ(session->GameNumber(), history + 1) << "step " << step;
    EXPECT_FALSE(std::filesystem::exists(JournalPath(session->club_path()))) << "step " << step;
    for (const std::string& folder : {home.path(), home.File("History")}) {
      for (const auto& entry : std::filesystem::directory_iterator(folder)) {
        const std::string name = entry.path().filename().string();
        EXPECT_EQ(name.find(".tmp-"), std::string::npos) << name << " at step " << step;
      }
    }
    if (!killed) {
      EXPECT_EQ(games, kGamesBefore + 1);
      break;
    }
  }
  // The end of a game takes well over ten steps: the journal, the history, the club.
  EXPECT_GT(step, 10);
}

TEST(GameEndJournal, ADamagedOrStaleJournalIsDropped) {
  TempFolder home;
  const std::string club_path = home.File(kLocalClubFileName);
  const std::string club = SerializeClubFile(InitialClubFile());
  WriteBytes(club_path, club);
  const HistoryPlace history{home.File("History"), "Ostrel4"};

  WriteBytes(JournalPath(club_path), "OSTREL GAME END 1\r\nnonsense\r\n");
  JournalRecovery recovery = CompleteInterruptedGameEnd(club_path, history);
  EXPECT_TRUE(recovery.found);
  EXPECT_FALSE(std::filesystem::exists(JournalPath(club_path)));
  EXPECT_EQ(ReadBytes(club_path), club);

  // A journal of another club content: the club was changed since, nothing is completed.
  ClubFile other = InitialClubFile();
  other.lines[1] = MemberLine("Boris", 1, 1, 20, PasswordCode(""));
  ClubFile after = other;
  after.lines[1] = MemberLine("Boris", 1.5, 2, 50, PasswordCode(""));
  WriteBytes(JournalPath(club_path),
             SerializeJournal({"", SerializeClubFile(other), SerializeClubFile(after)}));
  recovery = CompleteInterruptedGameEnd(club_path, history);
  EXPECT_TRUE(recovery.completed);
  EXPECT_EQ(ReadBytes(club_path), club);
  EXPECT_FALSE(std::filesystem::exists(home.File("History")));
}

TEST(GameEndJournal, ReadsBackWhatItWrites) {
  ClubFile after = InitialClubFile();
  after.lines[1] = MemberLine("Anna", 1.5, 1, 30, PasswordCode("pw"));
  const HistoryClock clock{[] { return std::time_t{1796893500}; },
                           [](const std::tm&) { return std::string("10.12.2026"); }};
  const GameEndJournal journal{HistoryGameLine({"Anna", 1, 30, 1.5}, 1796893500, clock),
                               SerializeClubFile(InitialClubFile()), SerializeClubFile(after)};
  const auto back = ParseJournal(SerializeJournal(journal));
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->history_line, journal.history_line);
  EXPECT_EQ(back->club_before, journal.club_before);
  EXPECT_EQ(back->club_after, journal.club_after);
  std::string damaged = SerializeJournal(journal);
  damaged[30] ^= 1;  // a character of the history line
  EXPECT_FALSE(ParseJournal(damaged).has_value());
}

}  // namespace
}  // namespace ostrel
