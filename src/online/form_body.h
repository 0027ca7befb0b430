// Request bodies of the web service: application/x-www-form-urlencoded, Windows-1251 bytes.
//
// Both body forms carry "name=value" pairs joined by "&" in a fixed order. Names are ASCII
// letters and digits and go as they are. Values are percent-encoded, every byte but the
// letters, digits and "-", ".", "_", "~": the "form text" writes a space as "%20", the
// "form list" (a standard form post) as "+". Encoding every value keeps a "&" or "=" typed
// into a city or a profile text from forging fields. The decoder takes both, and a body whose
// values were sent unescaped reads the same as long as they hold no "%", "+", "&" or "=".
#pragma once

#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "online/result.h"

namespace ostrel::online {

enum class BodyForm { Text, List };

// A name and its value (Windows-1251 bytes of the value, decoded).
using FormPair = std::pair<std::string, std::string>;

inline constexpr std::size_t kMaxRequestBodyBytes = 16 * 1024;
inline constexpr std::size_t kMaxRequestFields = 64;
inline constexpr std::size_t kMaxFieldNameChars = 32;

bool IsFieldName(std::string_view name);

std::string PercentEncode(std::string_view bytes, BodyForm form);
// "+" is a space; "%" must be followed by two hex digits.
Result<std::string> PercentDecode(std::string_view text);

// The body of the pairs; the names must be field names (checked by the caller).
std::string EncodeFormBody(const std::vector<FormPair>& pairs, BodyForm form);

// The pairs of a body in their order. Empty pieces between "&" are skipped. Fails on a body
// over kMaxRequestBodyBytes, over kMaxRequestFields pairs, a pair without "=", a name that is
// not a field name, or a bad percent escape.
Result<std::vector<FormPair>> DecodeFormBody(std::string_view body);

}  // namespace ostrel::online
