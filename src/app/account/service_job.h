// Runs the account steps, which wait on the network, on a worker thread: the step works on a
// copy of the account state, and the copy replaces the window's state once it is done, on
// the window's thread. Meanwhile the window keeps painting and shows that it waits.
#pragma once

#include <QFutureWatcher>
#include <QObject>
#include <functional>
#include <memory>

#include "app/account/account_state.h"
#include "net/service_client.h"

namespace ostrel {

class ServiceJob : public QObject {
  Q_OBJECT
 public:
  ServiceJob(AccountState& state, ServiceClient client, QObject* parent = nullptr);
  ~ServiceJob() override;

  bool Busy() const { return busy_; }
  const ServiceClient& Client() const { return client_; }
  AccountState& State() { return state_; }

  // Runs `work` on a copy of the state; `done` runs on this thread after the copy came back.
  // Refused (false) while another step runs.
  bool Run(std::function<void(const ServiceClient&, AccountState&)> work,
           std::function<void()> done = {});

 signals:
  void BusyChanged(bool busy);

 private:
  AccountState& state_;
  ServiceClient client_;
  QFutureWatcher<void> watcher_;
  std::shared_ptr<AccountState> copy_;
  std::function<void()> done_;
  bool busy_ = false;
};

}  // namespace ostrel
