// The account indicator (ImAc) of the main menu: the account picture with the lamp of the
// account state, its hint, a balloon when the pointer enters, and the account window on a
// click. It also owns the account of the whole program and signs in at start-up.
#pragma once

#include <QString>
#include <QWidget>

#include "app/account/account_state.h"
#include "net/service_client.h"

namespace ostrel {

class AccountIndicator : public QWidget {
  Q_OBJECT
 public:
  // site: the program's site (empty: the local server); program_folder: where the user file
  // is looked for, in the folder above it.
  AccountIndicator(const QString& site, const QString& program_folder, QWidget* parent = nullptr);

  AccountState& State() { return state_; }
  const ServiceClient& Client() const { return client_; }
  QString UserFile() const { return user_file_; }
  QString Hint() const;
  QString BalloonBody() const;

  // Reads the user file and signs in on a worker thread; Redraw follows.
  void StartUpSignIn();
  // Opens the account window modally; `changed` tells whether the mode or the nick changed.
  void OpenAccountWindow();
  void Redraw();

 signals:
  void Clicked();
  // The mode or the nick changed while the account window was open.
  void AccountChanged();
  void SignedInAtStart();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  AccountState state_;
  ServiceClient client_;
  QString user_file_;
};

}  // namespace ostrel
