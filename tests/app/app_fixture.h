// A main window on a temporary program folder with fresh club files, recorded sounds, a fixed
// seed and no waits, and helpers that act as the player does: by clicks and keys.
#pragma once

#include <QDialog>
#include <QTemporaryDir>
#include <QtTest>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/login_dialog.h"
#include "app/main_window.h"
#include "media/sound_port.h"
#include "plain_players.h"

namespace ostrel::testing {

class RecordingSounds : public SoundPort {
 public:
  int Play(const std::string& name, bool) override {
    played.push_back(name);
    return 0;
  }
  int Count(const std::string& name) const {
    return static_cast<int>(std::count(played.begin(), played.end(), name));
  }
  std::vector<std::string> played;
};

// The place of the player's card on the screen, and a click on it.
QPoint CardPoint(TForm1& w, int position);
void ClickCard(TForm1& w, int position);
// One action of the player when it is his turn: the enabled button 7, else the first card the
// rules allow. Returns false when there was nothing to do.
bool PlayerActs(TForm1& w);
// Lets the table play what it was given; false when it is still busy after `ms`.
bool Drain(TableScreen& table, int ms = 3000);

class AppFixture {
 public:
  explicit AppFixture(std::uint64_t seed = 7, bool instant = true,
                      ComputerPlayers* computer = nullptr,
                      std::optional<PackFolders> packs = std::nullopt, QString site = {});

  TForm1& Window() { return *window_; }
  const std::string& Folder() const { return folder_; }
  RecordingSounds sounds;
  PlainPlayers players;
  // What the confirmations answer, and what they asked.
  bool answer = true;
  QStringList questions;

  void LeaveTitle();
  // The next modal dialog gets this done to it once it shows.
  void OnNextDialog(std::function<void(QDialog*)> action);
  // "New Player" with a name and a password, by typing and clicking.
  void StartAsNewPlayer(const QString& name, const QString& password = "abc");
  // Lets the table play all it queued (and the timer act) until `done` or the time is up.
  bool RunUntil(const std::function<bool()>& done, int ms = 20000);
  // Waits until the table is idle.
  bool Settle(int ms = 5000);

 private:
  QTemporaryDir dir_;
  std::string folder_;
  std::unique_ptr<TForm1> window_;
  std::vector<std::function<void(QDialog*)>> pending_;
};

}  // namespace ostrel::testing
