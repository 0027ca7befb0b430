// Any bytes as one tournament record, from a client or from the server (the first byte
// chooses). An accepted record encodes again to a record that decodes to the same value,
// and, but for a chat line's unread tail after its first "#", to the very same bytes.
#include "fuzz_check.h"
#include "lan/tournament_record.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel::lan;
  if (size == 0) return 0;
  const From from = data[0] % 2 == 0 ? From::kClient : From::kServer;
  const std::string_view bytes = ostrel::fuzz::Bytes(data + 1, size - 1);
  const auto record = DecodeRecord(bytes, from);
  if (!record.ok()) {
    FUZZ_CHECK(!record.error().reason.empty());
    return 0;
  }
  const auto again = EncodeRecord(record.value(), from);
  FUZZ_CHECK(again.ok());
  const bool chat = std::holds_alternative<TourChat>(record.value().payload);
  if (!chat) FUZZ_CHECK(again.value() == bytes);
  const auto reread = DecodeRecord(again.value(), from);
  FUZZ_CHECK(reread.ok() && reread.value() == record.value());
  return 0;
}
