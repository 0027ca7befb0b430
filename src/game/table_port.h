// The one narrow interface through which the engine shows and sends everything. The engine
// never sleeps and never knows about pixels or time: a wait is an effect like any other.
// Each effect carries the state it shows, so a port that plays the effects later (the window
// queues them and plays flights, sounds and waits in order) draws what was true at that point
// of the step, not the record's final state.
#pragma once

#include <cstdint>
#include <string>
#include <variant>
#include <vector>

#include "game/game_record.h"
#include "game/table_actions.h"
#include "game/table_facts.h"

namespace ostrel {

// Captions of the two buttons of the table (Button7 and Button8).
enum class Caption : std::uint8_t {
  None,
  ToBegin,              // "To Begin"
  ToPlay,               // "To Play"
  Pass,                 // "Pass"
  BuyCards,             // "Buy cards"
  ExhibitCombinations,  // "Exhibit combinations"
  Ok,                   // "Ok"
  NextRound,            // "Next Round"
  ToSumUp,              // "To sum up of game"
  ExitToMenu,           // "Exit to menu"
};

// The pieces a speech label is made of; SeatName stands for the seat's name.
enum class Words : std::uint8_t {
  SeatName,
  ToPlay,           // "To Play"
  Pass,             // "Pass"
  Bella,            // "Bella"
  NoCombinations,   // "No combinations"
  WeakCombination,  // "Weak Combination"
  Ostrel,           // "Ostrel"
  Tertz,            // "Tertz"
  Plus,             // " + "
  YouLose,          // "You lose!"
  YourTimeIsUp,     // "Your time is up!"
  // Why the player's card was refused.
  RefusedFollowSuit,  // "Follow suit!"
  RefusedPlayTrump,   // "Play a trump!"
  RefusedOverTrump,   // "Beat the trump!"
};

enum class LabelColour : std::uint8_t { Plain, Blue, Green, Violet };

struct ButtonEffect {
  int button = 7;  // 7 or 8
  Caption caption = Caption::None;
  bool enabled = false;
  bool visible = true;
};

struct LabelEffect {
  int seat = 0;
  std::vector<Words> words;
  LabelColour colour = LabelColour::Plain;
  std::string name;  // the seat's name, for Words::SeatName
};

// The table comes up for a deal: hands, score tabs, labels, deck, trick area, game counter.
struct ShowTableEffect {};

struct MenuItemsEffect {
  bool quit = false;
  bool gen_count = false;
  bool change_name = false;
};

struct DrawHandEffect {
  int seat = 0;
  bool face_up = false;
  HandCards cards;  // sorted, positions 1 to CardCount
  int count = 0;
};

struct DrawDeckEffect {
  int cards_left = 0;        // cards still in the deck picture; 0 hides it
  CardCode turned_up;        // the proposed-trump card shown under the deck
  bool freza = false;        // drawn from the turned-up card, Deck[31] and the empty card
  CardCode under_turned_up;  // Deck[31], with freza
};

struct DrawTrickEffect {
  Array1<CardCode, 4> cards;  // in the order played
  int count = 0;
  int table_leader = 0;  // places the cards around the table
};

struct DrawShownEffect {
  Array1<CardCode, 9> cards;
  int count = 0;
  int seat = 0;
};

// Where a flying card starts or lands.
struct Place {
  enum Kind : std::uint8_t { Deck, Hand, Trick, Shown } kind = Deck;
  int seat = 0;
  int index = 0;  // hand position, or shown-card place
};

struct FlightEffect {
  CardCode card;
  Place from;
  Place to;
  bool face_up = true;
};

// A score tab repaint. Modes: 1 draw, 2 erase, 3 leave as it is. The small number is the
// team's deal points (kNoDealValue leaves it as it is), the large one its game total (at the
// end of the game, its lead).
inline constexpr std::int32_t kNoDealValue = -2000000;
struct ScoreTabEffect {
  int team = 1;
  int pointer_mode = 3;
  bool new_background = false;
  std::int32_t small_number = kNoDealValue;
  std::int32_t large_number = 0;
  int star_mode = 3;
  bool game_over = false;  // the large figures turn red
};

// The score panel: the deal number and, once a contract exists, the trump suit.
struct ScorePanelEffect {
  int deal_number = 0;
  char trump = kNoSuit;  // "#" while no contract exists
};

// A named sound; a waiting sound holds the step until it has played. With sound off the
// engine emits a WaitEffect instead where the pace needs one.
struct SoundEffect {
  std::string name;
  bool waiting = false;
};

struct WaitEffect {
  int ms = 0;
};

struct TimerEffect {
  int period_ms = 200;
  bool enabled = false;
};

struct CounterHintEffect {
  int game_number = 0;
  int of = 25;
};

// The suit-choice window opens; the answer comes back through Game::AnswerSuitChoice.
struct SuitWindowEffect {
  int disabled_suit = 0;
};

// An action received from another copy was refused and changed nothing.
struct RefusedMessageEffect {
  Action action;
  std::string reason;
};

// A tournament move timer: the seat whose countdown shows, 0 when all are cleared.
struct MoveTimerEffect {
  int seat = 0;
  int count = 0;
};

struct MessageBoxEffect {
  std::vector<Words> lines;
};

// The tournament connection is closed (a seat ran out of time).
struct CloseConnectionEffect {};

// Whose turn it is: the seat whose label shows the pointing hand; 0 while the table itself
// moves on (dealing, collecting a trick) or nobody is to act.
struct TurnCueEffect {
  int seat = 0;
};

using Effect = std::variant<ButtonEffect, LabelEffect, ShowTableEffect, MenuItemsEffect,
                            DrawHandEffect, DrawDeckEffect, DrawTrickEffect, DrawShownEffect,
                            FlightEffect, ScoreTabEffect, ScorePanelEffect, SoundEffect, WaitEffect,
                            TimerEffect, CounterHintEffect, SuitWindowEffect, RefusedMessageEffect,
                            MoveTimerEffect, MessageBoxEffect, CloseConnectionEffect, DealStartFact,
                            BidFact, ContractFact, ThrownInFact, HandsDealtFact, CombinationsFact,
                            CardFact, TrickFact, DealEndFact, GameEndFact, TurnCueEffect>;

class TablePort {
 public:
  virtual ~TablePort() = default;
  virtual void Show(const Effect& effect) = 0;
};

}  // namespace ostrel
