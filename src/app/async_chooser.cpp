#include "app/async_chooser.h"

#include <QtConcurrent/QtConcurrentRun>

#include "game/memory.h"

namespace ostrel {

AsyncChooser::AsyncChooser(ComputerPlayers& inner, QObject* parent)
    : QObject(parent), inner_(inner) {
  connect(&watcher_, &QFutureWatcher<int>::finished, this, [this] {
    if (!running_) return;  // forgotten: the game it was for is gone
    running_ = false;
    prepared_ = std::make_pair(running_key_, watcher_.result());
    emit Ready();
  });
}

AsyncChooser::~AsyncChooser() {
  watcher_.waitForFinished();
}

bool AsyncChooser::AcceptProposedTrump(const GameRecord& record, int seat) {
  return inner_.AcceptProposedTrump(record, seat);
}

int AsyncChooser::NameTrumpSuit(const GameRecord& record, int seat) {
  return inner_.NameTrumpSuit(record, seat);
}

AsyncChooser::Key AsyncChooser::KeyOf(const GameRecord& record, int seat) {
  return {seat, record.GameNumber, record.DealNumber, record.TrickNumber, record.TrickPosition};
}

int AsyncChooser::ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) {
  if (prepared_ && prepared_->first == KeyOf(record, seat)) {
    const int position = prepared_->second;
    prepared_.reset();
    return position;
  }
  return inner_.ChooseCard(record, seat, options);
}

bool AsyncChooser::NeedsChoice(const Game& game) const {
  const GameRecord& r = game.Record();
  if (running_ || !game.TimerEnabled() || !r.InGame) return false;
  if (r.Phase < 21 || r.Phase > 23) return false;
  const int seat = r.Phase - 20;
  if (!game.IsComputerDriven(seat)) return false;
  return !(prepared_ && prepared_->first == KeyOf(r, seat));
}

void AsyncChooser::Start(const Game& game) {
  GameRecord copy = game.Record();
  const RuleOptions options = game.Options();
  const int seat = copy.Phase - 20;
  // The tick enters the turned-up card into the memory before it asks; the copy must know
  // what the tick will know.
  if (copy.MemoryPending) {
    copy.MemoryPending = false;
    RememberTurnedUpCard(copy.Memory, copy.Deck[kDeckSize], copy.Declarer);
  }
  running_key_ = KeyOf(copy, seat);
  running_ = true;
  clock_.start();
  ComputerPlayers* inner = &inner_;
  watcher_.setFuture(QtConcurrent::run(
      [inner, copy, seat, options] { return inner->ChooseCard(copy, seat, options); }));
}

void AsyncChooser::Forget() {
  watcher_.waitForFinished();
  running_ = false;
  prepared_.reset();
}

}  // namespace ostrel
