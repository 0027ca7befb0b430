// The global statistics window ("WORLD STATS"): the game's starts, likes and games as the
// service counts them, and "I like this game!", which the player may press once.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <optional>

#include "app/online/online_job.h"
#include "online/records.h"
#include "storage/settings.h"

class QLabel;
class QPushButton;

namespace ostrel {

inline constexpr int kStatsRows = 10;

class StatsWindow : public QDialog {
  Q_OBJECT
 public:
  StatsWindow(ServiceClient client, Settings& settings, QWidget* parent = nullptr);

  // Asks for a nick (caption "Nick"); nullopt when the player gives up. An input box unless a
  // test replaces it.
  std::function<std::optional<QString>()> ask_nick;
  std::function<void(const QString&)> notify;
  // Saves the settings after a like.
  std::function<void()> save_settings;

  bool Busy() const { return job_.Busy(); }
  QLabel* Value(int row) { return values_[static_cast<std::size_t>(row)]; }
  QPushButton* LikeButton() { return like_; }

 private:
  void Show(const std::optional<online::TTarvoStat>& stats);
  void Like();

  OnlineJob job_;
  Settings& settings_;
  std::optional<online::TTarvoStat> stats_;
  std::array<QLabel*, kStatsRows> values_{};
  QPushButton* like_;
  QLabel* waiting_;
};

}  // namespace ostrel
