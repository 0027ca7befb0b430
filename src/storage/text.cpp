#include "storage/text.h"

#include <charconv>

#include "game/cp1251.h"

namespace ostrel {
namespace {

// Length of the UTF-8 sequence that starts with this byte; 0 for a byte no sequence starts with.
std::size_t SequenceLength(unsigned char lead) {
  if (lead < 0x80) return 1;
  if (lead >= 0xC0 && lead < 0xE0) return 2;
  if (lead >= 0xE0 && lead < 0xF0) return 3;
  if (lead >= 0xF0 && lead < 0xF8) return 4;
  return 0;
}

bool IsContinuation(char c) {
  return (static_cast<unsigned char>(c) & 0xC0) == 0x80;
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

}  // namespace

std::string ToCp1251Lossy(std::string_view utf8) {
  std::string out;
  std::size_t i = 0;
  while (i < utf8.size()) {
    const std::size_t n = SequenceLength(static_cast<unsigned char>(utf8[i]));
    bool whole = n > 0 && i + n <= utf8.size();
    for (std::size_t k = 1; whole && k < n; ++k) whole = IsContinuation(utf8[i + k]);
    if (!whole) {
      // A stray or cut-off byte stands for itself; what follows it is read afresh.
      out += '?';
      ++i;
      continue;
    }
    auto converted = Utf8ToCp1251(utf8.substr(i, n));
    out += converted && converted->size() == 1 ? *converted : std::string("?");
    i += n;
  }
  return out;
}

bool HasControlCharacter(std::string_view bytes) {
  for (char c : bytes) {
    if (IsControl(c)) return true;
  }
  return false;
}

std::string OneLineText(std::string_view bytes) {
  std::string out(bytes);
  for (char& c : out) {
    if (IsControl(c)) c = ' ';
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

long long FieldMaximum(std::size_t width) {
  long long limit = 1;
  for (std::size_t i = 0; i < width && i < 18; ++i) limit *= 10;
  return limit - 1;
}

long long FieldMinimum(std::size_t width) {
  return width <= 1 ? 0 : -FieldMaximum(width - 1);
}

std::string LimitedNumberField(long long value, std::size_t width) {
  if (value > FieldMaximum(width)) value = FieldMaximum(width);
  if (value < FieldMinimum(width)) value = FieldMinimum(width);
  return NumberField(value, width);
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

std::optional<double> ParseDecimal(std::string_view text, char decimal_mark) {
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  std::string plain;
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') plain += text[i++];
  const auto digits = [&] {
    const std::size_t from = i;
    while (i < text.size() && text[i] >= '0' && text[i] <= '9') plain += text[i++];
    return i > from;
  };
  if (!digits()) return std::nullopt;
  if (i < text.size() && text[i] == decimal_mark) {
    plain += '.';
    ++i;
    if (!digits()) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  double value = 0;
  const auto [end, ec] = std::from_chars(plain.data(), plain.data() + plain.size(), value);
  if (ec != std::errc() || end != plain.data() + plain.size()) return std::nullopt;
  return value;
}

std::string DecimalText(double value, int decimals, char decimal_mark) {
  char buffer[64];
  const auto [end, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, value, std::chars_format::fixed, decimals);
  if (ec != std::errc()) return std::string(1, '*');
  std::string text(buffer, end);
  for (char& c : text) {
    if (c == '.') c = decimal_mark;
  }
  return text;
}

}  // namespace ostrel
