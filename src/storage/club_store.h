// Reading, checking and writing a club file on disk.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "storage/club_file.h"
#include "storage/file_system.h"
#include "storage/message_port.h"
#include "storage/status.h"

namespace ostrel {

inline constexpr const char* kErrorOfDiskWriting = "Error of disk writing!";

enum class ClubProblem {
  None,
  Missing,    // "Can`t find the file" "<path>"! ; the program closes
  Incorrect,  // "The incorrect file" "<path>"! ; the program closes
  ReadOnly,   // a warning; the program runs but never writes this club file
};

struct ClubCheck {
  ClubProblem problem = ClubProblem::None;
  std::optional<ClubFile> club;  // set unless Missing or Incorrect
  bool writable = false;
  bool russian = false;            // column 1 of line 17 is "1"
  std::string distribution_label;  // columns 7-9 of line 17
  std::string detail;              // the technical reason, for a log

  // False when the program must close.
  bool usable() const { return club.has_value(); }
};

// The start-up check of one club file. "Read-only" here means the user may not write it.
ClubCheck VerifyClubFile(const std::string& path, FileSystem& fs = RealFileSystem());

// The message box text for a problem. translate gives a phrase in the current language from
// its English text; the default keeps the English.
std::string ClubProblemText(ClubProblem problem, const std::string& path,
                            const std::function<std::string(std::string_view)>& translate = {});

// Rewrites the club file with fresh checksums, atomically. A failure shows "Error of disk
// writing!" and leaves the file's old content.
Status SaveClubFile(const std::string& path, const ClubFile& club, MessagePort& port,
                    FileSystem& fs = RealFileSystem());

}  // namespace ostrel
