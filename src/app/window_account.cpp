// The window's part in account games: the menu's account line, the start of an account game
// and the end that brings the account's record up to date.
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "app/main_window.h"
#include "app/window_messages.h"
#include "online/account_games.h"
#include "online/replies.h"

namespace ostrel {

void TForm1::ConnectAccount() {
  account_->play_sound = [this](const char* name) { sounds_->Play(name, false); };
  connect(account_, &AccountIndicator::AccountChanged, this, &TForm1::RefreshChampions);
  connect(account_, &AccountIndicator::SignedInAtStart, this, &TForm1::RefreshChampions);
  connect(account_, &AccountIndicator::CycleVerdictWanted, this,
          [this](int place, int result) { ShowVerdict(place, result, 3); });
}

void TForm1::StartAccountGame() {
  const std::optional<online::AccountGameSetup> setup = account_->StartAccountGame();
  if (!setup) return;
  ApplySettings();
  table_->Reset();
  ShowTable();
  in_game_ = true;
  StartRecording();
  session_->StartAccountGame(ToRuleOptions(settings_), account_->State().user.Nick,
                             setup->game_number, setup->initial_score);
}

// The record is read off the window's thread; the line appears when it comes, unless the
// menu changed meanwhile (signed out, another club view, the network club).
void TForm1::ShowAccountLine() {
  const AccountState& state = account_->State();
  if (!state.SignedIn() || settings_.Multiplayer) return;
  const int view = settings_.ClubView;
  auto* watcher = new QFutureWatcher<std::optional<online::TTarvoGame>>(this);
  connect(watcher, &QFutureWatcherBase::finished, this, [this, watcher, view] {
    watcher->deleteLater();
    const std::optional<online::TTarvoGame> record = watcher->result();
    const AccountState& now = account_->State();
    if (!record || !now.SignedIn() || settings_.Multiplayer || settings_.ClubView != view) return;
    menu_->SetAccountLine(
        QString::fromStdString(online::AccountLine(*record, now.user.Nick, view)));
  });
  watcher->setFuture(QtConcurrent::run([client = account_->Client(), nick = state.user.Nick,
                                        pw = state.user.Pw,
                                        base = state.game]() -> std::optional<online::TTarvoGame> {
    const online::Result<std::string> reply = client.Send(online::RatedRecordReadRequest{nick, pw});
    if (!reply) return std::nullopt;
    auto record = online::ParseRatedRecordReply(*reply, base);
    if (!record || !record->has_value()) return std::nullopt;
    return **record;
  }));
}

}  // namespace ostrel
