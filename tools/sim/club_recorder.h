// The simulator's club: a program folder's club and history files, in which the game session
// records the games as the desktop program does; the first failure is kept for the report.
#pragma once

#include <optional>
#include <string>

#include "storage/club_session.h"
#include "storage/message_port.h"
#include "storage/program_lock.h"

namespace ostrel::sim {

class ClubRecorder : public MessagePort {
 public:
  // Prepares the folder (with the shipped club files when it has none), takes its lock (a
  // folder another copy is using is refused: the two would lose each other's games) and opens
  // its club.
  static std::optional<ClubRecorder> Open(const std::string& home, const std::string& shipped,
                                          std::string* error);

  // Logs the player in as the member of that name, or as a new player.
  bool Login(const std::string& name, std::string* error);
  ClubSession& Session() { return *session_; }
  // The first failure of the last recording, empty when all went well.
  const std::string& failure() const { return failure_; }

  void ShowError(PhraseKey phrase, std::string_view detail) override;

 private:
  ClubRecorder(ProgramLock lock, ClubSession session)
      : lock_(std::move(lock)), session_(std::move(session)) {}

  ProgramLock lock_;
  std::optional<ClubSession> session_;
  std::string failure_;
};

}  // namespace ostrel::sim
