// The messages of a LAN game as values, and their exact bytes on the wire
// (Windows-1251 text; docs/lan-protocol.md lists every one).
//
//   hello        client -> host   "qiv" "65" "25" "connect1" + name (19)
//   seat         host -> joiner   "connect2+" + seat digit 2-4 + four names (26)
//   arrival      host -> clients  "connect3+" or "connect4+" + four names (25)
//   action       both ways        six action bytes + the sender's seat digit (7)
//   deal         host -> clients  the 166-character deal message
//   chat         both ways        "s" + the sender's seat digit + text + LF
//   abort        host -> clients  "abort" (5)
//
// The four names of the seat message and the arrival notice are in network-seat order 1 to
// 4, which is the host's table positions 4, 2, 1, 3. Every name is exactly four bytes.
#pragma once

#include <array>
#include <cstddef>
#include <string>
#include <string_view>
#include <variant>

#include "lan/codec_result.h"
#include "lan/deal_codec.h"
#include "lan/game_message.h"

namespace ostrel::lan {

inline constexpr std::string_view kGameCode = "65";
inline constexpr std::size_t kNameSize = 4;
inline constexpr std::string_view kComputerName = "PC  ";
inline constexpr std::size_t kHelloSize = 19;
inline constexpr std::size_t kSeatMessageSize = 26;
inline constexpr std::size_t kArrivalSize = 25;
inline constexpr std::size_t kLanActionSize = kActionSize + 1;
inline constexpr std::string_view kAbort = "abort";

// A chat line ends with one line feed; the text itself holds no control byte and at most
// kMaxChatText bytes.
inline constexpr char kChatEnd = '\n';
inline constexpr std::size_t kMaxChatText = 255;
inline constexpr std::size_t kMaxChatFrame = 2 + kMaxChatText + 1;

// Names indexed by network seat: element 0 is seat 1 (the host) ... element 3 is seat 4.
using SeatNames = std::array<std::string, 4>;

struct Hello {
  std::string name;  // four bytes
  bool operator==(const Hello&) const = default;
};

struct SeatMessage {
  int seat = 2;  // the joiner's network seat, 2 to 4
  SeatNames names;
  bool operator==(const SeatMessage&) const = default;
};

struct ArrivalNotice {
  int players = 3;  // people at the table now: 3 after the second client, 4 after the third
  SeatNames names;
  bool operator==(const ArrivalNotice&) const = default;
};

struct LanAction {
  GameMessage message;
  int seat = 1;  // the sender's network seat, 1 to 4
  bool operator==(const LanAction&) const = default;
};

struct ChatLine {
  int seat = 1;      // the sender's network seat, 1 to 4
  std::string text;  // Windows-1251 bytes
  bool operator==(const ChatLine&) const = default;
};

struct Abort {
  bool operator==(const Abort&) const = default;
};

using LanMessage =
    std::variant<Hello, SeatMessage, ArrivalNotice, LanAction, DealMessage, ChatLine, Abort>;

// A person's name cut or padded with spaces to four bytes: "Al" travels as "Al  ".
std::string LanName(std::string_view name);

// Drops the control bytes a chat line may not carry and cuts it to kMaxChatText bytes.
std::string CleanChatText(std::string_view text);

// The exact bytes of one message. Refuses values out of range: a seat, a name that is not
// four bytes, a chat text that CleanChatText would change, a deal that is no whole deck or
// carries no rules.
Result<std::string> EncodeLan(const LanMessage& message);

// Reads exactly one framed message (as LanFramer yields it) and refuses anything that does
// not follow its layout, with the reason.
Result<LanMessage> DecodeLan(std::string_view frame);

}  // namespace ostrel::lan
