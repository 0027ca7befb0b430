// Playing a card and taking a trick, as pure operations on a record. The table engine, the
// computer players, the reference search and the bench's positions all call these; the fast
// search keeps its own bitset form, held equal to these by a test.
#pragma once

#include "game/game_record.h"

namespace ostrel {

// Position 1 to 4 of the winning card among the cards laid so far: the highest trump, else the
// highest card of the suit of the first card. 0 for an empty trick.
int TrickWinner(const Array1<CardCode, 4>& trick, const Array1<std::uint8_t, 4>& order, char trump);

// Whether the card just taken out of the seat's hand scores "Bella": the king or queen of
// trumps while the other of the two is still in that hand (and, with the option, only when it
// leads the trick).
bool BellaDue(const GameRecord& record, int seat, CardCode card, bool bella_first_hand_only);

struct PlayedCard {
  CardCode card;
  int trick_position = 0;  // 1 to 4
  bool bella = false;
};

// The seat's card at the hand position goes into the trick: the hand closes up and is sorted
// again, "Bella" is scored, every seat's memory learns from it, and the turn passes to the next
// seat. The caller has checked the card may be played. The trick is not decided here.
PlayedCard PlayCardOn(GameRecord& record, int seat, int position, const RuleOptions& options);

struct TrickResult {
  int winner = 0;
  int points = 0;  // the cards' points, and 10 more for the last trick
};

// The full trick's winner leads next and its team takes the points.
TrickResult DecideTrick(GameRecord& record);

// The trick is taken off the table: the winner's place leads the next one.
void CollectTrick(GameRecord& record);

}  // namespace ostrel
