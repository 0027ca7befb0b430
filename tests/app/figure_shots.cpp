// The figures of docs/screenshots/README.md: the pace of the card flights at every card speed,
// the start-up time, the memory, and how long the computer seats take (ostrel_screenshots --pace
// and --figures).
#include <unistd.h>
#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QtTest>
#include <algorithm>
#include <cstdio>
#include <mutex>

#include "ai/ai_players.h"
#include "app/gif_stream.h"
#include "app_fixture.h"
#include "game/rules.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

// The computer seats with a stopwatch: how long their card choices take.
class TimedPlayers : public ComputerPlayers {
 public:
  explicit TimedPlayers(ComputerPlayers& inner) : inner_(inner) {}
  bool AcceptProposedTrump(const GameRecord& r, int seat) override {
    return inner_.AcceptProposedTrump(r, seat);
  }
  int NameTrumpSuit(const GameRecord& r, int seat) override {
    return inner_.NameTrumpSuit(r, seat);
  }
  int ChooseCard(const GameRecord& r, int seat, const RuleOptions& o) override {
    QElapsedTimer clock;
    clock.start();
    const int card = inner_.ChooseCard(r, seat, o);
    const double ms = clock.nsecsElapsed() / 1e6;
    std::lock_guard lock(mutex_);
    longest_ms_ = std::max(longest_ms_, ms);
    return card;
  }
  double LongestMs() {
    std::lock_guard lock(mutex_);
    return longest_ms_;
  }

 private:
  ComputerPlayers& inner_;
  std::mutex mutex_;
  double longest_ms_ = 0;
};

struct PaceFigures {
  double ms_per_step = 0;
  long steps = 0;
  long flights = 0;
  double wait_mean_ms = 0;
  double wait_max_ms = 0;
  int waits = 0;
  qint64 deal_ms = 0;
  double choice_max_ms = 0;
};

// One whole deal against the computer seats (the real ones) at a card speed: the time per
// pixel step of the flights, and how long the table stood idle before each step of a computer
// seat (the main timer's tick plus the seat's choice).
PaceFigures PaceOfDeal(int speed) {
  AiPlayers ai(Random(11));
  TimedPlayers timed(ai);
  AppFixture app(3, /*instant=*/false, &timed);
  TForm1& w = app.Window();
  w.AppSettings().CardSpeed = speed;
  w.AppSettings().SoundOn = false;
  app.LeaveTitle();
  app.StartAsNewPlayer("Pace");
  app.Settle();
  PaceFigures f;
  QElapsedTimer clock;
  clock.start();
  const auto before = w.Table()->Stats();
  bool player_acted = false;
  qint64 idle_since = clock.elapsed();
  double total_wait = 0;
  QObject::connect(w.Table(), &TableScreen::Idle, [&] { idle_since = clock.elapsed(); });
  QObject::connect(w.Table(), &TableScreen::StepStarted, [&] {
    if (!player_acted) {
      const double waited = double(clock.elapsed() - idle_since);
      total_wait += waited;
      f.wait_max_ms = std::max(f.wait_max_ms, waited);
      ++f.waits;
    }
    player_acted = false;
  });
  app.RunUntil(
      [&] {
        const bool busy = w.Table()->Busy();
        const GameRecord& r = w.CurrentGame().Record();
        if (!busy && (r.Phase == kPhaseDealOver || r.Phase == kPhaseGameOver)) return true;
        if (!busy) {
          player_acted = true;
          if (!PlayerActs(w)) player_acted = false;
        }
        return false;
      },
      240000);
  const auto after = w.Table()->Stats();
  f.steps = after.steps - before.steps;
  f.flights = after.flights - before.flights;
  f.ms_per_step = f.steps ? (after.ns - before.ns) / 1e6 / f.steps : 0;
  f.wait_mean_ms = f.waits ? total_wait / f.waits : 0;
  f.deal_ms = clock.elapsed();
  f.choice_max_ms = timed.LongestMs();
  return f;
}

}  // namespace

void Pace() {
  for (int speed = 1; speed <= 6; ++speed) {
    const PaceFigures f = PaceOfDeal(speed);
    std::printf("speed %d: %ld flights, %ld steps, %.3f ms per step; deal %lld ms\n", speed,
                f.flights, f.steps, f.ms_per_step, static_cast<long long>(f.deal_ms));
  }
}

// Milliseconds since the process was started by the system (10 ms resolution).
long ProcessAgeMs() {
  QFile stat("/proc/self/stat"), uptime("/proc/uptime");
  if (!stat.open(QIODevice::ReadOnly) || !uptime.open(QIODevice::ReadOnly)) return -1;
  const QByteArray line = stat.readAll();
  const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
  if (fields.size() < 20) return -1;
  const double ticks = sysconf(_SC_CLK_TCK);
  const double started_s = fields[19].toDouble() / ticks;
  const double now_s = uptime.readAll().split(' ').front().toDouble();
  return static_cast<long>((now_s - started_s) * 1000);
}

long ResidentKb() {
  QFile status("/proc/self/status");
  if (!status.open(QIODevice::ReadOnly)) return -1;
  for (const QByteArray& line : status.readAll().split('\n')) {
    if (line.startsWith("VmRSS:")) return line.mid(6).trimmed().split(' ').front().toLong();
  }
  return -1;
}

void Figures(const QElapsedTimer& since_main) {
  {
    QTemporaryDir dir;
    AppFixture app(9);
    QVERIFY(QTest::qWaitForWindowExposed(&app.Window()));
    QApplication::processEvents();
    std::printf("start to title screen: %lld ms from main, %ld ms from exec (offscreen)\n",
                static_cast<long long>(since_main.elapsed()), ProcessAgeMs());
    app.Window().AppSettings().WindowSize = 5;
    app.Window().ApplySettings();
    app.LeaveTitle();
    app.StartAsNewPlayer("Mem");
    app.Settle();
    QTest::mouseClick(app.Window().Table()->Button7(), Qt::LeftButton);
    app.Settle();
    std::printf("resident memory in a game at window size 5: %ld KB\n", ResidentKb());
    // Storing one whole frame of the small window in the GIF recording (its worst case).
    app.Window().AppSettings().WindowSize = 1;
    app.Window().ApplySettings();
    const QImage frame = app.Window().grab().toImage().convertToFormat(QImage::Format_RGB888);
    GifStream stream(frame.width(), frame.height());
    QElapsedTimer clock;
    clock.start();
    for (int i = 0; i < 5; ++i) stream.AddFrame(frame, 100);
    std::printf("GIF: a whole %dx%d frame takes %.1f ms to store\n", frame.width(), frame.height(),
                clock.nsecsElapsed() / 5e6);
  }
  const PaceFigures f = PaceOfDeal(5);
  std::printf(
      "deal at card speed 5, sound off: %ld flights, %ld pixel steps, %.3f ms per step; "
      "computer steps %d, table idle before each: mean %.1f ms, longest %.1f ms; "
      "longest card choice %.1f ms; deal %lld ms\n",
      f.flights, f.steps, f.ms_per_step, f.waits, f.wait_mean_ms, f.wait_max_ms, f.choice_max_ms,
      static_cast<long long>(f.deal_ms));
}
