// The text helpers of the positional files: strict UTF-8 (every character has one spelling)
// and fields that no control character can break.
#include "storage/text.h"

#include <gtest/gtest.h>

#include <variant>

#include "game/cp1251.h"
#include "game/deal_text.h"

namespace ostrel {
namespace {

struct Utf8Case {
  const char* name;
  std::string bytes;
  bool valid;
};

// Overlong forms would let one character in under another spelling ("C0 98" for the control
// character 0x18, "C0 B7" for the digit 7); surrogates and values past U+10FFFF are no
// characters at all.
const Utf8Case kUtf8Cases[] = {
    {"Ascii", "Anna 7", true},
    {"Cyrillic", "\xD0\xAE\xD1\x80\xD0\xB8\xD0\xB9", true},
    {"Euro", "\xE2\x82\xAC", true},
    {"OverlongControl", "\xC0\x98", false},
    {"OverlongSeven", "\xC0\xB7", false},
    {"OverlongSlashIn3Bytes", "\xE0\x80\xAF", false},
    {"OverlongIn4Bytes", "\xF0\x80\x80\xB7", false},
    {"OverlongCyrillicIn3Bytes", "\xE0\x90\xAE", false},
    {"Surrogate", "\xED\xA0\x80", false},
    {"BeyondTheLastCodePoint", "\xF4\x90\x80\x80", false},
    {"StrayContinuation", "\x80", false},
    {"CutOff", "\xD0", false},
};

class Utf8Spelling : public ::testing::TestWithParam<Utf8Case> {};

TEST_P(Utf8Spelling, OnlyTheOneCorrectSpellingIsAccepted) {
  const Utf8Case& c = GetParam();
  const auto strict = Utf8ToCp1251(c.bytes);
  EXPECT_EQ(strict.has_value(), c.valid);
  const std::string lossy = ToCp1251Lossy(c.bytes);
  if (c.valid) {
    EXPECT_EQ(lossy, *strict);
  } else {
    // Nothing of a malformed sequence comes through as a character of its own.
    EXPECT_EQ(lossy.find_first_not_of('?'), std::string::npos) << lossy;
  }
}

INSTANTIATE_TEST_SUITE_P(Spellings, Utf8Spelling, ::testing::ValuesIn(kUtf8Cases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Utf8Spelling, ADeckLineWithAnOverlongSevenIsRefused) {
  const std::string deck =
      "Кч Тк 7п Тч 8ч 7б Кк 9ч Дк Вп 1ч 9б Тп Кп 8б 9п 9к Дб Дч Вч 7ч 1б Кб Вб Вк 8к 7к 1к 8п "
      "Тб Дп 1п";
  ASSERT_TRUE(std::holds_alternative<CardList32>(ParseDeckText(deck)));
  std::string overlong = deck;
  overlong.replace(overlong.find("7п"), 1, "\xC0\xB7");
  EXPECT_TRUE(std::holds_alternative<std::string>(ParseDeckText(overlong)));
}

TEST(Utf8Spelling, TheLossyFormReadsOnAfterAStrayByte) {
  EXPECT_EQ(ToCp1251Lossy("A\xD0"
                          "B"),
            "A?B");
  EXPECT_EQ(ToCp1251Lossy("\xC0\x98x"), "?x");
  EXPECT_EQ(ToCp1251Lossy("\xE4\xB8\xAD"), "?");  // a character the code page lacks
}

TEST(OneLine, ControlCharactersBecomeSpaces) {
  EXPECT_EQ(OneLineText(std::string("a\rb\nc\td\x7F"
                                    "e\0f",
                                    11)),
            "a b c d e f");
  EXPECT_EQ(OneLineText("\xDE\xF0\xE8\xE9 \xA5}"), "\xDE\xF0\xE8\xE9 \xA5}");
  EXPECT_TRUE(HasControlCharacter("a\nb"));
  EXPECT_FALSE(HasControlCharacter("\xDE\xF0\xE8\xE9"));
}

TEST(NumberFields, LimitedFieldsHoldTheNearestNumberThatFits) {
  EXPECT_EQ(LimitedNumberField(12345678, 7), "9999999");
  EXPECT_EQ(LimitedNumberField(-1234567, 6), "-99999");
  EXPECT_EQ(LimitedNumberField(42, 6), "    42");
  EXPECT_EQ(NumberField(12345678, 7), "*******");
}

}  // namespace
}  // namespace ostrel
