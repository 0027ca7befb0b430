#include "table/flight.h"

#include <algorithm>
#include <cmath>

namespace ostrel {

QPoint FlightLine::At(int k) const {
  const int dx = to.x() - from.x();
  const int dy = to.y() - from.y();
  const int n = Steps();
  if (n == 0) return from;
  k = std::clamp(k, 0, n);
  const auto follow = [&](int start, int distance) {
    return start + static_cast<int>(std::nearbyint(static_cast<double>(distance) * k / n));
  };
  if (std::abs(dx) >= std::abs(dy)) {
    return {from.x() + (dx > 0 ? k : -k), follow(from.y(), dy)};
  }
  return {follow(from.x(), dx), from.y() + (dy > 0 ? k : -k)};
}

void FlightPace::SetSpeed(int card_speed) {
  speed_ = std::clamp(card_speed, 1, 6);
}

int FlightPace::WaitAfterStep() {
  ++counter_;
  switch (speed_) {
    case 1:
      return 2;
    case 2:
      return 1;
    case 3:
      return counter_ % 2 == 0 ? 1 : 0;
    case 4:
      return counter_ % 3 == 0 ? 1 : 0;
    default:
      return 0;
  }
}

}  // namespace ostrel
