#include "online/requests.h"

#include <gtest/gtest.h>

#include "online/field_check.h"

#include <string>
#include <vector>

namespace ostrel::online {
namespace {

TTarvoUser NewAccount() {
  TTarvoUser u;
  u.Nick = "Ab";
  u.Pw = "pass1";
  u.City = "Moscow";
  u.EMail = "ab@mail.ru";
  u.DateR = "01.03.2024";
  u.R01 = u.R02 = u.R03 = "xxx";
  return u;
}

TTarvoClient Player() {
  TTarvoClient p;
  p.Nick = "Ab";
  p.Score = 120;
  p.Kon = 7;
  p.Rating = -3;
  p.Country = "Congo_DR";
  p.City = "Kinshasa";
  p.Sex = 'W';
  p.IP = "10.0.0.5";
  return p;
}

TTarvoGame Record() {
  TTarvoGame g;
  g.Kon = 11;
  g.Best = 300;
  g.Rating = 9.530909;
  g.Sessions = 2;
  g.KonL = 9;
  g.Score = 120;
  g.R1 = 0;
  g.R2 = "#";
  return g;
}

struct BodyCase {
  const char* label;
  Request request;
  const char* body;
};

// Every request of the catalogue with its exact body, field by field in sending order.
const std::vector<BodyCase>& BodyCases() {
  static const std::vector<BodyCase> cases = {
      {"register", RegisterRequest{NewAccount()},
       "nick=Ab&pw=pass1&city=Moscow&country1=Russia&country2=1-001&sex=M&email=ab%40mail.ru&"
       "dater=01.03.2024&R01=xxx&R02=xxx&R03=xxx&R04=0&R05=0&R06=0"},
      {"login", LoginRequest{"Ab", "pass1"}, "nick=Ab&pw=pass1&label0=0"},
      {"profile read", ProfileReadRequest{"Ab"}, "nick=Ab&labelinforead=0"},
      {"profile save",
       ProfileSaveRequest{
           "Ab", "pass1",
           TInfo14{"Ann", "Lee", "Tom & Jerry = fun", "+7 (900) 1", "a@b.c", "sk",
                   "https://x.org/?a=1", "ok1", "vk1", "@tg", "fb", "tw", "in", "yt"}},
       "nick=Ab&pw=pass1&labelinfosave=0&namei=Ann&name2=Lee&about=Tom%20%26%20Jerry%20%3D%20fun&"
       "telephone=%2B7%20%28900%29%201&emailo=a%40b.c&website=https%3A%2F%2Fx.org%2F%3Fa%3D1&"
       "skype=sk&ok=ok1&vk=vk1&telegram=%40tg&facebook=fb&twitter=tw&instagramm=in&youtube=yt"},
      {"club size", ClubSizeRequest{}, "label1=0"},
      {"rated record read", RatedRecordReadRequest{"Ab", "pass1"}, "nick=Ab&pw=pass1&crddb4best=0"},
      {"rated record save", RatedRecordSaveRequest{"Ab", "pass1", "crddb4", Record()},
       "nick=Ab&pw=pass1&crddb4kon=11&crddb4best=300&crddb4rating=9.530909&crddb4ses=2&"
       "crddb4konl=9&crddb4score=120&crddb4R1=0&crddb4R2=%23"},
      {"rating list", RatingListRequest{}, "crddb4kon=0"},
      {"rating place", RatingPlaceRequest{"crddb4", 12.5}, "crddb4rating=12.5"},
      {"rating place, tiny rating", RatingPlaceRequest{"crddb4", 0.000001}, "crddb4rating=0"},
      {"rating place, negative", RatingPlaceRequest{"crddb4", -499.96}, "crddb4rating=-499.96"},
      {"top ten size", TopTenSizeRequest{165}, "rgid=165"},
      {"top ten", TopTenRequest{65}, "gid=65"},
      {"top ten near me", TopTenNearRequest{65, "Incognito", "Moscow"},
       "gid=65&nick=Incognito&city=Moscow"},
      {"top ten write", TopTenWriteRequest{65, "Incognito", "Moscow", "1-001", 512, "M"},
       "gid=65&nick=Incognito&city=Moscow&country=1-001&score=512&R7=M&R8=5.7f&R9=%23&R10=%23*"},
      {"chat message",
       TopTenWriteRequest{100, "Ann", "Kiev", "1-046", 43, "W", "5.7f", "12_30_01.03.2024_Ostrel",
                          "hello_all!"},
       "gid=100&nick=Ann&city=Kiev&country=1-046&score=43&R7=W&R8=5.7f&"
       "R9=12_30_01.03.2024_Ostrel&R10=hello_all%21*"},
      {"statistics read", StatsReadRequest{65}, "gid=65"},
      {"statistics start", StatsStartRequest{65, 1, 1}, "gid=65&stat1=1&stat2=1"},
      {"statistics like", StatsLikeRequest{65, 1, "Ann"}, "gid=65&stat3=1&stat4=Ann"},
      {"statistics results", StatsResultsRequest{65, {1, 1, 40, 0, 0, 0, 0, 0, 0, 0, 0, 0}},
       "gid=65&R1=1&R2=1&R3=40&R4=0&R5=0&R6=0&R7=0&R8=0&R9=0&R10=0&R11=0&R12=0"},
      {"tournament tables", TourTablesRequest{65}, "readtable410=65&gid=65"},
      {"take a seat", TakeSeatRequest{4, 2, 65, 3, SeatAction::Take, Player(), "Ab", "pass1"},
       "client4on2=0&gid=65&num=3&can=1&nick2=Ab&score2=120&kon2=7&rating2=-3&"
       "country2=Congo_DR&city2=Kinshasa&sex2=W&ip2=10.0.0.5&nick=Ab&pw=pass1"},
      {"give up a seat",
       TakeSeatRequest{3, 1, 65, 10, SeatAction::GiveUp, EmptySeatPlayer(), "Ab", "pass1"},
       "client3on1=0&gid=65&num=10&can=2&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
       "sex1=X&ip1=X&nick=Ab&pw=pass1"},
      {"seat read", SeatReadRequest{3, 65, 7}, "readclient3=0&gid=65&num=7"},
      {"server state", ServerStateRequest{65}, "serverinforead=0&gid=65"},
      {"tournament rating", TourRatingRequest{65, "Ab"}, "readrating65=0&nick=Ab"},
      {"tournament top ten", TourTopTenRequest{TourKind::Rating, 65}, "top10r65=0&nick=z"},
      {"tournament place, score", TourPlaceRequest{TourKind::Score, 65, 150},
       "places65=0&score1=150"},
      {"tournament place, rating", TourPlaceRequest{TourKind::Rating, 65, -2},
       "placer65=0&rating1=-2"},
      {"tournament place, games", TourPlaceRequest{TourKind::Games, 65, 9}, "placek65=0&kon1=9"},
  };
  return cases;
}

TEST(RequestCatalogue, BuildsEveryBodyExactlyAndTheServiceReadsItBack) {
  for (const auto& c : BodyCases()) {
    SCOPED_TRACE(c.label);
    const auto body = BuildBody(c.request);
    ASSERT_TRUE(body.ok()) << body.error();
    EXPECT_EQ(*body, c.body);
    const auto parsed = ParseRequest(InfoOf(c.request).group, *body);
    ASSERT_TRUE(parsed.ok()) << parsed.error();
    if (std::string(c.label) == "rating place, tiny rating") {
      EXPECT_EQ(std::get<RatingPlaceRequest>(*parsed).Rating, 0.0);
    } else {
      EXPECT_EQ(*parsed, c.request);
    }
  }
}

TEST(RequestCatalogue, EachRequestHasItsFormTimeOutAndAddress) {
  struct Case {
    Request request;
    ServiceGroup group;
    BodyForm form;
    bool short_timeout;
  };
  const Case cases[] = {
      {RegisterRequest{}, ServiceGroup::Account, BodyForm::Text, false},
      {LoginRequest{}, ServiceGroup::Account, BodyForm::List, false},
      {RatingListRequest{}, ServiceGroup::Account, BodyForm::List, false},
      {TopTenRequest{}, ServiceGroup::TopTen, BodyForm::List, true},
      {TopTenNearRequest{}, ServiceGroup::TopTen, BodyForm::Text, true},
      {StatsReadRequest{}, ServiceGroup::Stats, BodyForm::List, true},
      {StatsResultsRequest{}, ServiceGroup::Stats, BodyForm::Text, false},
      {TourTablesRequest{}, ServiceGroup::Tour, BodyForm::List, true},
      {TakeSeatRequest{}, ServiceGroup::Tour, BodyForm::Text, false},
  };
  for (const auto& c : cases) {
    const auto& info = InfoOf(c.request);
    SCOPED_TRACE(std::string(info.name));
    EXPECT_EQ(info.group, c.group);
    EXPECT_EQ(info.form, c.form);
    EXPECT_EQ(info.short_timeout, c.short_timeout);
  }
  EXPECT_EQ(ServicePath(ServiceGroup::Account), "/service/account");
  EXPECT_EQ(GroupOfPath("/service/tour"), ServiceGroup::Tour);
  EXPECT_EQ(GroupOfPath("/service/tour/"), std::nullopt);
}

TEST(FormBody, BothFormsEscapeEveryValueAndTheDecoderReadsEitherSpace) {
  const std::vector<FormPair> pairs = {{"about", "a b&c=d%e+f*"}, {"x", "\xC0~"}};
  EXPECT_EQ(EncodeFormBody(pairs, BodyForm::Text), "about=a%20b%26c%3Dd%25e%2Bf%2A&x=%C0~");
  EXPECT_EQ(EncodeFormBody(pairs, BodyForm::List), "about=a+b%26c%3Dd%25e%2Bf%2A&x=%C0~");
  for (auto form : {BodyForm::Text, BodyForm::List}) {
    const auto back = DecodeFormBody(EncodeFormBody(pairs, form));
    ASSERT_TRUE(back.ok()) << back.error();
    EXPECT_EQ(*back, pairs);
  }
  // Empty pieces (a trailing "&") are skipped; a name must be letters and digits.
  EXPECT_EQ(DecodeFormBody("a=1&&b=&")->size(), 2u);
  EXPECT_FALSE(DecodeFormBody("a b=1").ok());
  EXPECT_FALSE(DecodeFormBody("=1").ok());
  EXPECT_FALSE(DecodeFormBody("a=%4").ok());
  EXPECT_FALSE(DecodeFormBody("a=%G0").ok());
}

TEST(RequestCatalogue, TheServiceReadsBodiesOfOlderWriters) {
  // A standard form post writes spaces as "+"; the older form text wrote values unescaped.
  const auto plus = ParseRequest(ServiceGroup::Account,
                                 "nick=Ab&pw=pass1&labelinfosave=0&namei=Ann+Mary&name2=&about=&"
                                 "telephone=&emailo=&website=&skype=&ok=&vk=&telegram=&facebook=&"
                                 "twitter=&instagramm=&youtube=");
  ASSERT_TRUE(plus.ok()) << plus.error();
  EXPECT_EQ(std::get<ProfileSaveRequest>(*plus).Info.Name1, "Ann Mary");
  const auto raw = ParseRequest(ServiceGroup::TopTen,
                                "gid=65&nick=Incognito&city=Moscow&country=1-001&score=5&R7=M&"
                                "R8=5.7f&R9=#&R10=#*");
  ASSERT_TRUE(raw.ok()) << raw.error();
  EXPECT_EQ(std::get<TopTenWriteRequest>(*raw).R10, "#");
}

TEST(RequestCatalogue, CyrillicTravelsAsWindows1251) {
  TTarvoUser account = NewAccount();
  account.City = "Москва";
  const auto body = BuildBody(RegisterRequest{account});
  ASSERT_TRUE(body.ok());
  EXPECT_NE(body->find("city=%CC%EE%F1%EA%E2%E0&"), std::string::npos);
  const auto back = ParseRequest(ServiceGroup::Account, *body);
  ASSERT_TRUE(back.ok());
  EXPECT_EQ(std::get<RegisterRequest>(*back).User.City, "Москва");
}

TEST(RequestCatalogue, AnAmpersandInAValueCannotForgeAField) {
  ProfileSaveRequest save{"Ab", "pass1", {}};
  save.Info.About = "x&pw=other&nick=Boss";
  const auto body = BuildBody(save);
  ASSERT_TRUE(body.ok());
  const auto back = ParseRequest(ServiceGroup::Account, *body);
  ASSERT_TRUE(back.ok()) << back.error();
  const auto& read = std::get<ProfileSaveRequest>(*back);
  EXPECT_EQ(read.Nick, "Ab");
  EXPECT_EQ(read.Pw, "pass1");
  EXPECT_EQ(read.Info.About, "x&pw=other&nick=Boss");
}

TEST(RequestCatalogue, TheServiceRefusesBodiesThatAreNotExactlyARequest) {
  struct Case {
    const char* label;
    ServiceGroup group;
    std::string body;
  };
  const Case cases[] = {
      {"empty", ServiceGroup::Account, ""},
      {"unknown field", ServiceGroup::Account, "nick=Ab&pw=pass1&label9=0"},
      {"fields out of order", ServiceGroup::Account, "pw=pass1&nick=Ab&label0=0"},
      {"a field too many", ServiceGroup::Account, "nick=Ab&pw=pass1&label0=0&x=1"},
      {"a request of another address", ServiceGroup::Stats, "nick=Ab&pw=pass1&label0=0"},
      {"profile save without the password", ServiceGroup::Account,
       "nick=Ab&labelinfosave=0&namei=&name2=&about=&telephone=&emailo=&website=&skype=&ok=&"
       "vk=&telegram=&facebook=&twitter=&instagramm=&youtube="},
      {"take a seat without the account", ServiceGroup::Tour,
       "client4on2=0&gid=65&num=3&can=1&nick2=Ab&score2=0&kon2=0&rating2=0&country2=X&city2=X&"
       "sex2=M&ip2=X"},
      {"seat beyond the players", ServiceGroup::Tour,
       "client3on4=0&gid=65&num=3&can=1&nick4=Ab&score4=0&kon4=0&rating4=0&country4=X&city4=X&"
       "sex4=M&ip4=X&nick=Ab&pw=pass1"},
      {"table 11", ServiceGroup::Tour, "readclient1=0&gid=65&num=11"},
      {"action 3", ServiceGroup::Tour,
       "client4on1=0&gid=65&num=3&can=3&nick1=X&score1=0&kon1=0&rating1=0&country1=X&city1=X&"
       "sex1=X&ip1=X&nick=Ab&pw=pass1"},
      {"fixed value changed", ServiceGroup::Account, "nick=Ab&pw=pass1&label0=1"},
      {"nick of one letter", ServiceGroup::Account, "nick=A&pw=pass1&label0=0"},
      {"password of three", ServiceGroup::Account, "nick=Ab&pw=abc&label0=0"},
      {"Cyrillic nick", ServiceGroup::Account, "nick=%C0%E1&pw=pass1&label0=0"},
      {"dollar in a profile text", ServiceGroup::Account,
       "nick=Ab&pw=pass1&labelinfosave=0&namei=a%24b&name2=&about=&telephone=&emailo=&website=&"
       "skype=&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube="},
      {"line break in a profile text", ServiceGroup::Account,
       "nick=Ab&pw=pass1&labelinfosave=0&namei=a%0Ab&name2=&about=&telephone=&emailo=&website=&"
       "skype=&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube="},
      {"name over 20", ServiceGroup::Account,
       "nick=Ab&pw=pass1&labelinfosave=0&namei=abcdefghijklmnopqrstu&name2=&about=&telephone=&"
       "emailo=&website=&skype=&ok=&vk=&telegram=&facebook=&twitter=&instagramm=&youtube="},
      {"rating in exponent form", ServiceGroup::Account, "crddb4rating=1e5"},
      {"rating not finite", ServiceGroup::Account, "crddb4rating=inf"},
      {"integer with a sign", ServiceGroup::TopTen, "gid=+65"},
      {"integer overflow", ServiceGroup::Stats, "gid=65&stat1=99999999999&stat2=1"},
      {"two game identifiers", ServiceGroup::Tour, "readtable410=65&gid=66"},
      {"game identifier with a leading zero", ServiceGroup::Tour, "readrating065=0&nick=Ab"},
      {"unknown tournament kind", ServiceGroup::Tour, "top10x65=0&nick=z"},
      {"bad escape", ServiceGroup::Account, "nick=A%2&pw=pass1&label0=0"},
      {"field without a value sign", ServiceGroup::Account, "nick=Ab&pw&label0=0"},
      {"unknown country", ServiceGroup::Account,
       "nick=Ab&pw=pass1&city=Moscow&country1=Atlantis&country2=1-001&sex=M&email=a%40b&"
       "dater=01.03.2024&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0"},
      {"continent 7", ServiceGroup::Account,
       "nick=Ab&pw=pass1&city=Moscow&country1=Russia&country2=7-001&sex=M&email=a%40b&"
       "dater=01.03.2024&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0"},
      {"sex X outside a seat", ServiceGroup::Account,
       "nick=Ab&pw=pass1&city=Moscow&country1=Russia&country2=1-001&sex=X&email=a%40b&"
       "dater=01.03.2024&R01=x&R02=x&R03=x&R04=0&R05=0&R06=0"},
      {"chat message with a space", ServiceGroup::TopTen,
       "gid=100&nick=Ann&city=Kiev&country=1-046&score=43&R7=W&R8=5.7f&R9=%23&R10=a%20b*"},
      {"body over the limit", ServiceGroup::Account,
       "nick=Ab&pw=pass1&label0=0&" + std::string(kMaxRequestBodyBytes, 'a')},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    const auto parsed = ParseRequest(c.group, c.body);
    EXPECT_FALSE(parsed.ok());
    EXPECT_FALSE(parsed.error().empty());
  }
}

TEST(RequestCatalogue, BuildingRefusesWhatTheServiceWouldRefuse) {
  struct Case {
    const char* label;
    Request request;
  };
  TTarvoUser cyrillic_nick = NewAccount();
  cyrillic_nick.Nick = "Аб";
  TTarvoUser no_email = NewAccount();
  no_email.EMail = "";
  ProfileSaveRequest tilde{"Ab", "pass1", {}};
  tilde.Info.About = "a~b";
  const Case cases[] = {
      {"Cyrillic nick", RegisterRequest{cyrillic_nick}},
      {"empty e-mail", RegisterRequest{no_email}},
      {"tilde in a profile text", tilde},
      {"rating not finite", RatingPlaceRequest{"crddb4", 1.0 / 0.0}},
      {"seat 4 of 3 players",
       TakeSeatRequest{3, 4, 65, 1, SeatAction::Take, Player(), "Ab", "pass1"}},
      {"table 0", SeatReadRequest{1, 65, 0}},
      {"prefix with a sign", RatingListRequest{"crd-db4"}},
      {"character Windows-1251 lacks", StatsLikeRequest{65, 1, "Ann\u4E00"}},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.label);
    EXPECT_FALSE(BuildBody(c.request).ok());
  }
}

TEST(RequestCatalogue, PhotoAddressEscapesTheNick) {
  EXPECT_EQ(PhotoPath("Ab"), "/photos/Ab.jpg");
  EXPECT_EQ(PhotoPath("a(b)"), "/photos/a%28b%29.jpg");
}

}  // namespace
}  // namespace ostrel::online

namespace ostrel::online {
namespace {

TEST(RequestCatalogue, LogTextNeverShowsAPassword) {
  const std::string text =
      LogText(TakeSeatRequest{4, 2, 65, 3, SeatAction::Take, Player(), "Ab", "secret77"});
  EXPECT_EQ(text.find("secret77"), std::string::npos);
  EXPECT_NE(text.find("take a seat client4on2=0 gid=65"), std::string::npos);
  EXPECT_NE(text.find("pw=*"), std::string::npos);
}

TEST(Records, GameIdentifiersAndDates) {
  EXPECT_EQ(ServiceGameId(GameList::Windows), 65);
  EXPECT_EQ(ServiceGameId(GameList::Android), 165);
  EXPECT_EQ(ServiceGameId(GameList::ClubAccounts), 365);
  EXPECT_EQ(ServiceGameId(GameList::Windows, 81), 801);
  EXPECT_EQ(ServiceGameId(GameList::ClubAccounts, 81), 1101);
  EXPECT_EQ(RegistrationDate(2024, 3, 1), "01.03.2024");
  EXPECT_TRUE(IsValidWireText(RegistrationDate(2024, 12, 31), TextKind::Date));
}

}  // namespace
}  // namespace ostrel::online
