// The card table on the screen and the window's side of the table port. The engine's steps
// run to their end at once and leave their effects here; the table plays them in order
// (flights pixel by pixel, sounds, waits) as timed continuations and holds the player's input
// back until the last one has played.
#pragma once

#include <QElapsedTimer>
#include <QTimer>
#include <QWidget>
#include <array>
#include <deque>
#include <optional>
#include <vector>

#include "game/table_port.h"
#include "media/sound_port.h"
#include "table/cards_button.h"
#include "table/flight.h"
#include "table/table_view.h"

namespace ostrel {

class TableScreen : public QWidget, public TablePort {
  Q_OBJECT
 public:
  TableScreen(SoundPort& sounds, QWidget* parent = nullptr);

  void Show(const Effect& effect) override;

  // True while effects are still to be played: input must wait.
  bool Busy() const { return running_ || !queue_.empty(); }
  void SetCardSpeed(int speed) { pace_.SetSpeed(speed); }
  // Waits are multiplied by this factor (tests play the table at full speed with 0).
  void SetTimeScale(double factor) { time_scale_ = factor; }
  void SetTableLayout(const TableLayout& layout);
  // The suit window answered: go on with the effects its answer brought.
  void Resume();
  // Forget everything queued (the game is left).
  void Reset();
  // How far a long computer choice has come, in percent; -1 hides it.
  void SetProgress(int percent);
  // Shows the trick taken last in the trick area, or hides it again; nothing before the first
  // trick of the deal was taken. A card put into the trick hides it by itself.
  void ToggleLastTrick();
  // The open view of a LAN table: the hands of seats 1 to 3 drawn face up while it is on.
  void SetOpenView(bool on);
  bool OpenView() const { return open_view_; }

  TableView* View() { return view_; }
  TTarvoCardsButton* Button7() { return b7_; }
  TTarvoCardsButton* Button8() { return b8_; }
  // Steps and time of the flights so far, to measure the pace of the table.
  struct FlightStats {
    long steps = 0;
    long flights = 0;
    qint64 ns = 0;
  };
  const FlightStats& Stats() const { return stats_; }
  // The captions the buttons show, for the window's own logic and for tests.
  Caption Button7Caption() const { return caption7_; }
  Caption Button8Caption() const { return caption8_; }
  // The keys of the table: the arrows choose a card of the player's hand, Enter plays it;
  // Space presses the green button, Escape the red one.
  static constexpr Qt::Key kButton7Key = Qt::Key_Space;
  static constexpr Qt::Key kButton8Key = Qt::Key_Escape;
  // Backspace looks back at the trick taken last (as a press on the trick area does).
  static constexpr Qt::Key kLastTrickKey = Qt::Key_Backspace;

 protected:
  void keyPressEvent(QKeyEvent* event) override;

 signals:
  void Button7Pressed();
  void Button8Pressed();
  void CardPressed(int position);
  void CardRightPressed(QPoint pos);
  void TimerWanted(int period_ms, bool enabled);
  void MenuItemsWanted(bool quit, bool gen_count, bool change_name);
  void SuitWindowWanted(int disabled_suit);
  void MessageWanted(QString text);
  void CounterHintWanted(int game_number, int of);
  void Idle();
  // A new deal's cards were shuffled: the window picks the deal's back.
  void DealStarted();
  // The first effect of a step arrived at an idle table (the pace of the table is measured
  // from here to the Idle before it).
  void StepStarted();
  // A flight has landed: one step of the picture is complete (the game recorder takes it).
  void Landed();
  // The game's sum-up has been shown.
  void GameEnded();

 private:
  void Pump();
  // Plays one effect; returns the ms to hold before the next, or a negative value when the
  // effect continues by itself (a flight, the suit window).
  int Apply(const Effect& effect);
  std::optional<int> ApplyOutward(const Effect& effect);
  void ApplyState(const Effect& effect);
  void ApplyContract(const ContractFact& contract);
  void ApplyBid(const BidFact& bid);
  void ApplyButton(const ButtonEffect& b);
  void ApplyTab(const ScoreTabEffect& tab);
  void ApplyTrick(const DrawTrickEffect& trick);
  void ApplyGameEnd(const GameEndFact& end);
  void HideLastTrick();
  void StartFlights(std::vector<FlightEffect> flights);
  void FlightStep();
  QPoint PlacePos(const Place& place, bool landing) const;
  void Hold(int ms);
  void ChooseCard(int step);

  SoundPort& sounds_;
  TableView* view_;
  TTarvoCardsButton* b7_;
  TTarvoCardsButton* b8_;
  Caption caption7_ = Caption::None;
  Caption caption8_ = Caption::None;
  std::deque<Effect> queue_;
  bool running_ = false;
  bool paused_ = false;
  double time_scale_ = 1.0;
  FlightPace pace_;
  QTimer step_timer_;

  struct Flying {
    FlightEffect effect;
    FlightLine line;
    QPixmap pixmap;
  };
  std::vector<Flying> flying_;
  int flight_step_ = 0;
  FlightStats stats_;
  QElapsedTimer flight_clock_;
  int flight_steps_ = 0;
  // The complete trick still lying on the table; it becomes the last trick once it is gone.
  std::optional<LastTrickView> taking_;
  bool open_view_ = false;
  std::array<bool, 5> dealt_face_up_{};  // each hand as the game draws it, open view aside
};

}  // namespace ostrel
