// The tournament requests on both databases: the seat rules (order, holders, one address per
// table, racing players), the table list, the server state and the tournament lists.
#include "server/service/tour.h"

#include <gtest/gtest.h>

#include <thread>

#include "online/replies.h"
#include "online/requests.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

using testing::Backend;
namespace on = ostrel::online;
using on::SeatAction;
using on::SeatResult;

class TourTest : public ::testing::TestWithParam<Backend> {
 protected:
  void SetUp() override {
    ASSERT_TRUE(InitSodium());
    auto url = testing::FreshDatabase(GetParam(), dir_);
    if (!url) GTEST_SKIP() << "PostgreSQL is not configured (run under pg_virtualenv)";
    store_ = std::make_unique<Store>(*url, 4);
    accounts_ = std::make_unique<AccountService>(*store_, hasher_, 1000);
    tour_ = std::make_unique<TourService>(*store_, accounts_->auth(),
                                          TourConfig{"192.0.2.7", 25700, false, "Good_luck"});
  }

  void Register(const std::string& nick) {
    on::TTarvoUser u;
    u.Nick = nick;
    u.Pw = "secret1";
    u.City = "Tartu";
    u.Country1 = "Estonia";
    u.Country2 = "2-372";
    u.EMail = "a@b.org";
    auto reply = accounts_->Reply(*on::BuildBody(on::RegisterRequest{u}), "10.9.9.9", now_);
    ASSERT_EQ(on::ParseRegisterReply(*reply), on::RegisterResult::Created);
  }
  std::string Send(const on::Request& request, const std::string& peer = "10.0.0.1") {
    auto body = on::BuildBody(request);
    EXPECT_TRUE(body.ok()) << body.error();
    return tour_->Reply(body.ok() ? *body : "", Caller{peer, now_}).value_or("busy");
  }
  SeatResult Seat(const std::string& nick, int table, int seat, SeatAction action,
                  const std::string& peer, const std::string& pw = "secret1") {
    on::TakeSeatRequest r;
    r.Table = table;
    r.Seat = seat;
    r.Action = action;
    r.Nick = nick;
    r.Pw = pw;
    if (action == SeatAction::Take) {
      r.Player.Nick = nick;
      r.Player.Score = 9999;  // forged figures: the server fills in its own
      r.Player.Rating = 9999;
      r.Player.City = "Elsewhere";
      r.Player.Country = "Estonia";
      r.Player.IP = "1.2.3.4";
    } else {
      r.Player = on::EmptySeatPlayer();
    }
    return on::ParseSeatResultReply(Send(r, peer));
  }
  SeatResult Take(const std::string& nick, int table, int seat, const std::string& peer) {
    return Seat(nick, table, seat, SeatAction::Take, peer);
  }
  std::string NickAt(int table, int seat) {
    return on::ParseSeatReply(Send(on::SeatReadRequest{seat, 65, table}))->Nick;
  }

  testing::TempDir dir_;
  PasswordHasher hasher_{HashCost::kMinimum, 2, 8};
  std::unique_ptr<Store> store_;
  std::unique_ptr<AccountService> accounts_;
  std::unique_ptr<TourService> tour_;
  std::int64_t now_ = 1'700'000'000;
};

