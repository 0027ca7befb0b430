#include "storage/club_update.h"

#include <cmath>

#include "storage/text.h"

namespace ostrel {

std::optional<PhraseKey> LoginErrorPhrase(LoginError error) {
  switch (error) {
    case LoginError::IncorrectName:
      return PhraseKey::IncorrectName;
    case LoginError::PasswordsDiffer:
      return PhraseKey::PasswordsDiffer;
    case LoginError::IncorrectPassword:
      return PhraseKey::WrongPassword;
    case LoginError::None:
      break;
  }
  return std::nullopt;
}

bool IsAcceptableName(std::string_view utf8) {
  return !utf8.empty() && !HasControlCharacter(utf8);
}

LoginResult ClubLogin(const ClubFile& club, int seat, std::string_view name,
                      std::string_view password, std::string_view repetition) {
  LoginResult result;
  if (!IsAcceptableName(name)) {
    result.error = LoginError::IncorrectName;
    return result;
  }
  const std::string typed_code = PasswordCode(ToCp1251Lossy(password).substr(0, kPasswordLength));
  ClubPlayer& player = result.player;
  player.name = AlignLeft(ToCp1251Lossy(name), kNameWidth);
  player.password_code = typed_code;
  const bool member_seat = seat >= 1 && seat <= kClubSeats;
  if (!member_seat || ReadMember(club, seat).empty) {
    if (ToCp1251Lossy(password).substr(0, kPasswordLength) !=
        ToCp1251Lossy(repetition).substr(0, kPasswordLength)) {
      result.error = LoginError::PasswordsDiffer;
    }
    player.seat = kNewPlayerSeat;
    return result;
  }
  ClubMember member = ReadMember(club, seat);
  if (member.password_code != typed_code) {
    result.error = LoginError::IncorrectPassword;
    return result;
  }
  player.seat = seat;
  player.games = member.games;
  player.cycle_score = member.cycle_score;
  player.rating = member.rating;
  return result;
}

double NextRating(int previous_games, double previous_rating, int score_difference) {
  const double games = previous_games + 1.0;
  double rating = (previous_games * previous_rating + score_difference / 20.0) / games;
  return LimitRating(std::round(rating * 1e6) / 1e6);
}

void RemoveMember(ClubFile& club, int seat) {
  if (seat < 1 || seat > kClubSeats) return;
  for (int k = seat; k < kClubSeats; ++k) club.lines[k] = club.lines[k + 1];
  club.lines[kClubSeats] = EmptySeatLine();
}

namespace {

int EnterBestTen(ClubFile& club, std::string_view name, int result) {
  for (int line = kBestTenFirstLine; line <= kBestTenLastLine; ++line) {
    auto held = BestTenResult(club, line);
    if (held && *held > result) continue;
    for (int k = kBestTenLastLine; k > line; --k) club.lines[k] = club.lines[k - 1];
    club.lines[line] = ResultLine(name, result);
    return line - kBestTenFirstLine + 1;
  }
  return 0;
}

int EnterMembers(ClubFile& club, const std::string& record) {
  const double rating = ParseClubRating(std::string_view(record).substr(20, 10)).value_or(0);
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    ClubMember held = ReadMember(club, seat);
    if (!held.empty && held.rating > rating) continue;
    for (int k = kClubSeats; k > seat; --k) club.lines[k] = club.lines[k - 1];
    club.lines[seat] = record;
    return seat;
  }
  return 0;
}

}  // namespace

EnterResult EnterRecord(ClubFile& club, std::string record) {
  record = AlignLeft(record, kMemberWidth);
  EnterResult result;
  const auto games = ParseInteger(std::string_view(record).substr(30, 7)).value_or(0);
  if (games > 0 && games % kCycleLength == 0) {
    const auto score = ParseInteger(std::string_view(record).substr(38, 6)).value_or(0);
    result.best_ten_rank =
        EnterBestTen(club, std::string_view(record).substr(0, kNameWidth), static_cast<int>(score));
    record.replace(38, 6, NumberField(0, 6));
  }
  result.seat = EnterMembers(club, record);
  return result;
}

ClubGameResult FinishClubGame(ClubFile& club, const ClubPlayer& player, int score_difference) {
  ClubGameResult result;
  result.games = player.games + 1;
  result.rating = NextRating(player.games, player.rating, score_difference);
  result.cycle_score = player.cycle_score + score_difference;
  const std::string record = MemberLine(player.name, result.rating, result.games,
                                        result.cycle_score, player.password_code);
  RemoveMember(club, player.seat);
  result.placement = EnterRecord(club, record);
  return result;
}

}  // namespace ostrel
