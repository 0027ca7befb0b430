#include "storage/program_folder.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <map>

#include "storage/club_file.h"
#include "storage/club_store.h"
#include "test_support.h"

namespace ostrel {
namespace {

using testing::ReadBytes;
using testing::TempFolder;
using testing::WriteBytes;

Environment Env(std::map<std::string, std::string> values) {
  return [values](const std::string& name) -> std::optional<std::string> {
    auto it = values.find(name);
    if (it == values.end()) return std::nullopt;
    return it->second;
  };
}

TEST(ProgramFolder, SystemFoldersAreNeverPortable) {
  for (const char* folder :
       {"/usr/bin", "/usr/local/games", "/bin", "/opt/ostrel", "/lib64", "/"}) {
    EXPECT_TRUE(IsSystemFolder(folder)) << folder;
  }
  for (const char* folder : {"/home/anna/ostrel", "/tmp/x", "/work/main/build", "relative"}) {
    EXPECT_FALSE(IsSystemFolder(folder)) << folder;
  }
}

TEST(ProgramFolder, AWritableFolderIsAPortableInstall) {
  TempFolder exe;
  auto folders = ChooseProgramFolder(exe.path(), Env({{"HOME", "/home/anna"}}));
  ASSERT_TRUE(folders.has_value());
  EXPECT_EQ(folders->program, exe.path());
  EXPECT_EQ(folders->above, std::filesystem::path(exe.path()).parent_path().string());
}

TEST(ProgramFolder, AnInstalledProgramUsesTheUsersDataFolder) {
  auto xdg = ChooseProgramFolder("/usr/bin",
                                 Env({{"XDG_DATA_HOME", "/data/anna"}, {"HOME", "/home/anna"}}));
  ASSERT_TRUE(xdg.has_value());
  EXPECT_EQ(xdg->program, "/data/anna/Ostrel/Ostrel4");
  EXPECT_EQ(xdg->above, "/data/anna/Ostrel");

  auto home = ChooseProgramFolder(
      "/usr/bin", Env({{"XDG_DATA_HOME", "relative/path"}, {"HOME", "/home/anna/"}}));
  ASSERT_TRUE(home.has_value());
  EXPECT_EQ(home->program, "/home/anna/.local/share/Ostrel/Ostrel4");
  EXPECT_EQ(home->above, "/home/anna/.local/share/Ostrel");

  std::string error;
  EXPECT_FALSE(ChooseProgramFolder("/usr/bin", Env({}), &error).has_value());
  EXPECT_FALSE(error.empty());
}

TEST(ProgramFolder, AReadOnlyFolderOutsideTheSystemIsNotWritten) {
  TempFolder exe;
  ASSERT_EQ(::chmod(exe.path().c_str(), 0555), 0);
  auto folders = ChooseProgramFolder(exe.path(), Env({{"HOME", "/home/anna"}}));
  ::chmod(exe.path().c_str(), 0755);
  ASSERT_TRUE(folders.has_value());
  EXPECT_EQ(folders->program, "/home/anna/.local/share/Ostrel/Ostrel4");
}

TEST(ProgramFolder, TheFirstStartCopiesTheShippedClubFilesAndNeverOverwrites) {
  TempFolder shipped, data;
  const std::string club = SerializeClubFile(InitialClubFile());
  WriteBytes(shipped.File(kLocalClubFileName), club);
  WriteBytes(shipped.File(kNetClubFileName), club);
  std::string error;
  auto folders = PrepareProgramFolder("/usr/games", shipped.path(),
                                      Env({{"XDG_DATA_HOME", data.path()}}), &error);
  ASSERT_TRUE(folders.has_value()) << error;
  EXPECT_EQ(folders->program, data.path() + "/Ostrel/Ostrel4");
  const std::string local = folders->program + "/" + kLocalClubFileName;
  EXPECT_TRUE(VerifyClubFile(local).usable());
  EXPECT_TRUE(VerifyClubFile(folders->program + "/" + kNetClubFileName).usable());

  WriteBytes(local, "the player's own club");
  ASSERT_TRUE(InstallClubFiles(folders->program, shipped.path()).ok());
  EXPECT_EQ(ReadBytes(local), "the player's own club");
}

TEST(ProgramFolder, AMissingShippedFileIsReported) {
  TempFolder shipped, data;
  Status status = InstallClubFiles(data.File("Ostrel4"), shipped.path());
  EXPECT_FALSE(status.ok());
  EXPECT_NE(status.message().find(kLocalClubFileName), std::string::npos) << status.message();
}

}  // namespace
}  // namespace ostrel
