// What the table engine reports of a step: the facts, in the order they happened, each
// observed while the record stands as it was at that moment. The first group is what logs,
// histories and observers keep; the second tells a table what to show.
#pragma once

#include <variant>

#include "game/game_record.h"

namespace ostrel {

// Facts of the game, for logs, histories and observers; nothing needs to be drawn for them.
struct BidFact {
  int round = 1;
  int seat = 0;
  bool play = false;
  char suit = kNoSuit;  // the named suit in round two
};
struct ContractFact {
  int declarer = 0;
  char trump = kNoSuit;
  bool second_round = false;
};
// A new deal's cards are shuffled; nothing of it is drawn yet, so a window picks the deal's
// card back here.
struct DealStartFact {};
struct ThrownInFact {};
struct HandsDealtFact {};
struct CombinationsFact {};
struct CardFact {
  int trick = 0;
  int seat = 0;
  CardCode card;
  bool bella = false;
};
struct TrickFact {
  int trick = 0;
  int winner = 0;
  int points = 0;
};
struct DealEndFact {
  Array1<std::int32_t, 2> deal_points{};
  Array1<std::int32_t, 2> kept{};
};
// The game is summed up; the partnerships' final scores (team 2 is seat 4's partnership).
struct GameEndFact {
  Array1<std::int32_t, 2> scores{};
};

// A card of the rest of the deal has gone from the deck into a hand, landing at `landed`.
struct RestCardFact {
  int seat = 0;
  CardCode card;
  int landed = 0;
};
// The best sequences were found: `winner` shows them (0: nobody holds one).
struct CombinationsFoundFact {
  int winner = 0;
};
// A card of a shown sequence left the hand at `from` for place `place` of the shown cards.
struct ShownCardFact {
  int seat = 0;
  CardCode card;
  int from = 0;
  int place = 0;
};
// The shown sequences' points went to the team.
struct CombinationPointsFact {
  int team = 0;
};
// A shown card went back from place `place` into the hand at `landed`.
struct ReturnedCardFact {
  int seat = 0;
  CardCode card;
  int place = 0;
  int landed = 0;
};
// The hands carry their play values and trick play begins with the first hand.
struct PlayBeginsFact {};
// A card left the hand at `position` for place `trick_position` of the trick.
struct PlayedCardFact {
  int seat = 0;
  CardCode card;
  int position = 0;
  int trick_position = 0;
  bool bella = false;
};
// The trick was taken off the table; the winner leads next.
struct TrickCollectedFact {};

using Fact = std::variant<DealStartFact, BidFact, ContractFact, ThrownInFact, HandsDealtFact,
                          CombinationsFact, CardFact, TrickFact, DealEndFact, RestCardFact,
                          CombinationsFoundFact, ShownCardFact, CombinationPointsFact,
                          ReturnedCardFact, PlayBeginsFact, PlayedCardFact, TrickCollectedFact>;

}  // namespace ostrel
