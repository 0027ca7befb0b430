#include "game/memory.h"

namespace ostrel {
namespace {

void AddSuit(CardList32& list, int suit_number) {
  for (int r = 0; r < kRankCount; ++r)
    AddToCardList(MakeCard(static_cast<Rank>(r), suit_number), list);
}

}  // namespace

void RememberPlayedCard(SeatMemory& memory, int k, const Array1<CardCode, 4>& trick,
                        const Array1<std::uint8_t, 4>& trick_order, bool trump_required, char trump,
                        int trick_leader) {
  const CardCode card = trick[k];
  const int seat = SeatAfter(trick_leader, k - 1);
  for (int s = 1; s <= kSeats; ++s) AddToCardList(card, memory.NotHeld[s]);
  if (k == 1) return;
  const char led = trick[1].suit;
  const int trump_suit = SuitNumber(trump);
  if (card.suit != led) {
    AddSuit(memory.NotHeld[seat], SuitNumber(led));
    if (trump_suit != 0 && led != trump && card.suit != trump) {
      AddSuit(memory.NotHeld[seat], trump_suit);
    }
  }
  if (!trump_required || card.suit != trump) return;
  int highest = 0;
  for (int i = 1; i < k; ++i) {
    if (trick[i].suit == trump && trick_order[i] > highest) highest = trick_order[i];
  }
  if (trick_order[k] >= highest) return;
  for (int r = 0; r < kRankCount; ++r) {
    const auto rank = static_cast<Rank>(r);
    if (PlayOrder(rank, true) > highest) {
      AddToCardList(MakeCard(rank, trump_suit), memory.NotHeld[seat]);
    }
  }
}

void ForgetKnownCard(SeatMemory& memory, int seat, CardCode card) {
  for (int i = 1; i <= 8; ++i) {
    if (memory.KnownHeld[seat][i] == card) memory.KnownHeld[seat][i] = kEmptyCard;
  }
}

void RememberTurnedUpCard(SeatMemory& memory, CardCode turned_up, int declarer) {
  const int receiver = PreviousSeat(declarer);
  for (int s = 1; s <= kSeats; ++s) {
    if (s == receiver) {
      AddToCardList(turned_up, memory.KnownHeld[s]);
    } else {
      AddToCardList(turned_up, memory.NotHeld[s]);
    }
  }
}

}  // namespace ostrel
