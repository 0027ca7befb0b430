// The local player's buttons and cards, actions received from other copies, and the main
// timer acting for computer seats.
#include "game/game.h"

namespace ostrel {

// Outside tournaments, the computer drives seats 1 and 3 against the computer and on a LAN host
// with one client, and seat 2 against the computer only; seat 4 is always the local player.
bool Game::IsComputerDriven(int seat) const {
  if (seat < 1 || seat > kSeats) return false;
  if (drivers_[seat] != nullptr) return drivers_[seat] == &computer_;
  if (mode_.TournamentMode) return false;
  switch (seat) {
    case 1:
    case 3:
      return !mode_.NetworkMode || (mode_.NetworkSeat == 1 && mode_.LastConnection == 0);
    case 2:
      return !mode_.NetworkMode;
    default:
      return false;
  }
}

bool Game::DrivesSharedSteps() const {
  if (mode_.TournamentMode) return mode_.TournamentSeat == 1;
  return !mode_.NetworkMode || mode_.NetworkSeat == 1;
}

CanPlayResult Game::CanPlay(int position) const {
  return ostrel::CanPlay(Record(), 4, position, Options().TrumpRequired);
}

bool Game::Button7Click() {
  const GameRecord& r = Record();
  if (!button7_.enabled || !r.InGame) return false;
  if (r.BeginWait == 1) {
    if (!engine_.Apply(Action{ActionKind::Begin}, engine_.DrivingSeat()).accepted) return false;
    const bool timer =
        !mode_.TournamentMode &&
        (!mode_.NetworkMode || (mode_.NetworkSeat == 1 && mode_.LastConnection == 0));
    if (timer) SetTimer(200, true);
    const int phase = r.Phase;
    // "To Begin" has done its work; left enabled it would invite a press that does nothing.
    if (phase >= 1 && phase <= 3) EnableButton(7, false);
    if (phase == 4) OfferBidToPlayer();
    if (!Networked()) {
      if (phase >= 1 && phase <= 3 && IsComputerDriven(phase)) ComputerActs(phase);
    } else {
      Send(Action{ActionKind::Begin});
      StartMoveTimer(phase);
    }
    return true;
  }
  switch (r.Phase) {
    case 4:
      return Act(Action{ActionKind::PlayProposed}, 4, true);
    case kPhaseContract:
      return Act(Action{ActionKind::DealRest}, engine_.DrivingSeat(), true);
    case kPhaseAllDealt:
      return Act(Action{ActionKind::ShowCombinations}, engine_.DrivingSeat(), true);
    case kPhaseCombinationsShown:
      return Act(Action{ActionKind::TakeBack}, engine_.DrivingSeat(), true);
    case kPhaseTrickComplete:
      return Act(Action{ActionKind::TakeTrick}, engine_.DrivingSeat(), true);
    case kPhaseDealOver:
      if (mode_.TournamentMode) {
        // The server deals the next one. Asked twice, it would refuse the second request as a
        // fault of this seat.
        Send(Action{ActionKind::NextDeal});
        EnableButton(7, false);
      } else {
        StartDeal(true);
      }
      return true;
    case kPhaseGameOver:
      EndOfGame();
      return true;
    default:
      return false;
  }
}

bool Game::Button8Click() {
  const GameRecord& r = Record();
  if (!button8_.enabled) return false;
  if (r.GameOver && button8_.caption == Caption::ExitToMenu) {
    FinishGame(r.ScoreDifference);
    if (mode_.TournamentMode) mode_.TournamentMode = false;
    return true;
  }
  if (r.Phase != 4 || !r.InGame) return false;
  const Action pass{ActionKind::PassRoundOne};
  if (engine_.Refusal(pass, 4)) return false;
  Send(pass);
  engine_.Apply(pass, 4);
  EnableButton(7, false);
  EnableButton(8, false);
  AfterBid();
  return true;
}

bool Game::CardClick(int position) {
  const GameRecord& r = Record();
  if (r.Phase != 24 || position < 1 || position > 8) return false;
  if (r.Hand[4][position].IsEmpty()) return false;
  if (r.TrickPosition > 1) {
    if (const CanPlayResult refused = CanPlay(position); refused != kAllowed) {
      Sound("WWrongs", mode_.TournamentMode);
      SayRefusal(refused);
      return false;
    }
  }
  if (!PlayCard(4, position, true)) return false;
  if (refusal_shown_) {
    refusal_shown_ = false;
    NameLabel(4);
  }
  if (r.TrickPosition == 5) EnableButton(7, DrivesSharedSteps());
  return true;
}

// The player's own label says why the card cannot be played, until a card is played.
void Game::SayRefusal(CanPlayResult refused) {
  const GameRecord& r = Record();
  bool holds_led = false;
  for (int p = 1; p <= 8; ++p) {
    holds_led |= !r.Hand[4][p].IsEmpty() && r.Hand[4][p].suit == r.LedSuit;
  }
  const Words why = refused == kRefusedTrump ? Words::RefusedOverTrump
                    : holds_led              ? Words::RefusedFollowSuit
                                             : Words::RefusedPlayTrump;
  Label(4, {why}, LabelColour::Violet);
  refusal_shown_ = true;
}

bool Game::AnswerSuitChoice(int suit) {
  const GameRecord& r = Record();
  if (!suit_window_open_ || r.Phase != 14) return false;
  if (suit < 0 || suit > 4 || (suit != 0 && suit == SuitNumber(r.Trump))) return false;
  suit_window_open_ = false;
  const Action answer =
      suit != 0 ? Action{ActionKind::NameSuit, suit} : Action{ActionKind::PassRoundTwo};
  return Act(answer, 4, true);
}

bool Game::ReceiveAction(const Action& action) {
  const GameRecord& r = Record();
  const Turn turn = engine_.ToAct();
  const bool table_step =
      action.kind == ActionKind::Begin || action.kind == ActionKind::DealRest ||
      action.kind == ActionKind::ShowCombinations || action.kind == ActionKind::TakeBack ||
      action.kind == ActionKind::TakeTrick || action.kind == ActionKind::NextDeal;
  const int seat = table_step ? engine_.DrivingSeat() : turn.seat;
  if (seat == 4) {
    Refuse(action, "seat 4 is played here; no other copy acts for it");
    return false;
  }
  if (const auto refusal = engine_.Refusal(action, seat)) {
    Refuse(action, *refusal);
    return false;
  }
  if (action.kind == ActionKind::Begin) {
    engine_.Apply(action, seat);
    SetButton(7, Caption::ToPlay, button7_.enabled);
    SetButton(8, Caption::Pass, button8_.enabled);
    if (r.Phase == 4) OfferBidToPlayer();
    StartMoveTimer(r.Phase);
  } else if (action.kind == ActionKind::NextDeal) {
    StartDeal(true);
  } else {
    Act(action, seat, false);
    if (action.kind == ActionKind::PlayCard && r.TrickPosition == 5) {
      EnableButton(7, DrivesSharedSteps());
    }
  }
  const bool keeps_timer =
      !mode_.TournamentMode && mode_.NetworkSeat == 1 && mode_.LastConnection == 0;
  if (Networked() && !keeps_timer && timer_enabled_) SetTimer(timer_period_ms_, false);
  return true;
}

void Game::Tick() {
  const GameRecord& r = Record();
  if (!timer_enabled_ || !r.InGame) return;
  engine_.NoteTurnedUpCard();
  const Turn turn = engine_.ToAct();
  if (turn.table_step || turn.seat == 0 || !IsComputerDriven(turn.seat)) return;
  ComputerActs(turn.seat);
}

// The seat's driver decides; its move is sent on like the local player's.
void Game::ComputerActs(int seat) {
  SeatDriver* driver = drivers_[seat] != nullptr ? drivers_[seat] : &computer_;
  const auto action = driver->OnTick(engine_, seat);
  if (!action || !Act(*action, seat, true)) return;
  if (action->kind == ActionKind::PlayCard && Record().TrickPosition == 5) {
    EnableButton(7, DrivesSharedSteps());
  }
}

}  // namespace ostrel
