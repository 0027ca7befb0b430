// The tables' TCP ports with real sockets on loopback: four scripted players (the lan codecs
// and a table engine of their own to choose legal moves) play a whole game; a player killed
// mid-game gives "abort" to the others; a silent player runs out of time; connections for a
// seat not booked from their address are closed.
#include "server/tables/table_server.h"

#include <arpa/inet.h>
#include <gtest/gtest.h>
#include <netinet/in.h>
#include <netinet/tcp.h>
#include <sodium.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <ctime>
#include <fstream>
#include <thread>

#include "lan/action_codec.h"
#include "server/service/tour.h"
#include "server/tables/game_table.h"
#include "test_db.h"

namespace ostrel::server {
namespace {

// A player's connection: blocking, every read bounded by a time-out.
class Player {
 public:
  explicit Player(std::uint16_t port) {
    fd_ = ::socket(AF_INET, SOCK_STREAM, 0);
    timeval tv{5, 0};
    ::setsockopt(fd_, SOL_SOCKET, SO_RCVTIMEO, &tv, sizeof tv);
    int one = 1;
    ::setsockopt(fd_, IPPROTO_TCP, TCP_NODELAY, &one, sizeof one);
    sockaddr_in a{};
    a.sin_family = AF_INET;
    a.sin_port = htons(port);
    a.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    connected_ = ::connect(fd_, reinterpret_cast<sockaddr*>(&a), sizeof a) == 0;
  }
  ~Player() { Kill(); }
  void Kill() {
    if (fd_ >= 0) ::close(fd_);
    fd_ = -1;
  }
  bool connected() const { return connected_; }
  void SendRaw(const std::string& bytes) {
    ASSERT_EQ(::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL),
              static_cast<ssize_t>(bytes.size()));
  }
  void Send(const lan::TourRecord& r) {
    auto bytes = lan::EncodeRecord(r, lan::From::kClient);
    ASSERT_TRUE(bytes.ok());
    SendRaw(bytes.value());
  }
  // The next record from the server; nullopt on time-out or close.
  std::optional<lan::TourRecord> Next() {
    for (;;) {
      if (auto frame = framer_.Next()) {
        auto r = lan::DecodeRecord(*frame, lan::From::kServer);
        if (!r.ok()) return std::nullopt;
        return r.value();
      }
      char buf[512];
      const ssize_t n = ::recv(fd_, buf, sizeof buf, 0);
      if (n <= 0) return std::nullopt;
      framer_.Feed(std::string_view(buf, static_cast<std::size_t>(n)));
    }
  }
  bool Closed() {
    char c;
    return ::recv(fd_, &c, 1, 0) == 0;
  }

 private:
  int fd_ = -1;
  bool connected_ = false;
  lan::RecordFramer framer_{lan::From::kServer};
};

class TableServerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    ASSERT_GE(sodium_init(), 0);
    store_ = std::make_unique<Store>(*testing::FreshDatabase(testing::Backend::kSqlite, dir_), 2);
    for (int s = 1; s <= 4; ++s) {
      AccountRow a;
      a.nick = "Player" + std::to_string(s);
      a.pw_hash = "x";
      a.sex = "M";
      ASSERT_TRUE(store_->CreateAccount(a, 0, {}));
    }
  }
  void Book(int table, const std::string& peer = "127.0.0.1") {
    store_->ChangeSeats([&](TourSeats& seats) {
      for (int s = 1; s <= 4; ++s) {
        auto& row = seats[static_cast<std::size_t>(table - 1)][static_cast<std::size_t>(s - 1)];
        row.holder_key = NickKey("Player" + std::to_string(s));
        row.nick = "Player" + std::to_string(s);
        row.peer = peer;
        row.taken = std::time(nullptr);
      }
      return 0;
    });
  }
  void StartServer(int move_seconds, int allowance_ms, int full_table_wait_seconds = 60) {
    TableServerOptions o;
    o.full_table_wait_seconds = full_table_wait_seconds;
    o.sweep_ms = 100;
    o.base_port = 0;
    o.move_seconds = move_seconds;
    o.allowance_ms = allowance_ms;
    o.connect_timeout_ms = 2000;
    o.game_log_dir = dir_.path();
    server_ = std::make_unique<TableServer>(*store_, o, nullptr);
    server_->Start();
  }
  // Four players seated at the table, each receiving the first deal.
  std::vector<std::unique_ptr<Player>> Seat(int table, lan::DealDeck* deck) {
    std::vector<std::unique_ptr<Player>> players;
    for (int s = 1; s <= 4; ++s) {
      players.push_back(std::make_unique<Player>(server_->port(table)));
      EXPECT_TRUE(players.back()->connected());
      players.back()->Send({lan::TourConnect{s}, s});
    }
    for (auto& p : players) {
      auto r = p->Next();
      EXPECT_TRUE(r && std::holds_alternative<lan::TourDeal>(r->payload));
      if (r && deck) *deck = std::get<lan::TourDeal>(r->payload).deck;
    }
    return players;
  }

  testing::TempDir dir_;
  std::unique_ptr<Store> store_;
  std::unique_ptr<TableServer> server_;
};

