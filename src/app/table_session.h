// The window's game session, without widgets: the game session with its club, the computer
// players' worker, and the table's timer. A computer seat starts choosing as soon as the table
// has shown the last step, so its thinking overlaps the wait for the next tick; the card is
// still played on a tick, which keeps the pace of the table. The window shows the screens and
// dialogs and hears from the session through signals.
#pragma once

#include <QObject>
#include <QTimer>
#include <atomic>
#include <functional>
#include <memory>

#include "app/async_chooser.h"
#include "session/game_session.h"

namespace ostrel {

class TableSession : public QObject, private FinishPort {
  Q_OBJECT
 public:
  // `busy` tells whether the table is still playing the effects of a step.
  TableSession(TablePort& port, ComputerPlayers& players, std::uint64_t seed,
               std::function<bool()> busy, QObject* parent = nullptr);
  ~TableSession() override;

  Game& CurrentGame() { return session_.Table(); }
  const GameRecord& Record() const { return session_.Record(); }
  GameSession& Session() { return session_; }
  QTimer& TableTimer() { return timer_; }
  // Ticks faster than the game asks (tests).
  void SetTickOverride(int ms) { tick_override_ms_ = ms; }

  void Start(ClubSession* club, MessagePort* messages, const RuleOptions& rules);
  // An account game: played outside the club, for the account's nick and counters; its end
  // is AccountGameEnded.
  void StartAccountGame(const RuleOptions& rules, const std::string& nick, int game_number,
                        int initial_score);
  // Leaves the table: an unfinished game costs the player his place in the club.
  Status Leave();
  // Stops the game where it is without costing the player his place: another player ended it.
  void Stop();
  void SetSoundAndAnimation(bool sound, bool animation);
  // The table's timer as the game asks for it (the table screen passes the request on).
  void SetTimer(int period_ms, bool enabled);
  // The table has shown the last step: a computer seat may start choosing.
  void TableIdle();
  // The computer players' progress reports, from their thread.
  void ReportProgress(int percent) { progress_.store(percent); }

 signals:
  // A long computer choice, in percent; -1 when it has ended.
  void Progress(int percent);
  void CycleVerdictWanted(int place, int result);
  // Every finished game, for the global statistics: the local team's margin.
  void StatisticsWanted(int score_difference, bool cycle_end);
  // A cycle of games with the computer ended, outside accounts: its score.
  void WorldTopTenWanted(int cycle_score);
  // An account game ended with this score difference and cycle score; the account's record
  // is brought up to date before the end of the game goes on.
  void AccountGameEnded(int difference, int cycle_score, bool network_or_tournament);
  void MenuWanted();

 private:
  void Tick();
  void UpdateRating(const GameRecord& record) override;
  void ShowCycleVerdict(const GameRecord& record) override;
  void ReportStatistics(const GameRecord& record) override;
  void EnterWorldTopTen(const GameRecord& record) override;
  void ReturnToMenu() override;

  AsyncChooser chooser_;
  Random random_;
  GameSession session_;
  std::function<bool()> busy_;
  QTimer timer_;
  int tick_override_ms_ = 0;
  bool on_ = false;
  // A tick came while the computer seat was still choosing: its card is played at once.
  bool tick_missed_ = false;
  std::atomic<int> progress_{0};
};

}  // namespace ostrel
