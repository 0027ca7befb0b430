// The end of a game changes two files: a line is added to the history and the club file is
// rewritten. Each write is atomic, but a crash between the two would leave the game in one and
// not in the other, and the next start would count the same game again. So before either is
// written, both changes go into a small journal beside the club file ("Ostrel4.clb.journal"),
// and the journal is removed once both are done. The next start completes a journal it finds:
// the history line is added unless it is already the last one written, and the club file is
// given its new content unless it already has it. A journal whose club no longer matches
// (neither the content before the game nor after it) belongs to nothing and is dropped.
//
// The journal: CR LF lines of Windows-1251 text, "OSTREL GAME END 1", then the history game
// line (or "-" when the game leaves none), then the 17 lines of the club file before the game
// and the 17 lines after it.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/file_system.h"
#include "storage/status.h"

namespace ostrel {

struct GameEndJournal {
  std::string history_line;  // a game line of 114 columns, or "" when there is none
  std::string club_before;   // the club file's bytes before the game
  std::string club_after;    // and after it
};

std::string JournalPath(const std::string& club_path);

std::string SerializeJournal(const GameEndJournal& journal);
// nullopt unless every part is sound: a history line with its checksum and two club files.
std::optional<GameEndJournal> ParseJournal(std::string_view bytes);

// Where the history of a club file goes: the folder and the files' base name.
struct HistoryPlace {
  std::string folder;
  std::string base;
};

struct JournalRecovery {
  bool found = false;      // there was a journal
  bool completed = false;  // its game is now in both files (or it was dropped as stale)
  std::string detail;      // what was done or what failed, for a log
};

// Completes the end of a game that a crash interrupted, then removes the journal. A journal
// whose steps cannot be completed now (a file that cannot be read or written) stays for the
// next start.
JournalRecovery CompleteInterruptedGameEnd(const std::string& club_path,
                                           const HistoryPlace& history,
                                           FileSystem& fs = RealFileSystem());

}  // namespace ostrel
