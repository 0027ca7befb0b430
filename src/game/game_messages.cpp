// Game messages received from the other programs, and the tournament move timers.
#include <string>

#include "game/game.h"

namespace ostrel {
namespace {

bool InRange(int phase, int lo, int hi) {
  return phase >= lo && phase <= hi;
}

}  // namespace

// A message names the action only and acts for the seat the phase names. The local program
// alone acts for seat 4, so a message that would act for it is a sign of divergence and is
// refused, as is anything outside the phase it belongs to or a card the rules refuse.
bool Game::ReceiveGameMessage(std::string_view message) {
  const int phase = record_.Phase;
  const std::string_view tag = message.substr(0, message.size() >= 6 ? 6 : message.size());
  const auto refuse = [&](std::string reason) {
    Refuse(message, std::move(reason));
    return false;
  };
  if (!record_.InGame) return refuse("no deal is on the table");

  if (message == "hbegin") {
    record_.BeginWait = 2;
    SetButton(7, Caption::ToPlay, button7_.enabled);
    SetButton(8, Caption::Pass, button8_.enabled);
    if (phase == 4) OfferBidToPlayer();
    StartMoveTimer(phase);
  } else if (message == "hplayo" || message == "hpasso") {
    if (!InRange(phase, 1, 3)) return refuse("not a first-round bid of another seat");
    BidRoundOne(phase, false, message == "hplayo", false);
  } else if (message.substr(0, 5) == "higra") {
    if (!InRange(phase, 11, 13)) return refuse("not a second-round bid of another seat");
    const int suit = message.size() == 6 ? SuitNumber(message[5]) : 0;
    if (suit == 0) return refuse("no suit named");
    if (suit == SuitNumber(record_.Deck[kDeckSize].suit)) return refuse("the rejected suit");
    record_.Trump = kSuitBytes[suit];
    BidRoundTwo(phase - 10, false, true, false);
  } else if (message == "hpassz") {
    if (!InRange(phase, 11, 13)) return refuse("not a second-round bid of another seat");
    BidRoundTwo(phase - 10, false, false, false);
  } else if (message == "haddca") {
    if (phase != kPhaseContract) return refuse("no contract waits for its cards");
    DealRest(false);
  } else if (message == "hnoch7") {
    if (phase != kPhaseContract && phase != kPhaseAllDealt) return refuse("out of place");
    record_.Phase = kPhaseAllDealt;
    Sound("WDiPass", true);
    SetButton(7, Caption::ExhibitCombinations, DrivesSharedSteps());
    SetButton(8, Caption::Pass, false);
  } else if (message == "hchan7") {
    // Another game of the family exchanges the trump seven; this one never does.
  } else if (message == "hshowc") {
    if (phase != kPhaseAllDealt) return refuse("the cards are not all dealt");
    ShowCombinations(false);
  } else if (message == "hdownc") {
    if (phase != kPhaseCombinationsShown) return refuse("no combinations are shown");
    TakeBackCombinations(false);
  } else if (message.substr(0, 5) == "hhods") {
    if (!InRange(phase, 21, 23)) return refuse("not another seat's turn to play");
    const int seat = phase - 20;
    const int position = message.size() == 6 ? message[5] - '0' : 0;
    if (position < 1 || position > 8 || record_.Hand[seat][position].IsEmpty()) {
      return refuse("no card at that hand position");
    }
    if (ostrel::CanPlay(record_, seat, position, options_.TrumpRequired) != kAllowed) {
      return refuse("the rules refuse that card");
    }
    PlayCard(seat, position, false);
    if (record_.TrickPosition == 5) EnableButton(7, DrivesSharedSteps());
  } else if (message == "hslits") {
    if (phase != kPhaseTrickComplete) return refuse("no complete trick to take");
    TakeTrick();
  } else {
    return refuse("unknown message " + std::string(tag));
  }
  record_.BeginWait = 2;
  const bool keeps_timer =
      !mode_.TournamentMode && mode_.NetworkSeat == 1 && mode_.LastConnection == 0;
  if (Networked() && !keeps_timer && timer_enabled_) SetTimer(timer_period_ms_, false);
  return true;
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
  Send("TOut");
  Sound("WWrongs", true);
  Emit(MessageBoxEffect{{Words::YouLose, Words::YourTimeIsUp}});
  record_.GameOver = true;
  move_timers_running_ = false;
  Emit(CloseConnectionEffect{});
  EnableButton(7, false);
  SetButton(8, Caption::ExitToMenu, true);
  record_.Phase = kPhaseGameOver;
}

}  // namespace ostrel
