// Small helpers for the positional 8-bit text files: line splitting, padding and numbers.
#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace ostrel {

// Windows-1251 bytes of a UTF-8 text; a character the code page cannot hold, and each byte of
// malformed UTF-8 (overlong forms and surrogates included), becomes "?", so a name typed in any
// script still leaves a readable file.
std::string ToCp1251Lossy(std::string_view utf8);

// True when the bytes hold a control character (codes below 32, and 127): a line end among
// them would break a positional file's lines.
bool HasControlCharacter(std::string_view bytes);
// The bytes with every control character replaced by a space: what a writer of a positional
// file puts in a field, so that no value can break its line.
std::string OneLineText(std::string_view bytes);

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
// The largest and smallest numbers a field of that width can hold.
long long FieldMaximum(std::size_t width);
long long FieldMinimum(std::size_t width);
// A number limited to what the width can hold, right-aligned: for a field that must stay
// readable as a number.
std::string LimitedNumberField(long long value, std::size_t width);

// The whole text as a decimal integer, with optional spaces around and a "-" sign.
// Independent of the locale, as every number of a file is.
std::optional<long long> ParseInteger(std::string_view text);
// The whole text as a decimal number with an optional fraction: optional spaces in front, an
// optional "-", digits, then optionally the decimal mark and digits. Locale-independent.
std::optional<double> ParseDecimal(std::string_view text, char decimal_mark);
// The number with exactly `decimals` decimals and the given decimal mark, locale-independent.
std::string DecimalText(double value, int decimals, char decimal_mark);

// Digits with leading zeros to the width.
std::string ZeroPadded(long long value, std::size_t width);

}  // namespace ostrel
