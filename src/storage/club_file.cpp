#include "storage/club_file.h"

#include <cmath>

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

std::string_view Columns(std::string_view line, std::size_t first, std::size_t width) {
  return line.substr(first - 1, width);
}

// Five groups of three digits, each a byte plus the offset.
bool ValidPasswordCode(std::string_view code) {
  if (code.size() != kPasswordLength * 3) return false;
  for (std::size_t i = 0; i < code.size(); i += 3) {
    const auto value = ParseInteger(code.substr(i, 3));
    if (!value || code[i] == ' ' || code[i] == '-' || *value < kPasswordOffset ||
        *value > kPasswordOffset + 255) {
      return false;
    }
  }
  return true;
}

// A member's fields within their ranges: a rating the program could have written, a count of
// games that is not negative (the next rating divides by it plus one), a cycle score and a
// password code.
bool ValidMemberLine(std::string_view line) {
  if (IsEmptySeat(line)) return true;
  const auto rating = ParseClubRating(Columns(line, 21, 10));
  if (!rating || std::fabs(*rating) > kRatingLimit) return false;
  const auto games = ParseInteger(Columns(line, 31, 7));
  if (!games || *games < 0) return false;
  if (line[37] != ' ' || !ParseInteger(Columns(line, 39, 6))) return false;
  return ValidPasswordCode(Columns(line, 45, 15));
}

// A best-ten place holds a result, or "#" in every result column while it is still empty.
bool ValidResultLine(std::string_view line) {
  const std::string_view result = Columns(line, kNameWidth + 1, kResultWidth - kNameWidth);
  return ParseInteger(result).has_value() || result.find_first_not_of('#') == std::string::npos;
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
  // A line end or another control character in a name could only come from a damaged file.
  for (int line = 1; line <= kBestTenLastLine; ++line) {
    if (HasControlCharacter(club.lines[line])) return std::nullopt;
  }
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    if (!ValidMemberLine(club.lines[seat])) return std::nullopt;
  }
  for (int line = kBestTenFirstLine; line <= kBestTenLastLine; ++line) {
    if (!ValidResultLine(club.lines[line])) return std::nullopt;
  }
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
  member.rating = ParseClubRating(std::string_view(line).substr(20, 10)).value_or(0);
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
  return AlignRight(DecimalText(rounded, 6, ','), 10);
}

std::optional<double> ParseClubRating(std::string_view text) {
  // Whatever character stands between the digits is the decimal mark.
  std::size_t mark = text.find_first_not_of(" -0123456789");
  if (mark == std::string_view::npos) return ParseDecimal(text, ',');
  return ParseDecimal(text, text[mark]);
}

std::string MemberLine(std::string_view name, double rating, int games, int cycle_score,
                       std::string_view password_code) {
  return AlignLeft(OneLineText(name), kNameWidth) + ClubRatingText(rating) +
         LimitedNumberField(games, 7) + " " + LimitedNumberField(cycle_score, 6) +
         AlignLeft(password_code, 15);
}

std::string ResultLine(std::string_view name, int result) {
  return AlignLeft(OneLineText(name), kNameWidth) + LimitedNumberField(result, 6);
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
