// Logging in to a club seat and the end-of-game update of the club file.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "i18n/phrase_keys.h"
#include "storage/club_file.h"

namespace ostrel {

// The player logged in to a club seat; texts in Windows-1251.
struct ClubPlayer {
  int seat = kNewPlayerSeat;  // 1-5 a member, 6 a new player
  std::string name;           // filled with spaces to 20
  std::string password_code;
  int games = 0;  // before this game
  int cycle_score = 0;
  double rating = 0;  // before this game
};

enum class LoginError { None, IncorrectName, PasswordsDiffer, IncorrectPassword };

// The phrase the login dialog shows for the error; nullopt for None.
std::optional<PhraseKey> LoginErrorPhrase(LoginError error);

// A name a player may take: not empty, and without a control character (a line end in a name
// would break the club file's lines). Other characters the file's code page cannot hold are
// written as "?".
bool IsAcceptableName(std::string_view utf8);

struct LoginResult {
  LoginError error = LoginError::None;
  ClubPlayer player;
};

// name, password and repetition are UTF-8 as typed; a name that is not acceptable is refused
// as an incorrect name. name is cut to 20 characters of the file's code page and the password
// to 5. An empty seat among 1-5 is taken like a new player: there is
// no one whose password could be asked.
LoginResult ClubLogin(const ClubFile& club, int seat, std::string_view name,
                      std::string_view password, std::string_view repetition);

// The rating after one more game: (games x rating + difference / 20) / (games + 1), rounded to
// six decimals and limited to +-99.99.
double NextRating(int previous_games, double previous_rating, int score_difference);

// Lines seat+1..5 move up and line 5 becomes an empty seat; seat 6 removes nothing.
void RemoveMember(ClubFile& club, int seat);

struct EnterResult {
  int best_ten_rank = 0;  // 1-10 when the cycle result entered the list, else 0
  int seat = 0;           // 1-5 where the record now stands, 0 when it fell out of the club
};

// record is a 59-column member line. At the end of a cycle of 25 games its cycle score enters
// the best ten (above an equal result) and is reset to 0; then the record enters the members
// above the first one whose rating is less or equal, or the first empty seat.
EnterResult EnterRecord(ClubFile& club, std::string record);

struct ClubGameResult {
  double rating = 0;    // after the game
  int games = 0;        // including this game
  int cycle_score = 0;  // the cycle score this game reached (before a reset)
  EnterResult placement;
};

// The whole update for a finished game: the new record replaces the player's old one.
ClubGameResult FinishClubGame(ClubFile& club, const ClubPlayer& player, int score_difference);

}  // namespace ostrel
