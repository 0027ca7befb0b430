#include "game/random.h"

#include <chrono>

namespace ostrel {

Random Random::FromClock() {
  const auto now = std::chrono::high_resolution_clock::now().time_since_epoch().count();
  std::random_device device;
  return Random(static_cast<std::uint64_t>(now) ^ (std::uint64_t{device()} << 32));
}

}  // namespace ostrel
