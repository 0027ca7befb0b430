// The table engine's combinations, tricks and end of a deal.
#include "game/combinations.h"
#include "game/hand.h"
#include "game/scoring.h"
#include "game/table_engine.h"
#include "game/trick_play.h"

namespace ostrel {
namespace {

int CardsOf(const Combination& rec) {
  return rec.kind == CombinationKind::Ostrel ? 4 : 3;
}

}  // namespace

// The seat with the best sequence shows all of its sequences and its team scores them; every
// seat then knows those cards are in that hand.
void TableEngine::ShowCombinations() {
  record_.ShownCards.fill(kEmptyCard);
  record_.ShownCount = 0;
  for (int s = 1; s <= kSeats; ++s) {
    record_.Combinations[s] =
        CombinationsOfHand(record_.Hand[s], record_.HandOrder[s], record_.Trump);
  }
  const int winner = CombinationWinner(record_.Combinations, record_.FirstHand);
  record_.ShownSeat = static_cast<std::uint8_t>(winner);
  Report(CombinationsFoundFact{winner});
  if (winner != 0) {
    const auto& records = record_.Combinations[winner];
    int score = 0;
    for (int r = 1; r <= 3 && records[r].kind != CombinationKind::None; ++r) {
      score += records[r].kind == CombinationKind::Ostrel ? 50 : 20;
      for (int i = 0; i < CardsOf(records[r]); ++i) {
        const CardCode card = records[r].cards[i];
        const int place = ++record_.ShownCount;
        record_.ShownCards[place] = card;
        const int from = RemoveFromHand(winner, card);
        SortAndCount(winner);
        Report(ShownCardFact{winner, card, from, place});
      }
    }
    record_.DealPoints[TeamOf(winner)] += score;
    Report(CombinationPointsFact{TeamOf(winner)});
    for (int i = 1; i <= record_.ShownCount; ++i) {
      AddToCardList(record_.ShownCards[i], record_.Memory.KnownHeld[winner]);
    }
  }
  Report(CombinationsFact{});
  record_.Phase = kPhaseCombinationsShown;
}

void TableEngine::TakeBack() {
  const int seat = record_.ShownSeat;
  if (seat != 0 && record_.ShownCount > 0) {
    for (int i = record_.ShownCount; i >= 1; --i) {
      const CardCode card = record_.ShownCards[i];
      const Rank rank = *RankOf(card);
      const int landed = AddToHand(seat, card, NaturalOrder(rank), CardPoints(rank, false));
      Report(ReturnedCardFact{seat, card, i, landed});
    }
  }
  record_.Phase = static_cast<std::uint8_t>(record_.FirstHand + 20);
  record_.TrickLeader = record_.FirstHand;
  record_.TableLeader = record_.FirstHand;
  for (int s = 1; s <= kSeats; ++s) {
    ReValueForPlay(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s], record_.Trump);
    SortAndCount(s);
  }
  Report(PlayBeginsFact{});
}

void TableEngine::PlayCard(int seat, int position) {
  const PlayedCard played = PlayCardOn(record_, seat, position, options_);
  Report(PlayedCardFact{seat, played.card, position, played.trick_position, played.bella});
  Report(CardFact{record_.TrickNumber, seat, played.card, played.bella});
  if (record_.TrickPosition == 5) {
    const TrickResult trick = DecideTrick(record_);
    Report(TrickFact{record_.TrickNumber, trick.winner, trick.points});
    record_.Phase = kPhaseTrickComplete;
  }
}

void TableEngine::TakeTrick() {
  CollectTrick(record_);
  Report(TrickCollectedFact{});
  for (int s = 1; s <= kSeats; ++s) {
    if (record_.CardCount[s] > 0) return;
  }
  EndOfDeal();
}

void TableEngine::EndOfDeal() {
  const auto kept = ScoreDeal(record_.Declarer, record_.DealPoints[1], record_.DealPoints[2]);
  for (int team = 1; team <= 2; ++team) record_.GameScore[team] += kept.kept[team];
  Report(DealEndFact{record_.DealPoints, kept.kept});
  const bool over =
      record_.GameScore[1] >= options_.TargetScore || record_.GameScore[2] >= options_.TargetScore;
  record_.Phase = over ? kPhaseGameOver : kPhaseDealOver;
}

}  // namespace ostrel
