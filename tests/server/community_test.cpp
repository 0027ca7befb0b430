// The world top ten, the chat and the statistics on both databases, fed with bodies the
// program's request codec builds and read back with its reply readers; each limit with the
// requests that try to break it.
#include "server/service/community.h"

#include <gtest/gtest.h>

#include "online/replies.h"
#include "online/requests.h"
#include "server/service/rated_rules.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

using testing::Backend;
namespace on = ostrel::online;

class CommunityTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InitSodium());
    auto url = testing::FreshDatabase(GetParam(), dir_);
    if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
    store_ = std::make_unique<Store>(*url, 4);
    accounts_ = std::make_unique<AccountService>(*store_, hasher_);
    service_ = std::make_unique<CommunityService>(*store_);
  }

  std::string Send(const on::Request& request, const std::string& peer = "10.0.0.1") {
    auto body = on::BuildBody(request);
    EXPECT_TRUE(body.ok()) << body.error();
    return SendRaw(on::InfoOf(request).group, body.ok() ? *body : "", peer);
  }
  std::string SendRaw(on::ServiceGroup group, const std::string& body,
                      const std::string& peer = "10.0.0.1") {
    const Caller caller{peer, now_};
    if (group == on::ServiceGroup::Stats) return service_->StatsReply(body, caller);
    return service_->TopTenReply(body, caller);
  }

  static on::TopTenWriteRequest Result(int gid, const std::string& nick, int score) {
    on::TopTenWriteRequest w;
    w.Gid = gid;
    w.Nick = nick;
    w.City = "Tartu";
    w.Country = "2-372";
    w.Score = score;
    w.R7 = "W";
    return w;
  }
  std::optional<int> Write(const on::TopTenWriteRequest& w, const std::string& peer) {
    auto place = on::ParseNumberReply(Send(w, peer));
    return place.ok() ? std::optional<int>(*place) : std::nullopt;
  }
  std::vector<on::TTarvoRecord> List(int gid) {
    auto list = on::ParseTopTen(Send(on::TopTenRequest{gid}));
    EXPECT_TRUE(list.ok());
    return list.ok() ? *list : std::vector<on::TTarvoRecord>{};
  }
  int Size(int gid) { return *on::ParseNumberReply(Send(on::TopTenSizeRequest{gid})); }
  on::TTarvoStat Stats() {
    auto s = on::ParseStats(Send(on::StatsReadRequest{}));
    EXPECT_TRUE(s.ok());
    return s.ok() ? *s : on::TTarvoStat{};
  }

  testing::TempDir dir_;
  PasswordHasher hasher_{HashCost::kMinimum, 2, 8};
  std::unique_ptr<Store> store_;
  std::unique_ptr<AccountService> accounts_;
  std::unique_ptr<CommunityService> service_;
  std::int64_t now_ = 1'700'000'000;
};

TEST_P(CommunityTest, ResultsAreListedBestFirstWithPlaces) {
  EXPECT_EQ(Write(Result(65, "Ann", 300), "10.0.0.1"), 1);
  EXPECT_EQ(Write(Result(65, "Bob", 500), "10.0.0.2"), 1);
  EXPECT_EQ(Write(Result(65, "Cid", 300), "10.0.0.3"), 3);  // a tie goes after the older line
  EXPECT_EQ(Write(Result(165, "Dan", 10), "10.0.0.4"), 1);  // another list
  auto list = List(65);
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list[0].Nick, "Bob");
  EXPECT_EQ(list[0].Place, 1);
  EXPECT_EQ(list[1].Nick, "Ann");
  EXPECT_EQ(list[2].Nick, "Cid");
  EXPECT_EQ(list[2].Place, 3);
  EXPECT_EQ(list[2].City, "Tartu");
  EXPECT_EQ(list[2].Country, "2-372");
  EXPECT_EQ(list[2].R07, "W");
  EXPECT_EQ(Size(65), 3);
  EXPECT_EQ(Size(165), 1);

  // Near me: the lines around the nick's best one, with their places.
  for (int i = 0; i < 6; ++i) {
    Write(Result(65, "P" + std::to_string(i), 1000 - i), "10.1.0." + std::to_string(i));
  }
  auto near = on::ParseTopTen(Send(on::TopTenNearRequest{65, "cid", "Tartu"}));
  ASSERT_TRUE(near.ok());
  ASSERT_EQ(near->size(), 3u);  // places 7 to 9: Cid is last
  EXPECT_EQ((*near)[0].Place, 7);
  EXPECT_EQ((*near)[2].Nick, "Cid");
  EXPECT_EQ((*near)[2].Place, 9);
  near = on::ParseTopTen(Send(on::TopTenNearRequest{65, "P3", "Tartu"}));
  ASSERT_EQ(near->size(), 5u);
  EXPECT_EQ((*near)[2].Nick, "P3");
  EXPECT_EQ((*near)[2].Place, 4);
  EXPECT_TRUE(on::ParseTopTen(Send(on::TopTenNearRequest{65, "Nobody", "Tartu"}))->empty());
}

