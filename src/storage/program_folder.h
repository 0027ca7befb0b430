// Where the program keeps its files. A portable copy (its folder writable by the user) keeps
// them beside the executable; an installed one, whose folder the user may not write or which
// lies in a system folder, keeps them in $XDG_DATA_HOME/Ostrel/Ostrel4/ (by default
// ~/.local/share/Ostrel/Ostrel4/). Files shared by the maker's family of games live in the
// folder above.
#pragma once

#include <functional>
#include <optional>
#include <string>

#include "storage/status.h"

namespace ostrel {

struct ProgramFolders {
  std::string program;  // with no trailing "/"
  std::string above;    // its parent
};

// getenv by default; tests give their own environment.
using Environment = std::function<std::optional<std::string>(const std::string& name)>;
Environment ProcessEnvironment();

// True for the folders of an installed program (/usr, /bin, /sbin, /lib*, /opt, /snap, /nix),
// which are never written even by a user who could.
bool IsSystemFolder(const std::string& folder);

// The program folder for an executable in exe_folder, without creating anything.
std::optional<ProgramFolders> ChooseProgramFolder(const std::string& exe_folder,
                                                  const Environment& env = ProcessEnvironment(),
                                                  std::string* error = nullptr);

// The content of a shipped club file by its name, or nullopt with a message.
using ShippedClubFile =
    std::function<std::optional<std::string>(const std::string& name, std::string* error)>;

// Installs each shipped club file the program folder lacks; existing files are never
// overwritten. The folder is created when it does not exist.
Status InstallClubFiles(const std::string& program_folder, const ShippedClubFile& shipped);

// Copies each club file of shipped_folder that the program folder lacks; existing files are
// never overwritten. The folder is created when it does not exist. An empty shipped_folder
// writes the initial club files themselves (the content the build ships), for a program that
// has no installation beside it, such as the simulator.
Status InstallClubFiles(const std::string& program_folder, const std::string& shipped_folder);

// ChooseProgramFolder, then InstallClubFiles: what the program does at its first start.
std::optional<ProgramFolders> PrepareProgramFolder(const std::string& exe_folder,
                                                   const std::string& shipped_folder,
                                                   const Environment& env, std::string* error);
std::optional<ProgramFolders> PrepareProgramFolder(const std::string& exe_folder,
                                                   const ShippedClubFile& shipped,
                                                   const Environment& env, std::string* error);

}  // namespace ostrel
