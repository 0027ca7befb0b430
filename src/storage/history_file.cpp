#include <sys/stat.h>

#include <filesystem>

#include "game/cp1251.h"
#include "storage/atomic_file.h"
#include "storage/history.h"
#include "storage/text.h"

namespace ostrel {
namespace {

// The first free "<path>.damaged-<n>".
std::string DamagedCopyName(const std::string& path, FileSystem& fs) {
  for (int n = 1;; ++n) {
    std::string candidate = path + ".damaged-" + std::to_string(n);
    if (!fs.Exists(candidate)) return candidate;
  }
}

Status Fail(MessagePort& port, const std::string& detail) {
  port.ShowError(PhraseKey::CantSaveHistory, detail);
  return Status::Error(detail);
}

}  // namespace

std::string HistoryFilePath(const std::string& history_folder, std::string_view base, int number) {
  return (std::filesystem::path(history_folder) /
          (std::string(base) + "_I" + ZeroPadded(number, 4) + ".hst"))
      .string();
}

HistoryFileInfo VerifyHistoryFile(const std::string& history_folder, std::string_view base,
                                  int number, const HistoryClock& clock, FileSystem& fs) {
  HistoryFileInfo info;
  const std::string path = HistoryFilePath(history_folder, base, number);
  ReadOutcome read = fs.ReadFile(path, kMaxHistoryFileBytes);
  if (read.kind == ReadOutcome::Kind::Unreadable) {
    info.unreadable = true;
    info.error = read.error;
    return info;
  }
  // Missing, or too large to be a history file: not sound.
  if (!read.read()) return info;
  HistoryContent content = ParseHistoryFile(read.bytes);
  if (!content.sound) return info;
  info.sound = true;
  info.games = static_cast<int>(content.game_lines.size());
  info.game_lines = std::move(content.game_lines);
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0) info.date = clock.short_date(LocalTime(st.st_mtime));
  return info;
}

Status AppendHistoryGameLine(const std::string& history_folder, std::string_view base,
                             const std::string& game_line, MessagePort& port, FileSystem& fs) {
  Status folder = fs.MakeFolders(history_folder);
  if (!folder.ok()) return Fail(port, folder.message());
  const HistoryClock clock = SystemHistoryClock();
  for (int number = 1; number <= kHistoryLastFile; ++number) {
    HistoryFileInfo info = VerifyHistoryFile(history_folder, base, number, clock, fs);
    // One failed read must not cost the player the games the file holds.
    if (info.unreadable) return Fail(port, info.error);
    if (info.sound && info.games >= kHistoryGamesPerFile) continue;
    const std::string path = HistoryFilePath(history_folder, base, number);
    if (!info.sound && fs.Exists(path)) {
      // A damaged file is started anew, but what it held stays on the disk.
      Status kept = fs.Rename(path, DamagedCopyName(path, fs));
      if (!kept.ok()) return Fail(port, kept.message());
    }
    info.game_lines.push_back(game_line);
    Status written = ReplaceFileAtomically(path, HistoryFileBytes(info.game_lines), fs);
    if (!written.ok()) return Fail(port, written.message());
    return Status::Ok();
  }
  return Fail(port, "all history files are full");
}

Status AddHistoryLine(const std::string& history_folder, std::string_view base,
                      const HisStr& record, MessagePort& port, const HistoryClock& clock,
                      FileSystem& fs) {
  return AppendHistoryGameLine(history_folder, base, HistoryGameLine(record, clock.now(), clock),
                               port, fs);
}

std::string LastHistoryGameLine(const std::string& history_folder, std::string_view base,
                                FileSystem& fs) {
  const HistoryClock clock = SystemHistoryClock();
  std::string last;
  for (int number = 1; number <= kHistoryLastFile; ++number) {
    HistoryFileInfo info = VerifyHistoryFile(history_folder, base, number, clock, fs);
    if (!info.sound) break;
    if (!info.game_lines.empty()) last = info.game_lines.back();
    if (info.games < kHistoryGamesPerFile) break;
  }
  return last;
}

std::vector<HistoryListItem> ListHistoryFiles(const std::string& history_folder,
                                              std::string_view base, const HistoryClock& clock,
                                              std::string* unreadable) {
  std::vector<HistoryListItem> items;
  if (unreadable) unreadable->clear();
  for (int number = 1; number <= kHistoryLastFile; ++number) {
    HistoryFileInfo info = VerifyHistoryFile(history_folder, base, number, clock);
    if (info.unreadable && unreadable) *unreadable = HistoryFilePath(history_folder, base, number);
    if (!info.sound) break;
    std::string label = "File I" + ZeroPadded(number, 4) + " " + Cp1251ToUtf8(info.date);
    items.push_back({number, std::move(label), std::move(info)});
  }
  return items;
}

}  // namespace ostrel
