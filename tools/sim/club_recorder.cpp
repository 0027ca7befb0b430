#include "sim/club_recorder.h"

#include "i18n/phrases.h"
#include "storage/program_folder.h"

namespace ostrel::sim {

std::optional<ClubRecorder> ClubRecorder::Open(const std::string& home, const std::string& shipped,
                                               std::string* error) {
  const Status installed = InstallClubFiles(home, shipped);
  if (!installed.ok()) {
    *error = installed.message();
    return std::nullopt;
  }
  ProgramLock lock = ProgramLock::Take(home, error);
  if (lock.outcome() == ProgramLock::Outcome::Busy) {
    *error = std::string(Phrase(PhraseKey::AlreadyRunning)) + " (" + home + ")";
    return std::nullopt;
  }
  TidyProgramFolder(home);
  auto session = ClubSession::Open(home, false, error);
  if (!session) return std::nullopt;
  if (!session->writable()) {
    *error = "the club file " + session->club_path() + " cannot be written";
    return std::nullopt;
  }
  return ClubRecorder(std::move(lock), std::move(*session));
}

bool ClubRecorder::Login(const std::string& name, std::string* error) {
  const LoginResult login = session_->LoginByName(name, "");
  if (login.error != LoginError::None) {
    *error =
        "cannot log in as " + name + ": " + std::string(Phrase(*LoginErrorPhrase(login.error)));
    return false;
  }
  failure_.clear();
  return true;
}

void ClubRecorder::ShowError(PhraseKey phrase, std::string_view detail) {
  if (failure_.empty()) {
    failure_ = std::string(Phrase(phrase)) + " (" + std::string(detail) + ")";
  }
}

}  // namespace ostrel::sim
