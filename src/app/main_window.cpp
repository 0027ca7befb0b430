#include "app/main_window.h"

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
#include "app/game_info_balloon.h"
#include "app/login_dialog.h"
#include "app/options_window.h"
#include "app/small_windows.h"
#include "app/text.h"
#include "game/cp1251.h"
#include "game/rules.h"
#include "i18n/language.h"
#include "i18n/phrases.h"
#include "net/http_client.h"
#include "storage/club_store.h"
#include "storage/club_update.h"
#include "table/end_game_window.h"
#include "table/purple_design.h"
#include "table/suit_window.h"

namespace ostrel {

namespace {

// Phrases write a line break as "\n\r"; a message box wants one "\n".
QString BoxText(QString text) {
  return text.replace(QStringLiteral("\n\r"), QStringLiteral("\n"));
}

QString FromUtf8(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// A failed write has already been shown to the user by the message port, and the program
// goes on without it.
void Shown(const Status&) {}

}  // namespace

// The storage code's failures become message boxes in the user's language.
class TForm1::Messages : public MessagePort {
 public:
  explicit Messages(QWidget* owner) : owner_(owner) {}
  void ShowError(PhraseKey phrase, std::string_view detail) override {
    const std::string_view english = PhraseIn(phrase, kEnglish);  // the log is in English
    qWarning("%.*s: %.*s", int(english.size()), english.data(), int(detail.size()), detail.data());
    if (QApplication::platformName() == QLatin1String("offscreen")) return;
    QMessageBox::critical(owner_, T("Ostrel-Quartet"), BoxText(T(phrase)));
  }

 private:
  QWidget* owner_;
};

// The end of a game, in the order the engine runs it: the standing, the history line, the
// club file, the verdict after a cycle, and back to the menu.
class TForm1::Finish : public FinishPort {
 public:
  explicit Finish(TForm1& w) : w_(w) {}
  void UpdateRating(const GameRecord& record) override {
    if (w_.club_ && w_.club_->logged_in())
      w_.standing_ = w_.club_->Standing(record.ScoreDifference);
  }
  void WriteHistory(const GameRecord&) override {
    if (!w_.standing_) return;
    Shown(w_.club_->WriteHistory(*w_.standing_, HistoryKind::Computer, "", *w_.messages_));
  }
  void UpdateClubFile(const GameRecord& record) override {
    if (!w_.standing_) return;
    Shown(w_.club_->UpdateClub(record.ScoreDifference, *w_.standing_, *w_.messages_));
  }
  void ShowCycleVerdict(const GameRecord&) override {
    if (w_.standing_) w_.ShowVerdict(w_.standing_->best_ten_rank, w_.standing_->new_score);
  }
  void ReturnToMenu() override {
    QTimer::singleShot(0, &w_, [this] {
      w_.in_game_ = false;
      w_.chooser_->Forget();
      w_.table_->Reset();
      w_.ShowMenu();
    });
  }

