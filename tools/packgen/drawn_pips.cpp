// Suit shapes of the drawn designs: the French suits, and the Spanish cups, coins, batons and
// swords.
#include <cmath>

#include "tools/packgen/drawn_style.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

const QColor kGold(214, 170, 58);
const QColor kGoldDeep(140, 98, 24);

void Cup(QPainter& p, const QRectF& b, QColor ink) {
  const double w = b.width(), h = b.height(), x = b.left(), y = b.top();
  QPainterPath bowl;
  bowl.moveTo(x + 0.14 * w, y + 0.12 * h);
  bowl.lineTo(x + 0.86 * w, y + 0.12 * h);
  bowl.cubicTo(x + 0.86 * w, y + 0.52 * h, x + 0.62 * w, y + 0.56 * h, x + 0.5 * w, y + 0.56 * h);
  bowl.cubicTo(x + 0.38 * w, y + 0.56 * h, x + 0.14 * w, y + 0.52 * h, x + 0.14 * w, y + 0.12 * h);
  QPainterPath stem;
  stem.addRect(QRectF(x + 0.44 * w, y + 0.54 * h, 0.12 * w, 0.26 * h));
  stem.addEllipse(QRectF(x + 0.38 * w, y + 0.62 * h, 0.24 * w, 0.1 * h));
  QPainterPath foot;
  foot.moveTo(x + 0.24 * w, y + 0.94 * h);
  foot.quadTo(x + 0.5 * w, y + 0.72 * h, x + 0.76 * w, y + 0.94 * h);
  foot.closeSubpath();
  p.setPen(QPen(kGoldDeep, std::max(0.6, w / 40)));
  p.setBrush(kGold);
  p.drawPath(stem.united(foot));
  p.setBrush(ink);
  p.drawPath(bowl);
  p.setBrush(kGold);
  p.drawRect(QRectF(x + 0.12 * w, y + 0.08 * h, 0.76 * w, 0.07 * h));
}

void Coin(QPainter& p, const QRectF& b, QColor ink) {
  const double s = std::min(b.width(), b.height());
  const QRectF c(b.center().x() - s * 0.46, b.center().y() - s * 0.46, s * 0.92, s * 0.92);
  QRadialGradient g(c.center() - QPointF(s * 0.15, s * 0.15), s * 0.6);
  g.setColorAt(0, QColor(255, 236, 150));
  g.setColorAt(1, kGold);
  p.setPen(QPen(kGoldDeep, std::max(0.6, s / 30)));
  p.setBrush(g);
  p.drawEllipse(c);
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c.adjusted(s * 0.12, s * 0.12, -s * 0.12, -s * 0.12));
  p.setBrush(ink);
  p.setPen(Qt::NoPen);
  p.drawPath(Star(c.center(), s * 0.22, s * 0.09, 8));
}

void Baton(QPainter& p, const QRectF& b, QColor ink) {
  const double s = std::min(b.width(), b.height());
  const QPointF a(b.center().x() - s * 0.16, b.center().y() + s * 0.44);
  const QPointF e(b.center().x() + s * 0.16, b.center().y() - s * 0.44);
  p.setPen(QPen(Blend(ink, Qt::black, 0.35), s * 0.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, e);
  p.setPen(QPen(ink, s * 0.14, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(a, e);
  p.setPen(Qt::NoPen);
  p.setBrush(Blend(ink, Qt::black, 0.35));
  for (double t : {0.25, 0.5, 0.75}) {
    const QPointF k = a + (e - a) * t;
    p.drawEllipse(k + QPointF(t == 0.5 ? s * 0.1 : -s * 0.1, 0), s * 0.06, s * 0.06);
  }
}

void Sword(QPainter& p, const QRectF& b, QColor ink) {
  const double s = std::min(b.width(), b.height());
  const double cx = b.center().x(), top = b.center().y() - s * 0.48;
  QPainterPath blade;
  blade.moveTo(cx, top);
  blade.lineTo(cx + s * 0.07, top + s * 0.12);
  blade.lineTo(cx + s * 0.07, top + s * 0.66);
  blade.lineTo(cx - s * 0.07, top + s * 0.66);
  blade.lineTo(cx - s * 0.07, top + s * 0.12);
  blade.closeSubpath();
  p.setPen(QPen(Blend(ink, Qt::black, 0.4), std::max(0.6, s / 40)));
  p.setBrush(Blend(ink, Qt::white, 0.35));
  p.drawPath(blade);
  p.setBrush(kGold);
  p.drawRoundedRect(QRectF(cx - s * 0.26, top + s * 0.64, s * 0.52, s * 0.08), s * 0.04, s * 0.04);
  p.setBrush(ink);
  p.drawRect(QRectF(cx - s * 0.05, top + s * 0.72, s * 0.1, s * 0.16));
  p.setBrush(kGold);
  p.drawEllipse(QPointF(cx, top + s * 0.92), s * 0.07, s * 0.07);
}

}  // namespace

void PaintPip(QPainter& p, const DrawnStyle& style, int suit, const QRectF& box) {
  const QColor ink = style.inks[suit & 3];
  p.save();
  if (style.pips == Pips::kSpanish) {
    switch (suit & 3) {
      case 0:
        Cup(p, box, ink);
        break;
      case 1:
        Coin(p, box, ink);
        break;
      case 2:
        Baton(p, box, ink);
        break;
      default:
        Sword(p, box, ink);
        break;
    }
  } else {
    const QPainterPath path = FrenchSuit(suit, box);
    QLinearGradient g(box.topLeft(), box.bottomRight());
    g.setColorAt(0, Blend(ink, Qt::white, 0.25));
    g.setColorAt(1, ink);
    p.setPen(QPen(Blend(ink, Qt::black, 0.45), std::max(0.5, box.width() / 36)));
    p.setBrush(g);
    p.drawPath(path);
  }
  p.restore();
}

QImage DrawSymbol(const DrawnStyle& style, int suit, int side) {
  QImage image = Canvas(side, side);
  QPainter p(&image);
  Smooth(p);
  PaintPip(p, style, suit, QRectF(side * 0.06, side * 0.06, side * 0.88, side * 0.88));
  return image;
}

}  // namespace ostrel::packgen
