// The container every resource pack is: a header, an index of named entries and their data.
// The layout is written down in docs/packs.md. Plain C++ without Qt, so that the parser can be
// fed any bytes at all (the tests do, by the thousand): whatever a file says about itself is
// checked against the file's real size before anything is allocated or read.
#pragma once

#include <cstddef>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

inline constexpr char kPackMagic[8] = {'O', 'S', 'T', 'R', 'P', 'A', 'C', 'K'};
inline constexpr std::uint16_t kPackVersion = 1;
inline constexpr std::size_t kPackHeaderSize = 20;
inline constexpr std::size_t kPackEntrySize = 48;
inline constexpr std::size_t kPackNameField = 32;  // up to 31 characters and a NUL
inline constexpr std::uint32_t kPackMaxEntries = 16384;
inline constexpr std::uint32_t kPackMaxEntrySize = 64u << 20;

enum class PackKind : std::uint8_t { kPng = 1, kJpeg = 2, kGif = 3, kWav = 4 };

struct PackEntry {
  std::string name;
  PackKind kind = PackKind::kPng;
  std::uint32_t offset = 0;
  std::uint32_t size = 0;
  std::uint32_t crc = 0;
};

// CRC-32 as zlib and PNG compute it (reflected polynomial 0xEDB88320).
std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc = 0);

// 1 to 31 characters, each a letter, a digit or "_".
bool IsValidPackName(std::string_view name);

// Where the bytes of a pack come from: a file or, in tests, memory.
class ByteSource {
 public:
  virtual ~ByteSource() = default;
  virtual std::uint64_t Size() const = 0;
  // Exactly size bytes from offset, or false.
  virtual bool ReadAt(std::uint64_t offset, std::size_t size, std::uint8_t* out) = 0;
};

std::unique_ptr<ByteSource> MemorySource(std::vector<std::uint8_t> bytes);
// Null when the file cannot be opened. The file stays open as long as the source lives.
std::unique_ptr<ByteSource> FileSource(const std::string& path);

// An open pack: its index was read and checked in full; data are read on demand and checked
// against their CRC-32.
class PackReader {
 public:
  // Null with a reason in error when the source is not an intact pack.
  static std::unique_ptr<PackReader> Open(std::unique_ptr<ByteSource> source,
                                          std::string* error = nullptr);

  const std::vector<PackEntry>& Entries() const { return entries_; }
  const PackEntry* Find(std::string_view name) const;
  // The entry's bytes, or nullopt (with a reason) when they cannot be read or fail their CRC.
  std::optional<std::vector<std::uint8_t>> Read(const PackEntry& entry,
                                                std::string* error = nullptr);

 private:
  PackReader(std::unique_ptr<ByteSource> source, std::vector<PackEntry> entries)
      : source_(std::move(source)), entries_(std::move(entries)) {}
  std::unique_ptr<ByteSource> source_;
  std::vector<PackEntry> entries_;  // sorted by name
};

// The checks of Open on an index already in memory: the header's 20 bytes, then the index.
// Exposed for the writer's own check and for tests.
std::optional<std::vector<PackEntry>> ParsePackIndex(const std::uint8_t* header,
                                                     const std::uint8_t* index,
                                                     std::size_t index_size,
                                                     std::uint64_t file_size, std::string* error);

}  // namespace ostrel
