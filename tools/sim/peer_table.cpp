#include "sim/peer_table.h"

namespace ostrel::sim {

PeerTable::PeerTable(const SimOptions& o, TablePort& port, JsonLogPort& log)
    : deal_random(o.seed),
      play_random((o.seed * 7919) ^ 0x9E3779B97F4A7C15ull),
      ai(Random(o.seed ^ 0xD1B54A32D192ED03ull)),
      players(o.team_policy[1], o.team_policy[2], play_random, &ai),
      session(port, players, deal_random) {
  log.SetGame(&session.Table());
  session.Table().Mode().SoundOn = false;
  session.Table().Mode().CardAnimation = false;
}

std::optional<bool> PeerTable::SeatFourStep() {
  Game& g = session.Table();
  const GameRecord& r = g.Record();
  if (!r.InGame) return false;
  if (g.SuitWindowOpen()) return g.AnswerSuitChoice(players.NameTrumpSuit(r, 4));
  if (r.Phase == 4 && r.BeginWait == 2 && g.Button(7).enabled &&
      g.Button(7).caption == Caption::ToPlay) {
    return players.AcceptProposedTrump(r, 4) ? g.Button7Click() : g.Button8Click();
  }
  if (r.Phase == 24) return g.CardClick(players.ChooseCard(r, 4, g.Options()));
  if (g.Button(7).enabled) return g.Button7Click();
  if (g.Button(8).enabled && r.GameOver) return g.Button8Click();
  return std::nullopt;
}

}  // namespace ostrel::sim
