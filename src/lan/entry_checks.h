// The checks of the network entry dialog: what the address and port fields accept while the
// user types, and whether OK may go on. Problems are returned as values; the dialog shows
// the phrase named by PhraseKeyOf.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string_view>

namespace ostrel::lan {

inline constexpr std::size_t kAddressFieldMax = 20;
inline constexpr std::size_t kPortFieldMax = 5;
inline constexpr std::string_view kDefaultServerIp = "127.0.0.1";
inline constexpr std::string_view kDefaultServerPort = "25666";

// A typed text the field keeps; otherwise the field returns to its last accepted text.
// Address: digits and "." only, at most 20 characters. Port: digits only, at most 5.
bool AddressFieldAccepts(std::string_view text);
bool PortFieldAccepts(std::string_view text);

enum class EntryProblem { kNone, kIncorrectIp, kIncorrectPort };

// The phrase key of the message to show: "IncorrectIp", "IncorrectPort"; empty for kNone.
std::string_view PhraseKeyOf(EntryProblem problem);

struct EntryCheck {
  EntryProblem problem = EntryProblem::kNone;
  std::array<std::uint8_t, 4> address{};  // the client's host address; zeros on the host
  std::uint16_t port = 0;
};

// OK in the entry dialog. A client's address is four decimal groups of one to three digits,
// each at most 255, joined by three points; a port is a number from 1 to 65535. Only a client
// has its address checked; the address is looked at before the port.
EntryCheck CheckEntry(bool client, std::string_view address, std::string_view port);

}  // namespace ostrel::lan
