// The account-game rules with the figures of the club's rating: the provisional record of a
// started game, the record after its end, and the cycle of 25 it continues or closes.
#include "online/account_games.h"

#include <gtest/gtest.h>

namespace ostrel::online {
namespace {

TTarvoGame Record(int kon, double rating, int konl, int score, int best = 0, int sessions = 0) {
  TTarvoGame g;
  g.Kon = kon;
  g.Rating = rating;
  g.KonL = konl;
  g.Score = score;
  g.Best = best;
  g.Sessions = sessions;
  g.R1 = 7;
  g.R2 = "x";
  return g;
}

TEST(AccountGameRating, ProvisionalThenFinalFollowTheRule) {
  struct Case {
    int games;
    double rating;
    double provisional;
    int difference;
    double final_rating;
  };
  const Case cases[] = {
      {0, 0.0, -499.96, 40, 40.04},                      // a first game won by 40
      {0, 0.0, -499.96, -30, -29.96},                    // a first game lost by 30
      {10, 60.4, 9.530909090909, 120, 65.894545454545},  // S = 600 over 10 games
      {24, 100.96, 77.0, 0, 97.0},                       // S = 2400; a drawn 25th game
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.games);
    const double provisional = ProvisionalRating(c.games, c.rating);
    EXPECT_NEAR(provisional, c.provisional, 1e-9);
    EXPECT_NEAR(FinalRating(c.games + 1, provisional, c.difference), c.final_rating, 1e-9);
  }
}

// The start saves one more game lost by 500, the cycle at 0, and leaves the rest as read;
// a game never finished stays so at the service, which loses the cycle in progress.
TEST(AccountGameStart, ProvisionalRecordChargesTheGameAndClearsTheCycle) {
  const TTarvoGame read = Record(24, 100.96, 24, 300, 250, 3);
  const TTarvoGame sent = ProvisionalRecord(read);
  EXPECT_EQ(sent.Kon, 25);
  EXPECT_NEAR(sent.Rating, 77.0, 1e-9);
  EXPECT_EQ(sent.KonL, 0);
  EXPECT_EQ(sent.Score, 0);
  EXPECT_EQ(sent.Best, 250);
  EXPECT_EQ(sent.Sessions, 3);
  EXPECT_EQ(sent.R1, 7);
  EXPECT_EQ(sent.R2, "x");
  // The next game starts from what the abandoned one left: a new cycle.
  const AccountGameSetup next = SetupOf(sent);
  EXPECT_EQ(next.game_number, 26);
  EXPECT_EQ(next.cycle_game, 1);
  EXPECT_EQ(next.initial_score, 0);
}

TEST(AccountGameStart, SetupTakesTheRecordAsRead) {
  const AccountGameSetup s = SetupOf(Record(10, 60.4, 9, 80));
  EXPECT_EQ(s.game_number, 11);
  EXPECT_EQ(s.initial_score, 80);
  EXPECT_DOUBLE_EQ(s.rating_before, 60.4);
  EXPECT_EQ(s.cycle_game, 10);
}

TEST(AccountGameEnd, CycleContinuesOrCloses) {
  struct Case {
    const char* name;
    int konl_before, best, cycle_score;
    int konl, score, best_after, sessions_after;
    bool closed;
  };
  const Case cases[] = {
      {"first game", 0, 0, 40, 1, 40, 0, 2, false},
      {"10th game", 9, 0, 120, 10, 120, 0, 2, false},
      {"24th game", 23, 250, 280, 24, 280, 250, 2, false},
      {"25th game, new best", 24, 250, 300, 0, 0, 300, 3, true},
      {"25th game, best kept", 24, 350, 300, 0, 0, 350, 3, true},
      {"25th game, negative cycle", 24, 0, -20, 0, 0, 0, 3, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    // As read back at the end: the provisional record of the start.
    const TTarvoGame read = Record(11, ProvisionalRating(10, 60.4), 0, 0, c.best, 2);
    const auto done = FinishRecord(read, 120, c.cycle_score, c.konl_before, 11);
    ASSERT_TRUE(done.has_value());
    EXPECT_NEAR(done->record.Rating, 65.894545454545, 1e-9);
    EXPECT_EQ(done->record.Kon, 11);
    EXPECT_EQ(done->record.KonL, c.konl);
    EXPECT_EQ(done->record.Score, c.score);
    EXPECT_EQ(done->record.Best, c.best_after);
    EXPECT_EQ(done->record.Sessions, c.sessions_after);
    EXPECT_EQ(done->cycle_closed, c.closed);
    EXPECT_EQ(done->record.R2, "x");
  }
}

// A record that does not hold the game this program started cannot be rated: with no games
// the rule would divide by zero, and with another count another start came in between.
TEST(AccountGameEnd, RecordWithoutTheStartedGameIsNotRated) {
  const struct {
    int kon_read, kon_started;
  } cases[] = {{0, 1}, {0, 0}, {-3, -3}, {12, 11}, {10, 11}};
  for (const auto& c : cases) {
    SCOPED_TRACE(c.kon_read);
    EXPECT_FALSE(FinishRecord(Record(c.kon_read, 5.0, 0, 0), 40, 40, 0, c.kon_started));
  }
}

TEST(AccountLineText, BothViews) {
  struct Case {
    const char* nick;
    int view;
    TTarvoGame record;
    const char* line;
  };
  const Case cases[] = {
      {"Walter", 1, Record(34, 12.5, 9, 120),  //
       "Walter                    9       120"},
      {"Walter", 2, Record(34, 12.5, 9, 120),  // 12.5 rounds away from zero
       "Walter                     34      13"},
      {"Walter", 2, Record(1, -499.96, 0, 0),  //
       "Walter                      1    -500"},
      // Padded by characters: the Cyrillic nick is 4 characters, 8 bytes.
      {"Вова", 1, Record(3, 1.0, 24, -1500),  //
       "Вова                     24     -1500"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.line);
    EXPECT_EQ(AccountLine(c.record, c.nick, c.view), c.line);
  }
}

}  // namespace
}  // namespace ostrel::online
