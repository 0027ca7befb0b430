// Deals the cards a computer seat cannot see to the other three seats, at random but in
// agreement with what the memory says each seat holds or cannot hold.
#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "ai/search.h"
#include "game/game_record.h"
#include "game/random.h"

namespace ostrel {

class DealSampler {
 public:
  // How often one sample may be begun again before sampling is given up.
  static constexpr int kAttemptLimit = 2000;

  // Prepares the memory of the seat's three neighbours and the pools to draw from.
  DealSampler(const GameRecord& record, int seat, const RuleOptions& options);

  // False when the memory disagrees with the deal: a card known in two hands or known where it
  // cannot be, or a seat whose pool can never supply the cards it needs. No sample can be
  // drawn then.
  bool ok() const { return ok_; }

  // The root node with freshly drawn hands for next, partner and previous; nothing when no
  // deal agreeing with the memory was found within the attempt limit.
  std::optional<SearchNode> Draw(Random& random);

  // The search settings for this seat's decision: horizon and flags from the hand size.
  const SearchSettings& settings() const { return settings_; }
  // Hand position in the game record of each hand position of the root hand in the node.
  int RecordPosition(int node_position) const { return record_position_[node_position]; }
  int restarts() const { return restarts_; }

  // What the preparation found, as deck-table numbers (1 to 32) in order; index 1 is next,
  // 2 the partner, 3 the previous seat.
  const std::vector<int>& Known(int neighbour) const { return known_[neighbour]; }
  const std::vector<int>& Pool(int neighbour) const { return pool_[neighbour]; }

 private:
  void Prepare(const GameRecord& record, int seat);
  bool DrawHands(Random& random, std::vector<int> hands[4]);

  bool ok_ = true;
  SearchNode base_;
  SearchSettings settings_;
  Array1<int, 9> record_position_{};
  std::vector<int> known_[4];
  std::vector<int> pool_[4];
  int need_[4] = {};  // cards to draw for each neighbour
  int restarts_ = 0;
};

// The search settings for a decision: horizon from the trick and the seat's place in it,
// transposition table from 4 cards in hand, pruning rules from 5.
SearchSettings DecisionSettings(int trick_number, int trick_position, int cards_in_hand, char trump,
                                const RuleOptions& options);

// Samples to search for a hand of n cards.
int SampleCount(int cards_in_hand);

}  // namespace ostrel
