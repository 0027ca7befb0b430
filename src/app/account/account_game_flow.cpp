// The account indicator's part in account games: the start from the menu's account line, the
// end of the game with its questions, and leaving early. The steps themselves are
// account_game_steps.h; here they run off the window's thread and talk to the player.
#include <QEventLoop>
#include <QFutureWatcher>
#include <QMessageBox>
#include <QMetaObject>
#include <QPointer>
#include <QtConcurrent/QtConcurrentRun>
#include <chrono>
#include <memory>
#include <thread>

#include "app/account/account_game_steps.h"
#include "app/account/account_indicator.h"
#include "app/text.h"

namespace ostrel {

namespace {

// Phrases write a line break as "\n\r"; a message box wants one "\n".
QString BoxText(QString text) {
  return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

}  // namespace

void AccountIndicator::RunStep(
    const std::function<void(const ServiceClient&, AccountState&)>& step) {
  auto copy = std::make_shared<AccountState>(state_);
  QFutureWatcher<void> watcher;
  QEventLoop loop;
  connect(&watcher, &QFutureWatcher<void>::finished, &loop, &QEventLoop::quit);
  watcher.setFuture(QtConcurrent::run([client = client_, copy, step] { step(client, *copy); }));
  // The menu must not start another game while this one is being set up or recorded.
  if (!watcher.isFinished()) loop.exec(QEventLoop::ExcludeUserInputEvents);
  watcher.waitForFinished();
  state_ = *copy;
}

std::optional<online::AccountGameSetup> AccountIndicator::StartAccountGame() {
  state_.account_game = false;
  const AccountMode mode = state_.mode;
  const std::string nick = state_.user.Nick;
  state_.rating_choice = true;
  ShowWindow();
  state_.rating_choice = false;
  if (state_.mode != AccountMode::RatedGame) {
    Redraw();
    if (state_.mode != mode || state_.user.Nick != nick) emit AccountChanged();
    return std::nullopt;
  }
  return BeginAccountGame();
}

std::optional<online::AccountGameSetup> AccountIndicator::BeginAccountGame() {
  std::optional<online::AccountGameSetup> setup;
  QPointer<AccountIndicator> self(this);
  RetryHooks hooks;
  hooks.failed = [self] {
    QMetaObject::invokeMethod(
        self,
        [self] {
          if (self) self->Sound("WWrongs");
        },
        Qt::QueuedConnection);
  };
  if (!skip_retry_waits) {
    hooks.wait = [](int ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  }
  RunStep([&setup, hooks](const ServiceClient& client, AccountState& state) {
    setup = ostrel::StartAccountGame(client, state, hooks);
  });
  if (!setup && state_.mode == AccountMode::SignedOut) {
    Notify(T("Could not connect to server!"));
    emit AccountChanged();
  }
  Redraw();
  return setup;
}

void AccountIndicator::FinishAccountGame(int difference, int cycle_score,
                                         bool network_or_tournament) {
  if (state_.mode != AccountMode::RatedGame) return;
  AccountGameEnd end = AccountGameEnd::Failed;
  for (;;) {
    RunStep([&end, difference, cycle_score](const ServiceClient& client, AccountState& state) {
      end = SaveAccountGameEnd(client, state, difference, cycle_score);
    });
    if (end != AccountGameEnd::Failed) break;
    if (!Ask(T("Could not connect to server!") + "\n\r" + T("Repeat?"))) break;
  }
  // The service holds a record this game cannot be rated on: asking again would read the
  // same record, so the player is told that the result was not written.
  if (end == AccountGameEnd::NotRated) Notify(T("Unable to write the result of the game!"));
  state_.account_game = false;
  if (end == AccountGameEnd::CycleClosed && !network_or_tournament) {
    for (;;) {
      online::Result<int> place = online::Error{""};
      RunStep([&place, cycle_score](const ServiceClient& client, AccountState& state) {
        place = ReportAccountCycle(client, state, cycle_score);
      });
      if (place) {
        emit CycleVerdictWanted(*place, cycle_score);
        break;
      }
      if (!Ask(T("Unable to write the result of the game!") + " " + T("Repeat?"))) break;
    }
  }
  CloseAccountGame(state_);
  Redraw();
  emit AccountChanged();
}

void AccountIndicator::LeaveAccountGame() {
  if (!state_.account_game && state_.mode != AccountMode::RatedGame) return;
  CloseAccountGame(state_);
  Redraw();
  emit AccountChanged();
}

bool AccountIndicator::Ask(const QString& question) {
  if (ask) return ask(question);
  QMessageBox box(QMessageBox::Question, T("Ostrel-Quartet"), BoxText(question),
                  QMessageBox::Yes | QMessageBox::No, window());
  return box.exec() == QMessageBox::Yes;
}

void AccountIndicator::Notify(const QString& text) {
  if (notify) {
    notify(text);
    return;
  }
  QMessageBox box(QMessageBox::Information, T("Ostrel-Quartet"), BoxText(text), QMessageBox::Ok,
                  window());
  box.exec();
}

void AccountIndicator::Sound(const char* name) {
  if (play_sound) play_sound(name);
}

}  // namespace ostrel
