// Reading a whole file tells what was read from what could not be: a missing file, a file that
// is no regular file (which must not block or fill the memory), and one too large to be ours.
#include "storage/file_system.h"

#include <gtest/gtest.h>
#include <sys/stat.h>
#include <unistd.h>

#include "test_support.h"

namespace ostrel {
namespace {

using testing::TempFolder;
using testing::WriteBytes;

using Kind = ReadOutcome::Kind;

struct ReadCase {
  const char* name;
  // Makes the thing at path; false when it cannot be made here.
  bool (*make)(const std::string& path, const TempFolder& folder);
  Kind kind;
  const char* bytes;
};

const ReadCase kReadCases[] = {
    {"PlainFile",
     [](const std::string& p, const TempFolder&) {
       WriteBytes(p, "abc\r\n");
       return true;
     },
     Kind::Read, "abc\r\n"},
    {"EmptyFile",
     [](const std::string& p, const TempFolder&) {
       WriteBytes(p, "");
       return true;
     },
     Kind::Read, ""},
    {"NoFile", [](const std::string&, const TempFolder&) { return true; }, Kind::Missing, ""},
    {"LinkToNowhere",
     [](const std::string& p, const TempFolder& f) {
       return ::symlink(f.File("gone").c_str(), p.c_str()) == 0;
     },
     Kind::Missing, ""},
    // A pipe with no writer: a reader that waited for one would block the start for ever.
    {"Pipe", [](const std::string& p, const TempFolder&) { return ::mkfifo(p.c_str(), 0644) == 0; },
     Kind::Unreadable, ""},
    // Endless bytes: a reader that took them all would exhaust the memory.
    {"LinkToDevZero",
     [](const std::string& p, const TempFolder&) { return ::symlink("/dev/zero", p.c_str()) == 0; },
     Kind::Unreadable, ""},
    {"Folder",
     [](const std::string& p, const TempFolder&) { return ::mkdir(p.c_str(), 0755) == 0; },
     Kind::Unreadable, ""},
    {"LargerThanTheLimit",
     [](const std::string& p, const TempFolder&) {
       WriteBytes(p, std::string(1025, 'x'));
       return true;
     },
     Kind::TooLarge, ""},
};

class ReadFileCase : public ::testing::TestWithParam<ReadCase> {};

TEST_P(ReadFileCase, ToldApart) {
  TempFolder folder;
  const std::string path = folder.File("Ostrel4.ini");
  if (!GetParam().make(path, folder)) GTEST_SKIP() << "cannot make it here";
  // A reader that blocks ends the test process instead of hanging the run.
  ::alarm(10);
  const ReadOutcome outcome = RealFileSystem().ReadFile(path, 1024);
  ::alarm(0);
  EXPECT_EQ(outcome.kind, GetParam().kind) << outcome.error;
  if (outcome.read()) {
    EXPECT_EQ(outcome.bytes, GetParam().bytes);
  } else {
    EXPECT_NE(outcome.error.find("Ostrel4.ini"), std::string::npos) << outcome.error;
  }
  // The short form gives bytes only for a file read in full.
  EXPECT_EQ(ReadWholeFile(path, nullptr, 1024).has_value(), GetParam().kind == Kind::Read);
}

INSTANTIATE_TEST_SUITE_P(Things, ReadFileCase, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ReadFile, AFileOfExactlyTheLimitIsRead) {
  TempFolder folder;
  WriteBytes(folder.File("a"), std::string(1024, 'y'));
  const ReadOutcome outcome = RealFileSystem().ReadFile(folder.File("a"), 1024);
  EXPECT_TRUE(outcome.read());
  EXPECT_EQ(outcome.bytes.size(), 1024u);
}

}  // namespace
}  // namespace ostrel
