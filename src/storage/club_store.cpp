#include "storage/club_store.h"

#include "i18n/phrases.h"
#include "storage/atomic_file.h"

namespace ostrel {

ClubCheck VerifyClubFile(const std::string& path, FileSystem& fs) {
  ClubCheck check;
  const ReadOutcome read = fs.ReadFile(path, kMaxClubFileBytes);
  switch (read.kind) {
    case ReadOutcome::Kind::Missing:
      check.problem = ClubProblem::Missing;
      check.detail = read.error;
      return check;
    case ReadOutcome::Kind::Unreadable:
      check.problem = ClubProblem::Unreadable;
      check.detail = read.error;
      return check;
    case ReadOutcome::Kind::TooLarge:
    case ReadOutcome::Kind::Read:
      break;
  }
  if (read.read()) check.club = ParseClubFile(read.bytes);
  if (!check.club) {
    check.problem = ClubProblem::Incorrect;
    check.detail = read.read() ? "\"" + path + "\" fails its check" : read.error;
    return check;
  }
  const std::string& marks = check.club->lines[17];
  check.russian = marks[0] == '1';
  check.distribution_label = marks.substr(6, 3);
  check.writable = fs.CanWrite(path);
  if (!check.writable) check.problem = ClubProblem::ReadOnly;
  return check;
}

std::string ClubProblemText(ClubProblem problem, const std::string& path) {
  const auto named = [&](PhraseKey phrase) {
    return std::string(Phrase(phrase)) + " \"" + path + "\"!";
  };
  switch (problem) {
    case ClubProblem::Missing:
      return named(PhraseKey::CantFindFile);
    case ClubProblem::Incorrect:
      return named(PhraseKey::IncorrectFile);
    case ClubProblem::Unreadable:
      return named(PhraseKey::CantReadFile);
    case ClubProblem::ReadOnly:
      return PhraseWithNext(PhraseKey::FileAttributesBegin, path);
    case ClubProblem::None:
      break;
  }
  return "";
}

Status SaveClubFile(const std::string& path, const ClubFile& club, MessagePort& port,
                    FileSystem& fs) {
  Status status = ReplaceFileAtomically(path, SerializeClubFile(club), fs);
  if (!status.ok()) port.ShowError(PhraseKey::DiskWriteError, status.message());
  return status;
}

}  // namespace ostrel
