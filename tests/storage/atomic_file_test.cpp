#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

#include "test_support.h"

namespace ostrel {
namespace {

using testing::FailingFileSystem;
using testing::FailStep;
using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

TEST(AtomicFile, ReplacesContentAndLeavesNoTemporaryFile) {
  TempFolder folder;
  const std::string path = folder.File("a.ini");
  WriteBytes(path, "old content");
  ASSERT_TRUE(ReplaceFileAtomically(path, "new\r\ncontent\r\n").ok());
  EXPECT_EQ(ReadBytes(path), "new\r\ncontent\r\n");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"a.ini"});
}

TEST(AtomicFile, CreatesAMissingFile) {
  TempFolder folder;
  ASSERT_TRUE(ReplaceFileAtomically(folder.File("new.clb"), "x").ok());
  EXPECT_EQ(ReadBytes(folder.File("new.clb")), "x");
}

class AtomicFileFailure : public ::testing::TestWithParam<FailStep> {};

TEST_P(AtomicFileFailure, KeepsTheOldFileAndRemovesTheTemporaryOne) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  WriteBytes(path, "the player's settings");
  FailingFileSystem fs(GetParam());
  Status status = ReplaceFileAtomically(path, std::string(10000, 'n'), fs);
  ASSERT_FALSE(status.ok());
  EXPECT_NE(status.message().find("Ostrel4.ini"), std::string::npos) << status.message();
  EXPECT_NE(status.message().find("injected"), std::string::npos) << status.message();
  EXPECT_EQ(ReadBytes(path), "the player's settings");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Ostrel4.ini"});
}

std::string StepName(const ::testing::TestParamInfo<FailStep>& info) {
  static const char* const kNames[] = {"None", "Create", "Write", "Flush", "Close", "Rename"};
  return kNames[static_cast<int>(info.param)];
}

INSTANTIATE_TEST_SUITE_P(EveryStep, AtomicFileFailure,
                         ::testing::Values(FailStep::Create, FailStep::Write, FailStep::Flush,
                                           FailStep::Close, FailStep::Rename),
                         StepName);

TEST(AtomicFile, RefusesAReadOnlyFile) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.clb");
  WriteBytes(path, "club");
  ASSERT_EQ(::chmod(path.c_str(), 0444), 0);
  Status status = ReplaceFileAtomically(path, "other");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("read-only"), std::string::npos);
  EXPECT_EQ(ReadBytes(path), "club");
}

TEST(AtomicFile, FailsClearlyWhenTheFolderIsMissing) {
  TempFolder folder;
  Status status = ReplaceFileAtomically(folder.File("no/such/folder/x.ini"), "x");
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find("x.ini"), std::string::npos);
}

unsigned ModeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

TEST(AtomicFile, KeepsThePermissionsOfTheReplacedFile) {
  TempFolder folder;
  for (unsigned mode : {0600u, 0640u, 0664u}) {
    const std::string path = folder.File("Ostrel4.ini");
    WriteBytes(path, "old");
    ASSERT_EQ(::chmod(path.c_str(), mode), 0);
    ASSERT_TRUE(ReplaceFileAtomically(path, "new").ok());
    EXPECT_EQ(ModeOf(path), mode) << std::oct << mode;
    EXPECT_EQ(ReadBytes(path), "new");
  }
}

TEST(AtomicFile, FollowsASymbolicLinkAndKeepsIt) {
  TempFolder folder, elsewhere;
  const std::string target = elsewhere.File("settings.ini");
  const std::string link = folder.File("Ostrel4.ini");
  WriteBytes(target, "old");
  ASSERT_EQ(::symlink(target.c_str(), link.c_str()), 0);
  ASSERT_TRUE(ReplaceFileAtomically(link, "new").ok());
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));
  EXPECT_EQ(ReadBytes(target), "new");
  EXPECT_EQ(folder.Entries(), std::vector<std::string>{"Ostrel4.ini"});
  EXPECT_EQ(elsewhere.Entries(), std::vector<std::string>{"settings.ini"});
}

