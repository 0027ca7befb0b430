#include "storage/atomic_file.h"

#include <unistd.h>

#include <atomic>

namespace ostrel {
namespace {

std::string TemporaryName(const std::string& path) {
  static std::atomic<unsigned> counter{0};
  return path + ".tmp-" + std::to_string(::getpid()) + "-" + std::to_string(counter++);
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

}  // namespace

Status ReplaceFileAtomically(const std::string& path, std::string_view bytes, FileSystem& fs) {
  if (fs.Exists(path) && !fs.CanWrite(path)) return Failed(path, "the file is read-only");
  const std::string temp = TemporaryName(path);
  std::string error;
  auto handle = fs.CreateExclusive(temp, &error);
  if (!handle) return Failed(path, error);
  Status status = FillAndClose(fs, *handle, bytes);
  if (status.ok()) status = fs.Rename(temp, path);
  if (!status.ok()) {
    (void)fs.Remove(temp);
    return Failed(path, status.message());
  }
  return Status::Ok();
}

}  // namespace ostrel
