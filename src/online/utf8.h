// Character-wise reading of UTF-8 text for the field checks: lengths are counted in
// characters, since every character is one byte once the text is Windows-1251 on the wire.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel::online {

// The code points of a text; nullopt for malformed UTF-8 (overlong forms, surrogates and
// values above U+10FFFF included).
std::optional<std::vector<char32_t>> CodePoints(std::string_view utf8);

void AppendUtf8(std::string& out, char32_t code_point);

}  // namespace ostrel::online
