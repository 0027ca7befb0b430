#include "lan/lan_rules.h"

#include <gtest/gtest.h>

#include "lan/chat_line.h"
#include "lan/entry_checks.h"

namespace ostrel::lan {
namespace {

TEST(PositionTable, EachCopySitsAtFourWithItsPartnerAtTwoAndTheOrderOneThreeTwoFour) {
  const int partner[5] = {0, 2, 1, 4, 3};
  const int next_around[5] = {0, 3, 4, 2, 1};  // around the table: 1, 3, 2, 4
  for (int own = 1; own <= 4; ++own) {
    SCOPED_TRACE(own);
    EXPECT_EQ(TablePosition(own, own), 4);
    EXPECT_EQ(TablePosition(own, partner[own]), 2);
    for (int seat = 1; seat <= 4; ++seat) {
      // Table positions run in playing order: the next seat around is the next position.
      EXPECT_EQ(TablePosition(own, next_around[seat]), TablePosition(own, seat) % 4 + 1);
      EXPECT_EQ(SeatAtPosition(own, TablePosition(own, seat)), seat);
    }
  }
  EXPECT_EQ(TablePosition(0, 1), 0);
  EXPECT_EQ(TablePosition(1, 5), 0);
  EXPECT_EQ(SeatAtPosition(5, 1), 0);
  EXPECT_EQ(SeatAtPosition(2, 0), 0);
}

TEST(PositionTable, AClientPutsTheFourNamesWhereItsSeatSays) {
  const SeatNames names = {"Host", "Two ", "Thre", "Four"};
  // The names arrive in the order host, then the host's positions 2, 1 and 3; the client's
  // positions of the first to fourth name, by its seat.
  const std::pair<int, std::array<int, 4>> rows[] = {
      {2, {2, 4, 3, 1}},
      {3, {3, 1, 4, 2}},
      {4, {1, 3, 2, 4}},
  };
  for (const auto& [seat, positions] : rows) {
    const PositionNames at = NamesAtPositions(seat, names);
    for (int k = 0; k < 4; ++k) EXPECT_EQ(at[positions[k] - 1], names[k]) << seat << " " << k;
  }
  const PositionNames host = NamesAtPositions(1, names);
  EXPECT_EQ(host, (PositionNames{"Thre", "Two ", "Four", "Host"}));
}

TEST(Relay, TheHostPassesAMessageToEveryOtherClientThatExists) {
  struct Row {
    int sender;
    int last_index;
    std::vector<int> targets;
  };
  const Row rows[] = {
      {1, -1, {}},    {1, 0, {0}}, {1, 2, {0, 1, 2}}, {2, 0, {}},     {2, 1, {1}},
      {2, 2, {1, 2}}, {3, 1, {0}}, {3, 2, {0, 2}},    {4, 2, {0, 1}}, {4, 1, {}},
      {3, 0, {}},     {0, 2, {}},  {5, 2, {}},        {2, 3, {}},
  };
  for (const Row& row : rows) {
    EXPECT_EQ(RelayTargets(row.sender, row.last_index), row.targets)
        << "seat " << row.sender << ", last connection " << row.last_index;
  }
}

std::vector<std::pair<int, std::string>> Wire(const std::vector<HostRoster::Send>& sends) {
  std::vector<std::pair<int, std::string>> wire;
  for (const auto& send : sends)
    wire.emplace_back(send.connection, EncodeLan(send.message).value());
  return wire;
}

TEST(HostRoster, JoinersAreSeatedTwoThreeFourAndEveryoneHearsOfTheNewcomer) {
  HostRoster host("Hostname");
  EXPECT_EQ(host.last_connection_index(), -1);
  using Wired = std::vector<std::pair<int, std::string>>;

  auto first = host.Accept(Hello{"Al"});
  ASSERT_TRUE(first.ok());
  EXPECT_EQ(Wire(first.value()), (Wired{{0, "connect2+2HostAl  PC  PC  "}}));

  auto second = host.Accept(Hello{"Bo  "});
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(Wire(second.value()),
            (Wired{{1, "connect2+3HostAl  Bo  PC  "}, {0, "connect3+HostAl  Bo  PC  "}}));

  auto third = host.Accept(Hello{"Cy  "});
  ASSERT_TRUE(third.ok());
  EXPECT_EQ(Wire(third.value()), (Wired{{2, "connect2+4HostAl  Bo  Cy  "},
                                        {1, "connect4+HostAl  Bo  Cy  "},
                                        {0, "connect4+HostAl  Bo  Cy  "}}));
  EXPECT_EQ(host.last_connection_index(), 2);
  EXPECT_FALSE(host.Accept(Hello{"Dan "}).ok());
  EXPECT_EQ(host.names()[3], "Cy  ");
}

TEST(HostRoster, EveryCopyEndsWithTheSameTableTurnedToItself) {
  HostRoster host("Host");
  ClientRoster clients[3];
  const char* names[3] = {"Al  ", "Bo  ", "Cy  "};
  for (int joiner = 0; joiner < 3; ++joiner) {
    auto sends = host.Accept(Hello{names[joiner]});
    ASSERT_TRUE(sends.ok());
    for (const auto& send : sends.value()) {
      // Through the wire, as a client sees it.
      const auto message = DecodeLan(EncodeLan(send.message).value());
      ASSERT_TRUE(message.ok());
      ClientRoster& client = clients[send.connection];
      if (const auto* seat = std::get_if<SeatMessage>(&message.value())) {
        EXPECT_TRUE(client.Take(*seat));
      } else {
        EXPECT_TRUE(client.Take(std::get<ArrivalNotice>(message.value())));
      }
    }
  }
  for (int i = 0; i < 3; ++i) {
    const ClientRoster& client = clients[i];
    EXPECT_EQ(client.seat(), i + 2);
    EXPECT_EQ(client.last_connection_index(), 2);
    EXPECT_EQ(client.names()[3], names[i]);  // itself at position 4
    for (int seat = 1; seat <= 4; ++seat) {
      EXPECT_EQ(client.names()[TablePosition(client.seat(), seat) - 1], host.names()[seat - 1]);
    }
  }
}

TEST(ClientRoster, OnlyTheNoticesMeantForASeatCount) {
  const SeatNames names = {"Host", "Al  ", "Bo  ", "Cy  "};
  ClientRoster before;
  EXPECT_FALSE(before.Take(ArrivalNotice{3, names}));
  EXPECT_FALSE(before.seated());

  ClientRoster third;
  ASSERT_TRUE(third.Take(SeatMessage{3, names}));
  EXPECT_EQ(third.last_connection_index(), 1);
  EXPECT_FALSE(third.Take(ArrivalNotice{3, names}));  // its own arrival
  EXPECT_FALSE(third.Take(SeatMessage{4, names}));    // seated once
  EXPECT_EQ(third.seat(), 3);
  EXPECT_TRUE(third.Take(ArrivalNotice{4, names}));
  EXPECT_EQ(third.last_connection_index(), 2);

  ClientRoster fourth;
  ASSERT_TRUE(fourth.Take(SeatMessage{4, names}));
  EXPECT_FALSE(fourth.Take(ArrivalNotice{4, names}));
  EXPECT_EQ(fourth.names(), (PositionNames{"Host", "Bo  ", "Al  ", "Cy  "}));
}

TEST(WaitingRoom, TheHostStartsWithOneClientOrWithThree) {
  const std::pair<int, WaitingButtons> rows[] = {
      {0, {false, true}}, {1, {true, false}}, {2, {false, true}}, {3, {true, false}}};
  for (const auto& [clients, buttons] : rows) EXPECT_EQ(HostWaitingButtons(clients), buttons);
}

struct EntryRow {
  bool client;
  std::string address;
  std::string port;
  EntryProblem problem;
  std::array<std::uint8_t, 4> parsed;
  std::uint16_t port_number;
};

TEST(EntryChecks, AddressesAndPortsAreCheckedBeforeConnecting) {
  using P = EntryProblem;
  const EntryRow rows[] = {
      {true, "192.168.0.17", "25666", P::kNone, {192, 168, 0, 17}, 25666},
      {true, "127.0.0.1", "1", P::kNone, {127, 0, 0, 1}, 1},
      {true, "255.255.255.255", "65535", P::kNone, {255, 255, 255, 255}, 65535},
      {true, "1.2.3.4.", "25666", P::kIncorrectIp, {}, 0},
      {true, "1.2.3", "25666", P::kIncorrectIp, {}, 0},
      {true, "1.2.3.1234", "25666", P::kIncorrectIp, {}, 0},
      {true, "1..3.4", "25666", P::kIncorrectIp, {}, 0},
      {true, ".1.2.3", "25666", P::kIncorrectIp, {}, 0},
      {true, "1.2.3.4.5", "25666", P::kIncorrectIp, {}, 0},
      {true, "256.1.1.1", "25666", P::kIncorrectIp, {}, 0},
      {true, "", "25666", P::kIncorrectIp, {}, 0},
      {true, "1.2.3.4", "", P::kIncorrectPort, {1, 2, 3, 4}, 0},
      {true, "1.2.3.4", "0", P::kIncorrectPort, {1, 2, 3, 4}, 0},
      {true, "1.2.3.4", "65536", P::kIncorrectPort, {1, 2, 3, 4}, 0},
      {true, "1.2.3", "", P::kIncorrectIp, {}, 0},
      {false, "", "25666", P::kNone, {}, 25666},
      {false, "junk", "8080", P::kNone, {}, 8080},
      {false, "", "", P::kIncorrectPort, {}, 0},
  };
  for (const EntryRow& row : rows) {
    SCOPED_TRACE(row.address + " : " + row.port);
    const EntryCheck check = CheckEntry(row.client, row.address, row.port);
    EXPECT_EQ(check.problem, row.problem);
    if (row.problem == P::kNone) {
      EXPECT_EQ(check.address, row.parsed);
      EXPECT_EQ(check.port, row.port_number);
    }
  }
  EXPECT_EQ(PhraseKeyOf(P::kIncorrectIp), "IncorrectIp");
  EXPECT_EQ(PhraseKeyOf(P::kIncorrectPort), "IncorrectPort");
  EXPECT_EQ(PhraseKeyOf(P::kNone), "");
}

TEST(EntryChecks, TheFieldsKeepOnlyDigitsAndPoints) {
  EXPECT_TRUE(AddressFieldAccepts(""));
  EXPECT_TRUE(AddressFieldAccepts("10.0.0."));
  EXPECT_TRUE(AddressFieldAccepts(std::string(20, '1')));
  EXPECT_FALSE(AddressFieldAccepts(std::string(21, '1')));
  EXPECT_FALSE(AddressFieldAccepts("10.0.0.a"));
  EXPECT_FALSE(AddressFieldAccepts("10 0"));
  EXPECT_FALSE(AddressFieldAccepts("::1"));
  EXPECT_TRUE(PortFieldAccepts("25666"));
  EXPECT_TRUE(PortFieldAccepts(""));
  EXPECT_FALSE(PortFieldAccepts("256660"));
  EXPECT_FALSE(PortFieldAccepts("2566."));
  EXPECT_FALSE(PortFieldAccepts("-1"));
}

TEST(ChatLine, ALineTooWideLosesAtMostTwelveCharactersAndGetsDots) {
  // Width in characters: one UTF-8 character is one unit, the strip holds `room`.
  const auto wider_than = [](std::size_t room) {
    return [room](std::string_view s) {
      std::size_t chars = 0;
      for (const char c : s) chars += (static_cast<unsigned char>(c) & 0xC0) != 0x80;
      return chars > room;
    };
  };
  EXPECT_EQ(FitChatLine("short", wider_than(10)), "short");
  EXPECT_EQ(FitChatLine("exactly10!", wider_than(10)), "exactly10!");
  EXPECT_EQ(FitChatLine("0123456789abc", wider_than(10)), "0123456789...");
  EXPECT_EQ(FitChatLine("0123456789abcdefghijklmnop", wider_than(10)), "0123456789abcd...");
  EXPECT_EQ(FitChatLine("Привет, товарищи", wider_than(7)), "Привет,...");
  EXPECT_EQ(FitChatLine("", wider_than(0)), "");
}

}  // namespace
}  // namespace ostrel::lan
