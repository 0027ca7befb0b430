#include "ai/ai_players.h"

#include "ai/search.h"
#include "ai/trump_decision.h"
#include "game/rules.h"
#include "game/trick_play.h"

namespace ostrel {

bool AiPlayers::AcceptProposedTrump(const GameRecord& record, int seat) {
  const int position = BiddingPosition(seat, record.FirstHand);
  return ostrel::AcceptProposedTrump(record.Hand[seat], record.HandOrder[seat], record.Trump,
                                     record.Deck[kDeckSize], position);
}

int AiPlayers::NameTrumpSuit(const GameRecord& record, int seat) {
  return ostrel::NameTrumpSuit(record.Hand[seat], record.HandOrder[seat], record.Deck[kDeckSize]);
}

int AiPlayers::ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) {
  std::lock_guard lock(mutex_);
  return ostrel::ChooseCard(record, seat, options, random_, hooks_, &last_);
}

namespace {

// Cheaper first: fewer points, then the lower card.
bool Cheaper(const GameRecord& record, int seat, int a, int b) {
  const auto& points = record.HandPoints[seat];
  const auto& order = record.HandOrder[seat];
  if (points[a] != points[b]) return points[a] < points[b];
  return order[a] < order[b];
}

// Whether the card would be winning the trick once played onto the cards already there.
bool WouldWin(const GameRecord& record, int seat, int position) {
  Array1<CardCode, 4> trick = record.Trick;
  Array1<std::uint8_t, 4> order = record.TrickOrder;
  const int k = record.TrickPosition;
  for (int i = k; i <= 4; ++i) {
    trick[i] = kEmptyCard;
    order[i] = kEmptyValue;
  }
  trick[k] = record.Hand[seat][position];
  order[k] = record.HandOrder[seat][position];
  return TrickWinner(trick, order, record.Trump) == k;
}

bool PartnerWinning(const GameRecord& record, int seat) {
  const int played = record.TrickPosition - 1;
  if (played < 1) return false;
  const int w = TrickWinner(record.Trick, record.TrickOrder, record.Trump);
  return w != 0 && SeatAfter(record.TrickLeader, w - 1) == PartnerOf(seat);
}

}  // namespace

int GreedyPlay(const GameRecord& record, int seat, const RuleOptions& options) {
  const bool take = !PartnerWinning(record, seat);
  int cheapest = 0;
  int cheapest_winner = 0;
  for (int p = 1; p <= 8; ++p) {
    if (record.Hand[seat][p].IsEmpty()) continue;
    if (CanPlay(record, seat, p, options.TrumpRequired) != kAllowed) continue;
    if (cheapest == 0 || Cheaper(record, seat, p, cheapest)) cheapest = p;
    if (take && WouldWin(record, seat, p) &&
        (cheapest_winner == 0 || Cheaper(record, seat, p, cheapest_winner))) {
      cheapest_winner = p;
    }
  }
  return cheapest_winner != 0 ? cheapest_winner : cheapest;
}

}  // namespace ostrel
