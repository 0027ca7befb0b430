// The main window's part of the online features: the world top ten and statistics windows,
// the chat window, and the news and chat indicators of the menu.
#include <QDesktopServices>
#include <QLayout>
#include <QPushButton>
#include <QUrl>

#include "app/main_window.h"
#include "app/online/chat_window.h"
#include "app/online/online_indicators.h"
#include "app/online/result_write_window.h"
#include "app/online/seen_files.h"
#include "app/online/stats_reports.h"
#include "app/online/stats_window.h"
#include "app/online/world_top_ten_window.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "storage/club_file.h"
#include "storage/club_store.h"
#include "table/purple_design.h"

namespace ostrel {

namespace {

constexpr int kLanGamesSetting = 1;

std::string SharedFolderOf(const AppContext& context) {
  return SharedFolder(context.program_folder);
}

}  // namespace

void TForm1::SetUpOnline() {
  online_ = new OnlineIndicators(ServiceClient(context_.site.toStdString()),
                                 SharedFolderOf(context_), menu_);
  connect(online_, &OnlineIndicators::NewsChosen, this, &TForm1::OpenNews);
  connect(online_, &OnlineIndicators::ChatChosen, this, &TForm1::OpenChat);
  connect(online_, &OnlineIndicators::NewChat, this, [this] {
    sounds_->Play("WToMenK", false);
    // During a game the chat may open by itself when the player asked for it.
    if (in_game_ && !chat_open_ && LoadChatFile(SharedFolderOf(context_)).open_on_new) OpenChat();
  });
  reporter_ = new StatsReporter(ServiceClient(context_.site.toStdString()), this);
  // Tests run without a service; the real program looks for news and messages and reports
  // its start, unless its club file carries the mark of the copies that keep silent.
  if (context_.instant) return;
  online_->Start();
  const ClubCheck check =
      VerifyClubFile(context_.program_folder + "/" + std::string(kLocalClubFileName));
  if (check.distribution_label != kSilentDistribution) {
    reporter_->ReportStart(settings_.StartCounted, [this] {
      settings_.StartCounted = true;
      SaveSettingsNow();
    });
  }
}

void TForm1::ReportGameEnd(int score_difference, bool cycle_end) {
  if (!reporter_ || context_.instant) return;
  const PlayMode& mode = CurrentGame().Mode();
  GameReport game;
  game.against_computer = !mode.NetworkMode && !mode.TournamentMode;
  game.cycle_end = cycle_end;
  game.margin = score_difference;
  game.tournament_seat1 = mode.TournamentMode && mode.TournamentSeat == 1;
  // The host counts a network game; the LAN window's number of games is fixed at one.
  game.network_host = mode.NetworkMode && mode.NetworkSeat == 1;
  game.games_setting = kLanGamesSetting;
  reporter_->ReportGame(game);
}

void TForm1::OfferResultWrite(int cycle_score) {
  if (context_.instant) return;  // tests run without a service
  const PlayMode& mode = CurrentGame().Mode();
  if (mode.NetworkMode || mode.TournamentMode || mode.AccountGame) return;
  if (account_ && account_->State().SignedIn()) return;
  ResultWriteWindow window(ServiceClient(context_.site.toStdString()), settings_, cycle_score,
                           this);
  RunDialog(window);
}

void TForm1::OnlineScreenChanged() {
  if (!online_) return;
  online_->SetScale(CurrentScale().s);
  online_->SetMenuShown(screen_ == Screen::Menu && !context_.instant);
}

void TForm1::OpenWorldTopTen() {
  sounds_->Play("WOpenFo", false);
  TopTenWindowInput input;
  input.purple = settings_.AuxDesignPurple;
  input.passport_nick = settings_.PassportNick;
  input.passport_city = settings_.PassportCity;
  if (account_ && account_->State().SignedIn()) {
    input.account_nick = account_->State().user.Nick;
    input.account_city = account_->State().user.City;
  }
  if (club_) {
    input.local_games = TopTenList(club_->club(), false);
    input.net_games = TopTenList(club_->club(), true);
  }
  WorldTopTenWindow window(ServiceClient(context_.site.toStdString()), std::move(input), this);
  connect(&window, &WorldTopTenWindow::StatsChosen, this, &TForm1::OpenStats);
  RunDialog(window);
}

void TForm1::AddWorldTopTenButton(QDialog& club_top_ten) {
  if (!club_top_ten.layout()) return;
  auto* world = new QPushButton(T(PhraseKey::WorldTopTen), &club_top_ten);
  world->setObjectName(QStringLiteral("WorldTopTen"));
  connect(world, &QPushButton::clicked, this, &TForm1::OpenWorldTopTen);
  club_top_ten.layout()->addWidget(world);
}

void TForm1::OpenStats() {
  StatsWindow window(ServiceClient(context_.site.toStdString()), settings_, this);
  window.save_settings = [this] { SaveSettingsNow(); };
  RunDialog(window);
}

void TForm1::OpenChat() {
  if (chat_open_) return;
  sounds_->Play("WOpenFo", false);
  chat_open_ = true;
  if (online_) online_->ChatSeen();
  ChatWindow window(ServiceClient(context_.site.toStdString()), settings_, SharedFolderOf(context_),
                    this);
  window.save_settings = [this] { SaveSettingsNow(); };
  // The graphics pack carries the chat's purple background and header; without it the chat
  // keeps its gray look.
  if (settings_.AuxDesignPurple)
    ApplyPurpleDesign(&window, pictures_->Folders(), "TarvoGamesChat", "GIcon48WT");
  RunDialog(window);
  chat_open_ = false;
}

void TForm1::OpenNews() {
  if (!online_) return;
  const QString page = online_->OpenNews();
  QDesktopServices::openUrl(QUrl(page));
}

}  // namespace ostrel
