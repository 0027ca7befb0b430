// Shared pieces of the storage tests: a fresh folder per test, a recording message port and a
// file system that fails at a chosen step.
#pragma once

#include <stdlib.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "storage/file_system.h"
#include "storage/message_port.h"

namespace ostrel::testing {

class TempFolder {
 public:
  TempFolder() {
    std::string pattern = (std::filesystem::temp_directory_path() / "ostrel-storage-XXXXXX");
    path_ = ::mkdtemp(pattern.data()) ? pattern : std::string();
  }
  ~TempFolder() {
    std::error_code ec;
    std::filesystem::remove_all(path_, ec);
  }
  TempFolder(const TempFolder&) = delete;
  TempFolder& operator=(const TempFolder&) = delete;

  const std::string& path() const { return path_; }
  std::string File(const std::string& name) const { return path_ + "/" + name; }
  // Names of the entries of the folder, for checks that no temporary file was left behind.
  std::vector<std::string> Entries() const {
    std::vector<std::string> names;
    for (const auto& entry : std::filesystem::directory_iterator(path_)) {
      names.push_back(entry.path().filename().string());
    }
    return names;
  }

 private:
  std::string path_;
};

inline void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << bytes;
}

inline std::string ReadBytes(const std::string& path) {
  return ReadWholeFile(path).value_or("<missing>");
}

class RecordingPort final : public MessagePort {
 public:
  void ShowError(std::string_view phrase, std::string_view) override {
    phrases.emplace_back(phrase);
  }
  std::vector<std::string> phrases;
};

enum class FailStep { None, Create, Write, Flush, Close, Rename };

// The real file system, except that the chosen step fails (every time, or only the first n
// times).
class FailingFileSystem final : public FileSystem {
 public:
  explicit FailingFileSystem(FailStep step, int times = 1000) : step_(step), times_(times) {}

  std::optional<Handle> CreateExclusive(const std::string& path, std::string* error) override {
    if (Fails(FailStep::Create)) {
      if (error) *error = "injected create failure";
      return std::nullopt;
    }
    return real_.CreateExclusive(path, error);
  }
  Status Write(Handle h, std::string_view bytes) override {
    if (Fails(FailStep::Write)) {
      // Half the bytes reach the file first, as a full disk would leave them.
      (void)real_.Write(h, bytes.substr(0, bytes.size() / 2));
      return Status::Error("injected write failure");
    }
    return real_.Write(h, bytes);
  }
  Status Flush(Handle h) override {
    return Fails(FailStep::Flush) ? Status::Error("injected flush failure") : real_.Flush(h);
  }
  Status Close(Handle h) override {
    Status closed = real_.Close(h);
    return Fails(FailStep::Close) ? Status::Error("injected close failure") : closed;
  }
  Status Rename(const std::string& from, const std::string& to) override {
    return Fails(FailStep::Rename) ? Status::Error("injected rename failure")
                                   : real_.Rename(from, to);
  }
  Status Remove(const std::string& path) override { return real_.Remove(path); }
  bool Exists(const std::string& path) override { return real_.Exists(path); }
  bool CanWrite(const std::string& path) override { return real_.CanWrite(path); }

 private:
  bool Fails(FailStep step) {
    if (step != step_ || times_ <= 0) return false;
    --times_;
    return true;
  }

  PosixFileSystem real_;
  FailStep step_;
  int times_;
};

}  // namespace ostrel::testing
