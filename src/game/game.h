// The local table: one copy's view of a game, with its player at seat 4. It puts the seats'
// actions through the table engine and turns the engine's facts into what seat 4's screen shows
// (the table port's effects, in the order a step shows them), keeps the two buttons, the suit
// window and the tournament move timers, and tells the other copies of a networked game what
// was done here. The rules live in the engine alone.
#pragma once

#include <array>
#include <string>

#include "game/finish_port.h"
#include "game/game_record.h"
#include "game/outgoing.h"
#include "game/players.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/seat_driver.h"
#include "game/table_engine.h"
#include "game/table_port.h"

namespace ostrel {

class Game {
 public:
  Game(TablePort& port, ComputerPlayers& players, Random& random);

  // Read by the window and the drivers; writable for tests that set up a position.
  GameRecord& Record() { return engine_.RecordForSetup(); }
  const GameRecord& Record() const { return engine_.Record(); }
  const TableEngine& Engine() const { return engine_; }
  RuleOptions& Options() { return engine_.Options(); }
  const RuleOptions& Options() const { return engine_.Options(); }
  PlayMode& Mode() { return mode_; }
  const PlayMode& Mode() const { return mode_; }
  void SetFinishPort(FinishPort* finish) { finish_ = finish; }
  void SetOutgoing(OutgoingPort* outgoing) { outgoing_ = outgoing; }
  // Puts another driver on a seat, mid-game if need be; nullptr returns the seat to the
  // drivers the mode of play gives it.
  void SetDriver(int seat, SeatDriver* driver) { drivers_[seat] = driver; }

  // Who plays seat 4 in the next new game, with that player's counters.
  void SetPlayer(std::string name, std::int32_t game_number, std::int32_t initial_score);
  void RenamePlayer(std::string name);
  // The next deal uses this deck instead of a shuffle (a received deal, a replayed report).
  void SetNextDeck(const CardList32& deck) { engine_.SetNextDeck(deck); }

  void StartDeal(bool continuing);
  // A seat's card, put through the engine (the send flag tells the other copies).
  bool PlayCard(int seat, int position, bool send);
  void FinishGame(std::int32_t score_difference);
  // The game is left before its end (back to the menu).
  void Leave() { engine_.LeaveTable(); }

  // The local player's inputs; each returns false when it did nothing.
  bool Button7Click();
  bool Button8Click();
  bool CardClick(int position);
  // The suit-choice window's answer: 1 to 4, or 0 for "Pass".
  bool AnswerSuitChoice(int suit);
  // An action received from another copy, for the seat the engine names (or the seat that
  // drives a table-wide step). Refused when it would act for seat 4, whose moves are made here
  // alone, or when the engine refuses it; a refusal changes nothing and is shown through the
  // port.
  bool ReceiveAction(const Action& action);

  // The table's part of one tick of the main timer: at most one computer action.
  void Tick();
  // One second of the tournament move timer.
  void MoveTimerSecond();
  // The tournament server ended the game ("end"): the move timers stop and the main button
  // sums the game up where it has not been summed up yet.
  void TournamentGameOver();
  // The tournament game ends here without a result: another seat left or ran out of time, or
  // the connection was lost. The timers stop; only "Exit to menu" is left. The caller shows
  // the notice.
  void TournamentBroken();

  // Queries for the window and the drivers.
  CanPlayResult CanPlay(int position) const;
  bool IsComputerDriven(int seat) const;
  bool DrivesSharedSteps() const;
  const ButtonEffect& Button(int button) const { return button == 7 ? button7_ : button8_; }
  bool TimerEnabled() const { return timer_enabled_; }
  int TimerPeriod() const { return timer_period_ms_; }
  bool SuitWindowOpen() const { return suit_window_open_; }
  int MoveTimerSeat() const { return move_timer_seat_; }
  int MoveTimerCount() const { return move_timer_count_; }

 private:
  // Effects.
  void Emit(const Effect& effect) { port_.Show(effect); }
  void SetButton(int button, Caption caption, bool enabled, bool visible = true);
  void EnableButton(int button, bool enabled);
  void Label(int seat, std::vector<Words> words, LabelColour colour);
  void NameLabel(int seat);
  void SayRefusal(CanPlayResult refused);
  // Shows whose turn it is when that changed.
  void ShowTurn();
  void Sound(std::string_view name, bool waiting);
  // A paced card move: the sound paces it, or a wait of 50 ms without sound.
  void CardMoveSound();
  void Wait(int ms);
  void Send(TableMessage message);
  void Send(const Action& action) { Send(TableMessage{TableMessage::Kind::Action, action}); }
  void DrawHand(int seat);
  void DrawDeck(bool freza = false);
  void DrawTrick(int count);
  void DrawShown(int count);
  void Fly(CardCode card, Place from, Place to, bool face_up);
  void DrawScoreTab(int team, int pointer_mode, bool new_background, std::int32_t small,
                    std::int32_t large, int star_mode);
  void DrawTeamTab(int team, int pointer_mode, int star_mode);
  void DrawScorePanel();
  void SetTimer(int period_ms, bool enabled);
  bool Networked() const { return mode_.NetworkMode || mode_.TournamentMode; }

  // The engine's facts as seat 4's screen shows them.
  void Show(const Fact& fact);
  void ShowDealStart();
  void ShowBid(const BidFact& bid);
  void ShowContract(const ContractFact& contract);
  void ShowCombinationsFound(int winner);
  void ShowPlayBegins();
  void ShowPlayedCard(const PlayedCardFact& card);
  void ShowDealEnd(const DealEndFact& end);

  // One action through the engine, with what the screen shows before and after it.
  bool Act(const Action& action, int seat, bool send);
  void Before(const Action& action);
  void After(const Action& action);
  void AfterBid();
  void AfterTrickTaken();
  void OfferBidToPlayer();
  void AskPlayerForSuit();
  void EndOfGame();
  void ComputerActs(int seat);
  void ConfigureFrame();

  // The seat of tournament place 1, which presses the table-wide buttons.
  int PlaceOneSeat() const { return engine_.DrivingSeat(); }
  void StartMoveTimer(int seat);
  void ClearMoveTimers();
  void SeatRanOutOfTime();
  void Refuse(const Action& action, std::string reason);

  TableEngine engine_;
  PlayMode mode_;
  TablePort& port_;
  ComputerDriver computer_;
  WaitingDriver waiting_;
  std::array<SeatDriver*, kSeats + 1> drivers_{};
  FinishPort default_finish_;
  FinishPort* finish_ = &default_finish_;
  OutgoingPort* outgoing_ = nullptr;

  std::string player_name_ = "Player";
  std::int32_t player_game_number_ = 1;
  std::int32_t player_initial_score_ = 0;

  ButtonEffect button7_{7, Caption::None, false, false};
  ButtonEffect button8_{8, Caption::None, false, false};
  bool timer_enabled_ = false;
  int timer_period_ms_ = 20;
  bool suit_window_open_ = false;
  bool refusal_shown_ = false;
  int turn_cue_ = -1;  // the seat the last turn cue showed, -1 before the first  // seat 4's label
                       // says why a card was refused
  int move_timer_seat_ = 0;
  int move_timer_count_ = 0;
  bool move_timers_running_ = false;
};

}  // namespace ostrel
