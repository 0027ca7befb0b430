// The fast search's table: bounded per hand size, emptied for every sample.
#include <gtest/gtest.h>

#include "ai/transposition.h"

namespace ostrel {
namespace {

std::uint64_t KeyFor(int i, int mover = 0) {
  const std::uint32_t hand[4] = {static_cast<std::uint32_t>(i), 0, 0, 0};
  const int points[2] = {i % 100, 7};
  return TranspositionTable::Key(hand, mover, points);
}

TEST(TranspositionTable, EachHandSizeTakesAtMost48001Entries) {
  TranspositionTable table;
  table.Clear(true);
  const int limit = TranspositionTable::kEntryLimit + 1;
  for (int i = 1; i <= limit + 10; ++i) table.Store(KeyFor(i), 5, i, -1e9, 1e9, 3);
  EXPECT_NE(table.Find(KeyFor(limit)), nullptr);
  EXPECT_EQ(table.Find(KeyFor(limit + 1)), nullptr);
  // Another hand size has its own room; a stored key can still be tightened.
  table.Store(KeyFor(1, 1), 4, 1.5, -1e9, 1e9, 2);
  EXPECT_NE(table.Find(KeyFor(1, 1)), nullptr);
  table.Store(KeyFor(2), 5, 2, -1e9, 1e9, 1);
  ASSERT_NE(table.Find(KeyFor(2)), nullptr);
  EXPECT_EQ(table.Find(KeyFor(2))->best, 1);
}

TEST(TranspositionTable, KeepsBoundsFromNarrowWindowsAndEmptiesOnClear) {
  TranspositionTable table;
  table.Clear(true);
  const std::uint64_t key = KeyFor(9);
  table.Store(key, 3, 5.0, 10.0, 20.0, 0);  // failed low: at most 5
  const TranspositionEntry* e = table.Find(key);
  ASSERT_NE(e, nullptr);
  EXPECT_EQ(e->upper, 5.0);
  EXPECT_LT(e->lower, -1e300);
  table.Store(key, 3, 3.0, 2.0, 4.0, 0);  // inside the window: exact
  EXPECT_EQ(e->lower, 3.0);
  EXPECT_EQ(e->upper, 3.0);
  table.Clear(true);
  EXPECT_EQ(table.Find(key), nullptr);
}

TEST(TranspositionTable, TheKeyTellsPointsAndMoverApart) {
  const std::uint32_t hand[4] = {0x0F, 0xF0, 0xF00, 0xF000};
  const int a[2] = {10, 20};
  const int b[2] = {20, 10};
  EXPECT_NE(TranspositionTable::Key(hand, 0, a), TranspositionTable::Key(hand, 0, b));
  EXPECT_NE(TranspositionTable::Key(hand, 0, a), TranspositionTable::Key(hand, 1, a));
}

}  // namespace
}  // namespace ostrel
