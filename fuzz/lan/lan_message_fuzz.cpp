// Any bytes as one LAN message. What the decoder accepts is a message whose own encoding is
// exactly the bytes read (the only message that cannot be encoded again is a deal whose
// trailer was not the host's rules).
#include "fuzz_check.h"
#include "lan/lan_message.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel::lan;
  const std::string_view bytes = ostrel::fuzz::Bytes(data, size);
  const auto action = DecodeAction(bytes.substr(0, kActionSize));
  if (action.ok()) FUZZ_CHECK(EncodeAction(action.value()).value() == bytes.substr(0, 6));

  const auto message = DecodeLan(bytes);
  if (!message.ok()) {
    FUZZ_CHECK(!message.error().reason.empty());
    return 0;
  }
  const auto again = EncodeLan(message.value());
  if (const auto* deal = std::get_if<DealMessage>(&message.value()); deal && !deal->rules) {
    FUZZ_CHECK(!again.ok());
    return 0;
  }
  FUZZ_CHECK(again.ok());
  FUZZ_CHECK(again.value() == bytes);
  return 0;
}
