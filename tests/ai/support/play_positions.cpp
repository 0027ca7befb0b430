#include "support/play_positions.h"

#include "ai/search.h"
#include "game/deck.h"
#include "game/hand.h"
#include "game/memory.h"
#include "game/rules.h"
#include "game/trick_play.h"

namespace ostrel::testing {
void PlayOne(GameRecord& record, const RuleOptions& options, int position) {
  PlayCardOn(record, record.Phase - 20, position, options);
  if (record.TrickPosition == 5) {
    DecideTrick(record);
    CollectTrick(record);
  }
}

PlayPosition MakePlayPosition(std::uint64_t seed, int cards_played, const RuleOptions& options) {
  Random random(seed);
  PlayPosition out;
  out.options = options;
  GameRecord& r = out.record;
  ShuffleDeck(r, random);
  r.Declarer = static_cast<std::uint8_t>(random.Uniform(1, 4));
  // The turned-up card proposes the trump; half the contracts name another suit.
  const int proposed = SuitNumber(r.Deck[32].suit);
  const int trump = random.Uniform(0, 1) == 0 ? proposed : random.Uniform(1, 4);
  r.Trump = kSuitBytes[trump];
  for (int s = 1; s <= 4; ++s)
    r.Role[s] = s == r.Declarer ? 1 : (TeamOf(s) == TeamOf(r.Declarer) ? 3 : 2);
  // Deck block b goes to the b-th seat from the declarer, so the turned-up card (the last of
  // block 4) lands with the seat before the declarer, as the rest of the deal hands it out.
  for (int b = 1; b <= 4; ++b) {
    const int seat = SeatAfter(r.Declarer, b - 1);
    ClearHand(r.Hand[seat], r.HandOrder[seat], r.HandPoints[seat]);
    for (int i = 1; i <= 8; ++i) {
      r.Hand[seat][i] = r.Deck[(b - 1) * 8 + i];
      r.HandOrder[seat][i] = r.DeckOrder[(b - 1) * 8 + i];
      r.HandPoints[seat][i] = r.DeckPoints[(b - 1) * 8 + i];
    }
    ReValueForPlay(r.Hand[seat], r.HandOrder[seat], r.HandPoints[seat], r.Trump);
    SortHand(r.Hand[seat], r.HandOrder[seat], r.HandPoints[seat], r.Trump);
    r.CardCount[seat] = 8;
  }
  RememberTurnedUpCard(r.Memory, r.Deck[32], r.Declarer);
  // Now and then a seat has shown cards (a sequence) that everyone then knows.
  if (random.Uniform(0, 2) == 0) {
    const int seat = random.Uniform(1, 4);
    const int from = random.Uniform(1, 6);
    for (int i = from; i < from + 3; ++i) AddToCardList(r.Hand[seat][i], r.Memory.KnownHeld[seat]);
    r.DealPoints[TeamOf(seat)] += random.Uniform(0, 1) == 0 ? 20 : 50;
  }
  r.FirstHand = static_cast<std::uint8_t>(random.Uniform(1, 4));
  r.TrickLeader = r.FirstHand;
  r.TableLeader = r.FirstHand;
  r.TrickPosition = 1;
  r.TrickNumber = 1;
  r.LedSuit = kNoSuit;
  r.Phase = static_cast<std::uint8_t>(r.FirstHand + 20);
  r.InGame = true;
  for (int c = 0; c < cards_played; ++c) {
    const int seat = r.Phase - 20;
    int allowed[9];
    int n = 0;
    for (int p = 1; p <= 8; ++p) {
      if (!r.Hand[seat][p].IsEmpty() && CanPlay(r, seat, p, options.TrumpRequired) == kAllowed) {
        allowed[n++] = p;
      }
    }
    PlayOne(r, options, allowed[random.Uniform(0, n - 1)]);
  }
  out.seat = r.Phase - 20;
  return out;
}

std::vector<PlayPosition> MakeCorpus(std::uint64_t seed, int count) {
  std::vector<PlayPosition> corpus;
  Random random(seed);
  for (int i = 0; i < count; ++i) {
    RuleOptions options;
    options.TrumpRequired = (i / 32) % 2 == 0;
    options.BellaFirstHandOnly = (i / 64) % 2 == 0;
    corpus.push_back(MakePlayPosition(random.Next(), i % 32, options));
  }
  return corpus;
}

}  // namespace ostrel::testing