 private:
  TForm1& w_;
};

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
          BoxText(T(PhraseKey::CantReadFile) + " \"" + QString::fromStdString(settings_path) +
                  "\"!\n" + T(PhraseKey::OptionsNotSaved)));
    });
  }
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
      QTimer::singleShot(0, this,
                         [this] { messages_->ShowError(PhraseKey::CantCreateMusicFile, ""); });
    }
    // The piece starts again when it ends, only on the title screen and in the menu.
    music_->SetLoopCondition([this] { return settings_.MusicOn && screen_ != Screen::Table; });
  }
  const std::uint64_t seed =
      context_.seed != 0 ? context_.seed : QRandomGenerator::system()->generate64();
  ComputerPlayers* players = context_.players;
  if (players == nullptr) {
    auto ai = std::make_unique<AiPlayers>(Random(seed ^ 0x9E3779B97F4A7C15ULL));
    ai->SetProgress([this](int percent) { choice_progress_.store(percent); });
    players = ai.get();
    own_players_ = std::move(ai);
  }
  chooser_ = std::make_unique<AsyncChooser>(*players);
  random_ = std::make_unique<Random>(seed);
  pictures_ = std::make_unique<WindowPictures>(
      context_.packs ? *context_.packs : ExecutablePackFolders(), seed ^ 0x5DEECE66DULL);
  messages_ = std::make_unique<Messages>(this);
  finish_ = std::make_unique<Finish>(*this);

  SetLanguage(settings_.Language);
  std::string error;
  club_ = ClubSession::Open(context_.program_folder, settings_.Multiplayer, &error);
  if (!club_) {
    started_well_ = false;
    start_error_ = FromUtf8(error);
  }

  title_ = new TitleScreen(this);
  menu_ = new MenuScreen(this);
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
  game_ = std::make_unique<Game>(*table_, *chooser_, *random_);
  game_->SetFinishPort(finish_.get());
  if (context_.instant) table_->SetTimeScale(0);

  setWindowTitle(T("Ostrel-Quartet"));
  setFixedSize(kDesignWidth, kDesignHeight);
  title_->setGeometry(0, 0, kDesignWidth, kDesignHeight);
  QPalette pal = palette();
  pal.setColor(QPalette::Window, QColor(192, 192, 192));
  setPalette(pal);
  BuildPopupMenu();

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

  connect(table_, &TableScreen::Button7Pressed, this, [this] { game_->Button7Click(); });
  connect(table_, &TableScreen::Button8Pressed, this, [this] { game_->Button8Click(); });
  connect(table_, &TableScreen::CardPressed, this, [this](int p) { game_->CardClick(p); });
  connect(table_, &TableScreen::TimerWanted, this, [this](int period, bool enabled) {
    table_timer_on_ = enabled;
    timer1_.setInterval(context_.table_tick_ms > 0 ? context_.table_tick_ms : period);
  });
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
      QMessageBox::information(this, T("Ostrel-Quartet"), BoxText(text));
    }
  });
  connect(table_, &TableScreen::CounterHintWanted, this, [this](int number, int of) {
    GameInfoFacts facts;
    facts.game_number = number;
    facts.tournament = of == 1;
    facts.network = game_->Mode().NetworkMode;
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
  // A computer seat starts thinking as soon as the table has shown the last step, so that its
  // choice overlaps the wait for the next tick instead of adding to it; the card is still
  // played on a tick, which keeps the pace of the table.
  connect(table_, &TableScreen::Idle, this, [this] {
    if (!in_game_ || screen_ != Screen::Table || chooser_->Running()) return;
    if (!chooser_->NeedsChoice(*game_)) return;
    tick_missed_ = false;
    choice_progress_.store(0);
    chooser_->Start(*game_);
  });
  connect(chooser_.get(), &AsyncChooser::Ready, this, [this] {
    table_->View()->State().panel.progress = -1;
    table_->View()->StateChanged();
    if (tick_missed_) TableTick();
  });

  connect(&timer1_, &QTimer::timeout, this, &TForm1::Timer1Timer);
  timer1_.setInterval(20);
  timer1_.start();
  title_->setFocus();
  Music(true);
}

void TForm1::Music(bool on) {
  if (music_) music_->MusicPlay(on && settings_.MusicOn);
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
    if (game_->Record().Phase == kPhaseCombinationsShown && over(view->ShownPos(i))) {
      card = st.shown[i];
    }
  }
  if (card.IsEmpty() && st.deck.cards_left > 0 && l.deck.Contains(pos.x(), pos.y())) {
    card = st.deck.turned_up;
  }
  if (!card.IsEmpty()) static_cast<void>(speaker_->SpeakCard(card, Language(), false));
}

TForm1::~TForm1() {
  chooser_->Forget();
}

