#include "lan/deal_codec.h"

#include <gtest/gtest.h>

#include <functional>

#include "test_decks.h"

namespace ostrel::lan {
namespace {

using testing::ShuffledDeck;
using testing::TableOrderBody;
using testing::TableOrderDeck;

TEST(DealCodec, TheLanDealIs166CharactersWithTheHostsRules) {
  const std::string expected = TableOrderBody() + "501\xC8\xCB";
  const auto encoded = EncodeLanDeal(TableOrderDeck(), {501, true, false});
  ASSERT_TRUE(encoded.ok()) << encoded.error().reason;
  EXPECT_EQ(encoded.value(), expected);
  EXPECT_EQ(encoded.value().size(), 166u);

  const auto decoded = DecodeDeal(expected);
  ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
  EXPECT_EQ(decoded.value().deck, TableOrderDeck());
  EXPECT_EQ(decoded.value().rules, (DealRules{501, true, false}));
}

TEST(DealCodec, AMixedDeckTravelsUnchanged) {
  for (const DealRules& rules : {DealRules{301, false, true}, DealRules{501, true, true}}) {
    const auto encoded = EncodeLanDeal(ShuffledDeck(), rules);
    ASSERT_TRUE(encoded.ok());
    const auto decoded = DecodeDeal(encoded.value());
    ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
    EXPECT_EQ(decoded.value().deck, ShuffledDeck());
    EXPECT_EQ(decoded.value().rules, rules);
  }
}

TEST(DealCodec, ReceiversReadOnlyThe161CharactersBeforeTheRules) {
  // The body alone (as the tournament server sends it) and a damaged trailer both give the
  // deck; only a well-formed trailer gives rules.
  for (const std::string trailer : {"", "999\xC8\xC8", "301XX", "301\xC8", "301\xC8\xC8 "}) {
    SCOPED_TRACE(trailer);
    const auto decoded = DecodeDeal(TableOrderBody() + trailer);
    ASSERT_TRUE(decoded.ok()) << decoded.error().reason;
    EXPECT_EQ(decoded.value().deck, TableOrderDeck());
    EXPECT_FALSE(decoded.value().rules.has_value());
  }
}

struct DealDamage {
  const char* what;
  std::function<void(std::string&)> damage;
  Fault fault;
};

TEST(DealCodec, ADealThatIsNotTheWholeDeckWithItsValuesIsRefused) {
  // Offsets (0-based): card p at 1 + 2(p-1), its order at 65 + (p-1), its points at
  // 97 + 2(p-1).
  const DealDamage cases[] = {
      {"duplicated card", [](std::string& t) { t[3] = t[1], t[4] = t[2]; }, Fault::kDuplicateCard},
      {"the same card again at the end", [](std::string& t) { t[63] = t[1], t[64] = t[2]; },
       Fault::kDuplicateCard},
      {"no such rank", [](std::string& t) { t[9] = 'X'; }, Fault::kBadCard},
      {"no such suit", [](std::string& t) { t[10] = '#'; }, Fault::kBadCard},
      {"empty card", [](std::string& t) { t[1] = '#', t[2] = '#'; }, Fault::kBadCard},
      {"wrong order value", [](std::string& t) { t[65 + 6] = '5'; }, Fault::kWrongOrder},
      {"order not a digit", [](std::string& t) { t[65 + 31] = 'x'; }, Fault::kWrongOrder},
      {"trump order sent", [](std::string& t) { t[65 + 8] = '7'; }, Fault::kWrongOrder},
      {"ten worth 11", [](std::string& t) { t[97 + 24] = '1', t[97 + 25] = '1'; },
       Fault::kWrongPoints},
      {"trump jack's 20", [](std::string& t) { t[97 + 32] = '2', t[97 + 33] = '0'; },
       Fault::kWrongPoints},
      {"points without leading zero", [](std::string& t) { t[97 + 32] = ' '; },
       Fault::kWrongPoints},
      {"short by one", [](std::string& t) { t.resize(160); }, Fault::kWrongLength},
      {"only the cards", [](std::string& t) { t.resize(65); }, Fault::kWrongLength},
      {"not a deal", [](std::string& t) { t[0] = 'B'; }, Fault::kUnknownKind},
  };
  for (const DealDamage& c : cases) {
    SCOPED_TRACE(c.what);
    std::string text = TableOrderBody();
    c.damage(text);
    const auto decoded = DecodeDeal(text);
    ASSERT_FALSE(decoded.ok());
    EXPECT_EQ(decoded.error().fault, c.fault) << decoded.error().reason;
  }
}

TEST(DealCodec, OnlyAWholeDeckAndAKnownTargetAreEncoded) {
  DealDeck twice = TableOrderDeck();
  twice[32] = twice[1];
  EXPECT_EQ(EncodeDealBody(twice).error().fault, Fault::kDuplicateCard);
  DealDeck hole = TableOrderDeck();
  hole[17] = kEmptyCard;
  EXPECT_EQ(EncodeDealBody(hole).error().fault, Fault::kBadCard);
  EXPECT_EQ(EncodeLanDeal(TableOrderDeck(), {401, false, false}).error().fault,
            Fault::kBadParameter);
}

}  // namespace
}  // namespace ostrel::lan
