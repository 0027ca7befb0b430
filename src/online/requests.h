// The request catalogue of the web service: every request as a typed value with its fields in
// their sending order. The program builds a body with BuildBody and posts it to the address of
// the request's group; the server recognises a body by its field names with ParseRequest,
// which checks every field as the program's own checks do. One description of each request
// (in requests.cpp) serves both directions.
//
// Texts are UTF-8 in these values and Windows-1251 on the wire. Where a field name carries a
// value ("client4on2", "readrating65", "crddb4kon"), the value is a member here and the server
// gets it back from the name.
#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <variant>

#include "online/form_body.h"
#include "online/records.h"
#include "online/result.h"

namespace ostrel::online {

// The four addresses of the service ("POST /service/account" ...).
enum class ServiceGroup { Account, TopTen, Stats, Tour };
std::string_view ServicePath(ServiceGroup group);
std::optional<ServiceGroup> GroupOfPath(std::string_view path);

// "/photos/" + the percent-encoded nick + ".jpg"; the photo is fetched with a GET.
std::string PhotoPath(std::string_view nick);

struct RequestInfo {
  ServiceGroup group;
  BodyForm form;
  bool short_timeout;  // read time-out of kShortReadTimeoutMs instead of the client's default
  std::string_view name;
};
inline constexpr int kShortReadTimeoutMs = 3000;
inline constexpr int kMaxGameId = 99999;

// ---- Account group (register, login, profile, club size, rated record, rating list)

// Sends Nick, Pw, City, Country1, Country2, Sex, EMail, DateR, R01-R06 of the account.
// Reply: RegisterResult.
struct RegisterRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::Text, false, "register"};
  TTarvoUser User;
  bool operator==(const RegisterRequest&) const = default;
};

// Reply: ParseLoginReply.
struct LoginRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::List, false, "login"};
  std::string Nick, Pw;
  bool operator==(const LoginRequest&) const = default;
};

// Reply: ParseProfileReply.
struct ProfileReadRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::List, false, "profile read"};
  std::string Nick;
  bool operator==(const ProfileReadRequest&) const = default;
};

// Carries the account's password: a profile is saved only by its owner. The texts must pass
// the Profile check with their ProfileLimits (ProfileSaveText makes a typed text fit).
// Reply: ok marker.
struct ProfileSaveRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::Text, false, "profile save"};
  std::string Nick, Pw;
  TInfo14 Info;
  bool operator==(const ProfileSaveRequest&) const = default;
};

// Reply: last number, the club's member count.
struct ClubSizeRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::Text, false, "club size"};
  bool operator==(const ClubSizeRequest&) const = default;
};

// Reply: ParseRatedRecordReply.
struct RatedRecordReadRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::List, false,
                                     "rated record read"};
  std::string Nick, Pw;
  std::string Prefix = kAccountPrefix;
  bool operator==(const RatedRecordReadRequest&) const = default;
};

// Sends Kon, Best, Rating, Sessions, KonL, Score, R1, R2 of the record. Reply: ok marker.
struct RatedRecordSaveRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::Text, false,
                                     "rated record save"};
  std::string Nick, Pw;
  std::string Prefix = kAccountPrefix;
  TTarvoGame Game;
  bool operator==(const RatedRecordSaveRequest&) const = default;
};

// Reply: ParseRatingList.
struct RatingListRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::List, false, "rating list"};
  std::string Prefix = kAccountPrefix;
  bool operator==(const RatingListRequest&) const = default;
};

// Reply: last number, the place of that rating.
struct RatingPlaceRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Account, BodyForm::Text, false, "rating place"};
  std::string Prefix = kAccountPrefix;
  double Rating = 0;
  bool operator==(const RatingPlaceRequest&) const = default;
};

// ---- World top ten group (lists and the chat, which is the list of kChatGameId)

// Reply: last number, the entries of the list.
struct TopTenSizeRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::TopTen, BodyForm::List, false, "top ten size"};
  int Gid = kGameCode;
  bool operator==(const TopTenSizeRequest&) const = default;
};

// Reply: ParseTopTen.
struct TopTenRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::TopTen, BodyForm::List, true, "top ten"};
  int Gid = kGameCode;
  bool operator==(const TopTenRequest&) const = default;
};

// The passport's (or the account's) nick and city. Reply: ParseTopTen.
struct TopTenNearRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::TopTen, BodyForm::Text, true, "top ten near me"};
  int Gid = kGameCode;
  std::string Nick, City;
  bool operator==(const TopTenNearRequest&) const = default;
};

// A result, or a chat message under kChatGameId (Score = the message number, R7 the sex,
// R8 the version, R9 time, date and title, R10 the message; ChatWireText makes them fit).
// The body ends with a "*" after the last value. Reply: last number, the place reached.
struct TopTenWriteRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::TopTen, BodyForm::Text, false, "top ten write"};
  int Gid = kGameCode;
  std::string Nick, City;
  std::string Country;  // a country code (passport) or a short name (account)
  int Score = 0;
  std::string R7 = "M";
  std::string R8 = kProgramVersion;
  std::string R9 = "#", R10 = "#";
  bool operator==(const TopTenWriteRequest&) const = default;
};

