#include "lan/entry_checks.h"

#include <algorithm>
#include <charconv>

namespace ostrel::lan {
namespace {

bool IsDigit(char c) {
  return c >= '0' && c <= '9';
}

// A decimal number of 1 to `max_digits` digits, at most `limit`.
std::optional<unsigned> ReadNumber(std::string_view text, std::size_t max_digits, unsigned limit) {
  if (text.empty() || text.size() > max_digits || !std::all_of(text.begin(), text.end(), IsDigit)) {
    return std::nullopt;
  }
  unsigned value = 0;
  std::from_chars(text.data(), text.data() + text.size(), value);
  if (value > limit) return std::nullopt;
  return value;
}

std::optional<std::array<std::uint8_t, 4>> ReadAddress(std::string_view text) {
  std::array<std::uint8_t, 4> address{};
  for (std::size_t group = 0; group < 4; ++group) {
    const std::size_t dot = text.find('.');
    const bool last = group == 3;
    // Three points exactly: the last group runs to the end and holds none.
    if (last != (dot == std::string_view::npos)) return std::nullopt;
    const auto value = ReadNumber(text.substr(0, dot), 3, 255);
    if (!value) return std::nullopt;
    address[group] = static_cast<std::uint8_t>(*value);
    if (!last) text.remove_prefix(dot + 1);
  }
  return address;
}

}  // namespace

bool AddressFieldAccepts(std::string_view text) {
  return text.size() <= kAddressFieldMax &&
         std::all_of(text.begin(), text.end(), [](char c) { return IsDigit(c) || c == '.'; });
}

bool PortFieldAccepts(std::string_view text) {
  return text.size() <= kPortFieldMax && std::all_of(text.begin(), text.end(), IsDigit);
}

std::string_view PhraseKeyOf(EntryProblem problem) {
  switch (problem) {
    case EntryProblem::kIncorrectIp:
      return "IncorrectIp";
    case EntryProblem::kIncorrectPort:
      return "IncorrectPort";
    case EntryProblem::kNone:
      break;
  }
  return {};
}

EntryCheck CheckEntry(bool client, std::string_view address, std::string_view port) {
  EntryCheck check;
  if (client) {
    const auto parsed = ReadAddress(address);
    if (!parsed) {
      check.problem = EntryProblem::kIncorrectIp;
      return check;
    }
    check.address = *parsed;
  }
  const auto number = ReadNumber(port, kPortFieldMax, 65535);
  if (!number || *number == 0) {
    check.problem = EntryProblem::kIncorrectPort;
    return check;
  }
  check.port = static_cast<std::uint16_t>(*number);
  return check;
}

}  // namespace ostrel::lan
