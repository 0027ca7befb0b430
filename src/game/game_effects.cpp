// The small helpers through which the steps show, sound, wait and send.
#include "game/game.h"
#include "game/hand.h"

namespace ostrel {

Game::Game(TablePort& port, ComputerPlayers& players, Random& random)
    : port_(port), players_(players), random_(random) {
  for (int s = 1; s <= kSeats; ++s) {
    ClearHand(record_.Hand[s], record_.HandOrder[s], record_.HandPoints[s]);
  }
  record_.TrickOrder.fill(kEmptyValue);
  record_.TrickPoints.fill(kEmptyValue);
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
  Emit(LabelEffect{seat, std::move(words), colour, record_.SeatName[seat]});
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

void Game::Send(std::string message) {
  if (Networked()) Emit(SendEffect{std::move(message)});
}

int Game::SortAndCount(int seat) {
  const int n = SortHand(record_.Hand[seat], record_.HandOrder[seat], record_.HandPoints[seat],
                         record_.Trump);
  record_.CardCount[seat] = static_cast<std::uint8_t>(n);
  return n;
}

void Game::DrawHand(int seat) {
  const int n = SortAndCount(seat);
  Emit(DrawHandEffect{seat, seat == 4, record_.Hand[seat], n});
}

void Game::DrawDeck(bool freza) {
  DrawDeckEffect deck;
  deck.cards_left = record_.DealPointer > kDeckSize ? 0 : kDeckSize + 1 - record_.DealPointer;
  deck.turned_up = record_.Deck[kDeckSize];
  deck.freza = freza;
  if (freza) deck.under_turned_up = record_.Deck[kDeckSize - 1];
  Emit(deck);
}

void Game::DrawTrick(int count) {
  Emit(DrawTrickEffect{record_.Trick, count, record_.TableLeader});
}

void Game::DrawShown(int count) {
  Emit(DrawShownEffect{record_.ShownCards, count, record_.ShownSeat});
}

void Game::Fly(CardCode card, Place from, Place to, bool face_up) {
  if (mode_.CardAnimation) Emit(FlightEffect{card, from, to, face_up});
}

void Game::DrawScoreTab(int team, int pointer_mode, bool new_background, std::int32_t small,
                        std::int32_t large, int star_mode) {
  Emit(ScoreTabEffect{team, pointer_mode, new_background, small, large, star_mode,
                      record_.GameOver});
}

void Game::DrawTeamTab(int team, int pointer_mode, int star_mode) {
  DrawScoreTab(team, pointer_mode, false, record_.DealPoints[team], record_.GameScore[team],
               star_mode);
}

void Game::DrawScorePanel() {
  Emit(ScorePanelEffect{record_.DealNumber, record_.Declarer != 0 ? record_.Trump : kNoSuit});
}

void Game::SetTimer(int period_ms, bool enabled) {
  timer_period_ms_ = period_ms;
  timer_enabled_ = enabled;
  Emit(TimerEffect{period_ms, enabled});
}

void Game::Refuse(std::string_view message, std::string reason) {
  Emit(RefusedMessageEffect{std::string(message), std::move(reason)});
}

}  // namespace ostrel
