// The player's side of the tournament connection against a raw server socket on loopback:
// the seat is named, the server's stream is framed however it is cut, the others' actions
// reach the table, the local records leave in their exact form, and every end of a game is
// told apart.
#include "lan/tour_session.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QTcpServer>
#include <functional>
#include <memory>

#include "game/cards.h"
#include "lan/lan_rules.h"

namespace ostrel::lan {
namespace {

struct NoPort : TablePort {
  void Show(const Effect&) override {}
};

struct IdlePlayers : ComputerPlayers {
  bool AcceptProposedTrump(const GameRecord&, int) override { return false; }
  int NameTrumpSuit(const GameRecord&, int) override { return 0; }
  int ChooseCard(const GameRecord&, int, const RuleOptions&) override { return 1; }
};

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "test_tour_session";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

std::string Record(const std::string& text, int seat) {
  std::string r = text + std::string(kRecordSize - 1 - text.size(), '#');
  return r + static_cast<char>('0' + seat);
}

// Seat 2 at a table whose server is a plain socket of the test.
class TourSessionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(server_.listen(QHostAddress::LocalHost, 0));
    tour_.Attach(&game_);
    QObject::connect(&tour_, &TourSession::DealReceived, [this](const DealDeck& deck) {
      game_.SetNextDeck(deck);
      game_.Options() = TournamentRules();
      game_.StartDeal(false);
    });
    QObject::connect(&tour_, &TourSession::Refused,
                     [this](const QString& r) { reports_.push_back(r.toStdString()); });
    tour_.Open("127.0.0.1", server_.serverPort(), 2);
    ASSERT_TRUE(WaitFor([this] { return server_.hasPendingConnections(); }));
    peer_.reset(server_.nextPendingConnection());
    ASSERT_TRUE(WaitFor([this] { return Received().size() >= kRecordSize; }));
    EXPECT_EQ(Take(kRecordSize), Record("connect2", 2));
    EXPECT_EQ(tour_.State(), TourState::kConnected);
  }

  const std::string& Received() {
    if (peer_) received_ += peer_->readAll().toStdString();
    return received_;
  }
  std::string Take(std::size_t n) {
    std::string head = received_.substr(0, n);
    received_.erase(0, n);
    return head;
  }
  // Writes the bytes a few at a time, as a slow network would deliver them.
  void Dribble(const std::string& bytes, std::size_t piece) {
    for (std::size_t i = 0; i < bytes.size(); i += piece) {
      peer_->write(bytes.substr(i, piece).c_str(), qint64(std::min(piece, bytes.size() - i)));
      peer_->flush();
      QCoreApplication::processEvents(QEventLoop::AllEvents, 5);
    }
  }
  std::string Deal() {
    DealDeck deck{};
    for (int p = 1; p <= kDeckSize; ++p) deck[p] = DeckTableCard(p);
    return EncodeRecord(TourRecord{TourDeal{deck}, 0}, From::kServer).value();
  }

  QTcpServer server_;
  std::unique_ptr<QTcpSocket> peer_;
  std::string received_;
  NoPort port_;
  IdlePlayers players_;
  Random random_{5};
  Game game_{port_, players_, random_};
  TourSession tour_;
  std::vector<std::string> reports_;
};

TEST_F(TourSessionTest, ADealAndAnActionCutIntoPiecesReachTheTable) {
  // Seat 1 (table position 2 here) drives the table-wide steps: its "hbegin" opens the bidding.
  Dribble(Deal() + Record("hbegin", 1), 7);
  ASSERT_TRUE(WaitFor([this] { return game_.Record().BeginWait != 1; }))
      << tour_.Deals() << " deals; " << (reports_.empty() ? "" : reports_[0]);
  EXPECT_EQ(tour_.Deals(), 1);
  EXPECT_TRUE(game_.Mode().TournamentMode);
  EXPECT_EQ(game_.Engine().DrivingSeat(), TablePosition(2, 1));
  // An action for a seat that is not due is refused and changes nothing.
  const GameRecord before = game_.Record();
  Dribble(Record("hhods3", 4), 50);
  ASSERT_TRUE(WaitFor([this] { return !reports_.empty(); }));
  EXPECT_EQ(game_.Record().Phase, before.Phase);
  EXPECT_EQ(game_.Record().CardCount, before.CardCount);
}

