#include "app/online/stats_reports.h"

#include "app/online/online_reads.h"

namespace ostrel {

namespace {

// Reports wait behind a slow one at most this many deep; more are dropped.
constexpr std::size_t kMaxQueuedReports = 8;

}  // namespace

online::StatsResultsRequest ResultsReport(const GameReport& game) {
  online::StatsResultsRequest report;
  report.R[0] = game.against_computer ? 1 : 0;
  report.R[1] = game.against_computer && game.cycle_end ? 1 : 0;
  if (game.against_computer) {
    report.R[2] = game.margin > 0 ? game.margin : 0;
    report.R[3] = game.margin < 0 ? -game.margin : 0;
  }
  report.R[4] = game.network_host ? game.games_setting : 0;
  report.R[5] = game.tournament_seat1 ? 1 : 0;
  return report;
}

online::StatsStartRequest StartReport(bool start_counted) {
  online::StatsStartRequest report;
  report.Stat1 = start_counted ? 0 : 1;
  report.Stat2 = 1;
  return report;
}

StatsReporter::StatsReporter(ServiceClient client, QObject* parent)
    : QObject(parent), job_(std::move(client)) {}

void StatsReporter::ReportStart(bool start_counted, std::function<void()> counted) {
  if (queue_.size() >= kMaxQueuedReports) return;
  queue_.push_back({StartReport(start_counted), start_counted ? nullptr : std::move(counted)});
  Next();
}

void StatsReporter::ReportGame(const GameReport& game) {
  if (queue_.size() >= kMaxQueuedReports) return;
  queue_.push_back({ResultsReport(game), nullptr});
  Next();
}

void StatsReporter::Next() {
  if (job_.Busy() || queue_.empty()) return;
  Pending next = std::move(queue_.front());
  queue_.pop_front();
  job_.Run([this, report = next.report,
            on_ok = next.on_ok](const ServiceClient& client) -> OnlineJob::Finish {
    const bool ok = SendReport(client, report);
    return [this, ok, on_ok] {
      if (ok && on_ok) on_ok();
      Next();
    };
  });
}

}  // namespace ostrel
