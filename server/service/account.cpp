#include "server/service/account.h"

#include <type_traits>

#include "online/replies.h"
#include "server/service/community.h"
#include "server/service/rated_rules.h"

namespace ostrel::server {
namespace {

// The rated records an account has: this game's.
const std::vector<std::string>& RatedPrefixes() {
  static const std::vector<std::string> kPrefixes = {online::kAccountPrefix};
  return kPrefixes;
}

bool KnownPrefix(const std::string& prefix) {
  for (const auto& p : RatedPrefixes()) {
    if (p == prefix) return true;
  }
  return false;
}

ProfileRow ToRow(const online::TInfo14& i) {
  return {i.Name1, i.Name2, i.About,    i.Telephone, i.EMailO,  i.WebSite,    i.Skype,
          i.OK,    i.VK,    i.Telegram, i.FaceBook,  i.Twitter, i.Instagramm, i.YouTube};
}

online::TInfo14 ToInfo(const ProfileRow& p) {
  online::TInfo14 i;
  i.Name1 = p[0];
  i.Name2 = p[1];
  i.About = p[2];
  i.Telephone = p[3];
  i.EMailO = p[4];
  i.WebSite = p[5];
  i.Skype = p[6];
  i.OK = p[7];
  i.VK = p[8];
  i.Telegram = p[9];
  i.FaceBook = p[10];
  i.Twitter = p[11];
  i.Instagramm = p[12];
  i.YouTube = p[13];
  return i;
}

}  // namespace

std::optional<AccountReply> AccountService::Gate(const std::string& nick, const std::string& pw,
                                                 const Caller& c) {
  switch (auth_.Check(nick, pw, c.peer, c.now)) {
    case AuthVerdict::kBusy:
      return AccountReply{};
    case AuthVerdict::kRefused:
      return AccountReply{online::BuildRefusedReply()};
    case AuthVerdict::kOk:
      break;
  }
  return std::nullopt;
}

AccountService::AccountService(Store& store, PasswordHasher& hasher, int registrations_per_hour)
    : store_(store),
      hasher_(hasher),
      auth_(store, hasher),
      registrations_(registrations_per_hour, 3600) {}

AccountReply AccountService::Reply(std::string_view body, const std::string& peer,
                                   std::int64_t now) {
  auto request = online::ParseRequest(online::ServiceGroup::Account, body);
  if (!request) return std::string();  // not a request of this group, or a field that fails
  const Caller caller{peer, now};
  return std::visit(
      [&](const auto& r) -> AccountReply {
        if constexpr (requires(AccountService & s) { s.Handle(r, caller); }) {
          return Handle(r, caller);
        } else {
          return std::string();
        }
      },
      *request);
}

AccountReply AccountService::Handle(const online::RegisterRequest& r, const Caller& c) {
  if (!registrations_.TryAdd(c.peer, c.now))
    return online::BuildRegisterReply(online::RegisterResult::Failed);
  auto hash = hasher_.Hash(r.User.Pw);
  if (!hash) return std::nullopt;
  AccountRow a;
  a.nick = r.User.Nick;
  a.pw_hash = *hash;
  a.city = r.User.City;
  a.country1 = r.User.Country1;
  a.country2 = r.User.Country2;
  a.sex = std::string(1, r.User.Sex);
  a.email = r.User.EMail;
  a.dater = r.User.DateR;
  a.r01 = r.User.R01;
  a.r02 = r.User.R02;
  a.r03 = r.User.R03;
  a.r04 = r.User.R04;
  a.r05 = r.User.R05;
  a.r06 = r.User.R06;
  bool created = store_.CreateAccount(a, c.now, RatedPrefixes());
  return online::BuildRegisterReply(created ? online::RegisterResult::Created
                                            : online::RegisterResult::NickExists);
}

AccountReply AccountService::Handle(const online::LoginRequest& r, const Caller& c) {
  if (auto refused = Gate(r.Nick, r.Pw, c)) return *refused;
  auto a = store_.FindAccount(r.Nick);
  if (!a) return online::BuildRefusedReply();
  online::TTarvoUser u;
  u.Nick = a->nick;
  u.City = a->city;
  u.Country1 = a->country1;
  u.Country2 = a->country2;
  u.Sex = a->sex.empty() ? 'M' : a->sex[0];
  u.EMail = a->email;
  u.DateR = a->dater;
  u.R01 = a->r01;
  u.R02 = a->r02;
  u.R03 = a->r03;
  u.R04 = a->r04;
  u.R05 = a->r05;
  u.R06 = a->r06;
  return online::BuildLoginReply(u);
}

AccountReply AccountService::Handle(const online::ProfileReadRequest& r, const Caller&) {
  auto p = store_.ReadProfile(r.Nick);
  if (!p) return online::BuildRefusedReply();
  return online::BuildProfileReply(ToInfo(*p));
}

AccountReply AccountService::Handle(const online::ProfileSaveRequest& r, const Caller& c) {
  if (auto refused = Gate(r.Nick, r.Pw, c)) return *refused;
  bool saved = store_.SaveProfile(r.Nick, ToRow(r.Info));
  return online::BuildOkReply(saved);
}

AccountReply AccountService::Handle(const online::ClubSizeRequest&, const Caller&) {
  return online::BuildNumberReply(store_.CountAccounts());
}

AccountReply AccountService::Handle(const online::RatedRecordReadRequest& r, const Caller& c) {
  if (!KnownPrefix(r.Prefix)) return online::BuildRefusedReply();
  if (auto refused = Gate(r.Nick, r.Pw, c)) return *refused;
  auto rated = store_.ReadRated(r.Nick, r.Prefix);
  if (!rated) return online::BuildRefusedReply();
  return online::BuildRatedRecordReply(RatedRecordOf(*rated));
}

AccountReply AccountService::Handle(const online::RatedRecordSaveRequest& r, const Caller& c) {
  if (!KnownPrefix(r.Prefix)) return online::BuildRefusedReply();
  if (auto refused = Gate(r.Nick, r.Pw, c)) return *refused;
  std::optional<int> closed_cycle;
  bool saved = store_.UpdateRated(r.Nick, r.Prefix, [&](const RatedRow& stored) {
    auto next = NextRatedRecord(stored, r.Game);
    if (next) closed_cycle = ClosedCycleScore(stored, *next);
    return next;
  });
  // A closed cycle goes to the club accounts' world top ten list.
  if (saved && closed_cycle) WriteClubResult(store_, r.Nick, *closed_cycle, c.now);
  return online::BuildOkReply(saved);
}

AccountReply AccountService::Handle(const online::RatingListRequest& r, const Caller&) {
  if (!KnownPrefix(r.Prefix)) return std::string();
  std::vector<online::TTarvoTop10> lines;
  for (const auto& l : store_.RatingList(r.Prefix, 10)) {
    online::TTarvoTop10 t;
    t.Nick = l.nick;
    t.City = l.city;
    t.Country = l.country2;
    t.Sex = l.sex.empty() ? 'M' : l.sex[0];
    t.Rating = l.rating;
    lines.push_back(std::move(t));
  }
  return online::BuildRatingList(lines);
}

AccountReply AccountService::Handle(const online::RatingPlaceRequest& r, const Caller&) {
  if (!KnownPrefix(r.Prefix)) return std::string();
  return online::BuildNumberReply(store_.RatingPlace(r.Prefix, r.Rating));
}

}  // namespace ostrel::server
