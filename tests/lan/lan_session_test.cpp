// The host's side of the LAN session against a raw client socket on loopback: the client is
// seated, gets the deal, and everything it may not do is refused, reported and changes nothing.
#include "lan/lan_session.h"

#include <gtest/gtest.h>

#include <QCoreApplication>
#include <QElapsedTimer>
#include <functional>

namespace ostrel::lan {
namespace {

struct NoPort : TablePort {
  void Show(const Effect&) override {}
};

// The host's computer seats are never ticked here; the players are not asked.
struct IdlePlayers : ComputerPlayers {
  bool AcceptProposedTrump(const GameRecord&, int) override { return false; }
  int NameTrumpSuit(const GameRecord&, int) override { return 0; }
  int ChooseCard(const GameRecord&, int, const RuleOptions&) override { return 1; }
};

QCoreApplication& App() {
  static int argc = 1;
  static char name[] = "test_lan_session";
  static char* argv[] = {name, nullptr};
  static QCoreApplication app(argc, argv);
  return app;
}

// Runs the event loop until `done` holds or five seconds pass.
bool WaitFor(const std::function<bool()>& done) {
  QElapsedTimer clock;
  clock.start();
  while (!done() && clock.elapsed() < 5000) {
    QCoreApplication::processEvents(QEventLoop::AllEvents, 20);
  }
  return done();
}

class HostSession : public ::testing::Test {
 protected:
  void SetUp() override {
    App();
    ASSERT_TRUE(lan_.Host(QHostAddress::LocalHost, 0, "Anna"));
    lan_.Attach(&game_);
    QObject::connect(&lan_, &LanSession::Refused,
                     [this](const QString& r) { reports_.push_back(r.toStdString()); });
    QObject::connect(&lan_, &LanSession::Interrupted, [this] { interrupted_ = true; });
    client_.connectToHost(QHostAddress::LocalHost, lan_.ListenPort());
    ASSERT_TRUE(client_.waitForConnected(5000));
    client_.write("qiv6525connect1Bob ");
    ASSERT_TRUE(WaitFor([this] { return Received().size() >= kSeatMessageSize; }));
    EXPECT_EQ(Take(kSeatMessageSize), "connect2+2AnnaBob PC  PC  ");
    game_.SetPlayer("Anna", 1, 0);
    game_.StartDeal(false);
    lan_.SendDeal(game_.Record(), game_.Options());
    ASSERT_TRUE(WaitFor([this] { return Received().size() >= kLanDealSize; }));
    const auto deal = DecodeDeal(Take(kLanDealSize));
    ASSERT_TRUE(deal.ok());
    EXPECT_EQ(deal.value().deck, game_.Record().Deck);
  }

  const std::string& Received() {
    received_ += client_.readAll().toStdString();
    return received_;
  }
  std::string Take(std::size_t n) {
    std::string head = received_.substr(0, n);
    received_.erase(0, n);
    return head;
  }

  NoPort port_;
  IdlePlayers players_;
  Random random_{7};
  Game game_{port_, players_, random_};
  LanSession lan_;
  QTcpSocket client_;
  std::string received_;
  std::vector<std::string> reports_;
  bool interrupted_ = false;
};

TEST_F(HostSession, RefusesAndReportsWhatTheClientMayNotDoAndChangesNothing) {
  std::string bad_deal = "b";
  for (int i = 0; i < 32; ++i) bad_deal += "7\xF7";
  bad_deal += std::string(32, '1') + std::string(64, '0') + "501\xCB\xCB";
  struct Case {
    std::string bytes;
    std::string report;
  } const cases[] = {
      {"hbegin2", "seat 2: an action out of turn"},  // the host begins the deal
      {"hhods12", "seat 2: an action out of turn"},
      {"hpasso2", "seat 2: an action out of turn"},
      {"hhods13", "seat 2: an action signed by seat 3"},
      {"hbegin1", "seat 2: an action signed by seat 1"},
      {bad_deal, "seat 2: refused a message: "},
      {"connect2+2AnnaBob PC  PC  ", "seat 2: a client may not send a seat message"},
      {"s3not mine\n", "seat 2: a chat line signed by seat 3"},
      {"qiv6525connect1Eve ", "seat 2: a hello out of place"},
  };
  const GameRecord before = game_.Record();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.report);
    reports_.clear();
    client_.write(c.bytes.data(), static_cast<qint64>(c.bytes.size()));
    ASSERT_TRUE(WaitFor([this] { return !reports_.empty(); }));
    EXPECT_EQ(reports_.front().substr(0, c.report.size()), c.report);
    EXPECT_EQ(game_.Record().Phase, before.Phase);
    EXPECT_EQ(game_.Record().BeginWait, before.BeginWait);
    EXPECT_EQ(game_.Record().Hand, before.Hand);
  }
  EXPECT_FALSE(interrupted_);
  // Nothing refused went on to the client; the host's own begin does.
  ASSERT_TRUE(game_.Button7Click());
  ASSERT_TRUE(WaitFor([this] { return Received().size() >= 7; }));
  EXPECT_EQ(received_, "hbegin1");
}

TEST_F(HostSession, GarbageFromASeatedClientDropsItAndInterruptsTheGame) {
  client_.write(std::string(100000, '\x01').c_str(), 100000);
  ASSERT_TRUE(WaitFor([this] { return interrupted_; }));
  ASSERT_FALSE(reports_.empty());
  EXPECT_NE(reports_.front().find("seat 2: the connection was dropped"), std::string::npos);
  EXPECT_TRUE(WaitFor([this] { return client_.state() == QAbstractSocket::UnconnectedState; }));
}

}  // namespace
}  // namespace ostrel::lan
