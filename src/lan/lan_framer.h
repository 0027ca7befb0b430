// Cuts the byte stream of a LAN connection into messages. A socket read may hold part of a
// message or several messages; the framer keeps what is incomplete and yields every
// message once, in order, as its exact wire bytes (ready to decode or to relay unchanged).
//
// Framing rule: the first bytes say which message follows, and every message but the chat
// line has a fixed length: "qiv" 19, "connect2+" 26, "connect3+" and "connect4+" 25, "h" 7,
// "b" 166, "abort" 5. A chat line ("s") runs up to and including its line feed and is at
// most kMaxChatFrame bytes. Bytes that can begin no message, or a chat line that grows past
// its limit, are a framing error: the stream has lost its place, so the framer yields
// nothing more and the session should drop the connection.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "lan/codec_result.h"

namespace ostrel::lan {

class LanFramer {
 public:
  // Appends the bytes of one read. Ignored after an error.
  void Feed(std::string_view bytes);

  // The next complete message, or nullopt when more bytes are needed or after an error.
  // Call until it returns nullopt after every Feed, then look at error().
  std::optional<std::string> Next();

  const std::optional<CodecError>& error() const { return error_; }
  // Bytes fed but not yet yielded.
  std::size_t pending() const { return buffer_.size() - start_; }

 private:
  std::optional<std::size_t> FrameLength(std::string_view bytes);

  std::string buffer_;
  std::size_t start_ = 0;
  std::optional<CodecError> error_;
};

}  // namespace ostrel::lan
