// What each partnership keeps of a deal.
#pragma once

#include <cstdint>

#include "game/cards.h"

namespace ostrel {

// What the declaring and the defending team keep of their points: the declaring team must take
// strictly more than the other; on a tie it keeps nothing, and when it falls short the other
// team takes the points of both. Whole points in a deal; the search also settles halves.
template <class Points>
struct Settlement {
  Points declaring = 0;
  Points defending = 0;
};
template <class Points>
Settlement<Points> Settle(Points declaring, Points defending) {
  if (declaring > defending) return {declaring, defending};
  if (declaring == defending) return {0, defending};
  return {0, declaring + defending};
}

struct KeptPoints {
  Array1<std::int32_t, 2> kept{};
};

// The deal's settlement by teams 1 and 2.
KeptPoints ScoreDeal(int declarer, std::int32_t team1_points, std::int32_t team2_points);

// The local team's view of the deal, for its sound: kept lead minus the points lead over 10.
// Zero or more is good news.
double DealVerdict(const KeptPoints& kept, std::int32_t team1_points, std::int32_t team2_points);

}  // namespace ostrel
