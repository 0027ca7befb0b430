// What the main menu's champions table and the "Top Ten" window show, as texts; the drawing is
// the app's. Headers and titles are phrase keys, shown in the current language by the app.
#pragma once

#include <functional>
#include <string>
#include <string_view>

#include "i18n/phrase_keys.h"
#include "storage/club_file.h"

namespace ostrel {

struct ChampionRow {
  bool empty = true;
  std::string name;  // Windows-1251, 20 columns
  std::string rest;  // Windows-1251: the columns after the name
};

struct ChampionsTable {
  PhraseKey header = PhraseKey::ClubHeaderScore;
  Array1<ChampionRow, kClubSeats> rows;
};

// view 1: games in the current cycle (games modulo 25) and the cycle score; view 2: all games
// and the rating with two decimals.
ChampionsTable ShowChampions(const ClubFile& club, int view);

// The row as UTF-8 text that fits: while fits() says no, the name loses characters from its
// 20th downwards (down to 5 left); when a removed character was more than filling (a space or
// "#"), the last three characters left become "...".
std::string FitChampionRow(const ChampionRow& row,
                           const std::function<bool(std::string_view utf8)>& fits);

struct TopTenRow {
  std::string rank;    // "1." ... "10."
  std::string name;    // UTF-8, 20 columns as in the file
  std::string result;  // UTF-8, the 6 columns as in the file
  bool empty = true;   // a place that holds no result yet
  bool red = false;    // the first three places
};

struct TopTenTable {
  PhraseKey title = PhraseKey::TopTenLocalTitle;  // or TopTenNetTitle
  Array1<TopTenRow, 10> rows;
};

TopTenTable TopTenList(const ClubFile& club, bool multiplayer);

}  // namespace ostrel
