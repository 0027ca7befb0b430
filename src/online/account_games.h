// The rules of account games: the provisional record that counts a started game as lost by
// 500 until it is finished, the rating rule, the record after the game's end with the cycle
// of 25 it continues or closes, and the account's line in the champions table. The program
// and ostrel-server both use these, so that the figures one sends the other accepts.
#pragma once

#include <optional>
#include <string>

#include "online/records.h"

namespace ostrel::online {

inline constexpr int kAccountCycleGames = 25;
// The score difference a started account game is charged with until its end is saved.
inline constexpr int kAbandonPenalty = 500;

// With K rated games whose score differences add up to S the rating is S / K + K / 25.
// The rating after one more game lost by kAbandonPenalty, from K games at rating R.
double ProvisionalRating(int games, double rating);
// The rating of K games (K >= 1, the started game counted) once the started game's charge is
// replaced by its real score difference.
double FinalRating(int games, double provisional_rating, int difference);

// What the start of an account game saves: one more game at the provisional rating, the cycle
// at 0; the other fields as read.
TTarvoGame ProvisionalRecord(const TTarvoGame& read);

// The values a new account game is set up with.
struct AccountGameSetup {
  int game_number = 1;    // Kon + 1
  int initial_score = 0;  // the cycle's score so far
  double rating_before = 0;
  int cycle_game = 1;  // the game's number within its cycle, KonL + 1
};
AccountGameSetup SetupOf(const TTarvoGame& read);

// The record to save at the end of an account game.
struct FinishedAccountGame {
  TTarvoGame record;
  bool cycle_closed = false;  // this game was the 25th of its cycle
};
// From the record read back at the end, the game's score difference, the cycle score
// including this game, the cycle's games before it (KonL of the record the game started
// from) and the game count the start saved. nullopt when the record read back does not hold
// that started game: with no games at all (Kon < 1) the rule would divide by zero, and with
// another count a later start (another copy of the program) owns the open game.
std::optional<FinishedAccountGame> FinishRecord(const TTarvoGame& read, int difference,
                                                int cycle_score, int cycle_games_before,
                                                int started_kon);

// The account's line in the champions table: view 1 the nick (20), the cycle's games and
// score; view 2 the nick (20), the rated games and the rating rounded to a whole number.
// The nick is UTF-8 and padded by characters, not bytes.
std::string AccountLine(const TTarvoGame& record, const std::string& nick, int club_view);

}  // namespace ostrel::online
