#include "online/numbers.h"

#include <gtest/gtest.h>

#include <clocale>
#include <cmath>
#include <limits>
#include <locale>

namespace ostrel::online {
namespace {

struct ScreenCase {
  double rating;
  const char* text;
};

const ScreenCase kScreenCases[] = {
    {12.5, "12,500"},   {7, "7,000"},          {3, "3,000"},          {-3.25, "-3,250"},
    {1.23456, "1,235"}, {0, "0,000"},          {-0.0001, "0,000"},    {0.0625, "0,062"},
    {2.0625, "2,062"},  {-499.96, "-499,960"}, {65.894545, "65,895"}, {0.9996, "1,000"},
};

const struct RequestCase {
  double rating;
  const char* text;
} kRequestCases[] = {
    {12.5, "12.5"},
    {7, "7"},
    {0.000001, "0"},
    {-0.000009, "0"},
    {0.00001, "0.00001"},
    {-499.96, "-499.96"},
    {1e20, "100000000000000000000"},
    {9.530909090909091, "9.530909090909091"},
};

void ExpectTexts() {
  for (const auto& c : kScreenCases) {
    SCOPED_TRACE(c.rating);
    EXPECT_EQ(RatingScreenText(c.rating), c.text);
  }
  for (const auto& c : kRequestCases) {
    SCOPED_TRACE(c.rating);
    EXPECT_EQ(RatingRequestText(c.rating), c.text);
  }
  EXPECT_EQ(ParseReplyReal("12,5"), 12.5);
  EXPECT_EQ(ParseRequestRating("12.5"), 12.5);
}

TEST(RatingText, ScreenAndRequestForms) {
  ExpectTexts();
  EXPECT_EQ(RatingScreenText(std::numeric_limits<double>::quiet_NaN()), "0,000");
  EXPECT_EQ(RatingRequestText(std::numeric_limits<double>::infinity()), std::nullopt);
}

// A comma as the decimal mark in the C++ locale (and in the C locale when the system has one)
// changes nothing.
struct CommaDecimal : std::numpunct<char> {
  char do_decimal_point() const override { return ','; }
  char do_thousands_sep() const override { return '.'; }
  std::string do_grouping() const override { return "\3"; }
};

TEST(RatingText, SameUnderACommaDecimalLocale) {
  const std::locale before =
      std::locale::global(std::locale(std::locale::classic(), new CommaDecimal));
  std::string c_before = std::setlocale(LC_ALL, nullptr);
  for (const char* name : {"de_DE.UTF-8", "ru_RU.UTF-8", "fr_FR.UTF-8", "de_DE", "ru_RU"}) {
    if (std::setlocale(LC_NUMERIC, name)) break;
  }
  ExpectTexts();
  std::setlocale(LC_ALL, c_before.c_str());
  std::locale::global(before);
}

TEST(ReplyNumbers, RealsReadAsTheOldWritersWroteThem) {
  struct Case {
    const char* text;
    std::optional<double> value;
  };
  const Case cases[] = {
      {"", 0.0},
      {"12.5", 12.5},
      {"12,5", 12.5},
      {"-3,25", -3.25},
      {"7", 7.0},
      {" 7 ", 7.0},
      {"1x5", 1.5},
      {"1.2.3", std::nullopt},
      {"abc", std::nullopt},
      {"inf", std::nullopt},
      {"nan", std::nullopt},
      {"-", std::nullopt},
      {"1-2", std::nullopt},
      {"1e400", 1.4},  // the first other character is the mark, even an exponent's "e"
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseReplyReal(c.text), c.value);
  }
}

TEST(ReplyNumbers, IntegersAreStrict) {
  struct Case {
    const char* text;
    std::optional<int> value;
  };
  const Case cases[] = {
      {"0", 0},
      {"-12", -12},
      {"2147483647", 2147483647},
      {"2147483648", std::nullopt},
      {"", std::nullopt},
      {"+1", std::nullopt},
      {" 1", std::nullopt},
      {"1 ", std::nullopt},
      {"1.0", std::nullopt},
      {"0x1", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(ParseDecimalInt(c.text), c.value);
  }
}

TEST(RequestNumbers, RatingsAreStrict) {
  for (const char* bad : {"", "-", ".5", "5.", "1e5", "inf", "nan", "1,5", "+1", "1000000001"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ParseRequestRating(bad), std::nullopt);
  }
  EXPECT_EQ(ParseRequestRating("-0.25"), -0.25);
}

}  // namespace
}  // namespace ostrel::online
