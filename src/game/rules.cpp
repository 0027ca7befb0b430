#include "game/rules.h"

namespace ostrel {

CanPlayResult CanPlayCard(const HandCards& hand, const HandValues& order, int position,
                          const TrickSoFar& trick, char trump, bool trump_required) {
  if (trick.count <= 0) return kAllowed;
  const CardCode card = hand[position];
  const char led = trick.led_suit;
  bool holds_led = false;
  bool holds_trump = false;
  int best_trump_in_hand = 0;
  for (int p = 1; p <= 8; ++p) {
    if (hand[p].IsEmpty()) continue;
    if (hand[p].suit == led) holds_led = true;
    if (hand[p].suit == trump) {
      holds_trump = true;
      if (order[p] > best_trump_in_hand) best_trump_in_hand = order[p];
    }
  }
  const bool is_trump = card.suit == trump;
  if (trump_required && is_trump && (led == trump || !holds_led)) {
    int best_trump_in_trick = 0;
    for (int k = 1; k <= trick.count; ++k) {
      if (trick.cards[k].suit == trump && trick.order[k] > best_trump_in_trick) {
        best_trump_in_trick = trick.order[k];
      }
    }
    if (best_trump_in_hand > best_trump_in_trick && order[position] < best_trump_in_trick) {
      return kRefusedTrump;
    }
  }
  if (card.suit == led) return kAllowed;
  if (is_trump) return holds_led ? kRefusedSuit : kAllowed;
  return (holds_led || holds_trump) ? kRefusedSuit : kAllowed;
}

CanPlayResult CanPlay(const GameRecord& record, int seat, int position, bool trump_required) {
  const TrickSoFar trick{record.Trick, record.TrickOrder, record.TrickPosition - 1, record.LedSuit};
  return CanPlayCard(record.Hand[seat], record.HandOrder[seat], position, trick, record.Trump,
                     trump_required);
}

int LowestAllowedPosition(const GameRecord& record, int seat, bool trump_required) {
  for (int p = 1; p <= 8; ++p) {
    if (record.Hand[seat][p].IsEmpty()) continue;
    if (CanPlay(record, seat, p, trump_required) == kAllowed) return p;
  }
  return 0;
}

}  // namespace ostrel
