#include "storage/program_lock.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>
#include <filesystem>

#include "storage/atomic_file.h"

namespace ostrel {

ProgramLock ProgramLock::Take(const std::string& program_folder, std::string* error) {
  const std::string path = (std::filesystem::path(program_folder) / kLockFileName).string();
  const int fd = ::open(path.c_str(), O_RDWR | O_CREAT | O_CLOEXEC | O_NOFOLLOW, 0644);
  if (fd < 0) {
    if (error) *error = "cannot open \"" + path + "\": " + std::strerror(errno);
    return ProgramLock(Outcome::Failed);
  }
  if (::flock(fd, LOCK_EX | LOCK_NB) != 0) {
    const int reason = errno;
    ::close(fd);
    if (error) *error = "cannot lock \"" + path + "\": " + std::strerror(reason);
    return ProgramLock(reason == EWOULDBLOCK ? Outcome::Busy : Outcome::Failed);
  }
  return ProgramLock(Outcome::Taken, fd);
}

ProgramLock::ProgramLock(ProgramLock&& other) noexcept : outcome_(other.outcome_), fd_(other.fd_) {
  other.fd_ = -1;
  other.outcome_ = Outcome::Failed;
}

ProgramLock& ProgramLock::operator=(ProgramLock&& other) noexcept {
  if (this != &other) {
    Release();
    outcome_ = other.outcome_;
    fd_ = other.fd_;
    other.fd_ = -1;
    other.outcome_ = Outcome::Failed;
  }
  return *this;
}

ProgramLock::~ProgramLock() {
  Release();
}

void ProgramLock::Release() {
  // Closing the only descriptor of the open file drops the lock. The file itself stays:
  // removing it would let one copy lock the old file, opened just before, while another locks
  // a new file of the same name.
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

int TidyProgramFolder(const std::string& program_folder) {
  const std::filesystem::path folder(program_folder);
  int removed = 0;
  for (const auto& path : {folder, folder / "History", folder / "GIFGame"}) {
    removed += RemoveStaleTemporaries(path.string());
  }
  return removed;
}

}  // namespace ostrel
