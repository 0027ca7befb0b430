// Small pieces of the table: stars, the ring, pointing hands, the suit-choice
// buttons, countdown faces, account lamps and the account picture.
#include <QTransform>
#include <array>
#include <cmath>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

// A bevelled five-pointed star: every point split into a lit and a shaded half.
QImage PaintStar(int side, QColor base) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0 + side * 0.03);
  const double outer = side * 0.48, inner = side * 0.2;
  const QPainterPath star = StarPath(c, outer, inner);
  p.setPen(QPen(Mix(base, Qt::black, 0.6), std::max(0.7, side / 28.0), Qt::SolidLine, Qt::SquareCap,
                Qt::RoundJoin));
  p.setBrush(base);
  p.drawPath(star);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 10; ++i) {
    const double a0 = -M_PI / 2 + i * M_PI / 5;
    const double a1 = -M_PI / 2 + (i + 1) * M_PI / 5;
    const double r0 = (i % 2 == 0) ? outer : inner;
    const double r1 = (i % 2 == 0) ? inner : outer;
    QPainterPath facet;
    facet.moveTo(c);
    facet.lineTo(c + QPointF(r0 * std::cos(a0), r0 * std::sin(a0)));
    facet.lineTo(c + QPointF(r1 * std::cos(a1), r1 * std::sin(a1)));
    facet.closeSubpath();
    // Light from the upper left.
    const double mid = (a0 + a1) / 2;
    const double lit = 0.5 + 0.5 * std::cos(mid - (-M_PI * 0.75));
    p.setBrush(i % 2 == 0 ? Mix(base, Qt::white, 0.15 + 0.45 * lit)
                          : Mix(base, Qt::black, 0.1 + 0.35 * (1 - lit)));
    p.drawPath(facet);
  }
  return img;
}

QImage PaintRing(int side) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0);
  const double r = side * 0.47;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(6, 40, 20, 170));
  p.drawEllipse(c, r * 0.8, r * 0.8);
  QPainterPath ring;
  ring.addEllipse(c, r, r);
  QPainterPath hole;
  hole.addEllipse(c, r * 0.78, r * 0.78);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(side, side)));
  p.drawPath(ring.subtracted(hole));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(80, 56, 10), side / 40.0));
  p.drawEllipse(c, r * 0.78, r * 0.78);
  p.drawEllipse(c, r, r);
  return img;
}

QImage HandUp(int w, int h) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  PaintHandUp(p, QRectF(0, 0, w, h), QColor(255, 255, 255), QColor(206, 206, 214));
  return img;
}

QImage HandRight(int w, int h) {
  // The upward hand turned a quarter clockwise.
  QImage up = HandUp(h * 2, w * 2);
  QTransform turn;
  turn.rotate(90);
  return up.transformed(turn, Qt::SmoothTransformation)
      .scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// A round jewel button of the suit-choice window.
QImage PaintGem(int side, QColor base) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0);
  const double r = side * 0.48;
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(side, side)));
  p.drawEllipse(c, r, r);
  QRadialGradient body(c + QPointF(-r * 0.25, -r * 0.3), r * 1.1);
  body.setColorAt(0, Mix(base, Qt::white, 0.45));
  body.setColorAt(0.5, base);
  body.setColorAt(1, Mix(base, Qt::black, 0.55));
  p.setBrush(body);
  p.drawEllipse(c, r * 0.84, r * 0.84);
  QLinearGradient gloss(QPointF(0, c.y() - r * 0.8), QPointF(0, c.y()));
  gloss.setColorAt(0, QColor(255, 255, 255, 150));
  gloss.setColorAt(1, QColor(255, 255, 255, 0));
  p.setBrush(gloss);
  p.drawEllipse(QRectF(c.x() - r * 0.55, c.y() - r * 0.78, r * 1.1, r * 0.7));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(70, 50, 10), side / 60.0));
  p.drawEllipse(c, r * 0.84, r * 0.84);
  return img;
}

QImage PaintTimerFace(int side, QColor face) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0);
  const double r = side * 0.47;
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(side, side)));
  p.drawEllipse(c, r, r);
  QRadialGradient fill(c + QPointF(-r * 0.3, -r * 0.3), r * 1.2);
  fill.setColorAt(0, Mix(face, Qt::white, 0.4));
  fill.setColorAt(1, Mix(face, Qt::black, 0.25));
  p.setBrush(fill);
  p.drawEllipse(c, r * 0.82, r * 0.82);
  p.setPen(QPen(Mix(face, Qt::black, 0.55), side / 26.0, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    const double r0 = r * 0.7, r1 = r * (i % 3 == 0 ? 0.58 : 0.64);
    p.drawLine(c + QPointF(r0 * std::cos(a), r0 * std::sin(a)),
               c + QPointF(r1 * std::cos(a), r1 * std::sin(a)));
  }
  return img;
}

