// One copy of the program at a time in a program folder. Two copies that both read the club and
// the history at their start and write them back at the end of each game lose each other's
// games; the second copy is therefore told that the game is already running and stops.
//
// The lock is an advisory lock (flock) on the file "Ostrel4.lock" in the program folder, held
// for as long as the ProgramLock lives; the kernel drops it when the process ends in any way,
// so a crashed copy never leaves the folder locked.
#pragma once

#include <optional>
#include <string>

namespace ostrel {

inline constexpr const char* kLockFileName = "Ostrel4.lock";

class ProgramLock {
 public:
  enum class Outcome {
    Taken,
    Busy,    // another copy holds it
    Failed,  // the lock file could not be made or locked (a read-only folder, say)
  };

  // Takes the lock without waiting. Without one (Busy or Failed) the result holds no lock;
  // error says why.
  static ProgramLock Take(const std::string& program_folder, std::string* error = nullptr);

  ProgramLock(ProgramLock&& other) noexcept;
  ProgramLock& operator=(ProgramLock&& other) noexcept;
  ProgramLock(const ProgramLock&) = delete;
  ProgramLock& operator=(const ProgramLock&) = delete;
  ~ProgramLock();

  Outcome outcome() const { return outcome_; }
  bool held() const { return outcome_ == Outcome::Taken; }

 private:
  explicit ProgramLock(Outcome outcome, int fd = -1) : outcome_(outcome), fd_(fd) {}
  void Release();

  Outcome outcome_ = Outcome::Failed;
  int fd_ = -1;
};

// Under the lock, before anything is read: removes the temporary files of saves a crash cut
// short from the program folder and its "History" and "GIFGame" folders. Returns how many.
int TidyProgramFolder(const std::string& program_folder);

}  // namespace ostrel
