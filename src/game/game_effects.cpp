// The small helpers through which the local table shows, sounds, waits and sends.
#include "game/game.h"

namespace ostrel {

Game::Game(TablePort& port, ComputerPlayers& players, Random& random)
    : engine_(random), port_(port), computer_(players) {
  engine_.SetObserver([this](const Fact& fact) { Show(fact); });
}

void Game::SetButton(int button, Caption caption, bool enabled, bool visible) {
  ButtonEffect& b = button == 7 ? button7_ : button8_;
  b = ButtonEffect{button, caption, enabled, visible};
  Emit(b);
}

void Game::EnableButton(int button, bool enabled) {
  ButtonEffect& b = button == 7 ? button7_ : button8_;
  b.enabled = enabled;
  Emit(b);
}

void Game::Label(int seat, std::vector<Words> words, LabelColour colour) {
  Emit(LabelEffect{seat, std::move(words), colour, Record().SeatName[seat]});
}

void Game::NameLabel(int seat) {
  Label(seat, {Words::SeatName}, LabelColour::Plain);
}

void Game::Sound(std::string_view name, bool waiting) {
  if (mode_.SoundOn) Emit(SoundEffect{std::string(name), waiting});
}

void Game::CardMoveSound() {
  if (mode_.SoundOn) {
    Emit(SoundEffect{"WHodsDo", true});
  } else {
    Wait(50);
  }
}

void Game::Wait(int ms) {
  Emit(WaitEffect{ms});
}

void Game::Send(TableMessage message) {
  if (Networked() && outgoing_ != nullptr) outgoing_->Send(message);
}

void Game::DrawHand(int seat) {
  const GameRecord& r = Record();
  Emit(DrawHandEffect{seat, seat == 4, r.Hand[seat], r.CardCount[seat]});
}

void Game::DrawDeck(bool freza) {
  const GameRecord& r = Record();
  DrawDeckEffect deck;
  deck.cards_left = r.DealPointer > kDeckSize ? 0 : kDeckSize + 1 - r.DealPointer;
  deck.turned_up = r.Deck[kDeckSize];
  deck.freza = freza;
  if (freza) deck.under_turned_up = r.Deck[kDeckSize - 1];
  Emit(deck);
}

void Game::DrawTrick(int count) {
  Emit(DrawTrickEffect{Record().Trick, count, Record().TableLeader});
}

void Game::DrawShown(int count) {
  Emit(DrawShownEffect{Record().ShownCards, count, Record().ShownSeat});
}

void Game::Fly(CardCode card, Place from, Place to, bool face_up) {
  if (mode_.CardAnimation) Emit(FlightEffect{card, from, to, face_up});
}

void Game::DrawScoreTab(int team, int pointer_mode, bool new_background, std::int32_t small,
                        std::int32_t large, int star_mode) {
  Emit(ScoreTabEffect{team, pointer_mode, new_background, small, large, star_mode,
                      Record().GameOver});
}

void Game::DrawTeamTab(int team, int pointer_mode, int star_mode) {
  DrawScoreTab(team, pointer_mode, false, Record().DealPoints[team], Record().GameScore[team],
               star_mode);
}

void Game::DrawScorePanel() {
  const GameRecord& r = Record();
  Emit(ScorePanelEffect{r.DealNumber, r.Declarer != 0 ? r.Trump : kNoSuit});
}

void Game::SetTimer(int period_ms, bool enabled) {
  timer_period_ms_ = period_ms;
  timer_enabled_ = enabled;
  Emit(TimerEffect{period_ms, enabled});
}

void Game::Refuse(const Action& action, std::string reason) {
  Emit(RefusedMessageEffect{action, std::move(reason)});
}

}  // namespace ostrel
