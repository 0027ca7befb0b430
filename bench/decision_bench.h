// Runs the card choice over fixed positions and gathers times, nodes and a checksum.
#pragma once

#include <cstdint>
#include <vector>

#include "ai/choose_card.h"
#include "support/play_positions.h"

namespace ostrel::bench {

struct Decision {
  int trick = 0;
  double ms = 0;
  std::uint64_t nodes = 0;
};

struct BenchRun {
  std::vector<Decision> decisions;
  std::uint64_t nodes = 0;
  std::uint64_t checksum = 0;
  double total_ms = 0;  // of the first runs
};

// Decides every position with the sample counts of the game, each with its own seed, `repeats`
// times over. A decision's time is its quickest run, which leaves out the moments the machine
// was busy with something else; the total, the nodes and the checksum are the first run's.
BenchRun RunDecisions(const std::vector<testing::PlayPosition>& positions,
                      const SearchFunction& search, int repeats);

struct Figures {
  double median = 0, p99 = 0, max = 0;
};
Figures FiguresOf(std::vector<double> ms);

// Prints one line per trick and a total line; returns the figures over all decisions.
Figures PrintRun(const char* title, const BenchRun& run);

struct VerifyResult {
  int compared = 0;
  int differences = 0;
  double fast_ms = 0;
  double reference_ms = 0;
  std::vector<double> fast_search_ms;  // per position
  std::uint64_t checksum = 0;          // of every root value
};

// One sample per position, searched by both searches; every root value must be equal.
VerifyResult Verify(const std::vector<testing::PlayPosition>& positions);

}  // namespace ostrel::bench
