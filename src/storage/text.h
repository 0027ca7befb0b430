// Small helpers for the positional 8-bit text files: line splitting, padding and numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// Windows-1251 bytes of a UTF-8 text; a character the code page cannot hold becomes "?", so a
// name typed in any script still leaves a readable file.
std::string ToCp1251Lossy(std::string_view utf8);

// Lines of a file whose lines end with CR LF, LF or CR LF mixed; the line ends are dropped.
// A final line without a line end counts as a line.
std::vector<std::string> SplitLines(std::string_view bytes);

// Lines of a file that must end every line with CR LF; nullopt when any line end is
// different (a lone CR or LF, or a last line without its end).
std::optional<std::vector<std::string>> SplitCrLfStrict(std::string_view bytes);

std::string JoinCrLf(const std::vector<std::string>& lines);

// Right-aligned (spaces in front) or left-aligned (spaces behind) to the width; a longer text
// is cut to the width.
std::string AlignRight(std::string_view text, std::size_t width);
std::string AlignLeft(std::string_view text, std::size_t width);

// A number written right-aligned in the width; when it does not fit, the width is filled with
// "*" rather than breaking the columns after it.
std::string NumberField(long long value, std::size_t width);

// The whole text as a decimal integer, with optional spaces around and a "-" sign.
std::optional<long long> ParseInteger(std::string_view text);

// Digits with leading zeros to the width.
std::string ZeroPadded(long long value, std::size_t width);

}  // namespace ostrel
