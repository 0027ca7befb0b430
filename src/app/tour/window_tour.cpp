// The main window's way into the tournament: the tournament window while no game runs, the
// game at the table over the tournament connection, and back to the window after the game.
#include <QApplication>
#include <QMessageBox>

#include "app/main_window.h"
#include "app/text.h"
#include "app/tour/tour_play.h"
#include "app/tour/tour_top10.h"
#include "app/tour/tour_window.h"
#include "app/window_messages.h"

namespace ostrel {

void TForm1::ShowTourNotice(const QString& text) {
  if (QApplication::platformName() == QLatin1String("offscreen")) return;
  QMessageBox::information(this, T("Online-Tournament"), text);
}

void TForm1::SetUpTournament() {
  TourPlayHooks hooks;
  hooks.game = [this]() -> Game& { return CurrentGame(); };
  hooks.start_game = [this](const RuleOptions& rules) {
    table_->Reset();
    ShowTable();
    in_game_ = true;
    session_->Start(nullptr, messages_.get(), rules);
  };
  hooks.notice = [this](const QString& text) { ShowTourNotice(text); };
  hooks.sound = [this](const char* name) { sounds_->Play(name, false); };
  tour_ = new TourPlay(std::move(hooks), this);
  // "Exit to menu" after a tournament game opens the tournament window again.
  connect(tour_, &TourPlay::GameStarted, this, [this] { reopen_tour_ = true; });
  connect(session_, &TableSession::MenuWanted, this, [this] {
    if (!reopen_tour_) return;
    reopen_tour_ = false;
    QTimer::singleShot(0, this, &TForm1::OpenTournament);
  });
}

void TForm1::OpenTournament() {
  if (screen_ != Screen::Menu) return;
  const AccountState& account = account_->State();
  if (!account.SignedIn()) {
    ShowTourNotice(T("Log in to your account!"));
    return;
  }
  if (tour_ == nullptr) SetUpTournament();
  tour_->SetNick(account.user.Nick);
  const TourAccount player{account.user.Nick, account.user.Pw,  account.user.Country1,
                           account.user.City, account.user.Sex, "X"};
  TFTour4 window(account_->Client(), player, &tour_->Connection(), this);
  connect(&window, &TFTour4::TableNicks, tour_, &TourPlay::SetTableNicks);
  connect(&window, &TFTour4::WrongSound, this, [this] { sounds_->Play("WWrongs", false); });
  connect(&window, &TFTour4::Notice, this, &TForm1::ShowTourNotice);
  connect(&window, &TFTour4::TopTenWanted, this, [this, &window] {
    const auto& figures = window.Figures();
    TFormTourTop10 top(account_->Client(), figures, &window);
    RunDialog(top);
  });
  RunDialog(window);
}

}  // namespace ostrel
