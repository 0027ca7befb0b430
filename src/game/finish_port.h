// The recording of a finished game, in the order the end of a game runs it. Each step is the
// business of another part of the program (club, history, web service, LAN, verdict window);
// the defaults do nothing, so a port fills in only what exists where it runs.
#pragma once

#include "game/game_record.h"

namespace ostrel {

class FinishPort {
 public:
  virtual ~FinishPort() = default;
  virtual void UpdateRating(const GameRecord&) {}
  virtual void WriteHistory(const GameRecord&) {}
  virtual void ReportStatistics(const GameRecord&) {}
  virtual void UpdateClubFile(const GameRecord&) {}
  virtual void CloseLanSockets() {}
  // After every 25th game outside tournaments and accounts.
  virtual void ShowCycleVerdict(const GameRecord&) {}
  virtual void EnterWorldTopTen(const GameRecord&) {}
  virtual void ReportAccountCycle(const GameRecord&) {}
  virtual void ReturnToMenu() {}
};

}  // namespace ostrel
