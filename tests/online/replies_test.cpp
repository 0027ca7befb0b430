#include "online/replies.h"

#include <gtest/gtest.h>

#include "online/reply_grammar.h"

namespace ostrel::online {
namespace {

using Fields = std::vector<std::string>;

TEST(ReplyGrammar, MarkersAreLookedForOutsideTheRecordOnly) {
  struct Case {
    const char* reply;
    RegisterResult result;
  };
  const Case cases[] = {
      {"ok", RegisterResult::Created},       {"is", RegisterResult::NickExists},
      {"okis", RegisterResult::NickExists},  // "is" wins over "ok"
      {"is ok", RegisterResult::NickExists}, {"no", RegisterResult::Failed},
      {"", RegisterResult::Failed},          {"o k", RegisterResult::Failed},
      {"$ok$", RegisterResult::Failed},  // inside a record: not a marker
      {"ok$this$", RegisterResult::Created},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(ParseRegisterReply(c.reply), c.result);
  }
  EXPECT_EQ(ParseSeatResultReply("okis"), SeatResult::Taken);
  EXPECT_EQ(ParseSeatResultReply("ok"), SeatResult::Seated);
  EXPECT_EQ(ParseSeatResultReply("error"), SeatResult::Failed);
  EXPECT_TRUE(ParseOkReply("ok"));
  EXPECT_FALSE(ParseOkReply("$ok$"));
  EXPECT_FALSE(ParseOkReply("no"));
}

TEST(ReplyGrammar, DollarRecordSplitsAtEverySpace) {
  struct Case {
    const char* reply;
    std::optional<Fields> fields;
  };
  const Case cases[] = {
      {"$a b c$", Fields{"a", "b", "c"}},
      {"junk$a  c", Fields{"a", "", "c"}},  // two spaces: an empty field; no closing "$"
      {"$a b $", Fields{"a", "b", ""}},
      {"$$", Fields{""}},
      {"$a$b c$", Fields{"a"}},
      {"no record", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(ReadDollarRecord(c.reply), c.fields);
  }
  EXPECT_EQ(ReadTildeRecord("$a b~~c d$"), (Fields{"a b", "", "c d"}));
}

TEST(ReplyGrammar, StarListReadsAtMostTenRecords) {
  EXPECT_EQ(ReadStarList("$1 a*$2 b c*junk"), (std::vector<Fields>{{"1", "a"}, {"2", "b", "c"}}));
  EXPECT_EQ(ReadStarList("$1 a"), (std::vector<Fields>{{"1", "a"}}));
  EXPECT_TRUE(ReadStarList("no records*").empty());
  std::string twelve;
  for (int i = 1; i <= 12; ++i) twelve += "$" + std::to_string(i) + "*";
  const auto records = ReadStarList(twelve);
  ASSERT_EQ(records.size(), 10u);
  EXPECT_EQ(records.back(), Fields{"10"});
}

TEST(ReplyGrammar, LastNumber) {
  struct Case {
    const char* reply;
    std::optional<int> number;
  };
  const Case cases[] = {
      {"$12 ", 12},
      {"ok$3$12", 12},
      {"$7$", 7},  // the "$" at the very end does not count
      {"$", std::nullopt},
      {"12", std::nullopt},
      {"$x12", std::nullopt},
      {"$-5", std::nullopt},
      {"$99999999999", std::nullopt},
      {"", std::nullopt},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.reply);
    EXPECT_EQ(ReadLastNumber(c.reply), c.number);
  }
  EXPECT_EQ(*ParseNumberReply(BuildNumberReply(4711)), 4711);
  EXPECT_EQ(*ParseNumberReply(BuildNumberReply(-3)), 0);
  EXPECT_FALSE(ParseNumberReply("no").ok());
}

TEST(ReplyGrammar, BuildersKeepFieldsFromBreakingTheGrammar) {
  EXPECT_EQ(BuildDollarRecord({"New York", "a$b*c~d", "x\r\ny", ""}), "$New_York a_b_c_d x__y $");
  EXPECT_EQ(BuildTildeRecord({"New York", "a~b$c"}), "$New York~a b c$");
  EXPECT_EQ(BuildStarList({{"1", "a b"}, {"2"}}), "$1 a_b*$2*");
  EXPECT_EQ(BuildDollarRecord({"Москва", "\u4E00"}), "$\xCC\xEE\xF1\xEA\xE2\xE0 ?$");
}

TTarvoUser Account() {
  TTarvoUser a;
  a.Nick = "Ab";
  a.Pw = "pass1";
  a.City = "Sonoma";
  a.Country1 = "USA";
  a.Country2 = "3-034";
  a.Sex = 'W';
  a.EMail = "ann@no.com";
  a.DateR = "01.03.2024";
  a.R01 = "xxx";
  a.R04 = 5;
  return a;
}

TEST(LoginReply, AcceptedWithTextsHoldingNo) {
  // The city "Sonoma" and the e-mail hold "no": the reply is still an accepted login.
  const TTarvoUser account = Account();
  const std::string reply = BuildLoginReply(account);
  EXPECT_EQ(reply, "$Sonoma USA 3-034 W ann@no.com 01.03.2024 xxx # # 5 0 0$");
  TTarvoUser before;
  before.Nick = "Ab";
  before.Pw = "pass1";
  const auto read = ParseLoginReply(reply, before);
  ASSERT_TRUE(read.ok()) << read.error();
  ASSERT_TRUE(read->has_value());
  EXPECT_EQ(**read, account);
}

TEST(LoginReply, RefusedShortOrBroken) {
  EXPECT_EQ(*ParseLoginReply("no", {}), std::nullopt);
  // A short record leaves the later fields as they were.
  TTarvoUser before;
  before.EMail = "keep@me.org";
  const auto shortened = ParseLoginReply("$Kazan 1-001", before);
  ASSERT_TRUE(shortened.ok());
  EXPECT_EQ((*shortened)->City, "Kazan");
  EXPECT_EQ((*shortened)->Country2, "1-001");
  EXPECT_EQ((*shortened)->Sex, 'M');
  EXPECT_EQ((*shortened)->EMail, "keep@me.org");
  EXPECT_EQ((*shortened)->DateR, "00.00.0000");
  // Neither a refusal nor a record, or an integer field that is not a number: a failure.
  EXPECT_FALSE(ParseLoginReply("", {}).ok());
  EXPECT_FALSE(ParseLoginReply("<html>error</html>", {}).ok());
  EXPECT_FALSE(ParseLoginReply("$Kazan USA 3-034 W a@b 01.03.2024 x x x five 0 0$", {}).ok());
}

TEST(ProfileReply, TildeRecordKeepsSpacesAndTheWireOrder) {
  TInfo14 p;
  p.Name1 = "Ann";
  p.About = "Lives in Sonoma, plays no trumps";
  p.WebSite = "site.org";
  p.Skype = "ann.s";
  p.YouTube = "yt";
  const std::string reply = BuildProfileReply(p);
  EXPECT_EQ(reply, "$Ann~~Lives in Sonoma, plays no trumps~~~site.org~ann.s~~~~~~~yt$");
  const auto read = ParseProfileReply(reply);
  ASSERT_TRUE(read.ok());
  EXPECT_EQ(**read, p);
  EXPECT_EQ(*ParseProfileReply("no"), std::nullopt);
  EXPECT_FALSE(ParseProfileReply("").ok());
}

TEST(RatedRecordReply, FoundShortMissingAndBroken) {
  TTarvoGame g;
  g.Kon = 11;
  g.Best = 300;
  g.Rating = 9.5;
  g.Sessions = 1;
  g.KonL = 10;
  g.Score = 120;
  g.R1 = 2;
  g.R2 = "xyz";
  const auto reply = BuildRatedRecordReply(g);
  EXPECT_EQ(reply, "$11 300 9.5 1 10 120 2 xyz$");
  EXPECT_EQ(**ParseRatedRecordReply(reply, {}), g);
  // The old writers sent the rating with a comma.
  EXPECT_EQ((*ParseRatedRecordReply("$11 300 9,5", {}))->Rating, 9.5);
  const auto shortened = ParseRatedRecordReply("$4 100", g);
  EXPECT_EQ((*shortened)->Kon, 4);
  EXPECT_EQ((*shortened)->Rating, 9.5);
  EXPECT_EQ(*ParseRatedRecordReply("", g), std::nullopt);
  EXPECT_EQ(*ParseRatedRecordReply("no", g), std::nullopt);
  EXPECT_FALSE(ParseRatedRecordReply("$4 x", g).ok());
  EXPECT_FALSE(ParseRatedRecordReply("$4 100 9.x.5", g).ok());
}

TEST(SeatAndStateReplies, RoundTripAndDefaults) {
  TTarvoClient c{"Ab", 120, 7, -3, "", "Kinshasa", 'W', "10.0.0.5"};  // Congo Republic's ""
  EXPECT_EQ(*ParseSeatReply(BuildSeatReply(c)), c);
  EXPECT_EQ(*ParseSeatReply(""), TTarvoClient{});
  EXPECT_FALSE(ParseSeatReply("$Ab x").ok());

  const ServerState on{'Y', "Games from 18:00 to 23:00"};
  EXPECT_EQ(BuildServerStateReply(on), "$Y Games_from_18:00_to_23:00$");
  EXPECT_EQ(ParseServerStateReply(BuildServerStateReply(on)), on);
  EXPECT_EQ(ParseServerStateReply("garbage").State, 'X');

  const TourRating t{150, 12, 3};
  EXPECT_EQ(**ParseTourRatingReply(BuildTourRatingReply(t)), t);
  EXPECT_EQ(*ParseTourRatingReply(""), std::nullopt);
}

TEST(StarListReplies, RatingListTopTenAndTournamentTopTen) {
  const std::vector<TTarvoTop10> top = {{"Ab", "Moscow", "1-001", 'M', 12.5},
                                        {"Ann", "Kinshasa", "6-012", 'W', -3.25}};
  EXPECT_EQ(BuildRatingList(top),
            "$1 Ab Moscow 1-001 1-001 M 12.5*$2 Ann Kinshasa 6-012 6-012 W -3.25*");
  EXPECT_EQ(*ParseRatingList(BuildRatingList(top)), top);
  // Field 5 wins over field 4; a short line keeps the defaults.
  const auto read = ParseRatingList("$1 Ab Moscow Russia 1-001*$2 Bo");
  ASSERT_TRUE(read.ok());
  EXPECT_EQ((*read)[0].Country, "1-001");
  EXPECT_EQ((*read)[1], (TTarvoTop10{"Bo", "", "", 'M', 0}));
  EXPECT_FALSE(ParseRatingList("$1 Ab Moscow 1-001 1-001 M 1.2.3*").ok());

  TTarvoRecord chat;
  chat.Place = 1;
  chat.Score = 43;
  chat.Nick = "Ann";
  chat.Country = "1-046";
  chat.City = "Kiev";
  chat.R07 = "W";
  chat.R08 = "5.7f";
  chat.R09 = "12_30_01.03.2024";
  chat.R10 = "hello_all!";
  const auto lines = ParseTopTen(BuildTopTen({chat, TTarvoRecord{}}));
  ASSERT_TRUE(lines.ok());
  ASSERT_EQ(lines->size(), 2u);
  EXPECT_EQ((*lines)[0], chat);
  EXPECT_EQ((*lines)[1].Nick, "#");
  EXPECT_FALSE(ParseTopTen("$1 0 many Ann*").ok());

  const std::vector<TourTopLine> tour = {{1, "Ab", "Russia", "Moscow", 900}, {2}};
  EXPECT_EQ(*ParseTourTopTen(BuildTourTopTen(tour)), tour);
}

TEST(StatsReply, EighteenFields) {
  TTarvoStat s;
  s.Stat1 = 100;
  s.Stat2 = 50;
  s.Stat3 = 7;
  s.Stat4 = "Ann";
  for (int k = 0; k < 12; ++k) s.StatX[k] = k * 10;
  s.StatY = 3;
  s.StatZ = "z";
  EXPECT_EQ(BuildStats(s), "$100 50 7 Ann 0 10 20 30 40 50 60 70 80 90 100 110 3 z*");
  EXPECT_EQ(*ParseStats(BuildStats(s)), s);
  EXPECT_EQ(ParseStats("$1 2")->Stat2, 2);
  EXPECT_FALSE(ParseStats("").ok());
  EXPECT_FALSE(ParseStats("$1 2 3 Ann x*").ok());
}

TEST(TourTablesReply, FirstRecordIsTableTen) {
  std::array<TTarvoTable_4, kTourTables> tables;
  for (int t = 0; t < kTourTables; ++t) {
    tables[t].IP = "192.0.2.1";
    tables[t].Port = 25700 + t + 1;
  }
  tables[2].Seats[0] = {"Ab", 120, 7, 3, "Russia", "Moscow", 'M', "10.0.0.5"};
  tables[2].Seats[1] = {"Ann", 0, 0, 0, "", "Kinshasa", 'W', "10.0.0.6"};
  const std::string reply = BuildTourTables(tables);
  EXPECT_EQ(reply.substr(0, 30), "$10 192.0.2.1 25710 X 0 X X 0 ");
  const auto read = ParseTourTables(reply);
  ASSERT_TRUE(read.ok()) << read.error();
  EXPECT_EQ(*read, tables);
  // Two records fill tables 10 and 9; the others keep their defaults.
  const auto two = ParseTourTables("$10 192.0.2.1 25710*$9 192.0.2.1 25709*");
  ASSERT_TRUE(two.ok());
  EXPECT_EQ((*two)[9].Port, 25710);
  EXPECT_EQ((*two)[8].Port, 25709);
  EXPECT_EQ((*two)[0], TTarvoTable_4{});
  EXPECT_FALSE(ParseTourTables("$10 192.0.2.1 port*").ok());
}

}  // namespace
}  // namespace ostrel::online