TEST_P(CommunityTest, ForgedResultsAreRefusedAndStoreNothing) {
  std::vector<on::TopTenWriteRequest> forged;
  forged.push_back(Result(66, "Ann", 100));  // no such list
  forged.push_back(Result(65, "Ann", kMaxCycleScore + 1));
  forged.push_back(Result(65, "Ann", -kMaxCycleScore - 1));
  forged.push_back(Result(365, "Ann", 100));  // the club accounts' list: only the server writes
  auto sex = Result(65, "Ann", 100);
  sex.R7 = "Hello";
  forged.push_back(sex);
  for (const auto& w : forged) EXPECT_FALSE(Write(w, "10.0.0.1").has_value()) << w.Gid;
  // Texts outside the passport characters never pass the codec's checks.
  const std::vector<std::string> kBodies = {
      "gid=65&nick=%3Cscript%3E&city=Tartu&country=2-372&score=1&R7=M&R8=5.7f&R9=%23&R10=%23*",
      "gid=65&nick=Ann&city=Tartu&country=2-372&score=1&R7=M&R8=5.7f&R9=%23&R10=a$b*",
      "gid=65&nick=ABCDEFGHIJKLM&city=Tartu&country=2-372&score=1&R7=M&R8=5.7f&R9=%23&R10=%23*",
      "gid=65&nick=Ann&city=T&country=2-372&score=1&R7=M&R8=5.7f&R9=%23&R10=%23*",
  };
  for (const auto& b : kBodies) EXPECT_EQ(SendRaw(on::ServiceGroup::TopTen, b), "") << b;
  for (int gid : {65, 66, 365}) EXPECT_EQ(Size(gid), 0);
}

TEST_P(CommunityTest, ResultWritesPerAddressAreLimited) {
  for (int i = 0; i < kResultWritesPerHour; ++i) {
    EXPECT_TRUE(Write(Result(65, "Ann", i), "10.0.0.1").has_value());
  }
  EXPECT_FALSE(Write(Result(65, "Ann", 99), "10.0.0.1").has_value());
  EXPECT_TRUE(Write(Result(65, "Bob", 99), "10.0.0.2").has_value());
  now_ += 3600;
  EXPECT_TRUE(Write(Result(65, "Ann", 99), "10.0.0.1").has_value());
  EXPECT_EQ(Size(65), kResultWritesPerHour + 2);
}

TEST_P(CommunityTest, ChatMessagesAreNumberedByTheServerAndPaced) {
  auto message = [](const std::string& text, int number) {
    on::TopTenWriteRequest w = Result(100, "Ann", number);
    w.R9 = "12.00_01.02.2024_Ostrel";
    w.R10 = text;
    return w;
  };
  EXPECT_EQ(Write(message("Hello_all", 777), "10.0.0.1"), 1);        // the sent number is not used
  EXPECT_FALSE(Write(message("again", 2), "10.0.0.1").has_value());  // within 15 seconds
  EXPECT_EQ(Write(message("Hi", 2), "10.0.0.2"), 2);
  now_ += kChatSeconds;
  EXPECT_EQ(Write(message("again", 2), "10.0.0.1"), 3);
  EXPECT_FALSE(Write(message("#", 4), "10.0.0.3").has_value());  // no text
  auto chat = List(100);
  ASSERT_EQ(chat.size(), 3u);
  EXPECT_EQ(chat[0].Score, 3);  // newest first
  EXPECT_EQ(chat[0].R10, "again");
  EXPECT_EQ(chat[2].R10, "Hello_all");
  EXPECT_EQ(chat[2].R09, "12.00_01.02.2024_Ostrel");
}

