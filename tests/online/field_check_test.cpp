#include "online/field_check.h"

#include <gtest/gtest.h>

#include <string>

namespace ostrel::online {
namespace {

constexpr auto kRed = FieldCheck::Invalid;
constexpr auto kYellow = FieldCheck::ValidCyrillic;
constexpr auto kGreen = FieldCheck::Valid;

TEST(AccountFieldCheck, Lamps) {
  struct Case {
    AccountField kind;
    const char* text;
    FieldCheck lamp;
  };
  const Case cases[] = {
      {AccountField::Nick, "", kRed},
      {AccountField::Nick, "a", kRed},
      {AccountField::Nick, "Ab", kGreen},
      {AccountField::Nick, "Abcdefghijkl", kGreen},
      {AccountField::Nick, "Abcdefghijklm", kRed},
      {AccountField::Nick, "Аб", kRed},  // Cyrillic turns a nick red
      {AccountField::Nick, "Ab c", kRed},
      {AccountField::Nick, "A_b!(x),-.@", kGreen},
      {AccountField::Nick, "Ab$", kRed},
      {AccountField::City, "Москва", kYellow},
      {AccountField::City, "Ёлки", kYellow},
      {AccountField::City, "Moscow", kGreen},
      {AccountField::City, "New York", kRed},
      {AccountField::City, "M", kRed},
      {AccountField::City, "Abcdefghijklmno", kGreen},
      {AccountField::City, "Abcdefghijklmnop", kRed},
      {AccountField::City, "Київ", kRed},  // "ї" is not one of the letters
      {AccountField::Password, "abc", kRed},
      {AccountField::Password, "abcd", kGreen},
      {AccountField::Password, "abcdefghij12", kGreen},
      {AccountField::Password, "abcdefghij123", kRed},
      {AccountField::Password, "пароль", kRed},
      {AccountField::Password, "pass#1", kRed},
      {AccountField::EMail, "a@b", kGreen},
      {AccountField::EMail, "@ab", kRed},
      {AccountField::EMail, "ab@", kRed},
      {AccountField::EMail, "a@", kRed},
      {AccountField::EMail, "ab", kRed},
      {AccountField::EMail, "a@b@", kGreen},  // only the first "@" is looked at
      {AccountField::EMail, "abcdefghij@abcdefghij.abcdefghi", kRed},  // 31 characters
      {AccountField::EMail, "abcdefghij@abcdefghij.abcdefgh", kGreen},
      {AccountField::EMail, "я@b.c", kRed},
      {AccountField::Character, "a", kGreen},
      {AccountField::Character, "ж", kYellow},
      {AccountField::Character, " ", kRed},
      {AccountField::Character, "", kRed},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CheckAccountField(c.text, c.kind), c.lamp);
  }
  EXPECT_EQ(CheckAccountField("\xC0\xE1", AccountField::City), kRed);  // not UTF-8
}

TEST(AccountFieldCheck, Typing) {
  EXPECT_TRUE(AccountKeyAccepted(AccountField::Nick, U'ж'));
  EXPECT_TRUE(AccountKeyAccepted(AccountField::City, U'ж'));
  EXPECT_FALSE(AccountKeyAccepted(AccountField::Password, U'ж'));
  EXPECT_FALSE(AccountKeyAccepted(AccountField::EMail, U'ж'));
  EXPECT_TRUE(AccountKeyAccepted(AccountField::EMail, U'@'));
  EXPECT_FALSE(AccountKeyAccepted(AccountField::Nick, U' '));
  EXPECT_FALSE(AccountKeyAccepted(AccountField::City, U'$'));
  EXPECT_TRUE(PassportKeyAccepted(U'Ё'));
  EXPECT_FALSE(PassportKeyAccepted(U'~'));
}

TEST(PassportFieldCheck, Lamps) {
  struct Case {
    PassportField kind;
    const char* text;
    FieldCheck lamp;
  };
  const Case cases[] = {
      {PassportField::Nick, "", kRed},
      {PassportField::Nick, "a", kRed},
      {PassportField::Nick, "Incognito", kGreen},
      {PassportField::Nick, "Иван", kYellow},
      {PassportField::Nick, "Abcdefghijklm", kRed},
      {PassportField::City, "Москва", kYellow},
      {PassportField::City, "Abcdefghijklmnop", kRed},
      {PassportField::City, "New York", kRed},
      {PassportField::General, "a", kGreen},
      {PassportField::General, "a very long text that no field would take", kRed},
      {PassportField::General, "a_very_long_text_that_no_field_would_take", kGreen},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(CheckPassportField(c.text, c.kind), c.lamp);
  }
}

TEST(ChatText, SpacesTravelAsUnderscores) {
  EXPECT_EQ(ChatWireText("hello all"), "hello_all");
  EXPECT_EQ(ChatShownText(ChatWireText("hello all")), "hello all");
  EXPECT_EQ(ChatWireText("12:30 привет $~*"), "12_30_привет____");
  EXPECT_EQ(ChatWireText("a\xFF"
                         "b"),
            "a_b");
  EXPECT_EQ(ChatWireText(std::string(100, 'x')).size(), 80u);
  EXPECT_EQ(ChatWireText("ббб", 2), "бб");
}

TEST(ProfileText, MadeFitToSave) {
  EXPECT_EQ(ProfileSaveText("a$b~c*d\r\ne", 50), "a b c d  e");
  EXPECT_EQ(ProfileSaveText("Tom & Jerry", 50), "Tom & Jerry");
  EXPECT_EQ(ProfileSaveText("日本", 50), "??");
  EXPECT_EQ(ProfileSaveText("abcdef", 4), "abcd");
  EXPECT_TRUE(IsValidWireText(ProfileSaveText("a$b~c*d\r\ne", 50), TextKind::Profile, 50));
}

TEST(WireText, KindsOfTheRequestFields) {
  struct Case {
    TextKind kind;
    const char* text;
    bool valid;
  };
  const Case cases[] = {
      {TextKind::ShortName, "", true},  // Congo Republic
      {TextKind::ShortName, "Unknown", true},
      {TextKind::ShortName, "Bosnia_Herz.", true},
      {TextKind::ShortName, "Bosnia & Herzegovina", false},
      {TextKind::CountryCode, "6-012", true},
      {TextKind::CountryCode, "6-12", false},
      {TextKind::TopTenCountry, "1-001", true},
      {TextKind::TopTenCountry, "UAE", true},
      {TextKind::TopTenCountry, "Mars", false},
      {TextKind::Sex, "W", true},
      {TextKind::Sex, "X", false},
      {TextKind::SeatSex, "X", true},
      {TextKind::Date, "00.00.0000", true},
      {TextKind::Date, "3/12/2024", true},
      {TextKind::Date, "12. 3. 2024", false},
      {TextKind::Date, "", false},
      {TextKind::Reserved, "#", true},
      {TextKind::Reserved, "xxx", true},
      {TextKind::Reserved, "", true},
      {TextKind::Reserved, "a b", false},
      {TextKind::Reserved, "a$", false},
      {TextKind::Chat, "#", true},
      {TextKind::Chat, "hello_all!", true},
      {TextKind::Chat, "hello all", false},
      {TextKind::Chat, "", false},
      {TextKind::SeatNick, "X", true},
      {TextKind::SeatNick, "Ab", true},
      {TextKind::SeatNick, "Y", false},
      {TextKind::SeatCity, "X", true},
      {TextKind::SeatCountry, "X", true},
      {TextKind::SeatCountry, "", true},
      {TextKind::SeatIp, "X", true},
      {TextKind::SeatIp, "192.0.2.1", true},
      {TextKind::SeatIp, "2001:db8::1", true},
      {TextKind::SeatIp, "host name", false},
      {TextKind::SeatIp, "", false},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(IsValidWireText(c.text, c.kind), c.valid);
  }
  EXPECT_TRUE(IsValidWireText("Tom & Jerry = fun", TextKind::Profile, 20));
  EXPECT_FALSE(IsValidWireText("Tom & Jerry = fun", TextKind::Profile, 10));
  EXPECT_FALSE(IsValidWireText("tab\there", TextKind::Profile, 50));
}

}  // namespace
}  // namespace ostrel::online
