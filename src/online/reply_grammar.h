// The grammars of the web service's replies, on the reply's 8-bit text (Windows-1251). The
// readers return fields as UTF-8; the builders take UTF-8 and return the reply's bytes.
//
//  marker       a two-letter text ("ok", "no", "is") looked for before the first "$" only,
//               so a record's own texts (a city "Sonoma") never read as a marker;
//  dollar record the text after the first "$" up to the next "$" (or the end), split at every
//               space: "$a b$" has the fields "a", "b"; two spaces in a row give an empty field;
//  tilde record as the dollar record, split at "~", so its fields may hold spaces;
//  star list    every "$" begins a record that ends before the next "*" (or at the end), split
//               as a dollar record; at most kMaxStarRecords are read;
//  last number  the digits after the last "$" that is not the reply's last character.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel::online {

inline constexpr std::size_t kMaxStarRecords = 10;

bool HasMarker(std::string_view reply, std::string_view marker);

// nullopt when the reply has no "$".
std::optional<std::vector<std::string>> ReadDollarRecord(std::string_view reply);
std::optional<std::vector<std::string>> ReadTildeRecord(std::string_view reply);
std::vector<std::vector<std::string>> ReadStarList(std::string_view reply,
                                                   std::size_t max_records = kMaxStarRecords);
// nullopt when there is no such "$" or no digits follow it, or the number exceeds 32 bits.
std::optional<int> ReadLastNumber(std::string_view reply);

// Builders never let a field break its grammar: in dollar records and star lists a space,
// "$", "*", "~" or a control character of a field becomes "_"; in tilde records they become a
// space. A character Windows-1251 cannot hold becomes "?".
std::string BuildDollarRecord(const std::vector<std::string>& fields);
std::string BuildTildeRecord(const std::vector<std::string>& fields);
std::string BuildStarList(const std::vector<std::vector<std::string>>& records);
// "$" and the number; a negative number is sent as 0, since the grammar has no sign.
std::string BuildLastNumber(int number);

}  // namespace ostrel::online
