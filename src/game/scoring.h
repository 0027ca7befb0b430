// What each partnership keeps of a deal.
#pragma once

#include <cstdint>

#include "game/cards.h"

namespace ostrel {

struct KeptPoints {
  Array1<std::int32_t, 2> kept{};
};

// The declaring team must take strictly more than the other: on a tie it keeps nothing, and
// when it falls short the other team takes the points of both.
KeptPoints ScoreDeal(int declarer, std::int32_t team1_points, std::int32_t team2_points);

// The local team's view of the deal, for its sound: kept lead minus the points lead over 10.
// Zero or more is good news.
double DealVerdict(const KeptPoints& kept, std::int32_t team1_points, std::int32_t team2_points);

}  // namespace ostrel
