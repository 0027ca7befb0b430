// The computer seats as the flow uses them, and the greedy baseline of the simulator.
#include <gtest/gtest.h>

#include "ai/ai_players.h"
#include "ai/deal_sampler.h"
#include "test_builders.h"

namespace ostrel {
namespace {

using namespace ostrel::testing;

TEST(AiPlayers, PlaysWholeDealsWithCardsTheRulesAllow) {
  AiPlayers players{Random(21)};
  for (std::uint64_t seed = 1; seed <= 6; ++seed) {
    RuleOptions options;
    options.TrumpRequired = seed % 2 == 0;
    options.BellaFirstHandOnly = seed % 3 == 0;
    PlayPosition deal = MakePlayPosition(seed, 0, options);
    GameRecord& r = deal.record;
    int total = 0;
    for (int card = 0; card < 32; ++card) {
      const int seat = r.Phase - 20;
      const GameRecord before = r;
      const int p = players.ChooseCard(r, seat, options);
      ASSERT_EQ(CanPlay(r, seat, p, options.TrumpRequired), kAllowed) << "seed " << seed;
      ASSERT_FALSE(players.LastReport().fallback) << "seed " << seed << " card " << card;
      ASSERT_EQ(r.Memory.NotHeld, before.Memory.NotHeld);  // the choice changes nothing
      PlayOne(r, options, p);
    }
    for (int team = 1; team <= 2; ++team) total += r.DealPoints[team];
    EXPECT_GE(total, 162);  // every trick point and the last trick went to a team
  }
}

TEST(AiPlayers, AsksTheTrumpDecisionForTheBidding) {
  PlayPosition deal = MakePlayPosition(5, 0, RuleOptions{});
  AiPlayers players{Random(1)};
  // The same seat and hand always give the same answers.
  for (int seat = 1; seat <= 4; ++seat) {
    EXPECT_EQ(players.AcceptProposedTrump(deal.record, seat),
              players.AcceptProposedTrump(deal.record, seat));
    const int suit = players.NameTrumpSuit(deal.record, seat);
    EXPECT_GE(suit, 0);
    EXPECT_LE(suit, 4);
  }
}

TEST(DecisionSettings, HorizonAndFlagsFollowTheTrickAndTheHand) {
  struct Case {
    int trick, place, cards, depth;
    bool transposition, pruning;
  };
  const Case cases[] = {
      {1, 1, 8, 9, true, true},    {2, 4, 7, 6, true, true},   {3, 2, 6, 12, true, true},
      {4, 1, 5, 57, true, true},   {5, 3, 4, 55, true, false}, {6, 1, 3, 57, false, false},
      {7, 4, 2, 54, false, false},
  };
  for (const auto& c : cases) {
    const SearchSettings s = DecisionSettings(c.trick, c.place, c.cards, kSpades, RuleOptions{});
    EXPECT_EQ(s.depth_limit, c.depth) << c.trick << "/" << c.place;
    EXPECT_EQ(s.transposition, c.transposition) << c.cards;
    EXPECT_EQ(s.pruning, c.pruning) << c.cards;
  }
  const int counts[][2] = {{2, 200}, {3, 100}, {4, 30}, {5, 12}, {7, 12}, {8, 5}};
  for (const auto& c : counts) EXPECT_EQ(SampleCount(c[0]), c[1]);
}

// Seat 1 leads; spades are trumps.
class GreedyTest : public ::testing::Test {
 protected:
  void SetUp() override {
    record_ = Record({"Кч 7к 8к 9к 1к Вк Дк Кк", "7ч 9ч Тч 7б 8б 9б 1б Вб",
                      "8ч 1ч Дб Кб Тб 7п 8п 9п", "Вч Дч Тк 1п Вп Дп Кп Тп"},
                     kSpades, 1, 1, "Тп");
  }
  int Greedy() { return GreedyPlay(record_, record_.Phase - 20, options_); }
  CardCode Chosen() { return record_.Hand[record_.Phase - 20][Greedy()]; }

  RuleOptions options_;
  GameRecord record_;
};

TEST_F(GreedyTest, TakesTheTrickWithTheCheapestWinningCard) {
  Play(record_, options_, "Кч");
  EXPECT_EQ(Chosen(), Card("Тч"));  // only the ace beats the king
}

TEST_F(GreedyTest, ThrowsTheCheapestCardWhenItCannotWin) {
  Play(record_, options_, "Кч");
  Play(record_, options_, "7ч");
  Play(record_, options_, "8ч");
  // Seat 4 holds the jack and queen of hearts, both below the king: the cheaper jack goes.
  EXPECT_EQ(Chosen(), Card("Вч"));
}

TEST_F(GreedyTest, LeavesATrickThePartnerIsWinning) {
  Play(record_, options_, "Кч");
  Play(record_, options_, "7ч");
  // Seat 1 (the partner of seat 3) is winning with the king: seat 3 keeps its ten.
  EXPECT_EQ(Chosen(), Card("8ч"));
}

TEST_F(GreedyTest, ObeysTheRules) {
  Play(record_, options_, "7к");
  // Seat 2 has no clubs and no trumps: anything goes, and nothing wins: the cheapest.
  EXPECT_EQ(Chosen(), Card("7ч"));
  Play(record_, options_, "7ч");
  // Seat 3 has no clubs but trumps: it must trump, and the cheapest trump wins.
  EXPECT_EQ(Chosen(), Card("7п"));
}

}  // namespace
}  // namespace ostrel
