// The running game: the one GameRecord and the step operations on it. Every seat is driven
// through the same operations, whether by the local player's input, the main timer acting for
// a computer seat, or a received game message. A step runs to its end synchronously and shows
// everything through the table port.
#pragma once

#include <string>
#include <string_view>

#include "game/finish_port.h"
#include "game/game_record.h"
#include "game/players.h"
#include "game/random.h"
#include "game/rules.h"
#include "game/table_port.h"

namespace ostrel {

class Game {
 public:
  Game(TablePort& port, ComputerPlayers& players, Random& random);

  GameRecord& Record() { return record_; }
  const GameRecord& Record() const { return record_; }
  RuleOptions& Options() { return options_; }
  const RuleOptions& Options() const { return options_; }
  PlayMode& Mode() { return mode_; }
  const PlayMode& Mode() const { return mode_; }
  void SetFinishPort(FinishPort* finish) { finish_ = finish; }

  // Who plays seat 4 in the next new game, with that player's counters.
  void SetPlayer(std::string name, std::int32_t game_number, std::int32_t initial_score);
  // The next deal uses this deck instead of a shuffle (a received deal, a replayed report).
  void SetNextDeck(const CardList32& deck);

  // The steps.
  void StartDeal(bool continuing);
  void BidRoundOne(int seat, bool ask_computer, bool answer, bool send);
  void OfferBidToPlayer();
  void PlayerTakesContract(int seat);
  void BidRoundTwo(int seat, bool ask_computer, bool answer, bool send);
  void AskPlayerForSuit();
  void DealRest(bool send);
  void ShowCombinations(bool send);
  void TakeBackCombinations(bool send);
  void PlayCard(int seat, int position, bool send);
  void TakeTrick();
  void FinishGame(std::int32_t score_difference);

  // The local player's inputs; each returns false when it did nothing.
  bool Button7Click();
  bool Button8Click();
  bool CardClick(int position);
  // The suit-choice window's answer: 1 to 4, or 0 for "Pass".
  bool AnswerSuitChoice(int suit);
  // A game message from a peer (tag and parameter, without framing). A message that does not
  // fit the phase is refused, changes nothing and is reported through the port.
  bool ReceiveGameMessage(std::string_view message);

  // The table's part of one tick of the main timer: at most one computer action.
  void Tick();
  // One second of the tournament move timer.
  void MoveTimerSecond();

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
  void Sound(std::string_view name, bool waiting);
  // A paced card move: the sound paces it, or a wait of 50 ms without sound.
  void CardMoveSound();
  void Wait(int ms);
  void Send(std::string message);
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

  // Pieces of the steps.
  void NewGameCounters();
  void DealFirstCards();
  void TakeContract(int seat, bool second_round, bool send);
  void EndOfRoundTwo();
  int SortAndCount(int seat);
  // Puts the card after the seat's last one, re-sorts, and returns where it stands now.
  int AddToHand(int seat, CardCode card, std::uint8_t order, std::uint8_t points);
  int RemoveFromHand(int seat, CardCode card);
  void DecideTrick();
  bool BellaDue(int seat, CardCode card) const;
  void EndOfDeal();
  void EndOfGame();
  // The local seat of tournament place 1, which presses the table-wide buttons.
  int PlaceOneSeat() const;
  void StartMoveTimer(int seat);
  void ClearMoveTimers();
  void SeatRanOutOfTime();
  void Refuse(std::string_view message, std::string reason);
  void ComputerPlays(int seat);

  GameRecord record_;
  RuleOptions options_;
  PlayMode mode_;
  TablePort& port_;
  ComputerPlayers& players_;
  Random& random_;
  FinishPort default_finish_;
  FinishPort* finish_ = &default_finish_;

  std::string player_name_ = "Player";
  std::int32_t player_game_number_ = 1;
  std::int32_t player_initial_score_ = 0;
  bool has_next_deck_ = false;
  CardList32 next_deck_;

  ButtonEffect button7_{7, Caption::None, false, false};
  ButtonEffect button8_{8, Caption::None, false, false};
  bool timer_enabled_ = false;
  int timer_period_ms_ = 20;
  bool suit_window_open_ = false;
  int move_timer_seat_ = 0;
  int move_timer_count_ = 0;
  bool move_timers_running_ = false;
};

}  // namespace ostrel
