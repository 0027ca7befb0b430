// The actions a seat can take at the table, as values: what a click, a computer seat, a LAN
// message or a tournament record asks the table engine to do.
#pragma once

#include <cstdint>

namespace ostrel {

enum class ActionKind : std::uint8_t {
  Begin,             // the table-wide "begin" of a deal
  PlayProposed,      // first round: play the proposed trump
  PassRoundOne,      // first round: pass
  NameSuit,          // second round: name suit `value` (1 to 4)
  PassRoundTwo,      // second round: pass
  DealRest,          // table-wide: the rest of the deal
  ShowCombinations,  // table-wide: the best sequences are shown
  TakeBack,          // table-wide: the shown cards go back and trick play begins
  PlayCard,          // the card at hand position `value` (1 to 8)
  TakeTrick,         // table-wide: the full trick is taken
  NextDeal,          // table-wide: the next deal
};

struct Action {
  ActionKind kind = ActionKind::Begin;
  int value = 0;
  bool operator==(const Action&) const = default;
};

// Who is due: a seat's own decision, or a table-wide step that one seat drives. Seat 0 when
// nobody can act (no game, or the game is over).
struct Turn {
  int seat = 0;
  bool table_step = false;
};

}  // namespace ostrel
