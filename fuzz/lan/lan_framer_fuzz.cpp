// Any bytes as a LAN stream, fed once whole and once in pieces whose sizes the first byte
// chooses. Both ways give the same messages and the same error; the messages are the
// stream's own bytes in order, none longer than a chat line may be.
#include <vector>

#include "fuzz_check.h"
#include "lan/lan_framer.h"
#include "lan/lan_message.h"

namespace {

struct Outcome {
  std::vector<std::string> frames;
  bool failed = false;
  std::size_t pending = 0;
};

Outcome Frame(std::string_view stream, std::size_t piece) {
  ostrel::lan::LanFramer framer;
  Outcome out;
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    framer.Feed(stream.substr(at, piece));
    while (auto frame = framer.Next()) out.frames.push_back(std::move(*frame));
  }
  out.failed = framer.error().has_value();
  out.pending = framer.pending();
  return out;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel::lan;
  if (size == 0) return 0;
  const std::size_t piece = data[0] % 17 + 1;
  const std::string_view stream = ostrel::fuzz::Bytes(data + 1, size - 1);
  const Outcome whole = Frame(stream, stream.size() + 1);
  const Outcome pieces = Frame(stream, piece);
  FUZZ_CHECK(whole.frames == pieces.frames);
  FUZZ_CHECK(whole.failed == pieces.failed);
  std::string joined;
  for (const std::string& frame : whole.frames) {
    FUZZ_CHECK(!frame.empty() && frame.size() <= kMaxChatFrame);
    joined += frame;
  }
  FUZZ_CHECK(stream.substr(0, joined.size()) == joined);
  if (!whole.failed) {
    FUZZ_CHECK(joined.size() + whole.pending == stream.size());
    FUZZ_CHECK(whole.pending < kMaxChatFrame);
  }
  return 0;
}
