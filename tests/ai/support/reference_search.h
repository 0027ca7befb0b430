// The card-play search written out plainly, step by step, without any speed-up: every node
// works on its own copy, the transposition tables are scanned from the first entry. The fast
// search must give exactly its values.
#pragma once

#include "ai/search.h"

namespace ostrel::reference {

SearchResult SearchDeal(const SearchNode& node, const SearchSettings& settings);

}  // namespace ostrel::reference
