// The computer seats' card choice, which may search for seconds, runs on a worker thread
// with its own copy of the record; the step that plays the card runs on the window's thread
// once the answer is there, so the window never freezes and the record is never shared.
#pragma once

#include <QElapsedTimer>
#include <QFutureWatcher>
#include <QObject>
#include <optional>

#include "game/game.h"
#include "game/players.h"

namespace ostrel {

class AsyncChooser : public QObject, public ComputerPlayers {
  Q_OBJECT
 public:
  explicit AsyncChooser(ComputerPlayers& inner, QObject* parent = nullptr);
  ~AsyncChooser() override;

  bool AcceptProposedTrump(const GameRecord& record, int seat) override;
  int NameTrumpSuit(const GameRecord& record, int seat) override;
  // The answer prepared for this very position, or the inner players' answer at once.
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override;

  // True when the next tick of the game would ask for a card that is not prepared yet; then
  // the choice starts on the worker and Ready() follows.
  bool NeedsChoice(const Game& game) const;
  void Start(const Game& game);
  bool Running() const { return running_; }
  // Milliseconds the running choice has taken.
  qint64 Elapsed() const { return running_ ? clock_.elapsed() : 0; }
  // Drop a prepared answer (the game was left).
  void Forget();

 signals:
  void Ready();

 private:
  struct Key {
    int seat = 0;
    int game = 0;
    int deal = 0;
    int trick = 0;
    int position = 0;
    bool operator==(const Key&) const = default;
  };
  static Key KeyOf(const GameRecord& record, int seat);

  ComputerPlayers& inner_;
  QFutureWatcher<int> watcher_;
  QElapsedTimer clock_;
  bool running_ = false;
  Key running_key_;
  std::optional<std::pair<Key, int>> prepared_;
};

}  // namespace ostrel
