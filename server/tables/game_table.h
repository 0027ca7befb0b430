// One tournament table's game, without sockets: the server's own table engine numbered as
// place 1 with the tournament's blocks of six (TableFrame{1, false, true}), the deals from
// libsodium's generator, and the rules of what is relayed. Tournament seat s plays the
// engine's seat at its table position seen from seat 1 (lan::TablePosition(1, s)); every game
// message runs through TableEngine::Apply for the seat of the connection it came from, and only
// accepted ones are relayed. The move clock is kept here against the time the caller passes in.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/random.h"
#include "game/table_engine.h"
#include "lan/tournament_record.h"

namespace ostrel::server {

inline constexpr int kTableSeats = 4;
// Refused records a connection may send in one game before it is closed as leaving.
inline constexpr int kMaxRefused = 8;
// A seat's chat records are relayed at most one in this time; faster ones are refused.
inline constexpr std::int64_t kChatIntervalMs = 1000;

struct TableSend {
  int seat = 0;  // tournament seat 1-4
  std::string bytes;
};

enum class GameEnd { kNone, kFinished, kLeft, kTimeOut };

struct GameSummary {
  GameEnd end = GameEnd::kNone;
  int culprit = 0;  // the seat that left or ran out of time
  int margin = 0;   // seats 1 and 2's team score minus the other team's (the engine's)
  int deals = 0;
  bool seat1_agreed = false;  // seat 1's "o" record named the same margin
};

// The engine's seat of a tournament seat.
int EngineSeat(int tour_seat);
int TourSeat(int engine_seat);

class GameTable {
 public:
  // move_ms: the time a player has for each action, allowance included.
  explicit GameTable(std::int64_t move_ms);

  // The four players are there: the first deal to all of them.
  std::vector<TableSend> Start(std::int64_t now_ms);
  // One framed record from a seat. `refused` tells the caller to log it; `close` that the
  // sender keeps sending refused records and is to be dropped (then call Leave).
  struct Received {
    std::vector<TableSend> sends;
    bool refused = false;
    bool close = false;
    std::string reason;
  };
  Received Receive(int seat, const lan::TourRecord& record, std::int64_t now_ms);
  // A player's connection closed (or was closed): "abort" to the others when the game runs.
  std::vector<TableSend> Leave(int seat);
  // The move clock: "TOut" for the seat due to act when its time is up.
  std::vector<TableSend> Tick(std::int64_t now_ms);

  bool Running() const { return started_ && summary_.end == GameEnd::kNone; }
  bool Over() const { return summary_.end != GameEnd::kNone; }
  const GameSummary& Summary() const { return summary_; }
  std::int64_t Deadline() const { return deadline_ms_; }
  const TableEngine& Engine() const { return engine_; }
  // Every fact of the engine as it happens (the game log).
  void SetObserver(std::function<void(const Fact&)> observer) {
    engine_.SetObserver(std::move(observer));
  }
  // The tournament seat due to act (0 when nobody).
  int SeatToAct() const;

 private:
  std::vector<TableSend> Deal(std::int64_t now_ms);
  std::vector<TableSend> ToAll(const lan::TourRecord& record, int except = 0);
  std::vector<TableSend> End(GameEnd end, int culprit, const lan::TourRecord& notice);
  Received Refuse(int seat, std::string reason);

  std::int64_t move_ms_;
  Random random_{0};  // never draws: every deck is set from libsodium before a deal
  TableEngine engine_{random_};
  bool started_ = false;
  std::int64_t deadline_ms_ = 0;
  int refused_[kTableSeats + 1] = {};
  // When each seat's last chat was relayed; long ago at the start.
  std::int64_t last_chat_ms_[kTableSeats + 1] = {
      -kChatIntervalMs, -kChatIntervalMs, -kChatIntervalMs, -kChatIntervalMs, -kChatIntervalMs};
  GameSummary summary_;
};

// A deck of the 32 cards shuffled with libsodium's randombytes_uniform (call sodium_init
// first).
CardList32 ShuffledDeck();

}  // namespace ostrel::server
