#include "lan/game_message.h"

#include <gtest/gtest.h>

#include <set>

namespace ostrel::lan {
namespace {

struct ActionCase {
  GameMessage message;
  std::string bytes;
};

const ActionCase kActions[] = {
    {GameMessage::Of(GameTag::kBegin), "hbegin"},
    {GameMessage::Of(GameTag::kPlayRoundOne), "hplayo"},
    {GameMessage::Of(GameTag::kPassRoundOne), "hpasso"},
    {GameMessage::NameTrump(1), "higra\xF7"},
    {GameMessage::NameTrump(2), "higra\xE1"},
    {GameMessage::NameTrump(3), "higra\xEA"},
    {GameMessage::NameTrump(4), "higra\xEF"},
    {GameMessage::Of(GameTag::kPassRoundTwo), "hpassz"},
    {GameMessage::Of(GameTag::kBuyCards), "haddca"},
    {GameMessage::Of(GameTag::kNoChangeSeven), "hnoch7"},
    {GameMessage::Of(GameTag::kChangeSeven), "hchan7"},
    {GameMessage::Of(GameTag::kShowCombinations), "hshowc"},
    {GameMessage::Of(GameTag::kTakeBackCombinations), "hdownc"},
    {GameMessage::PlayCard(1), "hhods1"},
    {GameMessage::PlayCard(8), "hhods8"},
    {GameMessage::Of(GameTag::kTakeTrick), "hslits"},
};

TEST(GameActions, EveryActionHasItsExactSixBytesBothWays) {
  std::set<GameTag> tags;
  for (const ActionCase& c : kActions) {
    SCOPED_TRACE(c.bytes);
    const auto encoded = EncodeAction(c.message);
    ASSERT_TRUE(encoded.ok()) << encoded.error().reason;
    EXPECT_EQ(encoded.value(), c.bytes);
    const auto decoded = DecodeAction(c.bytes);
    ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
    EXPECT_EQ(decoded.value(), c.message);
    tags.insert(c.message.tag);
  }
  EXPECT_EQ(tags.size(), static_cast<std::size_t>(kGameTagCount));
}

struct BadAction {
  std::string bytes;
  Fault fault;
};

TEST(GameActions, MalformedActionsAreRefusedWithTheirReason) {
  const BadAction cases[] = {
      {"hbegi", Fault::kWrongLength},
      {"hbegin1", Fault::kWrongLength},
      {"", Fault::kWrongLength},
      {"xbegin", Fault::kUnknownKind},
      {"hbeginn", Fault::kWrongLength},
      {"hjumpo", Fault::kUnknownTag},
      {"HBEGIN", Fault::kUnknownKind},
      {"higra#", Fault::kBadParameter},
      {"higra7", Fault::kBadParameter},
      {"hhods0", Fault::kBadParameter},
      {"hhods9", Fault::kBadParameter},
      {"hhods\xF7", Fault::kBadParameter},
      {std::string("hplay\0", 6), Fault::kUnknownTag},
  };
  for (const BadAction& c : cases) {
    SCOPED_TRACE(c.bytes);
    const auto decoded = DecodeAction(c.bytes);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().fault, c.fault);
    EXPECT_FALSE(decoded.error().reason.empty());
  }
}

TEST(GameActions, ParametersOutOfRangeAreNotEncoded) {
  const GameMessage cases[] = {
      GameMessage::NameTrump(0),       GameMessage::NameTrump(5),
      GameMessage::PlayCard(0),        GameMessage::PlayCard(9),
      GameMessage{GameTag::kBegin, 1}, GameMessage{static_cast<GameTag>(200), 0},
  };
  for (const GameMessage& m : cases) {
    const auto encoded = EncodeAction(m);
    ASSERT_FALSE(encoded.ok()) << encoded.value();
  }
}

}  // namespace
}  // namespace ostrel::lan
