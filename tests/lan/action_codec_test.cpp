// Every game message that carries an action maps onto the engine's action and back unchanged;
// the two messages about the trump seven carry none.
#include <gtest/gtest.h>

#include "lan/action_codec.h"

namespace ostrel::lan {
namespace {

TEST(ActionCodec, EveryActionMessageRoundTripsThroughTheEngineAction) {
  const struct {
    const char* wire;
    ActionKind kind;
    int value;
  } cases[] = {
      {"hbegin", ActionKind::Begin, 0},
      {"hplayo", ActionKind::PlayProposed, 0},
      {"hpasso", ActionKind::PassRoundOne, 0},
      {"higra\xEA", ActionKind::NameSuit, 3},
      {"hpassz", ActionKind::PassRoundTwo, 0},
      {"haddca", ActionKind::DealRest, 0},
      {"hshowc", ActionKind::ShowCombinations, 0},
      {"hdownc", ActionKind::TakeBack, 0},
      {"hhods7", ActionKind::PlayCard, 7},
      {"hslits", ActionKind::TakeTrick, 0},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.wire);
    const auto decoded = DecodeAction(c.wire);
    ASSERT_TRUE(decoded.ok());
    const auto action = ActionOf(decoded.value());
    ASSERT_TRUE(action.has_value());
    EXPECT_EQ(*action, (Action{c.kind, c.value}));
    const auto message = MessageOf(*action);
    ASSERT_TRUE(message.has_value());
    const auto encoded = EncodeAction(*message);
    ASSERT_TRUE(encoded.ok());
    EXPECT_EQ(encoded.value(), c.wire);
  }
  EXPECT_FALSE(ActionOf(GameMessage::Of(GameTag::kNoChangeSeven)).has_value());
  EXPECT_FALSE(ActionOf(GameMessage::Of(GameTag::kChangeSeven)).has_value());
  EXPECT_FALSE(MessageOf(Action{ActionKind::NextDeal}).has_value());
}

}  // namespace
}  // namespace ostrel::lan
