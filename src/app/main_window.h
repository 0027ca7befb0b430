// The main window (TForm1): the title screen, the main menu and the card table in turn, the
// main timer, the context menu, and the confirmations on leaving.
#pragma once

#include <QAction>
#include <QMenu>
#include <QTimer>
#include <QWidget>
#include <memory>
#include <optional>

#include "app/account/account_indicator.h"
#include "app/gif_recorder.h"
#include "app/history_window.h"
#include "app/menu_screen.h"
#include "app/song_buttons.h"
#include "app/table_screen.h"
#include "app/table_session.h"
#include "app/title_screen.h"
#include "app/window_pictures.h"
#include "game/game.h"
#include "media/music_player.h"
#include "media/sound_port.h"
#include "media/voice.h"
#include "media/window_sounds.h"
#include "storage/club_session.h"
#include "storage/radio_tuner.h"
#include "storage/settings.h"

namespace ostrel {

class OnlineIndicators;
class StatsReporter;
class TourPlay;
class ChatStrip;
class LanGame;

// What the window is started with: the real program passes its folder; tests pass a
// temporary one, their own sounds and players, a seed and the wish to skip all waits.
struct AppContext {
  std::string program_folder;
  SoundPort* sounds = nullptr;
  ComputerPlayers* players = nullptr;
  std::uint64_t seed = 0;  // 0: from the clock
  bool instant = false;    // no waits and no flights, for tests
  bool music = true;       // the background music and spoken card names (off in tests)
  int table_tick_ms = 0;   // the table's timer period instead of the game's (tests)
  // Answers the confirmation questions (tests); unset: ask the user.
  std::function<bool(const QString&)> confirm;
  // Where the packs are looked for; unset: beside the program and in the folder above.
  std::optional<PackFolders> packs;
  // The site the packs are downloaded from and the song list is read from; empty: none.
  QString site;
  // The radio's stream (tests give a fake); unset: Qt Multimedia, or silence without music.
  std::function<std::unique_ptr<RadioPlayer>()> radio_player;
  // The radio's files; empty: the folder above the program's.
  std::string radio_folder;
};

class RadioService;
class RadioControl;

class TForm1 : public QWidget {
  Q_OBJECT
 public:
  explicit TForm1(AppContext context, QWidget* parent = nullptr);
  ~TForm1() override;

  // False when the club file is missing or damaged: the program must stop.
  bool StartedWell() const { return started_well_; }
  const QString& StartError() const { return start_error_; }

  enum class Screen { Title, Menu, Table };
  Screen CurrentScreen() const { return screen_; }
  TitleScreen* Title() { return title_; }
  AccountIndicator* Account() { return account_; }
  MenuScreen* Menu() { return menu_; }
  TableScreen* Table() { return table_; }
  GifRecorder& Recorder() { return *gif_; }
  Game& CurrentGame() { return session_->CurrentGame(); }
  LanGame* Lan() { return lan_; }
  ChatStrip* Chat() { return chat_strip_; }
  Settings& AppSettings() { return settings_; }
  const WindowPictures& Pictures() const { return *pictures_; }
  QMenu* PopupMenu1() { return popup_; }
  QAction* QuitAction() { return quit_; }
  QTimer& Timer1() { return timer1_; }

  // The menu choices and the context menu's "Exit to menu", as the buttons call them.
  void StartWithSeat(int seat);
  // The menu's account line: the account window, then an account game when one was chosen.
  void StartAccountGame();
  void Quit();
  void OpenOptions();
  // The internet radio: decides anew whether it can be used; opens its window.
  void RadioInit();
  void OpenRadio();
  // The tournament window (signed in only), and the game it books.
  void OpenTournament();
  // Applies the settings that show at once (size, cloth, speed, language).
  void ApplySettings();

 signals:
  // A modal window is about to open (tests answer it).
  void DialogOpened(QDialog* dialog);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;

 private:
  class Messages;

