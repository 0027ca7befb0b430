#include "online/countries.h"

#include <gtest/gtest.h>

#include <set>

#include "online/field_check.h"

namespace ostrel::online {
namespace {

TEST(Countries, TablesHaveTheirRowsAndUnknownAround) {
  const int rows[] = {49, 52, 36, 15, 24, 55};
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    SCOPED_TRACE(continent);
    EXPECT_EQ(CountryRows(continent), rows[continent - 1]);
    EXPECT_EQ(CountryAt(continent, 0).english, "Unknown");
    EXPECT_EQ(CountryAt(continent, rows[continent - 1]).english, "Unknown");
    EXPECT_EQ(CountryAt(continent, -1).english, "Unknown");
  }
  EXPECT_EQ(CountryRows(0), 0);
  EXPECT_EQ(CountryAt(7, 1).english, "Unknown");
}

TEST(Countries, ShortNames) {
  struct Case {
    int continent, row;
    const char* english;
    const char* short_name;
  };
  const Case cases[] = {
      {1, 1, "Russia", "Russia"},
      {1, 10, "Czech Republic", "Czech_Republic"},
      {1, 40, "Serbia-Montenegro", "Serbia-Mont."},
      {1, 48, "United Kingdom", "United_Kingdom"},
      {2, 48, "United Arab Emirates", "UAE"},
      {2, 29, "Maledives", "Maledives"},
      {3, 31, "Saint Vincent and the Grenadines", "S.V._Grenadines"},
      {3, 34, "USA", "USA"},
      {4, 6, "Equador", "Equador"},
      {4, 14, "Venezuela", "Venezuela"},
      {5, 23, "Wallis and Futuna", "Wallis-Futuna"},
      {6, 12, "Congo Republic", ""},
      {6, 13, "Congo Democratic Republic", "Congo_DR"},
      {6, 24, "Ivory Coast (Cote Divoire)", "Cote_Divoire"},
      {6, 54, "Zimbabwe", "Zimbabwe"},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.english);
    EXPECT_EQ(CountryAt(c.continent, c.row).english, c.english);
    EXPECT_EQ(CountryAt(c.continent, c.row).short_name, c.short_name);
  }
}

TEST(Countries, EveryShortNameTravelsInARecordAndFindsItsRow) {
  std::set<std::string_view> seen;
  for (int continent = 1; continent <= kContinentCount; ++continent) {
    for (int row = 1; row < CountryRows(continent); ++row) {
      const Country country = CountryAt(continent, row);
      SCOPED_TRACE(country.english);
      // No space, "$", "*" or "~": the short name is one field of a dollar record.
      for (char c : country.short_name) {
        EXPECT_TRUE(IsPassportCharacter(static_cast<unsigned char>(c))) << c;
      }
      EXPECT_TRUE(seen.insert(country.short_name).second) << "twice";
      EXPECT_EQ(FindShortName(country.short_name), (CountryPlace{continent, row}));
      EXPECT_EQ(FindEnglishName(country.english), (CountryPlace{continent, row}));
    }
  }
  EXPECT_EQ(FindShortName("Atlantis"), std::nullopt);
}

TEST(Countries, Codes) {
  EXPECT_EQ(CountryCode({1, 1}), "1-001");
  EXPECT_EQ(CountryCode({6, 12}), "6-012");
  EXPECT_EQ(CountryCode({3, 0}), "3-000");
  EXPECT_EQ(CountryCode({7, 1}), std::nullopt);
  EXPECT_EQ(CountryCode({1, 1000}), std::nullopt);
  EXPECT_EQ(ParseCountryCode("6-012"), (CountryPlace{6, 12}));
  EXPECT_EQ(CountryOfCode("6-012").short_name, "");
  EXPECT_EQ(CountryOfCode("1-999").english, "Unknown");
  for (const char* bad : {"", "1-01", "0-001", "7-001", "1_001", "1-0a1", "1-0011"}) {
    SCOPED_TRACE(bad);
    EXPECT_EQ(ParseCountryCode(bad), std::nullopt);
    EXPECT_EQ(CountryOfCode(bad).english, "Unknown");
  }
}

}  // namespace
}  // namespace ostrel::online
