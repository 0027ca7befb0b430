// The account's side of an account game, as steps that block on the service (the windows run
// them on a worker thread): the start with its provisional record, the record's update at the
// game's end, and the report of a closed cycle to the club-account list. The rules
// themselves are online/account_games.h.
#pragma once

#include <functional>
#include <optional>

#include "app/account/account_state.h"
#include "online/account_games.h"

namespace ostrel {

// How the start waits between its tries to save the provisional record and tells of each
// failed one (the window plays "WWrongs"; tests wait for nothing).
struct RetryHooks {
  std::function<void(int ms)> wait;
  std::function<void()> failed;
};

// The waits before the second and the third try.
inline constexpr int kProvisionalRetryWaitMs[] = {2000, 3000};

// Starts an account game when the state is in RatedGame mode: reads the record, saves the
// provisional record (three tries) and, when one save went through, turns the account-game
// flag on and returns the new game's values. The local record keeps the figures as read.
// nullopt: no game; when the record could not be read or saved the player is signed out.
std::optional<online::AccountGameSetup> StartAccountGame(const ServiceClient& client,
                                                         AccountState& state,
                                                         const RetryHooks& hooks);

enum class AccountGameEnd {
  Saved,        // the record holds the game
  CycleClosed,  // ... and the game closed a cycle of 25
  Failed,       // the record could not be read or saved; it may be tried again
  NotRated,     // the record read back does not hold the started game; trying again cannot help
};

// One try of the end of an account game with its score difference and the cycle score
// including it. On success the local record is the one saved; otherwise it stays as it was.
AccountGameEnd SaveAccountGameEnd(const ServiceClient& client, AccountState& state, int difference,
                                  int cycle_score);

// The account game is over (ended or left): the flag goes off and RatedGame becomes SignedIn.
void CloseAccountGame(AccountState& state);

// Writes a closed cycle's score to the club-account list; the place reached, or an error.
online::Result<int> ReportAccountCycle(const ServiceClient& client, const AccountState& state,
                                       int cycle_score);

}  // namespace ostrel
