// What the wire codecs return: a value, or the reason why the bytes were refused.
// Codecs never throw; every refusal names a fault the caller can test and a text for logs.
#pragma once

#include <optional>
#include <string>
#include <utility>

namespace ostrel::lan {

enum class Fault {
  kEmpty,            // nothing to read
  kUnknownKind,      // the first character starts no message of this connection
  kWrongLength,      // the message is shorter or longer than its layout
  kUnknownTag,       // "h" followed by no known game action
  kBadParameter,     // a suit byte, hand position or option field out of range
  kBadSeat,          // a seat digit outside its range
  kWrongToken,       // a hello that does not begin with "qiv"
  kWrongGameCode,    // a hello of another game of the family
  kWrongVersion,     // a hello without "25" in characters 6 and 7
  kNotHello,         // characters 8 to 15 of a hello are not "connect1"
  kBadCard,          // two bytes that are no card
  kDuplicateCard,    // a card that a deal holds twice
  kWrongOrder,       // a rank order that is not the card's natural order
  kWrongPoints,      // points that are not the card's plain points
  kBadNumber,        // a decimal field that is no number or is out of range
  kBadFill,          // a tournament record whose "#" fill is broken
  kMarginsDisagree,  // a result record whose four margins are not m, m, -m, -m
  kBadText,          // a chat or name text with a byte that may not travel
};

struct CodecError {
  Fault fault;
  std::string reason;
};

// Either a value or a CodecError; a small stand-in for std::expected.
template <class T>
class Result {
 public:
  Result(T value) : value_(std::move(value)) {}           // NOLINT: implicit by design
  Result(CodecError error) : error_(std::move(error)) {}  // NOLINT

  bool ok() const { return value_.has_value(); }
  explicit operator bool() const { return ok(); }
  // Precondition: ok() (otherwise std::bad_optional_access).
  const T& value() const& { return value_.value(); }
  T&& value() && { return std::move(value_).value(); }
  // Precondition: !ok().
  const CodecError& error() const { return error_; }

 private:
  std::optional<T> value_;
  CodecError error_{Fault::kEmpty, {}};
};

inline CodecError Refuse(Fault fault, std::string reason) {
  return CodecError{fault, std::move(reason)};
}

}  // namespace ostrel::lan
