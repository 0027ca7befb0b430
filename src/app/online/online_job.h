// Runs the requests of the top ten, statistics and chat windows on a worker thread, as the
// account windows do: the window keeps painting, says that it waits, and takes the answer
// on its own thread. The work gets only the client and its own copies, never the window, so
// a window closed while a request waits simply drops the answer.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <functional>

#include "net/service_client.h"

namespace ostrel {

class OnlineJob : public QObject {
  Q_OBJECT
 public:
  // What the worker returns: the step that shows its answer, run on the window's thread.
  using Finish = std::function<void()>;
  using Work = std::function<Finish(const ServiceClient&)>;

  explicit OnlineJob(ServiceClient client, QObject* parent = nullptr);
  ~OnlineJob() override;

  bool Busy() const { return busy_; }
  const ServiceClient& Client() const { return client_; }

  // Refused (false) while another request runs.
  bool Run(Work work);

 signals:
  void BusyChanged(bool busy);

 private:
  ServiceClient client_;
  QFutureWatcher<Finish> watcher_;
  bool busy_ = false;
};

}  // namespace ostrel
