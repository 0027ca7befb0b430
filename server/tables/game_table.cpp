#include "server/tables/game_table.h"

#include <sodium.h>

#include "lan/action_codec.h"
#include "lan/lan_rules.h"

namespace ostrel::server {
namespace {

lan::TourRecord Notice(lan::TourPayload payload, int seat) {
  return lan::TourRecord{std::move(payload), seat};
}

}  // namespace

int EngineSeat(int tour_seat) {
  return lan::TablePosition(1, tour_seat);
}

int TourSeat(int engine_seat) {
  return lan::SeatAtPosition(1, engine_seat);
}

CardList32 ShuffledDeck() {
  CardList32 deck{};
  for (int p = 1; p <= kDeckSize; ++p) deck[p] = DeckTableCard(p);
  for (int i = kDeckSize; i > 1; --i) {
    const int j = 1 + static_cast<int>(randombytes_uniform(static_cast<std::uint32_t>(i)));
    std::swap(deck[i], deck[j]);
  }
  return deck;
}

GameTable::GameTable(std::int64_t move_ms) : move_ms_(move_ms) {
  engine_.Frame() = TableFrame{1, false, true};
  RuleOptions& o = engine_.Options();
  o.TargetScore = 301;
  o.BellaFirstHandOnly = true;
  o.TrumpRequired = true;
  o.CardOnFreza = true;
  o.MoveOnQueue = true;
  o.ChangeTrumpSeven = false;
}

int GameTable::SeatToAct() const {
  const Turn turn = engine_.ToAct();
  return turn.seat == 0 ? 0 : TourSeat(turn.seat);
}

std::vector<TableSend> GameTable::ToAll(const lan::TourRecord& record, int except) {
  std::vector<TableSend> sends;
  auto bytes = lan::EncodeRecord(record, lan::From::kServer);
  if (!bytes) return sends;
  for (int s = 1; s <= kTableSeats; ++s) {
    if (s != except) sends.push_back({s, bytes.value()});
  }
  return sends;
}

std::vector<TableSend> GameTable::Start(std::int64_t now_ms) {
  started_ = true;
  engine_.SetNextDeck(ShuffledDeck());
  engine_.StartGame(1, 0);
  return Deal(now_ms);
}

std::vector<TableSend> GameTable::Deal(std::int64_t now_ms) {
  ++summary_.deals;
  deadline_ms_ = now_ms + move_ms_;
  lan::TourDeal deal;
  deal.deck = engine_.Record().Deck;
  return ToAll(Notice(deal, 0));
}

std::vector<TableSend> GameTable::End(GameEnd end, int culprit, const lan::TourRecord& notice) {
  summary_.end = end;
  summary_.culprit = culprit;
  engine_.MarkGameOver();
  deadline_ms_ = 0;
  return ToAll(notice, end == GameEnd::kFinished ? 0 : culprit);
}

GameTable::Received GameTable::Refuse(int seat, std::string reason) {
  Received r;
  r.refused = true;
  r.reason = std::move(reason);
  r.close = ++refused_[seat] >= kMaxRefused;
  return r;
}

GameTable::Received GameTable::Receive(int seat, const lan::TourRecord& record,
                                       std::int64_t now_ms) {
  Received r;
  if (!Running() || seat < 1 || seat > kTableSeats) return Refuse(seat, "no game runs");
  if (const auto* chat = std::get_if<lan::TourChat>(&record.payload)) {
    if (now_ms - last_chat_ms_[seat] < kChatIntervalMs) {
      return Refuse(seat, "chat faster than one record a second");
    }
    last_chat_ms_[seat] = now_ms;
    r.sends = ToAll(Notice(*chat, seat), seat);
    return r;
  }
  if (std::holds_alternative<lan::TourTimeOut>(record.payload)) {
    r.sends = End(GameEnd::kTimeOut, seat, Notice(lan::TourTimeOut{}, seat));
    return r;
  }
  if (std::holds_alternative<lan::TourGiveUp>(record.payload)) {
    r.sends = Leave(seat);
    r.close = true;
    return r;
  }
  if (std::holds_alternative<lan::TourNextDeal>(record.payload)) {
    if (seat != 1 || engine_.Record().Phase != kPhaseDealOver) {
      return Refuse(seat, "a next deal only from seat 1 after a deal");
    }
    engine_.SetNextDeck(ShuffledDeck());
    auto outcome = engine_.Apply(Action{ActionKind::NextDeal, 0}, EngineSeat(1));
    if (!outcome.accepted) return Refuse(seat, outcome.reason);
    r.sends = Deal(now_ms);
    return r;
  }
  if (const auto* result = std::get_if<lan::TourResult>(&record.payload)) {
    if (seat != 1 || engine_.Record().Phase != kPhaseGameOver) {
      return Refuse(seat, "a result only from seat 1 at the end of the game");
    }
    // The recorded result is the engine's; seat 1's figure is only compared with it.
    summary_.seat1_agreed = result->margin == summary_.margin;
    r.sends = End(GameEnd::kFinished, 0, Notice(lan::TourGameOver{}, 0));
    return r;
  }
  const auto* action = std::get_if<lan::TourAction>(&record.payload);
  if (!action) return Refuse(seat, "not a record a player sends during a game");
  auto engine_action = lan::ActionOf(action->message);
  if (!engine_action) return Refuse(seat, "a message this game does not act on");
  auto outcome = engine_.Apply(*engine_action, EngineSeat(seat));
  if (!outcome.accepted) return Refuse(seat, outcome.reason);
  r.sends = ToAll(Notice(*action, seat), seat);
  deadline_ms_ = now_ms + move_ms_;
  if (engine_.Record().Phase == kPhaseGameOver) {
    // Seats 1 and 2 sit at the engine's seats 4 and 2: its difference is their margin.
    engine_.SettleGame();
    summary_.margin = engine_.Record().ScoreDifference;
  }
  return r;
}

std::vector<TableSend> GameTable::Leave(int seat) {
  if (!Running()) return {};
  return End(GameEnd::kLeft, seat, Notice(lan::TourPlayerLeft{seat}, seat));
}

std::vector<TableSend> GameTable::Tick(std::int64_t now_ms) {
  if (!Running() || deadline_ms_ == 0 || now_ms < deadline_ms_) return {};
  if (engine_.Record().Phase == kPhaseGameOver) {
    // Seat 1 did not send its result in time: the game is over all the same.
    return End(GameEnd::kFinished, 0, Notice(lan::TourGameOver{}, 0));
  }
  int late = SeatToAct();
  if (late == 0) late = 1;  // between deals seat 1 asks for the next one
  return End(GameEnd::kTimeOut, late, Notice(lan::TourTimeOut{}, late));
}

}  // namespace ostrel::server
