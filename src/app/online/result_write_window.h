// The result writing window (TFormServerWrite, "World Top Ten"): after every 25th game with
// the computer, a player without an account may write the cycle's score to the world top ten
// under the passport.
#pragma once

#include <QDialog>
#include <functional>

#include "app/online/online_job.h"
#include "online/requests.h"
#include "storage/settings.h"

class QLabel;
class QPushButton;

namespace ostrel {

// The top ten write of a cycle's score under the passport (gid the game code, R9 and R10 "#").
online::TopTenWriteRequest ResultWrite(const Settings& passport, int score);

class ResultWriteWindow : public QDialog {
  Q_OBJECT
 public:
  ResultWriteWindow(ServiceClient client, const Settings& passport, int score,
                    QWidget* parent = nullptr);

  std::function<void(const QString&)> notify;

  bool Busy() const { return job_.Busy(); }
  QPushButton* SendButton() { return send_; }
  QLabel* PlaceValue() { return place_; }

 private:
  void Send();

  OnlineJob job_;
  online::TopTenWriteRequest write_;
  QPushButton* send_;
  QLabel* place_;
  QLabel* waiting_;
};

}  // namespace ostrel
