#include "sim/tour_peer.h"

#include <QCoreApplication>
#include <QTimer>
#include <chrono>
#include <cstdio>
#include <iostream>

#include "lan/tour_session.h"
#include "session/game_session.h"
#include "sim/peer_table.h"
#include "sim/tour_booking.h"

namespace ostrel::sim {
namespace {

class TourPeer : public TablePort {
 public:
  TourPeer(const SimOptions& o, JsonLogPort& log) : o_(o), log_(log), table_(o, *this, log) {}

  int Run(const TourBooking& booking) {
    Connect();
    start_ = std::chrono::steady_clock::now();
    tour_.Open(QString::fromStdString(booking.host), static_cast<quint16>(booking.port), o_.seat);
    tour_.Attach(&session_.Table());
    return QCoreApplication::exec();
  }

  void Show(const Effect& effect) override {
    log_.Show(effect);
    if (std::holds_alternative<DealStartFact>(effect) && !starting_) {
      ++deals_;
      log_.DealStarted();
    }
  }

 private:
  void Connect() {
    using lan::TourSession;
    QObject::connect(&tour_, &TourSession::DealReceived,
                     [this](const lan::DealDeck& deck) { OnDeal(deck); });
    QObject::connect(&tour_, &TourSession::MessageApplied, [this] { Pump(); });
    QObject::connect(&tour_, &TourSession::Refused, [](const QString& report) {
      std::cerr << "ostrel-sim: refused: " << report.toStdString() << '\n';
    });
    QObject::connect(&tour_, &TourSession::GameOver, [this] {
      session_.Table().TournamentGameOver();
      PumpNow();  // the sum of the game is in the log before the run ends
      Finish(0, "the game is over");
    });
    QObject::connect(&tour_, &TourSession::PlayerLeft, [this](int seat) {
      Broken("seat " + std::to_string(seat) + " interrupted the game! You won!");
    });
    QObject::connect(&tour_, &TourSession::TimeRanOut, [this](int seat) {
      Broken("seat " + std::to_string(seat) + ": time is up! You won!");
    });
    QObject::connect(&tour_, &TourSession::ConnectionLost,
                     [this] { Broken("Lost connection with the server!"); });
    QObject::connect(&tour_, &TourSession::ConnectionError, [this](const QString& reason) {
      std::cerr << "ostrel-sim: Server connection error! " << reason.toStdString() << '\n';
      Finish(1, {});
    });
  }

  void OnDeal(const lan::DealDeck& deck) {
    Game& game = session_.Table();
    game.SetNextDeck(deck);
    if (tour_.Deals() == 1) {
      tour_.PrepareTable();
      starting_ = true;
      session_.StartGame(lan::TournamentRules(), o_.nick, 1, 0);
      starting_ = false;
      ++deals_;
      log_.GameStarted(session_.Record().GameNumber, game.Options());
      log_.Raw("{\"event\":\"tournament\",\"seat\":" + std::to_string(o_.seat) +
               ",\"table\":" + std::to_string(o_.table) + "}");
      log_.DealStarted();
    } else if (game.Record().Phase == kPhaseDealOver) {
      game.StartDeal(true);
    } else {
      std::cerr << "ostrel-sim: a deal arrived in phase " << game.Record().Phase << '\n';
      return Finish(1, {});
    }
    Pump();
  }

  // The moves this copy makes, at once or one after each pause of --think-ms.
  void Pump() {
    if (o_.think_ms == 0) return PumpNow();
    if (thinking_ || finished_) return;
    thinking_ = true;
    QTimer::singleShot(o_.think_ms, [this] {
      thinking_ = false;
      if (!finished_ && Step()) Pump();
    });
  }

  // Every move this copy makes now, until it waits for the others.
  void PumpNow() {
    if (pumping_ || finished_) return;
    pumping_ = true;
    int steps = 0;
    while (Step()) {
      if (++steps > kMaxStepsPerPump) {
        pumping_ = false;
        std::cerr << "ostrel-sim: the game does not end\n";
        return Finish(1, {});
      }
    }
    pumping_ = false;
  }

  bool Step() { return table_.SeatFourStep().value_or(false); }

  void Broken(const std::string& notice) {
    session_.Table().TournamentBroken();
    session_.Table().Leave();
    Finish(3, notice);
  }

  void Finish(int code, const std::string& notice) {
    if (finished_) return;
    finished_ = true;
    tour_.Close();
    if (!notice.empty()) std::printf("%s\n", notice.c_str());
    if (code == 0) {
      const double seconds =
          std::chrono::duration<double>(std::chrono::steady_clock::now() - start_).count();
      std::printf("games=1 deals=%d wall_s=%.3f\n", deals_, seconds);
    }
    std::fflush(stdout);
    // The last records leave before the loop ends.
    QTimer::singleShot(50, [code] { QCoreApplication::exit(code); });
  }

  const SimOptions& o_;
  JsonLogPort& log_;
  PeerTable table_;
  GameSession& session_ = table_.session;
  lan::TourSession tour_;
  std::chrono::steady_clock::time_point start_;
  int deals_ = 0;
  bool starting_ = false;
  bool pumping_ = false;
  bool thinking_ = false;
  bool finished_ = false;
};

}  // namespace

int RunTourPeer(const SimOptions& options, JsonLogPort& log) {
  const TourBooking booking = BookTournamentSeat(options);
  if (!booking.ok) {
    std::cerr << "ostrel-sim: " << booking.error << '\n';
    return 1;
  }
  std::printf("seated at table %d, seat %d\n", options.table, options.seat);
  std::fflush(stdout);
  int argc = 1;
  char name[] = "ostrel-sim";
  char* argv[] = {name, nullptr};
  QCoreApplication app(argc, argv);
  TourPeer peer(options, log);
  return peer.Run(booking);
}

}  // namespace ostrel::sim
