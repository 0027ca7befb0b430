#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "game/cp1251.h"
#include "storage/history.h"
#include "storage/text.h"

namespace ostrel {
namespace {

constexpr std::size_t kSummedWidth = 99;
constexpr std::size_t kSumsLineWidth = 30;

std::array<long, 3> LineSums(std::string_view line) {
  std::array<long, 3> sums{};
  for (std::size_t i = 0; i < kSummedWidth && i < line.size(); ++i) {
    long byte = static_cast<unsigned char>(line[i]);
    const std::size_t position = i + 1;
    sums[0] += byte;
    if (position % 2 == 0) sums[1] += byte;
    if (position % 3 == 0) sums[2] += byte;
  }
  return sums;
}

std::string WithChecksum(std::string body) {
  for (long sum : LineSums(body)) body += ZeroPadded(sum, 5);
  return body;
}

char KindLetter(HistoryKind kind) {
  switch (kind) {
    case HistoryKind::Account:
      return 'A';
    case HistoryKind::Tournament:
      return 'T';
    case HistoryKind::Lan:
      return 'N';
    case HistoryKind::Computer:
      break;
  }
  return 'L';
}

std::string TimeText(const std::tm& t) {
  char buffer[16];
  std::snprintf(buffer, sizeof buffer, "%02d:%02d", t.tm_hour % 100, t.tm_min % 100);
  return AlignRight(buffer, 5);
}

std::string TypeWord(char letter) {
  switch (letter) {
    case 'L':
      return "Local";
    case 'N':
      return "Net";
    case 'A':
      return "Account";
    case 'T':
      return "Tourney";
    default:
      return "";
  }
}

}  // namespace

std::string HistoryRatingText(double rating) {
  const double scaled = std::round(rating * 100);
  if (!std::isfinite(scaled) || std::fabs(scaled) > 9.9e9) return std::string(10, '*');
  const long long hundredths = static_cast<long long>(scaled);
  const long long magnitude = std::llabs(hundredths);
  char text[32];
  std::snprintf(text, sizeof text, "%s%lld,%02lld", hundredths < 0 ? "-" : "", magnitude / 100,
                magnitude % 100);
  const std::string digits = text;
  return digits.size() > 10 ? std::string(10, '*') : AlignRight(digits, 10);
}

std::string HistoryGameLine(const HisStr& record, std::time_t when, const HistoryClock& clock) {
  const std::tm local = LocalTime(when);
  std::string line = TimeText(local);
  line += AlignRight(OneLineText(clock.short_date(local).substr(0, 10)), 10);
  line += AlignLeft(OneLineText(ToCp1251Lossy(record.HName)), 51);
  line += NumberField(record.HKon, 3);
  line += NumberField(record.HRes, 10);
  line += HistoryRatingText(record.HRei);
  line += KindLetter(record.Ac);
  line += std::string(9, '#');
  return WithChecksum(std::move(line));
}

std::string HistoryEndLine() {
  std::string body = "$";
  body += static_cast<char>(65 + 100);
  body += "}";
  body.resize(kSummedWidth, '#');
  return WithChecksum(std::move(body));
}

std::string HistoryFileBytes(const std::vector<std::string>& game_lines) {
  std::vector<std::string> lines = game_lines;
  lines.push_back(HistoryEndLine());
  std::array<long, 3> totals{};
  for (const auto& line : lines) {
    auto sums = LineSums(line);
    for (int i = 0; i < 3; ++i) totals[i] += sums[i];
  }
  std::string sums_line;
  for (long total : totals) sums_line += ZeroPadded(total, 10);
  lines.push_back(sums_line);
  return JoinCrLf(lines);
}

HistoryContent ParseHistoryFile(std::string_view bytes) {
  HistoryContent content;
  auto lines = SplitCrLfStrict(bytes);
  if (!lines || lines->size() < 2) return content;
  std::array<long, 3> totals{};
  const std::size_t end_index = lines->size() - 2;
  for (std::size_t i = 0; i <= end_index; ++i) {
    const std::string& line = (*lines)[i];
    if (line.size() != kHistoryLineWidth || WithChecksum(line.substr(0, kSummedWidth)) != line) {
      return content;
    }
    if ((line[0] == '$') != (i == end_index)) return content;
    auto sums = LineSums(line);
    for (int k = 0; k < 3; ++k) totals[k] += sums[k];
    if (i < end_index) content.game_lines.push_back(line);
  }
  std::string expected;
  for (long total : totals) expected += ZeroPadded(total, 10);
  if (lines->back() != expected || expected.size() != kSumsLineWidth) {
    content.game_lines.clear();
    return content;
  }
  content.sound = true;
  return content;
}

HistoryRow HistoryRowOf(const std::string& line) {
  auto column = [&](std::size_t from, std::size_t width) {
    return from - 1 < line.size() ? Cp1251ToUtf8(line.substr(from - 1, width)) : std::string();
  };
  return {column(1, 5),
          column(6, 10),
          column(16, 51),
          column(67, 3),
          column(70, 10),
          column(80, 10),
          TypeWord(line.size() >= 90 ? line[89] : ' ')};
}

}  // namespace ostrel
