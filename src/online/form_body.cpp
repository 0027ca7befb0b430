#include "online/form_body.h"

#include <algorithm>

namespace ostrel::online {
namespace {

bool IsUnreserved(unsigned char c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') || c == '-' ||
         c == '.' || c == '_' || c == '~';
}

int HexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool IsFieldName(std::string_view name) {
  if (name.empty() || name.size() > kMaxFieldNameChars) return false;
  return std::all_of(name.begin(), name.end(), [](char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
  });
}

std::string PercentEncode(std::string_view bytes, BodyForm form) {
  static constexpr char kHex[] = "0123456789ABCDEF";
  std::string out;
  out.reserve(bytes.size() * 3);
  for (char ch : bytes) {
    const auto c = static_cast<unsigned char>(ch);
    if (IsUnreserved(c)) {
      out += ch;
    } else if (c == ' ' && form == BodyForm::List) {
      out += '+';
    } else {
      out += '%';
      out += kHex[c >> 4];
      out += kHex[c & 0x0F];
    }
  }
  return out;
}

Result<std::string> PercentDecode(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '+') {
      out += ' ';
    } else if (text[i] != '%') {
      out += text[i];
    } else {
      const int high = i + 2 < text.size() ? HexValue(text[i + 1]) : -1;
      const int low = high >= 0 ? HexValue(text[i + 2]) : -1;
      if (low < 0) return Error{"a bad percent escape"};
      out += static_cast<char>(high * 16 + low);
      i += 2;
    }
  }
  return out;
}

std::string EncodeFormBody(const std::vector<FormPair>& pairs, BodyForm form) {
  std::string body;
  for (const auto& [name, value] : pairs) {
    if (!body.empty()) body += '&';
    body += name;
    body += '=';
    body += PercentEncode(value, form);
  }
  return body;
}

Result<std::vector<FormPair>> DecodeFormBody(std::string_view body) {
  if (body.size() > kMaxRequestBodyBytes) return Error{"the body is too long"};
  std::vector<FormPair> pairs;
  while (!body.empty()) {
    const auto amp = body.find('&');
    const auto piece = body.substr(0, amp);
    body = amp == std::string_view::npos ? std::string_view{} : body.substr(amp + 1);
    if (piece.empty()) continue;
    if (pairs.size() == kMaxRequestFields) return Error{"too many fields"};
    const auto equals = piece.find('=');
    if (equals == std::string_view::npos) return Error{"a field without \"=\""};
    auto name = PercentDecode(piece.substr(0, equals));
    if (!name || !IsFieldName(*name)) return Error{"a malformed field name"};
    auto value = PercentDecode(piece.substr(equals + 1));
    if (!value) return Error{"field \"" + *name + "\": " + value.error()};
    pairs.emplace_back(std::move(*name), std::move(*value));
  }
  return pairs;
}

}  // namespace ostrel::online