TEST(AtomicFile, RefusesALinkThatPointsNowhere) {
  TempFolder folder;
  const std::string link = folder.File("Ostrel4.ini");
  ASSERT_EQ(::symlink(folder.File("gone/settings.ini").c_str(), link.c_str()), 0);
  EXPECT_FALSE(ReplaceFileAtomically(link, "new").ok());
  struct stat st {};
  ASSERT_EQ(::lstat(link.c_str(), &st), 0);
  EXPECT_TRUE(S_ISLNK(st.st_mode));  // not turned into a plain file
}

// Records the temporary names a save tries.
class NameRecorder final : public FileSystem {
 public:
  ReadOutcome ReadFile(const std::string& p, std::size_t m) override { return real.ReadFile(p, m); }
  std::optional<Handle> CreateExclusive(const std::string& path, std::optional<unsigned> mode,
                                        std::string* error) override {
    created.push_back(path);
    return real.CreateExclusive(path, mode, error);
  }
  Status Write(Handle h, std::string_view b) override { return real.Write(h, b); }
  Status Flush(Handle h) override { return real.Flush(h); }
  Status Close(Handle h) override { return real.Close(h); }
  Status Rename(const std::string& f, const std::string& t) override { return real.Rename(f, t); }
  Status Remove(const std::string& p) override { return real.Remove(p); }
  Status MakeFolders(const std::string& p) override { return real.MakeFolders(p); }
  bool Exists(const std::string& p) override { return real.Exists(p); }
  bool CanWrite(const std::string& p) override { return real.CanWrite(p); }
  std::optional<unsigned> Mode(const std::string& p) override { return real.Mode(p); }
  std::optional<std::string> FollowLinks(const std::string& p, std::string* e) override {
    return real.FollowLinks(p, e);
  }
  std::vector<std::string> List(const std::string& f) override { return real.List(f); }

  PosixFileSystem real;
  std::vector<std::string> created;
};

TEST(AtomicFile, LeftoversOfACrashedSaveDoNotBlockTheNextOne) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.clb");
  NameRecorder fs;
  ASSERT_TRUE(ReplaceFileAtomically(path, "first", fs).ok());
  ASSERT_EQ(fs.created.size(), 1u);
  // The names the next saves of this process would take, left behind by an earlier process
  // that had the same id.
  const std::string used = fs.created[0];
  const std::string stem = used.substr(0, used.rfind('-') + 1);
  const int next = std::stoi(used.substr(used.rfind('-') + 1)) + 1;
  for (int n = next; n < next + 5; ++n) WriteBytes(stem + std::to_string(n), "leftover");
  ASSERT_TRUE(ReplaceFileAtomically(path, "second", fs).ok());
  EXPECT_EQ(ReadBytes(path), "second");
  for (int n = next; n < next + 5; ++n) EXPECT_EQ(ReadBytes(stem + std::to_string(n)), "leftover");
}

TEST(AtomicFile, StaleTemporariesAreRemovedAndNothingElse) {
  TempFolder folder;
  const std::vector<std::string> temporaries = {"Ostrel4.clb.tmp-4242-0", "Ostrel4.ini.tmp-1-17",
                                                "Ostrel4_I0001.hst.tmp-99-3"};
  const std::vector<std::string> kept = {"Ostrel4.clb",         "Ostrel4.ini", "notes.tmp-x-1",
                                         "Ostrel4.clb.journal", ".tmp-1-2",    "a.tmp-12"};
  for (const auto& name : temporaries) WriteBytes(folder.File(name), "half a file");
  for (const auto& name : kept) WriteBytes(folder.File(name), "keep");
  EXPECT_EQ(RemoveStaleTemporaries(folder.path()), 3);
  std::vector<std::string> left = folder.Entries();
  std::sort(left.begin(), left.end());
  std::vector<std::string> expected = kept;
  std::sort(expected.begin(), expected.end());
  EXPECT_EQ(left, expected);
}

}  // namespace
}  // namespace ostrel
