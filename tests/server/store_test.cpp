// The store on both databases: the same cases, run once on SQLite and once on PostgreSQL.
#include "server/store/store.h"

#include <gtest/gtest.h>

#include <atomic>
#include <thread>

#include "test_db.h"

namespace ostrel::server {
namespace {

using testing::Backend;

class StoreTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    auto url = testing::FreshDatabase(GetParam(), dir_);
    if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
    url_ = *url;
    store_ = std::make_unique<Store>(url_, 4);
  }

  static AccountRow Account(const std::string& nick) {
    AccountRow a;
    a.nick = nick;
    a.pw_hash = "$argon2id$hash-of-" + nick;
    a.city = "Москва";
    a.country1 = "Russia";
    a.country2 = "1-001";
    a.sex = "W";
    a.email = nick + "@example.org";
    a.dater = "01.02.2024";
    a.r01 = a.r02 = a.r03 = "xxx";
    return a;
  }

  testing::TempDir dir_;
  std::string url_;
  std::unique_ptr<Store> store_;
};

TEST_P(StoreTest, AccountRoundTripsAndNicksAreUniqueWhateverTheirCase) {
  ASSERT_TRUE(store_->CreateAccount(Account("Player1"), 1000, {"crddb4"}));
  EXPECT_FALSE(store_->CreateAccount(Account("pLAYER1"), 1001, {"crddb4"}));
  auto a = store_->FindAccount("PLAYER1");
  ASSERT_TRUE(a.has_value());
  EXPECT_EQ(a->nick, "Player1");
  EXPECT_EQ(a->city, "Москва");
  EXPECT_EQ(a->sex, "W");
  EXPECT_EQ(a->r03, "xxx");
  EXPECT_EQ(store_->CountAccounts(), 1);
  EXPECT_FALSE(store_->FindAccount("Player2").has_value());
  // A new account has an empty profile and a rated record with no games.
  auto p = store_->ReadProfile("player1");
  ASSERT_TRUE(p.has_value());
  EXPECT_EQ((*p)[0], "");
  auto r = store_->ReadRated("player1", "crddb4");
  ASSERT_TRUE(r.has_value());
  EXPECT_EQ(*r, RatedRow{});
  EXPECT_FALSE(store_->ReadRated("player1", "other").has_value());
}

TEST_P(StoreTest, QuotesAndSqlInTextsAreStoredAsText) {
  AccountRow a = Account("x'); DROP TABLE accounts;--");
  a.city = "O'Brien \"city\"";
  ASSERT_TRUE(store_->CreateAccount(a, 1, {}));
  auto back = store_->FindAccount(a.nick);
  ASSERT_TRUE(back.has_value());
  EXPECT_EQ(back->city, a.city);
  EXPECT_EQ(store_->CountAccounts(), 1);
}

TEST_P(StoreTest, RacingCreationsOfOneNickHaveExactlyOneWinner) {
  constexpr int kThreads = 4;
  std::atomic<int> wins{0};
  std::vector<std::thread> threads;
  for (int i = 0; i < kThreads; ++i) {
    threads.emplace_back([&, i] {
      AccountRow a = Account(i % 2 ? "Racer" : "RACER");
      if (store_->CreateAccount(a, i, {"crddb4"})) ++wins;
    });
  }
  for (auto& t : threads) t.join();
  EXPECT_EQ(wins.load(), 1);
  EXPECT_EQ(store_->CountAccounts(), 1);
}

TEST_P(StoreTest, WrongPasswordsLockTheNickAfterTheLimitAndCountAgainAfterIt) {
  ASSERT_TRUE(store_->CreateAccount(Account("Locky"), 0, {}));
  for (int i = 0; i < 2; ++i) store_->RecordWrongPassword("locky", 100, 3, 60);
  auto s = store_->FindLogin("LOCKY");
  ASSERT_TRUE(s.has_value());
  EXPECT_EQ(s->failures, 2);
  EXPECT_EQ(s->locked_until, 0);
  store_->RecordWrongPassword("locky", 100, 3, 60);
  s = store_->FindLogin("locky");
  EXPECT_EQ(s->locked_until, 160);
  EXPECT_EQ(s->failures, 0);
  store_->RecordWrongPassword("locky", 200, 3, 60);
  store_->ClearWrongPasswords("locky");
  EXPECT_EQ(store_->FindLogin("locky")->failures, 0);
}

TEST_P(StoreTest, ProfileSaveReachesOnlyExistingAccounts) {
  ASSERT_TRUE(store_->CreateAccount(Account("Prof"), 0, {}));
  ProfileRow p;
  for (int i = 0; i < kProfileTexts; ++i) p[i] = "text " + std::to_string(i) + " ё";
  EXPECT_TRUE(store_->SaveProfile("prof", p));
  EXPECT_EQ(store_->ReadProfile("PROF"), p);
  EXPECT_FALSE(store_->SaveProfile("nobody", p));
  EXPECT_FALSE(store_->ReadProfile("nobody").has_value());
}

