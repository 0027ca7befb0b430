// Replies that carry markers, one dollar or tilde record, or a last number.
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "online/replies.h"

using namespace ostrel::online;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view reply(reinterpret_cast<const char*>(data), size);
  (void)ParseRegisterReply(reply);
  (void)ParseOkReply(reply);
  (void)ParseSeatResultReply(reply);
  (void)ParseNumberReply(reply);
  (void)ParseServerStateReply(reply);
  (void)ParseTourRatingReply(reply);
  (void)ParseSeatReply(reply);
  (void)ParseRatedRecordReply(reply, TTarvoGame{});
  (void)ParseProfileReply(reply);
  const auto login = ParseLoginReply(reply, TTarvoUser{});
  // What the program read, the server writes back so that it reads the same.
  if (login && login->has_value()) {
    const auto again = ParseLoginReply(BuildLoginReply(**login), TTarvoUser{});
    if (!again || !again->has_value()) std::abort();
  }
  return 0;
}
