// The card choice: what the memory tells the samples, the pools and their restarts, the
// fallbacks, the time budget and the progress.
#include <gtest/gtest.h>

#include <set>

#include "ai/choose_card.h"
#include "ai/deal_sampler.h"
#include "test_builders.h"

namespace ostrel {
namespace {

using namespace ostrel::testing;

// Seat 1 holds no hearts and no spades, seat 2 no spades and no clubs, seat 4 no hearts;
// spades are trumps and seat 4 was handed the turned-up king of spades.
class ChooseCardTest : public ::testing::Test {
 protected:
  void SetUp() override {
    options_.TrumpRequired = true;
    options_.BellaFirstHandOnly = false;
    record_ = Record({"7б 8б 9б 1б 7к 8к 9к 1к", "7ч 8ч 9ч 1ч Вб Дб Кб Тб",
                      "Вч Дч Кч Тч 7п 8п 9п 1п", "Вк Дк Кк Тк Вп Дп Кп Тп"},
                     kSpades, 1, 3, "Кп");
  }

  // Seat 3 led the ace of hearts: seat 4 trumped with the king, seat 1 could do neither, seat 2
  // followed. Seat 4 then led the ace of clubs, seat 1 followed and seat 2 could do neither.
  // Seat 3 is to play.
  void PlayTwoTricks() {
    for (const char* card : {"Тч", "Кп", "7б", "7ч", "Тк", "7к", "Вб"})
      Play(record_, options_, card);
    ASSERT_EQ(record_.Phase, 23);
  }

  // Every sample deals each unseen card once, in hands of the right sizes.
  static void ExpectWholeDeal(const SearchNode& node, const GameRecord& r, int seat) {
    std::set<int> cards;
    int total = 0;
    for (int h = 1; h <= 4; ++h) {
      int count = 0;
      for (int p = 1; p <= 9; ++p) {
        if (node.hands[h].cards[p].IsEmpty()) continue;
        cards.insert(DeckTableNumber(node.hands[h].cards[p]));
        ++count;
      }
      EXPECT_EQ(count, r.CardCount[SeatAfter(seat, h - 1)]);
      total += count;
    }
    EXPECT_EQ(static_cast<int>(cards.size()), total);
  }

