// The small windows of the main window: the game information, the card speed, the help on
// the rules, the about window and the club's top ten.
#pragma once

#include <QDialog>
#include <cstdint>
#include <string>

#include "storage/champions.h"

class QSlider;

namespace ostrel {

struct GameInfo {
  QString player;  // the name of the player at seat 4
  int game_number = 0;
  int cycle_game = 0;
  int initial_score = 0;
  int difference = 0;
  double rating_before = 0;
  double rating_after = 0;
};

// The seven values of "General score", one a line.
QStringList GameInfoLines(const GameInfo& info);

class InfoWindow : public QDialog {
  Q_OBJECT
 public:
  InfoWindow(const GameInfo& info, QWidget* parent = nullptr);
};

class TFormSpeed : public QDialog {
  Q_OBJECT
 public:
  TFormSpeed(int speed, QWidget* parent = nullptr);
  QSlider* Bar() { return bar_; }

 signals:
  void SpeedChanged(int speed);

 private:
  QSlider* bar_;
};

class HelpWindow : public QDialog {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);
};

class AboutWindow : public QDialog {
  Q_OBJECT
 public:
  explicit AboutWindow(QWidget* parent = nullptr);
};

class TFormTopTen : public QDialog {
  Q_OBJECT
 public:
  TFormTopTen(const TopTenTable& table, QWidget* parent = nullptr);
};

}  // namespace ostrel
