// The one generator type behind every random choice: the simulator and tests pass a seed,
// the game seeds it from the clock.
#pragma once

#include <cstdint>
#include <random>

namespace ostrel {

class Random {
 public:
  explicit Random(std::uint64_t seed) : engine_(seed) {}
  static Random FromClock();

  void Reseed(std::uint64_t seed) { engine_.seed(seed); }
  // Uniform in [lo, hi].
  int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(engine_); }
  std::uint64_t Next() { return engine_(); }

 private:
  std::mt19937_64 engine_;
};

}  // namespace ostrel
