#include "storage/club_store.h"

#include "storage/atomic_file.h"

namespace ostrel {

ClubCheck VerifyClubFile(const std::string& path, FileSystem& fs) {
  ClubCheck check;
  if (!fs.Exists(path)) {
    check.problem = ClubProblem::Missing;
    check.detail = "no file \"" + path + "\"";
    return check;
  }
  std::string error;
  auto bytes = ReadWholeFile(path, &error);
  if (bytes) check.club = ParseClubFile(*bytes);
  if (!check.club) {
    check.problem = ClubProblem::Incorrect;
    check.detail = bytes ? "\"" + path + "\" fails its check" : error;
    return check;
  }
  const std::string& marks = check.club->lines[17];
  check.russian = marks[0] == '1';
  check.distribution_label = marks.substr(6, 3);
  check.writable = fs.CanWrite(path);
  if (!check.writable) check.problem = ClubProblem::ReadOnly;
  return check;
}

std::string ClubProblemText(ClubProblem problem, const std::string& path,
                            const std::function<std::string(std::string_view)>& translate) {
  auto phrase = [&](std::string_view english) {
    return translate ? translate(english) : std::string(english);
  };
  const std::string quoted = "\"" + path + "\"";
  switch (problem) {
    case ClubProblem::Missing:
      return phrase("Can`t find the file") + " " + quoted + "!";
    case ClubProblem::Incorrect:
      return phrase("The incorrect file") + " " + quoted + "!";
    case ClubProblem::ReadOnly:
      return phrase("The file \"") + path +
             phrase("\" has incorrect attributes!\n\rThe work of the program will be incorrect!");
    case ClubProblem::None:
      break;
  }
  return "";
}

Status SaveClubFile(const std::string& path, const ClubFile& club, MessagePort& port,
                    FileSystem& fs) {
  Status status = ReplaceFileAtomically(path, SerializeClubFile(club), fs);
  if (!status.ok()) port.ShowError(kErrorOfDiskWriting, status.message());
  return status;
}

}  // namespace ostrel
