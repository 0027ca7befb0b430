// A request body as the service receives it: the first byte picks the address. Whatever the
// service accepts, the program must be able to build again, and the body it builds must read
// back as the same request.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/requests.h"

using namespace ostrel::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const auto group = static_cast<ServiceGroup>(data[0] % 4);
  const std::string_view body(reinterpret_cast<const char*>(data + 1), size - 1);
  const auto request = ParseRequest(group, body);
  if (!request) return 0;
  const auto rebuilt = BuildBody(*request);
  if (!rebuilt) std::abort();
  const auto again = ParseRequest(group, *rebuilt);
  if (!again || again->index() != request->index()) std::abort();
  return 0;
}
