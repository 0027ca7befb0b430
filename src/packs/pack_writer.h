// Building a resource pack: entries by name, written in the layout of pack_format.h.
#pragma once

#include <cstdint>
#include <map>
#include <string>
#include <vector>

#include "packs/pack_format.h"

namespace ostrel {

class PackWriter {
 public:
  // False (and nothing added) for an invalid or repeated name, empty data or data too large.
  bool Add(const std::string& name, PackKind kind, std::vector<std::uint8_t> data);
  std::size_t Count() const { return items_.size(); }
  // The whole pack as bytes.
  std::vector<std::uint8_t> Bytes() const;
  // Replaces the file atomically (a temporary file beside it, flushed, then renamed).
  bool WriteFile(const std::string& path, std::string* error = nullptr) const;

 private:
  struct Item {
    PackKind kind;
    std::vector<std::uint8_t> data;
  };
  std::map<std::string, Item> items_;  // sorted by name, as the index must be
};

}  // namespace ostrel