// ---- Statistics group

// Reply: ParseStats.
struct StatsReadRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Stats, BodyForm::List, true, "statistics read"};
  int Gid = kGameCode;
  bool operator==(const StatsReadRequest&) const = default;
};

// Reply: ok marker.
struct StatsStartRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Stats, BodyForm::Text, false,
                                     "statistics start"};
  int Gid = kGameCode;
  int Stat1 = 0, Stat2 = 1;
  bool operator==(const StatsStartRequest&) const = default;
};

// Stat4 is the nick of the like. Reply: ok marker.
struct StatsLikeRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Stats, BodyForm::Text, false, "statistics like"};
  int Gid = kGameCode;
  int Stat3 = 1;
  std::string Stat4;
  bool operator==(const StatsLikeRequest&) const = default;
};

// R1-R12 at [0]-[11]. Reply: ok marker.
struct StatsResultsRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Stats, BodyForm::Text, false,
                                     "statistics results"};
  int Gid = kGameCode;
  std::array<int, 12> R{};
  bool operator==(const StatsResultsRequest&) const = default;
};

// ---- Tournament group

// Reply: ParseTourTables.
struct TourTablesRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::List, true, "tournament tables"};
  int Gid = kGameCode;
  bool operator==(const TourTablesRequest&) const = default;
};

enum class SeatAction { Clear = 0, Take = 1, GiveUp = 2 };

// Takes, gives up or clears seat `Seat` of table `Table`, sending `Player` in the seat's
// fields (EmptySeatPlayer() to give up or clear). Every seat request also carries the
// account's nick and password, so only a signed-in player changes the seats.
// Reply: SeatResult.
struct TakeSeatRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::Text, false, "take a seat"};
  int Players = 4;  // players at the table, 3 or 4
  int Seat = 1;     // 1..Players
  int Gid = kGameCode;
  int Table = 1;  // 1..kTourTables
  SeatAction Action = SeatAction::Take;
  TTarvoClient Player;
  std::string Nick, Pw;  // the account
  bool operator==(const TakeSeatRequest&) const = default;
};

// Reply: ParseSeatReply.
struct SeatReadRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::List, false, "seat read"};
  int Seat = 1;  // 1..4
  int Gid = kGameCode;
  int Table = 1;
  bool operator==(const SeatReadRequest&) const = default;
};

// Reply: ParseServerState.
struct ServerStateRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::List, false, "server state"};
  int Gid = kGameCode;
  bool operator==(const ServerStateRequest&) const = default;
};

// Reply: ParseTourRating.
struct TourRatingRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::Text, false,
                                     "tournament rating"};
  int Gid = kGameCode;
  std::string Nick;
  bool operator==(const TourRatingRequest&) const = default;
};

// The kinds of the tournament lists: by score, rating or games.
enum class TourKind : char { Score = 's', Rating = 'r', Games = 'k' };

// Reply: ParseTourTopTen.
struct TourTopTenRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::List, false,
                                     "tournament top ten"};
  TourKind Kind = TourKind::Score;
  int Gid = kGameCode;
  bool operator==(const TourTopTenRequest&) const = default;
};

// The place of a score, rating or game count. Reply: last number.
struct TourPlaceRequest {
  static constexpr RequestInfo kInfo{ServiceGroup::Tour, BodyForm::Text, false, "tournament place"};
  TourKind Kind = TourKind::Score;
  int Gid = kGameCode;
  int Value = 0;
  bool operator==(const TourPlaceRequest&) const = default;
};

using Request =
    std::variant<RegisterRequest, LoginRequest, ProfileReadRequest, ProfileSaveRequest,
                 ClubSizeRequest, RatedRecordReadRequest, RatedRecordSaveRequest, RatingListRequest,
                 RatingPlaceRequest, TopTenSizeRequest, TopTenRequest, TopTenNearRequest,
                 TopTenWriteRequest, StatsReadRequest, StatsStartRequest, StatsLikeRequest,
                 StatsResultsRequest, TourTablesRequest, TakeSeatRequest, SeatReadRequest,
                 ServerStateRequest, TourRatingRequest, TourTopTenRequest, TourPlaceRequest>;

const RequestInfo& InfoOf(const Request& request);

// The body (Windows-1251 bytes) in the request's form. Fails, naming the field, when a field
// does not pass its check (the service would refuse it) or cannot be written in Windows-1251.
Result<std::string> BuildBody(const Request& request);

// The request's name and fields for a log line, every password shown as "*".
std::string LogText(const Request& request);

// The request a body posted to a group's address holds: the one whose field names match the
// body's in order and number, with every value checked. Fails on anything else.
Result<Request> ParseRequest(ServiceGroup group, std::string_view body);

}  // namespace ostrel::online