QImage PaintLamp(int side, QColor glow) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0);
  const double r = side * 0.46;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(60, 60, 64));
  p.drawEllipse(c, r, r);
  p.setBrush(QColor(170, 170, 176));
  p.drawEllipse(c, r * 0.9, r * 0.9);
  QRadialGradient bulb(c + QPointF(-r * 0.25, -r * 0.25), r);
  bulb.setColorAt(0, Mix(glow, Qt::white, 0.7));
  bulb.setColorAt(0.45, glow);
  bulb.setColorAt(1, Mix(glow, Qt::black, 0.5));
  p.setBrush(bulb);
  p.drawEllipse(c, r * 0.76, r * 0.76);
  p.setBrush(QColor(255, 255, 255, 190));
  p.drawEllipse(QRectF(c.x() - r * 0.45, c.y() - r * 0.55, r * 0.5, r * 0.32));
  return img;
}

QImage PaintAccount(int side) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(side / 2.0, side / 2.0);
  const double r = side * 0.47;
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(side, side)));
  p.drawEllipse(c, r, r);
  QRadialGradient sky(c + QPointF(0, -r * 0.4), r * 1.2);
  sky.setColorAt(0, QColor(70, 120, 210));
  sky.setColorAt(1, QColor(16, 38, 96));
  p.setBrush(sky);
  p.drawEllipse(c, r * 0.84, r * 0.84);
  // A bust in silhouette, clipped by the round window.
  QPainterPath window;
  window.addEllipse(c, r * 0.84, r * 0.84);
  p.setClipPath(window);
  QLinearGradient figure(QPointF(0, side * 0.2), QPointF(0, side));
  figure.setColorAt(0, QColor(250, 240, 214));
  figure.setColorAt(1, QColor(200, 180, 140));
  p.setBrush(figure);
  p.drawEllipse(QPointF(c.x(), side * 0.4), side * 0.16, side * 0.17);
  p.drawEllipse(QRectF(c.x() - side * 0.3, side * 0.6, side * 0.6, side * 0.5));
  return img;
}

}  // namespace

void DrawTablePieces(Sink& sink) {
  struct StarColour {
    const char* name;
    QColor base;
  };
  // Red for the declarer, azure for an opponent, violet for the declarer's
  // partner, gold for the first hand.
  const std::array<StarColour, 4> stars = {{{"ZvezdaR", QColor(214, 30, 38)},
                                            {"ZvezdaA", QColor(40, 110, 220)},
                                            {"ZvezdaV", QColor(150, 60, 200)},
                                            {"ZvezdaB", QColor(232, 184, 40)}}};
  for (const StarColour& s : stars) sink.Png(QLatin1String(s.name) + "Sm", PaintStar(24, s.base));
  sink.Png(QStringLiteral("ZvezdaR"), PaintStar(50, stars[0].base));
  sink.Png(QStringLiteral("Circle"), PaintRing(40));
  sink.Png(QStringLiteral("Hand_Up"), HandUp(40, 60));
  sink.Png(QStringLiteral("Hand_Right"), HandRight(60, 40));
  sink.Png(QStringLiteral("Hand_UpSm"), HandUp(20, 30));
  sink.Png(QStringLiteral("Hand_RightSm"), HandRight(30, 18));
  sink.Png(QStringLiteral("GMRed"), PaintGem(72, QColor(200, 30, 40)));
  sink.Png(QStringLiteral("GMBlue"), PaintGem(72, QColor(30, 70, 190)));
  sink.Png(QStringLiteral("GMYellow"), PaintGem(72, QColor(220, 180, 40)));
  sink.Png(QStringLiteral("GTimerR"), PaintTimerFace(40, QColor(200, 28, 30)));
  sink.Png(QStringLiteral("GTimerY"), PaintTimerFace(40, QColor(244, 200, 40)));
  sink.Png(QStringLiteral("LampR24"), PaintLamp(24, QColor(230, 30, 30)));
  sink.Png(QStringLiteral("LampY24"), PaintLamp(24, QColor(250, 200, 20)));
  sink.Png(QStringLiteral("LampG24"), PaintLamp(24, QColor(40, 200, 60)));
  sink.Png(QStringLiteral("Account48"), PaintAccount(48));
}

}  // namespace ostrel::artgen
