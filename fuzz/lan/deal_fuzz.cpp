// Any bytes as a deal message. An accepted deal is the 32 different cards, and its first 161
// characters (all 166 when the trailer was read) are exactly what the encoder writes for it.
#include <set>

#include "fuzz_check.h"
#include "lan/deal_codec.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  using namespace ostrel::lan;
  const std::string_view bytes = fuzz::Bytes(data, size);
  const auto deal = DecodeDeal(bytes);
  if (!deal.ok()) return 0;
  std::set<int> numbers;
  for (int p = 1; p <= kDeckSize; ++p) numbers.insert(DeckTableNumber(deal.value().deck[p]));
  FUZZ_CHECK(numbers.size() == static_cast<std::size_t>(kDeckSize) && !numbers.count(0));
  FUZZ_CHECK(EncodeDealBody(deal.value().deck).value() == bytes.substr(0, kDealBodySize));
  if (deal.value().rules) {
    FUZZ_CHECK(bytes.size() == kLanDealSize);
    FUZZ_CHECK(EncodeLanDeal(deal.value().deck, *deal.value().rules).value() == bytes);
  }
  return 0;
}
