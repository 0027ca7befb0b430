// Where the main window stands when its size changes: on the screen that shows it, centred,
// never past its edges.
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace ostrel {

// The top-left corner for a window frame of `frame` size on a screen whose free area is
// `available`: centred there; a frame larger than the area keeps its top-left corner inside,
// so that the title bar stays reachable.
QPoint CentredPlace(const QRect& available, const QSize& frame);

}  // namespace ostrel
