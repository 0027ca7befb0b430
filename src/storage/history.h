// The game history files "History/<club name>_I0001.hst" ... "_I9999.hst": one 114-column line
// per finished game with its own three checksums, then an end line and a line of three running
// sums. A file holds 840 games; a file that fails its check is replaced by the next game, but
// is first kept beside it as "<name>.damaged-<n>" so that nothing the player had is lost. A
// file that cannot be read is not damaged: it is reported and left as it is, and no game is
// written into its place.
#pragma once

#include <ctime>
#include <string>
#include <string_view>
#include <vector>

#include "storage/clock.h"
#include "storage/file_system.h"
#include "storage/message_port.h"
#include "storage/status.h"

namespace ostrel {

inline constexpr int kHistoryGamesPerFile = 840;
inline constexpr int kHistoryLastFile = 9999;
inline constexpr std::size_t kHistoryLineWidth = 114;
// A full file is 841 lines of 116 bytes and a sums line; anything much larger is not one.
inline constexpr std::size_t kMaxHistoryFileBytes = 1u << 20;

enum class HistoryKind : int { Computer = 0, Account = 1, Tournament = 2, Lan = 3 };

// One finished game.
struct HisStr {
  std::string HName;  // UTF-8; the player, or the human players joined by "/"
  int HKon = 0;       // games
  int HRes = 0;       // result
  double HRei = 0;    // rating after the game
  HistoryKind Ac = HistoryKind::Computer;
};

// "0,00", "0,05", "-1,50" ... right-aligned in 10 columns.
std::string HistoryRatingText(double rating);
// The game line with its checksum (Windows-1251, 114 columns). A control character in the name
// is written as a space, so that no name can break the line.
std::string HistoryGameLine(const HisStr& record, std::time_t when, const HistoryClock& clock);
std::string HistoryEndLine();
// The whole file for these game lines: the lines, the end line and the sums line, CR LF.
std::string HistoryFileBytes(const std::vector<std::string>& game_lines);

struct HistoryContent {
  bool sound = false;
  std::vector<std::string> game_lines;
};
// A file is sound when every line carries its own checksum, the end line follows the game
// lines and the sums line that closes the file holds their running totals.
HistoryContent ParseHistoryFile(std::string_view bytes);

// folder/<base>_I<nnnn>.hst; base is the club file's name without its extension.
std::string HistoryFilePath(const std::string& history_folder, std::string_view base, int number);

struct HistoryFileInfo {
  bool sound = false;
  bool unreadable = false;  // it exists but could not be read: neither sound nor damaged
  std::string error;        // why it could not be read
  int games = 0;
  std::string date;  // of the file's last change, short date format (Windows-1251)
  std::vector<std::string> game_lines;
};
HistoryFileInfo VerifyHistoryFile(const std::string& history_folder, std::string_view base,
                                  int number, const HistoryClock& clock = SystemHistoryClock(),
                                  FileSystem& fs = RealFileSystem());

// Appends the game to the first sound file with room, or starts the first file that is not
// sound. A failure shows "Cann`t save history!"; the result of the game is not affected. A file
// on the way that cannot be read fails the append: nothing is written over it.
Status AddHistoryLine(const std::string& history_folder, std::string_view base,
                      const HisStr& record, MessagePort& port,
                      const HistoryClock& clock = SystemHistoryClock(),
                      FileSystem& fs = RealFileSystem());
// The same for a game line already built (HistoryGameLine).
Status AppendHistoryGameLine(const std::string& history_folder, std::string_view base,
                             const std::string& game_line, MessagePort& port,
                             FileSystem& fs = RealFileSystem());
// The game line written last: the last line of the sound files from number 1 on; "" when there
// is none.
std::string LastHistoryGameLine(const std::string& history_folder, std::string_view base,
                                FileSystem& fs = RealFileSystem());

// The history window's list: the sound files from number 1 up to the first that is not sound,
// each labelled "File I0001 <date>" (UTF-8). Empty when file 1 is not sound; the window then
// shows the phrase "No History Files". When the list ends at a file that could not be read,
// unreadable (if given) receives its path; otherwise it is cleared.
struct HistoryListItem {
  int number = 0;
  std::string label;
  HistoryFileInfo info;
};
std::vector<HistoryListItem> ListHistoryFiles(const std::string& history_folder,
                                              std::string_view base,
                                              const HistoryClock& clock = SystemHistoryClock(),
                                              std::string* unreadable = nullptr);

// One row of the history window, texts in UTF-8.
struct HistoryRow {
  std::string time, date, player, games, result, rating, type;
};
HistoryRow HistoryRowOf(const std::string& game_line);

}  // namespace ostrel
