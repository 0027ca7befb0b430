// The decisions the flow asks of seats played by the computer. The computer players live
// above the rules (they use them), so the flow reaches them through this interface.
#pragma once

#include "game/game_record.h"

namespace ostrel {

class ComputerPlayers {
 public:
  virtual ~ComputerPlayers() = default;

  // First bidding round: play the proposed trump (the suit of the turned-up card)?
  virtual bool AcceptProposedTrump(const GameRecord& record, int seat) = 0;
  // Second bidding round: the suit number (1 to 4) to name, or 0 to pass.
  virtual int NameTrumpSuit(const GameRecord& record, int seat) = 0;
  // Trick play: the hand position (1 to 8) of a card the rules allow for the seat to move.
  // Must not change the record.
  virtual int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) = 0;
};

}  // namespace ostrel
