#include "lan/lan_framer.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "lan/lan_message.h"
#include "lan/lan_rules.h"
#include "lan/tournament_record.h"
#include "test_decks.h"

namespace ostrel::lan {
namespace {

// What one copy may receive in a row: the whole vocabulary, the deal between game messages.
std::vector<std::string> LanStream() {
  return {
      "qiv6525connect1Al  ",
      "connect2+3HostAnn Bo  PC  ",
      "connect4+HostAnn Bo  PC  ",
      "s2hello, there\n",
      testing::TableOrderBody() + "501\xC8\xCB",
      "hbegin1",
      "hplayo2",
      "higra\xEF"
      "3",
      "s1\n",
      "hhods84",
      "s3" + std::string(kMaxChatText, 'z') + "\n",
      "hslits1",
      "abort",
  };
}

std::string Joined(const std::vector<std::string>& messages) {
  std::string all;
  for (const std::string& m : messages) all += m;
  return all;
}

// Feeds `bytes` in pieces of the given sizes (cycling), draining after every piece.
template <class Framer>
std::vector<std::string> FeedInPieces(Framer& framer, const std::string& bytes,
                                      const std::vector<std::size_t>& sizes) {
  std::vector<std::string> out;
  std::size_t at = 0;
  for (std::size_t k = 0; at < bytes.size(); ++k) {
    const std::size_t n = std::min(sizes[k % sizes.size()], bytes.size() - at);
    framer.Feed(std::string_view(bytes).substr(at, n));
    at += n;
    while (auto frame = framer.Next()) out.push_back(std::move(*frame));
  }
  return out;
}

TEST(LanFramer, EveryMessageComesOutOnceInOrderHoweverTheReadsCutTheStream) {
  const std::vector<std::string> messages = LanStream();
  const std::string all = Joined(messages);
  const std::vector<std::vector<std::size_t>> cuts = {
      {1}, {2}, {3}, {7}, {166}, {all.size()}, {5, 1, 160, 2, 19, 300},
  };
  for (const auto& sizes : cuts) {
    SCOPED_TRACE(sizes.front());
    LanFramer framer;
    EXPECT_EQ(FeedInPieces(framer, all, sizes), messages);
    EXPECT_FALSE(framer.error().has_value());
    EXPECT_EQ(framer.pending(), 0u);
  }
  std::mt19937 random(2024);
  for (int round = 0; round < 50; ++round) {
    std::vector<std::size_t> sizes;
    for (int k = 0; k < 40; ++k) sizes.push_back(1 + random() % 64);
    LanFramer framer;
    ASSERT_EQ(FeedInPieces(framer, all, sizes), messages) << "round " << round;
  }
}

TEST(LanFramer, EveryFramedMessageDecodes) {
  LanFramer framer;
  framer.Feed(Joined(LanStream()));
  int count = 0;
  while (auto frame = framer.Next()) {
    EXPECT_TRUE(DecodeLan(*frame).ok()) << *frame;
    ++count;
  }
  EXPECT_EQ(count, static_cast<int>(LanStream().size()));
}

TEST(LanFramer, TwoActionsInOneReadAreEachAppliedAndRelayedOnceAlone) {
  // A host with three clients reads a first-round play of seat 2 and a card of seat 3 at once.
  LanFramer framer;
  framer.Feed("hplayo2hhods53");
  std::vector<std::pair<std::string, std::vector<int>>> relayed;
  while (auto frame = framer.Next()) {
    const auto message = DecodeLan(*frame);
    ASSERT_TRUE(message.ok()) << message.error().reason;
    const int seat = std::get<LanAction>(message.value()).seat;
    relayed.emplace_back(*frame, RelayTargets(seat, 2));
  }
  using Relayed = std::vector<std::pair<std::string, std::vector<int>>>;
  EXPECT_EQ(relayed, (Relayed{{"hplayo2", {1, 2}}, {"hhods53", {0, 2}}}));
}

TEST(LanFramer, AnIncompleteMessageWaitsWithoutError) {
  for (const std::string part :
       {"c", "connect", "connect2+2Hos", "a", "abor", "q", "hbegin", "s2no end yet", "b\xD2\xEF"}) {
    SCOPED_TRACE(part);
    LanFramer framer;
    framer.Feed(part);
    EXPECT_FALSE(framer.Next().has_value());
    EXPECT_FALSE(framer.error().has_value());
    EXPECT_EQ(framer.pending(), part.size());
  }
}

struct Garbage {
  const char* what;
  std::string bytes;
  Fault fault;
  int good_before;  // messages yielded before the error
};

TEST(LanFramer, BytesThatBeginNoMessageStopTheStream) {
  const std::string chat_at_limit = "s2" + std::string(kMaxChatText, 'a');
  const Garbage cases[] = {
      {"unknown byte", "x", Fault::kUnknownKind, 0},
      {"after a message", "hbegin1?hpasso2", Fault::kUnknownKind, 1},
      {"line feed alone", "hbegin1\nhpasso2", Fault::kUnknownKind, 1},
      {"connect9", "connect9+HostAnn Bo  PC  ", Fault::kUnknownKind, 0},
      {"abbot", "abbot", Fault::kUnknownKind, 0},
      {"capital H", "Hbegin1", Fault::kUnknownKind, 0},
      {"a NUL", std::string("s1x\n\0hbegin1", 12), Fault::kUnknownKind, 1},
      {"chat that never ends", chat_at_limit + "a", Fault::kWrongLength, 0},
      {"oversize stream", "s1" + std::string(4096, 'a'), Fault::kWrongLength, 0},
  };
  for (const Garbage& c : cases) {
    SCOPED_TRACE(c.what);
    for (const std::size_t piece : {std::size_t{1}, c.bytes.size()}) {
      LanFramer framer;
      const auto out = FeedInPieces(framer, c.bytes, {piece});
      EXPECT_EQ(static_cast<int>(out.size()), c.good_before);
      ASSERT_TRUE(framer.error().has_value());
      EXPECT_EQ(framer.error()->fault, c.fault);
      // Nothing after the error: not even a good message fed later.
      framer.Feed("hbegin1");
      EXPECT_FALSE(framer.Next().has_value());
    }
  }
}

TEST(LanFramer, AChatLineUpToItsLimitPasses) {
  const std::string longest = "s4" + std::string(kMaxChatText, '\xE0') + "\n";
  ASSERT_EQ(longest.size(), kMaxChatFrame);
  LanFramer framer;
  const auto out = FeedInPieces(framer, longest + "hbegin1", {1});
  EXPECT_EQ(out, (std::vector<std::string>{longest, "hbegin1"}));
  EXPECT_FALSE(framer.error().has_value());
}

std::string Record(const std::string& text, char seat) {
  return text + std::string(49 - text.size(), '#') + seat;
}

TEST(RecordFramer, ServerRecordsAndTheLongerDealComeOutWhole) {
  const std::vector<std::string> from_server = {
      Record("hbegin", '1'),     testing::TableOrderBody(), Record("hpasso", '2'),
      Record("sgood luck", '3'), testing::TableOrderBody(), Record("end", '0'),
  };
  const std::string all = Joined(from_server);
  for (const std::vector<std::size_t>& sizes :
       {std::vector<std::size_t>{1}, {49}, {50}, {161}, {all.size()}, {3, 97, 211}}) {
    RecordFramer framer(From::kServer);
    EXPECT_EQ(FeedInPieces(framer, all, sizes), from_server) << sizes.front();
    EXPECT_EQ(framer.pending(), 0u);
  }
}

TEST(RecordFramer, FromAClientEveryRecordIsFiftyEvenBnext) {
  const std::vector<std::string> from_client = {
      Record("connect2", '2'),
      Record("bnext", '1'),
      Record("hhods3", '1'),
      Record("o   12   12  -12  -12", '1'),
  };
  RecordFramer framer(From::kClient);
  EXPECT_EQ(FeedInPieces(framer, Joined(from_client), {7}), from_client);
  framer.Feed("hbegin");
  EXPECT_FALSE(framer.Next().has_value());
  EXPECT_EQ(framer.pending(), 6u);
}

}  // namespace
}  // namespace ostrel::lan
