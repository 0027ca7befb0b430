#include "packs/pack_writer.h"

#include <cstdio>
#include <cstring>

namespace ostrel {

namespace {

void Put32(std::vector<std::uint8_t>& out, std::size_t at, std::uint32_t v) {
  for (int i = 0; i < 4; ++i) out[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
}

}  // namespace

bool PackWriter::Add(const std::string& name, PackKind kind, std::vector<std::uint8_t> data) {
  if (!IsValidPackName(name) || data.empty() || data.size() > kPackMaxEntrySize ||
      items_.size() >= kPackMaxEntries || items_.count(name)) {
    return false;
  }
  items_.emplace(name, Item{kind, std::move(data)});
  return true;
}

std::vector<std::uint8_t> PackWriter::Bytes() const {
  const std::size_t index_size = items_.size() * kPackEntrySize;
  std::size_t total = kPackHeaderSize + index_size;
  for (const auto& [name, item] : items_) total += item.data.size();
  std::vector<std::uint8_t> out(total, 0);
  std::memcpy(out.data(), kPackMagic, sizeof kPackMagic);
  out[8] = kPackVersion & 0xFF;
  out[9] = kPackVersion >> 8;
  Put32(out, 12, static_cast<std::uint32_t>(items_.size()));
  std::size_t entry = kPackHeaderSize;
  std::size_t data = kPackHeaderSize + index_size;
  for (const auto& [name, item] : items_) {
    std::memcpy(out.data() + entry, name.data(), name.size());
    out[entry + 32] = static_cast<std::uint8_t>(item.kind);
    Put32(out, entry + 36, static_cast<std::uint32_t>(data));
    Put32(out, entry + 40, static_cast<std::uint32_t>(item.data.size()));
    Put32(out, entry + 44, Crc32(item.data.data(), item.data.size()));
    std::memcpy(out.data() + data, item.data.data(), item.data.size());
    entry += kPackEntrySize;
    data += item.data.size();
  }
  Put32(out, 16, Crc32(out.data() + kPackHeaderSize, index_size));
  return out;
}

bool PackWriter::WriteFile(const std::string& path, std::string* error) const {
  auto fail = [&](const std::string& why) {
    if (error) *error = why + ": " + path;
    return false;
  };
  if (items_.empty()) return fail("a pack needs at least one entry");
  const std::vector<std::uint8_t> bytes = Bytes();
  const std::string temp = path + ".tmp";
  std::FILE* f = std::fopen(temp.c_str(), "wb");
  if (!f) return fail("cannot create");
  const bool written = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  const bool flushed = std::fflush(f) == 0;
  if (std::fclose(f) != 0 || !written || !flushed) {
    std::remove(temp.c_str());
    return fail("cannot write");
  }
  if (std::rename(temp.c_str(), path.c_str()) != 0) {
    std::remove(temp.c_str());
    return fail("cannot replace");
  }
  return true;
}

}  // namespace ostrel
