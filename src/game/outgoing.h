// What this table tells the other copies of a networked game: the actions taken here, and the
// notice that the local seat's move time ran out. The session turns them into wire messages and
// sends them at once, ahead of the animations the same step starts.
#pragma once

#include "game/table_engine.h"

namespace ostrel {

struct TableMessage {
  enum class Kind : std::uint8_t { Action, TimeOut } kind = Kind::Action;
  Action action;
  bool operator==(const TableMessage&) const = default;
};

class OutgoingPort {
 public:
  virtual ~OutgoingPort() = default;
  virtual void Send(const TableMessage& message) = 0;
};

}  // namespace ostrel
