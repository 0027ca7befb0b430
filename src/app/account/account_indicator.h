// The account indicator (ImAc) of the main menu: the account picture with the lamp of the
// account state, its hint, a balloon when the pointer enters, and the account window on a
// click. It also owns the account of the whole program and signs in at start-up.
#pragma once

#include <QString>
#include <QWidget>
#include <functional>
#include <optional>

#include "app/account/account_state.h"
#include "net/service_client.h"
#include "online/account_games.h"

namespace ostrel {

class AccountIndicator : public QWidget {
  Q_OBJECT
 public:
  // site: the program's site (empty: the local server); program_folder: where the user file
  // is looked for, in the folder above it.
  AccountIndicator(const QString& site, const QString& program_folder, QWidget* parent = nullptr);

  AccountState& State() { return state_; }
  const ServiceClient& Client() const { return client_; }
  // Another service than the one the program was started with (tests).
  void UseService(ServiceClient client) { client_ = std::move(client); }
  QString UserFile() const { return user_file_; }
  QString Hint() const;
  QString BalloonBody() const;

  // Reads the user file and signs in on a worker thread; Redraw follows.
  void StartUpSignIn();
  // Opens the account window modally, with the sound "WOpenFo"; AccountChanged follows when
  // the mode or the nick changed.
  void OpenAccountWindow();
  void Redraw();

  // Account games (account_game_flow.cpp). The start opens the account window where "Play
  // global rating" can be ticked, then begins the game when it was; nullopt: no game.
  std::optional<online::AccountGameSetup> StartAccountGame();
  // The part after the window: the provisional record; on failure the notice and sign-out.
  std::optional<online::AccountGameSetup> BeginAccountGame();
  // The end of an account game with its score difference and the cycle score including it;
  // a closed cycle goes to the club-account list (outside network and tournament games)
  // and CycleVerdictWanted follows a successful write.
  void FinishAccountGame(int difference, int cycle_score, bool network_or_tournament);
  // The game is left before its end: the provisional record stays at the service.
  void LeaveAccountGame();

  // How the indicator speaks to the player; the main window sets the sound, tests answer the
  // questions and skip the waits.
  std::function<void(const char* name)> play_sound;
  std::function<bool(const QString& question)> ask;
  std::function<void(const QString& text)> notify;
  bool skip_retry_waits = false;

 signals:
  void Clicked();
  // The mode or the nick changed while the account window was open.
  void AccountChanged();
  void SignedInAtStart();
  // A closed cycle was written to the club-account list: the verdict window (place, score).
  void CycleVerdictWanted(int place, int result);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;

 private:
  // Runs a blocking step on a worker thread on a copy of the state, keeps the window painting
  // but deaf to input meanwhile, and takes the copy back.
  void RunStep(const std::function<void(const ServiceClient&, AccountState&)>& step);
  void ShowWindow();
  bool Ask(const QString& question);
  void Notify(const QString& text);
  void Sound(const char* name);

  AccountState state_;
  ServiceClient client_;
  QString user_file_;
};

}  // namespace ostrel
