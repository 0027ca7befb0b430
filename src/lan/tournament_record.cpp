#include "lan/tournament_record.h"

#include <charconv>

namespace ostrel::lan {
namespace {

constexpr std::size_t kMarginWidth = 5;
constexpr std::size_t kSeatAt = kRecordSize - 1;

char Digit(int value) {
  return static_cast<char>('0' + value);
}

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

bool ValidSeat(int seat) {
  return seat >= 1 && seat <= 4;
}

std::string MarginField(int margin) {
  std::string digits = std::to_string(margin);
  if (digits.size() >= kMarginWidth) return digits;
  return std::string(kMarginWidth - digits.size(), ' ') + digits;
}

std::optional<int> ReadMargin(std::string_view field) {
  const std::size_t first = field.find_first_not_of(' ');
  if (first == std::string_view::npos) return std::nullopt;
  int value = 0;
  const char* begin = field.data() + first;
  const char* end = field.data() + field.size();
  const auto [ptr, ec] = std::from_chars(begin, end, value);
  if (ec != std::errc() || ptr != end) return std::nullopt;
  // One spelling per number: right-aligned, no leading zeros or plus sign.
  if (value < -kMaxMargin || value > kMaxMargin || MarginField(value) != field) {
    return std::nullopt;
  }
  return value;
}

// The text each payload stands for in a record, and whether `from` may send it.
struct Text {
  std::string text;
  bool allowed = false;
};

Text TextOf(const TourPayload& payload, From from) {
  const bool client = from == From::kClient;
  if (const auto* p = std::get_if<TourConnect>(&payload)) {
    return {"connect" + std::string(1, Digit(p->seat)), client && ValidSeat(p->seat)};
  }
  if (const auto* p = std::get_if<TourAction>(&payload)) {
    auto action = EncodeAction(p->message);
    return {action ? action.value() : std::string(), action.ok()};
  }
  if (const auto* p = std::get_if<TourChat>(&payload)) {
    return {"s" + p->text, CleanRecordChat(p->text) == p->text};
  }
  if (std::holds_alternative<TourNextDeal>(payload)) return {"bnext", client};
  if (const auto* p = std::get_if<TourResult>(&payload)) {
    const int m = p->margin;
    if (m < -kMaxMargin || m > kMaxMargin) return {};
    return {"o" + MarginField(m) + MarginField(m) + MarginField(-m) + MarginField(-m), client};
  }
  if (std::holds_alternative<TourTimeOut>(payload)) return {"TOut", true};
  if (std::holds_alternative<TourGiveUp>(payload)) return {"disA", client};
  if (std::holds_alternative<TourGameOver>(payload)) return {"end", !client};
  if (const auto* p = std::get_if<TourPlayerLeft>(&payload)) {
    return {"abort" + std::string(1, Digit(p->seat)), !client && ValidSeat(p->seat)};
  }
  return {};
}

// Character 50: the sender's seat; "end" carries 0.
bool SeatFits(const TourPayload& payload, int seat) {
  if (std::holds_alternative<TourGameOver>(payload)) return seat == 0;
  return ValidSeat(seat);
}

// Characters after the text up to 49 must be the fill.
bool FillIntact(std::string_view frame, std::size_t text_size) {
  for (std::size_t i = text_size; i < kSeatAt; ++i) {
    if (frame[i] != kRecordFill) return false;
  }
  return true;
}

// The readers below fill `out` and return nothing, or return the reason for refusing.
using Fail = std::optional<CodecError>;

Fail ReadChat(std::string_view frame, TourPayload& out) {
  std::string_view text = frame.substr(1, kSeatAt - 1);
  text = text.substr(0, text.find(kRecordFill));
  for (const char c : text) {
    if (IsControl(c)) return Refuse(Fault::kBadText, "a chat text holds a control byte");
  }
  out = TourChat{std::string(text)};
  return std::nullopt;
}

Fail ReadResult(std::string_view frame, TourPayload& out) {
  int margins[4] = {};
  for (int k = 0; k < 4; ++k) {
    const auto value = ReadMargin(frame.substr(1 + k * kMarginWidth, kMarginWidth));
    if (!value) return Refuse(Fault::kBadNumber, "a margin is five characters of a number");
    margins[k] = *value;
  }
  const int m = margins[0];
  if (margins[1] != m || margins[2] != -m || margins[3] != -m) {
    return Refuse(Fault::kMarginsDisagree, "the margins are m, m, -m, -m");
  }
  if (!FillIntact(frame, 1 + 4 * kMarginWidth)) {
    return Refuse(Fault::kBadFill, "the record is filled with \"#\"");
  }
  out = TourResult{m};
  return std::nullopt;
}

// A record whose text is fixed, or fixed but for one seat digit at its end (`seat` set).
Fail ReadFixed(std::string_view frame, std::string_view text, int* seat) {
  if (frame.substr(0, text.size()) != text) {
    return Refuse(Fault::kUnknownKind, "not a record of this connection");
  }
  std::size_t size = text.size();
  if (seat != nullptr) {
    const char digit = frame[size++];
    if (digit < '1' || digit > '4') return Refuse(Fault::kBadSeat, "a seat digit 1 to 4");
    *seat = digit - '0';
  }
  if (!FillIntact(frame, size)) return Refuse(Fault::kBadFill, "the record is filled with \"#\"");
  return std::nullopt;
}

template <class Kind>
Fail ReadFixedAs(std::string_view frame, std::string_view text, TourPayload& out) {
  Kind kind{};
  int* seat = nullptr;
  if constexpr (requires { kind.seat; }) seat = &kind.seat;
  if (auto fault = ReadFixed(frame, text, seat)) return fault;
  out = kind;
  return std::nullopt;
}

Fail ReadAction(std::string_view frame, TourPayload& out) {
  auto action = DecodeAction(frame.substr(0, kActionSize));
  if (!action) return action.error();
  if (!FillIntact(frame, kActionSize)) {
    return Refuse(Fault::kBadFill, "the record is filled with \"#\"");
  }
  out = TourAction{action.value()};
  return std::nullopt;
}

Fail ReadPayload(std::string_view frame, From from, TourPayload& out) {
  const bool client = from == From::kClient;
  switch (frame[0]) {
    case 'h':
      return ReadAction(frame, out);
    case 's':
      return ReadChat(frame, out);
    case 'T':
      return ReadFixedAs<TourTimeOut>(frame, "TOut", out);
  }
  if (client) {
    switch (frame[0]) {
      case 'c':
        return ReadFixedAs<TourConnect>(frame, "connect", out);
      case 'b':
        return ReadFixedAs<TourNextDeal>(frame, "bnext", out);
      case 'o':
        return ReadResult(frame, out);
      case 'd':
        return ReadFixedAs<TourGiveUp>(frame, "disA", out);
    }
  } else {
    switch (frame[0]) {
      case 'e':
        return ReadFixedAs<TourGameOver>(frame, "end", out);
      case 'a':
        return ReadFixedAs<TourPlayerLeft>(frame, "abort", out);
    }
  }
  return Refuse(Fault::kUnknownKind,
                client ? "no client record begins so" : "no server record begins so");
}

}  // namespace

Result<std::string> MakeRecord(std::string_view text, int seat) {
  if (text.size() >= kRecordSize) {
    return Refuse(Fault::kWrongLength, "a record text has at most 49 characters");
  }
  if (seat < 0 || seat > 4) return Refuse(Fault::kBadSeat, "a record's seat is 0 to 4");
  std::string record(text);
  record.resize(kRecordSize, kRecordFill);
  record[kSeatAt] = Digit(seat);
  return record;
}

std::string CleanRecordChat(std::string_view text) {
  std::string clean;
  for (const char c : text) {
    if (c == kRecordFill || clean.size() == kMaxRecordChat) break;
    if (!IsControl(c)) clean += c;
  }
  return clean;
}

Result<std::string> EncodeRecord(const TourRecord& record, From from) {
  if (const auto* deal = std::get_if<TourDeal>(&record.payload)) {
    if (from != From::kServer) return Refuse(Fault::kUnknownKind, "only the server deals");
    return EncodeDealBody(deal->deck);
  }
  Text text = TextOf(record.payload, from);
  if (!text.allowed) {
    return Refuse(Fault::kBadParameter, "a record this side does not send, or out of range");
  }
  if (!SeatFits(record.payload, record.seat)) {
    return Refuse(Fault::kBadSeat, "character 50 is the sender's seat 1 to 4 (0 for \"end\")");
  }
  return MakeRecord(text.text, record.seat);
}

Result<TourRecord> DecodeRecord(std::string_view frame, From from) {
  if (frame.empty()) return Refuse(Fault::kEmpty, "an empty record");
  if (from == From::kServer && frame[0] == 'b') {
    if (frame.size() != kDealBodySize) {
      return Refuse(Fault::kWrongLength, "the server's deal has 161 characters");
    }
    auto deal = DecodeDeal(frame);
    if (!deal) return deal.error();
    return TourRecord{TourDeal{deal.value().deck}, 0};
  }
  if (frame.size() != kRecordSize) {
    return Refuse(Fault::kWrongLength, "a tournament record has 50 characters");
  }
  TourRecord record;
  if (auto fault = ReadPayload(frame, from, record.payload)) return std::move(*fault);
  const char digit = frame[kSeatAt];
  record.seat = digit >= '0' && digit <= '4' ? digit - '0' : -1;
  if (!SeatFits(record.payload, record.seat)) {
    return Refuse(Fault::kBadSeat, "character 50 is the sender's seat");
  }
  return record;
}

void RecordFramer::Feed(std::string_view bytes) {
  if (start_ > 0 && start_ == buffer_.size()) {
    buffer_.clear();
    start_ = 0;
  }
  buffer_.append(bytes);
}

std::optional<std::string> RecordFramer::Next() {
  const std::string_view rest = std::string_view(buffer_).substr(start_);
  if (rest.empty()) return std::nullopt;
  const bool deal = from_ == From::kServer && rest[0] == 'b';
  const std::size_t length = deal ? kDealBodySize : kRecordSize;
  if (rest.size() < length) return std::nullopt;
  std::string frame(rest.substr(0, length));
  start_ += length;
  if (start_ >= 4096) {
    buffer_.erase(0, start_);
    start_ = 0;
  }
  return frame;
}

}  // namespace ostrel::lan
