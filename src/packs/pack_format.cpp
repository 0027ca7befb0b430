#include "packs/pack_format.h"

#include <algorithm>
#include <array>
#include <cstdio>
#include <cstring>

namespace ostrel {

namespace {

std::array<std::uint32_t, 256> MakeCrcTable() {
  std::array<std::uint32_t, 256> table{};
  for (std::uint32_t i = 0; i < 256; ++i) {
    std::uint32_t c = i;
    for (int k = 0; k < 8; ++k) c = (c & 1) ? 0xEDB88320u ^ (c >> 1) : c >> 1;
    table[i] = c;
  }
  return table;
}

std::uint32_t Le32(const std::uint8_t* p) {
  return std::uint32_t(p[0]) | std::uint32_t(p[1]) << 8 | std::uint32_t(p[2]) << 16 |
         std::uint32_t(p[3]) << 24;
}

std::uint16_t Le16(const std::uint8_t* p) {
  return static_cast<std::uint16_t>(p[0] | p[1] << 8);
}

bool Fail(std::string* error, const std::string& why) {
  if (error) *error = why;
  return false;
}

class Memory final : public ByteSource {
 public:
  explicit Memory(std::vector<std::uint8_t> bytes) : bytes_(std::move(bytes)) {}
  std::uint64_t Size() const override { return bytes_.size(); }
  bool ReadAt(std::uint64_t offset, std::size_t size, std::uint8_t* out) override {
    if (offset > bytes_.size() || size > bytes_.size() - offset) return false;
    std::memcpy(out, bytes_.data() + offset, size);
    return true;
  }

 private:
  std::vector<std::uint8_t> bytes_;
};

class File final : public ByteSource {
 public:
  File(std::FILE* f, std::uint64_t size) : f_(f), size_(size) {}
  ~File() override { std::fclose(f_); }
  File(const File&) = delete;
  File& operator=(const File&) = delete;
  std::uint64_t Size() const override { return size_; }
  bool ReadAt(std::uint64_t offset, std::size_t size, std::uint8_t* out) override {
    if (offset > size_ || size > size_ - offset) return false;
    if (std::fseek(f_, static_cast<long>(offset), SEEK_SET) != 0) return false;
    return std::fread(out, 1, size, f_) == size;
  }

 private:
  std::FILE* f_;
  std::uint64_t size_;
};

// One index entry; false when its name field is not a clean, NUL-padded valid name.
bool ParseEntry(const std::uint8_t* p, PackEntry* e, std::string* error) {
  const auto* name = reinterpret_cast<const char*>(p);
  const std::size_t len = strnlen(name, kPackNameField);
  if (len == kPackNameField) return Fail(error, "an entry name has no end");
  for (std::size_t i = len; i < kPackNameField; ++i) {
    if (p[i] != 0) return Fail(error, "an entry name is not padded with zeros");
  }
  e->name.assign(name, len);
  if (!IsValidPackName(e->name)) return Fail(error, "an entry name has bad characters");
  const std::uint8_t kind = p[32];
  if (kind < 1 || kind > 4) return Fail(error, "entry " + e->name + " has an unknown kind");
  if (p[33] != 0 || p[34] != 0 || p[35] != 0) {
    return Fail(error, "entry " + e->name + " has reserved bytes set");
  }
  e->kind = static_cast<PackKind>(kind);
  e->offset = Le32(p + 36);
  e->size = Le32(p + 40);
  e->crc = Le32(p + 44);
  return true;
}

}  // namespace

std::uint32_t Crc32(const std::uint8_t* data, std::size_t size, std::uint32_t crc) {
  static const std::array<std::uint32_t, 256> table = MakeCrcTable();
  crc = ~crc;
  for (std::size_t i = 0; i < size; ++i) crc = table[(crc ^ data[i]) & 0xFF] ^ (crc >> 8);
  return ~crc;
}

bool IsValidPackName(std::string_view name) {
  if (name.empty() || name.size() >= kPackNameField) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '_';
  });
}

std::unique_ptr<ByteSource> MemorySource(std::vector<std::uint8_t> bytes) {
  return std::make_unique<Memory>(std::move(bytes));
}

std::unique_ptr<ByteSource> FileSource(const std::string& path) {
  std::FILE* f = std::fopen(path.c_str(), "rb");
  if (!f) return nullptr;
  long size = -1;
  if (std::fseek(f, 0, SEEK_END) == 0) size = std::ftell(f);
  if (size < 0) {
    std::fclose(f);
    return nullptr;
  }
  return std::make_unique<File>(f, static_cast<std::uint64_t>(size));
}

