#include "app/account/account_game_steps.h"

namespace ostrel {

using namespace online;

namespace {

// The own rated record as the service holds it now; nullopt when it could not be read.
std::optional<TTarvoGame> ReadRecord(const ServiceClient& client, const AccountState& state) {
  const Result<std::string> reply =
      client.Send(RatedRecordReadRequest{state.user.Nick, state.user.Pw});
  if (!reply) return std::nullopt;
  Result<std::optional<TTarvoGame>> record = ParseRatedRecordReply(*reply, state.game);
  if (!record || !record->has_value()) return std::nullopt;
  return **record;
}

bool SaveRecord(const ServiceClient& client, const AccountState& state, const TTarvoGame& game) {
  RatedRecordSaveRequest save;
  save.Nick = state.user.Nick;
  save.Pw = state.user.Pw;
  save.Game = game;
  const Result<std::string> reply = client.Send(save);
  return reply && ParseOkReply(*reply);
}

bool SaveProvisional(const ServiceClient& client, const AccountState& state,
                     const TTarvoGame& provisional, const RetryHooks& hooks) {
  constexpr int kTries = 3;
  for (int attempt = 0; attempt < kTries; ++attempt) {
    if (attempt > 0 && hooks.wait) hooks.wait(kProvisionalRetryWaitMs[attempt - 1]);
    if (SaveRecord(client, state, provisional)) return true;
    if (hooks.failed) hooks.failed();
  }
  return false;
}

}  // namespace

std::optional<AccountGameSetup> StartAccountGame(const ServiceClient& client, AccountState& state,
                                                 const RetryHooks& hooks) {
  state.account_game = false;
  if (state.mode != AccountMode::RatedGame) return std::nullopt;
  const std::optional<TTarvoGame> read = ReadRecord(client, state);
  state.record_found = read.has_value();
  if (read) {
    const TTarvoGame provisional = ProvisionalRecord(*read);
    const bool saved = SaveProvisional(client, state, provisional, hooks);
    // The service keeps the provisional figures; the game is set up from those it started
    // with, and its end needs the count the start saved.
    state.game = *read;
    if (saved) {
      state.account_game = true;
      state.started_kon = provisional.Kon;
      return SetupOf(*read);
    }
  }
  state.mode = AccountMode::SignedOut;
  return std::nullopt;
}

AccountGameEnd SaveAccountGameEnd(const ServiceClient& client, AccountState& state, int difference,
                                  int cycle_score) {
  const std::optional<TTarvoGame> read = ReadRecord(client, state);
  if (!read) return AccountGameEnd::Failed;
  const std::optional<FinishedAccountGame> done =
      FinishRecord(*read, difference, cycle_score, state.game.KonL, state.started_kon);
  if (!done) return AccountGameEnd::NotRated;
  if (!SaveRecord(client, state, done->record)) return AccountGameEnd::Failed;
  state.game = done->record;
  state.record_found = true;
  return done->cycle_closed ? AccountGameEnd::CycleClosed : AccountGameEnd::Saved;
}

void CloseAccountGame(AccountState& state) {
  state.account_game = false;
  state.started_kon = 0;
  if (state.mode == AccountMode::RatedGame) state.mode = AccountMode::SignedIn;
}

Result<int> ReportAccountCycle(const ServiceClient& client, const AccountState& state,
                               int cycle_score) {
  TopTenWriteRequest write;
  write.Gid = ServiceGameId(GameList::ClubAccounts);
  write.Nick = state.user.Nick;
  write.City = state.user.City;
  write.Country = state.user.Country1;
  write.Score = cycle_score;
  write.R7 = std::string(1, state.user.Sex);
  write.R9 = "#";
  write.R10 = "#";
  const Result<std::string> reply = client.Send(write);
  if (!reply) return Error{reply.error()};
  return ParseNumberReply(*reply);
}

}  // namespace ostrel