  void BuildPopupMenu();
  void SetUpMedia();
  ComputerPlayers* SetUpPlayers(std::uint64_t seed);
  void CreateScreens(ComputerPlayers& players, std::uint64_t seed);
  void LeaveTitle();
  // The internet radio (app/radio/window_radio.cpp).
  void SetUpRadio();
  void RadioOnLeavingTitle();
  void RadioMessage(const QString& text);
  void ShowMenu();
  void ShowTable();
  void Timer1Timer();
  void ConnectTable();
  void ConnectMenu();
  void BackToMenu();
  void RefreshChampions();
  bool Confirm(const QString& question);
  int RunDialog(QDialog& dialog);
  void OpenSuitWindow(int disabled_suit);
  void ShowGameInfo();
  void ChangeName();
  void OpenSpeed();
  void OpenHelp();
  void OpenAbout();
  void OpenTopTen();
  // The world top ten, statistics, chat and news (window_online.cpp).
  void SetUpOnline();
  void OpenWorldTopTen();
  void OpenChat();
  void OpenStats();
  void OpenNews();
  void AddWorldTopTenButton(QDialog& club_top_ten);
  // The statistics report of a finished game, and the result writing after a cycle.
  void ReportGameEnd(int score_difference, bool cycle_end);
  void OfferResultWrite(int cycle_score);
  // The indicators follow the screen (news only over the menu) and the drawing scale.
  void OnlineScreenChanged();
  void OpenHistory();
  void SwitchMode();
  void ShowVerdict(int place, int result, int account_mode = 1);
  void ConnectAccount();
  // The champions table's fifth line shows the account's record while signed in.
  void ShowAccountLine();
  void LeaveGame();
  void SaveSettingsNow();
  void StartRecording();
  void SaveRecording();
  void Music(bool on);
  void ApplyPictures(double scale);
  void UpdateSongButtons();
  void SpeakCardAt(QPoint pos);
  TableScale CurrentScale() const;
  // The window takes the size of the scale, centred on its screen, or the full screen.
  void PlaceWindow(const TableScale& scale);
  void SetUpFullScreenKey();
  void SetUpTournament();
  void ShowTourNotice(const QString& text);
  void ToggleFullScreen();
  // The LAN game (window_lan.cpp).
  void SetUpLan();
  void StartNetworkGame();
  void LanInterrupted();
  void EndLanTable();
  void UseClubOfMode();

  AppContext context_;
  Settings settings_;
  std::optional<ClubSession> club_;
  bool started_well_ = true;
  QString start_error_;
  bool settings_may_save_ = true;  // false while the file holds settings this run could not read
  Screen screen_ = Screen::Title;
  int windowed_size_ = 1;  // the size F11 returns to from the full screen

  std::unique_ptr<MediaSounds> own_sounds_;
  std::unique_ptr<MusicPlayer> music_;
  std::unique_ptr<PackVoiceSource> voice_;
  std::unique_ptr<CardSpeaker> speaker_;
  SoundPort* sounds_;
  std::unique_ptr<ComputerPlayers> own_players_;
  std::unique_ptr<WindowPictures> pictures_;
  SongButtons* songs_ = nullptr;
  std::unique_ptr<Messages> messages_;
  std::unique_ptr<GifRecorder> gif_;

  TitleScreen* title_;
  MenuScreen* menu_;
  AccountIndicator* account_ = nullptr;
  OnlineIndicators* online_ = nullptr;
  StatsReporter* reporter_ = nullptr;
  bool chat_open_ = false;
  TableScreen* table_;
  TableSession* session_ = nullptr;
  LanGame* lan_ = nullptr;
  ChatStrip* chat_strip_ = nullptr;
  QTimer timer1_;
  bool in_game_ = false;
  HistoryChoice history_choice_;
  TourPlay* tour_ = nullptr;
  bool reopen_tour_ = false;

  QMenu* popup_;
  QAction* gen_count_;
  QAction* quit_;
  QAction* change_name_;
  QAction* speed_;
  QAction* help_;
  QAction* about_;
  QAction* radio_;
  QAction* chat_;
  std::unique_ptr<RadioService> radio_service_;
  RadioControl* radio_control_ = nullptr;
};

}  // namespace ostrel
