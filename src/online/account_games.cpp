#include "online/account_games.h"

#include <charconv>
#include <cmath>

#include "online/utf8.h"

namespace ostrel::online {

double ProvisionalRating(int games, double rating) {
  const double k = games;
  return (k * (rating - k / kAccountCycleGames) - kAbandonPenalty) / (k + 1) +
         (k + 1) / kAccountCycleGames;
}

double FinalRating(int games, double provisional_rating, int difference) {
  const double k = games;
  return (k * (provisional_rating - k / kAccountCycleGames) + kAbandonPenalty + difference) / k +
         k / kAccountCycleGames;
}

TTarvoGame ProvisionalRecord(const TTarvoGame& read) {
  TTarvoGame sent = read;
  sent.Kon = read.Kon + 1;
  sent.Rating = ProvisionalRating(read.Kon, read.Rating);
  sent.KonL = 0;
  sent.Score = 0;
  return sent;
}

AccountGameSetup SetupOf(const TTarvoGame& read) {
  return AccountGameSetup{read.Kon + 1, read.Score, read.Rating, read.KonL + 1};
}

std::optional<FinishedAccountGame> FinishRecord(const TTarvoGame& read, int difference,
                                                int cycle_score, int cycle_games_before,
                                                int started_kon) {
  if (read.Kon < 1 || read.Kon != started_kon) return std::nullopt;
  FinishedAccountGame done{read, false};
  TTarvoGame& r = done.record;
  r.Rating = FinalRating(read.Kon, read.Rating, difference);
  if (cycle_games_before + 1 >= kAccountCycleGames) {
    if (r.Best < cycle_score) r.Best = cycle_score;
    r.Sessions = read.Sessions + 1;
    r.KonL = 0;
    r.Score = 0;
    done.cycle_closed = true;
  } else {
    r.KonL = cycle_games_before + 1;
    r.Score = cycle_score;
  }
  return done;
}

namespace {

std::string PadRight(const std::string& utf8, int width) {
  std::string out = utf8;
  const auto points = CodePoints(utf8);
  const std::size_t length = points ? points->size() : utf8.size();
  for (std::size_t n = length; n < std::size_t(width); ++n) out += ' ';
  return out;
}

std::string Right(long long value, int width) {
  char buf[24];
  const auto end = std::to_chars(buf, buf + sizeof buf, value).ptr;
  std::string digits(buf, end);
  return std::string(digits.size() < std::size_t(width) ? width - digits.size() : 0, ' ') + digits;
}

}  // namespace

std::string AccountLine(const TTarvoGame& record, const std::string& nick, int club_view) {
  if (club_view == 2) {
    const double rounded = std::round(record.Rating);
    const long long rating =
        std::isfinite(rounded) && std::fabs(rounded) < 1e15 ? static_cast<long long>(rounded) : 0;
    return PadRight(nick, 20) + "  " + Right(record.Kon, 7) + "  " + Right(rating, 6);
  }
  return PadRight(nick, 20) + "    " + Right(record.KonL, 3) + "    " + Right(record.Score, 6);
}

}  // namespace ostrel::online
