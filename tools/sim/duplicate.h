// Duplicate play: every game's decks are played twice with the two policies swapped, so luck
// of the cards cancels out and what remains is the difference between the policies.
#pragma once

#include <string>

namespace ostrel::sim {

class DuplicateTally {
 public:
  // The score difference of one pair of games, each from the first policy's side.
  void AddPair(int first_diff, int second_diff);
  // One line: the first policy's wins, losses and draws over all games, and its mean score
  // difference per game with a 95% confidence interval over the pairs.
  std::string Summary(const std::string& first, const std::string& second) const;

 private:
  int pairs_ = 0;
  int wins_ = 0, losses_ = 0, draws_ = 0;
  double sum_ = 0, sum_squares_ = 0;  // of the pair means
};

// The seed of game g's decks: both games of a pair see the same cards.
inline unsigned long long DealSeed(unsigned long long seed, int game) {
  return seed * 0x9E3779B97F4A7C15ull + static_cast<unsigned long long>(game);
}

}  // namespace ostrel::sim