void TForm1::BuildPopupMenu() {
  popup_ = new QMenu(this);
  popup_->setObjectName("PopupMenu1");
  const auto add = [this](const char* name, const char* caption, auto slot) {
    QAction* a = popup_->addAction(T(caption));
    a->setObjectName(QString::fromLatin1(name));
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
  const auto not_yet = [this](const char* caption) {
    return [this, caption] {
      QMessageBox box(QMessageBox::Information, T("Ostrel-Quartet"),
                      NotYetAvailableText(T(caption)), QMessageBox::Ok, this);
      box.setObjectName("NotYetAvailable");
      RunDialog(box);
    };
  };
  radio_ = popup_->addAction(T("Radio"));
  radio_->setObjectName("MRadio");
  connect(radio_, &QAction::triggered, this, not_yet("Radio"));
  chat_ = popup_->addAction(T("Chat"));
  chat_->setObjectName("MChat");
  connect(chat_, &QAction::triggered, this, not_yet("Chat"));
  quit_->setEnabled(false);
  gen_count_->setEnabled(false);
  change_name_->setEnabled(false);
  radio_->setEnabled(false);
  chat_->setEnabled(false);
}

TableScale TForm1::CurrentScale() const {
  QSize screen(kDesignWidth, kDesignHeight);
  if (const QScreen* s = QGuiApplication::primaryScreen()) screen = s->availableGeometry().size();
  return ScaleForWindowSize(settings_.WindowSize, screen.width(), screen.height());
}

void TForm1::ApplySettings() {
  SetLanguage(settings_.Language);
  setWindowTitle(T("Ostrel-Quartet"));
  const TableScale scale = CurrentScale();
  if (screen_ != Screen::Title) {
    setFixedSize(scale.client_w, scale.client_h);
    if (settings_.WindowSize == 2) {
      if (const QScreen* s = QGuiApplication::primaryScreen())
        move(s->availableGeometry().topLeft());
    }
    ApplyPictures(scale.s);
    menu_->SetTableScale(scale);
    table_->SetTableLayout(MakeTableLayout(scale, pictures_->NarrowCards()));
  }
  FontRoles fonts;
  fonts.face = {FromUtf8(settings_.FontLarge), FromUtf8(settings_.FontSmall),
                FromUtf8(settings_.FontSpecial1), FromUtf8(settings_.FontSpecial2)};
  fonts.scale = {settings_.ScaleLarge, settings_.ScaleSmall, settings_.ScaleSpecial1,
                 settings_.ScaleSpecial2};
  table_->View()->SetFonts(fonts);
  table_->View()->SetClothColour(settings_.BackgroundColour);
  table_->View()->SetRoundWord(T("Round:"));
  table_->SetCardSpeed(settings_.CardSpeed);
  game_->Mode().SoundOn = settings_.SoundOn;
  game_->Mode().CardAnimation = settings_.FlyingCards && !context_.instant;
  menu_->Retranslate();
  const std::string_view suffix = PictureSuffix(Language());
  menu_->SetPictureSuffix(QString::fromLatin1(suffix.data(), qsizetype(suffix.size())));
  menu_->SetNetworkClub(settings_.Multiplayer);
  RefreshChampions();
  UpdateSongButtons();
  for (QAction* a : popup_->actions()) {
    if (a->objectName() == "GenCount") a->setText(T("General score"));
    if (a->objectName() == "Quit") a->setText(T("Exit to menu"));
    if (a->objectName() == "ChangeName") a->setText(T("To change a name"));
    if (a->objectName() == "MSpeed") a->setText(T("Speed"));
    if (a->objectName() == "Help") a->setText(T("Help"));
    if (a->objectName() == "About") a->setText(T("About"));
  }
}

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
}

void TForm1::LeaveTitle() {
  if (screen_ != Screen::Title) return;
  title_->hide();
  radio_->setEnabled(true);
  chat_->setEnabled(true);
  screen_ = Screen::Menu;
  ApplySettings();
  ShowMenu();
}

void TForm1::ShowMenu() {
  screen_ = Screen::Menu;
  in_game_ = false;
  game_->Record().InGame = false;
  table_->hide();
  quit_->setEnabled(false);
  gen_count_->setEnabled(false);
  change_name_->setEnabled(false);
  RefreshChampions();
  menu_->show();
  UpdateSongButtons();
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
}

// The song buttons show from a drawing scale of 1.5 on, never over the title screen, and
// stay above whichever screen is raised.
void TForm1::UpdateSongButtons() {
  if (songs_) songs_->SetVisibleFor(CurrentScale().s, screen_ == Screen::Title);
}

void TForm1::StartWithSeat(int seat) {
  sounds_->Play("WOpenFo", false);
  if (screen_ != Screen::Menu || !club_) return;
  if (seat >= 1 && seat <= kClubSeats && IsEmptySeat(club_->club().lines[seat])) return;
  const bool new_player = seat == kNewPlayerSeat;
  QString preset;
  if (!new_player) preset = FromUtf8(Cp1251ToUtf8(club_->Champions(1).rows[seat].name)).trimmed();
  if (new_player) preset = FromUtf8(settings_.PlayerName);
  TFormPassword login(
      new_player, preset, [this, seat](const QString& name, const QString& pw, const QString& rep) {
        const LoginResult r =
            club_->Login(seat, name.toStdString(), pw.toStdString(), rep.toStdString());
        return r.error == LoginError::None ? QString() : BoxText(T(*LoginErrorPhrase(r.error)));
      });
  if (RunDialog(login) != QDialog::Accepted) return;
  if (new_player) settings_.PlayerName = login.Name().toStdString();
  ApplySettings();
  game_->SetPlayer(club_->PlayerName(), club_->GameNumber(), club_->InitialScore());
  game_->Options() = ToRuleOptions(settings_);
  standing_.reset();
  table_->Reset();
  ShowTable();
  in_game_ = true;
  timer1_.setInterval(context_.table_tick_ms > 0 ? context_.table_tick_ms : 200);
  StartRecording();
  game_->StartDeal(false);
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
      TableTick();
      break;
  }
}

