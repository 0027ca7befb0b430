#include "ai/choose_card.h"

#include <chrono>
#include <cmath>

#include "ai/deal_sampler.h"
#include "game/rules.h"

namespace ostrel {
namespace {

std::int64_t SteadyMs() {
  return std::chrono::duration_cast<std::chrono::milliseconds>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

SearchResult FastSearchOnThisThread(const SearchNode& node, const SearchSettings& settings) {
  thread_local SearchContext context;
  return SearchDeal(node, settings, context);
}

bool Allowed(const GameRecord& record, int seat, int position, const RuleOptions& options) {
  return position >= 1 && position <= 8 && !record.Hand[seat][position].IsEmpty() &&
         CanPlay(record, seat, position, options.TrumpRequired) == kAllowed;
}

// Samples and adds up the values of the record's hand positions; the position with the
// greatest total, 0 when none was tried.
int Sample(const GameRecord& record, int seat, const RuleOptions& options, Random& random,
           const ChooseCardHooks& hooks, ChooseCardReport& report) {
  DealSampler sampler(record, seat, options);
  if (!sampler.ok()) {
    report.memory_disagrees = true;
    return 0;
  }
  const auto clock = hooks.clock_ms ? hooks.clock_ms : SteadyMs;
  const SearchFunction search = hooks.search ? hooks.search : FastSearchOnThisThread;
  const int n = SampleCount(record.CardCount[seat]);
  const std::int64_t start = clock();
  for (int k = 1; k <= n; ++k) {
    if (hooks.progress) hooks.progress(ProgressPercent(k, n));
    const auto node = sampler.Draw(random);
    if (!node) {
      report.memory_disagrees = true;
      break;
    }
    const SearchResult result = search(*node, sampler.settings());
    report.nodes += result.nodes;
    if (clock() - start > kChoiceBudgetMs) {
      report.timed_out = true;
      break;
    }
    ++report.samples;
    for (int p = 1; p <= 8; ++p) {
      const int r = sampler.RecordPosition(p);
      const double v = result.root_values[p];
      if (r == 0 || std::round(v) == kNotTried) continue;
      report.totals[r] += v;
      report.tried[r] = true;
    }
  }
  report.restarts = sampler.restarts();
  int best = 0;
  double best_total = -2000000000.0;
  for (int p = 1; p <= 8; ++p) {
    if (report.tried[p] && report.totals[p] > best_total) {
      best_total = report.totals[p];
      best = p;
    }
  }
  return best;
}

}  // namespace

int ProgressPercent(int k, int n) {
  if (n <= 0) return 100;
  const int whole = k * 100 / n;
  const int rest = k * 100 % n;
  if (2 * rest > n || (2 * rest == n && whole % 2 == 1)) return whole + 1;
  return whole;
}

int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options, Random& random,
               const ChooseCardHooks& hooks, ChooseCardReport* report) {
  ChooseCardReport local;
  ChooseCardReport& r = report ? *report : local;
  r = ChooseCardReport{};
  if (seat < 1 || seat > 4) return 0;
  int position = 0;
  if (record.CardCount[seat] == 1) {
    position = 1;
  } else if (record.CardCount[seat] > 1) {
    position = Sample(record, seat, options, random, hooks, r);
  }
  // Whatever happened above, only a card the rules allow leaves this function.
  if (!Allowed(record, seat, position, options)) {
    position = LowestAllowedPosition(record, seat, options.TrumpRequired);
    r.fallback = true;
  }
  r.position = position;
  return position;
}

}  // namespace ostrel
