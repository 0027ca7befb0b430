// The waiting room of a LAN game (TFormWait): modal while the host waits for the people who
// join, or while a client waits for its seat. The host starts with one client (partners against
// two computer seats) or with three; a client starts when the host seats it.
#pragma once

#include <QDialog>
#include <array>

class QLabel;
class QPushButton;
class QTimer;

namespace ostrel {
namespace lan {
class LanSession;
}

class TFormWait : public QDialog {
  Q_OBJECT
 public:
  // The session has begun hosting or joining. A client's socket error flag is up from the
  // start: until it is seated, each second shows that no game is there to join.
  TFormWait(lan::LanSession& session, QWidget* parent = nullptr);

  QLabel* Status() { return status_; }
  // The lines of the second, third and fourth player (1 to 3).
  QLabel* JoinedLine(int k) { return joined_[k - 1]; }
  QPushButton* OkButton() { return ok_; }
  QPushButton* CancelButton() { return cancel_; }
  // One tick of the room's one-second timer.
  void Tick();

 private:
  void ClientJoined(int clients);
  void Cancel();

  lan::LanSession& session_;
  QLabel* status_;
  std::array<QLabel*, 3> joined_{};
  QPushButton* ok_;
  QPushButton* cancel_;
  QTimer* timer_;
  bool socket_error_ = false;
};

}  // namespace ostrel
