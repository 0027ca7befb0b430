#include "storage/club_file.h"

#include <cmath>
#include <cstdio>
#include <cstdlib>

#include "storage/text.h"

namespace ostrel {
namespace {

constexpr char kControlMark = static_cast<char>(65 + 100);
constexpr std::size_t kChecksumColumn = 10;  // 0-based start of the three sums in line 17
constexpr std::size_t kChecksumWidth = 6;

std::size_t LineWidth(int line) {
  if (line <= kClubSeats) return kMemberWidth;
  if (line <= kBestTenLastLine) return kResultWidth;
  return kControlWidth;
}

std::string ChecksumText(const ClubFile& club) {
  std::string text;
  for (long sum : ClubChecksums(club)) text += ZeroPadded(sum, kChecksumWidth);
  return text;
}

}  // namespace

std::array<long, 3> ClubChecksums(const ClubFile& club) {
  std::array<long, 3> sums{};
  long position = 0;
  for (int line = 1; line <= 16; ++line) {
    for (char c : club.lines[line]) {
      ++position;
      long byte = static_cast<unsigned char>(c);
      sums[0] += byte;
      if (position % 2 == 0) sums[1] += byte;
      if (position % 3 == 0) sums[2] += byte;
    }
  }
  return sums;
}

std::optional<ClubFile> ParseClubFile(std::string_view bytes) {
  auto lines = SplitCrLfStrict(bytes);
  if (!lines || lines->size() != static_cast<std::size_t>(kClubLines)) return std::nullopt;
  ClubFile club;
  for (int line = 1; line <= kClubLines; ++line) {
    club.lines[line] = (*lines)[line - 1];
    if (club.lines[line].size() != LineWidth(line)) return std::nullopt;
  }
  if (club.lines[16][0] != kControlMark || club.lines[16][1] != '}') return std::nullopt;
  if (club.lines[17].substr(kChecksumColumn) != ChecksumText(club)) return std::nullopt;
  return club;
}

std::string SerializeClubFile(const ClubFile& club) {
  std::vector<std::string> lines(club.lines.begin() + 1, club.lines.end());
  lines[16] = AlignLeft(lines[16], kChecksumColumn) + ChecksumText(club);
  return JoinCrLf(lines);
}

std::string EmptySeatLine() {
  return std::string(37, '#') + " " + std::string(21, '#');
}

bool IsEmptySeat(std::string_view member_line) {
  return member_line.size() < 30 || member_line[29] == '#';
}

ClubMember ReadMember(const ClubFile& club, int seat) {
  const std::string& line = club.lines[seat];
  ClubMember member;
  member.empty = IsEmptySeat(line);
  member.name = line.substr(0, kNameWidth);
  member.password_code = line.size() >= kMemberWidth ? line.substr(44, 15) : "";
  if (member.empty) return member;
  member.rating = ParseClubRating(std::string_view(line).substr(20, 10));
  member.games = static_cast<int>(ParseInteger(std::string_view(line).substr(30, 7)).value_or(0));
  member.cycle_score =
      static_cast<int>(ParseInteger(std::string_view(line).substr(38, 6)).value_or(0));
  return member;
}

std::string PasswordCode(std::string_view password) {
  std::string filled = AlignLeft(password, kPasswordLength);
  std::string code;
  for (char c : filled) code += ZeroPadded(static_cast<unsigned char>(c) + kPasswordOffset, 3);
  return code;
}

double LimitRating(double rating) {
  if (std::isnan(rating)) return 0;
  if (rating > kRatingLimit) return kRatingLimit;
  if (rating < -kRatingLimit) return -kRatingLimit;
  return rating;
}

std::string ClubRatingText(double rating) {
  double rounded = std::round(LimitRating(rating) * 1e6) / 1e6;
  if (rounded == 0) rounded = 0;  // no "-0,000000"
  char buffer[32];
  std::snprintf(buffer, sizeof buffer, "%.6f", rounded);
  std::string text = buffer;
  for (char& c : text) {
    if (c == '.') c = ',';
  }
  return AlignRight(text, 10);
}

double ParseClubRating(std::string_view text) {
  std::string plain;
  for (char c : text) {
    if (c == ' ') continue;
    plain += (c == '-' || (c >= '0' && c <= '9')) ? c : '.';
  }
  if (plain.empty()) return 0;
  char* end = nullptr;
  double value = std::strtod(plain.c_str(), &end);
  return end == plain.c_str() ? 0 : value;
}

std::string MemberLine(std::string_view name, double rating, int games, int cycle_score,
                       std::string_view password_code) {
  return AlignLeft(name, kNameWidth) + ClubRatingText(rating) + NumberField(games, 7) + " " +
         NumberField(cycle_score, 6) + AlignLeft(password_code, 15);
}

std::string ResultLine(std::string_view name, int result) {
  return AlignLeft(name, kNameWidth) + NumberField(result, 6);
}

std::optional<int> BestTenResult(const ClubFile& club, int line) {
  auto value = ParseInteger(std::string_view(club.lines[line]).substr(kNameWidth));
  if (!value) return std::nullopt;
  return static_cast<int>(*value);
}

ClubFile InitialClubFile() {
  ClubFile club;
  for (int seat = 1; seat <= kClubSeats; ++seat) club.lines[seat] = EmptySeatLine();
  for (int line = kBestTenFirstLine; line <= kBestTenLastLine; ++line) {
    club.lines[line] = std::string(kResultWidth, '#');
  }
  club.lines[16] = std::string(1, kControlMark) + "}" + std::string(kControlWidth - 2, '#');
  // Not Russian by default; the distribution label "kqx" reports only the first start.
  club.lines[17] = AlignLeft("0#####kqx#", kControlWidth);
  return club;
}

}  // namespace ostrel
