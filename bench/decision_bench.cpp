#include "decision_bench.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <cstdio>
#include <cstring>

#include "ai/deal_sampler.h"
#include "support/reference_search.h"

namespace ostrel::bench {
namespace {

double NowMs() {
  return std::chrono::duration<double, std::milli>(
             std::chrono::steady_clock::now().time_since_epoch())
      .count();
}

// FNV-1a over the bytes of a value.
void Mix(std::uint64_t& hash, const void* data, std::size_t size) {
  const auto* bytes = static_cast<const unsigned char*>(data);
  for (std::size_t i = 0; i < size; ++i) {
    hash ^= bytes[i];
    hash *= 0x100000001B3ull;
  }
}

bool SameValues(const SearchResult& a, const SearchResult& b) {
  for (int p = 1; p <= 9; ++p) {
    if (std::memcmp(&a.root_values[p], &b.root_values[p], sizeof(double)) != 0) return false;
  }
  return a.chosen == b.chosen && a.declaring == b.declaring && a.defending == b.defending;
}

}  // namespace

BenchRun RunDecisions(const std::vector<testing::PlayPosition>& positions,
                      const SearchFunction& search, int repeats) {
  BenchRun run;
  run.checksum = 0xCBF29CE484222325ull;
  std::uint64_t nodes = 0;
  bool first = true;
  ChooseCardHooks hooks;
  hooks.search = [&](const SearchNode& node, const SearchSettings& settings) {
    SearchResult result = search(node, settings);
    nodes += result.nodes;
    if (first) {
      for (int p = 1; p <= 9; ++p) Mix(run.checksum, &result.root_values[p], sizeof(double));
    }
    return result;
  };
  for (std::size_t i = 0; i < positions.size(); ++i) {
    const auto& position = positions[i];
    Decision decision{position.record.TrickNumber, 0, 0};
    for (int r = 0; r < repeats; ++r) {
      first = r == 0;
      Random random(1000 + i);  // the same samples every time
      nodes = 0;
      const double start = NowMs();
      const int card = ChooseCard(position.record, position.seat, position.options, random, hooks);
      const double ms = NowMs() - start;
      if (first) {
        Mix(run.checksum, &card, sizeof(card));
        decision.ms = ms;
        decision.nodes = nodes;
        run.nodes += nodes;
        run.total_ms += ms;
      }
      decision.ms = std::min(decision.ms, ms);
    }
    run.decisions.push_back(decision);
  }
  return run;
}

Figures FiguresOf(std::vector<double> ms) {
  Figures f;
  if (ms.empty()) return f;
  std::sort(ms.begin(), ms.end());
  const auto at = [&](double q) {
    const auto i = static_cast<std::size_t>(std::ceil(q * static_cast<double>(ms.size()))) - 1;
    return ms[std::min(i, ms.size() - 1)];
  };
  f.median = at(0.5);
  f.p99 = at(0.99);
  f.max = ms.back();
  return f;
}

Figures PrintRun(const char* title, const BenchRun& run) {
  std::printf("%s: %zu decisions, %.1f ms in all (first runs)\n", title, run.decisions.size(),
              run.total_ms);
  std::printf("trick  decisions  median_ms    p99_ms    max_ms         nodes\n");
  for (int trick = 1; trick <= 8; ++trick) {
    std::vector<double> ms;
    std::uint64_t nodes = 0;
    for (const auto& d : run.decisions) {
      if (d.trick != trick) continue;
      ms.push_back(d.ms);
      nodes += d.nodes;
    }
    const Figures f = FiguresOf(ms);
    std::printf("%5d  %9zu  %9.3f %9.3f %9.3f %13llu\n", trick, ms.size(), f.median, f.p99, f.max,
                static_cast<unsigned long long>(nodes));
  }
  std::vector<double> all;
  for (const auto& d : run.decisions) all.push_back(d.ms);
  const Figures f = FiguresOf(all);
  std::printf("total  %9zu  %9.3f %9.3f %9.3f %13llu  checksum=%016llx\n", all.size(), f.median,
              f.p99, f.max, static_cast<unsigned long long>(run.nodes),
              static_cast<unsigned long long>(run.checksum));
  return f;
}

VerifyResult Verify(const std::vector<testing::PlayPosition>& positions) {
  VerifyResult v;
  v.checksum = 0xCBF29CE484222325ull;
  SearchContext context;
  Random random(99);
  for (const auto& position : positions) {
    DealSampler sampler(position.record, position.seat, position.options);
    const auto node = sampler.Draw(random);
    if (!node) {
      std::printf("position %d: no sample could be drawn\n", v.compared);
      ++v.differences;
      continue;
    }
    double start = NowMs();
    const SearchResult fast = SearchDeal(*node, sampler.settings(), context);
    v.fast_search_ms.push_back(NowMs() - start);
    v.fast_ms += v.fast_search_ms.back();
    for (int p = 1; p <= 9; ++p) Mix(v.checksum, &fast.root_values[p], sizeof(double));
    start = NowMs();
    const SearchResult slow = reference::SearchDeal(*node, sampler.settings());
    v.reference_ms += NowMs() - start;
    if (!SameValues(fast, slow)) {
      ++v.differences;
      std::printf("position %d (trick %d, place %d) differs\n", v.compared,
                  position.record.TrickNumber, position.record.TrickPosition);
    }
    ++v.compared;
  }
  return v;
}

}  // namespace ostrel::bench
