// The checks of account fields, passport fields and every text the web service carries. The
// program lights its lamps with the account and passport checks; the request codec (and so the
// server) accepts a field only when its wire check passes, so neither side ever stores or
// sends a text that would break a reply ("$", "~", "*", a line break) or that the program's
// own windows would refuse.
#pragma once

#include <string>
#include <string_view>

namespace ostrel::online {

// The lamp of a field: red, yellow (valid, with Cyrillic letters), green.
enum class FieldCheck { Invalid = 1, ValidCyrillic = 2, Valid = 3 };

enum class AccountField { Character = 0, Nick = 1, City = 2, Password = 3, EMail = 4 };
enum class PassportField { General = 0, Nick = 1, City = 2 };

inline constexpr int kNickMaxChars = 12;
inline constexpr int kCityMaxChars = 15;
inline constexpr int kPasswordMinChars = 4;
inline constexpr int kPasswordMaxChars = 12;
inline constexpr int kEMailMaxChars = 30;
inline constexpr int kChatMessageMaxChars = 80;

// The characters of passports and chat: Latin letters, digits, "!", "(", ")", ",", "-", ".",
// "@", "_" and the Cyrillic letters А-Я, а-я, Ё, ё.
bool IsPassportCharacter(char32_t c);
bool IsCyrillicLetter(char32_t c);

// An account field (texts in UTF-8, lengths in characters):
//  - empty, too long (nick 12, city 15, password 12, e-mail 30), a password under 4 or, for
//    every kind but Character, a single character: Invalid;
//  - a character outside the passport set: Invalid; a Cyrillic letter: ValidCyrillic, which
//    only the city and a single typed character keep (nick, password and e-mail turn Invalid);
//  - an e-mail needs its first "@" at the second character or later and before the last.
FieldCheck CheckAccountField(std::string_view text, AccountField kind);

// A passport field: empty, a nick over 12 or a city over 15 characters, a nick or a city of a
// single character, or a character outside the passport set: Invalid; then ValidCyrillic when
// it holds a Cyrillic letter, else Valid. General has no length limits.
FieldCheck CheckPassportField(std::string_view text, PassportField kind);

// Whether the account window takes a typed character (not backspace) into a field: the nick
// and the city refuse what the Character check finds Invalid, the password and the e-mail also
// what it finds ValidCyrillic. The passport window refuses what is Invalid.
bool AccountKeyAccepted(AccountField field, char32_t typed);
bool PassportKeyAccepted(char32_t typed);

// A chat text as sent: every character outside the passport set (spaces included) becomes
// "_", and the text is cut to `max_chars` characters. Malformed UTF-8 bytes become "_" too.
std::string ChatWireText(std::string_view text, int max_chars = kChatMessageMaxChars);
// A chat text as shown: every "_" becomes a space.
std::string ChatShownText(std::string_view wire_text);

// A profile text made fit to save: "$", "~", "*", line breaks and other control characters
// become spaces, characters Windows-1251 cannot hold become "?", and the text is cut to
// `max_chars` characters.
std::string ProfileSaveText(std::string_view text, int max_chars);

// What a field of a request may hold on the wire (the request codec checks every field).
enum class TextKind {
  AccountNick,    // CheckAccountField(Nick) == Valid
  Password,       // CheckAccountField(Password) == Valid
  AccountCity,    // CheckAccountField(City) != Invalid
  EMail,          // CheckAccountField(EMail) == Valid
  PassportNick,   // CheckPassportField(Nick) != Invalid
  PassportCity,   // CheckPassportField(City) != Invalid
  ShortName,      // a short name of the country tables ("" for Congo Republic, "Unknown")
  CountryCode,    // "d-ddd", continent 1-6
  TopTenCountry,  // a country code or a short name
  Sex,            // "M" or "W"
  Date,           // 1 to 10 of the characters 0-9 "." "/" "-" ("00.00.0000" when unknown)
  Reserved,       // up to 30 passport characters or "#" (the reserved texts, "#" when empty)
  Profile,        // up to max_chars characters of Windows-1251, no "$" "~" "*" or control
  Chat,           // "#", or 1 to 80 passport characters (chat message, version, time)
  SeatNick,       // AccountNick, or "X" for an empty seat
  SeatCity,       // AccountCity, or "X"
  SeatCountry,    // ShortName, or "X"
  SeatSex,        // "M", "W", or "X"
  SeatIp,         // "X", or 1 to 45 of the characters 0-9 a-f A-F "." ":"
};

// `max_chars` is used by Profile only.
bool IsValidWireText(std::string_view text, TextKind kind, int max_chars = 0);

}  // namespace ostrel::online
