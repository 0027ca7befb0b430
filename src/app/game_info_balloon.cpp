#include "app/game_info_balloon.h"

#include <algorithm>

#include "app/text.h"

namespace ostrel {

namespace {

// n within a cycle of `of`, counted from 1: the last game of a cycle is `of`, never 0.
int InCycle(int n, int of) {
  of = std::max(of, 1);
  const int r = n % of;
  return r == 0 ? of : r;
}

QString Line(const char* phrase, const QString& value) {
  return T(phrase) + QStringLiteral(" ") + value;
}

}  // namespace

QStringList GameInfoBalloonLines(const GameInfoFacts& f) {
  if (f.network && f.waiting_for_first_deal) return {};
  const QString n = QString::number(f.game_number);
  if (f.tournament) {
    return {Line("General number of game:", n),
            Line("Number of round in a current session:", QStringLiteral("1 / 1"))};
  }
  const bool rated = f.account_mode == 3;
  const int cycle = rated ? InCycle(f.account_games + 1, 25) : InCycle(f.game_number, 25);
  QStringList lines{Line("General number of game:", n), Line("Number of round in a current cycle:",
                                                             QStringLiteral("%1 / 25").arg(cycle))};
  // The session line belongs to rated games and to every network game.
  if (rated || f.network) {
    const int sessions = std::max(f.session_games, 1);
    lines << Line("Number of round in a current session:",
                  QStringLiteral("%1 / %2").arg(InCycle(f.game_number, sessions)).arg(sessions));
  }
  return lines;
}

QString PanelPlainHint(int game_number, bool tournament) {
  // "Game" here is the game counter's own phrase, not the options page's.
  return T(PhraseKey::GameCounter) +
         QStringLiteral(": %1 / %2").arg(game_number).arg(tournament ? 1 : 25);
}

}  // namespace ostrel
