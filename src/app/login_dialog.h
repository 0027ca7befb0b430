// The login dialog (TFormPassword) for a club seat or a new player: name, password and, for a
// new player, its repetition. The club's checks run in the dialog, and their message stays in
// it until the player gets it right or cancels. No field takes a control character: a line
// break in a name would break the club file's lines.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

class QLabel;
class QLineEdit;

namespace ostrel {

class TTarvoCardsButton;
class NetworkEntryPanel;

class TFormPassword : public QDialog {
  Q_OBJECT
 public:
  // check returns the phrase of the error, or an empty text when the login is accepted.
  using Check = std::function<QString(const QString& name, const QString& password,
                                      const QString& repetition)>;
  TFormPassword(bool new_player, const QString& name, Check check, QWidget* parent = nullptr);

  // The name as typed, trimmed; a control character put in by the program (setText) reads as
  // a space.
  QString Name() const;
  QLineEdit* NameEdit() { return name_; }
  QLineEdit* PasswordEdit() { return password_; }
  QLineEdit* RepetitionEdit() { return repetition_; }
  TTarvoCardsButton* OkButton() { return ok_; }
  QString Message() const;
  // The network layout: the panel (owned by the dialog from now on) goes under the password
  // fields, the name takes at most four characters, and OK checks the address and port too.
  void UseNetworkLayout(NetworkEntryPanel* panel);
  NetworkEntryPanel* Network() { return network_; }
  // The last step of an accepted OK (the network layout opens the game and its waiting room
  // here): false keeps the dialog open, showing the message it gives (none when empty).
  using AcceptStep = std::function<bool(QString* message)>;
  void SetAcceptStep(AcceptStep step) { accept_step_ = std::move(step); }

 private:
  void TryAccept();

  Check check_;
  QLineEdit* name_;
  QLineEdit* password_;
  QLineEdit* repetition_;
  QLabel* message_;
  TTarvoCardsButton* ok_;
  NetworkEntryPanel* network_ = nullptr;
  AcceptStep accept_step_;
};

}  // namespace ostrel
