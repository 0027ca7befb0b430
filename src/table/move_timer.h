// The tournament move timer at a seat: the timer picture beside the seat's label with the
// seconds left over it, red with yellow digits below 8 seconds, yellow with red digits above.
#pragma once

#include <QPainter>

#include "table/layout.h"

namespace ostrel {

// Whose timer shows (0: none) and the seconds left.
struct MoveTimerView {
  int seat = 0;
  int count = 0;
  bool operator==(const MoveTimerView&) const = default;
};

// Paints the timer of 40 x 40 units just right of the seat's label.
void PaintMoveTimer(QPainter& p, const Rect& label, const TableScale& t, int count);

}  // namespace ostrel
