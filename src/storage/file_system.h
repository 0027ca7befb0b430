// The few file operations the storage code needs, behind an interface so that tests can make
// any single step fail and check that nothing the player had is lost.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/status.h"

namespace ostrel {

// What reading a whole file gave. A file that cannot be read is not a damaged file: the callers
// report it and leave it alone, where a damaged one may be set aside and started anew.
struct ReadOutcome {
  enum class Kind {
    Read,        // bytes holds the whole file
    Missing,     // there is no such file (a link that points nowhere included)
    Unreadable,  // it exists but could not be read in full, or is no regular file
    TooLarge,    // a regular file larger than the reader's limit: not one of ours
  };
  Kind kind = Kind::Missing;
  std::string bytes;
  std::string error;  // what went wrong and where, for a log; empty when Read

  bool read() const { return kind == Kind::Read; }
};

class FileSystem {
 public:
  using Handle = int;

  virtual ~FileSystem() = default;

  // The whole content of a regular file of at most max_bytes. A pipe, a device or a folder is
  // Unreadable without waiting for it; a read error part-way is Unreadable, never a short file.
  virtual ReadOutcome ReadFile(const std::string& path, std::size_t max_bytes) = 0;

  // Creates a new file that must not exist yet, open for writing. With keep_mode the file gets
  // exactly those permission bits (those of the file it will replace); without, the usual
  // 0644 less the process's umask.
  virtual std::optional<Handle> CreateExclusive(const std::string& path,
                                                std::optional<unsigned> keep_mode,
                                                std::string* error) = 0;
  // Writes all bytes or fails.
  virtual Status Write(Handle handle, std::string_view bytes) = 0;
  // Forces the written bytes to the disk.
  virtual Status Flush(Handle handle) = 0;
  virtual Status Close(Handle handle) = 0;
  // Renames and forces the folder's new entry to the disk.
  virtual Status Rename(const std::string& from, const std::string& to) = 0;
  virtual Status Remove(const std::string& path) = 0;
  // Creates the folder and any missing folders above it.
  virtual Status MakeFolders(const std::string& path) = 0;

  virtual bool Exists(const std::string& path) = 0;
  // False for a file the user may not write (a read-only file is never replaced behind the
  // user's back, although its folder would allow the rename).
  virtual bool CanWrite(const std::string& path) = 0;
  // The permission bits of an existing file (links followed); nullopt when there is none.
  virtual std::optional<unsigned> Mode(const std::string& path) = 0;
  // The file a path names once symbolic links are followed: the path itself when it is no
  // link or does not exist; nullopt (with the reason) for a link that leads nowhere or in a
  // circle.
  virtual std::optional<std::string> FollowLinks(const std::string& path, std::string* error) = 0;
  // The names of the entries of a folder; empty when it cannot be listed.
  virtual std::vector<std::string> List(const std::string& folder) = 0;
};

// The real file system of the machine.
class PosixFileSystem final : public FileSystem {
 public:
  ReadOutcome ReadFile(const std::string& path, std::size_t max_bytes) override;
  std::optional<Handle> CreateExclusive(const std::string& path, std::optional<unsigned> keep_mode,
                                        std::string* error) override;
  Status Write(Handle handle, std::string_view bytes) override;
  Status Flush(Handle handle) override;
  Status Close(Handle handle) override;
  Status Rename(const std::string& from, const std::string& to) override;
  Status Remove(const std::string& path) override;
  Status MakeFolders(const std::string& path) override;
  bool Exists(const std::string& path) override;
  bool CanWrite(const std::string& path) override;
  std::optional<unsigned> Mode(const std::string& path) override;
  std::optional<std::string> FollowLinks(const std::string& path, std::string* error) override;
  std::vector<std::string> List(const std::string& folder) override;
};

// The process-wide instance used when no other is given.
FileSystem& RealFileSystem();

// The most any of the program's own files may hold; each reader has its own, smaller limit.
inline constexpr std::size_t kMaxOwnFileBytes = 16u << 20;

// The whole content of a regular file; nullopt (with the reason in error) when it is missing
// or cannot be read in full.
std::optional<std::string> ReadWholeFile(const std::string& path, std::string* error = nullptr,
                                         std::size_t max_bytes = kMaxOwnFileBytes);

}  // namespace ostrel
