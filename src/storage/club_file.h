// The club files "Ostrel4.clb" (games against the computer) and "Ostrel4.net" (LAN games):
// 17 lines of Windows-1251 text with CR LF. Lines 1-5 are the five members (59 columns),
// lines 6-15 the ten best cycle results (26 columns), line 16 the control line and line 17 the
// installation marks (columns 1-10) and three checksums over lines 1-16 (columns 11-28).
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "game/cards.h"

namespace ostrel {

inline constexpr int kClubLines = 17;
inline constexpr int kClubSeats = 5;
inline constexpr int kNewPlayerSeat = 6;
inline constexpr int kBestTenFirstLine = 6;
inline constexpr int kBestTenLastLine = 15;
inline constexpr std::size_t kMemberWidth = 59;
inline constexpr std::size_t kResultWidth = 26;
inline constexpr std::size_t kControlWidth = 28;
inline constexpr std::size_t kNameWidth = 20;
inline constexpr std::size_t kPasswordLength = 5;
// Every byte 0..255 plus this stays within three decimal digits.
inline constexpr int kPasswordOffset = 317;
inline constexpr int kCycleLength = 25;
inline constexpr double kRatingLimit = 99.99;
inline constexpr const char* kLocalClubFileName = "Ostrel4.clb";
inline constexpr const char* kNetClubFileName = "Ostrel4.net";

// Lines 1 to 17 without their line ends, in Windows-1251.
struct ClubFile {
  Array1<std::string, kClubLines> lines;
};

// A member line taken apart. Texts stay Windows-1251.
struct ClubMember {
  bool empty = true;
  std::string name;  // 20 columns, filled with spaces
  double rating = 0;
  int games = 0;
  int cycle_score = 0;
  std::string password_code;  // 15 digits
};

// The three sums over the first 583 bytes of lines 1-16.
std::array<long, 3> ClubChecksums(const ClubFile& club);

// nullopt unless every line has its length, the control line its mark, the checksums match and
// every field lies in its range: no control character in a name, a rating within +-99.99, a
// games count that is not negative, a cycle score, a password code of five codes that stand for
// bytes, a best-ten result or an empty place.
std::optional<ClubFile> ParseClubFile(std::string_view bytes);
// The file's bytes with fresh checksums; columns 1-10 of line 17 are kept.
std::string SerializeClubFile(const ClubFile& club);

std::string EmptySeatLine();
bool IsEmptySeat(std::string_view member_line);
ClubMember ReadMember(const ClubFile& club, int seat);

// password in Windows-1251, cut or filled with spaces to 5 characters.
std::string PasswordCode(std::string_view password);
// Six decimals with a comma, right-aligned in 10 columns, after the limit to +-99.99. The same
// in every locale.
std::string ClubRatingText(double rating);
// Digits, spaces and "-" as they are; any other character is the decimal mark. nullopt for a
// text that is no such number (two marks, no digits, a sign after the digits). The same in
// every locale: the window runs in the user's locale, whose decimal mark may be a comma.
std::optional<double> ParseClubRating(std::string_view text);
double LimitRating(double rating);

// A name with a control character in it has it written as a space, so that no name can break
// the file's lines; numbers too large for their columns are written as the largest that fits.
std::string MemberLine(std::string_view name, double rating, int games, int cycle_score,
                       std::string_view password_code);
std::string ResultLine(std::string_view name, int result);
// The result of a best-ten line; nullopt for a place that holds none yet.
std::optional<int> BestTenResult(const ClubFile& club, int line);

// Both shipped files start like this: five empty seats, ten empty best-ten places.
ClubFile InitialClubFile();

}  // namespace ostrel
