// Actions through the engine, with what seat 4's screen shows before and after each.
#include "game/game.h"

namespace ostrel {

void Game::SetPlayer(std::string name, std::int32_t game_number, std::int32_t initial_score) {
  player_name_ = std::move(name);
  player_game_number_ = game_number;
  player_initial_score_ = initial_score;
}

void Game::RenamePlayer(std::string name) {
  player_name_ = name;
  engine_.SetSeatName(4, std::move(name));
  if (Record().InGame) NameLabel(4);
}

// The copy's place decides how its seats are numbered against the table that deals.
void Game::ConfigureFrame() {
  TableFrame& frame = engine_.Frame();
  frame.place =
      mode_.TournamentMode ? mode_.TournamentSeat : (mode_.NetworkMode ? mode_.NetworkSeat : 1);
  frame.first_hand_from_game_number = !Networked();
  frame.tournament_blocks = mode_.TournamentMode;
}

void Game::StartDeal(bool continuing) {
  Emit(ShowTableEffect{});
  for (int s = 1; s <= kSeats; ++s) Label(s, {}, LabelColour::Plain);
  refusal_shown_ = false;
  turn_cue_ = -1;
  Emit(MenuItemsEffect{true, true, !Networked() && !mode_.AccountGame});
  ConfigureFrame();
  if (!Networked()) {
    for (int s = 1; s <= 3; ++s) engine_.SetSeatName(s, "PC");
    engine_.SetSeatName(4, player_name_);
  }
  if (continuing) {
    if (!engine_.Apply(Action{ActionKind::NextDeal}, engine_.DrivingSeat()).accepted) return;
  } else {
    engine_.StartGame(player_game_number_, player_initial_score_);
  }
  SetTimer(200, false);
  Emit(CounterHintEffect{Record().GameNumber, mode_.TournamentMode ? 1 : 25});
}

bool Game::PlayCard(int seat, int position, bool send) {
  return Act(Action{ActionKind::PlayCard, position}, seat, send);
}

bool Game::Act(const Action& action, int seat, bool send) {
  if (engine_.Refusal(action, seat)) return false;
  if (send) Send(action);
  Before(action);
  engine_.Apply(action, seat);
  After(action);
  ShowTurn();
  return true;
}

void Game::ShowTurn() {
  const Turn turn = engine_.ToAct();
  const int seat = turn.table_step ? 0 : turn.seat;
  if (seat == turn_cue_) return;
  turn_cue_ = seat;
  Emit(TurnCueEffect{seat});
}

void Game::Before(const Action& action) {
  const GameRecord& r = Record();
  switch (action.kind) {
    case ActionKind::DealRest:
      EnableButton(7, false);
      for (int s = 1; s <= kSeats; ++s) {
        if (s != r.Declarer) NameLabel(s);
      }
      break;
    case ActionKind::ShowCombinations:
      EnableButton(7, false);
      break;
    case ActionKind::TakeBack:
      SetButton(7, Caption::Ok, false);
      SetButton(8, Caption::Pass, false);
      break;
    case ActionKind::TakeTrick:
      if (mode_.CardAnimation) {
        for (int k = 1; k <= 4; ++k) {
          const int seat = SeatAfter(r.TableLeader, k - 1);
          Fly(r.Trick[k], Place{Place::Trick, seat, k}, Place{Place::Hand, r.TrickLeader, 0}, true);
        }
        Wait(200);
      }
      break;
    default:
      break;
  }
}

void Game::After(const Action& action) {
  const GameRecord& r = Record();
  switch (action.kind) {
    case ActionKind::PlayProposed:
    case ActionKind::PassRoundOne:
    case ActionKind::NameSuit:
    case ActionKind::PassRoundTwo:
      AfterBid();
      break;
    case ActionKind::DealRest:
      if (Networked()) Wait(2500);
      DrawScorePanel();
      SetButton(7, Caption::ExhibitCombinations, DrivesSharedSteps());
      SetButton(8, Caption::Pass, false);
      StartMoveTimer(PlaceOneSeat());
      break;
    case ActionKind::ShowCombinations:
      SetButton(7, Caption::Ok, DrivesSharedSteps());
      SetButton(8, Caption::Pass, false);
      if (Networked()) Wait(2500);
      break;
    case ActionKind::TakeBack:
      StartMoveTimer(r.FirstHand);
      break;
    case ActionKind::PlayCard:
      StartMoveTimer(r.Phase == kPhaseTrickComplete ? PlaceOneSeat() : r.Phase - 20);
      break;
    case ActionKind::TakeTrick:
      AfterTrickTaken();
      break;
    default:
      break;
  }
}

// The contract, the next bidder, the second round, or a deal thrown in.
void Game::AfterBid() {
  const GameRecord& r = Record();
  const int phase = r.Phase;
  if (phase == kPhaseContract || phase == kPhaseDealOver) {
    SetButton(7, phase == kPhaseContract ? Caption::BuyCards : Caption::NextRound,
              DrivesSharedSteps());
    SetButton(8, Caption::Pass, false);
    StartMoveTimer(PlaceOneSeat());
    return;
  }
  const int next = IsRoundTwoPhase(phase) ? phase - 10 : phase;
  StartMoveTimer(next);
  if (next != 4) return;
  if (IsRoundTwoPhase(phase)) {
    AskPlayerForSuit();
  } else {
    OfferBidToPlayer();
  }
}

void Game::AfterTrickTaken() {
  const GameRecord& r = Record();
  if (IsPlayPhase(r.Phase)) {
    StartMoveTimer(r.TrickLeader);
    return;
  }
  if (r.Phase == kPhaseDealOver) {
    SetButton(7, Caption::NextRound, DrivesSharedSteps());
    StartMoveTimer(PlaceOneSeat());
    return;
  }
  if (Networked()) {
    engine_.MarkGameOver();
    Wait(1200);
  }
  const bool sum_up = mode_.TournamentMode ? mode_.TournamentSeat == 1 : true;
  SetButton(7, Caption::ToSumUp, sum_up);
  StartMoveTimer(PlaceOneSeat());
}

void Game::OfferBidToPlayer() {
  SetButton(7, Caption::ToPlay, true);
  SetButton(8, Caption::Pass, true);
}

void Game::AskPlayerForSuit() {
  suit_window_open_ = true;
  Emit(SuitWindowEffect{SuitNumber(Record().Trump)});
}

}  // namespace ostrel
