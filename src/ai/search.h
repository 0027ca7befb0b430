// The card-play search: the value of every card a computer seat may play, for one deal in which
// all four hands are known.
#pragma once

#include <cstdint>
#include <memory>

#include "game/game_record.h"

namespace ostrel {

// A card that was not tried keeps this value.
inline constexpr double kNotTried = 1000.0;

struct SearchHand {
  HandCards cards;  // positions 1 to 9 are looked at
  HandValues order;
  HandValues points;
};

// One position of a deal with all hands open. The hands run in turn order from the seat to move.
struct SearchNode {
  Array1<SearchHand, 4> hands;  // mover, next, partner, previous
  Array1<CardCode, 4> trick;    // the cards already played to this trick, in order
  Array1<std::uint8_t, 4> trick_order{};
  Array1<std::uint8_t, 4> trick_points{};
  int trick_position = 1;  // the place the mover's card takes, 1 to 4
  int relation = 1;        // where the declarer sits: 1 mover, 2 next, 3 partner, 4 previous
  int declaring_points = 0;
  int defending_points = 0;
  int depth = 1;
};

// What stays the same for a whole search.
struct SearchSettings {
  char trump = kNoSuit;
  bool trump_required = false;
  bool bella_first_hand_only = false;
  int depth_limit = 58;
  bool transposition = false;
  bool pruning = false;
};

struct SearchResult {
  double declaring = 0;
  double defending = 0;
  // The value for the mover's team after each of its hand positions, kNotTried if not tried.
  Array1<double, 9> root_values{};
  int chosen = 0;  // the hand position the search would play, 0 if it tried none
  std::uint64_t nodes = 0;
};

// The value of a deal for the declaring team from both teams' points: the declaring team must
// take strictly more or the other team takes everything; a tenth of the raw difference breaks
// ties between equal settlements. The defending team's value is its negative.
double DealValue(double declaring, double defending);


// A quick guess of the rest of the deal for the mover's team (hands in turn order from the
// mover): the top card of each suit takes a round, the rest is split evenly.
double EstimateRest(const Array1<SearchHand, 4>& hands, char trump, int relation, double ours,
                    double theirs);

// Working memory of the fast search (transposition tables); reuse one per thread.
class SearchContext {
 public:
  SearchContext();
  ~SearchContext();
  SearchContext(const SearchContext&) = delete;
  SearchContext& operator=(const SearchContext&) = delete;

  struct Impl;
  Impl& impl() { return *impl_; }

 private:
  std::unique_ptr<Impl> impl_;
};

// Searches one node; the transposition tables start empty at every call.
SearchResult SearchDeal(const SearchNode& node, const SearchSettings& settings,
                        SearchContext& context);

}  // namespace ostrel
