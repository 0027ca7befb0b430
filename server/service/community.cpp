#include "server/service/community.h"

#include <climits>

#include "online/replies.h"

namespace ostrel::server {
namespace {

constexpr std::int64_t kHour = 3600;
constexpr std::int64_t kDay = 24 * kHour;

online::TTarvoRecord ToRecord(const TopTenRow& row) {
  online::TTarvoRecord r;
  r.GID = row.gid;
  r.Score = row.score;
  r.Nick = row.nick;
  r.Country = row.country;
  r.City = row.city;
  r.R07 = row.r07;
  r.R08 = row.r08;
  r.R09 = row.r09;
  r.R10 = row.r10;
  r.Place = row.place;
  return r;
}

std::string ListReply(const std::vector<TopTenRow>& rows) {
  std::vector<online::TTarvoRecord> lines;
  for (const auto& row : rows) lines.push_back(ToRecord(row));
  return online::BuildTopTen(lines);
}

int Clamp(long long v) {
  return v > INT_MAX ? INT_MAX : (v < 0 ? 0 : static_cast<int>(v));
}

bool IsFlag(int v) {
  return v == 0 || v == 1;
}

template <class Service>
std::string Dispatch(Service& service, online::ServiceGroup group, std::string_view body,
                     const Caller& caller) {
  auto request = online::ParseRequest(group, body);
  if (!request) return std::string();
  return std::visit(
      [&](const auto& r) -> std::string {
        if constexpr (requires(Service & s) { s.Handle(r, caller); }) {
          return service.Handle(r, caller);
        } else {
          return std::string();
        }
      },
      *request);
}

}  // namespace

bool IsKnownListGid(int gid) {
  return gid == kWindowsListGid || gid == kAndroidListGid || gid == kClubListGid || gid == kChatGid;
}

CommunityService::CommunityService(Store& store)
    : store_(store),
      chat_(1, kChatSeconds),
      result_writes_(kResultWritesPerHour, kHour),
      starts_(kStartReportsPerHour, kHour),
      likes_(kLikesPerDay, kDay),
      result_reports_(kResultReportsPerHour, kHour) {}

std::string CommunityService::TopTenReply(std::string_view body, const Caller& caller) {
  return Dispatch(*this, online::ServiceGroup::TopTen, body, caller);
}

std::string CommunityService::StatsReply(std::string_view body, const Caller& caller) {
  return Dispatch(*this, online::ServiceGroup::Stats, body, caller);
}

std::string CommunityService::Handle(const online::TopTenSizeRequest& r, const Caller&) {
  if (!IsKnownListGid(r.Gid)) return std::string();
  return online::BuildNumberReply(store_.TopTenSize(r.Gid));
}

std::string CommunityService::Handle(const online::TopTenRequest& r, const Caller&) {
  if (!IsKnownListGid(r.Gid)) return std::string();
  return ListReply(store_.TopTen(r.Gid, 10));
}

std::string CommunityService::Handle(const online::TopTenNearRequest& r, const Caller&) {
  if (!IsKnownListGid(r.Gid) || r.Gid == kChatGid) return std::string();
  return ListReply(store_.TopTenNear(r.Gid, r.Nick, r.City, 5));
}

std::string CommunityService::Handle(const online::TopTenWriteRequest& r, const Caller& c) {
  if (r.Gid == kChatGid) return WriteChat(r, c);
  if (r.Gid == kClubListGid) {
    // Written by the server itself when the account's rated record closes a cycle; the
    // program's own write only learns the place of that line.
    auto place = store_.PlaceOfLine(r.Gid, r.Nick, r.Score);
    return place ? online::BuildNumberReply(*place) : std::string();
  }
  if (r.Gid != kWindowsListGid && r.Gid != kAndroidListGid) return std::string();
  if (r.Score < -kMaxCycleScore || r.Score > kMaxCycleScore) return std::string();
  if (r.R7 != "M" && r.R7 != "W") return std::string();
  if (!result_writes_.TryAdd(c.peer, c.now)) return std::string();
  // R9 and R10 are unused by results: nothing a player types is kept there.
  TopTenRow row{r.Gid, r.Score, r.Nick, r.Country, r.City, r.R7, r.R8, "#", "#", 0};
  return online::BuildNumberReply(store_.AddTopTen(row, c.now));
}

std::string CommunityService::WriteChat(const online::TopTenWriteRequest& r, const Caller& c) {
  if (r.R10 == "#" || (r.R7 != "M" && r.R7 != "W")) return std::string();
  if (!chat_.TryAdd(c.peer, c.now)) return std::string();
  TopTenRow row{kChatGid, 0, r.Nick, r.Country, r.City, r.R7, r.R8, r.R9, r.R10, 0};
  return online::BuildNumberReply(store_.AddChatMessage(row, c.now, kChatKept));
}

std::string CommunityService::Handle(const online::StatsReadRequest& r, const Caller&) {
  if (r.Gid != kStatsGid) return std::string();
  const StatsRow s = store_.ReadStats(r.Gid);
  online::TTarvoStat t;
  t.GID = r.Gid;
  t.Stat1 = Clamp(s.stat1);
  t.Stat2 = Clamp(s.stat2);
  t.Stat3 = Clamp(s.stat3);
  t.Stat4 = s.stat4;
  for (std::size_t i = 0; i < t.StatX.size(); ++i) t.StatX[i] = Clamp(s.x[i]);
  return online::BuildStats(t);
}

std::string CommunityService::Handle(const online::StatsStartRequest& r, const Caller& c) {
  if (r.Gid != kStatsGid || !IsFlag(r.Stat1) || !IsFlag(r.Stat2)) return std::string();
  if (!starts_.TryAdd(c.peer, c.now)) return online::BuildOkReply(false);
  StatsRow add;
  add.stat1 = r.Stat1;
  add.stat2 = r.Stat2;
  add.stat4.clear();
  store_.AddStats(r.Gid, add);
  return online::BuildOkReply(true);
}

std::string CommunityService::Handle(const online::StatsLikeRequest& r, const Caller& c) {
  if (r.Gid != kStatsGid || r.Stat3 != 1) return std::string();
  if (!likes_.TryAdd(c.peer, c.now)) return online::BuildOkReply(false);
  StatsRow add;
  add.stat3 = 1;
  add.stat4 = r.Stat4;
  store_.AddStats(r.Gid, add);
  return online::BuildOkReply(true);
}

std::string CommunityService::Handle(const online::StatsResultsRequest& r, const Caller& c) {
  const auto& v = r.R;
  bool sound = r.Gid == kStatsGid && IsFlag(v[0]) && IsFlag(v[1]) && IsFlag(v[5]) &&
               (v[1] == 0 || v[0] == 1) && v[2] >= 0 && v[2] <= kMaxReportedMargin && v[3] >= 0 &&
               v[3] <= kMaxReportedMargin && (v[2] == 0 || v[3] == 0) && v[4] >= 0 &&
               v[4] <= kMaxGamesSetting;
  for (std::size_t i = 6; i < v.size(); ++i) sound = sound && v[i] == 0;
  if (!sound) return std::string();
  if (!result_reports_.TryAdd(c.peer, c.now)) return online::BuildOkReply(false);
  StatsRow add;
  add.stat4.clear();
  add.x[0] = v[0];
  add.x[1] = v[1];
  add.x[2] = v[2] > 0 ? 1 : 0;
  add.x[3] = v[3] > 0 ? 1 : 0;
  add.x[4] = v[4] > 0 ? 1 : 0;
  add.x[5] = v[5];
  store_.AddStats(r.Gid, add);
  return online::BuildOkReply(true);
}

void WriteClubResult(Store& store, std::string_view nick, int cycle_score, std::int64_t now) {
  auto a = store.FindAccount(nick);
  if (!a) return;
  TopTenRow row{
      kClubListGid, cycle_score, a->nick, a->country1, a->city, a->sex, online::kProgramVersion,
      "#",          "#",         0};
  store.AddTopTen(row, now);
}

}  // namespace ostrel::server
