// ostrel-bench [--reference | --verify]
//   (no option)  decides the fixed positions with the fast search and prints the figures;
//   --reference  does the same with the plain reference search as well, and the speed ratio;
//   --verify     compares the root values of both searches on 5120 positions (one sample
//                each), exit 1 on any difference; its figures are those of single searches.
// The last line always reads p99_ms=... max_ms=... ratio=... checksum=...; without an option
// the ratio is "-", since only the runs with the reference search measure it.
#include <cstdio>
#include <cstring>

#include "decision_bench.h"
#include "support/reference_search.h"

namespace {

constexpr std::uint64_t kPositionSeed = 4101;
constexpr int kPositions = 448;  // 14 for every card slot of a deal, options varied
constexpr std::uint64_t kVerifySeed = 77;
// Decision times are the quickest of this many identical runs; the speed ratio compares first
// runs only, as the reference search runs once.
constexpr int kFastRepeats = 3;
constexpr int kVerifyPositions = 5120;

ostrel::SearchResult Fast(const ostrel::SearchNode& node, const ostrel::SearchSettings& s) {
  thread_local ostrel::SearchContext context;
  return ostrel::SearchDeal(node, s, context);
}

int Usage() {
  std::fprintf(stderr, "usage: ostrel-bench [--reference | --verify]\n");
  return 2;
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ostrel;
  const bool reference = argc == 2 && std::strcmp(argv[1], "--reference") == 0;
  const bool verify = argc == 2 && std::strcmp(argv[1], "--verify") == 0;
  if (argc > 2 || (argc == 2 && !reference && !verify)) return Usage();

  if (verify) {
    const auto positions = testing::MakeCorpus(kVerifySeed, kVerifyPositions);
    const bench::VerifyResult v = bench::Verify(positions);
    const double ratio = v.fast_ms > 0 ? v.reference_ms / v.fast_ms : 0;
    const bench::Figures f = bench::FiguresOf(v.fast_search_ms);
    std::printf("verify: %d positions compared, %d differences; fast %.1f ms, reference %.1f ms\n",
                v.compared, v.differences, v.fast_ms, v.reference_ms);
    std::printf("p99_ms=%.3f max_ms=%.3f ratio=%.1f checksum=%016llx\n", f.p99, f.max, ratio,
                static_cast<unsigned long long>(v.checksum));
    return v.differences == 0 && v.compared >= 5000 ? 0 : 1;
  }

  const auto positions = testing::MakeCorpus(kPositionSeed, kPositions);
  const bench::BenchRun fast = bench::RunDecisions(positions, Fast, kFastRepeats);
  const bench::Figures f = bench::PrintRun("fast search", fast);
  if (!reference) {
    std::printf("p99_ms=%.3f max_ms=%.3f ratio=- checksum=%016llx\n", f.p99, f.max,
                static_cast<unsigned long long>(fast.checksum));
    return 0;
  }
  const bench::BenchRun slow = bench::RunDecisions(positions, reference::SearchDeal, 1);
  const bench::Figures r = bench::PrintRun("reference search", slow);
  const double ratio = fast.total_ms > 0 ? slow.total_ms / fast.total_ms : 0;
  const bool same = slow.checksum == fast.checksum;
  std::printf("speed ratio (reference time / fast time): %.1f; checksums %s\n", ratio,
              same ? "equal" : "DIFFER");
  std::printf("reference: p99_ms=%.3f max_ms=%.3f\n", r.p99, r.max);
  std::printf("p99_ms=%.3f max_ms=%.3f ratio=%.1f checksum=%016llx\n", f.p99, f.max, ratio,
              static_cast<unsigned long long>(fast.checksum));
  return same ? 0 : 1;
}
