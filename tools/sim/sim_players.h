// The decisions of all four seats in a headless game: the computer's bidding for every seat,
// seat 4 included, and each team's card-play policy.
#pragma once

#include "game/players.h"
#include "game/random.h"
#include "sim/sim_options.h"

namespace ostrel::sim {

class SimPlayers : public ComputerPlayers {
 public:
  // `ai` plays the seats of a team whose policy is Policy::Ai.
  SimPlayers(Policy team1, Policy team2, Random& random, ComputerPlayers* ai)
      : policy_{Policy::Random, team1, team2}, random_(random), ai_(ai) {}

  bool AcceptProposedTrump(const GameRecord& record, int seat) override;
  int NameTrumpSuit(const GameRecord& record, int seat) override;
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override;

 private:
  Policy policy_[3];
  Random& random_;
  ComputerPlayers* ai_;
};

// A card chosen uniformly among those the rules allow.
int RandomAllowedCard(const GameRecord& record, int seat, bool trump_required, Random& random);

}  // namespace ostrel::sim
