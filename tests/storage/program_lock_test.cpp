// One copy of the program at a time in a program folder: a second copy (another process) finds
// the folder taken, and a copy that ends in any way, a crash included, frees it.
#include "storage/program_lock.h"

#include <gtest/gtest.h>
#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <optional>

#include "test_support.h"

namespace ostrel {
namespace {

using testing::TempFolder;

// What another process gets when it tries to take the lock.
ProgramLock::Outcome OutcomeInAnotherProcess(const std::string& folder) {
  const pid_t child = ::fork();
  if (child == 0) {
    ::alarm(10);
    ::_exit(static_cast<int>(ProgramLock::Take(folder).outcome()));
  }
  int status = 0;
  EXPECT_EQ(::waitpid(child, &status, 0), child);
  EXPECT_TRUE(WIFEXITED(status)) << status;
  return static_cast<ProgramLock::Outcome>(WEXITSTATUS(status));
}

TEST(ProgramLock, ASecondCopyFindsTheFolderTakenUntilTheFirstEnds) {
  TempFolder home;
  std::optional<ProgramLock> first = ProgramLock::Take(home.path());
  ASSERT_TRUE(first->held());
  EXPECT_EQ(OutcomeInAnotherProcess(home.path()), ProgramLock::Outcome::Busy);
  // The same process opening it again is a second copy too (a second window, say).
  std::string error;
  EXPECT_EQ(ProgramLock::Take(home.path(), &error).outcome(), ProgramLock::Outcome::Busy);
  EXPECT_NE(error.find(kLockFileName), std::string::npos) << error;

  ProgramLock moved = std::move(*first);  // the lock goes with the object
  first.reset();
  EXPECT_EQ(OutcomeInAnotherProcess(home.path()), ProgramLock::Outcome::Busy);
  moved = ProgramLock::Take(home.File("elsewhere-that-does-not-exist"));
  EXPECT_EQ(OutcomeInAnotherProcess(home.path()), ProgramLock::Outcome::Taken);
}

TEST(ProgramLock, ACopyKilledWhileHoldingItLeavesTheFolderFree) {
  TempFolder home;
  const pid_t child = ::fork();
  if (child == 0) {
    ProgramLock lock = ProgramLock::Take(home.path());
    ::kill(::getpid(), SIGKILL);
  }
  int status = 0;
  ASSERT_EQ(::waitpid(child, &status, 0), child);
  ASSERT_TRUE(WIFSIGNALED(status));
  EXPECT_TRUE(ProgramLock::Take(home.path()).held());
}

TEST(ProgramLock, AFolderWhereNoLockCanBeMadeIsNotBusy) {
  TempFolder home;
  EXPECT_EQ(ProgramLock::Take(home.File("missing")).outcome(), ProgramLock::Outcome::Failed);
}

TEST(ProgramLock, TidyingRemovesTheLeftoversOfInterruptedSaves) {
  TempFolder home;
  std::filesystem::create_directories(home.File("History"));
  std::filesystem::create_directories(home.File("GIFGame"));
  testing::WriteBytes(home.File("Ostrel4.clb.tmp-77-0"), "half");
  testing::WriteBytes(home.File("History/Ostrel4_I0001.hst.tmp-77-1"), "half");
  testing::WriteBytes(home.File("GIFGame/2026.12.10-09.05.00.gif.tmp-77-2"), "half");
  testing::WriteBytes(home.File("History/Ostrel4_I0001.hst"), "kept");
  EXPECT_EQ(TidyProgramFolder(home.path()), 3);
  EXPECT_EQ(testing::ReadBytes(home.File("History/Ostrel4_I0001.hst")), "kept");
  EXPECT_FALSE(std::filesystem::exists(home.File("Ostrel4.clb.tmp-77-0")));
}

}  // namespace
}  // namespace ostrel
