// Computer seats that always play the lowest card the rules allow and bid by counting their
// trumps: a plain opponent for when the searching players are not built in.
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