std::optional<std::vector<PackEntry>> ParsePackIndex(const std::uint8_t* header,
                                                     const std::uint8_t* index,
                                                     std::size_t index_size,
                                                     std::uint64_t file_size, std::string* error) {
  if (std::memcmp(header, kPackMagic, sizeof kPackMagic) != 0) {
    Fail(error, "not a resource pack (bad magic)");
    return std::nullopt;
  }
  if (Le16(header + 8) != kPackVersion || Le16(header + 10) != 0) {
    Fail(error, "unknown pack version");
    return std::nullopt;
  }
  const std::uint32_t count = Le32(header + 12);
  if (count == 0 || count > kPackMaxEntries || index_size != count * kPackEntrySize) {
    Fail(error, "bad entry count");
    return std::nullopt;
  }
  if (Crc32(index, index_size) != Le32(header + 16)) {
    Fail(error, "the index fails its CRC-32");
    return std::nullopt;
  }
  const std::uint64_t data_start = kPackHeaderSize + index_size;
  std::vector<PackEntry> entries(count);
  for (std::uint32_t i = 0; i < count; ++i) {
    PackEntry& e = entries[i];
    if (!ParseEntry(index + i * kPackEntrySize, &e, error)) return std::nullopt;
    if (i > 0 && !(entries[i - 1].name < e.name)) {
      Fail(error, "entry " + e.name + " is out of order or repeated");
      return std::nullopt;
    }
    if (e.size == 0 || e.size > kPackMaxEntrySize || e.offset < data_start ||
        std::uint64_t(e.offset) + e.size > file_size) {
      Fail(error, "entry " + e.name + " lies outside the pack's data");
      return std::nullopt;
    }
  }
  std::vector<const PackEntry*> by_offset;
  by_offset.reserve(count);
  for (const PackEntry& e : entries) by_offset.push_back(&e);
  std::sort(by_offset.begin(), by_offset.end(),
            [](const PackEntry* a, const PackEntry* b) { return a->offset < b->offset; });
  for (std::size_t i = 1; i < by_offset.size(); ++i) {
    if (std::uint64_t(by_offset[i - 1]->offset) + by_offset[i - 1]->size > by_offset[i]->offset) {
      Fail(error, "entries " + by_offset[i - 1]->name + " and " + by_offset[i]->name + " overlap");
      return std::nullopt;
    }
  }
  return entries;
}

std::unique_ptr<PackReader> PackReader::Open(std::unique_ptr<ByteSource> source,
                                             std::string* error) {
  if (!source) {
    Fail(error, "no pack");
    return nullptr;
  }
  const std::uint64_t file_size = source->Size();
  std::uint8_t header[kPackHeaderSize];
  if (file_size < kPackHeaderSize || !source->ReadAt(0, kPackHeaderSize, header)) {
    Fail(error, "the pack is shorter than its header");
    return nullptr;
  }
  // The count is bounded before the index is allocated, so a lying header costs nothing.
  const std::uint32_t count = Le32(header + 12);
  if (count == 0 || count > kPackMaxEntries ||
      kPackHeaderSize + std::uint64_t(count) * kPackEntrySize > file_size) {
    Fail(error, "the index does not fit in the pack");
    return nullptr;
  }
  std::vector<std::uint8_t> index(count * kPackEntrySize);
  if (!source->ReadAt(kPackHeaderSize, index.size(), index.data())) {
    Fail(error, "the index cannot be read");
    return nullptr;
  }
  auto entries = ParsePackIndex(header, index.data(), index.size(), file_size, error);
  if (!entries) return nullptr;
  return std::unique_ptr<PackReader>(new PackReader(std::move(source), std::move(*entries)));
}

const PackEntry* PackReader::Find(std::string_view name) const {
  auto it = std::lower_bound(entries_.begin(), entries_.end(), name,
                             [](const PackEntry& e, std::string_view n) { return e.name < n; });
  return it != entries_.end() && it->name == name ? &*it : nullptr;
}

std::optional<std::vector<std::uint8_t>> PackReader::Read(const PackEntry& entry,
                                                          std::string* error) {
  std::vector<std::uint8_t> bytes(entry.size);
  if (!source_->ReadAt(entry.offset, bytes.size(), bytes.data())) {
    Fail(error, "entry " + entry.name + " cannot be read");
    return std::nullopt;
  }
  if (Crc32(bytes.data(), bytes.size()) != entry.crc) {
    Fail(error, "entry " + entry.name + " fails its CRC-32");
    return std::nullopt;
  }
  return bytes;
}

}  // namespace ostrel
