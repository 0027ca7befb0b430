#include "app/wait_room.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QProgressBar>
#include <QPushButton>
#include <QTimer>
#include <QVBoxLayout>

#include "app/text.h"
#include "lan/lan_rules.h"
#include "lan/lan_session.h"

namespace ostrel {

TFormWait::TFormWait(lan::LanSession& session, QWidget* parent)
    : QDialog(parent), session_(session) {
  setObjectName("TFormWait");
  setWindowTitle(T("Please, wait..."));
  auto* layout = new QVBoxLayout(this);
  status_ = new QLabel(this);
  status_->setObjectName("LabelStatus");
  layout->addWidget(status_);
  static constexpr const char* kLines[3] = {"The second player was connected...",
                                            "The third player was connected...",
                                            "The fourth player was connected..."};
  for (int k = 0; k < 3; ++k) {
    joined_[k] = new QLabel(T(kLines[k]), this);
    joined_[k]->hide();
    layout->addWidget(joined_[k]);
  }
  // Runs while the room is open: the copy is waiting, not stuck.
  auto* busy = new QProgressBar(this);
  busy->setRange(0, 0);
  busy->setTextVisible(false);
  layout->addWidget(busy);
  auto* row = new QHBoxLayout();
  ok_ = new QPushButton(T("Ok"), this);
  ok_->setObjectName("ButtonOk");
  cancel_ = new QPushButton(T("Cancel"), this);
  cancel_->setObjectName("ButtonCancel");
  row->addWidget(ok_);
  row->addWidget(cancel_);
  layout->addLayout(row);
  ok_->setEnabled(false);
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  connect(cancel_, &QPushButton::clicked, this, &TFormWait::Cancel);

  if (session_.IsHost()) {
    status_->setText(T("Expectation of connection of other players..."));
    connect(&session_, &lan::LanSession::ClientSeated, this, &TFormWait::ClientJoined);
  } else {
    status_->setText(T("Expectation of game..."));
    socket_error_ = true;
    connect(&session_, &lan::LanSession::Seated, this, [this] {
      socket_error_ = false;
      accept();
    });
    connect(&session_, &lan::LanSession::ConnectionFailed, this, [this] { socket_error_ = true; });
  }
  timer_ = new QTimer(this);
  connect(timer_, &QTimer::timeout, this, &TFormWait::Tick);
  timer_->start(1000);
  setMinimumWidth(360);
}

void TFormWait::Tick() {
  if (socket_error_) status_->setText(T("There are no accessible games"));
}

void TFormWait::ClientJoined(int clients) {
  if (clients >= 1 && clients <= 3) joined_[clients - 1]->show();
  const lan::WaitingButtons buttons = lan::HostWaitingButtons(clients);
  ok_->setEnabled(buttons.ok);
  cancel_->setEnabled(buttons.cancel);
}

// Leaves the network game before it starts: the listener or the connection closes.
void TFormWait::Cancel() {
  session_.Close();
  reject();
}

}  // namespace ostrel
