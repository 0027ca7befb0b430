// The fast search's table of positions already valued, emptied before every sample. The key
// holds the cards still out (which, within one sample, fixes every hand), the seat to move and
// both teams' points: everything a value depends on.
#pragma once

#include <array>
#include <cstdint>
#include <cstdlib>
#include <memory>

#include "ai/search.h"

namespace ostrel {

// What is known of a position's value: it lies in [lower, upper] (equal when exact).
struct TranspositionEntry {
  std::uint64_t key = 0;
  double lower = 0;
  double upper = 0;
  std::uint32_t generation = 0;
  std::int8_t best = -1;
};

class TranspositionTable {
 public:
  static constexpr int kPointLimit = 1 << 14;
  // The part of each hand size of the seat on lead takes entries while it holds at most this
  // many. Since the key is exact the table may serve every hand size without changing a value.
  static constexpr int kEntryLimit = 48000;

  TranspositionTable();

  // Empties the table; an unusable table (points beyond the key's range) is never consulted.
  void Clear(bool usable);
  bool Usable() const { return usable_; }

  static std::uint64_t Key(const std::uint32_t hand[4], int mover, const int points[2]) {
    const std::uint64_t out = hand[0] | hand[1] | hand[2] | hand[3];
    return out | static_cast<std::uint64_t>(mover) << 32 |
           static_cast<std::uint64_t>(points[0]) << 34 |
           static_cast<std::uint64_t>(points[1]) << 48;
  }

  const TranspositionEntry* Find(std::uint64_t key) const;
  // A search of the position in the window (alpha, beta) that returned value.
  void Store(std::uint64_t key, int hand_size, double value, double alpha, double beta, int best);

 private:
  static constexpr int kBits = 19;
  static constexpr std::size_t kSlots = std::size_t{1} << kBits;
  std::size_t SlotOf(std::uint64_t key) const {
    return static_cast<std::size_t>((key * 0x9E3779B97F4A7C15ull) >> (64 - kBits));
  }

  struct Free {
    void operator()(TranspositionEntry* p) const { std::free(p); }
  };
  // Zeroed pages from calloc: a new table costs nothing until it is used.
  std::unique_ptr<TranspositionEntry[], Free> slots_;
  std::array<int, 9> counts_{};
  std::size_t total_ = 0;
  std::uint32_t generation_ = 1;
  bool usable_ = true;
};

struct SearchContext::Impl {
  TranspositionTable table;
};

}  // namespace ostrel