TEST_P(StoreTest, RatedUpdateStoresWhatTheDecisionReturnsOrNothing) {
  ASSERT_TRUE(store_->CreateAccount(Account("Rater"), 0, {"crddb4"}));
  EXPECT_FALSE(store_->UpdateRated("rater", "crddb4",
                                   [](const RatedRow&) { return std::optional<RatedRow>{}; }));
  EXPECT_EQ(*store_->ReadRated("rater", "crddb4"), RatedRow{});
  RatedRow next;
  next.kon = 3;
  next.rating = 12.5;
  next.r2 = "zz";
  next.open = true;
  next.open_konl = 7;
  next.open_score = -40;
  EXPECT_TRUE(store_->UpdateRated("rater", "crddb4",
                                  [&](const RatedRow&) { return std::optional<RatedRow>(next); }));
  EXPECT_EQ(*store_->ReadRated("rater", "crddb4"), next);
  EXPECT_FALSE(store_->UpdateRated("nobody", "crddb4",
                                   [&](const RatedRow&) { return std::optional<RatedRow>(next); }));
}

TEST_P(StoreTest, RatingListIsBestFirstWithoutPlayersWithoutGames) {
  const struct {
    const char* nick;
    int kon;
    double rating;
  } kPlayers[] = {
      {"Low", 3, -20.5}, {"High", 9, 80.25}, {"Mid", 1, 10}, {"Idle", 0, 0}, {"Mid2", 4, 10}};
  for (const auto& p : kPlayers) {
    ASSERT_TRUE(store_->CreateAccount(Account(p.nick), 0, {"crddb4"}));
    RatedRow r;
    r.kon = p.kon;
    r.rating = p.rating;
    ASSERT_TRUE(store_->UpdateRated(p.nick, "crddb4",
                                    [&](const RatedRow&) { return std::optional<RatedRow>(r); }));
  }
  auto list = store_->RatingList("crddb4", 10);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].nick, "High");
  EXPECT_EQ(list[1].nick, "Mid");  // ties by nick
  EXPECT_EQ(list[2].nick, "Mid2");
  EXPECT_EQ(list[3].nick, "Low");
  EXPECT_DOUBLE_EQ(list[0].rating, 80.25);
  EXPECT_EQ(list[0].city, "Москва");
  EXPECT_EQ(store_->RatingList("crddb4", 2).size(), 2u);
  ASSERT_EQ(store_->RatingList("crddb4", 1).size(), 1u);  // a one-row read is still a list
  EXPECT_EQ(store_->RatingList("crddb4", 1)[0].nick, "High");
  EXPECT_EQ(store_->RatingPlace("crddb4", 100), 1);
  EXPECT_EQ(store_->RatingPlace("crddb4", 10), 2);
  EXPECT_EQ(store_->RatingPlace("crddb4", -20.5), 4);
  EXPECT_EQ(store_->RatingPlace("crddb4", -1000), 5);
}

// The rating list is kept for a moment between reads; a save must show in the next read.
TEST_P(StoreTest, RatingListFollowsASaveAtOnce) {
  const auto rate = [&](const char* nick, double rating) {
    RatedRow r;
    r.kon = 1;
    r.rating = rating;
    return store_->UpdateRated(nick, "crddb4",
                               [&](const RatedRow&) { return std::optional<RatedRow>(r); });
  };
  for (const char* nick : {"First", "Second", "Third"}) {
    ASSERT_TRUE(store_->CreateAccount(Account(nick), 0, {"crddb4"}));
  }
  ASSERT_TRUE(rate("First", 5));
  ASSERT_TRUE(rate("Second", 3));
  ASSERT_TRUE(rate("Third", 1));
  EXPECT_EQ(store_->RatingList("crddb4", 2).at(0).nick, "First");
  EXPECT_EQ(store_->RatingList("crddb4", 10).size(), 3u);  // not the list kept for 2 lines
  ASSERT_TRUE(rate("Second", 9));
  const auto list = store_->RatingList("crddb4", 10);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].nick, "Second");
  EXPECT_DOUBLE_EQ(list[0].rating, 9);
}

TEST_P(StoreTest, ReopeningKeepsTheDataAndTheSchemaVersion) {
  ASSERT_TRUE(store_->CreateAccount(Account("Keep"), 0, {}));
  int version = store_->SchemaVersion();
  EXPECT_GE(version, 1);
  store_.reset();
  Store again(url_, 2);
  EXPECT_EQ(again.SchemaVersion(), version);
  EXPECT_TRUE(again.FindAccount("keep").has_value());
}

INSTANTIATE_TEST_SUITE_P(Databases, StoreTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

TEST(StoreOpen, BadAddressesFailWithAReason) {
  EXPECT_THROW(Store("sqlite:/nonexistent-folder/x/y.db", 1), StoreError);
  EXPECT_THROW(Store("sqlite:/tmp/with space.db", 1), StoreError);
  EXPECT_THROW(Store("postgresql://127.0.0.1:1/none?connect_timeout=2", 1), StoreError);
}

}  // namespace
}  // namespace ostrel::server
