#include "online/field_check.h"

#include <algorithm>
#include <vector>

#include "game/cp1251.h"
#include "online/countries.h"
#include "online/utf8.h"

namespace ostrel::online {
namespace {

constexpr int kReservedMaxChars = 30;
constexpr int kDateMaxChars = 10;
constexpr int kIpMaxChars = 45;

bool IsAsciiLetterOrDigit(char32_t c) {
  return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9');
}

bool IsOneOf(char32_t c, std::u32string_view set) {
  return set.find(c) != std::u32string_view::npos;
}

int MaxChars(AccountField kind) {
  switch (kind) {
    case AccountField::Nick:
      return kNickMaxChars;
    case AccountField::City:
      return kCityMaxChars;
    case AccountField::Password:
      return kPasswordMaxChars;
    case AccountField::EMail:
      return kEMailMaxChars;
    case AccountField::Character:
      break;
  }
  return -1;
}

// Invalid, ValidCyrillic or Valid by the characters alone.
FieldCheck CheckCharacters(const std::vector<char32_t>& text) {
  FieldCheck result = FieldCheck::Valid;
  for (char32_t c : text) {
    if (!IsPassportCharacter(c)) return FieldCheck::Invalid;
    if (IsCyrillicLetter(c)) result = FieldCheck::ValidCyrillic;
  }
  return result;
}

bool AllOf(std::string_view text, std::string_view allowed, std::size_t min, std::size_t max) {
  if (text.size() < min || text.size() > max) return false;
  return std::all_of(text.begin(), text.end(),
                     [&](char c) { return allowed.find(c) != std::string_view::npos; });
}

bool IsReservedText(std::string_view text) {
  const auto points = CodePoints(text);
  if (!points || points->size() > kReservedMaxChars) return false;
  return std::all_of(points->begin(), points->end(), [](char32_t c) {
    return c == '#' || (IsPassportCharacter(c) && !IsCyrillicLetter(c));
  });
}

bool IsProfileText(std::string_view text, int max_chars) {
  const auto points = CodePoints(text);
  if (!points || points->size() > static_cast<std::size_t>(std::max(max_chars, 0))) return false;
  for (char32_t c : *points) {
    if (c < 0x20 || c == 0x7F || c == '$' || c == '~' || c == '*') return false;
  }
  const auto bytes = Utf8ToCp1251(text);
  // 0x98 has no character in Windows-1251.
  return bytes && bytes->find('\x98') == std::string::npos;
}

bool IsChatText(std::string_view text) {
  if (text == "#") return true;
  const auto points = CodePoints(text);
  if (!points || points->empty() || points->size() > kChatMessageMaxChars) return false;
  return std::all_of(points->begin(), points->end(), IsPassportCharacter);
}

}  // namespace

bool IsCyrillicLetter(char32_t c) {
  return (c >= 0x0410 && c <= 0x044F) || c == 0x0401 || c == 0x0451;
}

bool IsPassportCharacter(char32_t c) {
  return IsAsciiLetterOrDigit(c) || IsOneOf(c, U"!(),-.@_") || IsCyrillicLetter(c);
}

FieldCheck CheckAccountField(std::string_view text, AccountField kind) {
  const auto points = CodePoints(text);
  if (!points || points->empty()) return FieldCheck::Invalid;
  const auto length = static_cast<int>(points->size());
  if (kind != AccountField::Character) {
    if (length == 1 || length > MaxChars(kind)) return FieldCheck::Invalid;
    if (kind == AccountField::Password && length < kPasswordMinChars) return FieldCheck::Invalid;
  }
  FieldCheck result = CheckCharacters(*points);
  const bool latin_only =
      kind == AccountField::Nick || kind == AccountField::Password || kind == AccountField::EMail;
  if (result == FieldCheck::ValidCyrillic && latin_only) return FieldCheck::Invalid;
  if (result == FieldCheck::Valid && kind == AccountField::EMail) {
    const auto at = std::find(points->begin(), points->end(), U'@') - points->begin();
    if (at < 1 || at >= length - 1) return FieldCheck::Invalid;
  }
  return result;
}

FieldCheck CheckPassportField(std::string_view text, PassportField kind) {
  const auto points = CodePoints(text);
  if (!points || points->empty()) return FieldCheck::Invalid;
  const auto length = static_cast<int>(points->size());
  if (kind == PassportField::Nick && (length == 1 || length > kNickMaxChars)) {
    return FieldCheck::Invalid;
  }
  if (kind == PassportField::City && (length == 1 || length > kCityMaxChars)) {
    return FieldCheck::Invalid;
  }
  return CheckCharacters(*points);
}

bool AccountKeyAccepted(AccountField field, char32_t typed) {
  std::string text;
  AppendUtf8(text, typed);
  const FieldCheck check = CheckAccountField(text, AccountField::Character);
  if (check == FieldCheck::Invalid) return false;
  if (field == AccountField::Password || field == AccountField::EMail) {
    return check == FieldCheck::Valid;
  }
  return true;
}

bool PassportKeyAccepted(char32_t typed) {
  std::string text;
  AppendUtf8(text, typed);
  return CheckPassportField(text, PassportField::General) != FieldCheck::Invalid;
}

std::string ChatWireText(std::string_view text, int max_chars) {
  std::string out;
  int count = 0;
  for (std::size_t i = 0; i < text.size() && count < max_chars; ++count) {
    // Decode one character at a time so that a malformed byte costs one "_", not the text.
    std::size_t length = 1;
    const auto lead = static_cast<unsigned char>(text[i]);
    if (lead >= 0xF0)
      length = 4;
    else if (lead >= 0xE0)
      length = 3;
    else if (lead >= 0xC0)
      length = 2;
    const auto one = CodePoints(text.substr(i, length));
    if (one && one->size() == 1 && IsPassportCharacter(one->front())) {
      out.append(text.substr(i, length));
      i += length;
    } else {
      out += '_';
      i += one ? length : 1;
    }
  }
  return out;
}

std::string ChatShownText(std::string_view wire_text) {
  std::string out(wire_text);
  std::replace(out.begin(), out.end(), '_', ' ');
  return out;
}

std::string ProfileSaveText(std::string_view text, int max_chars) {
  const auto points = CodePoints(text);
  if (!points) return ProfileSaveText(Cp1251ToUtf8(text), max_chars);
  std::string out;
  int count = 0;
  for (char32_t c : *points) {
    if (count++ >= max_chars) break;
    std::string one;
    AppendUtf8(one, c);
    if (c < 0x20 || c == 0x7F || c == '$' || c == '~' || c == '*') {
      out += ' ';
    } else if (!IsProfileText(one, 1)) {
      out += '?';
    } else {
      out += one;
    }
  }
  return out;
}

bool IsValidWireText(std::string_view text, TextKind kind, int max_chars) {
  switch (kind) {
    case TextKind::AccountNick:
      return CheckAccountField(text, AccountField::Nick) == FieldCheck::Valid;
    case TextKind::Password:
      return CheckAccountField(text, AccountField::Password) == FieldCheck::Valid;
    case TextKind::AccountCity:
      return CheckAccountField(text, AccountField::City) != FieldCheck::Invalid;
    case TextKind::EMail:
      return CheckAccountField(text, AccountField::EMail) == FieldCheck::Valid;
    case TextKind::PassportNick:
      return CheckPassportField(text, PassportField::Nick) != FieldCheck::Invalid;
    case TextKind::PassportCity:
      return CheckPassportField(text, PassportField::City) != FieldCheck::Invalid;
    case TextKind::ShortName:
      return FindShortName(text).has_value();
    case TextKind::CountryCode:
      return ParseCountryCode(text).has_value();
    case TextKind::TopTenCountry:
      return ParseCountryCode(text).has_value() || FindShortName(text).has_value();
    case TextKind::Sex:
      return text == "M" || text == "W";
    case TextKind::Date:
      return AllOf(text, "0123456789./-", 1, kDateMaxChars);
    case TextKind::Reserved:
      return IsReservedText(text);
    case TextKind::Profile:
      return IsProfileText(text, max_chars);
    case TextKind::Chat:
      return IsChatText(text);
    case TextKind::SeatNick:
      return text == "X" || IsValidWireText(text, TextKind::AccountNick);
    case TextKind::SeatCity:
      return text == "X" || IsValidWireText(text, TextKind::AccountCity);
    case TextKind::SeatCountry:
      return text == "X" || FindShortName(text).has_value();
    case TextKind::SeatSex:
      return text == "M" || text == "W" || text == "X";
    case TextKind::SeatIp:
      return text == "X" || AllOf(text, "0123456789abcdefABCDEF.:", 1, kIpMaxChars);
  }
  return false;
}

}  // namespace ostrel::online
