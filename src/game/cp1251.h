// Windows-1251 is the 8-bit text of the program's files and wires; inside, text is UTF-8.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

// Every byte of Windows-1251 maps to one character except 0x98, which is unassigned
// and comes out as U+FFFD.
std::string Cp1251ToUtf8(std::string_view bytes);

// Characters Windows-1251 cannot hold, and malformed UTF-8, give nullopt.
std::optional<std::string> Utf8ToCp1251(std::string_view utf8);

}  // namespace ostrel
