#include "storage/file_system.h"

#include <dirent.h>
#include <fcntl.h>
#include <limits.h>
#include <stdlib.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>

namespace ostrel {
namespace {

std::string Describe(const std::string& what, const std::string& path, int error) {
  return what + " \"" + path + "\": " + std::strerror(error);
}

ReadOutcome Outcome(ReadOutcome::Kind kind, std::string error) {
  ReadOutcome outcome;
  outcome.kind = kind;
  outcome.error = std::move(error);
  return outcome;
}

// Reads until the end of the file, at most limit + 1 bytes (one more tells a file that grew
// past the limit while it was read).
ReadOutcome ReadOpenFile(int fd, const std::string& path, std::size_t limit, off_t size_hint) {
  ReadOutcome outcome;
  outcome.kind = ReadOutcome::Kind::Read;
  outcome.bytes.reserve(static_cast<std::size_t>(size_hint));
  char buffer[65536];
  while (true) {
    const std::size_t room = limit + 1 - outcome.bytes.size();
    const ssize_t n = ::read(fd, buffer, room < sizeof buffer ? room : sizeof buffer);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return Outcome(ReadOutcome::Kind::Unreadable, Describe("cannot read", path, errno));
    if (n == 0) break;
    outcome.bytes.append(buffer, static_cast<std::size_t>(n));
    if (outcome.bytes.size() > limit) {
      return Outcome(ReadOutcome::Kind::TooLarge, "\"" + path + "\" is larger than it may be");
    }
  }
  return outcome;
}

}  // namespace

ReadOutcome PosixFileSystem::ReadFile(const std::string& path, std::size_t max_bytes) {
  // O_NONBLOCK: opening a pipe must not wait for a writer that never comes.
  const int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC | O_NOCTTY | O_NONBLOCK);
  if (fd < 0) {
    const int error = errno;
    return Outcome(error == ENOENT ? ReadOutcome::Kind::Missing : ReadOutcome::Kind::Unreadable,
                   Describe("cannot open", path, error));
  }
  struct stat st {};
  ReadOutcome outcome;
  if (::fstat(fd, &st) != 0) {
    outcome = Outcome(ReadOutcome::Kind::Unreadable, Describe("cannot read", path, errno));
  } else if (!S_ISREG(st.st_mode)) {
    outcome = Outcome(ReadOutcome::Kind::Unreadable, "\"" + path + "\" is not a regular file");
  } else if (static_cast<std::uint64_t>(st.st_size) > max_bytes) {
    outcome = Outcome(ReadOutcome::Kind::TooLarge, "\"" + path + "\" is larger than it may be");
  } else {
    outcome = ReadOpenFile(fd, path, max_bytes, st.st_size);
  }
  ::close(fd);
  return outcome;
}

std::optional<FileSystem::Handle> PosixFileSystem::CreateExclusive(
    const std::string& path, std::optional<unsigned> keep_mode, std::string* error) {
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Describe("cannot create", path, errno);
    return std::nullopt;
  }
  // The umask would narrow the bits of the file being replaced; they are set as they were.
  if (keep_mode && ::fchmod(fd, static_cast<mode_t>(*keep_mode & 07777)) != 0) {
    if (error) *error = Describe("cannot set the permissions of", path, errno);
    ::close(fd);
    ::unlink(path.c_str());
    return std::nullopt;
  }
  return fd;
}

Status PosixFileSystem::Write(Handle handle, std::string_view bytes) {
  while (!bytes.empty()) {
    ssize_t n = ::write(handle, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return Status::Error(std::string("cannot write: ") + std::strerror(errno));
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return Status::Ok();
}

Status PosixFileSystem::Flush(Handle handle) {
  if (::fsync(handle) != 0) {
    return Status::Error(std::string("cannot flush to disk: ") + std::strerror(errno));
  }
  return Status::Ok();
}

Status PosixFileSystem::Close(Handle handle) {
  if (::close(handle) != 0) {
    return Status::Error(std::string("cannot close: ") + std::strerror(errno));
  }
  return Status::Ok();
}

Status PosixFileSystem::Rename(const std::string& from, const std::string& to) {
  if (std::rename(from.c_str(), to.c_str()) != 0) {
    return Status::Error(Describe("cannot replace", to, errno));
  }
  // The new name itself must reach the disk too, or a crash could bring the old file back.
  const std::string folder = std::filesystem::path(to).parent_path().string();
  int fd = ::open(folder.empty() ? "." : folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd >= 0) {
    (void)::fsync(fd);
    ::close(fd);
  }
  return Status::Ok();
}

Status PosixFileSystem::Remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return Status::Error(Describe("cannot remove", path, errno));
  return Status::Ok();
}

Status PosixFileSystem::MakeFolders(const std::string& path) {
  std::error_code ec;
  std::filesystem::create_directories(path, ec);
  if (ec) return Status::Error("cannot create \"" + path + "\": " + ec.message());
  return Status::Ok();
}

bool PosixFileSystem::Exists(const std::string& path) {
  struct stat st {};
  return ::lstat(path.c_str(), &st) == 0;
}

bool PosixFileSystem::CanWrite(const std::string& path) {
  // A file without any write permission bit is read-only even for a user (root) whom access()
  // would let through.
  struct stat st {};
  if (::stat(path.c_str(), &st) == 0 && (st.st_mode & (S_IWUSR | S_IWGRP | S_IWOTH)) == 0) {
    return false;
  }
  return ::access(path.c_str(), W_OK) == 0;
}

std::optional<unsigned> PosixFileSystem::Mode(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return std::nullopt;
  return static_cast<unsigned>(st.st_mode & 07777);
}

std::optional<std::string> PosixFileSystem::FollowLinks(const std::string& path,
                                                        std::string* error) {
  struct stat st {};
  if (::lstat(path.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return path;
  char resolved[PATH_MAX];
  if (::realpath(path.c_str(), resolved) == nullptr) {
    if (error) *error = Describe("cannot follow the link", path, errno);
    return std::nullopt;
  }
  return std::string(resolved);
}

std::vector<std::string> PosixFileSystem::List(const std::string& folder) {
  std::vector<std::string> names;
  DIR* dir = ::opendir(folder.c_str());
  if (dir == nullptr) return names;
  while (const dirent* entry = ::readdir(dir)) {
    const std::string name = entry->d_name;
    if (name != "." && name != "..") names.push_back(name);
  }
  ::closedir(dir);
  return names;
}

FileSystem& RealFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error,
                                         std::size_t max_bytes) {
  ReadOutcome outcome = RealFileSystem().ReadFile(path, max_bytes);
  if (!outcome.read()) {
    if (error) *error = outcome.error;
    return std::nullopt;
  }
  return std::move(outcome.bytes);
}

}  // namespace ostrel
