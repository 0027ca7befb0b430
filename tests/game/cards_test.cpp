#include "game/cards.h"

#include <gtest/gtest.h>

#include <set>

#include "game/cp1251.h"
#include "game/deal_text.h"

namespace ostrel {
namespace {

TEST(Cards, DeckTableRunsByRankGroupsInSuitOrder) {
  EXPECT_EQ(CardText(DeckTableCard(1)), "7ч");
  EXPECT_EQ(CardText(DeckTableCard(4)), "7п");
  EXPECT_EQ(CardText(DeckTableCard(13)), "1ч");
  EXPECT_EQ(CardText(DeckTableCard(32)), "Тп");
  std::set<int> numbers;
  for (int n = 1; n <= kDeckSize; ++n) numbers.insert(DeckTableNumber(DeckTableCard(n)));
  EXPECT_EQ(numbers.size(), 32u);
  EXPECT_EQ(DeckTableNumber(kEmptyCard), 0);
}

TEST(Cards, PointsAddUpTo152AndTrumpOrdersAreDistinct) {
  for (int trump = 1; trump <= 4; ++trump) {
    int total = 0;
    for (int n = 1; n <= kDeckSize; ++n) {
      const CardCode c = DeckTableCard(n);
      total += CardPoints(*RankOf(c), SuitNumber(c.suit) == trump);
    }
    EXPECT_EQ(total, 152);
  }
  // Trump jack beats everything, trump nine beats trump ace; a plain ten beats a king.
  EXPECT_GT(PlayOrder(Rank::Jack, true), PlayOrder(Rank::Nine, true));
  EXPECT_GT(PlayOrder(Rank::Nine, true), PlayOrder(Rank::Ace, true));
  EXPECT_GT(PlayOrder(Rank::Ten, false), PlayOrder(Rank::King, false));
  // Before the re-valuation the ten stands between nine and jack.
  EXPECT_EQ(NaturalOrder(Rank::Ten), NaturalOrder(Rank::Nine) + 1);
  EXPECT_EQ(NaturalOrder(Rank::Jack), NaturalOrder(Rank::Ten) + 1);
}

TEST(Cards, CardListsNeverMatchTheEmptyCardAndAddOnce) {
  CardList32 list;
  list.fill(kEmptyCard);
  const CardCode seven = MakeCard(Rank::Seven, 1);
  EXPECT_FALSE(ListHasCard(32, list, seven));
  EXPECT_FALSE(ListHasCard(32, list, kEmptyCard));
  AddToCardList(seven, list);
  AddToCardList(seven, list);
  EXPECT_EQ(list[1], seven);
  EXPECT_TRUE(list[2].IsEmpty());
}

TEST(Cards, TextRoundTripsAndRejectsNonCards) {
  for (int n = 1; n <= kDeckSize; ++n) {
    const CardCode c = DeckTableCard(n);
    EXPECT_EQ(ParseCardText(CardText(c)), c);
  }
  EXPECT_EQ(ParseCardText("##"), kEmptyCard);
  for (const char* bad : {"", "7", "7x", "Тчч", "\xff\xfe", "2ч"}) {
    EXPECT_FALSE(ParseCardText(bad).has_value()) << bad;
  }
}

TEST(Cp1251, RoundTripsEveryByteButTheUnassignedOne) {
  for (int b = 1; b < 256; ++b) {
    if (b == 0x98) continue;
    const std::string one(1, static_cast<char>(b));
    EXPECT_EQ(Utf8ToCp1251(Cp1251ToUtf8(one)), one) << b;
  }
  EXPECT_FALSE(Utf8ToCp1251("\xe4\xb8\xad").has_value());  // a Chinese character
  EXPECT_FALSE(Utf8ToCp1251("\xd0").has_value());          // cut off
}

TEST(DealText, ParsesAWholeDeckAndNamesTheFault) {
  CardList32 deck;
  for (int n = 1; n <= kDeckSize; ++n) deck[n] = DeckTableCard(n);
  const auto parsed = ParseDeckText(DeckToText(deck));
  ASSERT_TRUE(std::holds_alternative<CardList32>(parsed));
  EXPECT_EQ(std::get<CardList32>(parsed), deck);

  const auto twice = ParseDeckText("7ч 7ч");
  ASSERT_TRUE(std::holds_alternative<std::string>(twice));
  EXPECT_NE(std::get<std::string>(twice).find("twice"), std::string::npos);
  EXPECT_TRUE(std::holds_alternative<std::string>(ParseDeckText("7ч 8ч")));
  EXPECT_TRUE(std::holds_alternative<std::string>(ParseDeckText("Zz")));
}

}  // namespace
}  // namespace ostrel
