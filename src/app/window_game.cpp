// The window's part of a game: choosing the player, the suit window, leaving, renaming, the
// game's information, closing the window.
#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>

#include "app/game_info_balloon.h"
#include "app/login_dialog.h"
#include "app/main_window.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "app/window_messages.h"
#include "game/cp1251.h"
#include "i18n/language.h"
#include "online/account_games.h"
#include "table/suit_window.h"

namespace ostrel {
namespace {

QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A failed write has already been shown to the user by the message port, and the program
// goes on without it.
void Shown(const Status&) {}

}  // namespace

void TForm1::StartWithSeat(int seat) {
  sounds_->Play("WOpenFo", false);
  if (screen_ != Screen::Menu || !club_) return;
  if (seat == kClubSeats && account_->State().SignedIn() && !settings_.Multiplayer) {
    StartAccountGame();
    return;
  }
  if (seat >= 1 && seat <= kClubSeats && IsEmptySeat(club_->club().lines[seat])) return;
  const bool new_player = seat == kNewPlayerSeat;
  if (new_player && settings_.Multiplayer) return StartNetworkGame();
  QString preset;
  if (!new_player) preset = FromUtf8(Cp1251ToUtf8(club_->Champions(1).rows[seat].name)).trimmed();
  if (new_player) preset = FromUtf8(settings_.PlayerName);
  TFormPassword login(
      new_player, preset, [this, seat](const QString& name, const QString& pw, const QString& rep) {
        const LoginResult r =
            club_->Login(seat, name.toStdString(), pw.toStdString(), rep.toStdString());
        return r.error == LoginError::None ? QString()
                                           : WindowBoxText(T(*LoginErrorPhrase(r.error)));
      });
  if (RunDialog(login) != QDialog::Accepted) return;
  if (new_player) settings_.PlayerName = login.Name().toStdString();
  ApplySettings();
  table_->Reset();
  ShowTable();
  in_game_ = true;
  StartRecording();
  session_->Start(&*club_, messages_.get(), ToRuleOptions(settings_));
}

// A right click on a card of the player, of the trick, of a shown combination or on the
// turned-up card speaks its name.
void TForm1::SpeakCardAt(QPoint pos) {
  if (!speaker_ || screen_ != Screen::Table) return;
  TableView* view = table_->View();
  const TableState& st = view->State();
  const TableLayout& l = view->Layout();
  CardCode card = kEmptyCard;
  const Rect card_rect{0, 0, l.card.w, l.card.h};
  const auto over = [&](QPoint at) {
    return Rect{at.x(), at.y(), card_rect.w, card_rect.h}.Contains(pos.x(), pos.y());
  };
  if (const int p = view->HandPositionAt(pos); p > 0) card = st.hands[4].cards[p];
  for (int seat = 1; seat <= kSeats && card.IsEmpty(); ++seat) {
    if (!st.trick[seat].IsEmpty() && over(view->TrickPos(seat))) card = st.trick[seat];
  }
  for (int i = st.shown_count; i >= 1 && card.IsEmpty(); --i) {
    if (session_->Record().Phase == kPhaseCombinationsShown && over(view->ShownPos(i))) {
      card = st.shown[i];
    }
  }
  if (card.IsEmpty() && st.deck.cards_left > 0 && l.deck.Contains(pos.x(), pos.y())) {
    card = st.deck.turned_up;
  }
  if (!card.IsEmpty()) static_cast<void>(speaker_->SpeakCard(card, Language(), false));
}

bool TForm1::Confirm(const QString& question) {
  if (context_.confirm) return context_.confirm(question);
  QMessageBox box(QMessageBox::Question, T("Ostrel-Quartet"), WindowBoxText(question),
                  QMessageBox::Yes | QMessageBox::No, this);
  box.setObjectName("ConfirmBox");
  return RunDialog(box) == QMessageBox::Yes;
}

int TForm1::RunDialog(QDialog& dialog) {
  emit DialogOpened(&dialog);
  return dialog.exec();
}

void TForm1::OpenSuitWindow(int disabled_suit) {
  auto* window =
      new TFormMastDeb(disabled_suit, T("Choice trump"), T("Select trump:"), T("Pass"), this);
  window->setAttribute(Qt::WA_DeleteOnClose);
  connect(window, &TFormMastDeb::Chosen, this, [this](int suit) {
    CurrentGame().AnswerSuitChoice(suit);
    table_->Resume();
  });
  emit DialogOpened(window);
  window->open();
}

void TForm1::Quit() {
  sounds_->Play("WOpenFo", false);
  if (screen_ != Screen::Table) return;
  if (!Confirm(T("You want to leave in the main menu?") + "\n\r" +
               T("All datas for want of it will be lost!"))) {
    return;
  }
  SaveRecording();
  LeaveGame();
  table_->Reset();
  ShowMenu();
}

// Leaving a game before its end costs the player his seat in the club: the game would
// otherwise be a free way out of a losing position.
// Leaving a game before its end costs the player his seat in the club (the session sees to
// it); the menu then shows the club as it is now.
void TForm1::LeaveGame() {
  EndLanTable();
  if (!in_game_) return;
  if (CurrentGame().Mode().AccountGame) account_->LeaveAccountGame();
  Shown(session_->Leave());
  in_game_ = false;
}

// The end of a game has run its steps.
void TForm1::BackToMenu() {
  in_game_ = false;
  EndLanTable();
  table_->Reset();
  ShowMenu();
}

// Recording is offered for the smallest window only: the pictures of a larger one would make
// files too large to be of use.
void TForm1::StartRecording() {
  gif_->Stop();
  if (settings_.SaveGif && settings_.WindowSize == 1) {
    gif_->Start(this, settings_.SaveGifArea, settings_.GifFrameDelay);
  }
}

void TForm1::SaveRecording() {
  if (gif_->Recording()) gif_->Save(context_.program_folder);
}

void TForm1::SaveSettingsNow() {
  if (!started_well_ || !settings_may_save_) return;
  Shown(SaveSettings(context_.program_folder + "/" + kSettingsFileName, settings_, *messages_));
}

void TForm1::closeEvent(QCloseEvent* event) {
  if (screen_ == Screen::Table && in_game_) {
    sounds_->Play("WOpenFo", false);
    if (!Confirm(T("You want to leave from game?") + " " +
                 T("All datas for want of it will be lost!"))) {
      event->ignore();
      return;
    }
    LeaveGame();
  }
  SaveRecording();
  timer1_.stop();
  Shown(session_->Leave());
  Music(false);
  if (music_) music_->RemoveMusicFile();
  SaveSettingsNow();
  event->accept();
}

void TForm1::contextMenuEvent(QContextMenuEvent* event) {
  if (screen_ == Screen::Table) {
    const QPoint p = table_->View()->mapFrom(this, event->pos());
    if (table_->View()->IsOverPlayArea(p)) return;
  }
  popup_->popup(event->globalPos());
}

void TForm1::keyReleaseEvent(QKeyEvent* event) {
  if (screen_ == Screen::Title && !event->isAutoRepeat()) {
    LeaveTitle();
    return;
  }
  QWidget::keyReleaseEvent(event);
}

void TForm1::ShowGameInfo() {
  const GameRecord& r = session_->Record();
  GameInfo info;
  info.player = FromUtf8(r.SeatName[4]).trimmed();
  info.game_number = r.GameNumber;
  info.cycle_game = r.GameNumber % kCycleLength == 0 ? kCycleLength : r.GameNumber % kCycleLength;
  info.initial_score = r.InitialScore;
  info.difference = r.ScoreDifference;
  if (const auto standing = session_->Session().PreviewStanding()) {
    info.rating_before = standing->rating_before;
    info.rating_after = standing->rating;
  } else if (CurrentGame().Mode().AccountGame) {
    const online::TTarvoGame& account = account_->State().game;
    info.cycle_game = account.KonL + 1;
    info.rating_before = account.Rating;
    info.rating_after = online::FinalRating(
        account.Kon + 1, online::ProvisionalRating(account.Kon, account.Rating), r.ScoreDifference);
  }
  InfoWindow window(info, this);
  RunDialog(window);
}

void TForm1::ChangeName() {
  if (!club_ || !club_->logged_in()) return;
  const ClubPlayer player = *club_->player();
  TFormPassword login(
      true, FromUtf8(club_->PlayerName()),
      [](const QString& name, const QString& pw, const QString& rep) {
        const auto error = [](LoginError e) {
          return WindowBoxText(T(*LoginErrorPhrase(e)));
        };
        if (!Utf8ToCp1251(name.trimmed().toStdString()) ||
            !IsAcceptableName(name.trimmed().toStdString())) {
          return error(LoginError::IncorrectName);
        }
        if (pw != rep) return error(LoginError::PasswordsDiffer);
        return QString();
      });
  if (RunDialog(login) != QDialog::Accepted) return;
  const std::string name = login.Name().toStdString();
  const std::string password = login.PasswordEdit()->text().toStdString();
  Shown(session_->Session().RenamePlayer(name, password));
  QMessageBox box(
      QMessageBox::Information, T("Ostrel-Quartet"),
      WindowBoxText(T("Your name and/or the password were successfully changed!\n\rNew name: ")) +
          login.Name(),
      QMessageBox::Ok, this);
  RunDialog(box);
}

}  // namespace ostrel
