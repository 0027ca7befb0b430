#include "storage/champions.h"

#include <cmath>

#include "game/cp1251.h"
#include "storage/text.h"

namespace ostrel {
namespace {

std::string TwoDecimals(double rating) {
  double rounded = std::round(rating * 100) / 100;
  if (rounded == 0) rounded = 0;
  return AlignRight(DecimalText(rounded, 2, ','), 6);
}

ChampionRow RowOf(const ClubFile& club, int seat, int view) {
  const std::string& line = club.lines[seat];
  ChampionRow row;
  ClubMember member = ReadMember(club, seat);
  row.empty = member.empty;
  row.name = member.name;
  if (view == 2) {
    row.rest =
        "  " + line.substr(30, 7) + "  " + (member.empty ? "######" : TwoDecimals(member.rating));
  } else {
    std::string in_cycle = member.empty ? "###" : NumberField(member.games % kCycleLength, 3);
    row.rest = "    " + in_cycle + "    " + line.substr(38, 6);
  }
  return row;
}

}  // namespace

ChampionsTable ShowChampions(const ClubFile& club, int view) {
  ChampionsTable table;
  view = view == 2 ? 2 : 1;
  table.header = view == 1 ? PhraseKey::ClubHeaderScore : PhraseKey::ClubHeaderRating;
  for (int seat = 1; seat <= kClubSeats; ++seat) table.rows[seat] = RowOf(club, seat, view);
  return table;
}

std::string FitChampionRow(const ChampionRow& row,
                           const std::function<bool(std::string_view utf8)>& fits) {
  std::string name = row.name;
  bool lost_text = false;
  auto text = [&] {
    std::string shown = name;
    if (lost_text && shown.size() >= 3) shown.replace(shown.size() - 3, 3, "...");
    return Cp1251ToUtf8(shown + row.rest);
  };
  while (!fits(text()) && name.size() > 5) {
    char removed = name.back();
    name.pop_back();
    if (removed != ' ' && removed != '#') lost_text = true;
  }
  return text();
}

TopTenTable TopTenList(const ClubFile& club, bool multiplayer) {
  TopTenTable table;
  table.title = multiplayer ? PhraseKey::TopTenNetTitle : PhraseKey::TopTenLocalTitle;
  for (int place = 1; place <= 10; ++place) {
    const int line = kBestTenFirstLine + place - 1;
    TopTenRow& row = table.rows[place];
    row.rank = std::to_string(place) + ".";
    row.name = Cp1251ToUtf8(club.lines[line].substr(0, kNameWidth));
    row.result = Cp1251ToUtf8(club.lines[line].substr(kNameWidth));
    row.empty = !BestTenResult(club, line).has_value();
    row.red = place <= 3;
  }
  return table;
}

}  // namespace ostrel
