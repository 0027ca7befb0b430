// The local player's buttons and cards, and the main timer acting for computer seats.
#include "game/game.h"
#include "game/memory.h"

namespace ostrel {

bool Game::IsComputerDriven(int seat) const {
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
  return ostrel::CanPlay(record_, 4, position, options_.TrumpRequired);
}

bool Game::Button7Click() {
  if (!button7_.enabled || !record_.InGame) return false;
  if (record_.BeginWait == 1) {
    record_.BeginWait = 2;
    const bool timer =
        !mode_.TournamentMode &&
        (!mode_.NetworkMode || (mode_.NetworkSeat == 1 && mode_.LastConnection == 0));
    if (timer) SetTimer(200, true);
    const int phase = record_.Phase;
    // "To Begin" has done its work; left enabled it would invite a press that does nothing.
    if (phase >= 1 && phase <= 3) EnableButton(7, false);
    if (phase == 4) OfferBidToPlayer();
    if (!Networked()) {
      if (phase >= 1 && phase <= 3) BidRoundOne(phase, true, false, true);
    } else {
      Send("hbegin");
      StartMoveTimer(phase);
    }
    return true;
  }
  switch (record_.Phase) {
    case 4:
      PlayerTakesContract(4);
      return true;
    case kPhaseContract:
      DealRest(true);
      return true;
    case kPhaseAllDealt:
      ShowCombinations(true);
      return true;
    case kPhaseCombinationsShown:
      TakeBackCombinations(true);
      return true;
    case kPhaseTrickComplete:
      Send("hslits");
      TakeTrick();
      return true;
    case kPhaseDealOver:
      if (mode_.TournamentMode) {
        Send("bnext");
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
  if (!button8_.enabled) return false;
  if (record_.GameOver && button8_.caption == Caption::ExitToMenu) {
    FinishGame(record_.ScoreDifference);
    if (mode_.TournamentMode) mode_.TournamentMode = false;
    return true;
  }
  if (record_.Phase != 4 || !record_.InGame) return false;
  Emit(BidFact{1, 4, false, kNoSuit});
  Label(4, {Words::Pass}, LabelColour::Green);
  Sound("WDiPass", true);
  EnableButton(7, false);
  EnableButton(8, false);
  record_.Phase = record_.FirstHand == 1 ? 11 : 1;
  StartMoveTimer(1);
  Send("hpasso");
  return true;
}

bool Game::CardClick(int position) {
  if (record_.Phase != 24 || position < 1 || position > 8) return false;
  if (record_.Hand[4][position].IsEmpty()) return false;
  if (record_.TrickPosition > 1 && CanPlay(position) != kAllowed) {
    Sound("WWrongs", mode_.TournamentMode);
    return false;
  }
  PlayCard(4, position, true);
  if (record_.TrickPosition == 5) EnableButton(7, DrivesSharedSteps());
  return true;
}

void Game::Tick() {
  if (!timer_enabled_ || !record_.InGame) return;
  const int phase = record_.Phase;
  if (record_.MemoryPending && phase >= 21 && phase <= 23) {
    record_.MemoryPending = false;
    RememberTurnedUpCard(record_.Memory, record_.Deck[kDeckSize], record_.Declarer);
  }
  if (!mode_.TournamentMode) {
    if (IsRoundOnePhase(phase) && phase != 4 && IsComputerDriven(phase)) {
      BidRoundOne(phase, true, false, true);
      return;
    }
    if (IsRoundTwoPhase(phase) && phase != 14 && IsComputerDriven(phase - 10)) {
      BidRoundTwo(phase - 10, true, false, true);
      return;
    }
  }
  if (phase >= 21 && phase <= 23 && IsComputerDriven(phase - 20)) ComputerPlays(phase - 20);
}

// The computer's choice is checked by the same rule as a person's click; a choice the rules
// refuse is replaced by the lowest card they allow.
void Game::ComputerPlays(int seat) {
  int position = players_.ChooseCard(record_, seat, options_);
  const bool valid = position >= 1 && position <= 8 && !record_.Hand[seat][position].IsEmpty();
  if (!valid || ostrel::CanPlay(record_, seat, position, options_.TrumpRequired) != kAllowed) {
    position = LowestAllowedPosition(record_, seat, options_.TrumpRequired);
  }
  if (position == 0) return;
  PlayCard(seat, position, true);
  if (record_.TrickPosition == 5) EnableButton(7, DrivesSharedSteps());
}

}  // namespace ostrel
