#include "storage/program_folder.h"

#include <sys/stat.h>
#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "storage/atomic_file.h"
#include "storage/club_file.h"

namespace fs = std::filesystem;

namespace ostrel {

Environment ProcessEnvironment() {
  return [](const std::string& name) -> std::optional<std::string> {
    const char* value = std::getenv(name.c_str());
    if (!value || !*value) return std::nullopt;
    return std::string(value);
  };
}

bool IsSystemFolder(const std::string& folder) {
  const fs::path path = fs::path(folder).lexically_normal();
  auto it = path.begin();
  if (it == path.end() || *it != "/") return false;
  if (++it == path.end()) return true;  // the root itself
  const std::string top = it->string();
  return top == "usr" || top == "bin" || top == "sbin" || top.rfind("lib", 0) == 0 ||
         top == "opt" || top == "snap" || top == "nix";
}

namespace {

// A folder with no write permission bit counts as read-only even for root, whom access()
// would let through.
bool UserMayWrite(const std::string& folder) {
  struct stat st {};
  if (::stat(folder.c_str(), &st) != 0 || !S_ISDIR(st.st_mode)) return false;
  if ((st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) return false;
  return ::access(folder.c_str(), W_OK) == 0;
}

}  // namespace

std::optional<ProgramFolders> ChooseProgramFolder(const std::string& exe_folder,
                                                  const Environment& env, std::string* error) {
  fs::path program;
  if (!exe_folder.empty() && !IsSystemFolder(exe_folder) && UserMayWrite(exe_folder)) {
    program = fs::path(exe_folder);
  } else {
    auto data_home = env("XDG_DATA_HOME");
    if (data_home && fs::path(*data_home).is_absolute()) {
      program = fs::path(*data_home);
    } else if (auto home = env("HOME"); home && fs::path(*home).is_absolute()) {
      program = fs::path(*home) / ".local" / "share";
    } else {
      if (error) *error = "neither XDG_DATA_HOME nor HOME names a folder for the program's files";
      return std::nullopt;
    }
    program = program / "Ostrel" / "Ostrel4";
  }
  program = program.lexically_normal();
  if (!program.has_filename()) program = program.parent_path();
  return ProgramFolders{program.string(), program.parent_path().string()};
}

Status InstallClubFiles(const std::string& program_folder, const ShippedClubFile& shipped) {
  std::error_code ec;
  fs::create_directories(program_folder, ec);
  if (ec) return Status::Error("cannot create \"" + program_folder + "\": " + ec.message());
  for (const char* name : {kLocalClubFileName, kNetClubFileName}) {
    const fs::path target = fs::path(program_folder) / name;
    if (fs::exists(target, ec)) continue;
    std::string error;
    auto bytes = shipped(name, &error);
    // Copied atomically: a half-copied club file would stop every later start.
    Status copied = bytes ? ReplaceFileAtomically(target.string(), *bytes) : Status::Error(error);
    if (!copied.ok()) {
      return Status::Error("cannot install \"" + target.string() + "\": " + copied.message());
    }
  }
  return Status::Ok();
}

namespace {

// The club files of a folder; an empty folder stands for the content the build ships.
ShippedClubFile ShippedFrom(const std::string& shipped_folder) {
  return
      [shipped_folder](const std::string& name, std::string* error) -> std::optional<std::string> {
        if (shipped_folder.empty()) return SerializeClubFile(InitialClubFile());
        return ReadWholeFile((fs::path(shipped_folder) / name).string(), error);
      };
}

}  // namespace

Status InstallClubFiles(const std::string& program_folder, const std::string& shipped_folder) {
  return InstallClubFiles(program_folder, ShippedFrom(shipped_folder));
}

std::optional<ProgramFolders> PrepareProgramFolder(const std::string& exe_folder,
                                                   const ShippedClubFile& shipped,
                                                   const Environment& env, std::string* error) {
  auto folders = ChooseProgramFolder(exe_folder, env, error);
  if (!folders) return std::nullopt;
  Status installed = InstallClubFiles(folders->program, shipped);
  if (!installed.ok()) {
    if (error) *error = installed.message();
    return std::nullopt;
  }
  return folders;
}

std::optional<ProgramFolders> PrepareProgramFolder(const std::string& exe_folder,
                                                   const std::string& shipped_folder,
                                                   const Environment& env, std::string* error) {
  return PrepareProgramFolder(exe_folder, ShippedFrom(shipped_folder), env, error);
}

}  // namespace ostrel
