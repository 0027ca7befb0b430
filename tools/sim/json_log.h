// The simulator's JSON-lines log: one event a line, UTF-8.
#pragma once

#include <ostream>
#include <string>

#include "game/game.h"

namespace ostrel::sim {

// Writes the log events of the facts a game shows; everything else is ignored.
class JsonLogPort : public TablePort {
 public:
  JsonLogPort(std::ostream* out, const Game* game) : out_(out), game_(game) {}
  // For a table engine without a Game (the tournament server): the record it plays on.
  JsonLogPort(std::ostream* out, const GameRecord& record) : out_(out), record_(&record) {}
  void SetGame(const Game* game) { game_ = game; }
  void Show(const Effect& effect) override;

  void GameStarted(int game_number, const RuleOptions& options);
  void DealStarted();
  // One event written as given (a complete JSON object).
  void Raw(const std::string& json) { Line(json); }

 private:
  void Line(const std::string& json);
  const GameRecord& Record() const { return game_ ? game_->Record() : *record_; }
  std::ostream* out_;
  const Game* game_ = nullptr;
  const GameRecord* record_ = nullptr;
};

std::string JsonString(const std::string& utf8);
std::string CardJson(CardCode card);

}  // namespace ostrel::sim
