// The window's dialogs and the pictures and settings they change.
#include <QMessageBox>

#include "app/main_window.h"
#include "app/options_window.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "app/window_messages.h"
#include "storage/club_store.h"
#include "table/end_game_window.h"
#include "table/purple_design.h"

namespace ostrel {
namespace {

QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

// The pictures of the chosen sets; a pack that is missing is named in a message, and the
// program's own set takes its place in the settings as well.
void TForm1::ApplyPictures(double scale) {
  const PackOutcome outcome = pictures_->Refresh(settings_, scale);
  table_->View()->SetCardPictures(pictures_->Cards());
  table_->View()->SetBackground(pictures_->TableBackground());
  menu_->SetBackground(pictures_->MenuBackground());
  if (!in_game_) table_->View()->SetBackVariant(pictures_->DealBack(settings_));
  for (const QString& message : outcome.messages) {
    QMessageBox box(QMessageBox::Warning, T("Ostrel-Quartet"), message, QMessageBox::Ok, this);
    box.setObjectName("MissingPack");
    RunDialog(box);
  }
}

void TForm1::RefreshChampions() {
  if (!club_) return;
  const ChampionsTable champions = club_->Champions(settings_.ClubView);
  QFontMetrics fm(menu_->ClubButton(1)->font());
  const int room = menu_->ClubButton(1)->width() - 24;
  QStringList rows;
  for (int seat = 1; seat <= kClubSeats; ++seat) {
    const ChampionRow& row = champions.rows[seat];
    rows << (row.empty ? QString() : FromUtf8(FitChampionRow(row, [&](std::string_view utf8) {
      return fm.horizontalAdvance(QString::fromUtf8(utf8.data(), qsizetype(utf8.size()))) <= room;
    })));
  }
  menu_->SetChampions(T(champions.header), rows);
  ShowAccountLine();
}

void TForm1::OpenOptions() {
  sounds_->Play("WOpenFo", false);
  OptionsContext context;
  context.packs = pictures_->Folders();
  context.site = context_.site;
  context.play_sound = [this](const std::string& name) { sounds_->Play(name, false); };
  TFormOptions options(settings_, std::move(context), this);
  // The purple windows take their pictures from the graphics pack; without it, quietly gray.
  if (settings_.AuxDesignPurple &&
      !ApplyPurpleDesign(&options, pictures_->Folders(), "GFormOpt", "GIcon48Opt")) {
    settings_.AuxDesignPurple = false;
  }
  const bool radio_from_server = settings_.RadioListFromServer;
  bool radio_again = false;
  connect(&options, &TFormOptions::PacksArrived, this, [this, &radio_again] {
    pictures_->Invalidate();
    radio_again = true;
  });
  connect(&options, &TFormOptions::Changed, this, [this, &options] {
    ApplySettings();
    // A set whose pack is missing has fallen back: the lists show what is in use.
    options.SyncFromSettings();
    if (music_ && settings_.MusicOn != music_->Playing()) Music(settings_.MusicOn);
  });
  RunDialog(options);
  ApplySettings();
  // A new source of the station list, or new packs, decide the radio anew.
  if (radio_again || settings_.RadioListFromServer != radio_from_server) RadioInit();
}

void TForm1::OpenSpeed() {
  TFormSpeed speed(settings_.CardSpeed, this);
  connect(&speed, &TFormSpeed::SpeedChanged, this, [this](int v) {
    settings_.CardSpeed = v;
    table_->SetCardSpeed(v);
  });
  RunDialog(speed);
}

void TForm1::OpenHelp() {
  HelpWindow help(this);
  RunDialog(help);
}

void TForm1::OpenAbout() {
  AboutWindow about(this);
  RunDialog(about);
}

void TForm1::OpenTopTen() {
  // The purple design's world top ten holds the club's tables among its views.
  if (settings_.AuxDesignPurple) return OpenWorldTopTen();
  sounds_->Play("WOpenFo", false);
  if (!club_) return;
  TFormTopTen window(club_->TopTen(), this);
  AddWorldTopTenButton(window);
  RunDialog(window);
}

void TForm1::OpenHistory() {
  sounds_->Play("WOpenFo", false);
  TFHistory window(context_.program_folder, history_choice_, this);
  if (settings_.AuxDesignPurple &&
      ApplyPurpleDesign(&window, pictures_->Folders(), "GFormHistory", "GIcon48History")) {
    window.setFixedHeight(window.height() + 45);  // room for the header
  }
  RunDialog(window);
}

void TForm1::SwitchMode() {
  sounds_->Play("WOpenFo", false);
  settings_.ClubView = settings_.ClubView == 1 ? 2 : 1;
  RefreshChampions();
}

void TForm1::ShowVerdict(int place, int result, int account_mode) {
  VerdictInput in;
  in.place = place;
  in.result = result;
  in.account_mode = account_mode;
  in.multiplayer = settings_.Multiplayer;
  in.gif_animation = settings_.GifAnimation;
  in.purple = settings_.AuxDesignPurple;
  in.design = settings_.AuxDesign;
  in.packs = pictures_->Folders();
  TFormEndGame verdict(in, this, T);
  // Without the graphics pack the purple design quietly becomes the aristocratic one, the
  // concise one names the pack and keeps an empty header; both leave the settings at design 2.
  const VerdictDesignOutcome& outcome = verdict.Outcome();
  if (outcome.settings_to_design_2) {
    settings_.AuxDesignPurple = false;
    settings_.AuxDesign = 2;
  }
  if (outcome.message) {
    QMessageBox box(QMessageBox::Warning, T("Ostrel-Quartet"), *outcome.message, QMessageBox::Ok,
                    this);
    RunDialog(box);
  }
  sounds_->Play(VerdictSound(place, in.account_mode), false);
  RunDialog(verdict);
}

}  // namespace ostrel