TEST_P(TourTest, SeatsAreTakenInOrderAndChangedOnlyByTheirHolder) {
  for (auto n : {"Ann", "Bob", "Cid", "Dan", "Eve"}) Register(n);
  EXPECT_EQ(Take("Bob", 1, 2, "10.0.0.2"), SeatResult::Failed);  // seat 1 is free
  EXPECT_EQ(Take("Ann", 1, 1, "10.0.0.1"), SeatResult::Seated);
  EXPECT_EQ(Take("Bob", 1, 1, "10.0.0.2"), SeatResult::Taken);
  EXPECT_EQ(Take("Ann", 2, 1, "10.0.0.1"), SeatResult::Failed);  // one seat per player
  EXPECT_EQ(Seat("Bob", 1, 2, SeatAction::Take, "10.0.0.2", "wrong1"), SeatResult::Failed);
  EXPECT_EQ(Take("Bob", 1, 2, "10.0.0.2"), SeatResult::Seated);
  EXPECT_EQ(Take("Cid", 1, 3, "10.0.0.3"), SeatResult::Seated);

  auto seat = on::ParseSeatReply(Send(on::SeatReadRequest{1, 65, 1}));
  ASSERT_TRUE(seat.ok());
  EXPECT_EQ(seat->Nick, "Ann");
  EXPECT_EQ(seat->Score, 0);
  EXPECT_EQ(seat->Rating, kInitialTourRating);
  EXPECT_EQ(seat->City, "Tartu");
  EXPECT_EQ(seat->IP, "10.0.0.1");

  // Nobody changes another's seat; seat 2 given up clears seat 3 behind it.
  EXPECT_EQ(Seat("Cid", 1, 1, SeatAction::Clear, "10.0.0.3"), SeatResult::Failed);
  EXPECT_EQ(Seat("Cid", 1, 2, SeatAction::GiveUp, "10.0.0.3"), SeatResult::Failed);
  EXPECT_EQ(Seat("Bob", 1, 2, SeatAction::GiveUp, "10.0.0.2", "wrong1"), SeatResult::Failed);
  EXPECT_EQ(Seat("Bob", 1, 2, SeatAction::GiveUp, "10.0.0.2"), SeatResult::Seated);
  EXPECT_EQ(NickAt(1, 2), "X");
  EXPECT_EQ(NickAt(1, 3), "X");
  EXPECT_EQ(Seat("Bob", 1, 3, SeatAction::Clear, "10.0.0.2"), SeatResult::Seated);  // already
  EXPECT_EQ(NickAt(1, 1), "Ann");

  // Seat 4 completes the table: its game starts and nobody gives a seat up any more.
  EXPECT_EQ(Take("Bob", 1, 2, "10.0.0.2"), SeatResult::Seated);
  EXPECT_EQ(Take("Cid", 1, 3, "10.0.0.3"), SeatResult::Seated);
  EXPECT_EQ(Take("Dan", 1, 4, "10.0.0.4"), SeatResult::Seated);
  EXPECT_EQ(Seat("Dan", 1, 4, SeatAction::GiveUp, "10.0.0.4"), SeatResult::Failed);
  EXPECT_EQ(Seat("Ann", 1, 1, SeatAction::GiveUp, "10.0.0.1"), SeatResult::Failed);
  EXPECT_EQ(NickAt(1, 4), "Dan");
  EXPECT_EQ(Take("Eve", 1, 4, "10.0.0.5"), SeatResult::Taken);
}

TEST_P(TourTest, OneAddressPerTableExceptThisMachine) {
  for (auto n : {"Ann", "Bob", "Cid", "Dan"}) Register(n);
  EXPECT_EQ(Take("Ann", 1, 1, "10.0.0.1"), SeatResult::Seated);
  EXPECT_EQ(Take("Bob", 1, 2, "10.0.0.1"), SeatResult::Failed);
  EXPECT_EQ(Take("Bob", 2, 1, "10.0.0.1"), SeatResult::Seated);  // another table
  EXPECT_EQ(Take("Cid", 3, 1, "127.0.0.1"), SeatResult::Seated);
  EXPECT_EQ(Take("Dan", 3, 2, "127.0.0.1"), SeatResult::Seated);
}

TEST_P(TourTest, OfTwoRacingForOneSeatExactlyOneGetsIt) {
  for (auto n : {"Ann", "Bob"}) Register(n);
  for (int table = 1; table <= 3; ++table) {
    SeatResult a = SeatResult::Failed, b = SeatResult::Failed;
    std::thread ta([&] { a = Take("Ann", table, 1, "10.0.0.1"); });
    std::thread tb([&] { b = Take("Bob", table, 1, "10.0.0.2"); });
    ta.join();
    tb.join();
    EXPECT_EQ((a == SeatResult::Seated) + (b == SeatResult::Seated), 1) << table;
    const std::string winner = a == SeatResult::Seated ? "Ann" : "Bob";
    EXPECT_EQ(NickAt(table, 1), winner);
    EXPECT_EQ(Seat(winner, table, 1, SeatAction::GiveUp, winner == "Ann" ? "10.0.0.1" : "10.0.0.2"),
              SeatResult::Seated);
  }
}

