// What every copy of the program reports to the global statistics: its start, once per run,
// and the end of every game. Reports go out on a worker thread one after the other; a report
// that fails is dropped (nothing is retried), and none ever holds up the window.
#pragma once

#include <QObject>
#include <deque>
#include <functional>
#include <string_view>

#include "app/online/online_job.h"
#include "online/requests.h"

namespace ostrel {

// The distribution mark of a club file whose copies do not report their start.
inline constexpr std::string_view kSilentDistribution = "kqx";

// The facts of a finished game that the results report carries.
struct GameReport {
  bool against_computer = false;  // neither network nor tournament play
  bool cycle_end = false;         // the game closed a cycle of 25
  int margin = 0;                 // the local team's margin of the game
  bool network_host = false;
  int games_setting = 0;  // the number-of-games setting of the network host
  bool tournament_seat1 = false;
};

// R1 a game with the computer, R2 a cycle's end, R3/R4 the margin won or lost (games with the
// computer only), R5 the host's number-of-games setting, R6 seat 1 at a tournament table.
online::StatsResultsRequest ResultsReport(const GameReport& game);
// stat1 1 while this installation's first start is not counted yet; stat2 always 1.
online::StatsStartRequest StartReport(bool start_counted);

class StatsReporter : public QObject {
  Q_OBJECT
 public:
  explicit StatsReporter(ServiceClient client, QObject* parent = nullptr);

  // `counted` runs (on this thread) when a report that counted the first start succeeded.
  void ReportStart(bool start_counted, std::function<void()> counted);
  void ReportGame(const GameReport& game);
  bool Busy() const { return job_.Busy() || !queue_.empty(); }

 private:
  struct Pending {
    online::Request report;
    std::function<void()> on_ok;
  };
  void Next();

  OnlineJob job_;
  std::deque<Pending> queue_;
};

}  // namespace ostrel
