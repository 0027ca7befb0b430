#include "server/service/rated_rules.h"

#include <climits>
#include <cmath>

namespace ostrel::server {
namespace {

// The program computes the same formulas in double precision and sends the shortest text that
// reads back exactly; the margin only absorbs a different order of operations.
bool SameRating(double a, double b) {
  return std::fabs(a - b) <= 1e-6 * (1 + std::fabs(a));
}

std::optional<RatedRow> Start(const RatedRow& stored, const online::TTarvoGame& sent) {
  if (sent.KonL != 0 || sent.Score != 0 || sent.Best != stored.best ||
      sent.Sessions != stored.sessions) {
    return std::nullopt;
  }
  const double provisional = ProvisionalRating(stored.kon, stored.rating);
  if (!SameRating(sent.Rating, provisional)) return std::nullopt;
  RatedRow next = stored;
  next.kon = stored.kon + 1;
  next.rating = provisional;
  next.konl = 0;
  next.score = 0;
  // A game abandoned before left the record open with its cycle already at 0: that cycle
  // stays lost.
  next.open = true;
  next.open_konl = stored.konl;
  next.open_score = stored.score;
  return next;
}

// The score difference of the game whose end gives `rating` over the started record.
double ExactDifference(const RatedRow& stored, double rating) {
  const double k = stored.kon;
  return k * (rating - k / kCycleGames) - (k * (stored.rating - k / kCycleGames) + kAbandonPenalty);
}

std::optional<RatedRow> Finish(const RatedRow& stored, const online::TTarvoGame& sent) {
  if (!stored.open || stored.kon < 1 || sent.Kon != stored.kon) return std::nullopt;
  // The difference the sent rating stands for, then the rating recomputed from it.
  const double exact = ExactDifference(stored, sent.Rating);
  if (!std::isfinite(exact) || std::fabs(exact) > kMaxGameDifference + 1) return std::nullopt;
  const int d = static_cast<int>(std::lround(exact));
  if (std::abs(d) > kMaxGameDifference) return std::nullopt;
  const double rating = FinalRating(stored.kon, stored.rating, d);
  if (!SameRating(sent.Rating, rating)) return std::nullopt;

  RatedRow next = stored;
  next.rating = rating;
  next.open = false;
  const int cycle_score = stored.open_score + d;
  if (stored.open_konl + 1 >= kCycleGames) {
    next.best = stored.best < cycle_score ? cycle_score : stored.best;
    next.sessions = stored.sessions + 1;
    next.konl = 0;
    next.score = 0;
  } else {
    next.best = stored.best;
    next.sessions = stored.sessions;
    next.konl = stored.open_konl + 1;
    next.score = cycle_score;
  }
  if (sent.Best != next.best || sent.Sessions != next.sessions || sent.KonL != next.konl ||
      sent.Score != next.score) {
    return std::nullopt;
  }
  next.open_konl = 0;
  next.open_score = 0;
  return next;
}

}  // namespace

std::optional<RatedRow> NextRatedRecord(const RatedRow& stored, const online::TTarvoGame& sent) {
  // The reserved fields go back as they were read.
  if (sent.R1 != stored.r1 || sent.R2 != stored.r2) return std::nullopt;
  if (stored.kon < INT_MAX - 1 && sent.Kon == stored.kon + 1) return Start(stored, sent);
  return Finish(stored, sent);
}

std::optional<int> ClosedCycleScore(const RatedRow& stored, const RatedRow& next) {
  if (!stored.open || next.open || next.sessions != stored.sessions + 1) return std::nullopt;
  return stored.open_score + static_cast<int>(std::lround(ExactDifference(stored, next.rating)));
}

online::TTarvoGame RatedRecordOf(const RatedRow& r) {
  online::TTarvoGame g;
  g.Kon = r.kon;
  g.Best = r.best;
  g.Rating = r.rating;
  g.Sessions = r.sessions;
  g.KonL = r.konl;
  g.Score = r.score;
  g.R1 = r.r1;
  g.R2 = r.r2;
  return g;
}

}  // namespace ostrel::server
