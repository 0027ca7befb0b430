// The patterns inside the card backs: one design per back set, coloured by the weekday ink, and
// for the groups (Animals, Flowers, Places, Other) ten different pictures.
#pragma once

#include <QColor>
#include <QPainter>

namespace ostrel::packgen {

void PaintMotif(QPainter& p, int set, int picture, QColor ink, const QRectF& panel, double u);

}  // namespace ostrel::packgen
