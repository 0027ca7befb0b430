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
  void ShowError(PhraseKey phrase, std::string_view) override { phrases.push_back(phrase); }
  std::vector<PhraseKey> phrases;
};

enum class FailStep { None, Create, Write, Flush, Close, Rename, Read, MakeFolders };

// The real file system, except that the chosen step fails (every time, or only the first n
// times). A failed read is a read error of a file that exists, as a failing disk gives it.
class FailingFileSystem final : public FileSystem {
 public:
  explicit FailingFileSystem(FailStep step, int times = 1000) : step_(step), times_(times) {}

  ReadOutcome ReadFile(const std::string& path, std::size_t max_bytes) override {
    ReadOutcome outcome = real_.ReadFile(path, max_bytes);
    if (outcome.kind != ReadOutcome::Kind::Missing && Fails(FailStep::Read)) {
      return {ReadOutcome::Kind::Unreadable, "", "injected read failure of \"" + path + "\""};
    }
    return outcome;
  }
  std::optional<Handle> CreateExclusive(const std::string& path, std::optional<unsigned> keep_mode,
                                        std::string* error) override {
    if (Fails(FailStep::Create)) {
      if (error) *error = "injected create failure";
      return std::nullopt;
    }
    return real_.CreateExclusive(path, keep_mode, error);
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
  Status MakeFolders(const std::string& path) override {
    return Fails(FailStep::MakeFolders) ? Status::Error("injected mkdir failure")
                                        : real_.MakeFolders(path);
  }
  bool Exists(const std::string& path) override { return real_.Exists(path); }
  bool CanWrite(const std::string& path) override { return real_.CanWrite(path); }
  std::optional<unsigned> Mode(const std::string& path) override { return real_.Mode(path); }
  std::optional<std::string> FollowLinks(const std::string& path, std::string* error) override {
    return real_.FollowLinks(path, error);
  }
  std::vector<std::string> List(const std::string& folder) override { return real_.List(folder); }

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
