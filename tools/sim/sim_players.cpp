#include "sim/sim_players.h"

#include <vector>

#include "ai/ai_players.h"
#include "ai/trump_decision.h"
#include "game/rules.h"

namespace ostrel::sim {

bool SimPlayers::AcceptProposedTrump(const GameRecord& r, int seat) {
  return ostrel::AcceptProposedTrump(r.Hand[seat], r.HandOrder[seat], r.Trump, r.Deck[kDeckSize],
                                     BiddingPosition(seat, r.FirstHand));
}

int SimPlayers::NameTrumpSuit(const GameRecord& r, int seat) {
  return ostrel::NameTrumpSuit(r.Hand[seat], r.HandOrder[seat], r.Deck[kDeckSize]);
}

int SimPlayers::ChooseCard(const GameRecord& r, int seat, const RuleOptions& options) {
  switch (policy_[TeamOf(seat)]) {
    case Policy::Ai:
      if (ai_) return ai_->ChooseCard(r, seat, options);
      break;
    case Policy::Greedy:
      return GreedyPlay(r, seat, options);
    case Policy::Random:
      break;
  }
  return RandomAllowedCard(r, seat, options.TrumpRequired, random_);
}

int RandomAllowedCard(const GameRecord& r, int seat, bool trump_required, Random& random) {
  std::vector<int> allowed;
  for (int p = 1; p <= 8; ++p) {
    if (!r.Hand[seat][p].IsEmpty() && CanPlay(r, seat, p, trump_required) == kAllowed) {
      allowed.push_back(p);
    }
  }
  if (allowed.empty()) return 0;
  return allowed[random.Uniform(0, static_cast<int>(allowed.size()) - 1)];
}

}  // namespace ostrel::sim
