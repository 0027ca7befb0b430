// Seat drivers bring a seat's actions to the table. The local player's driver waits for input
// (the buttons, a card click, the suit window); the computer's acts on a tick of the main
// timer; a LAN peer's or a tournament connection's actions arrive as messages. The table asks
// a seat's driver only whether it acts on the tick; the engine never asks at all.
#pragma once

#include <optional>

#include "game/players.h"
#include "game/table_engine.h"

namespace ostrel {

class SeatDriver {
 public:
  virtual ~SeatDriver() = default;
  // The action the driver takes for the seat on a tick of the main timer, if it acts then.
  virtual std::optional<Action> OnTick(const TableEngine& engine, int seat) = 0;
};

// A person at this table or at another copy: their actions come from input or messages.
class WaitingDriver : public SeatDriver {
 public:
  std::optional<Action> OnTick(const TableEngine&, int) override { return std::nullopt; }
};

// The computer players decide the seat's bids and cards. A card choice the rules refuse is
// replaced by the lowest card they allow.
class ComputerDriver : public SeatDriver {
 public:
  explicit ComputerDriver(ComputerPlayers& players) : players_(players) {}
  std::optional<Action> OnTick(const TableEngine& engine, int seat) override;
  ComputerPlayers& Players() { return players_; }

 private:
  ComputerPlayers& players_;
};

}  // namespace ostrel
