// The world top ten group (the lists of this game's players and the chat, which lives there
// under its own game identifier) and the statistics group. Each request of the catalogue has a
// handler from the parsed request to the reply text; the body is parsed and every field checked
// by the request codec before a handler sees it. What a loop of requests could inflate is
// limited per address.
#pragma once

#include <string>
#include <string_view>

#include "online/requests.h"
#include "server/service/account.h"
#include "server/service/rate_limits.h"
#include "server/store/store.h"

namespace ostrel::server {

// The lists the service keeps: this game's players, its Android players, the club accounts
// and the chat.
inline constexpr int kWindowsListGid = 65;
inline constexpr int kAndroidListGid = 165;
inline constexpr int kClubListGid = 365;
inline constexpr int kChatGid = 100;
inline constexpr int kStatsGid = 65;

inline constexpr std::int64_t kChatSeconds = 15;  // one message per address in that time
inline constexpr int kChatKept = 1000;            // newest messages kept
inline constexpr int kResultWritesPerHour = 6;    // a cycle is 25 games: hours, not minutes
inline constexpr int kStartReportsPerHour = 10;   // program starts
inline constexpr int kLikesPerDay = 1;            // per address
inline constexpr int kResultReportsPerHour = 60;  // one per game
inline constexpr int kMaxCycleScore = 25 * 1000;  // 25 games of at most 1000 each
inline constexpr int kMaxReportedMargin = 1000;   // one game's margin
inline constexpr int kMaxGamesSetting = 1000;

class CommunityService {
 public:
  explicit CommunityService(Store& store);

  // A body that is not a request of the group, a refused or over-limit request: the empty
  // reply (which the program reads as a failure).
  std::string TopTenReply(std::string_view body, const Caller& caller);
  std::string StatsReply(std::string_view body, const Caller& caller);

  std::string Handle(const online::TopTenSizeRequest& r, const Caller& c);
  std::string Handle(const online::TopTenRequest& r, const Caller& c);
  std::string Handle(const online::TopTenNearRequest& r, const Caller& c);
  std::string Handle(const online::TopTenWriteRequest& r, const Caller& c);
  std::string Handle(const online::StatsReadRequest& r, const Caller& c);
  std::string Handle(const online::StatsStartRequest& r, const Caller& c);
  std::string Handle(const online::StatsLikeRequest& r, const Caller& c);
  std::string Handle(const online::StatsResultsRequest& r, const Caller& c);

 private:
  std::string WriteChat(const online::TopTenWriteRequest& r, const Caller& c);

  Store& store_;
  WindowLimiter chat_;
  WindowLimiter result_writes_;
  WindowLimiter starts_;
  WindowLimiter likes_;
  WindowLimiter result_reports_;
};

// Whether a game identifier names one of the lists.
bool IsKnownListGid(int gid);

// Writes a club account's closed cycle to the club-account list: the only way a line gets
// there, as it follows a rated record save checked with the account's password.
void WriteClubResult(Store& store, std::string_view nick, int cycle_score, std::int64_t now);

}  // namespace ostrel::server
