// The replies of each request: builders for the server, readers for the program. A reader
// never fails on a short record (missing fields keep the record's defaults) but does fail,
// with a clear error, when an integer field is not a number or the reply lacks the record it
// must have. Replies are Windows-1251 bytes; records hold UTF-8.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "online/records.h"
#include "online/result.h"

namespace ostrel::online {

// The reply that refuses or finds nothing: login refused, no profile, no rated record,
// a save refused.
std::string BuildRefusedReply();  // "no"

// ---- Marker replies

enum class RegisterResult { Created, NickExists, Failed };
std::string BuildRegisterReply(RegisterResult result);  // "ok", "is", "no"
// "is" wins over "ok"; neither is a failure.
RegisterResult ParseRegisterReply(std::string_view reply);

// Profile save, rated record save and the statistics reports.
std::string BuildOkReply(bool ok);  // "ok" or "no"
bool ParseOkReply(std::string_view reply);

enum class SeatResult { Seated = 0, Failed = 1, Taken = 2 };
std::string BuildSeatResultReply(SeatResult result);  // "ok", "no", "is"
// "is" wins over "ok"; neither is Failed.
SeatResult ParseSeatResultReply(std::string_view reply);

// ---- Last number: club size, rating place, top ten size and write, tournament place

std::string BuildNumberReply(int number);
Result<int> ParseNumberReply(std::string_view reply);

// ---- Dollar and tilde records

// City, Country1, Country2, Sex, EMail, DateR, R01-R06 of the account.
std::string BuildLoginReply(const TTarvoUser& account);
// nullopt: refused ("no"). Otherwise `account` with the fields the record has.
Result<std::optional<TTarvoUser>> ParseLoginReply(std::string_view reply, TTarvoUser account);

// Name1, Name2, About, Telephone, EMailO, WebSite, Skype, OK, VK, Telegram, FaceBook, Twitter,
// Instagramm, YouTube, as a tilde record.
std::string BuildProfileReply(const TInfo14& profile);
// nullopt: no profile ("no").
Result<std::optional<TInfo14>> ParseProfileReply(std::string_view reply);

// Kon, Best, Rating, Sessions, KonL, Score, R1, R2.
std::string BuildRatedRecordReply(const TTarvoGame& record);
// nullopt: no record was found (the read itself counts as done). Otherwise `record` with the
// fields the reply has.
Result<std::optional<TTarvoGame>> ParseRatedRecordReply(std::string_view reply, TTarvoGame record);

std::string BuildSeatReply(const TTarvoClient& player);
// A reply without a record gives the empty seat's defaults.
Result<TTarvoClient> ParseSeatReply(std::string_view reply);

// The game server's state: 'Y' when it is on, and its message (spaces travel as "_").
struct ServerState {
  char State = 'X';
  std::string Message;
  bool operator==(const ServerState&) const = default;
};
std::string BuildServerStateReply(const ServerState& state);
// A reply without a record gives State 'X'.
ServerState ParseServerStateReply(std::string_view reply);

// The player's tournament figures.
struct TourRating {
  int Score = 0, Kon = 0, Rating = 0;
  bool operator==(const TourRating&) const = default;
};
std::string BuildTourRatingReply(const TourRating& rating);
// nullopt: no record.
Result<std::optional<TourRating>> ParseTourRatingReply(std::string_view reply);

// ---- Star lists (up to ten records)

// Per line: place, Nick, City, Country, Country, Sex, Rating (field 5, the country, wins over
// field 4).
std::string BuildRatingList(const std::vector<TTarvoTop10>& lines);
Result<std::vector<TTarvoTop10>> ParseRatingList(std::string_view reply);

// Per line: Place, RID, Score, Nick, Country, City, R07, R08, R09, R10 (RID is not read back).
std::string BuildTopTen(const std::vector<TTarvoRecord>& lines);
Result<std::vector<TTarvoRecord>> ParseTopTen(std::string_view reply);

// One record: Stat1, Stat2, Stat3, Stat4, StatX[1..12], StatY, StatZ (GID is not sent).
std::string BuildStats(const TTarvoStat& stats);
// Fails when the reply holds no record.
Result<TTarvoStat> ParseStats(std::string_view reply);

// Tables 10 down to 1, each: table number, IP, Port, Free, R1, R2, then per seat 1-4: Nick,
// Score, Kon, Rating, Country, City, Sex, IP. Tables the reply lacks keep their defaults.
std::string BuildTourTables(const std::array<TTarvoTable_4, kTourTables>& tables);
Result<std::array<TTarvoTable_4, kTourTables>> ParseTourTables(std::string_view reply);

// A line of the tournament top ten; a Nick of "#" is an empty line.
struct TourTopLine {
  int Place = 0;
  std::string Nick = "#", Country = "#", City = "#";
  int Value = 0;  // the score, rating or game count of the list's kind
  bool operator==(const TourTopLine&) const = default;
};
std::string BuildTourTopTen(const std::vector<TourTopLine>& lines);
Result<std::vector<TourTopLine>> ParseTourTopTen(std::string_view reply);

}  // namespace ostrel::online
