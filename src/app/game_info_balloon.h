// The balloon of the score panel ("Current game"): the game counters, which depend on how the
// game is played. An empty list means no balloon (a network client still waiting for its
// first deal has no counters to show).
#pragma once

#include <QStringList>

namespace ostrel {

struct GameInfoFacts {
  int game_number = 0;    // GameNumber
  int account_mode = 1;   // 1 or 2: counted by the club; 3: rated games of the account
  int account_games = 0;  // the account's games in the current cycle (KonL), for mode 3
  int session_games = 1;  // games of a session; always 1 in this game
  bool network = false;
  bool tournament = false;
  bool waiting_for_first_deal = false;  // a network client before its first deal
};

QStringList GameInfoBalloonLines(const GameInfoFacts& facts);

// The panel's plain hint before the first balloon: "Game: N / 25" (" / 1" at a tournament).
QString PanelPlainHint(int game_number, bool tournament);

}  // namespace ostrel
