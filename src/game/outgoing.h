// What this table tells the other copies of a networked game: the actions taken here, the
// notice that the local seat's move time ran out, and the tournament game's result. The
// session turns them into wire messages and sends them at once, ahead of the animations the
// same step starts.
#pragma once

#include "game/table_engine.h"

namespace ostrel {

struct TableMessage {
  // Result: tournament seat 1 reports the game's end with its team's final margin.
  enum class Kind : std::uint8_t { Action, TimeOut, Result } kind = Kind::Action;
  Action action;
  int margin = 0;  // Result: seat 4's team's score minus the other team's
  bool operator==(const TableMessage&) const = default;
};

class OutgoingPort {
 public:
  virtual ~OutgoingPort() = default;
  virtual void Send(const TableMessage& message) = 0;
};

}  // namespace ostrel
