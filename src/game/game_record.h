// The one record of the running game, with the rule options and the mode of play.
#pragma once

#include <cstdint>
#include <string>

#include "game/cards.h"

namespace ostrel {

// A hand keeps its cards in positions 1 to 8; the sort looks at 1 to 10 and the sequence
// finder at 1 to 9, so those stay empty.
inline constexpr int kHandSlots = 10;

using HandCards = Array1<CardCode, kHandSlots>;
using HandValues = Array1<std::uint8_t, kHandSlots>;
using CardList32 = Array1<CardCode, kDeckSize>;

enum class CombinationKind : std::uint8_t { None = 0, Ostrel = 1, Tertz = 2 };

struct Combination {
  CombinationKind kind = CombinationKind::None;
  std::uint8_t strength = 0;
  // From the lowest to the highest position; the fourth is empty for a "Tertz".
  std::array<CardCode, 4> cards = {kEmptyCard, kEmptyCard, kEmptyCard, kEmptyCard};
};

// What the computer players remember of each seat.
struct SeatMemory {
  Array1<CardList32, kSeats> NotHeld;
  Array1<CardList32, kSeats> KnownHeld;
  CardList32 SearchList;  // handed to the card-play routine
};

enum Phase : std::uint8_t {
  kPhaseNone = 0,
  kPhaseContract = 15,
  kPhaseAllDealt = 17,
  kPhaseCombinationsShown = 18,
  kPhaseTrickComplete = 25,
  kPhaseDealOver = 30,
  kPhaseGameOver = 31,
};
inline bool IsRoundOnePhase(int phase) {
  return phase >= 1 && phase <= 4;
}
inline bool IsRoundTwoPhase(int phase) {
  return phase >= 11 && phase <= 14;
}
inline bool IsPlayPhase(int phase) {
  return phase >= 21 && phase <= 24;
}

struct GameRecord {
  CardList32 Deck;
  Array1<std::uint8_t, kDeckSize> DeckOrder{};
  Array1<std::uint8_t, kDeckSize> DeckPoints{};
  std::uint8_t DealPointer = 0;
  char Trump = kNoSuit;
  Array1<std::uint8_t, kSeats> CardCount{};
  std::uint8_t Phase = kPhaseNone;

  Array1<HandCards, kSeats> Hand;
  Array1<HandValues, kSeats> HandOrder{};
  Array1<HandValues, kSeats> HandPoints{};

  Array1<CardCode, 4> Trick;
  Array1<std::uint8_t, 4> TrickOrder{};
  Array1<std::uint8_t, 4> TrickPoints{};
  char LedSuit = kNoSuit;
  std::uint8_t TrickLeader = 0;
  std::uint8_t TableLeader = 0;
  std::uint8_t TrickPosition = 1;
  std::uint8_t TrickNumber = 1;

  std::uint8_t FirstHand = 0;
  std::uint8_t Declarer = 0;
  Array1<std::uint8_t, kSeats> Role{};  // 1 declarer, 2 opponent, 3 declarer's partner
  bool SecondRoundContract = false;

  Array1<Array1<Combination, 3>, kSeats> Combinations;
  Array1<CardCode, 9> ShownCards;
  std::uint8_t ShownCount = 0;
  std::uint8_t ShownSeat = 0;

  Array1<std::int32_t, 2> DealPoints{};
  Array1<std::int32_t, 2> GameScore{};
  std::uint8_t DealNumber = 0;
  std::int32_t GameNumber = 0;
  std::int32_t InitialScore = 0;
  std::int32_t ScoreDifference = 0;
  std::int32_t NewScore = 0;

  Array1<std::string, kSeats> SeatName;
  bool InGame = false;
  bool GameOver = false;
  std::uint8_t BeginWait = 0;

  SeatMemory Memory;
  // Set by every new deal; the first computer move enters the turned-up card into memory.
  bool MemoryPending = false;
};

struct RuleOptions {
  int TargetScore = 501;
  bool BellaFirstHandOnly = false;
  bool TrumpRequired = true;
  bool CardOnFreza = false;
  bool ChangeTrumpSeven = false;  // stored only: the turned-up card is never exchanged
  bool MoveOnQueue = false;       // stored only
};

// How the game is being played; the LAN and tournament code set it.
struct PlayMode {
  bool NetworkMode = false;
  int NetworkSeat = 1;
  int LastConnection = 0;  // on a LAN host: connected clients minus one
  bool TournamentMode = false;
  int TournamentSeat = 1;
  bool AccountGame = false;
  bool SoundOn = true;
  bool CardAnimation = true;
};

}  // namespace ostrel