std::optional<Action> LegalAction(const TableEngine& engine) {
  const Turn turn = engine.ToAct();
  if (turn.seat == 0) return std::nullopt;
  std::vector<Action> candidates = {
      {ActionKind::Begin, 0},        {ActionKind::PlayProposed, 0},
      {ActionKind::NameSuit, 1},     {ActionKind::NameSuit, 2},
      {ActionKind::NameSuit, 3},     {ActionKind::NameSuit, 4},
      {ActionKind::PassRoundOne, 0}, {ActionKind::PassRoundTwo, 0},
      {ActionKind::DealRest, 0},     {ActionKind::ShowCombinations, 0},
      {ActionKind::TakeBack, 0},     {ActionKind::TakeTrick, 0}};
  for (int p = 1; p <= 8; ++p) candidates.push_back({ActionKind::PlayCard, p});
  for (const auto& a : candidates) {
    if (!engine.Refusal(a, turn.seat) && lan::MessageOf(a)) return a;
  }
  return std::nullopt;
}

// Plays the game at a seated table to its end as four scripted players: the one due sends a
// move its own engine finds legal, the three others must each get it relayed.
void PlayGame(std::vector<std::unique_ptr<Player>>& players, lan::DealDeck deck, int& margin,
              int& moves) {
  // The players' own view of the table: an engine numbered as the server's.
  Random unused(1);
  GameTable mirror_rules(1000);  // only for its rule options
  TableEngine mirror(unused);
  mirror.Frame() = TableFrame{1, false, true};
  mirror.Options() = mirror_rules.Engine().Options();
  mirror.SetNextDeck(deck);
  mirror.StartGame(1, 0);
  moves = 0;
  for (int step = 0; step < 3000; ++step) {
    const int phase = mirror.Record().Phase;
    if (phase == kPhaseGameOver) break;
    if (phase == kPhaseDealOver) {
      players[0]->Send({lan::TourNextDeal{}, 1});
      for (auto& p : players) {
        auto r = p->Next();
        ASSERT_TRUE(r && std::holds_alternative<lan::TourDeal>(r->payload));
        deck = std::get<lan::TourDeal>(r->payload).deck;
      }
      mirror.SetNextDeck(deck);
      ASSERT_TRUE(mirror.Apply({ActionKind::NextDeal, 0}, EngineSeat(1)).accepted);
      continue;
    }
    auto action = LegalAction(mirror);
    ASSERT_TRUE(action);
    const int seat = TourSeat(mirror.ToAct().seat);
    players[static_cast<std::size_t>(seat - 1)]->Send(
        {lan::TourAction{*lan::MessageOf(*action)}, seat});
    ASSERT_TRUE(mirror.Apply(*action, EngineSeat(seat)).accepted);
    for (int s = 1; s <= 4; ++s) {
      if (s == seat) continue;
      auto r = players[static_cast<std::size_t>(s - 1)]->Next();
      ASSERT_TRUE(r && std::holds_alternative<lan::TourAction>(r->payload)) << "step " << step;
      EXPECT_EQ(r->seat, seat);
    }
    ++moves;
  }
  ASSERT_EQ(mirror.Record().Phase, kPhaseGameOver);
  const auto& score = mirror.Record().GameScore;
  margin = score[2] - score[1];
  players[0]->Send({lan::TourResult{margin}, 1});
  for (auto& p : players) {
    auto r = p->Next();
    ASSERT_TRUE(r && std::holds_alternative<lan::TourGameOver>(r->payload));
  }
}

TEST_F(TableServerTest, FourSocketPlayersPlayAWholeGame) {
  Book(2);
  StartServer(26, 3000);
  lan::DealDeck deck{};
  auto players = Seat(2, &deck);
  int margin = 0, moves = 0;
  PlayGame(players, deck, margin, moves);
  // The figures are the server's; the table is free again.
  for (auto& p : players) EXPECT_TRUE(p->Closed());
  auto one = store_->ReadTourFigures("Player1");
  auto three = store_->ReadTourFigures("Player3");
  ASSERT_TRUE(one && three);
  EXPECT_EQ(one->kon, 1);
  EXPECT_EQ(one->score, margin);
  EXPECT_EQ(three->score, -margin);
  EXPECT_EQ(one->rating - kInitialTourRating, kInitialTourRating - three->rating);
  EXPECT_EQ(one->rating > kInitialTourRating, margin > 0);
  EXPECT_TRUE(store_->ReadSeats()[1][0].Free());
  EXPECT_GT(moves, 32);
  // The game log: the simulator's events, then the tournament's own line.
  std::ifstream log(dir_.path() + "/table2.jsonl");
  std::string line, last;
  int games = 0, deals = 0, cards = 0, ends = 0;
  while (std::getline(log, line)) {
    games += line.find("{\"event\":\"game\"") == 0;
    deals += line.find("{\"event\":\"deal\"") == 0;
    cards += line.find("{\"event\":\"card\"") == 0;
    ends += line.find("{\"event\":\"game_end\"") == 0;
    last = line;
  }
  EXPECT_EQ(games, 1);
  EXPECT_GE(deals, 1);
  EXPECT_EQ(cards % 32, 0);
  EXPECT_GE(cards, 32);
  EXPECT_EQ(ends, 1);
  EXPECT_NE(last.find("\"end\":\"finished\""), std::string::npos) << last;
  EXPECT_NE(last.find("\"margin\":" + std::to_string(margin)), std::string::npos) << last;
}

