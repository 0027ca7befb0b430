// One game at one table, without widgets: the local table with its engine and seat drivers,
// and the end of a game in the club (the rating, the history line
// and the club file, in that order). The window and the simulator both play through a session;
// the window adds the timer, the computer players' worker and its screens, the simulator a loop.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "game/game.h"
#include "storage/club_session.h"
#include "storage/message_port.h"

namespace ostrel {

class GameSession : private FinishPort {
 public:
  // Every deal is shuffled from `random`, which the caller seeds (and may share between
  // sessions, as the simulator does over a run).
  GameSession(TablePort& port, ComputerPlayers& players, Random& random);
  GameSession(const GameSession&) = delete;
  GameSession& operator=(const GameSession&) = delete;

  Game& Table() { return game_; }
  const Game& Table() const { return game_; }
  const GameRecord& Record() const { return game_.Record(); }

  // The club the games are recorded in; its failures go to the message port. Without one the
  // games are played and recorded nowhere.
  void UseClub(ClubSession* club, MessagePort* messages);
  // The steps of a game's end that belong to the screen: the verdict after a cycle, the world
  // top ten, the way back to the menu.
  void SetScreenSteps(FinishPort* steps) { screen_ = steps; }
  // Where the club game's end left the player, once the game is over.
  const std::optional<FinishedGame>& Standing() const { return standing_; }

  // A new game for the club's logged-in player, or, without a club, for `name` with these
  // counters; the rules hold for the whole game.
  void StartGame(const RuleOptions& rules, const std::string& name = "Player",
                 std::int32_t game_number = 1, std::int32_t initial_score = 0);
  bool InGame() const { return Record().InGame; }
  // The game is left before its end: the player loses his place in the club. A failed write
  // has gone to the message port as well.
  Status LeaveEarly();
  // The player takes another name (and password) at the table and in the club.
  Status RenamePlayer(const std::string& name, const std::string& password);
  // The rating the current result would give, for the game's information window.
  std::optional<FinishedGame> PreviewStanding() const;

 private:
  // FinishPort: the club's steps here, the screen's steps passed on.
  void UpdateRating(const GameRecord& record) override;
  void WriteHistory(const GameRecord& record) override;
  void ReportStatistics(const GameRecord& record) override;
  void UpdateClubFile(const GameRecord& record) override;
  void CloseLanSockets() override;
  void ShowCycleVerdict(const GameRecord& record) override;
  void EnterWorldTopTen(const GameRecord& record) override;
  void ReportAccountCycle(const GameRecord& record) override;
  void ReturnToMenu() override;

  Game game_;
  ClubSession* club_ = nullptr;
  MessagePort* messages_ = nullptr;
  FinishPort* screen_ = nullptr;
  std::optional<FinishedGame> standing_;
};

}  // namespace ostrel
