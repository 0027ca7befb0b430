#include "game/scoring.h"

namespace ostrel {

KeptPoints ScoreDeal(int declarer, std::int32_t team1_points, std::int32_t team2_points) {
  const int d = TeamOf(declarer);
  const int o = 3 - d;
  const Array1<std::int32_t, 2> points{0, team1_points, team2_points};
  const auto settled = Settle(points[d], points[o]);
  KeptPoints result;
  result.kept[d] = settled.declaring;
  result.kept[o] = settled.defending;
  return result;
}

double DealVerdict(const KeptPoints& kept, std::int32_t team1_points, std::int32_t team2_points) {
  return (kept.kept[2] - kept.kept[1]) - (team1_points - team2_points) / 10.0;
}

}  // namespace ostrel
