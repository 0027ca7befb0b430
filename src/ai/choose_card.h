// Which card a computer seat plays: many deals of the unseen cards that agree with the memory,
// each searched with all hands open, and the card with the best total over the samples.
#pragma once

#include <cstdint>
#include <functional>

#include "ai/search.h"
#include "game/game_record.h"
#include "game/random.h"

namespace ostrel {

// The whole choice stops sampling once this much time has passed.
inline constexpr std::int64_t kChoiceBudgetMs = 10000;

using SearchFunction = std::function<SearchResult(const SearchNode&, const SearchSettings&)>;

struct ChooseCardHooks {
  // Called before every sample with the share done so far, 0 to 100.
  std::function<void(int percent)> progress;
  // Milliseconds from any fixed start; the steady clock when empty.
  std::function<std::int64_t()> clock_ms;
  // The search of one sample; the fast search when empty.
  SearchFunction search;
};

struct ChooseCardReport {
  int position = 0;
  int samples = 0;   // samples searched and counted
  int restarts = 0;  // sample draws begun again
  bool memory_disagrees = false;
  bool timed_out = false;
  bool fallback = false;  // the answer is the lowest card the rules allow
  std::uint64_t nodes = 0;
  Array1<double, 8> totals{};
  Array1<bool, 8> tried{};
};

// The hand position (1 to 8) the seat plays; always a card the rules allow. Changes nothing in
// the record.
int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options, Random& random,
               const ChooseCardHooks& hooks = {}, ChooseCardReport* report = nullptr);

// round(k * 100 / n) with halves to the even neighbour.
int ProgressPercent(int k, int n);

}  // namespace ostrel
