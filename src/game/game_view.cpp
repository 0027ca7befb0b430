// The engine's facts as seat 4's screen shows them, each at the moment it happens.
#include "game/game.h"
#include "game/scoring.h"

namespace ostrel {

template <class... F>
struct Overloaded : F... {
  using F::operator()...;
};
template <class... F>
Overloaded(F...) -> Overloaded<F...>;

void Game::Show(const Fact& fact) {
  std::visit(Overloaded{
                 [&](const DealStartFact&) { ShowDealStart(); },
                 [&](const BidFact& bid) { ShowBid(bid); },
                 [&](const ContractFact& contract) { ShowContract(contract); },
                 [&](const CombinationsFoundFact& found) { ShowCombinationsFound(found.winner); },
                 [&](const RestCardFact& c) {
                   Fly(c.card, Place{Place::Deck, 0, 0}, Place{Place::Hand, c.seat, c.landed},
                       c.seat == 4);
                   DrawDeck();
                   DrawHand(c.seat);
                   CardMoveSound();
                 },
                 [&](const ShownCardFact& c) {
                   DrawHand(c.seat);
                   Fly(c.card, Place{Place::Hand, c.seat, c.from},
                       Place{Place::Shown, c.seat, c.place}, true);
                   DrawShown(c.place);
                   CardMoveSound();
                 },
                 [&](const CombinationPointsFact& p) { DrawTeamTab(p.team, 3, 3); },
                 [&](const ReturnedCardFact& c) {
                   DrawShown(c.place - 1);
                   Fly(c.card, Place{Place::Shown, c.seat, c.place},
                       Place{Place::Hand, c.seat, c.landed}, true);
                   DrawHand(c.seat);
                   CardMoveSound();
                 },
                 [&](const PlayBeginsFact&) { ShowPlayBegins(); },
                 [&](const PlayedCardFact& c) { ShowPlayedCard(c); },
                 [&](const TrickFact& t) {
                   for (int team = 1; team <= 2; ++team) {
                     DrawTeamTab(team, team == TeamOf(t.winner) ? 1 : 2, 3);
                   }
                   Emit(t);
                 },
                 [&](const TrickCollectedFact&) {
                   for (int s = 1; s <= kSeats; ++s) NameLabel(s);
                   DrawTrick(0);
                   EnableButton(7, false);
                 },
                 [&](const DealEndFact& end) { ShowDealEnd(end); },
                 [&](const auto& plain) { Emit(plain); },
             },
             fact);
}

void Game::ShowDealStart() {
  const GameRecord& r = Record();
  SetButton(7, Caption::ToBegin, DrivesSharedSteps());
  SetButton(8, Caption::ExitToMenu, false);
  DrawScorePanel();
  Emit(DealStartFact{});
  const int first_team = TeamOf(r.FirstHand);
  for (int team = 1; team <= 2; ++team) {
    DrawScoreTab(team, team == first_team ? 1 : 2, true, 0, r.GameScore[team], 2);
  }
  for (int s = 1; s <= kSeats; ++s) DrawHand(s);
  DrawDeck();
  for (int s = 1; s <= kSeats; ++s) NameLabel(s);
  DrawScorePanel();
  Sound("WTasoKo", false);
}

void Game::ShowBid(const BidFact& bid) {
  Emit(bid);
  if (bid.play) return;
  Label(bid.seat, {Words::Pass}, bid.round == 1 ? LabelColour::Green : LabelColour::Violet);
  Sound("WDiPass", true);
}

void Game::ShowContract(const ContractFact& contract) {
  Emit(contract);
  DrawTeamTab(TeamOf(contract.declarer), 3, 1);
  DrawScorePanel();
  Label(contract.declarer, {Words::ToPlay}, LabelColour::Blue);
  Sound("WDing_1", true);
}

void Game::ShowCombinationsFound(int winner) {
  const GameRecord& r = Record();
  if (winner == 0) {
    for (int s = 1; s <= kSeats; ++s) Label(s, {Words::NoCombinations}, LabelColour::Green);
    for (int i = 0; i < 4; ++i) Sound("WDiPass", true);
    return;
  }
  const auto& records = r.Combinations[winner];
  std::vector<Words> names;
  for (int k = 1; k <= 3 && records[k].kind != CombinationKind::None; ++k) {
    if (k > 1) names.push_back(Words::Plus);
    names.push_back(records[k].kind == CombinationKind::Ostrel ? Words::Ostrel : Words::Tertz);
  }
  Label(winner, names, LabelColour::Blue);
  for (int k = 1; k < kSeats; ++k) {
    const int s = SeatAfter(winner, k);
    const bool has = r.Combinations[s][1].kind != CombinationKind::None;
    Label(s, {has ? Words::WeakCombination : Words::NoCombinations}, LabelColour::Green);
  }
  Sound("WPlMore", true);
}

void Game::ShowPlayBegins() {
  for (int s = 1; s <= kSeats; ++s) NameLabel(s);
  if (mode_.SoundOn) {
    Sound("WToMenK", true);
  } else {
    Wait(500);
  }
  for (int s = 1; s <= kSeats; ++s) DrawHand(s);
  Wait(500);
  if (Options().CardOnFreza) {
    DrawDeck(true);
    Sound("WDing_1", true);
  }
  if (Networked()) Wait(2000);
}

void Game::ShowPlayedCard(const PlayedCardFact& c) {
  NameLabel(c.seat);
  DrawHand(c.seat);
  Fly(c.card, Place{Place::Hand, c.seat, c.position}, Place{Place::Trick, c.seat, c.trick_position},
      true);
  DrawTrick(c.trick_position);  // the card lies in the trick once it has landed
  if (c.bella) {
    Label(c.seat, {Words::Bella}, LabelColour::Blue);
    DrawTeamTab(TeamOf(c.seat), 3, 3);
    Sound("WPlMore", true);
  } else {
    Sound("WHodsDo", true);
  }
}

void Game::ShowDealEnd(const DealEndFact& end) {
  for (int team = 1; team <= 2; ++team) DrawTeamTab(team, 2, 3);
  Emit(end);
  const KeptPoints kept{end.kept};
  const double verdict = DealVerdict(kept, end.deal_points[1], end.deal_points[2]);
  Sound(verdict >= 0 ? "WKoGutX" : "WKoBadX", true);
}

}  // namespace ostrel
