// Any bytes as the address and port fields of the entry dialog (split at the first line
// feed; the first byte says client or host). An accepted entry has a port from 1 to 65535
// and, for a client, an address of four groups whose decimal values it returns.
#include <string>

#include "fuzz_check.h"
#include "lan/entry_checks.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel::lan;
  if (size == 0) return 0;
  const bool client = data[0] % 2 == 1;
  const std::string_view text = ostrel::fuzz::Bytes(data + 1, size - 1);
  const std::size_t cut = text.find('\n');
  const std::string_view address = text.substr(0, cut);
  const std::string_view port = cut == std::string_view::npos ? "" : text.substr(cut + 1);
  AddressFieldAccepts(address);
  PortFieldAccepts(port);
  const EntryCheck check = CheckEntry(client, address, port);
  if (check.problem != EntryProblem::kNone) {
    FUZZ_CHECK(!PhraseKeyOf(check.problem).empty());
    return 0;
  }
  FUZZ_CHECK(check.port >= 1 && PortFieldAccepts(port));
  if (client) {
    FUZZ_CHECK(AddressFieldAccepts(address));
    std::string same;
    for (int k = 0; k < 4; ++k) {
      same += (k ? "." : "") + std::to_string(check.address[k]);
    }
    // Leading zeros aside, the address reads back as the numbers returned.
    std::string stripped;
    bool group_start = true;
    for (std::size_t i = 0; i < address.size(); ++i) {
      const char c = address[i];
      const bool last_of_group = i + 1 == address.size() || address[i + 1] == '.';
      if (c == '0' && group_start && !last_of_group) continue;
      stripped += c;
      group_start = c == '.';
    }
    FUZZ_CHECK(stripped == same);
  }
  return 0;
}
