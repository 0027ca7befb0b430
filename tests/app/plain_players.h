// Computer seats that always play the lowest card the rules allow and bid by counting their
// trumps: a quick and predictable opponent for the window's tests.
#pragma once

#include "game/players.h"

namespace ostrel {

class PlainPlayers : public ComputerPlayers {
 public:
  bool AcceptProposedTrump(const GameRecord& record, int seat) override;
  int NameTrumpSuit(const GameRecord& record, int seat) override;
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override;
};

}  // namespace ostrel
