#include "game/trick_play.h"

#include "game/hand.h"
#include "game/memory.h"

namespace ostrel {

int TrickWinner(const Array1<CardCode, 4>& trick, const Array1<std::uint8_t, 4>& order,
                char trump) {
  const char led = trick[1].suit;
  int best_trump = 0;
  int best_led = 0;
  for (int k = 1; k <= 4; ++k) {
    if (trick[k].IsEmpty()) continue;
    if (trick[k].suit == trump) {
      if (best_trump == 0 || order[k] > order[best_trump]) best_trump = k;
    } else if (trick[k].suit == led) {
      if (best_led == 0 || order[k] > order[best_led]) best_led = k;
    }
  }
  return best_trump != 0 ? best_trump : best_led;
}

bool BellaDue(const GameRecord& record, int seat, CardCode card, bool bella_first_hand_only) {
  if (card.suit != record.Trump) return false;
  const auto rank = RankOf(card);
  if (rank != Rank::King && rank != Rank::Queen) return false;
  const CardCode other =
      MakeCard(rank == Rank::King ? Rank::Queen : Rank::King, SuitNumber(record.Trump));
  if (!ListHasCard(8, record.Hand[seat], other)) return false;
  return record.TrickPosition == 1 || !bella_first_hand_only;
}

PlayedCard PlayCardOn(GameRecord& record, int seat, int position, const RuleOptions& options) {
  PlayedCard played;
  played.card = record.Hand[seat][position];
  const int k = record.TrickPosition;
  played.trick_position = k;
  record.Trick[k] = played.card;
  record.TrickOrder[k] = record.HandOrder[seat][position];
  record.TrickPoints[k] = record.HandPoints[seat][position];
  if (k == 1) record.LedSuit = played.card.suit;
  record.Hand[seat][position] = kEmptyCard;
  record.HandOrder[seat][position] = kEmptyValue;
  record.HandPoints[seat][position] = kEmptyValue;
  record.CardCount[seat] = static_cast<std::uint8_t>(
      SortHand(record.Hand[seat], record.HandOrder[seat], record.HandPoints[seat], record.Trump));
  played.bella = BellaDue(record, seat, played.card, options.BellaFirstHandOnly);
  if (played.bella) record.DealPoints[TeamOf(seat)] += 20;
  RememberPlayedCard(record.Memory, k, record.Trick, record.TrickOrder, options.TrumpRequired,
                     record.Trump, record.TrickLeader);
  ForgetKnownCard(record.Memory, seat, played.card);
  record.TrickPosition = static_cast<std::uint8_t>(k + 1);
  record.Phase = static_cast<std::uint8_t>(NextSeat(seat) + 20);
  return played;
}

TrickResult DecideTrick(GameRecord& record) {
  TrickResult result;
  const int best = TrickWinner(record.Trick, record.TrickOrder, record.Trump);
  result.winner = SeatAfter(record.TrickLeader, best - 1);
  for (int k = 1; k <= 4; ++k) result.points += record.TrickPoints[k];
  if (record.TrickNumber == 8) result.points += 10;
  record.TrickLeader = static_cast<std::uint8_t>(result.winner);
  record.DealPoints[TeamOf(result.winner)] += result.points;
  return result;
}

void CollectTrick(GameRecord& record) {
  record.TableLeader = record.TrickLeader;
  record.TrickPosition = 1;
  record.Phase = static_cast<std::uint8_t>(record.TrickLeader + 20);
  record.Trick.fill(kEmptyCard);
  record.TrickOrder.fill(kEmptyValue);
  record.TrickPoints.fill(kEmptyValue);
  record.LedSuit = kNoSuit;
  ++record.TrickNumber;
}

}  // namespace ostrel
