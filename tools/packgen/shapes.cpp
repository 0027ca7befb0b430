#include <cmath>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

// Each outline is drawn in a 100 x 100 box and mapped into the asked box, centred.
QPainterPath Heart() {
  QPainterPath p;
  p.moveTo(50, 96);
  p.cubicTo(30, 74, 2, 56, 2, 30);
  p.cubicTo(2, 12, 16, 2, 29, 2);
  p.cubicTo(40, 2, 47, 9, 50, 18);
  p.cubicTo(53, 9, 60, 2, 71, 2);
  p.cubicTo(84, 2, 98, 12, 98, 30);
  p.cubicTo(98, 56, 70, 74, 50, 96);
  p.closeSubpath();
  return p;
}

QPainterPath Diamond() {
  QPainterPath p;
  p.moveTo(50, 0);
  p.quadTo(66, 30, 88, 50);
  p.quadTo(66, 70, 50, 100);
  p.quadTo(34, 70, 12, 50);
  p.quadTo(34, 30, 50, 0);
  p.closeSubpath();
  return p;
}

QPainterPath Club() {
  QPainterPath p;
  p.addEllipse(QPointF(50, 25), 22, 22);
  p.addEllipse(QPointF(26, 55), 22, 22);
  p.addEllipse(QPointF(74, 55), 22, 22);
  p.addRect(QRectF(40, 38, 20, 24));
  QPainterPath stem;
  stem.moveTo(46, 55);
  stem.quadTo(44, 84, 28, 98);
  stem.lineTo(72, 98);
  stem.quadTo(56, 84, 54, 55);
  stem.closeSubpath();
  return p.united(stem).simplified();
}

QPainterPath Spade() {
  QPainterPath p;
  p.moveTo(50, 2);
  p.cubicTo(62, 24, 98, 40, 98, 62);
  p.cubicTo(98, 78, 84, 86, 72, 86);
  p.cubicTo(62, 86, 55, 80, 53, 74);
  p.quadTo(56, 90, 70, 98);
  p.lineTo(30, 98);
  p.quadTo(44, 90, 47, 74);
  p.cubicTo(45, 80, 38, 86, 28, 86);
  p.cubicTo(16, 86, 2, 78, 2, 62);
  p.cubicTo(2, 40, 38, 24, 50, 2);
  p.closeSubpath();
  return p;
}

}  // namespace

QPainterPath FrenchSuit(int suit, const QRectF& box) {
  static const QPainterPath shapes[4] = {Heart(), Diamond(), Club(), Spade()};
  const double side = std::min(box.width(), box.height());
  QTransform t;
  t.translate(box.center().x() - side / 2, box.center().y() - side / 2);
  t.scale(side / 100, side / 100);
  return t.map(shapes[suit & 3]);
}

QPainterPath Star(QPointF centre, double outer, double inner, int points) {
  QPainterPath p;
  for (int i = 0; i < points * 2; ++i) {
    const double r = i % 2 ? inner : outer;
    const double a = -M_PI / 2 + i * M_PI / points;
    const QPointF q(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    i == 0 ? p.moveTo(q) : p.lineTo(q);
  }
  p.closeSubpath();
  return p;
}

}  // namespace ostrel::packgen
