#include "app/main_window.h"

#include "app/radio/radio_control.h"
#include "app/radio/radio_service.h"

#include "app/account/passport_window.h"

#include "app/window_messages.h"
#include "i18n/phrases.h"

#include <QApplication>
#include <QCloseEvent>
#include <QContextMenuEvent>
#include <QDate>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QRandomGenerator>
#include <QScreen>

#include "ai/ai_players.h"
#include "app/chat_strip.h"
#include "app/game_info_balloon.h"
#include "app/lan_game.h"
#include "app/login_dialog.h"
#include "app/options_window.h"
#include "app/qt_translations.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "game/cp1251.h"
#include "game/rules.h"
#include "i18n/language.h"
#include "net/http_client.h"
#include "storage/club_store.h"
#include "storage/club_update.h"
#include "table/end_game_window.h"
#include "table/purple_design.h"
#include "table/suit_window.h"

namespace ostrel {

namespace {

QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

}  // namespace

TForm1::TForm1(AppContext context, QWidget* parent)
    : QWidget(parent), context_(std::move(context)) {
  setObjectName("TForm1");
  const std::string settings_path = context_.program_folder + "/" + kSettingsFileName;
  SettingsLoad settings_load = LoadSettingsFile(settings_path);
  settings_ = settings_load.settings;
  // A settings file that could not be read keeps what it holds: the run goes on with the
  // defaults and the file is not saved over at closing.
  settings_may_save_ = settings_load.may_save();
  if (!settings_may_save_) {
    qWarning("%s", settings_load.error.c_str());
    QTimer::singleShot(0, this, [this, settings_path] {
      if (QApplication::platformName() == QLatin1String("offscreen")) return;
      QMessageBox::warning(
          this, T("Ostrel-Quartet"),
          WindowBoxText(T(PhraseKey::CantReadFile) + " \"" + QString::fromStdString(settings_path) +
                        "\"!\n" + T(PhraseKey::OptionsNotSaved)));
    });
  }
  SetUpMedia();
  const std::uint64_t seed =
      context_.seed != 0 ? context_.seed : QRandomGenerator::system()->generate64();
  ComputerPlayers* players = SetUpPlayers(seed);
  pictures_ = std::make_unique<WindowPictures>(
      context_.packs ? *context_.packs : ExecutablePackFolders(), seed ^ 0x5DEECE66DULL);
  messages_ = std::make_unique<Messages>(this);

  SetLanguage(settings_.Language);
  InstallQtTranslations(settings_.Language);
  std::string error;
  club_ = ClubSession::Open(context_.program_folder, settings_.Multiplayer, &error);
  if (!club_) {
    started_well_ = false;
    start_error_ = FromUtf8(error);
  }

  CreateScreens(*players, seed);
  setWindowTitle(T("Ostrel-Quartet"));
  setFixedSize(kDesignWidth, kDesignHeight);
  title_->setGeometry(0, 0, kDesignWidth, kDesignHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(pal);
  BuildPopupMenu();
  SetUpFullScreenKey();

  ConnectMenu();
  ConnectTable();
  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  timer1_.setInterval(20);
  timer1_.start();
  title_->setFocus();
  Music(true);
  SetUpRadio();
}

void TForm1::SetUpMedia() {
  if (context_.sounds != nullptr) {
    sounds_ = context_.sounds;
  } else {
    own_sounds_ = std::make_unique<MediaSounds>(settings_);
    sounds_ = own_sounds_.get();
    if (context_.music) {
      voice_ = std::make_unique<PackVoiceSource>(context_.packs ? *context_.packs
                                                                : ExecutablePackFolders());
      speaker_ = std::make_unique<CardSpeaker>(own_sounds_->Player(), voice_.get());
    }
  }
  if (context_.music) {
    music_ = std::make_unique<MusicPlayer>();
    if (music_->PrepareMusic() == MusicPlayer::Prepared::CantWrite) {
      QTimer::singleShot(0, this, [this] { messages_->ShowError(PhraseKey::CantCreateMusicFile, ""); });
    }
    // The piece starts again when it ends, only on the title screen and in the menu.
    music_->SetLoopCondition([this] { return settings_.MusicOn && screen_ != Screen::Table; });
  }
}

// The players of the other seats: the context's, or the program's own.
ComputerPlayers* TForm1::SetUpPlayers(std::uint64_t seed) {
  ComputerPlayers* players = context_.players;
  if (players == nullptr) {
    auto ai = std::make_unique<AiPlayers>(Random(seed ^ 0x9E3779B97F4A7C15ULL));
    ai->SetProgress([this](int percent) {
      if (session_) session_->ReportProgress(percent);
    });
    players = ai.get();
    own_players_ = std::move(ai);
  }
  return players;
}

void TForm1::CreateScreens(ComputerPlayers& players, std::uint64_t seed) {
  title_ = new TitleScreen(this);
  menu_ = new MenuScreen(this);
  account_ = new AccountIndicator(context_.site, FromUtf8(context_.program_folder), menu_);
  account_->move(8, 8);
  ConnectAccount();
  // Tests run without a service; the real program signs in from the user file.
  if (!context_.instant) account_->StartUpSignIn();
  SetUpOnline();
  table_ = new TableScreen(*sounds_, this);
  menu_->hide();
  SongButtonsSetup song_setup;
  song_setup.site = context_.site.toStdString();
  song_setup.fetch = [](const std::string& url) -> std::optional<std::string> {
    HttpResult r = HttpGet(url);
    if (!r.ok) return std::nullopt;
    return std::move(r.body);
  };
  songs_ = new SongButtons(this, std::move(song_setup));
  table_->hide();
  SetUpLan();
  session_ = new TableSession(
      lan_->Port(), players, seed, [this] { return table_->Busy(); }, this);
  lan_->UseSession(session_);
  if (context_.table_tick_ms > 0) session_->SetTickOverride(context_.table_tick_ms);
  if (context_.instant) table_->SetTimeScale(0);
}

void TForm1::ConnectMenu() {
  connect(title_, &TitleScreen::Left, this, &TForm1::LeaveTitle);
  connect(menu_, &MenuScreen::ClubPlayerChosen, this, &TForm1::StartWithSeat);
  connect(menu_, &MenuScreen::NewPlayerChosen, this, [this] { StartWithSeat(kNewPlayerSeat); });
  connect(menu_, &MenuScreen::OptionsChosen, this, &TForm1::OpenOptions);
  connect(menu_, &MenuScreen::TopTenChosen, this, &TForm1::OpenTopTen);
  connect(menu_, &MenuScreen::HistoryChosen, this, &TForm1::OpenHistory);
  connect(menu_, &MenuScreen::ModeChosen, this, &TForm1::SwitchMode);
  connect(menu_, &MenuScreen::ExitChosen, this, [this] {
    sounds_->Play("WOpenFo", false);
    close();
  });
}

void TForm1::ConnectTable() {
  connect(table_, &TableScreen::Button7Pressed, this, [this] { CurrentGame().Button7Click(); });
  connect(table_, &TableScreen::Button8Pressed, this, [this] { CurrentGame().Button8Click(); });
  connect(table_, &TableScreen::CardPressed, this, [this](int p) { CurrentGame().CardClick(p); });
  connect(table_, &TableScreen::TimerWanted, session_, &TableSession::SetTimer);
  connect(table_, &TableScreen::MenuItemsWanted, this, [this](bool quit, bool gen, bool name) {
    quit_->setEnabled(quit);
    gen_count_->setEnabled(gen);
    change_name_->setEnabled(name);
  });
  connect(table_, &TableScreen::SuitWindowWanted, this, &TForm1::OpenSuitWindow);
  connect(table_, &TableScreen::CardRightPressed, this, &TForm1::SpeakCardAt);
  connect(table_, &TableScreen::DealStarted, this,
          [this] { table_->View()->SetBackVariant(pictures_->DealBack(settings_)); });
  connect(table_, &TableScreen::MessageWanted, this, [this](const QString& text) {
    if (QApplication::platformName() != QLatin1String("offscreen")) {
      QMessageBox::information(this, T("Ostrel-Quartet"), WindowBoxText(text));
    }
  });
  connect(table_, &TableScreen::CounterHintWanted, this, [this](int number, int of) {
    GameInfoFacts facts;
    facts.game_number = number;
    facts.tournament = of == 1;
    facts.network = CurrentGame().Mode().NetworkMode;
    facts.waiting_for_first_deal = lan_->WaitingForFirstDeal();
    if (CurrentGame().Mode().AccountGame) {
      facts.account_mode = 3;
      facts.account_games = account_->State().game.KonL;
    }
    table_->View()->SetPanelHint(PanelPlainHint(number, facts.tournament));
    table_->View()->SetPanelBalloon(T("Current game"), GameInfoBalloonLines(facts));
  });
  gif_ = std::make_unique<GifRecorder>(*messages_);
  connect(table_, &TableScreen::Idle, this, [this] { gif_->TakeFrame(); });
  connect(table_, &TableScreen::Landed, this, [this] { gif_->TakeFrame(); });
  connect(table_, &TableScreen::GameEnded, this, [this] {
    gif_->TakeFrame();
    SaveRecording();
  });
  connect(table_, &TableScreen::Idle, session_, &TableSession::TableIdle);
  connect(session_, &TableSession::Progress, table_, &TableScreen::SetProgress);
  connect(session_, &TableSession::CycleVerdictWanted, this,
          [this](int place, int result) { ShowVerdict(place, result); });
  connect(session_, &TableSession::StatisticsWanted, this, &TForm1::ReportGameEnd);
  connect(session_, &TableSession::WorldTopTenWanted, this, &TForm1::OfferResultWrite);
  connect(session_, &TableSession::AccountGameEnded, account_,
          &AccountIndicator::FinishAccountGame);
  connect(session_, &TableSession::MenuWanted, this, &TForm1::BackToMenu);
}

void TForm1::Music(bool on) {
  if (music_) music_->MusicPlay(on && settings_.MusicOn);
}

TForm1::~TForm1() {
  if (radio_service_) radio_service_->Save();
}

void TForm1::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  const auto add = [this](const char* name, const char* caption, auto slot) {
    QAction* a = popup_->addAction(T(caption));
    a->setObjectName(QString::fromLatin1(name));
    a->setProperty("phrase", QByteArray(caption));
    connect(a, &QAction::triggered, this, slot);
    return a;
  };
  gen_count_ = add("GenCount", "General score", &TForm1::ShowGameInfo);
  quit_ = add("Quit", "Exit to menu", &TForm1::Quit);
  change_name_ = add("ChangeName", "To change a name", &TForm1::ChangeName);
  popup_->addSeparator();
  speed_ = add("MSpeed", "Speed", &TForm1::OpenSpeed);
  help_ = add("Help", "Help", &TForm1::OpenHelp);
  about_ = add("About", "About", &TForm1::OpenAbout);
  popup_->addSeparator();
  radio_ = popup_->addAction(T("Radio"));
  radio_->setObjectName("MRadio");
  radio_->setProperty("phrase", QByteArray("Radio"));
  connect(radio_, &QAction::triggered, this, &TForm1::OpenRadio);
  chat_ = popup_->addAction(T("Chat"));
  chat_->setObjectName("MChat");
  chat_->setProperty("phrase", QByteArray("Chat"));
  connect(chat_, &QAction::triggered, this, &TForm1::OpenChat);
  QAction* passport = popup_->addAction(T("Passport"));
  passport->setObjectName("MPassport");
  passport->setProperty("phrase", QByteArray("Passport"));
  connect(passport, &QAction::triggered, this, [this] {
    PassportWindow window(settings_, this);
    RunDialog(window);
    SaveSettingsNow();
  });
  QAction* tournament = popup_->addAction(T("Online-Tournament"));
  tournament->setObjectName("MTournament");
  tournament->setProperty("phrase", QByteArray("Online-Tournament"));
  connect(tournament, &QAction::triggered, this, &TForm1::OpenTournament);
  quit_->setEnabled(false);
  gen_count_->setEnabled(false);
  change_name_->setEnabled(false);
  radio_->setEnabled(false);
  chat_->setEnabled(false);
}

TableScale TForm1::CurrentScale() const {
  // The full screen covers the whole screen that shows the window, bars and panels included.
  QSize room(kDesignWidth, kDesignHeight);
  if (const QScreen* s = screen()) {
    room = settings_.WindowSize == 2 ? s->geometry().size() : s->availableGeometry().size();
  }
  return ScaleForWindowSize(settings_.WindowSize, room.width(), room.height());
}

void TForm1::ApplySettings() {
  SetLanguage(settings_.Language);
  InstallQtTranslations(settings_.Language);
  setWindowTitle(T("Ostrel-Quartet"));
  const TableScale scale = CurrentScale();
  if (screen_ != Screen::Title) {
    PlaceWindow(scale);
    ApplyPictures(scale.s);
    menu_->SetTableScale(scale);
    if (radio_control_) radio_control_->Place(scale);
    table_->SetTableLayout(MakeTableLayout(scale, pictures_->NarrowCards()));
  }
  UseClubOfMode();
  FontRoles fonts;
  fonts.face = {FromUtf8(settings_.FontLarge), FromUtf8(settings_.FontSmall),
                FromUtf8(settings_.FontSpecial1), FromUtf8(settings_.FontSpecial2)};
  fonts.scale = {settings_.ScaleLarge, settings_.ScaleSmall, settings_.ScaleSpecial1,
                 settings_.ScaleSpecial2};
  table_->View()->SetFonts(fonts);
  chat_strip_->Place(table_->View()->Layout(), fonts);
  table_->View()->SetClothColour(settings_.BackgroundColour);
  table_->View()->SetRoundWord(T("Round:"));
  table_->SetCardSpeed(settings_.CardSpeed);
  session_->SetSoundAndAnimation(settings_.SoundOn, settings_.FlyingCards && !context_.instant);
  menu_->Retranslate();
  const std::string_view suffix = PictureSuffix(Language());
  menu_->SetPictureSuffix(QString::fromLatin1(suffix.data(), qsizetype(suffix.size())));
  menu_->SetNetworkClub(settings_.Multiplayer);
  RefreshChampions();
  UpdateSongButtons();
  OnlineScreenChanged();
  // Every item of the context menu keeps the phrase it was made with.
  for (QAction* a : popup_->actions()) {
    const QByteArray phrase = a->property("phrase").toByteArray();
    if (!phrase.isEmpty()) a->setText(T(phrase.constData()));
  }
}

void TForm1::LeaveTitle() {
  if (screen_ != Screen::Title) return;
  title_->hide();
  radio_->setEnabled(true);
  chat_->setEnabled(true);
  screen_ = Screen::Menu;
  ApplySettings();
  ShowMenu();
  RadioOnLeavingTitle();
}

void TForm1::ShowMenu() {
  screen_ = Screen::Menu;
  in_game_ = false;
  table_->hide();
  quit_->setEnabled(false);
  gen_count_->setEnabled(false);
  change_name_->setEnabled(false);
  RefreshChampions();
  menu_->show();
  UpdateSongButtons();
  OnlineScreenChanged();
  timer1_.setInterval(20);
  timer1_.start();
  if (music_ && !music_->Playing()) Music(true);
}

void TForm1::ShowTable() {
  screen_ = Screen::Table;
  Music(false);
  menu_->hide();
  table_->show();
  table_->raise();
  UpdateSongButtons();
  OnlineScreenChanged();
}

// The song buttons show from a drawing scale of 1.5 on, never over the title screen, and
// stay above whichever screen is raised.
void TForm1::UpdateSongButtons() {
  if (songs_) songs_->SetVisibleFor(CurrentScale().s, screen_ == Screen::Title);
}

void TForm1::Timer1Timer() {
  switch (screen_) {
    case Screen::Title:
      title_->Animate();
      break;
    case Screen::Menu:
      menu_->Animate();
      break;
    case Screen::Table:
      break;
  }
}

}  // namespace ostrel
