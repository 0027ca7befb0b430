// The tournament's top ten (TFormTourTop10): by score, rating or games, with the player's own
// place by the same figure and its medal when it is among the ten.
#pragma once

#include <QDialog>
#include <array>

#include "net/service_client.h"
#include "online/requests.h"

class QLabel;
class QRadioButton;

namespace ostrel {

// The player's own figures, for the place line.
struct TourFigures {
  int score = 0, rating = 0, games = 0;
};

class TFormTourTop10 : public QDialog {
  Q_OBJECT
 public:
  TFormTourTop10(const ServiceClient& service, TourFigures own, QWidget* parent = nullptr);

  void ShowKind(online::TourKind kind);
  QLabel* Line(int k) const { return lines_[static_cast<std::size_t>(k)]; }  // 0..9
  QLabel* PlaceLine() const { return place_; }
  QLabel* Medal() const { return medal_; }

 private:
  ServiceClient service_;
  TourFigures own_;
  std::array<QLabel*, 10> lines_{};
  std::array<QRadioButton*, 3> kinds_{};  // score, rating, games
  QLabel* place_ = nullptr;
  QLabel* medal_ = nullptr;
};

}  // namespace ostrel
