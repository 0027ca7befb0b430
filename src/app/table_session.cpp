#include "app/table_session.h"

#include <algorithm>

namespace ostrel {

TableSession::TableSession(TablePort& port, ComputerPlayers& players, std::uint64_t seed,
                           std::function<bool()> busy, QObject* parent)
    : QObject(parent),
      chooser_(players),
      random_(seed),
      session_(port, chooser_, random_),
      busy_(std::move(busy)) {
  session_.SetScreenSteps(this);
  connect(&timer_, &QTimer::timeout, this, &TableSession::Tick);
  connect(&chooser_, &AsyncChooser::Ready, this, [this] {
    emit Progress(-1);
    if (tick_missed_) Tick();
  });
}

TableSession::~TableSession() {
  chooser_.Forget();
}

void TableSession::Start(ClubSession* club, MessagePort* messages, const RuleOptions& rules) {
  chooser_.Forget();
  session_.UseClub(club, messages);
  session_.Table().Mode().AccountGame = false;
  on_ = true;
  timer_.setInterval(tick_override_ms_ > 0 ? tick_override_ms_ : 200);
  session_.StartGame(rules);
}

void TableSession::StartAccountGame(const RuleOptions& rules, const std::string& nick,
                                    int game_number, int initial_score) {
  chooser_.Forget();
  session_.UseClub(nullptr, nullptr);
  session_.Table().Mode().AccountGame = true;
  on_ = true;
  timer_.setInterval(tick_override_ms_ > 0 ? tick_override_ms_ : 200);
  session_.StartGame(rules, nick, game_number, initial_score);
}

Status TableSession::Leave() {
  on_ = false;
  timer_.stop();
  chooser_.Forget();
  session_.Table().Mode().AccountGame = false;
  return session_.LeaveEarly();
}

void TableSession::Stop() {
  on_ = false;
  timer_.stop();
  chooser_.Forget();
  session_.Table().Leave();
}

void TableSession::SetSoundAndAnimation(bool sound, bool animation) {
  PlayMode& mode = session_.Table().Mode();
  mode.SoundOn = sound;
  mode.CardAnimation = animation;
}

void TableSession::SetTimer(int period_ms, bool enabled) {
  timer_.setInterval(tick_override_ms_ > 0 ? tick_override_ms_ : period_ms);
  if (enabled && on_) {
    timer_.start();
  } else {
    timer_.stop();
  }
}

void TableSession::TableIdle() {
  Game& game = session_.Table();
  if (!on_ || chooser_.Running() || !chooser_.NeedsChoice(game)) return;
  tick_missed_ = false;
  progress_.store(0);
  chooser_.Start(game);
}

void TableSession::Tick() {
  Game& game = session_.Table();
  if (!on_ || busy_()) return;
  if (chooser_.Running()) {
    tick_missed_ = true;
    // A choice long enough to be seen shows how far its samples have come.
    if (chooser_.Elapsed() > 300) emit Progress(std::clamp(progress_.load(), 0, 100));
    return;
  }
  if (chooser_.NeedsChoice(game)) {
    tick_missed_ = true;
    progress_.store(0);
    chooser_.Start(game);
    return;
  }
  game.Tick();
}

// The account's update asks the service and perhaps the player; the table stays still
// meanwhile, and the end of the game goes on once it is done.
void TableSession::UpdateRating(const GameRecord& record) {
  const PlayMode& mode = session_.Table().Mode();
  if (!mode.AccountGame) return;
  on_ = false;
  timer_.stop();
  emit AccountGameEnded(record.ScoreDifference, record.InitialScore + record.ScoreDifference,
                        mode.NetworkMode || mode.TournamentMode);
}

void TableSession::ShowCycleVerdict(const GameRecord&) {
  if (const auto& standing = session_.Standing()) {
    emit CycleVerdictWanted(standing->best_ten_rank, standing->new_score);
  }
}

void TableSession::ReportStatistics(const GameRecord& record) {
  emit StatisticsWanted(record.ScoreDifference, record.GameNumber % 25 == 0);
}

void TableSession::EnterWorldTopTen(const GameRecord& record) {
  const auto& standing = session_.Standing();
  emit WorldTopTenWanted(standing ? standing->new_score : record.NewScore);
}

// The end of the game has run its steps; the window goes back to the menu once this event is
// over, so that the step that pressed the button finishes first.
void TableSession::ReturnToMenu() {
  on_ = false;
  timer_.stop();
  // Whatever starts next (a LAN or tournament game too) is no account game.
  session_.Table().Mode().AccountGame = false;
  QTimer::singleShot(0, this, [this] {
    chooser_.Forget();
    emit MenuWanted();
  });
}

}  // namespace ostrel
