// The table engine's deal: shuffling, the first cards, both bidding rounds and the rest.
#include "game/deck.h"
#include "game/hand.h"
#include "game/memory.h"
#include "game/table_engine.h"

namespace ostrel {

void TableEngine::StartDeal() {
  ++record_.DealNumber;
  if (has_next_deck_) {
    SetDeck(record_, next_deck_);
    has_next_deck_ = false;
  } else {
    ShuffleDeck(record_, random_);
  }
  for (int s = 1; s <= kSeats; ++s) {
    ClearHand(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s]);
    record_.CardCount[s] = 0;
    record_.Combinations[s] = {};
  }
  record_.Memory = SeatMemory{};
  record_.DealPointer = 25;
  record_.Trump = record_.Deck[kDeckSize].suit;
  record_.Trick.fill(kEmptyCard);
  record_.TrickOrder.fill(kEmptyValue);
  record_.TrickPoints.fill(kEmptyValue);
  record_.ShownCards.fill(kEmptyCard);
  record_.ShownCount = 0;
  record_.ShownSeat = 0;
  record_.LedSuit = kNoSuit;
  record_.Declarer = 0;
  record_.SecondRoundContract = false;
  record_.TrickNumber = 1;
  record_.DealPoints = {};
  record_.Role = {};
  record_.TrickPosition = 1;
  record_.BeginWait = 1;
  record_.MemoryPending = true;
  const int first = frame_.first_hand_from_game_number
                        ? (record_.GameNumber + record_.DealNumber) % 4 + 1
                        : SeatAtPlace(record_.DealNumber % 4 + 1, frame_.place);
  record_.FirstHand = static_cast<std::uint8_t>(first);
  record_.Phase = record_.FirstHand;
  record_.TrickLeader = record_.FirstHand;
  record_.TableLeader = record_.FirstHand;
  record_.InGame = true;
  DealFirstCards();
  Report(DealStartFact{});
}

// Six cards to every seat in four packets of the deck; the packets go to place 1's seats 4, 2,
// 1 and 3 (at a tournament table 3, 1, 2 and 4).
void TableEngine::DealFirstCards() {
  static constexpr int kPacketSeat[4] = {4, 2, 1, 3};
  static constexpr int kTournamentPacketSeat[4] = {3, 1, 2, 4};
  const int* packet_seat = frame_.tournament_blocks ? kTournamentPacketSeat : kPacketSeat;
  for (int packet = 0; packet < 4; ++packet) {
    const int seat = SeatAtPlace(packet_seat[packet], frame_.place);
    for (int i = 1; i <= 6; ++i) {
      const int d = packet * 6 + i;
      record_.Hand[seat][i] = record_.Deck[d];
      record_.HandOrder[seat][i] = record_.DeckOrder[d];
      record_.HandPoints[seat][i] = record_.DeckPoints[d];
    }
  }
  for (int s = 1; s <= kSeats; ++s) SortAndCount(s);
}

void TableEngine::TakeContract(int seat, bool second_round) {
  Report(BidFact{second_round ? 2 : 1, seat, true, second_round ? record_.Trump : kNoSuit});
  record_.Declarer = static_cast<std::uint8_t>(seat);
  for (int s = 1; s <= kSeats; ++s) {
    record_.Role[s] = s == seat ? 1 : (s == PartnerOf(seat) ? 3 : 2);
  }
  record_.SecondRoundContract = second_round;
  Report(ContractFact{seat, record_.Trump, second_round});
  record_.Phase = kPhaseContract;
}

void TableEngine::BidRoundOne(int seat, bool play) {
  if (play) {
    TakeContract(seat, false);
    return;
  }
  Report(BidFact{1, seat, false, kNoSuit});
  record_.Phase = static_cast<std::uint8_t>(
      seat == PreviousSeat(record_.FirstHand) ? 10 + record_.FirstHand : NextSeat(seat));
}

void TableEngine::BidRoundTwo(int seat, int suit) {
  if (suit != 0) {
    record_.Trump = kSuitBytes[suit];
    TakeContract(seat, true);
    return;
  }
  Report(BidFact{2, seat, false, kNoSuit});
  if (seat == PreviousSeat(record_.FirstHand)) {
    // Nobody played: the deal is thrown in and the next one is dealt without any score.
    record_.Phase = kPhaseDealOver;
    Report(ThrownInFact{});
    return;
  }
  record_.Phase = static_cast<std::uint8_t>(10 + NextSeat(seat));
}

// Two more cards to every seat, from the declarer on in turn.
void TableEngine::DealRest() {
  for (int j = 0; j < 4; ++j) {
    const int seat = SeatAfter(record_.Declarer, j);
    for (int k = 0; k < 2; ++k) {
      const int d = 25 + 2 * j + k;
      ++record_.DealPointer;
      const int landed =
          AddToHand(seat, record_.Deck[d], record_.DeckOrder[d], record_.DeckPoints[d]);
      Report(RestCardFact{seat, record_.Deck[d], landed});
    }
  }
  Report(HandsDealtFact{});
  record_.Phase = kPhaseAllDealt;
}

int TableEngine::SortAndCount(int seat) {
  const int n = SortHand(record_.Hand[seat], record_.HandOrder[seat], record_.HandPoints[seat],
                         record_.Trump);
  record_.CardCount[seat] = static_cast<std::uint8_t>(n);
  return n;
}

int TableEngine::AddToHand(int seat, CardCode card, std::uint8_t order, std::uint8_t points) {
  const int slot = record_.CardCount[seat] + 1;
  record_.Hand[seat][slot] = card;
  record_.HandOrder[seat][slot] = order;
  record_.HandPoints[seat][slot] = points;
  SortAndCount(seat);
  int landed = 1;
  while (record_.Hand[seat][landed] != card) ++landed;
  return landed;
}

int TableEngine::RemoveFromHand(int seat, CardCode card) {
  for (int p = 1; p <= kHandSlots; ++p) {
    if (record_.Hand[seat][p] != card) continue;
    record_.Hand[seat][p] = kEmptyCard;
    record_.HandOrder[seat][p] = kEmptyValue;
    record_.HandPoints[seat][p] = kEmptyValue;
    --record_.CardCount[seat];
    return p;
  }
  return 0;
}

void TableEngine::NoteTurnedUpCard() {
  if (!record_.MemoryPending || record_.Phase < 21 || record_.Phase > 23) return;
  record_.MemoryPending = false;
  RememberTurnedUpCard(record_.Memory, record_.Deck[kDeckSize], record_.Declarer);
}

}  // namespace ostrel
