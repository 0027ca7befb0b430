#include "app/account/service_job.h"

#include <QtConcurrent/QtConcurrentRun>

namespace ostrel {

ServiceJob::ServiceJob(AccountState& state, ServiceClient client, QObject* parent)
    : QObject(parent), state_(state), client_(std::move(client)) {
  connect(&watcher_, &QFutureWatcher<void>::finished, this, [this] {
    state_ = *copy_;
    copy_.reset();
    busy_ = false;
    emit BusyChanged(false);
    if (auto done = std::move(done_)) done();
  });
}

// A step still under way keeps only its own copies, so the window may go first; the answer
// is then dropped.
ServiceJob::~ServiceJob() {
  watcher_.disconnect();
}

bool ServiceJob::Run(std::function<void(const ServiceClient&, AccountState&)> work,
                     std::function<void()> done) {
  if (busy_) return false;
  busy_ = true;
  copy_ = std::make_shared<AccountState>(state_);
  done_ = std::move(done);
  emit BusyChanged(true);
  watcher_.setFuture(QtConcurrent::run(
      [client = client_, copy = copy_, work = std::move(work)] { work(client, *copy); }));
  return true;
}

}  // namespace ostrel
