// The window's part in account games: the menu's account line, the start of an account game
// and the end that brings the account's record up to date.
#include <QFutureWatcher>
#include <QtConcurrent/QtConcurrentRun>

#include "app/main_window.h"
#include "app/window_messages.h"
#include "game/cp1251.h"
#include "online/account_games.h"
#include "online/replies.h"

namespace ostrel {

namespace {

// The account's line loses the padding of its nick (then letters) until it fits its row, as
// the club's lines do.
QString FitAccountLine(const std::string& utf8, const QAbstractButton* row) {
  const std::optional<std::string> cp1251 = Utf8ToCp1251(utf8);
  if (!cp1251 || cp1251->size() < 20) return QString::fromStdString(utf8);
  const ChampionRow champion{false, cp1251->substr(0, 20), cp1251->substr(20)};
  const QFontMetrics fm(row->font());
  const int room = row->width() - 24;
  return QString::fromStdString(FitChampionRow(champion, [&](std::string_view text) {
    return fm.horizontalAdvance(QString::fromUtf8(text.data(), qsizetype(text.size()))) <= room;
  }));
}

}  // namespace

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
    const std::string line = online::AccountLine(*record, now.user.Nick, view);
    menu_->SetAccountLine(FitAccountLine(line, menu_->ClubButton(kClubSeats)));
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
