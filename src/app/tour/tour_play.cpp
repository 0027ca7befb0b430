#include "app/tour/tour_play.h"

#include "app/text.h"

namespace ostrel {

TourPlay::TourPlay(TourPlayHooks hooks, QObject* parent)
    : QObject(parent), hooks_(std::move(hooks)) {
  move_timer_.setInterval(1000);
  connect(&move_timer_, &QTimer::timeout, this, [this] {
    if (!Active()) {
      move_timer_.stop();
      return;
    }
    hooks_.game().MoveTimerSecond();
  });
  connect(&cs_, &lan::TourSession::DealReceived, this, &TourPlay::OnDeal);
  connect(&cs_, &lan::TourSession::GameOver, this, [this] {
    move_timer_.stop();
    hooks_.game().TournamentGameOver();
  });
  connect(&cs_, &lan::TourSession::PlayerLeft, this, [this](int seat) {
    Broken(T("Player") + " " + SeatName(seat) + " " + T("interrupted the game!"), "WWrongs");
  });
  connect(&cs_, &lan::TourSession::TimeRanOut, this, [this](int seat) {
    Broken(T("Player") + " " + SeatName(seat) + " " + T("time is up!"), "WKoGutX");
  });
  connect(&cs_, &lan::TourSession::ConnectionLost, this, [this] {
    if (!Active() || !hooks_.game().Record().InGame) return;
    move_timer_.stop();
    hooks_.game().TournamentBroken();
    hooks_.notice(T("Lost connection with the server!"));
  });
}

bool TourPlay::Active() {
  return hooks_.game().Mode().TournamentMode;
}

QString TourPlay::SeatName(int seat) const {
  if (seat < 1 || seat > 4) return QString::number(seat);
  const std::string& nick = table_nicks_[static_cast<std::size_t>(seat - 1)];
  return nick.empty() || nick == "X" ? QString::number(seat) : QString::fromStdString(nick);
}

void TourPlay::OnDeal(const lan::DealDeck& deck) {
  Game& game = hooks_.game();
  game.SetNextDeck(deck);
  if (cs_.Deals() == 1) {
    cs_.Attach(&game);
    hooks_.start_game(lan::TournamentRules());
    GameRecord& r = game.Record();
    for (int seat = 1; seat <= 4; ++seat) {
      const int position = cs_.PositionOf(seat);
      r.SeatName[position] = position == 4 ? nick_ : SeatName(seat).toStdString();
    }
    emit GameStarted();
  } else if (game.Record().Phase == kPhaseDealOver) {
    game.StartDeal(true);
  } else {
    return;  // a deal the table cannot take now: the server's clock decides
  }
  move_timer_.start();
}

void TourPlay::Broken(const QString& notice, const char* sound) {
  Game& game = hooks_.game();
  if (!Active() || !game.Record().InGame) return;
  move_timer_.stop();
  hooks_.sound(sound);
  game.TournamentBroken();
  hooks_.notice(notice + "\n" + T("You won!"));
}

}  // namespace ostrel
