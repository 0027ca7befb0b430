// A tournament game at the main window's table: the tournament connection (CS), the deals it
// brings (the first starts the game, the later ones continue it), the move timer that ticks
// once a second while tournament mode is on, and the ends of a game with their notices. The
// main window gives the hooks to its table; the tournament window books the seat on the same
// connection.
#pragma once

#include <QObject>
#include <QString>
#include <QTimer>
#include <array>
#include <functional>
#include <string>

#include "game/game.h"
#include "lan/tour_session.h"

namespace ostrel {

struct TourPlayHooks {
  std::function<Game&()> game;
  // Leaves the menu and starts a new game at the table with the rules given (the game's deck
  // and mode are set before).
  std::function<void(const RuleOptions&)> start_game;
  std::function<void(const QString&)> notice;
  std::function<void(const char*)> sound;
};

class TourPlay : public QObject {
  Q_OBJECT
 public:
  TourPlay(TourPlayHooks hooks, QObject* parent = nullptr);

  lan::TourSession& Connection() { return cs_; }
  // The player's nick: seat 4's name at the table.
  void SetNick(std::string nick) { nick_ = std::move(nick); }
  // The nicks of the booked table's seats 1-4 as the list last showed them ("X": free).
  void SetTableNicks(const std::array<std::string, 4>& nicks) { table_nicks_ = nicks; }
  // Tournament mode: from the first deal until the player leaves the game.
  bool Active();

 signals:
  // The game ended while the tournament window was closed: "Exit to menu" opens it again.
  void GameStarted();

 private:
  void OnDeal(const lan::DealDeck& deck);
  void Broken(const QString& notice, const char* sound);
  QString SeatName(int seat) const;

  TourPlayHooks hooks_;
  lan::TourSession cs_;
  QTimer move_timer_;
  std::string nick_ = "Player";
  std::array<std::string, 4> table_nicks_;
};

}  // namespace ostrel
