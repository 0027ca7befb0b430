// The path and the pace of a flying card: the coordinate with the larger distance advances by
// one pixel per step, the other follows on the straight line.
#pragma once

#include <QPoint>
#include <cstdlib>

namespace ostrel {

struct FlightLine {
  QPoint from;
  QPoint to;

  int Steps() const { return std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y())); }
  // The place after k steps (0 is the start, Steps() the end).
  QPoint At(int k) const;
};

// How long to wait after a step, by the card speed 1..6: speeds 1 and 2 wait after every
// step (2 ms, 1 ms), 3 and 4 wait 1 ms after every second or third step, 5 and 6 never wait,
// and 6 does not draw the first step. The step counter runs on from one flight to the next.
class FlightPace {
 public:
  explicit FlightPace(int card_speed = 4) { SetSpeed(card_speed); }
  void SetSpeed(int card_speed);
  int Speed() const { return speed_; }
  // Counts one step; the wait in ms that follows it.
  int WaitAfterStep();
  bool DrawsFirstStep() const { return speed_ != 6; }

 private:
  int speed_ = 4;
  long counter_ = 0;
};

}  // namespace ostrel
