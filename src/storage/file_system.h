// The few file operations the storage code needs, behind an interface so that tests can make
// any single step fail and check that nothing the player had is lost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "storage/status.h"

namespace ostrel {

class FileSystem {
 public:
  using Handle = int;

  virtual ~FileSystem() = default;

  // Creates a new file that must not exist yet, open for writing.
  virtual std::optional<Handle> CreateExclusive(const std::string& path, std::string* error) = 0;
  // Writes all bytes or fails.
  virtual Status Write(Handle handle, std::string_view bytes) = 0;
  // Forces the written bytes to the disk.
  virtual Status Flush(Handle handle) = 0;
  virtual Status Close(Handle handle) = 0;
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  virtual Status Remove(const std::string& path) = 0;
  virtual bool Exists(const std::string& path) = 0;
  // False for a file the user may not write (a read-only file is never replaced behind the
  // user's back, although its folder would allow the rename).
  virtual bool CanWrite(const std::string& path) = 0;
};

// The real file system of the machine.
class PosixFileSystem final : public FileSystem {
 public:
  std::optional<Handle> CreateExclusive(const std::string& path, std::string* error) override;
  Status Write(Handle handle, std::string_view bytes) override;
  Status Flush(Handle handle) override;
  Status Close(Handle handle) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Remove(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool CanWrite(const std::string& path) override;
};

// The process-wide instance used when no other is given.
FileSystem& RealFileSystem();

// The whole content of a file; nullopt (with the reason in error) when it cannot be read.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr);

}  // namespace ostrel
