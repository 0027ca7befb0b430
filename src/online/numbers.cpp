#include "online/numbers.h"

#include <charconv>
#include <cmath>
#include <cstdint>
#include <system_error>

namespace ostrel::online {
namespace {

constexpr double kZeroBelow = 0.00001;
// Beyond this the thousandths no longer fit an exact 64-bit integer count.
constexpr double kScreenLimit = 1e15;

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

std::optional<double> ConvertWhole(std::string_view text) {
  if (text.empty()) return std::nullopt;
  double value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value, std::chars_format::fixed);
  if (ec != std::errc() || ptr != end || !std::isfinite(value)) return std::nullopt;
  return value;
}

}  // namespace

std::string RatingScreenText(double rating) {
  if (!std::isfinite(rating)) return "0,000";
  if (std::fabs(rating) >= kScreenLimit) {
    char buffer[400];
    const auto [ptr, ec] =
        std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed, 3);
    std::string text(buffer, ec == std::errc() ? ptr : buffer);
    if (const auto dot = text.find('.'); dot != std::string::npos) text[dot] = ',';
    return text;
  }
  // std::nearbyint rounds halves to the even neighbour in the default rounding mode.
  const auto thousandths = static_cast<std::int64_t>(std::nearbyint(rating * 1000.0));
  const std::uint64_t magnitude =
      thousandths < 0 ? static_cast<std::uint64_t>(-thousandths) : thousandths;
  std::string fraction = std::to_string(magnitude % 1000);
  fraction.insert(0, 3 - fraction.size(), '0');
  return (thousandths < 0 ? "-" : "") + std::to_string(magnitude / 1000) + "," + fraction;
}

std::optional<std::string> RatingRequestText(double rating) {
  if (!std::isfinite(rating)) return std::nullopt;
  if (std::fabs(rating) < kZeroBelow) return std::string("0");
  char buffer[400];
  const auto [ptr, ec] =
      std::to_chars(buffer, buffer + sizeof buffer, rating, std::chars_format::fixed);
  if (ec != std::errc()) return std::nullopt;
  return std::string(buffer, ptr);
}

std::optional<double> ParseRequestRating(std::string_view text) {
  std::size_t i = 0;
  if (i < text.size() && text[i] == '-') ++i;
  const std::size_t int_start = i;
  while (i < text.size() && IsDigit(text[i])) ++i;
  if (i == int_start) return std::nullopt;
  if (i < text.size() && text[i] == '.') {
    const std::size_t frac_start = ++i;
    while (i < text.size() && IsDigit(text[i])) ++i;
    if (i == frac_start) return std::nullopt;
  }
  if (i != text.size()) return std::nullopt;
  const auto value = ConvertWhole(text);
  if (!value || std::fabs(*value) > kRatingMagnitudeLimit) return std::nullopt;
  return value;
}

std::optional<double> ParseReplyReal(std::string_view text) {
  if (text.empty()) return 0.0;
  std::string copy(text);
  for (char& c : copy) {
    if (!IsDigit(c) && c != ' ' && c != '-') {
      c = '.';
      break;
    }
  }
  const auto first = copy.find_first_not_of(' ');
  if (first == std::string::npos) return std::nullopt;
  const auto last = copy.find_last_not_of(' ');
  std::string_view trimmed(copy.data() + first, last - first + 1);
  // from_chars would take "inf" and "nan"; only digits, "-" and the mark are numbers here.
  for (char c : trimmed) {
    if (!IsDigit(c) && c != '-' && c != '.') return std::nullopt;
  }
  return ConvertWhole(trimmed);
}

std::optional<int> ParseDecimalInt(std::string_view text) {
  if (text.empty() || text.front() == '+') return std::nullopt;
  int value = 0;
  const char* end = text.data() + text.size();
  const auto [ptr, ec] = std::from_chars(text.data(), end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  return value;
}

std::string DecimalText(long long value) {
  char buffer[24];
  const auto [ptr, ec] = std::to_chars(buffer, buffer + sizeof buffer, value);
  (void)ec;  // 24 characters hold every 64-bit integer
  return std::string(buffer, ptr);
}

}  // namespace ostrel::online
