// A tournament table's game without sockets: four scripted players that each send a move the
// server's engine accepts, refused moves, the move clock, a player who leaves.
#include "server/tables/game_table.h"

#include <gtest/gtest.h>
#include <sodium.h>

#include "lan/action_codec.h"

namespace ostrel::server {
namespace {

constexpr std::int64_t kMoveMs = 1000;

// The first action the engine would accept from the seat due, bids before passes.
std::optional<Action> LegalAction(const TableEngine& engine) {
  const Turn turn = engine.ToAct();
  if (turn.seat == 0) return std::nullopt;
  std::vector<Action> candidates = {
      {ActionKind::Begin, 0},        {ActionKind::PlayProposed, 0},
      {ActionKind::NameSuit, 1},     {ActionKind::NameSuit, 2},
      {ActionKind::NameSuit, 3},     {ActionKind::NameSuit, 4},
      {ActionKind::PassRoundOne, 0}, {ActionKind::PassRoundTwo, 0},
      {ActionKind::DealRest, 0},     {ActionKind::ShowCombinations, 0},
      {ActionKind::TakeBack, 0},     {ActionKind::TakeTrick, 0}};
  for (int p = 1; p <= 8; ++p) candidates.push_back({ActionKind::PlayCard, p});
  for (const auto& a : candidates) {
    if (!engine.Refusal(a, turn.seat) && lan::MessageOf(a)) return a;
  }
  return std::nullopt;
}

lan::TourRecord Move(const Action& a, int seat) {
  return lan::TourRecord{lan::TourAction{*lan::MessageOf(a)}, seat};
}

int CountTo(const std::vector<TableSend>& sends, int seat) {
  int n = 0;
  for (const auto& s : sends) n += s.seat == seat ? 1 : 0;
  return n;
}

class GameTableTest : public ::testing::Test {
 protected:
  void SetUp() override { ASSERT_GE(sodium_init(), 0); }
  GameTable table_{kMoveMs};
  std::int64_t now_ = 0;
};

TEST_F(GameTableTest, FourPlayersPlayAWholeGameThroughTheServersEngine) {
  auto deal = table_.Start(now_);
  ASSERT_EQ(deal.size(), 4u);
  EXPECT_EQ(deal[0].bytes.size(), lan::kDealBodySize);
  int relayed = 0, deals = 1;
  for (int step = 0; step < 5000 && table_.Running(); ++step) {
    now_ += 10;
    const int phase = table_.Engine().Record().Phase;
    GameTable::Received r;
    if (phase == kPhaseDealOver) {
      r = table_.Receive(1, {lan::TourNextDeal{}, 1}, now_);
      ++deals;
      ASSERT_EQ(r.sends.size(), 4u);
    } else if (phase == kPhaseGameOver) {
      r = table_.Receive(1, {lan::TourResult{table_.Summary().margin}, 1}, now_);
    } else {
      auto action = LegalAction(table_.Engine());
      ASSERT_TRUE(action.has_value()) << "phase " << phase;
      const int seat = table_.SeatToAct();
      r = table_.Receive(seat, Move(*action, seat), now_);
      ASSERT_FALSE(r.refused) << r.reason;
      // Relayed to the three others, with the sender's seat as character 50.
      ASSERT_EQ(r.sends.size(), 3u);
      EXPECT_EQ(CountTo(r.sends, seat), 0);
      EXPECT_EQ(r.sends[0].bytes.size(), lan::kRecordSize);
      EXPECT_EQ(r.sends[0].bytes.back(), static_cast<char>('0' + seat));
      ++relayed;
    }
  }
  ASSERT_TRUE(table_.Over());
  EXPECT_EQ(table_.Summary().end, GameEnd::kFinished);
  EXPECT_TRUE(table_.Summary().seat1_agreed);
  EXPECT_EQ(table_.Summary().deals, deals);
  const auto& score = table_.Engine().Record().GameScore;
  EXPECT_TRUE(score[1] >= 301 || score[2] >= 301);
  EXPECT_EQ(table_.Summary().margin, score[2] - score[1]);
  EXPECT_GT(relayed, 32);
}

TEST_F(GameTableTest, RefusedMovesChangeNothingAndAPersistentSenderIsClosed) {
  table_.Start(now_);
  const int due = table_.SeatToAct();
  const int other = due % 4 + 1;
  const auto before = table_.Engine().Record().Phase;
  const lan::TourRecord begin = Move({ActionKind::Begin, 0}, other);
  GameTable::Received r;
  for (int i = 0; i < kMaxRefused; ++i) {
    r = table_.Receive(other, begin, now_);
    EXPECT_TRUE(r.refused);
    EXPECT_TRUE(r.sends.empty());
    EXPECT_EQ(r.close, i + 1 == kMaxRefused);
  }
  EXPECT_EQ(table_.Engine().Record().Phase, before);
  EXPECT_EQ(table_.SeatToAct(), due);
  // Chat is relayed to the three others, at most once a second per seat.
  const lan::TourRecord chat{lan::TourChat{"hello"}, due};
  EXPECT_EQ(table_.Receive(due, chat, now_).sends.size(), 3u);
  EXPECT_TRUE(table_.Receive(due, chat, now_ + kChatIntervalMs - 1).refused);
  EXPECT_EQ(table_.Receive(due, chat, now_ + kChatIntervalMs).sends.size(), 3u);
  // Only seat 1 asks for a next deal or reports the result.
  EXPECT_TRUE(table_.Receive(2, {lan::TourNextDeal{}, 2}, now_).refused);
  EXPECT_TRUE(table_.Receive(1, {lan::TourResult{12}, 1}, now_).refused);
  // A player leaving: "abort" with that seat to the three others.
  auto left = table_.Leave(other);
  ASSERT_EQ(left.size(), 3u);
  EXPECT_EQ(CountTo(left, other), 0);
  auto decoded = lan::DecodeRecord(left[0].bytes, lan::From::kServer);
  ASSERT_TRUE(decoded.ok());
  EXPECT_EQ(std::get<lan::TourPlayerLeft>(decoded.value().payload).seat, other);
  EXPECT_EQ(table_.Summary().end, GameEnd::kLeft);
  EXPECT_TRUE(table_.Leave(due).empty());  // the game is already over
}

TEST_F(GameTableTest, TheMoveClockEndsTheGameWithTheLateSeat) {
  table_.Start(now_);
  const int due = table_.SeatToAct();
  EXPECT_TRUE(table_.Tick(now_ + kMoveMs - 1).empty());
  auto action = LegalAction(table_.Engine());
  ASSERT_TRUE(action);
  now_ += kMoveMs - 1;
  ASSERT_FALSE(table_.Receive(due, Move(*action, due), now_).refused);  // the clock restarts
  const int next = table_.SeatToAct();
  EXPECT_TRUE(table_.Tick(now_ + kMoveMs - 1).empty());
  auto late = table_.Tick(now_ + kMoveMs);
  ASSERT_FALSE(late.empty());
  auto decoded = lan::DecodeRecord(late[0].bytes, lan::From::kServer);
  ASSERT_TRUE(decoded.ok());
  EXPECT_TRUE(std::holds_alternative<lan::TourTimeOut>(decoded.value().payload));
  EXPECT_EQ(decoded.value().seat, next);
  EXPECT_EQ(table_.Summary().end, GameEnd::kTimeOut);
  EXPECT_EQ(table_.Summary().culprit, next);
}

TEST(TourSeats, EachTournamentSeatHasItsOwnEngineSeat) {
  // Seat 1 sits where the engine's place 1 sits (seat 4), its partner seat 2 opposite.
  const int kEngine[5] = {0, 4, 2, 1, 3};
  for (int s = 1; s <= 4; ++s) {
    EXPECT_EQ(EngineSeat(s), kEngine[s]);
    EXPECT_EQ(TourSeat(EngineSeat(s)), s);
  }
}

}  // namespace
}  // namespace ostrel::server
