// Showing the best sequences and taking them back before trick play.
#include "game/combinations.h"
#include "game/game.h"
#include "game/hand.h"

namespace ostrel {
namespace {

int CardsOf(const Combination& rec) {
  return rec.kind == CombinationKind::Ostrel ? 4 : 3;
}

}  // namespace

int Game::AddToHand(int seat, CardCode card, std::uint8_t order, std::uint8_t points) {
  const int slot = record_.CardCount[seat] + 1;
  record_.Hand[seat][slot] = card;
  record_.HandOrder[seat][slot] = order;
  record_.HandPoints[seat][slot] = points;
  SortAndCount(seat);
  int landed = 1;
  while (record_.Hand[seat][landed] != card) ++landed;
  return landed;
}

int Game::RemoveFromHand(int seat, CardCode card) {
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

void Game::ShowCombinations(bool send) {
  if (send) Send("hshowc");
  EnableButton(7, false);
  record_.ShownCards.fill(kEmptyCard);
  record_.ShownCount = 0;
  for (int s = 1; s <= kSeats; ++s) {
    record_.Combinations[s] =
        CombinationsOfHand(record_.Hand[s], record_.HandOrder[s], record_.Trump);
  }
  const int winner = CombinationWinner(record_.Combinations, record_.FirstHand);
  record_.ShownSeat = static_cast<std::uint8_t>(winner);
  if (winner == 0) {
    for (int s = 1; s <= kSeats; ++s) Label(s, {Words::NoCombinations}, LabelColour::Green);
    for (int i = 0; i < 4; ++i) Sound("WDiPass", true);
  } else {
    const auto& records = record_.Combinations[winner];
    std::vector<Words> names;
    for (int r = 1; r <= 3 && records[r].kind != CombinationKind::None; ++r) {
      if (r > 1) names.push_back(Words::Plus);
      names.push_back(records[r].kind == CombinationKind::Ostrel ? Words::Ostrel : Words::Tertz);
    }
    Label(winner, names, LabelColour::Blue);
    for (int k = 1; k < kSeats; ++k) {
      const int s = SeatAfter(winner, k);
      const bool has = record_.Combinations[s][1].kind != CombinationKind::None;
      Label(s, {has ? Words::WeakCombination : Words::NoCombinations}, LabelColour::Green);
    }
    Sound("WPlMore", true);
    int score = 0;
    for (int r = 1; r <= 3 && records[r].kind != CombinationKind::None; ++r) {
      score += records[r].kind == CombinationKind::Ostrel ? 50 : 20;
      for (int i = 0; i < CardsOf(records[r]); ++i) {
        const CardCode card = records[r].cards[i];
        const int place = ++record_.ShownCount;
        record_.ShownCards[place] = card;
        const int from = RemoveFromHand(winner, card);
        DrawHand(winner);
        Fly(card, Place{Place::Hand, winner, from}, Place{Place::Shown, winner, place}, true);
        DrawShown(place);
        CardMoveSound();
      }
    }
    record_.DealPoints[TeamOf(winner)] += score;
    DrawTeamTab(TeamOf(winner), 3, 3);
    for (int i = 1; i <= record_.ShownCount; ++i) {
      AddToCardList(record_.ShownCards[i], record_.Memory.KnownHeld[winner]);
    }
  }
  Emit(CombinationsFact{});
  record_.Phase = kPhaseCombinationsShown;
  SetButton(7, Caption::Ok, DrivesSharedSteps());
  SetButton(8, Caption::Pass, false);
  if (Networked()) Wait(2500);
}

void Game::TakeBackCombinations(bool send) {
  if (send) Send("hdownc");
  SetButton(7, Caption::Ok, false);
  SetButton(8, Caption::Pass, false);
  const int seat = record_.ShownSeat;
  if (seat != 0 && record_.ShownCount > 0) {
    for (int i = record_.ShownCount; i >= 1; --i) {
      DrawShown(i - 1);
      const CardCode card = record_.ShownCards[i];
      const Rank rank = *RankOf(card);
      const int landed = AddToHand(seat, card, NaturalOrder(rank), CardPoints(rank, false));
      Fly(card, Place{Place::Shown, seat, i}, Place{Place::Hand, seat, landed}, true);
      DrawHand(seat);
      CardMoveSound();
    }
  }
  record_.Phase = static_cast<std::uint8_t>(record_.FirstHand + 20);
  record_.TrickLeader = record_.FirstHand;
  record_.TableLeader = record_.FirstHand;
  for (int s = 1; s <= kSeats; ++s) NameLabel(s);
  for (int s = 1; s <= kSeats; ++s) {
    ReValueForPlay(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s], record_.Trump);
  }
  if (mode_.SoundOn) {
    Sound("WToMenK", true);
  } else {
    Wait(500);
  }
  for (int s = 1; s <= kSeats; ++s) DrawHand(s);
  Wait(500);
  if (options_.CardOnFreza) {
    DrawDeck(true);
    Sound("WDing_1", true);
  }
  if (Networked()) Wait(2000);
  StartMoveTimer(record_.FirstHand);
}

}  // namespace ostrel