TEST_P(TourTest, TheTableListAndTheServerState) {
  Register("Ann");
  ASSERT_EQ(Take("Ann", 7, 1, "10.0.0.1"), SeatResult::Seated);
  auto tables = on::ParseTourTables(Send(on::TourTablesRequest{}));
  ASSERT_TRUE(tables.ok()) << tables.error();
  for (int t = 0; t < 10; ++t) {
    EXPECT_EQ((*tables)[static_cast<std::size_t>(t)].IP, "192.0.2.7");
    EXPECT_EQ((*tables)[static_cast<std::size_t>(t)].Port, 25700 + t + 1);
  }
  EXPECT_EQ((*tables)[6].Seats[0].Nick, "Ann");
  EXPECT_EQ((*tables)[6].Seats[1].Nick, "X");
  EXPECT_EQ((*tables)[0].Seats[0].Nick, "X");

  auto state = on::ParseServerStateReply(Send(on::ServerStateRequest{}));
  EXPECT_EQ(state.State, 'X');  // no game server runs
  std::array<int, kTourTableCount> ports{};
  for (int t = 0; t < kTourTableCount; ++t) ports[static_cast<std::size_t>(t)] = 40000 + t;
  tour_->SetRunning(ports);
  state = on::ParseServerStateReply(Send(on::ServerStateRequest{}));
  EXPECT_EQ(state.State, 'Y');
  EXPECT_EQ(state.Message, "Good luck");
  tables = on::ParseTourTables(Send(on::TourTablesRequest{}));
  EXPECT_EQ((*tables)[9].Port, 40009);  // the ports the tables really listen on
}

TEST_P(TourTest, TournamentFiguresListsAndPlaces) {
  for (auto n : {"Ann", "Bob", "Cid", "Dan"}) Register(n);
  ASSERT_TRUE(store_->SaveTourFigures("ann", 30, 3, 1520));
  ASSERT_TRUE(store_->SaveTourFigures("Bob", 10, 9, 1540));
  ASSERT_TRUE(store_->SaveTourFigures("Cid", 20, 1, 1490));
  EXPECT_FALSE(store_->SaveTourFigures("Nobody", 1, 1, 1));

  auto rating = on::ParseTourRatingReply(Send(on::TourRatingRequest{65, "Bob"}));
  ASSERT_TRUE(rating.ok() && rating->has_value());
  EXPECT_EQ(**rating, (on::TourRating{10, 9, 1540}));
  rating = on::ParseTourRatingReply(Send(on::TourRatingRequest{65, "Dan"}));
  EXPECT_EQ(**rating, (on::TourRating{0, 0, kInitialTourRating}));
  rating = on::ParseTourRatingReply(Send(on::TourRatingRequest{65, "Nobody"}));
  EXPECT_FALSE(rating->has_value());

  const struct {
    on::TourKind kind;
    std::vector<std::string> order;
    int first_value;
    int value, place;
  } kCases[] = {
      {on::TourKind::Score, {"Ann", "Cid", "Bob"}, 30, 15, 3},
      {on::TourKind::Rating, {"Bob", "Ann", "Cid"}, 1540, 1530, 2},
      {on::TourKind::Games, {"Bob", "Ann", "Cid"}, 9, 10, 1},
  };
  for (const auto& c : kCases) {
    auto top = on::ParseTourTopTen(Send(on::TourTopTenRequest{c.kind, 65}));
    ASSERT_TRUE(top.ok());
    ASSERT_EQ(top->size(), 3u);  // Dan has no game
    for (std::size_t i = 0; i < 3; ++i) {
      EXPECT_EQ((*top)[i].Nick, c.order[i]);
      EXPECT_EQ((*top)[i].Place, static_cast<int>(i) + 1);
    }
    EXPECT_EQ((*top)[0].Value, c.first_value);
    EXPECT_EQ((*top)[0].City, "Tartu");
    EXPECT_EQ(*on::ParseNumberReply(Send(on::TourPlaceRequest{c.kind, 65, c.value})), c.place);
  }
}

INSTANTIATE_TEST_SUITE_P(Databases, TourTest,
                         ::testing::Values(Backend::kSqlite, Backend::kPostgres),
                         [](const auto& info) { return testing::BackendName(info.param); });

}  // namespace
}  // namespace ostrel::server
