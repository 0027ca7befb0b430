#include "storage/game_end_journal.h"

#include <vector>

#include "storage/atomic_file.h"
#include "storage/club_file.h"
#include "storage/club_store.h"
#include "storage/history.h"
#include "storage/message_port.h"
#include "storage/text.h"

namespace ostrel {
namespace {

constexpr const char* kJournalHeader = "OSTREL GAME END 1";
constexpr std::size_t kJournalLines = 2 + 2 * kClubLines;
constexpr std::size_t kMaxJournalBytes = 64u << 10;

// A journal completed at start has no one to show a message to; what failed goes to the
// recovery's detail.
class NoteTaker final : public MessagePort {
 public:
  void ShowError(PhraseKey, std::string_view detail) override { note = detail; }
  std::string note;
};

bool SoundHistoryLine(const std::string& line) {
  return line.size() == kHistoryLineWidth && line[0] != '$' &&
         ParseHistoryFile(HistoryFileBytes({line})).sound;
}

std::string ClubBytes(const std::vector<std::string>& lines, std::size_t first) {
  return JoinCrLf(
      std::vector<std::string>(lines.begin() + static_cast<std::ptrdiff_t>(first),
                               lines.begin() + static_cast<std::ptrdiff_t>(first + kClubLines)));
}

}  // namespace

std::string JournalPath(const std::string& club_path) {
  return club_path + ".journal";
}

std::string SerializeJournal(const GameEndJournal& journal) {
  std::string bytes = std::string(kJournalHeader) + "\r\n";
  bytes += journal.history_line.empty() ? "-" : journal.history_line;
  bytes += "\r\n";
  return bytes + journal.club_before + journal.club_after;
}

std::optional<GameEndJournal> ParseJournal(std::string_view bytes) {
  const auto lines = SplitCrLfStrict(bytes);
  if (!lines || lines->size() != kJournalLines || (*lines)[0] != kJournalHeader) {
    return std::nullopt;
  }
  GameEndJournal journal;
  if ((*lines)[1] != "-") {
    if (!SoundHistoryLine((*lines)[1])) return std::nullopt;
    journal.history_line = (*lines)[1];
  }
  journal.club_before = ClubBytes(*lines, 2);
  journal.club_after = ClubBytes(*lines, 2 + kClubLines);
  if (!ParseClubFile(journal.club_before) || !ParseClubFile(journal.club_after)) {
    return std::nullopt;
  }
  return journal;
}

JournalRecovery CompleteInterruptedGameEnd(const std::string& club_path,
                                           const HistoryPlace& history, FileSystem& fs) {
  JournalRecovery recovery;
  const std::string path = JournalPath(club_path);
  const ReadOutcome read = fs.ReadFile(path, kMaxJournalBytes);
  if (read.kind == ReadOutcome::Kind::Missing) return recovery;
  recovery.found = true;
  if (read.kind == ReadOutcome::Kind::Unreadable) {
    recovery.detail = read.error;
    return recovery;
  }
  const auto journal = read.read() ? ParseJournal(read.bytes) : std::nullopt;
  const ReadOutcome club = fs.ReadFile(club_path, kMaxClubFileBytes);
  if (journal && !club.read()) {
    recovery.detail = club.error;
    return recovery;
  }
  if (!journal || (club.bytes != journal->club_before && club.bytes != journal->club_after)) {
    // Damaged, or its club has changed since: it describes no game that could be completed.
    recovery.detail = "dropped \"" + path + "\": it matches no game to complete";
  } else {
    NoteTaker notes;
    if (!journal->history_line.empty() &&
        LastHistoryGameLine(history.folder, history.base, fs) != journal->history_line) {
      if (!AppendHistoryGameLine(history.folder, history.base, journal->history_line, notes, fs)
               .ok()) {
        recovery.detail = notes.note;
        return recovery;
      }
    }
    if (club.bytes != journal->club_after) {
      Status saved = ReplaceFileAtomically(club_path, journal->club_after, fs);
      if (!saved.ok()) {
        recovery.detail = saved.message();
        return recovery;
      }
    }
    recovery.detail = "completed the game of \"" + path + "\"";
  }
  Status removed = fs.Remove(path);
  recovery.completed = removed.ok();
  if (!removed.ok()) recovery.detail = removed.message();
  return recovery;
}

}  // namespace ostrel