TEST_P(CommunityTest, StatisticsCountReportsWithinTheirLimits) {
  EXPECT_EQ(Stats().Stat1, 0);
  EXPECT_TRUE(on::ParseOkReply(Send(on::StatsStartRequest{65, 1, 1})));
  EXPECT_TRUE(on::ParseOkReply(Send(on::StatsStartRequest{65, 0, 1}, "10.0.0.2")));
  EXPECT_EQ(Send(on::StatsStartRequest{65, 1000, 1}), "");  // a count is 0 or 1
  on::StatsLikeRequest like{65, 1, "Ann"};
  EXPECT_TRUE(on::ParseOkReply(Send(like)));
  like.Stat4 = "Bob";
  EXPECT_FALSE(on::ParseOkReply(Send(like)));  // one like per address and day
  like.Stat3 = 50;
  EXPECT_EQ(Send(like, "10.0.0.9"), "");

  on::StatsResultsRequest won{65, {1, 1, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0}};
  on::StatsResultsRequest net{65, {0, 0, 0, 0, 10, 0, 0, 0, 0, 0, 0, 0}};
  on::StatsResultsRequest online{65, {0, 0, 0, 0, 0, 1, 0, 0, 0, 0, 0, 0}};
  for (const auto& r : {won, net, online}) EXPECT_TRUE(on::ParseOkReply(Send(r)));
  const std::vector<std::array<int, 12>> kForged = {
      {5, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // not a flag
      {0, 1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0},    // a cycle without a game
      {1, 0, 40, 30, 0, 0, 0, 0, 0, 0, 0, 0},  // won and lost
      {1, 0, 100000, 0, 0, 0, 0, 0, 0, 0, 0, 0}, {1, 0, 0, 0, 0, 0, 0, 0, 0, 0, 0, 7},
  };
  for (const auto& f : kForged) EXPECT_EQ(Send(on::StatsResultsRequest{65, f}), "");
  auto s = Stats();
  EXPECT_EQ(s.Stat1, 1);
  EXPECT_EQ(s.Stat2, 2);
  EXPECT_EQ(s.Stat3, 1);
  EXPECT_EQ(s.Stat4, "Ann");
  const std::array<int, 12> kCounts = {1, 1, 1, 0, 1, 1, 0, 0, 0, 0, 0, 0};
  EXPECT_EQ(s.StatX, kCounts);

  // A loop of reports stops at its limit.
  int accepted = 0;
  for (int i = 0; i < kResultReportsPerHour + 10; ++i) {
    accepted += on::ParseOkReply(Send(won, "10.0.0.5")) ? 1 : 0;
  }
  EXPECT_EQ(accepted, kResultReportsPerHour);
  EXPECT_EQ(Stats().StatX[0], 1 + kResultReportsPerHour);
}

TEST_P(CommunityTest, AClosedAccountCycleEntersTheClubList) {
  on::TTarvoUser u;
  u.Nick = "Club";
  u.Pw = "secret1";
  u.City = "Tartu";
  u.Country1 = "Estonia";
  u.Country2 = "2-372";
  u.EMail = "a@b.org";
  ASSERT_EQ(on::ParseRegisterReply(
                *accounts_->Reply(*on::BuildBody(on::RegisterRequest{u}), "10.0.0.1", now_)),
            on::RegisterResult::Created);
  on::TTarvoGame g;
  auto save = [&](const on::TTarvoGame& game) {
    on::RatedRecordSaveRequest r;
    r.Nick = "Club";
    r.Pw = "secret1";
    r.Game = game;
    return on::ParseOkReply(*accounts_->Reply(*on::BuildBody(r), "10.0.0.1", now_));
  };
  int cycle = 0;
  for (int game = 0; game < kCycleGames; ++game) {
    g.Kon += 1;
    g.Rating = ProvisionalRating(g.Kon - 1, g.Rating);
    g.KonL = 0;
    const int kept_score = g.Score;
    g.Score = 0;
    ASSERT_TRUE(save(g)) << game;
    g.Rating = FinalRating(g.Kon, g.Rating, 10);
    cycle = kept_score + 10;
    g.KonL = game + 1 == kCycleGames ? 0 : game + 1;
    g.Score = game + 1 == kCycleGames ? 0 : cycle;
    if (game + 1 == kCycleGames) {
      g.Sessions = 1;
      g.Best = cycle;
    }
    EXPECT_EQ(Size(365), 0);
    ASSERT_TRUE(save(g)) << game;
  }
  auto list = List(365);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list[0].Nick, "Club");
  EXPECT_EQ(list[0].Score, 250);
  EXPECT_EQ(list[0].Country, "Estonia");
  // The program's own write learns the place of that line, and adds nothing.
  EXPECT_EQ(Write(Result(365, "Club", 250), "10.0.0.1"), 1);
  EXPECT_FALSE(Write(Result(365, "Club", 9999), "10.0.0.1").has_value());
  EXPECT_EQ(Size(365), 1);
}

INSTANTIATE_TEST_SUITE_P(Databases, CommunityTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

}  // namespace
}  // namespace ostrel::server
