// Which card may be played. This is the only place that decides it: the local player's click,
// the computer players, the LAN receiver and the tournament server all ask here.
#pragma once

#include <cstdint>

#include "game/game_record.h"

namespace ostrel {

enum CanPlayResult : int {
  kAllowed = 0,
  kRefusedSuit = 1,   // must follow suit, or must trump
  kRefusedTrump = 3,  // must beat the highest trump in the trick
};

// The trick as far as it has been played: `count` cards in positions 1 to count.
struct TrickSoFar {
  const Array1<CardCode, 4>& cards;
  const Array1<std::uint8_t, 4>& order;
  int count;
  char led_suit;
};

// A card of a hand (positions 1 to 8 are looked at) against the trick so far. The order values
// must be the play orders. The first card of a trick is always allowed.
CanPlayResult CanPlayCard(const HandCards& hand, const HandValues& order, int position,
                          const TrickSoFar& trick, char trump, bool trump_required);

// The same for a seat of the running game.
CanPlayResult CanPlay(const GameRecord& record, int seat, int position, bool trump_required);

// The lowest hand position the rules allow, 0 when the hand is empty.
int LowestAllowedPosition(const GameRecord& record, int seat, bool trump_required);

}  // namespace ostrel
