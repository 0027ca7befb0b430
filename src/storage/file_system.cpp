#include "storage/file_system.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>

namespace ostrel {
namespace {

std::string Describe(const std::string& what, const std::string& path) {
  return what + " \"" + path + "\": " + std::strerror(errno);
}

}  // namespace

std::optional<FileSystem::Handle> PosixFileSystem::CreateExclusive(const std::string& path,
                                                                   std::string* error) {
  int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, 0644);
  if (fd < 0) {
    if (error) *error = Describe("cannot create", path);
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
    return Status::Error(Describe("cannot replace", to));
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
  if (::unlink(path.c_str()) != 0) return Status::Error(Describe("cannot remove", path));
  return Status::Ok();
}

bool PosixFileSystem::Exists(const std::string& path) {
  return ::access(path.c_str(), F_OK) == 0;
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

FileSystem& RealFileSystem() {
  static PosixFileSystem instance;
  return instance;
}

std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error) {
  std::ifstream in(path, std::ios::binary);
  if (!in) {
    if (error) *error = Describe("cannot open", path);
    return std::nullopt;
  }
  std::ostringstream content;
  content << in.rdbuf();
  if (in.bad()) {
    if (error) *error = Describe("cannot read", path);
    return std::nullopt;
  }
  return std::move(content).str();
}

}  // namespace ostrel
