#include "lan/lan_message.h"

#include <algorithm>

namespace ostrel::lan {
namespace {

constexpr std::string_view kHelloToken = "qiv";
constexpr std::string_view kHelloVersion = "25";
constexpr std::string_view kHelloConnect = "connect1";
constexpr std::string_view kConnect = "connect";

bool IsControl(char c) {
  const auto byte = static_cast<unsigned char>(c);
  return byte < 0x20 || byte == 0x7F;
}

std::optional<int> SeatDigit(char c, int low, int high) {
  if (c < '0' + low || c > '0' + high) return std::nullopt;
  return c - '0';
}

char Digit(int value) {
  return static_cast<char>('0' + value);
}

std::optional<CodecError> CheckNames(const SeatNames& names) {
  for (const std::string& name : names) {
    if (name.size() != kNameSize) {
      return Refuse(Fault::kBadText, "a name travels as exactly four bytes");
    }
  }
  return std::nullopt;
}

SeatNames ReadNames(std::string_view sixteen) {
  SeatNames names;
  for (std::size_t k = 0; k < names.size(); ++k) {
    names[k] = std::string(sixteen.substr(k * kNameSize, kNameSize));
  }
  return names;
}

std::string JoinNames(const SeatNames& names) {
  std::string text;
  for (const std::string& name : names) text += name;
  return text;
}

Result<std::string> Encode(const Hello& hello) {
  if (hello.name.size() != kNameSize) {
    return Refuse(Fault::kBadText, "a name travels as exactly four bytes");
  }
  return std::string(kHelloToken) + std::string(kGameCode) + std::string(kHelloVersion) +
         std::string(kHelloConnect) + hello.name;
}

Result<std::string> Encode(const SeatMessage& seat) {
  if (seat.seat < 2 || seat.seat > 4) return Refuse(Fault::kBadSeat, "a joiner's seat is 2 to 4");
  if (auto fault = CheckNames(seat.names)) return std::move(*fault);
  return std::string("connect2+") + Digit(seat.seat) + JoinNames(seat.names);
}

Result<std::string> Encode(const ArrivalNotice& notice) {
  if (notice.players != 3 && notice.players != 4) {
    return Refuse(Fault::kBadParameter, "an arrival notice tells of 3 or 4 players");
  }
  if (auto fault = CheckNames(notice.names)) return std::move(*fault);
  return std::string("connect") + Digit(notice.players) + "+" + JoinNames(notice.names);
}

Result<std::string> Encode(const LanAction& action) {
  if (action.seat < 1 || action.seat > 4) return Refuse(Fault::kBadSeat, "a seat is 1 to 4");
  auto text = EncodeAction(action.message);
  if (!text) return text;
  return std::move(text).value() + Digit(action.seat);
}

Result<std::string> Encode(const DealMessage& deal) {
  if (!deal.rules) return Refuse(Fault::kBadParameter, "a LAN deal carries the host's rules");
  return EncodeLanDeal(deal.deck, *deal.rules);
}

Result<std::string> Encode(const ChatLine& chat) {
  if (chat.seat < 1 || chat.seat > 4) return Refuse(Fault::kBadSeat, "a seat is 1 to 4");
  if (CleanChatText(chat.text) != chat.text) {
    return Refuse(Fault::kBadText, "a chat text without control bytes, at most 255 bytes");
  }
  return std::string("s") + Digit(chat.seat) + chat.text + kChatEnd;
}

Result<std::string> Encode(const Abort&) {
  return std::string(kAbort);
}

Result<LanMessage> DecodeHello(std::string_view text) {
  if (text.size() != kHelloSize) return Refuse(Fault::kWrongLength, "a hello has 19 characters");
  if (text.substr(0, 3) != kHelloToken) return Refuse(Fault::kWrongToken, "no \"qiv\" token");
  if (text.substr(3, 2) != kGameCode) return Refuse(Fault::kWrongGameCode, "another game");
  if (text.substr(5, 2) != kHelloVersion) return Refuse(Fault::kWrongVersion, "no \"25\"");
  if (text.substr(7, 8) != kHelloConnect) return Refuse(Fault::kNotHello, "no \"connect1\"");
  return LanMessage(Hello{std::string(text.substr(15))});
}

Result<LanMessage> DecodeConnect(std::string_view text) {
  if (text.substr(0, kConnect.size()) != kConnect || text.size() < 9 || text[8] != '+') {
    return Refuse(Fault::kUnknownKind, "not a seat message or an arrival notice");
  }
  const char kind = text[7];
  if (kind == '2') {
    if (text.size() != kSeatMessageSize) {
      return Refuse(Fault::kWrongLength, "a seat message has 26 characters");
    }
    const auto seat = SeatDigit(text[9], 2, 4);
    if (!seat) return Refuse(Fault::kBadSeat, "a joiner's seat is 2 to 4");
    return LanMessage(SeatMessage{*seat, ReadNames(text.substr(10))});
  }
  if (kind == '3' || kind == '4') {
    if (text.size() != kArrivalSize) {
      return Refuse(Fault::kWrongLength, "an arrival notice has 25 characters");
    }
    return LanMessage(ArrivalNotice{kind - '0', ReadNames(text.substr(9))});
  }
  return Refuse(Fault::kUnknownKind, "\"connect\" is followed by 2, 3 or 4");
}

Result<LanMessage> DecodeLanAction(std::string_view text) {
  if (text.size() != kLanActionSize) {
    return Refuse(Fault::kWrongLength, "a game message has 7 characters");
  }
  auto action = DecodeAction(text.substr(0, kActionSize));
  if (!action) return action.error();
  const auto seat = SeatDigit(text[kActionSize], 1, 4);
  if (!seat) return Refuse(Fault::kBadSeat, "the sender's seat is 1 to 4");
  return LanMessage(LanAction{action.value(), *seat});
}

Result<LanMessage> DecodeChat(std::string_view text) {
  if (text.size() < 3 || text.back() != kChatEnd) {
    return Refuse(Fault::kWrongLength, "a chat line ends with a line feed");
  }
  if (text.size() > kMaxChatFrame) return Refuse(Fault::kWrongLength, "a chat line too long");
  const auto seat = SeatDigit(text[1], 1, 4);
  if (!seat) return Refuse(Fault::kBadSeat, "the sender's seat is 1 to 4");
  const std::string_view body = text.substr(2, text.size() - 3);
  if (std::any_of(body.begin(), body.end(), IsControl)) {
    return Refuse(Fault::kBadText, "a chat text holds a control byte");
  }
  return LanMessage(ChatLine{*seat, std::string(body)});
}

}  // namespace

std::string LanName(std::string_view name) {
  std::string padded(name.substr(0, kNameSize));
  padded.resize(kNameSize, ' ');
  return padded;
}

std::string CleanChatText(std::string_view text) {
  std::string clean;
  for (const char c : text) {
    if (clean.size() == kMaxChatText) break;
    if (!IsControl(c)) clean += c;
  }
  return clean;
}

Result<std::string> EncodeLan(const LanMessage& message) {
  return std::visit([](const auto& m) { return Encode(m); }, message);
}

Result<LanMessage> DecodeLan(std::string_view frame) {
  if (frame.empty()) return Refuse(Fault::kEmpty, "an empty message");
  switch (frame[0]) {
    case 'q':
      return DecodeHello(frame);
    case 'c':
      return DecodeConnect(frame);
    case 'h':
      return DecodeLanAction(frame);
    case 'b': {
      if (frame.size() != kLanDealSize) {
        return Refuse(Fault::kWrongLength, "a LAN deal has 166 characters");
      }
      auto deal = DecodeDeal(frame);
      if (!deal) return deal.error();
      return LanMessage(std::move(deal).value());
    }
    case 's':
      return DecodeChat(frame);
    case 'a':
      if (frame != kAbort) return Refuse(Fault::kUnknownKind, "not \"abort\"");
      return LanMessage(Abort{});
  }
  return Refuse(Fault::kUnknownKind, "no LAN message begins with this character");
}

}  // namespace ostrel::lan