TEST_F(TableServerTest, AKilledPlayerGivesAbortToTheOthers) {
  Book(3);
  StartServer(26, 3000);
  auto players = Seat(3, nullptr);
  players[2]->Kill();  // seat 3
  for (int s : {1, 2, 4}) {
    auto r = players[static_cast<std::size_t>(s - 1)]->Next();
    ASSERT_TRUE(r && std::holds_alternative<lan::TourPlayerLeft>(r->payload)) << s;
    EXPECT_EQ(std::get<lan::TourPlayerLeft>(r->payload).seat, 3);
  }
  for (int s : {1, 2, 4}) EXPECT_TRUE(players[static_cast<std::size_t>(s - 1)]->Closed());
  auto three = store_->ReadTourFigures("Player3");
  ASSERT_TRUE(three);
  EXPECT_LT(three->rating, kInitialTourRating);  // who leaves loses
}

TEST_F(TableServerTest, ASilentPlayerRunsOutOfTime) {
  Book(4);
  StartServer(1, 100);
  auto players = Seat(4, nullptr);
  // Nobody moves: seat 1 must begin the deal and its time runs out after 1.1 seconds.
  for (int s : {2, 3, 4}) {
    auto r = players[static_cast<std::size_t>(s - 1)]->Next();
    ASSERT_TRUE(r && std::holds_alternative<lan::TourTimeOut>(r->payload)) << s;
    EXPECT_EQ(r->seat, 1);
  }
}

TEST_F(TableServerTest, OnlyBookedSeatsFromTheirAddressAreAccepted) {
  Book(5, "10.1.2.3");  // booked from another address
  Book(6);
  StartServer(26, 3000);
  Player stranger(server_->port(5));
  stranger.Send({lan::TourConnect{1}, 1});
  EXPECT_TRUE(stranger.Closed());
  Player garbage(server_->port(6));
  garbage.SendRaw(std::string(50, 'z'));
  EXPECT_TRUE(garbage.Closed());
  Player twice(server_->port(6));
  twice.Send({lan::TourConnect{2}, 2});
  Player again(server_->port(6));
  again.Send({lan::TourConnect{2}, 2});  // that seat is already connected
  EXPECT_TRUE(again.Closed());
}

TEST_F(TableServerTest, AFullTableWhosePlayersDoNotAllComeIsFreed) {
  Book(7);
  StartServer(26, 3000, 0);
  Player one(server_->port(7));
  one.Send({lan::TourConnect{1}, 1});
  EXPECT_TRUE(one.Closed());  // within a sweep: the three others never came
  EXPECT_TRUE(store_->ReadSeats()[6][3].Free());
  EXPECT_TRUE(store_->ReadSeats()[6][0].Free());
}

TEST_F(TableServerTest, TenTablesPlayAtOnce) {
  for (int t = 1; t <= kTourTableCount; ++t) Book(t);
  StartServer(26, 3000);
  std::vector<std::vector<std::unique_ptr<Player>>> tables;
  std::vector<lan::DealDeck> decks(kTourTableCount);
  const auto start = std::chrono::steady_clock::now();
  for (int t = 1; t <= kTourTableCount; ++t) {
    tables.push_back(Seat(t, &decks[static_cast<std::size_t>(t - 1)]));
  }
  std::vector<int> margins(kTourTableCount), moves(kTourTableCount);
  std::vector<std::thread> threads;
  for (std::size_t i = 0; i < tables.size(); ++i) {
    threads.emplace_back([&, i] { PlayGame(tables[i], decks[i], margins[i], moves[i]); });
  }
  for (auto& t : threads) t.join();
  for (auto& table : tables) {
    for (auto& p : table) EXPECT_TRUE(p->Closed());
  }
  const double seconds =
      std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
  int all_moves = 0;
  for (int m : moves) all_moves += m;
  std::printf("ten tables: %d relayed moves in %.2f s\n", all_moves, seconds);
  // Every game counted once for each of the players who sat at all ten tables.
  auto one = store_->ReadTourFigures("Player1");
  ASSERT_TRUE(one);
  EXPECT_EQ(one->kon, kTourTableCount);
  int total = 0;
  for (int m : margins) total += m;
  EXPECT_EQ(one->score, total);
}

}  // namespace
}  // namespace ostrel::server
