// The club seen from a game: open the club file of a program folder, log a player in, and
// record a finished game. This is what the desktop program's end of a game and the simulator
// call; the steps are also offered one by one for a caller that must do something between
// them (the statistics report and the sounds come between the history line and the club file).
//
//   auto session = ClubSession::OpenOrInstall(folder, /*multiplayer=*/false, "", &error);
//   LoginResult login = session->LoginByName("Anna", "");   // member "Anna" or a new player
//   ... record.GameNumber = session->GameNumber(); record.InitialScore = session->InitialScore();
//   FinishedGame done = session->RecordFinishedGame(score_difference, port);
//
// RecordFinishedGame works in the order the end of a game needs: the new rating first, then
// the history line (with that rating, the game number and the new score), then the club file.
// A history file that cannot be written does not stop the club update, and neither failure
// changes the game's result; both come back in the FinishedGame and went to the port.
//
// The two writes are made recoverable as a pair: WriteHistory first puts both changes in the
// club's journal (game_end_journal.h) and UpdateClub removes it, and Open completes a journal
// that a crash left between them. The caller holds the program folder's lock (program_lock.h).
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "storage/champions.h"
#include "storage/club_file.h"
#include "storage/club_store.h"
#include "storage/club_update.h"
#include "storage/game_end_journal.h"
#include "storage/history.h"

namespace ostrel {

struct FinishedGame {
  int game_number = 0;
  int score_difference = 0;
  int new_score = 0;  // the cycle score after this game (before a reset at the cycle's end)
  double rating_before = 0;
  double rating = 0;
  bool cycle_end = false;  // game number a multiple of 25
  int best_ten_rank = 0;   // 1-10 when the cycle result entered the best ten
  int seat = 0;            // where the player stands now, 0 when he fell out of the club
  Status history = Status::Ok();
  Status club = Status::Ok();
};

class ClubSession {
 public:
  // Opens "Ostrel4.clb" (or "Ostrel4.net" when multiplayer) of the program folder and checks
  // it, after completing the end of a game a crash interrupted. nullopt with the reason (in the
  // current language) when it is missing, damaged or cannot be read. A file the user may not
  // write opens, but the session never writes it (writable() is false).
  static std::optional<ClubSession> Open(const std::string& program_folder, bool multiplayer,
                                         std::string* error, FileSystem& fs = RealFileSystem());

  // Open, after the club files a fresh program folder lacks were installed from
  // shipped_folder ("" installs the initial files themselves; see InstallClubFiles).
  static std::optional<ClubSession> OpenOrInstall(const std::string& program_folder,
                                                  bool multiplayer,
                                                  const std::string& shipped_folder,
                                                  std::string* error,
                                                  FileSystem& fs = RealFileSystem());

  const ClubFile& club() const { return club_; }
  const std::string& club_path() const { return club_path_; }
  bool writable() const { return writable_; }
  bool multiplayer() const { return multiplayer_; }

  // The login dialog's checks for a seat chosen in the menu (1-5, or 6 for a new player).
  LoginResult Login(int seat, std::string_view name, std::string_view password,
                    std::string_view repetition);
  // The member of that name (its password must match), otherwise a new player with that
  // password.
  LoginResult LoginByName(std::string_view name, std::string_view password);

  bool logged_in() const { return player_.has_value(); }
  const std::optional<ClubPlayer>& player() const { return player_; }
  // The number of the game about to be played (games so far plus one) and the cycle score
  // it starts from; 0 when nobody is logged in.
  int GameNumber() const;
  int InitialScore() const;

  // The player's name (trimmed, UTF-8) as the history line shows it.
  std::string PlayerName() const;

  // The step of the new rating alone: what the game changes, without writing anything.
  FinishedGame Standing(int score_difference) const;
  // The history line for a standing; history_name "" takes the player's name (a LAN game gives
  // the players' names joined by "/"). For a game against the computer or over the LAN, whose
  // club file UpdateClub writes next, both changes go into the journal first.
  Status WriteHistory(const FinishedGame& standing, HistoryKind kind, std::string_view history_name,
                      MessagePort& port, const HistoryClock& clock = SystemHistoryClock());
  // The club file update; afterwards the logged-in player stands where the game put him. The
  // journal of the game is removed whether or not the write succeeded (a failure was shown).
  Status UpdateClub(int score_difference, FinishedGame& standing, MessagePort& port);

  // All three steps in order. kind is Computer or Lan; an account or tournament game does not
  // go through the club.
  FinishedGame RecordFinishedGame(int score_difference, MessagePort& port,
                                  std::string_view history_name = "",
                                  const HistoryClock& clock = SystemHistoryClock());

  // The logged-in player leaves a game before its end and so loses his place in the club: a
  // game left unfinished would otherwise be a free way out of a losing position. The club is
  // read again afterwards; nobody is logged in.
  Status LeaveUnfinished(MessagePort& port);
  // The logged-in player takes another name and password; he stays logged in under them.
  Status Rename(std::string_view name, std::string_view password, MessagePort& port);

  ChampionsTable Champions(int view) const { return ShowChampions(club_, view); }
  TopTenTable TopTen() const { return TopTenList(club_, multiplayer_); }

 private:
  ClubSession() = default;
  // Writes the changed club and reads it back as the session's club.
  Status Replace(const ClubFile& changed, MessagePort& port);

  HistoryPlace History() const;
  void DropJournal();

  std::string program_folder_;
  std::string club_path_;
  bool journal_written_ = false;
  ClubFile club_;
  bool writable_ = false;
  bool multiplayer_ = false;
  FileSystem* fs_ = nullptr;
  std::optional<ClubPlayer> player_;
};

}  // namespace ostrel
