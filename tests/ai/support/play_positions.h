// Positions in the middle of trick play taken from seeded deals: a seeded shuffle, a made-up
// contract (random declarer and trump) and seeded random cards that the rules allow, with the
// computer players' memory filled as the game fills it.
#pragma once

#include <cstdint>
#include <vector>

#include "game/game_record.h"
#include "game/random.h"

namespace ostrel::testing {

struct PlayPosition {
  GameRecord record;
  RuleOptions options;
  int seat = 0;  // the seat to move
};

// Deals and plays `cards_played` cards (0 to 31); the seat to move is then the next one.
PlayPosition MakePlayPosition(std::uint64_t seed, int cards_played, const RuleOptions& options);

// Plays one card as the game does: trick, Bella, memory, and the trick taken when complete.
void PlayOne(GameRecord& record, const RuleOptions& options, int position);

// `count` positions spread evenly over the 32 card slots of a deal (tricks 1 to 8, trick
// positions 1 to 4) and the four settings of the two play options.
std::vector<PlayPosition> MakeCorpus(std::uint64_t seed, int count);

}  // namespace ostrel::testing
