// The table engine: the rules of one game at one table, for seats 1 to 4 as seats only. It
// takes actions as values with the seat that acts, accepts or refuses each with a reason, says
// who is to act, and reports what happened as facts. It holds no captions, pictures, sounds or
// times and never asks who drives a seat: the window, the computer players, a LAN host and the
// tournament server all put their moves through Apply.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "game/game_record.h"
#include "game/random.h"
#include "game/table_actions.h"
#include "game/table_facts.h"

namespace ostrel {

// How a table numbers its seats against the table that deals. Every copy of a networked game
// counts the seats from its own place (place 1 deals and drives the table-wide steps), so the
// first hand and the packets of the deal turn with the place. A game against the computer
// counts the first hand from the player's game number as well.
struct TableFrame {
  int place = 1;
  bool first_hand_from_game_number = true;
  // The tournament deals its first 24 cards in blocks of six to tournament seats 4, 3, 2 and
  // 1 (place 1's seats 3, 1, 2, 4); the LAN host to place 1's seats 4, 2, 1, 3.
  bool tournament_blocks = false;
};

struct Outcome {
  bool accepted = false;
  std::string reason;  // why it was refused
  std::vector<Fact> facts;
};

class TableEngine {
 public:
  explicit TableEngine(Random& random);

  const GameRecord& Record() const { return record_; }
  // For tests and tools that set up a position by hand.
  GameRecord& RecordForSetup() { return record_; }
  RuleOptions& Options() { return options_; }
  const RuleOptions& Options() const { return options_; }
  TableFrame& Frame() { return frame_; }
  const TableFrame& Frame() const { return frame_; }

  // Each fact is handed to the observer the moment it happens, while the record shows that
  // moment; Apply's outcome lists them again.
  void SetObserver(std::function<void(const Fact&)> observer) { observer_ = std::move(observer); }

  // The next deal uses this deck instead of a shuffle (a received deal, a replayed report).
  void SetNextDeck(const CardList32& deck);
  // A new game's first deal, with the player's counters.
  Outcome StartGame(std::int32_t game_number, std::int32_t initial_score);
  // Accepts the action for the seat and carries it out, or refuses it and changes nothing.
  Outcome Apply(const Action& action, int seat);
  // Why the action would be refused; nothing when it would be accepted.
  std::optional<std::string> Refusal(const Action& action, int seat) const;
  Turn ToAct() const;
  // The seat of place 1, which drives the table-wide steps.
  int DrivingSeat() const;

  // The computer players' memory learns the turned-up card once trick play has begun (the
  // first computer move of a deal asks for it).
  void NoteTurnedUpCard();
  // The game's result from the point of view of seat 4's team: the difference of the scores
  // and the new score. Marks the game over.
  void SettleGame();
  // The game ends at once (a seat ran out of time, or a networked game's last deal).
  void MarkGameOver() { record_.GameOver = true; }
  void SetSeatName(int seat, std::string name) { record_.SeatName[seat] = std::move(name); }
  void LeaveTable() { record_.InGame = false; }

 private:
  void Report(Fact fact);
  void StartDeal();
  void DealFirstCards();
  void BidRoundOne(int seat, bool play);
  void BidRoundTwo(int seat, int suit);
  void TakeContract(int seat, bool second_round);
  void DealRest();
  void ShowCombinations();
  void TakeBack();
  void PlayCard(int seat, int position);
  void TakeTrick();
  void EndOfDeal();
  int SortAndCount(int seat);
  int AddToHand(int seat, CardCode card, std::uint8_t order, std::uint8_t points);
  int RemoveFromHand(int seat, CardCode card);
  std::optional<std::string> PhaseRefusal(const Action& action, int seat) const;

  GameRecord record_;
  RuleOptions options_;
  TableFrame frame_;
  Random& random_;
  std::function<void(const Fact&)> observer_;
  std::vector<Fact>* collecting_ = nullptr;
  bool has_next_deck_ = false;
  CardList32 next_deck_;
};

// The seat that a seat of place 1's numbering has at the table of `place`.
int SeatAtPlace(int place_one_seat, int place);

}  // namespace ostrel
