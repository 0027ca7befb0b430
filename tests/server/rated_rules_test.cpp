// The rated record accepts only the start and the end of an account game, with the figures
// the rules give.
#include "server/service/rated_rules.h"

#include <gtest/gtest.h>

namespace ostrel::server {
namespace {

// What a well-behaved program sends at the start of a game.
online::TTarvoGame StartOf(const RatedRow& stored) {
  online::TTarvoGame g = RatedRecordOf(stored);
  g.Kon = stored.kon + 1;
  g.Rating = ProvisionalRating(stored.kon, stored.rating);
  g.KonL = 0;
  g.Score = 0;
  return g;
}

// ... and at its end, from the provisional record it reads back and the cycle it remembers.
online::TTarvoGame EndOf(const RatedRow& provisional, int konl_before, int score_before, int d) {
  online::TTarvoGame g = RatedRecordOf(provisional);
  g.Rating = FinalRating(provisional.kon, provisional.rating, d);
  int c = score_before + d;
  if (konl_before + 1 > 24) {
    g.Best = std::max(g.Best, c);
    g.Sessions += 1;
    g.KonL = 0;
    g.Score = 0;
  } else {
    g.KonL = konl_before + 1;
    g.Score = c;
  }
  return g;
}

TEST(RatedRules, RatingFormulasGiveTheKnownFigures) {
  EXPECT_NEAR(ProvisionalRating(10, 60.4), 9.530909090909, 1e-9);
  EXPECT_NEAR(FinalRating(11, ProvisionalRating(10, 60.4), 120), 65.894545454545, 1e-9);
  EXPECT_NEAR(ProvisionalRating(0, 0), -499.96, 1e-9);
  EXPECT_NEAR(FinalRating(1, -499.96, 40), 40.04, 1e-9);
}

struct GameCase {
  const char* name;
  int konl_before, score_before, best_before, d;
  int konl_after, score_after, best_after, sessions_added;
};

class RatedGame : public ::testing::TestWithParam<GameCase> {};

TEST_P(RatedGame, StartThenEndStoresTheRulesFigures) {
  const GameCase& c = GetParam();
  RatedRow stored;
  stored.kon = 40;
  stored.rating = 33.25;
  stored.konl = c.konl_before;
  stored.score = c.score_before;
  stored.best = c.best_before;
  stored.sessions = 2;
  stored.r2 = "xyz";

  auto provisional = NextRatedRecord(stored, StartOf(stored));
  ASSERT_TRUE(provisional.has_value());
  EXPECT_EQ(provisional->kon, 41);
  EXPECT_EQ(provisional->konl, 0);
  EXPECT_EQ(provisional->score, 0);
  EXPECT_TRUE(provisional->open);

  auto done =
      NextRatedRecord(*provisional, EndOf(*provisional, c.konl_before, c.score_before, c.d));
  ASSERT_TRUE(done.has_value());
  EXPECT_FALSE(done->open);
  EXPECT_EQ(done->kon, 41);
  EXPECT_EQ(done->konl, c.konl_after);
  EXPECT_EQ(done->score, c.score_after);
  EXPECT_EQ(done->best, c.best_after);
  EXPECT_EQ(done->sessions, 2 + c.sessions_added);
  EXPECT_NEAR(done->rating, (40 * (33.25 - 40.0 / 25) + c.d) / 41 + 41.0 / 25, 1e-9);
  // The same end once more would count the game twice.
  EXPECT_FALSE(NextRatedRecord(*done, EndOf(*provisional, c.konl_before, c.score_before, c.d)));
}

INSTANTIATE_TEST_SUITE_P(
    Cycles, RatedGame,
    ::testing::Values(GameCase{"TenthGameOfACycle", 9, 60, 0, 60, 10, 120, 0, 0},
                      GameCase{"CycleClosesWithANewBest", 24, 180, 250, 120, 0, 0, 300, 1},
                      GameCase{"CycleClosesBelowTheBest", 24, 180, 350, 120, 0, 0, 350, 1},
                      GameCase{"LostGame", 3, 10, 0, -262, 4, -252, 0, 0},
                      GameCase{"WidestDifference", 0, 0, 0, kMaxGameDifference, 1,
                               kMaxGameDifference, 0, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(RatedRules, ForgedSavesAreRefused) {
  RatedRow stored;
  stored.kon = 10;
  stored.rating = 60.4;
  stored.konl = 5;
  stored.score = 100;
  stored.best = 90;
  auto provisional = *NextRatedRecord(stored, StartOf(stored));
  const online::TTarvoGame good_end = EndOf(provisional, 5, 100, 120);
  ASSERT_TRUE(NextRatedRecord(provisional, good_end).has_value());

  struct Forgery {
    const char* what;
    RatedRow base;
    online::TTarvoGame sent;
  };
  std::vector<Forgery> forgeries;
  auto add = [&](const char* what, const RatedRow& base, online::TTarvoGame g, auto change) {
    change(g);
    forgeries.push_back({what, base, g});
  };
  add("start skips a game", stored, StartOf(stored), [](auto& g) { g.Kon += 1; });
  add("start without the penalty", stored, StartOf(stored), [](auto& g) { g.Rating = 60.4; });
  add("start keeps the cycle", stored, StartOf(stored), [](auto& g) { g.KonL = 5; });
  add("start raises the best", stored, StartOf(stored), [](auto& g) { g.Best = 5000; });
  add("start changes a reserved text", stored, StartOf(stored), [](auto& g) { g.R2 = "hack"; });
  add("end before a start", stored, good_end, [](auto&) {});
  add("end with a rating no game gives", provisional, good_end, [](auto& g) { g.Rating += 0.5; });
  add("end beyond one game's difference", provisional, EndOf(provisional, 5, 100, 5000),
      [](auto&) {});
  add("end with a forged cycle score", provisional, good_end, [](auto& g) { g.Score += 100; });
  add("end that skips cycle games", provisional, good_end, [](auto& g) { g.KonL += 3; });
  add("end that adds a cycle", provisional, good_end, [](auto& g) { g.Sessions += 1; });
  add("end with fewer games", provisional, good_end, [](auto& g) { g.Kon -= 1; });
  for (const auto& f : forgeries) {
    EXPECT_FALSE(NextRatedRecord(f.base, f.sent).has_value()) << f.what;
  }
}

TEST(RatedRules, AnAbandonedGameLosesItsCycleAndTheNextStartIsAllowed) {
  RatedRow stored;
  stored.kon = 30;
  stored.rating = 12;
  stored.konl = 24;
  stored.score = 400;
  auto abandoned = *NextRatedRecord(stored, StartOf(stored));
  // The program reads back the provisional record (its cycle at 0) and starts again.
  auto next = NextRatedRecord(abandoned, StartOf(abandoned));
  ASSERT_TRUE(next.has_value());
  EXPECT_EQ(next->kon, 32);
  EXPECT_EQ(next->open_konl, 0);
  EXPECT_EQ(next->open_score, 0);
}

}  // namespace
}  // namespace ostrel::server
