// The records the program and the web service exchange. Texts are UTF-8 here (Windows-1251
// on the wire), integers 32-bit, reals double. The defaults are the values a record keeps when
// a reply does not carry the field.
#pragma once

#include <array>
#include <string>

namespace ostrel::online {

// The game's number in the family of card games, and the identifiers of the service's lists.
inline constexpr int kGameCode = 65;
inline constexpr int kChatGameId = 100;
// The field-name prefix of this game's rated records, rating list and rating place.
inline constexpr const char* kAccountPrefix = "crddb4";
// The program version sent with world top ten results and chat messages.
inline constexpr const char* kProgramVersion = "5.7f";

enum class GameList { Windows, Android, ClubAccounts };
// The game code (a code above 80 first raised by 720), + 100 for Android, + 300 for club
// accounts.
int ServiceGameId(GameList list, int game_code = kGameCode);

// A registration date as the account keeps it, "dd.mm.yyyy" (a locale's short date may hold
// spaces, which a reply record cannot carry).
std::string RegistrationDate(int year, int month, int day);

// A player's profile.
struct TInfo14 {
  std::string Name1, Name2, About, Telephone, EMailO, Skype, WebSite, OK, VK, Telegram, FaceBook,
      Twitter, Instagramm, YouTube;
  bool operator==(const TInfo14&) const = default;
};

// The longest text of each profile field, as the profile window limits them.
struct ProfileLimits {
  static constexpr int Name1 = 20, Name2 = 20, About = 50, Telephone = 20, EMailO = 50,
                       WebSite = 50, Skype = 50, OK = 50, VK = 50, Telegram = 50, FaceBook = 60,
                       Twitter = 50, Instagramm = 50, YouTube = 50;
};

// An account.
struct TTarvoUser {
  std::string Nick;
  std::string Pw;
  std::string City;
  std::string Country1 = "Russia";  // the country's short name
  std::string Country2 = "1-001";   // the country code
  char Sex = 'M';                   // 'M' or 'W'
  std::string EMail;
  std::string DateR = "00.00.0000";
  std::string R01 = "#", R02 = "#", R03 = "#";
  int R04 = 0, R05 = 0, R06 = 0;
  std::string PwC;  // the password as the user file keeps it, enciphered
  TInfo14 Info;
  bool operator==(const TTarvoUser&) const = default;
};

// The player's record of rated games of this game (the other games' counters of the family
// are neither sent nor read by this game).
struct TTarvoGame {
  int Kon = 0;       // rated games
  int Score = 0;     // score of the current cycle so far
  int Sessions = 0;  // completed cycles
  double Rating = 0;
  char PlayNow = 'N';
  int R1 = 0;
  std::string R2 = "#";
  int Place = 0;  // from the rating place request
  int Best = 0;   // best cycle score
  int Best5 = 0, Best6 = 0, Best7 = 0, Best8 = 0;
  int KonL = 0;  // games of the current cycle, 0-24
  bool operator==(const TTarvoGame&) const = default;
};

// A line of the rating list.
struct TTarvoTop10 {
  std::string Nick;
  std::string City;
  std::string Country;  // the country code when the service sends one
  char Sex = 'M';
  double Rating = 0;
  bool operator==(const TTarvoTop10&) const = default;
};

// A line of the world top ten (and a chat message, under the chat's game identifier).
struct TTarvoRecord {
  int RID = 0;
  int GID = 0;
  int Score = 0;
  std::string Nick = "#", Country = "#", City = "#";
  std::string R07 = "#", R08 = "#", R09 = "#", R10 = "#";
  int Place = 0;
  bool operator==(const TTarvoRecord&) const = default;
};

// A seated tournament player; "X" texts (sex "X" too) mark an empty seat.
struct TTarvoClient {
  std::string Nick = "X";
  int Score = 0;
  int Kon = 0;
  int Rating = 0;
  std::string Country = "X";  // the account's short country name
  std::string City = "X";
  char Sex = 'M';
  std::string IP = "X";
  bool operator==(const TTarvoClient&) const = default;
};

// The player a seat request sends to empty a seat.
TTarvoClient EmptySeatPlayer();

// A tournament table and its four seats.
struct TTarvoTable_4 {
  std::string IP = "0.0.0.0";
  int Port = 0;
  std::string Free = "X";
  int R1 = 0;
  std::string R2 = "X";
  std::array<TTarvoClient, 4> Seats;  // seats 1-4 at [0]-[3]
  bool operator==(const TTarvoTable_4&) const = default;
};

inline constexpr int kTourTables = 10;

// The global statistics of the game.
struct TTarvoStat {
  int GID = 0;
  int Stat1 = 0, Stat2 = 0, Stat3 = 0;
  std::string Stat4;
  std::array<int, 12> StatX{};  // StatX[1..12] at [0]-[11]
  int StatY = 0;
  std::string StatZ;
  bool operator==(const TTarvoStat&) const = default;
};

}  // namespace ostrel::online
