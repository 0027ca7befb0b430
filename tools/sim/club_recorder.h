// The simulator's games recorded in a program folder's club and history files, through the
// same end-of-game steps the desktop program takes.
#pragma once

#include <optional>
#include <string>

#include "game/finish_port.h"
#include "storage/club_session.h"
#include "storage/message_port.h"
#include "storage/program_lock.h"

namespace ostrel::sim {

class ClubRecorder : public FinishPort, public MessagePort {
 public:
  // Prepares the folder (with the shipped club files when it has none), takes its lock (a
  // folder another copy is using is refused: the two would lose each other's games) and opens
  // its club.
  static std::optional<ClubRecorder> Open(const std::string& home, const std::string& shipped,
                                          std::string* error);

  // Logs the player in as the member of that name, or as a new player.
  bool Login(const std::string& name, std::string* error);
  int GameNumber() const { return session_->GameNumber(); }
  int InitialScore() const { return session_->InitialScore(); }
  // The first failure of the last recording, empty when all went well.
  const std::string& failure() const { return failure_; }

  void UpdateRating(const GameRecord& record) override;
  void WriteHistory(const GameRecord& record) override;
  void UpdateClubFile(const GameRecord& record) override;
  void ShowError(PhraseKey phrase, std::string_view detail) override;

 private:
  ClubRecorder(ProgramLock lock, ClubSession session)
      : lock_(std::move(lock)), session_(std::move(session)) {}
  void Note(const Status& status);

  ProgramLock lock_;
  std::optional<ClubSession> session_;
  FinishedGame standing_;
  std::string failure_;
};

}  // namespace ostrel::sim
