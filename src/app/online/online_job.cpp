#include "app/online/online_job.h"

#include <QtConcurrent/QtConcurrentRun>

namespace ostrel {

OnlineJob::OnlineJob(ServiceClient client, QObject* parent)
    : QObject(parent), client_(std::move(client)) {
  connect(&watcher_, &QFutureWatcher<Finish>::finished, this, [this] {
    Finish finish = watcher_.result();
    busy_ = false;
    emit BusyChanged(false);
    if (finish) finish();
  });
}

OnlineJob::~OnlineJob() {
  watcher_.disconnect();
}

bool OnlineJob::Run(Work work) {
  if (busy_) return false;
  busy_ = true;
  emit BusyChanged(true);
  watcher_.setFuture(
      QtConcurrent::run([client = client_, work = std::move(work)] { return work(client); }));
  return true;
}

}  // namespace ostrel