  RuleOptions options_;
  GameRecord record_;
};

TEST_F(ChooseCardTest, AKnownCardStaysWithItsOwnerUntilPlayed) {
  DealSampler before(record_, 3, options_);
  ASSERT_TRUE(before.ok());
  Random random(1);
  for (int i = 0; i < 100; ++i) {
    const auto node = before.Draw(random);
    ASSERT_TRUE(node);
    EXPECT_TRUE(HandHas(node->hands[2], "Кп"));  // next is seat 4
    ExpectWholeDeal(*node, record_, 3);
  }
  PlayTwoTricks();
  DealSampler after(record_, 3, options_);
  ASSERT_TRUE(after.ok());
  for (int i = 0; i < 100; ++i) {
    const auto node = after.Draw(random);
    ASSERT_TRUE(node);
    for (int h = 2; h <= 4; ++h) {
      for (const char* played : {"Кп", "Тч", "7б", "7ч", "Тк", "7к", "Вб"}) {
        EXPECT_FALSE(HandHas(node->hands[h], played)) << played;
      }
    }
  }
}

TEST_F(ChooseCardTest, TheMemoryShapesEverySample) {
  PlayTwoTricks();
  DealSampler sampler(record_, 3, options_);
  ASSERT_TRUE(sampler.ok());
  // Hearts only seat 2 can still hold are fixed there; so are the spades only seat 4 can.
  EXPECT_EQ(sampler.Known(3),
            (std::vector<int>{DeckTableNumber(Card("8ч")), DeckTableNumber(Card("9ч")),
                              DeckTableNumber(Card("1ч"))}));
  EXPECT_EQ(sampler.Known(1).size(), 3u);
  Random random(2);
  for (int i = 0; i < 200; ++i) {
    const auto node = sampler.Draw(random);
    ASSERT_TRUE(node);
    ExpectWholeDeal(*node, record_, 3);
    const SearchHand& next = node->hands[2];
    const SearchHand& partner = node->hands[3];
    const SearchHand& previous = node->hands[4];
    EXPECT_EQ(CountSuit(partner, kHearts), 0);  // seat 1 followed neither hearts nor trumps
    EXPECT_EQ(CountSuit(partner, kSpades), 0);
    EXPECT_EQ(CountSuit(next, kHearts), 0);  // seat 4 trumped a heart lead
    EXPECT_EQ(CountSuit(previous, kClubs), 0);
    EXPECT_EQ(CountSuit(previous, kSpades), 0);
    for (const char* card : {"8ч", "9ч", "1ч"}) EXPECT_TRUE(HandHas(previous, card));
    for (const char* card : {"Вп", "Дп", "Тп"}) EXPECT_TRUE(HandHas(next, card));
  }
  // Seat 2 can only take diamonds; when the others drew too many of them the sample began again.
  EXPECT_GT(sampler.restarts(), 0);
}

TEST_F(ChooseCardTest, ChoosesACardTheRulesAllowFromAllSamples) {
  PlayTwoTricks();
  Random random(3);
  ChooseCardReport report;
  const int p = ChooseCard(record_, 3, options_, random, {}, &report);
  EXPECT_EQ(CanPlay(record_, 3, p, true), kAllowed);
  EXPECT_EQ(record_.Hand[3][p].suit, kSpades);  // no club: it must trump
  EXPECT_FALSE(report.fallback);
  EXPECT_EQ(report.samples, 12);
  EXPECT_GT(report.nodes, 0u);
}

TEST_F(ChooseCardTest, AMemoryThatDisagreesWithTheDealGivesUpSampling) {
  PlayTwoTricks();
  struct Case {
    const char* what;
    void (*spoil)(GameRecord&);
  };
  const Case cases[] = {
      {"next can hold nothing",
       [](GameRecord& r) {
         for (int n = 1; n <= kDeckSize; ++n) AddToCardList(DeckTableCard(n), r.Memory.NotHeld[4]);
       }},
      {"a card nobody can hold",
       [](GameRecord& r) {
         for (int seat : {4, 1, 2}) AddToCardList(Card("8б"), r.Memory.NotHeld[seat]);
       }},
      {"a card known in two hands",
       [](GameRecord& r) {
         AddToCardList(Card("Дк"), r.Memory.KnownHeld[4]);
         AddToCardList(Card("Дк"), r.Memory.KnownHeld[1]);
       }},
  };
  for (const auto& c : cases) {
    GameRecord spoilt = record_;
    c.spoil(spoilt);
    Random random(4);
    ChooseCardReport report;
    const int p = ChooseCard(spoilt, 3, options_, random, {}, &report);
    EXPECT_TRUE(report.memory_disagrees) << c.what;
    EXPECT_TRUE(report.fallback) << c.what;
    EXPECT_EQ(report.samples, 0) << c.what;
    EXPECT_EQ(p, LowestAllowedPosition(spoilt, 3, true)) << c.what;
  }
}

TEST_F(ChooseCardTest, TheTimeBudgetStopsSampling) {
  Random random(5);
  int calls = 0;
  // The first sample already overruns: nothing counted, the lowest allowed card.
  ChooseCardHooks slow;
  slow.clock_ms = [&] { return calls++ == 0 ? 0 : 20000; };
  ChooseCardReport report;
  EXPECT_EQ(ChooseCard(record_, 3, options_, random, slow, &report), 1);
  EXPECT_TRUE(report.timed_out);
  EXPECT_TRUE(report.fallback);
  EXPECT_EQ(report.samples, 0);
  // The budget runs out during the third sample: two are counted and decide.
  calls = 0;
  ChooseCardHooks later;
  later.clock_ms = [&] { return calls++ < 3 ? 0 : kChoiceBudgetMs + 1; };
  ChooseCard(record_, 3, options_, random, later, &report);
  EXPECT_TRUE(report.timed_out);
  EXPECT_FALSE(report.fallback);
  EXPECT_EQ(report.samples, 2);
}

TEST_F(ChooseCardTest, ReportsProgressBeforeEverySample) {
  Random random(6);
  std::vector<int> seen;
  ChooseCardHooks hooks;
  hooks.progress = [&](int percent) { seen.push_back(percent); };
  ChooseCard(record_, 3, options_, random, hooks);
  EXPECT_EQ(seen, (std::vector<int>{20, 40, 60, 80, 100}));  // eight cards: five samples
}

TEST(ProgressPercent, RoundsHalvesToEven) {
  struct Case {
    int k, n, percent;
  };
  const Case cases[] = {{1, 200, 0}, {3, 200, 2}, {5, 200, 2},  {1, 12, 8},
                        {6, 12, 50}, {1, 30, 3},  {30, 30, 100}};
  for (const auto& c : cases) EXPECT_EQ(ProgressPercent(c.k, c.n), c.percent) << c.k << "/" << c.n;
}

TEST_F(ChooseCardTest, TotalsDecideAndTiesGoToTheLowerPosition) {
  const int queen = RecordPosition(record_, 3, "Дч");
  // A search that values every card alike, or one card higher.
  const auto flat = [](double extra, CardCode favourite) {
    return [=](const SearchNode& node, const SearchSettings&) {
      SearchResult r;
      r.root_values.fill(kNotTried);
      for (int p = 1; p <= 8; ++p) {
        if (node.hands[1].cards[p].IsEmpty()) continue;
        r.root_values[p] = node.hands[1].cards[p] == favourite ? 5 + extra : 5;
      }
      return r;
    };
  };
  Random random(7);
  ChooseCardHooks hooks;
  hooks.search = flat(0, kEmptyCard);
  EXPECT_EQ(ChooseCard(record_, 3, options_, random, hooks), 1);
  hooks.search = flat(0.5, Card("Дч"));
  EXPECT_EQ(ChooseCard(record_, 3, options_, random, hooks), queen);
}

TEST_F(ChooseCardTest, NeverPlaysARefusedCardWhateverTheSearchSays) {
  PlayTwoTricks();
  // A faulty search that likes only the hearts, which seat 3 may not play on a club lead
  // while it holds trumps.
  ChooseCardHooks hooks;
  hooks.search = [](const SearchNode& node, const SearchSettings&) {
    SearchResult r;
    r.root_values.fill(kNotTried);
    for (int p = 1; p <= 8; ++p) {
      if (node.hands[1].cards[p].suit == kHearts) r.root_values[p] = 100;
    }
    return r;
  };
  Random random(8);
  ChooseCardReport report;
  const int p = ChooseCard(record_, 3, options_, random, hooks, &report);
  EXPECT_TRUE(report.fallback);
  EXPECT_EQ(CanPlay(record_, 3, p, true), kAllowed);
  EXPECT_EQ(p, LowestAllowedPosition(record_, 3, true));
}

TEST(ChooseCard, ALastCardIsPlayedWithoutSampling) {
  const PlayPosition last = MakePlayPosition(11, 31, RuleOptions{});
  ASSERT_EQ(last.record.CardCount[last.seat], 1);
  int searches = 0;
  ChooseCardHooks hooks;
  hooks.search = [&](const SearchNode&, const SearchSettings&) {
    ++searches;
    return SearchResult{};
  };
  Random random(9);
  EXPECT_EQ(ChooseCard(last.record, last.seat, last.options, random, hooks), 1);
  EXPECT_EQ(searches, 0);
}

TEST(ChooseCard, PlaysAllowedCardsWithAnAgreeingMemoryAcrossDeals) {
  Random random(10);
  for (const auto& position : MakeCorpus(12, 64)) {
    ChooseCardReport report;
    const int p = ChooseCard(position.record, position.seat, position.options, random, {}, &report);
    ASSERT_EQ(CanPlay(position.record, position.seat, p, position.options.TrumpRequired), kAllowed);
    EXPECT_FALSE(report.memory_disagrees);
    EXPECT_FALSE(report.fallback);
  }
}

}  // namespace
}  // namespace ostrel
