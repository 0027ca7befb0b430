#include "game/seat_driver.h"

#include "game/rules.h"

namespace ostrel {

std::optional<Action> ComputerDriver::OnTick(const TableEngine& engine, int seat) {
  const GameRecord& r = engine.Record();
  const Turn turn = engine.ToAct();
  if (turn.table_step || turn.seat != seat) return std::nullopt;
  if (IsRoundOnePhase(r.Phase)) {
    return Action{players_.AcceptProposedTrump(r, seat) ? ActionKind::PlayProposed
                                                        : ActionKind::PassRoundOne};
  }
  if (IsRoundTwoPhase(r.Phase)) {
    const int suit = players_.NameTrumpSuit(r, seat);
    if (suit >= 1 && suit <= 4) return Action{ActionKind::NameSuit, suit};
    return Action{ActionKind::PassRoundTwo};
  }
  if (!IsPlayPhase(r.Phase)) return std::nullopt;
  int position = players_.ChooseCard(r, seat, engine.Options());
  const bool valid = position >= 1 && position <= 8 && !r.Hand[seat][position].IsEmpty();
  if (!valid || CanPlay(r, seat, position, engine.Options().TrumpRequired) != kAllowed) {
    position = LowestAllowedPosition(r, seat, engine.Options().TrumpRequired);
  }
  if (position == 0) return std::nullopt;
  return Action{ActionKind::PlayCard, position};
}

}  // namespace ostrel
