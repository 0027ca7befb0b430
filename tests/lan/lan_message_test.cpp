#include "lan/lan_message.h"

#include <gtest/gtest.h>

#include "test_decks.h"

namespace ostrel::lan {
namespace {

const SeatNames kNames = {"Host", "Ann ", "Bo  ", "PC  "};

struct WireCase {
  const char* what;
  LanMessage message;
  std::string bytes;
};

std::vector<WireCase> WireCases() {
  return {
      {"hello", Hello{"Al  "}, "qiv6525connect1Al  "},
      {"seat 2", SeatMessage{2, kNames}, "connect2+2HostAnn Bo  PC  "},
      {"seat 4", SeatMessage{4, kNames}, "connect2+4HostAnn Bo  PC  "},
      {"second client", ArrivalNotice{3, kNames}, "connect3+HostAnn Bo  PC  "},
      {"third client", ArrivalNotice{4, kNames}, "connect4+HostAnn Bo  PC  "},
      {"begin", LanAction{GameMessage::Of(GameTag::kBegin), 1}, "hbegin1"},
      {"play", LanAction{GameMessage::Of(GameTag::kPlayRoundOne), 2}, "hplayo2"},
      {"pass", LanAction{GameMessage::Of(GameTag::kPassRoundOne), 3}, "hpasso3"},
      {"name clubs", LanAction{GameMessage::NameTrump(3), 4},
       "higra\xEA"
       "4"},
      {"pass again", LanAction{GameMessage::Of(GameTag::kPassRoundTwo), 1}, "hpassz1"},
      {"buy", LanAction{GameMessage::Of(GameTag::kBuyCards), 1}, "haddca1"},
      {"no change", LanAction{GameMessage::Of(GameTag::kNoChangeSeven), 2}, "hnoch72"},
      {"change", LanAction{GameMessage::Of(GameTag::kChangeSeven), 2}, "hchan72"},
      {"show", LanAction{GameMessage::Of(GameTag::kShowCombinations), 1}, "hshowc1"},
      {"take back", LanAction{GameMessage::Of(GameTag::kTakeBackCombinations), 1}, "hdownc1"},
      {"card", LanAction{GameMessage::PlayCard(5), 3}, "hhods53"},
      {"trick", LanAction{GameMessage::Of(GameTag::kTakeTrick), 1}, "hslits1"},
      {"deal", DealMessage{testing::TableOrderDeck(), DealRules{301, false, true}},
       testing::TableOrderBody() + "301\xCB\xC8"},
      {"host's chat", ChatLine{1, "hi all"}, "s1hi all\n"},
      {"client's Cyrillic chat", ChatLine{3, "\xCF\xF0\xE8\xE2\xE5\xF2!"},
       "s3\xCF\xF0\xE8\xE2\xE5\xF2!\n"},
      {"empty chat", ChatLine{4, ""}, "s4\n"},
      {"abort", Abort{}, "abort"},
  };
}

TEST(LanMessages, EveryMessageHasItsExactBytesBothWays) {
  for (const WireCase& c : WireCases()) {
    SCOPED_TRACE(c.what);
    const auto encoded = EncodeLan(c.message);
    ASSERT_TRUE(encoded.ok()) << encoded.error().reason;
    EXPECT_EQ(encoded.value(), c.bytes);
    const auto decoded = DecodeLan(c.bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
    EXPECT_EQ(decoded.value(), c.message);
  }
}

struct BadFrame {
  const char* what;
  std::string bytes;
  Fault fault;
};

TEST(LanMessages, MalformedMessagesAreRefusedWithTheirReason) {
  const BadFrame cases[] = {
      {"nothing", "", Fault::kEmpty},
      {"unknown first byte", "x", Fault::kUnknownKind},
      {"short hello", "qiv6525connect1Al", Fault::kWrongLength},
      {"wrong token", "qix6525connect1Al  ", Fault::kWrongToken},
      {"other game", "qiv6625connect1Al  ", Fault::kWrongGameCode},
      {"no 25", "qiv6524connect1Al  ", Fault::kWrongVersion},
      {"not connect1", "qiv6525connect2Al  ", Fault::kNotHello},
      {"seat 1 for a joiner", "connect2+1HostAnn Bo  PC  ", Fault::kBadSeat},
      {"seat 5", "connect2+5HostAnn Bo  PC  ", Fault::kBadSeat},
      {"short seat message", "connect2+3HostAnn Bo  PC ", Fault::kWrongLength},
      {"long notice", "connect3+HostAnn Bo  PC   ", Fault::kWrongLength},
      {"connect5", "connect5+HostAnn Bo  PC  ", Fault::kUnknownKind},
      {"no plus", "connect3-HostAnn Bo  PC  ", Fault::kUnknownKind},
      {"connect1 from the host", "connect1+HostAnn Bo  PC  ", Fault::kUnknownKind},
      {"seat 0", "hbegin0", Fault::kBadSeat},
      {"seat 5", "hbegin5", Fault::kBadSeat},
      {"no seat", "hbegin", Fault::kWrongLength},
      {"two seats", "hbegin12", Fault::kWrongLength},
      {"unknown action", "hjumpo1", Fault::kUnknownTag},
      {"no suit", "higra#2", Fault::kBadParameter},
      {"card 9", "hhods92", Fault::kBadParameter},
      {"chat seat 5", "s5hi\n", Fault::kBadSeat},
      {"chat without end", "s2hi", Fault::kWrongLength},
      {"chat with a tab", "s2a\tb\n", Fault::kBadText},
      {"two lines in one", "s2a\nb\n", Fault::kBadText},
      {"chat too long", "s2" + std::string(256, 'a') + "\n", Fault::kWrongLength},
      {"aborted", "aborted", Fault::kUnknownKind},
      {"deal without rules", testing::TableOrderBody(), Fault::kWrongLength},
  };
  for (const BadFrame& c : cases) {
    SCOPED_TRACE(c.what);
    const auto decoded = DecodeLan(c.bytes);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().fault, c.fault) << decoded.error().reason;
  }
}

TEST(LanMessages, ValuesOutOfRangeAreNotEncoded) {
  const std::pair<const char*, LanMessage> cases[] = {
      {"three-byte name", Hello{"Al "}},
      {"seat 1 for a joiner", SeatMessage{1, kNames}},
      {"five-byte name", SeatMessage{2, {"Host", "Annie", "Bo  ", "PC  "}}},
      {"two players", ArrivalNotice{2, kNames}},
      {"seat 0", LanAction{GameMessage::Of(GameTag::kBegin), 0}},
      {"card 9", LanAction{GameMessage::PlayCard(9), 2}},
      {"chat with a line feed", ChatLine{2, "a\nb"}},
      {"chat too long", ChatLine{2, std::string(256, 'a')}},
      {"chat seat 5", ChatLine{5, "hi"}},
      {"deal without rules", DealMessage{testing::TableOrderDeck(), std::nullopt}},
  };
  for (const auto& [what, message] : cases) {
    SCOPED_TRACE(what);
    EXPECT_FALSE(EncodeLan(message).ok());
  }
}

TEST(LanMessages, NamesAndChatTextsAreMadeFitToTravel) {
  EXPECT_EQ(LanName("Al"), "Al  ");
  EXPECT_EQ(LanName("Alexander"), "Alex");
  EXPECT_EQ(LanName(""), "    ");
  EXPECT_EQ(LanName("\xC8\xE2\xE0\xED"), "\xC8\xE2\xE0\xED");
  EXPECT_EQ(CleanChatText("a\r\nb\tc\x7F"), "abc");
  EXPECT_EQ(CleanChatText(std::string(300, 'x')).size(), kMaxChatText);
  EXPECT_EQ(CleanChatText("\xCF\xF0\xE8"), "\xCF\xF0\xE8");
}

}  // namespace
}  // namespace ostrel::lan
