#include "storage/text.h"

#include <charconv>

#include "game/cp1251.h"

namespace ostrel {
namespace {

// Length of the UTF-8 sequence that starts with this byte (1 for a stray byte).
std::size_t SequenceLength(unsigned char lead) {
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  if (lead >= 0xE0) return lead < 0xF0 ? 3 : 1;
  if (lead >= 0xC0) return 2;
  return 1;
}

}  // namespace

std::string ToCp1251Lossy(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    if (i + n > utf8.size()) n = utf8.size() - i;
    auto converted = Utf8ToCp1251(utf8.substr(i, n));
    out += converted && converted->size() == 1 ? *converted : std::string("?");
    i += n;
  }
  return out;
}

std::vector<std::string> SplitLines(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find('\n', start);
    if (end == std::string_view::npos) end = bytes.size();
    std::string_view line = bytes.substr(start, end - start);
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    lines.emplace_back(line);
    start = end + 1;
  }
  return lines;
}

std::optional<std::vector<std::string>> SplitCrLfStrict(std::string_view bytes) {
  std::vector<std::string> lines;
  std::size_t start = 0;
  while (start < bytes.size()) {
    std::size_t end = bytes.find("\r\n", start);
    if (end == std::string_view::npos) return std::nullopt;
    std::string_view line = bytes.substr(start, end - start);
    if (line.find_first_of("\r\n") != std::string_view::npos) return std::nullopt;
    lines.emplace_back(line);
    start = end + 2;
  }
  return lines;
}

std::string JoinCrLf(const std::vector<std::string>& lines) {
  std::string out;
  for (const auto& line : lines) {
    out += line;
    out += "\r\n";
  }
  return out;
}

std::string AlignRight(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(width - text.size(), ' ') + std::string(text);
}

std::string AlignLeft(std::string_view text, std::size_t width) {
  if (text.size() >= width) return std::string(text.substr(0, width));
  return std::string(text) + std::string(width - text.size(), ' ');
}

std::string NumberField(long long value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() > width) return std::string(width, '*');
  return AlignRight(digits, width);
}

std::optional<long long> ParseInteger(std::string_view text) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  while (!text.empty() && text.back() == ' ') text.remove_suffix(1);
  if (text.empty()) return std::nullopt;
  long long value = 0;
  const char* end = text.data() + text.size();
  auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string ZeroPadded(long long value, std::size_t width) {
  std::string digits = std::to_string(value);
  if (digits.size() < width) digits.insert(0, width - digits.size(), '0');
  return digits;
}

}  // namespace ostrel
