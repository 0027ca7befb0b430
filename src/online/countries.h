// The six continents' country tables shared by the account and the passport. A country is
// kept as its code, "d-ddd": the continent digit (1 Europe, 2 Asia, 3 North America,
// 4 South America, 5 Oceania, 6 Africa), "-", and the three-digit row of that continent's
// table. The rows are stored in accounts, passports and the service's lists, so their order
// never changes. Row 0, and any row outside a table, is "Unknown".
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace ostrel::online {

inline constexpr int kContinentCount = 6;

struct Country {
  std::string_view english;     // shown in the country lists
  std::string_view short_name;  // sent to the service as Country1; Congo Republic's is empty
};

struct CountryPlace {
  int continent = 1;  // 1..6
  int row = 0;        // 0 = Unknown

  bool operator==(const CountryPlace&) const = default;
};

// The rows of a continent's table, "Unknown" included (Europe 49); 0 outside 1..6.
int CountryRows(int continent);

// The row; "Unknown" for a row or a continent outside the tables.
Country CountryAt(int continent, int row);

// "1-001"; nullopt when the continent is outside 1..6 or the row outside 0..999.
std::optional<std::string> CountryCode(CountryPlace place);

// "d-ddd" with d 1..6; the row may lie outside its table (it then reads as Unknown).
std::optional<CountryPlace> ParseCountryCode(std::string_view code);

// The country of a code; Unknown for a malformed code.
Country CountryOfCode(std::string_view code);

// The first row whose short name (or English name) is the given text, searching the
// continents in order; nullopt when none is. "" finds Congo Republic, "Unknown" row 0 of Europe.
std::optional<CountryPlace> FindShortName(std::string_view short_name);
std::optional<CountryPlace> FindEnglishName(std::string_view english);

}  // namespace ostrel::online
