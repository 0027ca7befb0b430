// The site's list of files as text: plain C++, so that the fuzz target can feed it any bytes.
#include <algorithm>
#include <charconv>

#include "net/site_files.h"

namespace ostrel {
namespace {

constexpr std::uint64_t kMaxListedSize = 1ull << 53;
constexpr std::size_t kHashDigits = 64;

bool Fail(std::string* error, std::size_t line, const std::string& reason) {
  if (error) *error = "line " + std::to_string(line) + " of the site's list: " + reason;
  return false;
}

bool ValidName(std::string_view name) {
  if (name.empty() || name.size() > kManifestMaxNameBytes || name.front() == '/') return false;
  return std::all_of(name.begin(), name.end(), [](char c) { return c > ' ' && c < 0x7F; });
}

std::optional<std::uint64_t> ParseSize(std::string_view text) {
  if (text.empty() || (text.size() > 1 && text.front() == '0')) return std::nullopt;
  std::uint64_t value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value > kMaxListedSize) {
    return std::nullopt;
  }
  return value;
}

bool ValidHash(std::string_view hex) {
  return hex.size() == kHashDigits && std::all_of(hex.begin(), hex.end(), [](char c) {
           return (c >= '0' && c <= '9') || (c >= 'a' && c <= 'f');
         });
}

bool ParseLine(std::string_view line, std::size_t number, ManifestEntry& entry,
               std::string* error) {
  const std::size_t first = line.find(' ');
  const std::size_t second = first == std::string_view::npos ? first : line.find(' ', first + 1);
  if (second == std::string_view::npos || line.find(' ', second + 1) != std::string_view::npos) {
    return Fail(error, number, "not three fields separated by single spaces");
  }
  const std::string_view name = line.substr(0, first);
  const std::string_view size = line.substr(first + 1, second - first - 1);
  const std::string_view hash = line.substr(second + 1);
  if (!ValidName(name)) return Fail(error, number, "not a file name");
  const auto bytes = ParseSize(size);
  if (!bytes) return Fail(error, number, "not a size");
  if (!ValidHash(hash)) return Fail(error, number, "not a SHA-256 in lowercase hexadecimal");
  entry = {std::string(name), *bytes, std::string(hash)};
  return true;
}

}  // namespace

std::optional<Manifest> Manifest::Parse(std::string_view text, std::string* error) {
  if (text.size() > kManifestMaxBytes) {
    if (error) *error = "the site's list is larger than 1 MiB";
    return std::nullopt;
  }
  Manifest manifest;
  std::size_t number = 0;
  while (!text.empty()) {
    ++number;
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) {
      Fail(error, number, "no line end");
      return std::nullopt;
    }
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    ManifestEntry entry;
    if (!ParseLine(line, number, entry, error)) return std::nullopt;
    manifest.entries_.push_back(std::move(entry));
  }
  auto& entries = manifest.entries_;
  std::sort(entries.begin(), entries.end(),
            [](const ManifestEntry& a, const ManifestEntry& b) { return a.name < b.name; });
  const auto twice = std::adjacent_find(
      entries.begin(), entries.end(),
      [](const ManifestEntry& a, const ManifestEntry& b) { return a.name == b.name; });
  if (twice != entries.end()) {
    if (error) *error = "the site's list names " + twice->name + " twice";
    return std::nullopt;
  }
  return manifest;
}

const ManifestEntry* Manifest::Find(std::string_view name) const {
  const auto it = std::lower_bound(
      entries_.begin(), entries_.end(), name,
      [](const ManifestEntry& entry, std::string_view wanted) { return entry.name < wanted; });
  return it != entries_.end() && it->name == name ? &*it : nullptr;
}

std::string ManifestLine(const ManifestEntry& entry) {
  return entry.name + " " + std::to_string(entry.size) + " " + entry.sha256 + "\n";
}

}  // namespace ostrel
