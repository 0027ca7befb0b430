// The window's part of a LAN game: the entry dialog in its network layout, the table of a
// network game with its chat, the end of a network game, and the club file of the mode.
#include <QMessageBox>

#include "app/chat_strip.h"
#include "app/game_info_balloon.h"
#include "app/lan_game.h"
#include "app/login_dialog.h"
#include "app/main_window.h"
#include "app/net_entry.h"
#include "app/public_address.h"
#include "app/text.h"
#include "app/window_messages.h"
#include "game/rules.h"
#include "i18n/phrases.h"
#include "table/suit_window.h"

namespace ostrel {
namespace {

QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

void TForm1::SetUpLan() {
  lan_ = new LanGame(*table_, this);
  chat_strip_ = new ChatStrip(table_->View());
  connect(lan_, &LanGame::Interrupted, this, &TForm1::LanInterrupted, Qt::QueuedConnection);
  connect(lan_, &LanGame::ChatLine, this, [this](int seat, const QString& text, bool arrived) {
    if (arrived) sounds_->Play("WToMenK", false);
    chat_strip_->AddLine(seat, text);
  });
  connect(lan_, &LanGame::FirstDealArrived, this, [this] { table_->View()->update(); });
  connect(chat_strip_, &ChatStrip::SendWanted, lan_, &LanGame::SendChat);
  connect(chat_strip_, &ChatStrip::OpenViewToggled, this,
          [this] { table_->SetOpenView(!table_->OpenView()); });
}

// "New Player" with Multiplayer on: the entry dialog hosts or joins and shows the waiting
// room; the table opens once the game is to start.
void TForm1::StartNetworkGame() {
  TFormPassword login(true, FromUtf8(settings_.PlayerName),
                      [this](const QString& name, const QString& pw, const QString& rep) {
                        const LoginResult r = club_->Login(kNewPlayerSeat, name.toStdString(),
                                                           pw.toStdString(), rep.toStdString());
                        return r.error == LoginError::None
                                   ? QString()
                                   : WindowBoxText(T(*LoginErrorPhrase(r.error)));
                      });
  auto* net = new NetworkEntryPanel(settings_.ServerIp, settings_.ServerPort,
                                    PublicAddressSource(context_.site));
  login.UseNetworkLayout(net);
  connect(net, &NetworkEntryPanel::HelpRequested, &login, [this, &login] {
    QMessageBox box(QMessageBox::Information, T("Ostrel-Quartet"),
                    WindowBoxText(T(PhraseKey::RouterHelp)), QMessageBox::Ok, &login);
    box.setObjectName("RouterHelp");
    RunDialog(box);
  });
  login.SetAcceptStep([this, &login, net](QString* problem) {
    QString ignored;
    LanEntry entry;
    entry.client = net->IsClient();
    entry.where = net->Check(&ignored);
    entry.name = login.Name().toStdString();
    if (entry.client) settings_.ServerIp = net->ServerIp();
    settings_.ServerPort = net->ServerPort();
    return lan_->Enter(
        entry, &login, [this](QDialog& d) { return RunDialog(d); }, problem);
  });
  if (RunDialog(login) != QDialog::Accepted) return;
  settings_.PlayerName = login.Name().toStdString();
  ApplySettings();
  table_->Reset();
  chat_strip_->Clear();
  chat_strip_->SetShown(true);
  ShowTable();
  in_game_ = true;
  StartRecording();
  lan_->Begin(&*club_, messages_.get(), ToRuleOptions(settings_));
  if (lan_->WaitingForFirstDeal()) {
    quit_->setEnabled(true);  // the player need not wait for a host that never deals
    GameInfoFacts facts;
    facts.network = true;
    facts.waiting_for_first_deal = true;
    table_->View()->SetPanelBalloon(T("Current game"), GameInfoBalloonLines(facts));
  }
}

// A player left or the host ended the game: why, then the menu. The game stops without
// costing this player his place in the club.
void TForm1::LanInterrupted() {
  if (!lan_->Active()) return;
  sounds_->Play("WWrongs", false);
  // A suit window still open belongs to the game that has ended.
  for (TFormMastDeb* suit : findChildren<TFormMastDeb*>()) suit->deleteLater();
  session_->Stop();
  lan_->End();
  in_game_ = false;
  QMessageBox box(QMessageBox::Critical, T("Ostrel-Quartet"),
                  WindowBoxText(FromUtf8(lan::InterruptionText())), QMessageBox::Ok, this);
  box.setObjectName("InterruptedBox");
  RunDialog(box);
  SaveRecording();
  EndLanTable();
  table_->Reset();
  ShowMenu();
}

// The network game is over for this copy, however it ended.
void TForm1::EndLanTable() {
  if (lan_->Active()) lan_->End();
  chat_strip_->SetShown(false);
  chat_strip_->Clear();
  table_->SetOpenView(false);
}

// The club file follows the mode: "Ostrel4.net" while Multiplayer is on. A file that cannot
// be opened keeps the mode and the club as they were.
void TForm1::UseClubOfMode() {
  if (!club_ || club_->multiplayer() == settings_.Multiplayer || in_game_) return;
  std::string error;
  auto club = ClubSession::Open(context_.program_folder, settings_.Multiplayer, &error);
  if (!club) {
    settings_.Multiplayer = club_->multiplayer();
    QMessageBox box(QMessageBox::Warning, T("Ostrel-Quartet"), WindowBoxText(FromUtf8(error)),
                    QMessageBox::Ok, this);
    RunDialog(box);
    return;
  }
  club_ = std::move(club);
}

}  // namespace ostrel
