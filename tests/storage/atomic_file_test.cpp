#include "storage/atomic_file.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

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

}  // namespace
}  // namespace ostrel
