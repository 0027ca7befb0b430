// The end of a game, and the tournament move timers.
#include "game/game.h"

namespace ostrel {

// "To sum up of game": the result from seat 4's side, shown on the score tabs.
void Game::EndOfGame() {
  engine_.SettleGame();
  const GameRecord& r = Record();
  if (mode_.TournamentMode && mode_.TournamentSeat == 1) {
    Send(TableMessage{TableMessage::Kind::Result, {}, r.ScoreDifference});
  }
  DrawScoreTab(1, 2, false, kNoDealValue, r.GameScore[1] - r.GameScore[2], 2);
  DrawScoreTab(2, 2, false, kNoDealValue, r.ScoreDifference, 2);
  if (r.ScoreDifference > 0) Sound("WKoGood", false);
  if (r.ScoreDifference < 0) Sound("WKoBads", false);
  EnableButton(7, false);
  SetButton(8, Caption::ExitToMenu, true);
  Emit(GameEndFact{r.GameScore});
  if (mode_.TournamentMode) {
    ClearMoveTimers();
    move_timers_running_ = false;
  }
}

void Game::FinishGame(std::int32_t score_difference) {
  GameRecord& r = engine_.RecordForSetup();
  r.ScoreDifference = score_difference;
  const bool cycle_end = r.GameNumber % 25 == 0;
  finish_->UpdateRating(r);
  finish_->WriteHistory(r);
  finish_->ReportStatistics(r);
  if (!cycle_end) {
    if (score_difference > 0) Sound("WKoGood", false);
    if (score_difference < 0) Sound("WKoBads", false);
  }
  finish_->UpdateClubFile(r);
  finish_->CloseLanSockets();
  if (cycle_end && !mode_.TournamentMode) {
    if (mode_.AccountGame) {
      finish_->ReportAccountCycle(r);
    } else {
      finish_->ShowCycleVerdict(r);
      if (!mode_.NetworkMode) finish_->EnterWorldTopTen(r);
    }
  }
  engine_.LeaveTable();
  SetTimer(20, true);
  Emit(MenuItemsEffect{false, false, false});
  finish_->ReturnToMenu();
}

void Game::ClearMoveTimers() {
  move_timer_seat_ = 0;
  move_timer_count_ = 0;
  Emit(MoveTimerEffect{0, 0});
}

void Game::StartMoveTimer(int seat) {
  if (!mode_.TournamentMode) return;
  ClearMoveTimers();
  if (seat < 1 || seat > kSeats) return;
  move_timer_seat_ = seat;
  move_timer_count_ = 26;
  move_timers_running_ = true;
}

void Game::MoveTimerSecond() {
  if (!mode_.TournamentMode || !move_timers_running_ || move_timer_seat_ == 0) return;
  if (move_timer_count_ > 0) --move_timer_count_;
  Emit(MoveTimerEffect{move_timer_seat_, move_timer_count_});
  if (move_timer_seat_ != 4) return;
  if (move_timer_count_ > 7) {
    Sound("STimerA", false);
  } else if (move_timer_count_ >= 1) {
    Sound("STimerB", false);
  } else {
    SeatRanOutOfTime();
  }
}

void Game::SeatRanOutOfTime() {
  Send(TableMessage{TableMessage::Kind::TimeOut, {}});
  Sound("WWrongs", true);
  Emit(MessageBoxEffect{{Words::YouLose, Words::YourTimeIsUp}});
  engine_.MarkGameOver();
  move_timers_running_ = false;
  Emit(CloseConnectionEffect{});
  EnableButton(7, false);
  SetButton(8, Caption::ExitToMenu, true);
  engine_.RecordForSetup().Phase = kPhaseGameOver;
}

void Game::TournamentGameOver() {
  if (!mode_.TournamentMode) return;
  ClearMoveTimers();
  move_timers_running_ = false;
  const bool summed_up = button8_.enabled && button8_.caption == Caption::ExitToMenu;
  if (Record().GameOver && button7_.caption == Caption::ToSumUp && !summed_up) {
    EnableButton(7, true);
  }
}

void Game::TournamentBroken() {
  ClearMoveTimers();
  move_timers_running_ = false;
  engine_.MarkGameOver();
  EnableButton(7, false);
  SetButton(8, Caption::ExitToMenu, true);
  engine_.RecordForSetup().Phase = kPhaseGameOver;
}

}  // namespace ostrel
