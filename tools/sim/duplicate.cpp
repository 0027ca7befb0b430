#include "sim/duplicate.h"

#include <cmath>
#include <cstdio>

namespace ostrel::sim {

void DuplicateTally::AddPair(int first_diff, int second_diff) {
  for (int d : {first_diff, second_diff}) {
    if (d > 0)
      ++wins_;
    else if (d < 0)
      ++losses_;
    else
      ++draws_;
  }
  const double mean = (first_diff + second_diff) / 2.0;
  ++pairs_;
  sum_ += mean;
  sum_squares_ += mean * mean;
}

std::string DuplicateTally::Summary(const std::string& first, const std::string& second) const {
  const int games = 2 * pairs_;
  const double mean = pairs_ > 0 ? sum_ / pairs_ : 0;
  const double variance = pairs_ > 1 ? (sum_squares_ - pairs_ * mean * mean) / (pairs_ - 1) : 0;
  const double half_width = pairs_ > 1 ? 1.96 * std::sqrt(variance / pairs_) : 0;
  char line[256];
  std::snprintf(line, sizeof line,
                "duplicate %s vs %s: games=%d wins=%d losses=%d draws=%d win_rate=%.3f "
                "mean_diff=%.1f ci95=%.1f",
                first.c_str(), second.c_str(), games, wins_, losses_, draws_,
                games > 0 ? static_cast<double>(wins_) / games : 0.0, mean, half_width);
  return line;
}

}  // namespace ostrel::sim
