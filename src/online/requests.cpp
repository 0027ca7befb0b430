#include "online/requests.h"

#include <type_traits>
#include <utility>

#include "game/cp1251.h"
#include "online/numbers.h"
#include "online/request_shapes.h"
#include "online/request_visitors.h"

namespace ostrel::online {
namespace {

using detail::kAnyMax;
using detail::kAnyMin;
using detail::Names;

// ---- The field descriptions, in sending order. R is the request, const when building.

template <class V, class R>
void DescribeAccount(V& v, R& r) {
  v.Text("nick", r.Nick, TextKind::AccountNick);
  v.Text("pw", r.Pw, TextKind::Password);
}

template <class V, class R>
void Describe(V& v, R& r, const RegisterRequest*) {
  auto& u = r.User;
  DescribeAccount(v, u);
  v.Text("city", u.City, TextKind::AccountCity);
  v.Text("country1", u.Country1, TextKind::ShortName);
  v.Text("country2", u.Country2, TextKind::CountryCode);
  v.Char("sex", u.Sex, TextKind::Sex);
  v.Text("email", u.EMail, TextKind::EMail);
  v.Text("dater", u.DateR, TextKind::Date);
  v.Text("R01", u.R01, TextKind::Reserved);
  v.Text("R02", u.R02, TextKind::Reserved);
  v.Text("R03", u.R03, TextKind::Reserved);
  v.Int("R04", u.R04, kAnyMin, kAnyMax);
  v.Int("R05", u.R05, kAnyMin, kAnyMax);
  v.Int("R06", u.R06, kAnyMin, kAnyMax);
}

template <class V, class R>
void Describe(V& v, R& r, const LoginRequest*) {
  DescribeAccount(v, r);
  v.Fixed("label0", "0");
}

template <class V, class R>
void Describe(V& v, R& r, const ProfileReadRequest*) {
  v.Text("nick", r.Nick, TextKind::AccountNick);
  v.Fixed("labelinforead", "0");
}

template <class V, class R>
void Describe(V& v, R& r, const ProfileSaveRequest*) {
  using L = ProfileLimits;
  auto& i = r.Info;
  DescribeAccount(v, r);
  v.Fixed("labelinfosave", "0");
  v.Text("namei", i.Name1, TextKind::Profile, L::Name1);
  v.Text("name2", i.Name2, TextKind::Profile, L::Name2);
  v.Text("about", i.About, TextKind::Profile, L::About);
  v.Text("telephone", i.Telephone, TextKind::Profile, L::Telephone);
  v.Text("emailo", i.EMailO, TextKind::Profile, L::EMailO);
  v.Text("website", i.WebSite, TextKind::Profile, L::WebSite);
  v.Text("skype", i.Skype, TextKind::Profile, L::Skype);
  v.Text("ok", i.OK, TextKind::Profile, L::OK);
  v.Text("vk", i.VK, TextKind::Profile, L::VK);
  v.Text("telegram", i.Telegram, TextKind::Profile, L::Telegram);
  v.Text("facebook", i.FaceBook, TextKind::Profile, L::FaceBook);
  v.Text("twitter", i.Twitter, TextKind::Profile, L::Twitter);
  v.Text("instagramm", i.Instagramm, TextKind::Profile, L::Instagramm);
  v.Text("youtube", i.YouTube, TextKind::Profile, L::YouTube);
}

template <class V, class R>
void Describe(V& v, R&, const ClubSizeRequest*) {
  v.Fixed("label1", "0");
}

template <class V, class R>
void Describe(V& v, R& r, const RatedRecordReadRequest*) {
  DescribeAccount(v, r);
  v.Fixed(r.Prefix + "best", "0");
}

template <class V, class R>
void Describe(V& v, R& r, const RatedRecordSaveRequest*) {
  const std::string& p = r.Prefix;
  auto& g = r.Game;
  DescribeAccount(v, r);
  v.Int(p + "kon", g.Kon, kAnyMin, kAnyMax);
  v.Int(p + "best", g.Best, kAnyMin, kAnyMax);
  v.Real(p + "rating", g.Rating);
  v.Int(p + "ses", g.Sessions, kAnyMin, kAnyMax);
  v.Int(p + "konl", g.KonL, kAnyMin, kAnyMax);
  v.Int(p + "score", g.Score, kAnyMin, kAnyMax);
  v.Int(p + "R1", g.R1, kAnyMin, kAnyMax);
  v.Text(p + "R2", g.R2, TextKind::Reserved);
}

template <class V, class R>
void Describe(V& v, R& r, const RatingListRequest*) {
  v.Fixed(r.Prefix + "kon", "0");
}

template <class V, class R>
void Describe(V& v, R& r, const RatingPlaceRequest*) {
  v.Real(r.Prefix + "rating", r.Rating);
}

template <class V, class R>
void DescribeGid(V& v, R& r, std::string_view name = "gid") {
  v.Int(name, r.Gid, 0, kMaxGameId);
}

template <class V, class R>
void Describe(V& v, R& r, const TopTenSizeRequest*) {
  DescribeGid(v, r, "rgid");
}

template <class V, class R>
void Describe(V& v, R& r, const TopTenRequest*) {
  DescribeGid(v, r);
}

template <class V, class R>
void Describe(V& v, R& r, const TopTenNearRequest*) {
  DescribeGid(v, r);
  v.Text("nick", r.Nick, TextKind::PassportNick);
  v.Text("city", r.City, TextKind::PassportCity);
}

template <class V, class R>
void Describe(V& v, R& r, const TopTenWriteRequest*) {
  DescribeGid(v, r);
  v.Text("nick", r.Nick, TextKind::PassportNick);
  v.Text("city", r.City, TextKind::PassportCity);
  v.Text("country", r.Country, TextKind::TopTenCountry);
  v.Int("score", r.Score, kAnyMin, kAnyMax);
  v.Text("R7", r.R7, TextKind::Chat);
  v.Text("R8", r.R8, TextKind::Chat);
  v.Text("R9", r.R9, TextKind::Chat);
  v.Text("R10", r.R10, TextKind::Chat);
  v.ClosingStar();
}

template <class V, class R>
void Describe(V& v, R& r, const StatsReadRequest*) {
  DescribeGid(v, r);
}

template <class V, class R>
void Describe(V& v, R& r, const StatsStartRequest*) {
  DescribeGid(v, r);
  v.Int("stat1", r.Stat1, kAnyMin, kAnyMax);
  v.Int("stat2", r.Stat2, kAnyMin, kAnyMax);
}

template <class V, class R>
void Describe(V& v, R& r, const StatsLikeRequest*) {
  DescribeGid(v, r);
  v.Int("stat3", r.Stat3, kAnyMin, kAnyMax);
  v.Text("stat4", r.Stat4, TextKind::PassportNick);
}

template <class V, class R>
void Describe(V& v, R& r, const StatsResultsRequest*) {
  DescribeGid(v, r);
  for (std::size_t k = 0; k < r.R.size(); ++k) {
    v.Int("R" + DecimalText(static_cast<long long>(k) + 1), r.R[k], kAnyMin, kAnyMax);
  }
}

template <class V, class R>
void Describe(V& v, R& r, const TourTablesRequest*) {
  DescribeGid(v, r, "readtable410");
  v.Same("gid", r.Gid);
}

template <class V, class R>
void DescribeTable(V& v, R& r) {
  DescribeGid(v, r);
  v.Int("num", r.Table, 1, kTourTables);
}

template <class V, class R>
void Describe(V& v, R& r, const TakeSeatRequest*) {
  const std::string k = DecimalText(r.Seat);
  auto& p = r.Player;
  v.Fixed("client" + DecimalText(r.Players) + "on" + k, "0");
  DescribeTable(v, r);
  int action = static_cast<int>(r.Action);
  v.Int("can", action, 0, 2);
  if constexpr (!std::is_const_v<R>) r.Action = static_cast<SeatAction>(action);
  v.Text("nick" + k, p.Nick, TextKind::SeatNick);
  v.Int("score" + k, p.Score, kAnyMin, kAnyMax);
  v.Int("kon" + k, p.Kon, kAnyMin, kAnyMax);
  v.Int("rating" + k, p.Rating, kAnyMin, kAnyMax);
  v.Text("country" + k, p.Country, TextKind::SeatCountry);
  v.Text("city" + k, p.City, TextKind::SeatCity);
  v.Char("sex" + k, p.Sex, TextKind::SeatSex);
  v.Text("ip" + k, p.IP, TextKind::SeatIp);
  DescribeAccount(v, r);
}

template <class V, class R>
void Describe(V& v, R& r, const SeatReadRequest*) {
  v.Fixed("readclient" + DecimalText(r.Seat), "0");
  DescribeTable(v, r);
}

template <class V, class R>
void Describe(V& v, R& r, const ServerStateRequest*) {
  v.Fixed("serverinforead", "0");
  DescribeGid(v, r);
}

template <class V, class R>
void Describe(V& v, R& r, const TourRatingRequest*) {
  v.Fixed("readrating" + DecimalText(r.Gid), "0");
  v.Text("nick", r.Nick, TextKind::AccountNick);
}

template <class V, class R>
void Describe(V& v, R& r, const TourTopTenRequest*) {
  v.Fixed("top10" + std::string(1, static_cast<char>(r.Kind)) + DecimalText(r.Gid), "0");
  v.Fixed("nick", "z");
}

std::string_view TourValueName(TourKind kind) {
  switch (kind) {
    case TourKind::Score:
      return "score1";
    case TourKind::Rating:
      return "rating1";
    case TourKind::Games:
      return "kon1";
  }
  return "score1";
}

template <class V, class R>
void Describe(V& v, R& r, const TourPlaceRequest*) {
  v.Fixed("place" + std::string(1, static_cast<char>(r.Kind)) + DecimalText(r.Gid), "0");
  v.Int(TourValueName(r.Kind), r.Value, kAnyMin, kAnyMax);
}

// ---- Recognition and the two directions

template <class T>
std::optional<Result<Request>> TryParse(const Names& names, const std::vector<FormPair>& pairs) {
  constexpr const T* tag = nullptr;
  auto request = detail::Shape(names, tag);
  if (!request) return std::nullopt;
  detail::NameVisitor expected;
  Describe(expected, std::as_const(*request), tag);
  if (expected.names() != names) return std::nullopt;
  detail::ParseVisitor reader(pairs, expected.closing_star());
  Describe(reader, *request, tag);
  if (!reader.error().empty()) return Error{std::string(T::kInfo.name) + ": " + reader.error()};
  return Result<Request>(std::move(*request));
}

template <std::size_t... I>
std::optional<Result<Request>> TryEach(ServiceGroup group, const Names& names,
                                       const std::vector<FormPair>& pairs,
                                       std::index_sequence<I...>) {
  std::optional<Result<Request>> found;
  auto try_one = [&]<class T>(const T*) {
    if (!found && T::kInfo.group == group) found = TryParse<T>(names, pairs);
  };
  (try_one(static_cast<const std::variant_alternative_t<I, Request>*>(nullptr)), ...);
  return found;
}

}  // namespace

std::string_view ServicePath(ServiceGroup group) {
  switch (group) {
    case ServiceGroup::Account:
      return "/service/account";
    case ServiceGroup::TopTen:
      return "/service/top10";
    case ServiceGroup::Stats:
      return "/service/stats";
    case ServiceGroup::Tour:
      return "/service/tour";
  }
  return "/service/account";
}

std::optional<ServiceGroup> GroupOfPath(std::string_view path) {
  for (auto group :
       {ServiceGroup::Account, ServiceGroup::TopTen, ServiceGroup::Stats, ServiceGroup::Tour}) {
    if (ServicePath(group) == path) return group;
  }
  return std::nullopt;
}

std::string PhotoPath(std::string_view nick) {
  return "/photos/" + PercentEncode(nick, BodyForm::Text) + ".jpg";
}

const RequestInfo& InfoOf(const Request& request) {
  return std::visit([](const auto& r) -> const RequestInfo& { return r.kInfo; }, request);
}

Result<std::string> BuildBody(const Request& request) {
  auto body = std::visit(
      [](const auto& r) -> Result<std::string> {
        using T = std::decay_t<decltype(r)>;
        detail::BuildVisitor writer;
        Describe(writer, r, static_cast<const T*>(nullptr));
        if (!writer.error().empty())
          return Error{std::string(T::kInfo.name) + ": " + writer.error()};
        std::string text = EncodeFormBody(writer.pairs(), T::kInfo.form);
        if (writer.closing_star()) text += '*';
        return text;
      },
      request);
  if (!body) return body;
  // The values a field name carries (seat, prefix, game identifier) are checked when the
  // body is read back: the service must recognise what the program sends.
  const auto back = ParseRequest(InfoOf(request).group, *body);
  if (!back || back->index() != request.index()) {
    return Error{std::string(InfoOf(request).name) + ": the field names do not read back"};
  }
  return body;
}

std::string LogText(const Request& request) {
  return std::visit(
      [](const auto& r) {
        using T = std::decay_t<decltype(r)>;
        detail::BuildVisitor writer;
        Describe(writer, r, static_cast<const T*>(nullptr));
        std::string text(T::kInfo.name);
        for (const auto& [name, value] : writer.pairs()) {
          text += " " + name + "=" + (name == "pw" ? std::string("*") : Cp1251ToUtf8(value));
        }
        return text;
      },
      request);
}

Result<Request> ParseRequest(ServiceGroup group, std::string_view body) {
  auto pairs = DecodeFormBody(body);
  if (!pairs) return Error{pairs.error()};
  Names names;
  names.reserve(pairs->size());
  for (const auto& pair : *pairs) names.push_back(pair.first);
  auto found =
      TryEach(group, names, *pairs, std::make_index_sequence<std::variant_size_v<Request>>{});
  if (!found) return Error{"no request of this address has these fields"};
  return std::move(*found);
}

}  // namespace ostrel::online
