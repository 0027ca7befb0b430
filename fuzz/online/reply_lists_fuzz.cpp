// Replies that carry star lists.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/replies.h"

using namespace ostrel::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  (void)ParseStats(reply);
  (void)ParseTourTopTen(reply);
  const auto top = ParseTopTen(reply);
  if (top && top->size() > 10) std::abort();
  const auto tables = ParseTourTables(reply);
  if (tables && !ParseTourTables(BuildTourTables(*tables))) std::abort();
  const auto list = ParseRatingList(reply);
  if (list && !ParseRatingList(BuildRatingList(*list))) std::abort();
  return 0;
}