TEST_F(TourSessionTest, TheLocalRecordsLeaveInTheirExactForm) {
  tour_.Send(TableMessage{TableMessage::Kind::Action, Action{ActionKind::PassRoundOne}});
  tour_.Send(TableMessage{TableMessage::Kind::Action, Action{ActionKind::NextDeal}});
  tour_.Send(TableMessage{TableMessage::Kind::Result, {}, 12});
  EXPECT_EQ(tour_.SendChat("hi # there"), "hi ");
  ASSERT_TRUE(WaitFor([this] { return Received().size() >= 4 * kRecordSize; }));
  EXPECT_EQ(Take(kRecordSize), Record("hpasso", 2));
  EXPECT_EQ(Take(kRecordSize), Record("bnext", 2));
  EXPECT_EQ(Take(kRecordSize), Record("o   12   12  -12  -12", 2));
  EXPECT_EQ(Take(kRecordSize), Record("shi ", 2));
}

struct EndCase {
  const char* what;
  std::string bytes;  // empty: the server closes the connection
  const char* signal;
  int seat;
};

TEST_F(TourSessionTest, EachEndOfTheGameIsToldApart) {
  // One session per case: the fixture's is used for the first, fresh ones for the rest.
  const EndCase cases[] = {
      {"end", Record("end", 0), "over", 0},
      {"a player left", Record("abort3", 3), "left", 3},
      {"a player's time", Record("TOut", 4), "time", 4},
      {"the server closed", "", "lost", 0},
      {"garbage", std::string(kRecordSize, 'z'), "lost", 0},
  };
  for (const EndCase& c : cases) {
    SCOPED_TRACE(c.what);
    TourSession tour;
    std::string got;
    int seat = -1;
    QObject::connect(&tour, &TourSession::GameOver, [&] { got = "over", seat = 0; });
    QObject::connect(&tour, &TourSession::PlayerLeft, [&](int s) { got = "left", seat = s; });
    QObject::connect(&tour, &TourSession::TimeRanOut, [&](int s) { got = "time", seat = s; });
    QObject::connect(&tour, &TourSession::ConnectionLost, [&] { got = "lost", seat = 0; });
    tour.Open("127.0.0.1", server_.serverPort(), 1);
    ASSERT_TRUE(WaitFor([this] { return server_.hasPendingConnections(); }));
    std::unique_ptr<QTcpSocket> peer(server_.nextPendingConnection());
    ASSERT_TRUE(WaitFor([&] { return tour.State() == TourState::kConnected; }));
    if (c.bytes.empty()) {
      peer->disconnectFromHost();
    } else {
      peer->write(c.bytes.c_str(), qint64(c.bytes.size()));
    }
    ASSERT_TRUE(WaitFor([&] { return !got.empty(); }));
    EXPECT_EQ(got, c.signal);
    EXPECT_EQ(seat, c.seat);
    EXPECT_EQ(tour.State(), TourState::kEnded);
  }
}

TEST(TourSessionFailure, NoServerIsAConnectionError) {
  App();
  QTcpServer probe;
  ASSERT_TRUE(probe.listen(QHostAddress::LocalHost, 0));
  const quint16 port = probe.serverPort();
  probe.close();  // nothing listens there now
  TourSession tour;
  bool failed = false;
  QObject::connect(&tour, &TourSession::ConnectionError, [&] { failed = true; });
  tour.Open("127.0.0.1", port, 1);
  ASSERT_TRUE(WaitFor([&] { return failed; }));
  EXPECT_EQ(tour.State(), TourState::kNone);
}

}  // namespace
}  // namespace ostrel::lan
