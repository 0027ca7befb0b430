// Trick play, the end of a deal and the end of the game.
#include "game/game.h"
#include "game/memory.h"
#include "game/scoring.h"

namespace ostrel {

bool Game::BellaDue(int seat, CardCode card) const {
  if (card.suit != record_.Trump) return false;
  const auto rank = RankOf(card);
  if (rank != Rank::King && rank != Rank::Queen) return false;
  const CardCode other =
      MakeCard(rank == Rank::King ? Rank::Queen : Rank::King, SuitNumber(record_.Trump));
  if (!ListHasCard(8, record_.Hand[seat], other)) return false;
  return record_.TrickPosition == 1 || !options_.BellaFirstHandOnly;
}

void Game::PlayCard(int seat, int position, bool send) {
  const CardCode card = record_.Hand[seat][position];
  if (send) Send("hhods" + std::to_string(position));
  const int k = record_.TrickPosition;
  record_.Trick[k] = card;
  record_.TrickOrder[k] = record_.HandOrder[seat][position];
  record_.TrickPoints[k] = record_.HandPoints[seat][position];
  if (k == 1) record_.LedSuit = card.suit;
  NameLabel(seat);
  RemoveFromHand(seat, card);
  DrawHand(seat);
  Fly(card, Place{Place::Hand, seat, position}, Place{Place::Trick, seat, k}, true);
  DrawTrick(k);  // the card lies in the trick once it has landed

  const bool bella = BellaDue(seat, card);
  if (bella) {
    Label(seat, {Words::Bella}, LabelColour::Blue);
    record_.DealPoints[TeamOf(seat)] += 20;
    DrawTeamTab(TeamOf(seat), 3, 3);
    Sound("WPlMore", true);
  } else {
    Sound("WHodsDo", true);
  }
  RememberPlayedCard(record_.Memory, k, record_.Trick, record_.TrickOrder, options_.TrumpRequired,
                     record_.Trump, record_.TrickLeader);
  ForgetKnownCard(record_.Memory, seat, card);
  Emit(CardFact{record_.TrickNumber, seat, card, bella});

  ++record_.TrickPosition;
  record_.Phase = static_cast<std::uint8_t>(record_.Phase == 24 ? 21 : record_.Phase + 1);
  if (record_.TrickPosition == 5) {
    DecideTrick();
    record_.Phase = kPhaseTrickComplete;
    StartMoveTimer(PlaceOneSeat());
  } else {
    StartMoveTimer(record_.Phase - 20);
  }
}

void Game::DecideTrick() {
  const char trump = record_.Trump;
  int best = 0;
  bool best_is_trump = false;
  for (int k = 1; k <= 4; ++k) {
    const bool is_trump = record_.Trick[k].suit == trump;
    if (!is_trump && record_.Trick[k].suit != record_.LedSuit) continue;
    if (best == 0 || (is_trump && !best_is_trump) ||
        (is_trump == best_is_trump && record_.TrickOrder[k] > record_.TrickOrder[best])) {
      best = k;
      best_is_trump = is_trump;
    }
  }
  const int winner = SeatAfter(record_.TrickLeader, best - 1);
  record_.TrickLeader = static_cast<std::uint8_t>(winner);
  int points = 0;
  for (int k = 1; k <= 4; ++k) points += record_.TrickPoints[k];
  if (record_.TrickNumber == 8) points += 10;
  record_.DealPoints[TeamOf(winner)] += points;
  for (int team = 1; team <= 2; ++team) DrawTeamTab(team, team == TeamOf(winner) ? 1 : 2, 3);
  Emit(TrickFact{record_.TrickNumber, winner, points});
}

void Game::TakeTrick() {
  if (mode_.CardAnimation) {
    for (int k = 1; k <= 4; ++k) {
      const int seat = SeatAfter(record_.TableLeader, k - 1);
      Fly(record_.Trick[k], Place{Place::Trick, seat, k},
          Place{Place::Hand, record_.TrickLeader, 0}, true);
    }
    Wait(200);
  }
  record_.TableLeader = record_.TrickLeader;
  for (int s = 1; s <= kSeats; ++s) NameLabel(s);
  record_.TrickPosition = 1;
  record_.Phase = static_cast<std::uint8_t>(record_.TrickLeader + 20);
  record_.Trick.fill(kEmptyCard);
  record_.TrickOrder.fill(kEmptyValue);
  record_.TrickPoints.fill(kEmptyValue);
  record_.LedSuit = kNoSuit;
  ++record_.TrickNumber;
  DrawTrick(0);
  EnableButton(7, false);
  for (int s = 1; s <= kSeats; ++s) {
    if (record_.CardCount[s] > 0) {
      StartMoveTimer(record_.TrickLeader);
      return;
    }
  }
  EndOfDeal();
}

void Game::EndOfDeal() {
  const auto kept = ScoreDeal(record_.Declarer, record_.DealPoints[1], record_.DealPoints[2]);
  for (int team = 1; team <= 2; ++team) record_.GameScore[team] += kept.kept[team];
  for (int team = 1; team <= 2; ++team) DrawTeamTab(team, 2, 3);
  Emit(DealEndFact{record_.DealPoints, kept.kept});
  const double verdict = DealVerdict(kept, record_.DealPoints[1], record_.DealPoints[2]);
  Sound(verdict >= 0 ? "WKoGutX" : "WKoBadX", true);
  const bool over =
      record_.GameScore[1] >= options_.TargetScore || record_.GameScore[2] >= options_.TargetScore;
  if (!over) {
    record_.Phase = kPhaseDealOver;
    SetButton(7, Caption::NextRound, DrivesSharedSteps());
    StartMoveTimer(PlaceOneSeat());
    return;
  }
  record_.Phase = kPhaseGameOver;
  if (Networked()) {
    record_.GameOver = true;
    Wait(1200);
  }
  const bool sum_up = mode_.TournamentMode ? mode_.TournamentSeat == 1 : true;
  SetButton(7, Caption::ToSumUp, sum_up);
  StartMoveTimer(PlaceOneSeat());
}

void Game::EndOfGame() {
  record_.GameOver = true;
  record_.ScoreDifference = record_.GameScore[2] - record_.GameScore[1];
  record_.NewScore = record_.InitialScore + record_.ScoreDifference;
  DrawScoreTab(1, 2, false, kNoDealValue, record_.GameScore[1] - record_.GameScore[2], 2);
  DrawScoreTab(2, 2, false, kNoDealValue, record_.ScoreDifference, 2);
  if (record_.ScoreDifference > 0) Sound("WKoGood", false);
  if (record_.ScoreDifference < 0) Sound("WKoBads", false);
  EnableButton(7, false);
  SetButton(8, Caption::ExitToMenu, true);
  Emit(GameEndFact{});
  if (mode_.TournamentMode) {
    ClearMoveTimers();
    move_timers_running_ = false;
  }
}

void Game::FinishGame(std::int32_t score_difference) {
  record_.ScoreDifference = score_difference;
  const bool cycle_end = record_.GameNumber % 25 == 0;
  finish_->UpdateRating(record_);
  finish_->WriteHistory(record_);
  finish_->ReportStatistics(record_);
  if (!cycle_end) {
    if (score_difference > 0) Sound("WKoGood", false);
    if (score_difference < 0) Sound("WKoBads", false);
  }
  finish_->UpdateClubFile(record_);
  finish_->CloseLanSockets();
  if (cycle_end && !mode_.TournamentMode) {
    if (mode_.AccountGame) {
      finish_->ReportAccountCycle(record_);
    } else {
      finish_->ShowCycleVerdict(record_);
      if (!mode_.NetworkMode) finish_->EnterWorldTopTen(record_);
    }
  }
  record_.InGame = false;
  SetTimer(20, true);
  Emit(MenuItemsEffect{false, false, false});
  finish_->ReturnToMenu();
}

}  // namespace ostrel
