#include "storage/atomic_file.h"

#include <unistd.h>

#include <atomic>
#include <filesystem>

namespace ostrel {
namespace {

constexpr std::string_view kTemporaryMark = ".tmp-";
// A leftover of a crashed save may hold any of these names; the next one is tried.
constexpr int kTemporaryAttempts = 100;

std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + std::string(kTemporaryMark) + std::to_string(::getpid()) + "-" +
         std::to_string(counter++);
}

Status Failed(const std::string& path, const std::string& reason) {
  return Status::Error("Cannot save \"" + path + "\" (" + reason + "); the old file is kept");
}

// Writes, flushes and closes; the handle is closed whatever happens.
Status FillAndClose(FileSystem& fs, FileSystem::Handle handle, std::string_view bytes) {
  Status status = fs.Write(handle, bytes);
  if (status.ok()) status = fs.Flush(handle);
  Status closed = fs.Close(handle);
  if (!status.ok()) return status;
  return closed;
}

bool AllDigits(std::string_view text) {
  if (text.empty()) return false;
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

}  // namespace

Status ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileSystem& fs) {
  std::string error;
  const auto target = fs.FollowLinks(path, &error);
  if (!target) return Failed(path, error);
  const std::optional<unsigned> mode = fs.Mode(*target);
  if (mode && !fs.CanWrite(*target)) return Failed(path, "the file is read-only");
  std::string temp;
  std::optional<FileSystem::Handle> handle;
  for (int attempt = 0; attempt < kTemporaryAttempts && !handle; ++attempt) {
    temp = TemporaryName(*target);
    if (fs.Exists(temp)) continue;
    handle = fs.CreateExclusive(temp, mode, &error);
    if (!handle) return Failed(path, error);
  }
  if (!handle) return Failed(path, "no free name for a temporary file");
  Status status = FillAndClose(fs, *handle, bytes);
  if (status.ok()) status = fs.Rename(temp, *target);
  if (!status.ok()) {
    (void)fs.Remove(temp);
    return Failed(path, status.message());
  }
  return Status::Ok();
}

bool IsTemporaryFileName(std::string_view name) {
  const std::size_t mark = name.rfind(kTemporaryMark);
  if (mark == std::string_view::npos || mark == 0) return false;
  const std::string_view tail = name.substr(mark + kTemporaryMark.size());
  const std::size_t dash = tail.find('-');
  return dash != std::string_view::npos && AllDigits(tail.substr(0, dash)) &&
         AllDigits(tail.substr(dash + 1));
}

int RemoveStaleTemporaries(const std::string& folder, FileSystem& fs) {
  int removed = 0;
  for (const std::string& name : fs.List(folder)) {
    if (!IsTemporaryFileName(name)) continue;
    if (fs.Remove((std::filesystem::path(folder) / name).string()).ok()) ++removed;
  }
  return removed;
}

}  // namespace ostrel
