// Reading, checking and writing a club file on disk.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/club_file.h"
#include "storage/file_system.h"
#include "storage/message_port.h"
#include "storage/status.h"

namespace ostrel {

// A club file is 645 bytes; anything much larger is not one.
inline constexpr std::size_t kMaxClubFileBytes = 64u << 10;

enum class ClubProblem {
  None,
  Missing,     // "Can`t find the file" "<path>"! ; the program closes
  Incorrect,   // "The incorrect file" "<path>"! ; the program closes
  Unreadable,  // "Can`t read the file" "<path>"! ; the program closes, the file stays as it is
  ReadOnly,    // a warning; the program runs but never writes this club file
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

// The start-up check of one club file. "Read-only" here means the user may not write it. A
// file that cannot be read (a read error, a pipe or a device in its place) is Unreadable, not
// Incorrect: nothing is wrong with what it holds as far as anyone knows.
ClubCheck VerifyClubFile(const std::string& path, FileSystem& fs = RealFileSystem());

// The message box text for a problem, in the current language; path is a UTF-8 file name.
std::string ClubProblemText(ClubProblem problem, const std::string& path);

// Rewrites the club file with fresh checksums, atomically. A failure shows "Error of disk
// writing!" and leaves the file's old content.
Status SaveClubFile(const std::string& path, const ClubFile& club, MessagePort& port,
                    FileSystem& fs = RealFileSystem());

}  // namespace ostrel
