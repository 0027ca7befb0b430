// The fast search must give exactly the values of the plain reference search.
#include <gtest/gtest.h>

#include "ai/deal_sampler.h"
#include "ai/search.h"
#include "support/play_positions.h"
#include "support/reference_search.h"

namespace ostrel {
namespace {

TEST(SearchEquality, FastSearchGivesTheReferenceValuesOnACorpus) {
  const auto corpus = testing::MakeCorpus(20261210, 256);
  SearchContext context;
  Random random(7);
  int compared = 0;
  for (const auto& position : corpus) {
    DealSampler sampler(position.record, position.seat, position.options);
    ASSERT_TRUE(sampler.ok());
    const auto node = sampler.Draw(random);
    ASSERT_TRUE(node.has_value());
    const SearchResult fast = SearchDeal(*node, sampler.settings(), context);
    const SearchResult slow = reference::SearchDeal(*node, sampler.settings());
    for (int p = 1; p <= 9; ++p) {
      ASSERT_EQ(fast.root_values[p], slow.root_values[p])
          << "position " << compared << " hand position " << p;
    }
    EXPECT_EQ(fast.chosen, slow.chosen);
    EXPECT_EQ(fast.declaring, slow.declaring);
    ++compared;
  }
  EXPECT_EQ(compared, 256);
}

}  // namespace
}  // namespace ostrel
