// The records of the tournament connection between a player's copy and the game server.
//
// Every record is exactly 50 characters: the text, "#" up to character 49, and character 50
// the seat digit of the sender (for the server's own records: the seat they concern, or "0"
// for "end"). The one exception is the deal the server sends: the 161 characters of the
// deal body (lan/deal_codec.h), not cut into records.
//
//   client -> server  "connect" + seat, game actions, "s" + chat text, "bnext",
//                     "o" + four margins, "TOut", "disA"
//   server -> client  the deal, game actions and chat of the others (relayed as sent),
//                     "end", "abort" + seat (that player left), "TOut" (that player's
//                     time ran out; character 50 is the player's seat)
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "lan/codec_result.h"
#include "lan/deal_codec.h"
#include "lan/game_message.h"

namespace ostrel::lan {

inline constexpr std::size_t kRecordSize = 50;
inline constexpr char kRecordFill = '#';
// "s" and the text must leave character 50 to the seat.
inline constexpr std::size_t kMaxRecordChat = kRecordSize - 2;
inline constexpr int kMaxMargin = 9999;  // keeps every margin to its five characters

enum class From { kClient, kServer };

struct TourConnect {  // "connect" + seat: the first record of a booked seat
  int seat = 1;
  bool operator==(const TourConnect&) const = default;
};
struct TourAction {
  GameMessage message;
  bool operator==(const TourAction&) const = default;
};
struct TourChat {
  std::string text;  // Windows-1251, no "#", at most kMaxRecordChat bytes
  bool operator==(const TourChat&) const = default;
};
struct TourNextDeal {  // "bnext": seat 1 asks for the next deal
  bool operator==(const TourNextDeal&) const = default;
};
struct TourResult {  // "o": seat 1's team margin, written m, m, -m, -m for seats 1 to 4
  int margin = 0;
  bool operator==(const TourResult&) const = default;
};
struct TourTimeOut {  // "TOut"
  bool operator==(const TourTimeOut&) const = default;
};
struct TourGiveUp {  // "disA": a booked seat given up before the game
  bool operator==(const TourGiveUp&) const = default;
};
struct TourGameOver {  // "end"
  bool operator==(const TourGameOver&) const = default;
};
struct TourPlayerLeft {  // "abort" + seat
  int seat = 1;
  bool operator==(const TourPlayerLeft&) const = default;
};
struct TourDeal {
  DealDeck deck{};
  bool operator==(const TourDeal&) const = default;
};

using TourPayload = std::variant<TourConnect, TourAction, TourChat, TourNextDeal, TourResult,
                                 TourTimeOut, TourGiveUp, TourGameOver, TourPlayerLeft, TourDeal>;

struct TourRecord {
  TourPayload payload;
  int seat = 0;  // character 50; unused for TourDeal
  bool operator==(const TourRecord&) const = default;
};

// The record rule: `text` filled with "#" to 50 characters, character 50 the seat digit
// (0 to 4). A text longer than 49 characters is refused: it could not keep the record's
// length, and the receiver would lose its place in the stream.
Result<std::string> MakeRecord(std::string_view text, int seat);

// A chat text as it can travel in a record: control bytes dropped, cut at the first "#"
// (receivers read up to it), then cut to kMaxRecordChat bytes.
std::string CleanRecordChat(std::string_view text);

// The exact bytes, 50 (161 for a deal). Refuses what `from` never sends and values out of
// range.
Result<std::string> EncodeRecord(const TourRecord& record, From from);

// Reads one framed record sent by `from` (as RecordFramer yields it).
Result<TourRecord> DecodeRecord(std::string_view frame, From from);

// Cuts the stream sent by `from` into records: 50 characters each, and from the server a
// record that begins with "b" is the 161-character deal.
class RecordFramer {
 public:
  explicit RecordFramer(From from) : from_(from) {}
  void Feed(std::string_view bytes);
  std::optional<std::string> Next();
  std::size_t pending() const { return buffer_.size() - start_; }

 private:
  From from_;
  std::string buffer_;
  std::size_t start_ = 0;
};

}  // namespace ostrel::lan