void TForm1::TableTick() {
  if (!in_game_ || screen_ != Screen::Table || table_->Busy()) return;
  if (chooser_->Running()) {
    tick_missed_ = true;
    // A long choice shows its progress over the ten seconds it may take.
    // A choice long enough to be seen shows how far its samples have come.
    if (chooser_->Elapsed() > 300) {
      table_->View()->State().panel.progress = std::clamp(choice_progress_.load(), 0, 100);
      table_->View()->StateChanged();
    }
    return;
  }
  if (chooser_->NeedsChoice(*game_)) {
    tick_missed_ = true;
    choice_progress_.store(0);
    chooser_->Start(*game_);
    return;
  }
  game_->Tick();
}

bool TForm1::Confirm(const QString& question) {
  if (context_.confirm) return context_.confirm(question);
  return QMessageBox::question(this, T("Ostrel-Quartet"), BoxText(question),
                               QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
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
    game_->AnswerSuitChoice(suit);
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
  RemoveUnfinishedEntry();
  chooser_->Forget();
  table_->Reset();
  ShowMenu();
}

// Leaving a game before its end costs the player his seat in the club: the game would
// otherwise be a free way out of a losing position.
void TForm1::RemoveUnfinishedEntry() {
  if (!in_game_ || !club_ || !club_->logged_in()) return;
  const int seat = club_->player()->seat;
  if (seat < 1 || seat > kClubSeats || !club_->writable()) return;
  ClubFile copy = club_->club();
  RemoveMember(copy, seat);
  Shown(SaveClubFile(club_->club_path(), copy, *messages_));
  std::string error;
  club_ = ClubSession::Open(context_.program_folder, settings_.Multiplayer, &error);
  in_game_ = false;
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
    RemoveUnfinishedEntry();
  }
  SaveRecording();
  timer1_.stop();
  chooser_->Forget();
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
  connect(&options, &TFormOptions::PacksArrived, this, [this] { pictures_->Invalidate(); });
  connect(&options, &TFormOptions::Changed, this, [this, &options] {
    ApplySettings();
    // A set whose pack is missing has fallen back: the lists show what is in use.
    options.SyncFromSettings();
    if (music_ && settings_.MusicOn != music_->Playing()) Music(settings_.MusicOn);
  });
  RunDialog(options);
  ApplySettings();
}

void TForm1::ShowGameInfo() {
  const GameRecord& r = game_->Record();
  GameInfo info;
  info.game_number = r.GameNumber;
  info.cycle_game = r.GameNumber % kCycleLength == 0 ? kCycleLength : r.GameNumber % kCycleLength;
  info.initial_score = r.InitialScore;
  info.difference = r.ScoreDifference;
  if (club_ && club_->logged_in()) {
    info.rating_before = club_->player()->rating;
    info.rating_after = club_->Standing(r.ScoreDifference).rating;
  }
  InfoWindow window(info, this);
  RunDialog(window);
}

void TForm1::ChangeName() {
  if (!club_ || !club_->logged_in()) return;
  const ClubPlayer player = *club_->player();
  TFormPassword login(true, FromUtf8(club_->PlayerName()),
                      [](const QString& name, const QString& pw, const QString& rep) {
                        const auto error = [](LoginError e) {
                          return BoxText(T(*LoginErrorPhrase(e)));
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
  const std::string name_1251 = Utf8ToCp1251(name).value_or("?");
  const std::string password_1251 = Utf8ToCp1251(password).value_or("");
  if (player.seat >= 1 && player.seat <= kClubSeats && club_->writable()) {
    ClubFile copy = club_->club();
    const ClubMember m = ReadMember(copy, player.seat);
    copy.lines[player.seat] =
        MemberLine(name_1251, m.rating, m.games, m.cycle_score, PasswordCode(password_1251));
    Shown(SaveClubFile(club_->club_path(), copy, *messages_));
    std::string error;
    club_ = ClubSession::Open(context_.program_folder, settings_.Multiplayer, &error);
    if (club_) club_->Login(player.seat, name, password, password);
  }
  game_->Record().SeatName[4] = name;
  table_->View()->State().labels[4].text = login.Name();
  table_->View()->StateChanged();
  QMessageBox box(
      QMessageBox::Information, T("Ostrel-Quartet"),
      BoxText(T("Your name and/or the password were successfully changed!\n\rNew name: ")) +
          login.Name(),
      QMessageBox::Ok, this);
  RunDialog(box);
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
  sounds_->Play("WOpenFo", false);
  if (!club_) return;
  TFormTopTen window(club_->TopTen(), this);
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

void TForm1::ShowVerdict(int place, int result) {
  VerdictInput in;
  in.place = place;
  in.result = result;
  in.account_mode = 1;
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
