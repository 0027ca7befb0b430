// Any bytes as a tournament stream, fed whole and in pieces: the same records both ways,
// each 50 characters or (from the server, beginning with "b") 161, covering the stream.
#include <vector>

#include "fuzz_check.h"
#include "lan/tournament_record.h"

namespace {

std::vector<std::string> Frame(ostrel::lan::From from, std::string_view stream, std::size_t piece,
                               std::size_t& pending) {
  ostrel::lan::RecordFramer framer(from);
  std::vector<std::string> frames;
  for (std::size_t at = 0; at < stream.size(); at += piece) {
    framer.Feed(stream.substr(at, piece));
    while (auto frame = framer.Next()) frames.push_back(std::move(*frame));
  }
  pending = framer.pending();
  return frames;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel::lan;
  if (size == 0) return 0;
  const From from = data[0] % 2 == 0 ? From::kClient : From::kServer;
  const std::size_t piece = data[0] / 2 % 60 + 1;
  const std::string_view stream = ostrel::fuzz::Bytes(data + 1, size - 1);
  std::size_t pending_whole = 0;
  std::size_t pending_pieces = 0;
  const auto whole = Frame(from, stream, stream.size() + 1, pending_whole);
  const auto pieces = Frame(from, stream, piece, pending_pieces);
  FUZZ_CHECK(whole == pieces && pending_whole == pending_pieces);
  std::size_t covered = 0;
  for (const std::string& frame : whole) {
    const bool deal = from == From::kServer && frame[0] == 'b';
    FUZZ_CHECK(frame.size() == (deal ? kDealBodySize : kRecordSize));
    FUZZ_CHECK(stream.substr(covered, frame.size()) == frame);
    covered += frame.size();
  }
  FUZZ_CHECK(covered + pending_whole == stream.size());
  return 0;
}
