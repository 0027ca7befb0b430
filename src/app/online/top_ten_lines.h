// The lines the world top ten window shows, made from each list's records: the place with
// ".", the flag and the sex icon, the nick, where the player lives and the score. Kept apart
// from the window so that every list reads the same way.
#pragma once

#include <QString>
#include <vector>

#include "app/online/online_reads.h"
#include "storage/champions.h"

namespace ostrel {

struct ShownLine {
  QString place;         // "1." ...
  QString country_code;  // the flag's country code; empty: no flag
  char sex = 0;          // 'M' or 'W' for the sex icon; 0: none
  QString nick;
  QString where;  // the city, or "city, country"
  QString score;
  bool operator==(const ShownLine&) const = default;
};

// A top ten list of the service. With the flag (the Windows list) `where` is the city, else
// the city, ", " and the country's name. A "#" nick gives an empty line with its place only.
std::vector<ShownLine> TopTenShownLines(const TopTenLines& lines, bool with_flag);
// The near-me lines: place, nick and score of the filled lines, at most five.
std::vector<ShownLine> NearShownLines(const TopTenLines& lines);
// The account players' rating list, ratings as "12,500".
std::vector<ShownLine> RatingShownLines(const std::vector<online::TTarvoTop10>& lines);
std::vector<ShownLine> TourShownLines(const std::vector<online::TourTopLine>& lines);
// The local club's top ten (games with the computer or network games).
std::vector<ShownLine> ClubShownLines(const TopTenTable& table);

// A chat message's two lines, "_" shown as a space in both: the city, " : ", the time and
// date text, a space, the version, " : " and the nick; then the message text.
QString ChatHeadText(const online::TTarvoRecord& message);
QString ChatBodyText(const online::TTarvoRecord& message);

// A country as a list shows it: the English name of a country code, else the text itself
// (the account lists carry short names).
QString CountryShownName(const std::string& country);

}  // namespace ostrel
