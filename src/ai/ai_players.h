// The computer seats as the game flow sees them: the bidding answers and the card choice.
#pragma once

#include <cstdint>
#include <functional>
#include <mutex>

#include "ai/choose_card.h"
#include "game/players.h"
#include "game/random.h"

namespace ostrel {

class AiPlayers : public ComputerPlayers {
 public:
  // The simulator and tests pass a seed; the game passes Random::FromClock().
  explicit AiPlayers(Random random) : random_(random) {}

  bool AcceptProposedTrump(const GameRecord& record, int seat) override;
  int NameTrumpSuit(const GameRecord& record, int seat) override;
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override;

  // The window's progress bar: the share of samples done, 0 to 100, before every sample.
  // It is called on the thread that runs ChooseCard.
  void SetProgress(std::function<void(int percent)> progress) {
    std::lock_guard lock(mutex_);
    hooks_.progress = std::move(progress);
  }
  // The clock behind the time budget (tests simulate a slow machine with it).
  void SetClock(std::function<std::int64_t()> clock_ms) {
    std::lock_guard lock(mutex_);
    hooks_.clock_ms = std::move(clock_ms);
  }
  ChooseCardReport LastReport() {
    std::lock_guard lock(mutex_);
    return last_;
  }

 private:
  // The window may ask from a worker thread; one choice at a time uses the generator.
  std::mutex mutex_;
  Random random_;
  ChooseCardHooks hooks_;
  ChooseCardReport last_;
};

// The simulator's plain baseline: take the trick with the cheapest card that wins it unless the
// partner is already winning it, otherwise throw the cheapest card the rules allow.
int GreedyPlay(const GameRecord& record, int seat, const RuleOptions& options);

}  // namespace ostrel
