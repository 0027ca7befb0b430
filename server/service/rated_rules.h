// The only changes a player may make to a rated record: the start of an account game (one
// more game, rated in advance as lost by kAbandonPenalty) and its end (the rating that one
// game's score difference gives, and the cycle it closes or continues). Every figure the
// server can check it recomputes; a save that does not follow from the stored record is
// refused.
#pragma once

#include <optional>

#include "online/account_games.h"
#include "online/records.h"
#include "server/store/store.h"

namespace ostrel::server {

inline constexpr int kCycleGames = online::kAccountCycleGames;
inline constexpr int kAbandonPenalty = online::kAbandonPenalty;
// The widest score difference of one game: the winners end below the target 501 plus one
// deal's most (162 card points and the last trick, four "Ostrel" of 50, "Bella" 20), the
// losers at 0 or more; 1000 leaves room.
inline constexpr int kMaxGameDifference = 1000;

using online::FinalRating;
using online::ProvisionalRating;

// The record to store after `sent` was saved over `stored`, or nullopt when the save is
// refused.
std::optional<RatedRow> NextRatedRecord(const RatedRow& stored, const online::TTarvoGame& sent);

// The score of the cycle that the accepted save `next` closed over `stored`, or nullopt when
// it closed none.
std::optional<int> ClosedCycleScore(const RatedRow& stored, const RatedRow& next);

// A stored rated record as the reply and the requests carry it.
online::TTarvoGame RatedRecordOf(const RatedRow& row);

}  // namespace ostrel::server
