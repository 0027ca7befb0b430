#include "sim/lan_peer.h"

#include <QCoreApplication>
#include <QHostAddress>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "game/cp1251.h"
#include "lan/lan_session.h"
#include "session/game_session.h"
#include "sim/peer_table.h"

namespace ostrel::sim {
namespace {

// How long the host waits for its clients to take the last bytes before it exits.
constexpr int kCloseGraceMs = 3000;

class LanPeer : public TablePort {
 public:
  LanPeer(const SimOptions& o, JsonLogPort& log) : o_(o), log_(log), table_(o, *this, log) {
    name_ = Utf8ToCp1251(o.lan_name).value_or("Sim");
  }

  int Run() {
    Connect();
    start_ = std::chrono::steady_clock::now();
    if (o_.lan_host >= 0) {
      if (!lan_.Host(QHostAddress::LocalHost, static_cast<quint16>(o_.lan_host), name_)) {
        std::cerr << "ostrel-sim: cannot listen: " << lan_.ErrorText().toStdString() << '\n';
        return 1;
      }
      std::printf("listening on port %u\n", static_cast<unsigned>(lan_.ListenPort()));
      std::fflush(stdout);
    } else {
      lan_.Join(QHostAddress(QString::fromStdString(o_.lan_join_host)),
                static_cast<quint16>(o_.lan_join_port), name_);
    }
    lan_.Attach(&session_.Table());
    return QCoreApplication::exec();
  }

  void Show(const Effect& effect) override {
    log_.Show(effect);
    if (std::holds_alternative<DealStartFact>(effect) && !starting_) {
      ++deals_;
      log_.DealStarted();
      if (lan_.IsHost()) lan_.SendDeal(session_.Record(), session_.Table().Options());
    }
  }

 private:
  void Connect() {
    using lan::LanSession;
    QObject::connect(&lan_, &LanSession::ClientSeated, [this](int clients) {
      if (clients == o_.lan_players - 1) StartHostGame();
    });
    QObject::connect(&lan_, &LanSession::DealReceived,
                     [this](const lan::DealDeck& deck) { OnDeal(deck); });
    QObject::connect(&lan_, &LanSession::MessageApplied, [this] { Pump(); });
    QObject::connect(&lan_, &LanSession::Refused, [](const QString& report) {
      std::cerr << "ostrel-sim: refused: " << report.toStdString() << '\n';
    });
    QObject::connect(&lan_, &LanSession::Interrupted, [this] { Interrupted(); });
    QObject::connect(&lan_, &LanSession::PeerLeft, [this] {
      // The host closes after its last game; a client leaving between games ends the run.
      if (lan_.IsHost() && games_done_ < o_.games) return Interrupted();
      Finish(0);
    });
    QObject::connect(&lan_, &LanSession::ConnectionFailed, [this](const QString& reason) {
      std::cerr << "ostrel-sim: " << reason.toStdString() << '\n';
      Finish(1);
    });
  }

  RuleOptions Rules() const {
    RuleOptions rules;
    rules.TargetScore = o_.target;
    rules.BellaFirstHandOnly = o_.bella_first_hand_only;
    rules.TrumpRequired = o_.trump_required;
    return rules;
  }

  // A new game on this copy: the host deals it, a client takes the host's first deal.
  void StartGame() {
    ++games_started_;
    ++deals_;
    lan_.PrepareTable();
    starting_ = true;
    session_.StartGame(Rules(), Cp1251ToUtf8(name_), games_started_, 0);
    starting_ = false;
    log_.GameStarted(session_.Record().GameNumber, session_.Table().Options());
    LogLan();
    log_.DealStarted();
  }

  void StartHostGame() {
    StartGame();
    lan_.SendDeal(session_.Record(), session_.Table().Options());
    Pump();
  }

  void LogLan() {
    const lan::PositionNames names = lan_.Names();
    std::string line = "{\"event\":\"lan\",\"network_seat\":" + std::to_string(lan_.NetworkSeat()) +
                       ",\"names\":{";
    for (int p = 1; p <= 4; ++p) {
      if (p > 1) line += ',';
      line += "\"" + std::to_string(p) + "\":" + JsonString(Cp1251ToUtf8(names[p - 1]));
    }
    log_.Raw(line + "}}");
  }

  void OnDeal(const lan::DealDeck& deck) {
    Pump();  // the end of the last game first, if it is still being summed up
    Game& game = session_.Table();
    game.SetNextDeck(deck);
    if (!game.Record().InGame) {
      StartGame();
    } else if (!game.ReceiveAction(Action{ActionKind::NextDeal})) {
      std::cerr << "ostrel-sim: a deal arrived in phase " << game.Record().Phase << '\n';
      return Finish(1);
    }
    Pump();
  }

  // Every move this copy makes now, until it waits for the others.
  void Pump() {
    if (pumping_ || finished_) return;
    pumping_ = true;
    int steps = 0;
    while (Step()) {
      if (++steps > kMaxStepsPerPump) {
        std::cerr << "ostrel-sim: the game does not end\n";
        pumping_ = false;
        return Finish(1);
      }
    }
    pumping_ = false;
    if (!session_.Record().InGame && games_started_ > games_done_) {
      ++games_done_;
      if (lan_.IsHost()) {
        // The next game starts from the event loop, so that the last bytes go out first.
        QTimer::singleShot(0, [this] {
          if (finished_) return;
          if (games_done_ < o_.games) {
            StartHostGame();
          } else {
            lan_.Close();
            WaitFlushed(kCloseGraceMs / 50);
          }
        });
      }
    }
  }

  bool Step() {
    if (const auto taken = table_.SeatFourStep()) return *taken;
    Game& g = session_.Table();
    const GameRecord& r = g.Record();
    const Turn turn = g.Engine().ToAct();
    if (g.TimerEnabled() && !turn.table_step && turn.seat != 0 && g.IsComputerDriven(turn.seat)) {
      const int before = r.Phase * 100 + r.TrickPosition;
      g.Tick();
      return r.Phase * 100 + r.TrickPosition != before;
    }
    return false;
  }

  // The host exits once its clients have taken every byte, or after the grace period.
  void WaitFlushed(int tries) {
    if (lan_.Flushed() || tries <= 0) return Finish(0);
    QTimer::singleShot(50, [this, tries] { WaitFlushed(tries - 1); });
  }

  void Interrupted() {
    std::printf("%s\n", lan::InterruptionText().c_str());
    session_.Table().Leave();
    Finish(3);
  }

  void Finish(int code) {
    if (finished_) return;
    finished_ = true;
    lan_.Close();
    if (code == 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
      std::printf("games=%d deals=%d wall_s=%.3f\n", games_done_, deals_, seconds);
    }
    std::fflush(stdout);
    QCoreApplication::exit(code);
  }

  const SimOptions& o_;
  JsonLogPort& log_;
  PeerTable table_;
  GameSession& session_ = table_.session;
  lan::LanSession lan_;
  std::string name_;
  std::chrono::steady_clock::time_point start_;
  int games_started_ = 0;
  int games_done_ = 0;
  int deals_ = 0;
  bool starting_ = false;
  bool pumping_ = false;
  bool finished_ = false;
};

}  // namespace

int RunLanPeer(const SimOptions& options, JsonLogPort& log) {
  int argc = 1;
  char name[] = "ostrel-sim";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  LanPeer peer(options, log);
  return peer.Run();
}

}  // namespace ostrel::sim
