#include "lan/tournament_record.h"

#include <gtest/gtest.h>

#include "test_decks.h"

namespace ostrel::lan {
namespace {

// `text`, "#" up to character 49, then the seat digit.
std::string Record(const std::string& text, char seat) {
  return text + std::string(49 - text.size(), '#') + seat;
}

struct RecordCase {
  const char* what;
  TourRecord record;
  From from;
  std::string bytes;
};

std::vector<RecordCase> RecordCases() {
  const auto action = [](GameMessage m) { return TourPayload(TourAction{m}); };
  return {
      {"connect", {TourConnect{3}, 3}, From::kClient, "connect3" + std::string(41, '#') + "3"},
      {"pass, 43 fill characters",
       {action(GameMessage::Of(GameTag::kPassRoundOne)), 2},
       From::kClient,
       "hpasso" + std::string(43, '#') + "2"},
      {"name diamonds",
       {action(GameMessage::NameTrump(2)), 4},
       From::kClient,
       Record("higra\xE1", '4')},
      {"card relayed", {action(GameMessage::PlayCard(7)), 3}, From::kServer, Record("hhods7", '3')},
      {"trick",
       {action(GameMessage::Of(GameTag::kTakeTrick)), 1},
       From::kClient,
       Record("hslits", '1')},
      {"chat", {TourChat{"good luck"}, 2}, From::kClient, Record("sgood luck", '2')},
      {"chat relayed",
       {TourChat{"\xEF\xF0\xE8\xE2\xE5\xF2"}, 4},
       From::kServer,
       Record("s\xEF\xF0\xE8\xE2\xE5\xF2", '4')},
      {"longest chat",
       {TourChat{std::string(48, 'c')}, 1},
       From::kClient,
       "s" + std::string(48, 'c') + "1"},
      {"next deal", {TourNextDeal{}, 1}, From::kClient, Record("bnext", '1')},
      {"margin 12",
       {TourResult{12}, 1},
       From::kClient,
       "o   12   12  -12  -12" + std::string(28, '#') + "1"},
      {"margin -345", {TourResult{-345}, 1}, From::kClient, Record("o -345 -345  345  345", '1')},
      {"largest margin",
       {TourResult{-9999}, 1},
       From::kClient,
       Record("o-9999-9999 9999 9999", '1')},
      {"own time out", {TourTimeOut{}, 2}, From::kClient, Record("TOut", '2')},
      {"another's time out", {TourTimeOut{}, 3}, From::kServer, Record("TOut", '3')},
      {"give up", {TourGiveUp{}, 4}, From::kClient, Record("disA", '4')},
      {"game over", {TourGameOver{}, 0}, From::kServer, Record("end", '0')},
      {"player left", {TourPlayerLeft{3}, 3}, From::kServer, Record("abort3", '3')},
      {"deal", {TourDeal{testing::ShuffledDeck()}, 0}, From::kServer, ""},
  };
}

TEST(TournamentRecords, EveryRecordHasItsExactBytesBothWays) {
  for (RecordCase c : RecordCases()) {
    SCOPED_TRACE(c.what);
    if (std::holds_alternative<TourDeal>(c.record.payload)) {
      c.bytes = EncodeDealBody(testing::ShuffledDeck()).value();
    }
    const auto encoded = EncodeRecord(c.record, c.from);
    ASSERT_TRUE(encoded.ok()) << encoded.error().reason;
    EXPECT_EQ(encoded.value(), c.bytes);
    const auto decoded = DecodeRecord(c.bytes, c.from);
    ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
    EXPECT_EQ(decoded.value(), c.record);
  }
}

TEST(TournamentRecords, TheServersDealIsTheBodyOfTheLanDeal) {
  const auto encoded = EncodeRecord({TourDeal{testing::TableOrderDeck()}, 0}, From::kServer);
  ASSERT_TRUE(encoded.ok());
  EXPECT_EQ(encoded.value(), testing::TableOrderBody());
}

struct BadRecord {
  const char* what;
  std::string bytes;
  From from;
  Fault fault;
};

TEST(TournamentRecords, MalformedRecordsAreRefusedWithTheirReason) {
  const BadRecord cases[] = {
      {"empty", "", From::kClient, Fault::kEmpty},
      {"49 characters", Record("hbegin", '1').substr(1), From::kClient, Fault::kWrongLength},
      {"51 characters", Record("hbegin", '1') + "#", From::kServer, Fault::kWrongLength},
      {"a short deal", testing::TableOrderBody().substr(0, 160), From::kServer,
       Fault::kWrongLength},
      {"bnext from the server", Record("bnext", '1'), From::kServer, Fault::kWrongLength},
      {"end from a client", Record("end", '0'), From::kClient, Fault::kUnknownKind},
      {"abort from a client", Record("abort2", '2'), From::kClient, Fault::kUnknownKind},
      {"connect from the server", Record("connect2", '2'), From::kServer, Fault::kUnknownKind},
      {"unknown kind", Record("zzz", '1'), From::kClient, Fault::kUnknownKind},
      {"unknown action", Record("hjumpo", '1'), From::kClient, Fault::kUnknownTag},
      {"card 0", Record("hhods0", '1'), From::kClient, Fault::kBadParameter},
      {"broken fill", Record("hpasso#x", '2'), From::kClient, Fault::kBadFill},
      {"text after connect", Record("connect2x", '2'), From::kClient, Fault::kBadFill},
      {"TOuts", Record("TOuts", '2'), From::kClient, Fault::kBadFill},
      {"seat 5", Record("hbegin", '5'), From::kClient, Fault::kBadSeat},
      {"seat 0 on an action", Record("hbegin", '0'), From::kServer, Fault::kBadSeat},
      {"no seat digit", Record("hbegin", '#'), From::kClient, Fault::kBadSeat},
      {"end with a seat", Record("end", '1'), From::kServer, Fault::kBadSeat},
      {"connect seat 0", Record("connect0", '1'), From::kClient, Fault::kBadSeat},
      {"left seat 9", Record("abort9", '1'), From::kServer, Fault::kBadSeat},
      {"margins disagree", Record("o   12   12  -12   12", '1'), From::kClient,
       Fault::kMarginsDisagree},
      {"partners' margins differ", Record("o   12   13  -12  -12", '1'), From::kClient,
       Fault::kMarginsDisagree},
      {"margin with zeros", Record("o00012   12  -12  -12", '1'), From::kClient, Fault::kBadNumber},
      {"margin left-aligned", Record("o12     12  -12  -12 ", '1'), From::kClient,
       Fault::kBadNumber},
      {"margin not a number", Record("o   1x   12  -12  -12", '1'), From::kClient,
       Fault::kBadNumber},
      {"margins missing", Record("o", '1'), From::kClient, Fault::kBadNumber},
      {"chat control byte", Record("sa\x01", '1'), From::kClient, Fault::kBadText},
  };
  for (const BadRecord& c : cases) {
    SCOPED_TRACE(c.what);
    const auto decoded = DecodeRecord(c.bytes, c.from);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().fault, c.fault) << decoded.error().reason;
  }
}

TEST(TournamentRecords, ChatIsReadUpToItsFirstFillCharacter) {
  const auto decoded = DecodeRecord(Record("sone#two", '2'), From::kServer);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(std::get<TourChat>(decoded.value().payload).text, "one");
}

TEST(TournamentRecords, NothingIsSentThatWouldBreakTheFiftyCharacters) {
  EXPECT_EQ(MakeRecord(std::string(49, 'x'), 1).value(), std::string(49, 'x') + "1");
  EXPECT_EQ(MakeRecord(std::string(50, 'x'), 1).error().fault, Fault::kWrongLength);
  EXPECT_EQ(MakeRecord("", 0).value(), std::string(49, '#') + "0");
  EXPECT_EQ(MakeRecord("x", 5).error().fault, Fault::kBadSeat);

  EXPECT_EQ(CleanRecordChat("one#two"), "one");
  EXPECT_EQ(CleanRecordChat(std::string(80, 'w')), std::string(kMaxRecordChat, 'w'));
  EXPECT_EQ(CleanRecordChat("a\tb"), "ab");

  const std::pair<const char*, TourRecord> refused[] = {
      {"chat of 49", {TourChat{std::string(49, 'c')}, 1}},
      {"chat with #", {TourChat{"a#b"}, 1}},
      {"margin 10000", {TourResult{10000}, 1}},
      {"seat 5", {TourGiveUp{}, 5}},
      {"end with a seat", {TourGameOver{}, 1}},
      {"end from a client", {TourGameOver{}, 0}},
      {"a client deals", {TourDeal{testing::TableOrderDeck()}, 0}},
  };
  for (const auto& [what, record] : refused) {
    SCOPED_TRACE(what);
    EXPECT_FALSE(EncodeRecord(record, From::kClient).ok());
  }
  EXPECT_FALSE(EncodeRecord({TourNextDeal{}, 1}, From::kServer).ok());
  EXPECT_FALSE(EncodeRecord({TourPlayerLeft{0}, 1}, From::kServer).ok());
}

}  // namespace
}  // namespace ostrel::lan
