// The start of an account game when the service reads the record but refuses every save: three
// tries with the waits between them, a failure told after each, then the player is signed out
// and the local record keeps the figures as read. A scripted loopback server answers every
// account request with the same record, which no save takes for "ok".
#include <gtest/gtest.h>

#include "app/account/account_game_steps.h"
#include "online/replies.h"
#include "support/local_http_server.h"

namespace ostrel {
namespace {

TEST(AccountGameSteps, ProvisionalSaveIsTriedThreeTimesThenSignsOut) {
  testing::LocalHttpServer server;
  online::TTarvoGame stored;
  stored.Kon = 10;
  stored.Rating = 60.4;
  stored.KonL = 9;
  stored.Score = 80;
  server.Serve("/service/account", testing::HttpReply::Body(online::BuildRatedRecordReply(stored)));
  AccountState state;
  state.mode = AccountMode::RatedGame;
  state.user.Nick = "Walter";
  state.user.Pw = "secret1";
  std::vector<int> waits;
  int failures = 0;
  RetryHooks hooks;
  hooks.wait = [&](int ms) { waits.push_back(ms); };
  hooks.failed = [&] { ++failures; };

  EXPECT_FALSE(StartAccountGame(ServiceClient(server.Url("")), state, hooks));
  EXPECT_EQ(failures, 3);
  EXPECT_EQ(waits, (std::vector<int>{2000, 3000}));
  EXPECT_EQ(server.Requests().size(), 4u);  // one read, three saves
  EXPECT_EQ(state.mode, AccountMode::SignedOut);
  EXPECT_FALSE(state.account_game);
  EXPECT_EQ(state.game.Kon, 10);
  EXPECT_EQ(state.game.KonL, 9);
  EXPECT_EQ(state.game.Score, 80);
  EXPECT_DOUBLE_EQ(state.game.Rating, 60.4);
}

// The same service at the end of a game: the record is read, the save refused; the local
// record stays as the game started from, so that the next try starts over from it.
TEST(AccountGameSteps, RefusedEndSaveKeepsTheLocalRecord) {
  testing::LocalHttpServer server;
  online::TTarvoGame stored;
  stored.Kon = 11;
  stored.Rating = online::ProvisionalRating(10, 60.4);
  server.Serve("/service/account", testing::HttpReply::Body(online::BuildRatedRecordReply(stored)));
  AccountState state;
  state.mode = AccountMode::RatedGame;
  state.account_game = true;
  state.started_kon = 11;
  state.game.Kon = 10;
  state.game.Rating = 60.4;
  state.game.KonL = 9;
  const online::TTarvoGame before = state.game;
  EXPECT_EQ(SaveAccountGameEnd(ServiceClient(server.Url("")), state, 120, 200),
            AccountGameEnd::Failed);
  EXPECT_EQ(state.game, before);
  EXPECT_EQ(state.mode, AccountMode::RatedGame);
}

}  // namespace
}  // namespace ostrel
