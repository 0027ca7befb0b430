#include "tools/packgen/scenery.h"

#include <QPainterPath>
#include <cmath>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

QPointF Polar(QPointF c, double r, double angle) {
  return c + QPointF(r * std::cos(angle), r * std::sin(angle));
}

double Uniform(QRandomGenerator& rng, double from, double to) {
  return from + rng.generateDouble() * (to - from);
}

QPointF Inside(QRandomGenerator& rng, const QRectF& area) {
  return {Uniform(rng, area.left(), area.right()), Uniform(rng, area.top(), area.bottom())};
}

}  // namespace

void Sky(QPainter& p, const QRectF& area, QColor top, QColor bottom) {
  QLinearGradient g(area.topLeft(), area.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  p.fillRect(area, g);
}

void Hill(QPainter& p, const QRectF& area, double base, double amplitude, double waves,
          double phase, QColor colour) {
  QPainterPath path(QPointF(area.left(), area.bottom()));
  constexpr int kSteps = 60;
  for (int i = 0; i <= kSteps; ++i) {
    const double x = area.left() + area.width() * i / kSteps;
    const double t = 2 * M_PI * waves * i / kSteps + phase;
    path.lineTo(x, base - amplitude * std::sin(t));
  }
  path.lineTo(area.bottomRight());
  path.closeSubpath();
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(path);
}

void Sun(QPainter& p, QPointF centre, double radius, QColor colour, int rays) {
  QRadialGradient glow(centre, radius * 2.6);
  QColor halo = colour;
  halo.setAlpha(90);
  glow.setColorAt(0, halo);
  glow.setColorAt(1, QColor(255, 255, 255, 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(centre, radius * 2.6, radius * 2.6);
  p.setPen(QPen(colour, std::max(1.0, radius * 0.14), Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < rays; ++i) {
    const double a = 2 * M_PI * i / rays;
    p.drawLine(Polar(centre, radius * 1.3, a), Polar(centre, radius * 1.75, a));
  }
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawEllipse(centre, radius, radius);
}

void Moon(QPainter& p, QPointF centre, double radius) {
  QPainterPath disc;
  disc.addEllipse(centre, radius, radius);
  QPainterPath bite;
  bite.addEllipse(centre + QPointF(radius * 0.45, -radius * 0.2), radius * 0.9, radius * 0.9);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(250, 240, 200));
  p.drawPath(disc.subtracted(bite));
}

void Cloud(QPainter& p, QPointF centre, double size, QColor colour) {
  QPainterPath c;
  c.addEllipse(centre + QPointF(-size * 0.55, size * 0.1), size * 0.5, size * 0.36);
  c.addEllipse(centre + QPointF(0, -size * 0.12), size * 0.55, size * 0.48);
  c.addEllipse(centre + QPointF(size * 0.6, size * 0.12), size * 0.45, size * 0.32);
  c.addRoundedRect(QRectF(centre.x() - size, centre.y(), size * 2, size * 0.42), size * 0.2,
                   size * 0.2);
  p.setPen(Qt::NoPen);
  p.setBrush(colour);
  p.drawPath(c.simplified());
}

void Fir(QPainter& p, QPointF base, double height, QColor colour, bool snow) {
  const double w = height * 0.46;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(90, 60, 36));
  p.drawRect(QRectF(base.x() - w * 0.08, base.y() - height * 0.14, w * 0.16, height * 0.14));
  for (int tier = 0; tier < 3; ++tier) {
    const double bottom = base.y() - height * (0.1 + tier * 0.25);
    const double half = w * (1.0 - tier * 0.24) / 2;
    const double top = bottom - height * 0.42;
    const QPolygonF tri{QPointF(base.x() - half, bottom), QPointF(base.x() + half, bottom),
                        QPointF(base.x(), top)};
    p.setBrush(colour.darker(100 + tier * 8));
    p.drawPolygon(tri);
    if (snow) {
      p.setBrush(QColor(245, 250, 255));
      p.drawPolygon(QPolygonF{QPointF(base.x() - half * 0.45, top + (bottom - top) * 0.45),
                              QPointF(base.x() + half * 0.45, top + (bottom - top) * 0.45),
                              QPointF(base.x(), top)});
      p.drawRect(QRectF(base.x() - half, bottom - 2, half * 2, 2));
    }
  }
}

void LeafTree(QPainter& p, QPointF base, double height, QColor crown, QColor fruit,
              QRandomGenerator& rng) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(104, 70, 42));
  p.drawRect(QRectF(base.x() - height * 0.05, base.y() - height * 0.5, height * 0.1, height * 0.5));
  const QPointF c(base.x(), base.y() - height * 0.66);
  const double r = height * 0.32;
  for (int i = 0; i < 5; ++i) {
    const QPointF blob = Polar(c, r * 0.45, 2 * M_PI * i / 5 + 0.4);
    p.setBrush(crown.darker(100 + (i % 3) * 10));
    p.drawEllipse(blob, r * 0.62, r * 0.58);
  }
  p.setBrush(crown);
  p.drawEllipse(c, r * 0.7, r * 0.66);
  if (fruit.alpha() == 0) return;
  p.setBrush(fruit);
  for (int i = 0; i < 9; ++i) {
    const QPointF f = Polar(c, Uniform(rng, 0, r * 0.9), Uniform(rng, 0, 2 * M_PI));
    p.drawEllipse(f, r * 0.09, r * 0.09);
  }
}

void BareTree(QPainter& p, QPointF base, double height, QColor colour, int depth) {
  struct Branch {
    QPointF from;
    double length, angle, width;
    int depth;
  };
  std::vector<Branch> todo{{base, height * 0.42, -M_PI / 2, height * 0.06, depth}};
  while (!todo.empty()) {
    const Branch b = todo.back();
    todo.pop_back();
    const QPointF to = Polar(b.from, b.length, b.angle);
    p.setPen(QPen(colour, std::max(0.8, b.width), Qt::SolidLine, Qt::RoundCap));
    p.drawLine(b.from, to);
    if (b.depth == 0) continue;
    for (double turn : {-0.45, 0.38}) {
      todo.push_back({to, b.length * 0.68, b.angle + turn, b.width * 0.62, b.depth - 1});
    }
  }
}

void Birch(QPainter& p, QPointF base, double height) {
  const double w = height * 0.05;
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 240, 232));
  p.drawRect(QRectF(base.x() - w / 2, base.y() - height, w, height));
  p.setBrush(QColor(40, 40, 40));
  for (double y = 0.1; y < 0.95; y += 0.13) {
    p.drawRect(QRectF(base.x() - w / 2, base.y() - height * y, w * 0.6, w * 0.35));
  }
  BareTree(p, QPointF(base.x(), base.y() - height * 0.75), height * 0.5, QColor(80, 70, 60), 3);
}

void Snowfall(QPainter& p, const QRectF& area, int flakes, QRandomGenerator& rng) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < flakes; ++i) {
    p.setBrush(QColor(255, 255, 255, 150 + rng.bounded(100)));
    const double r = Uniform(rng, 0.8, 2.2);
    p.drawEllipse(Inside(rng, area), r, r);
  }
}

void Rain(QPainter& p, const QRectF& area, int drops, QColor colour, QRandomGenerator& rng) {
  p.setPen(QPen(colour, 1.2, Qt::SolidLine, Qt::RoundCap));
  for (int i = 0; i < drops; ++i) {
    const QPointF a = Inside(rng, area);
    p.drawLine(a, a + QPointF(-2.5, 8));
  }
}

void Flowers(QPainter& p, const QRectF& area, int count, const std::vector<QColor>& colours,
             double size, QRandomGenerator& rng) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    const QPointF c = Inside(rng, area);
    const double s = size * Uniform(rng, 0.7, 1.2);
    p.setBrush(colours[static_cast<std::size_t>(rng.bounded(static_cast<int>(colours.size())))]);
    for (int k = 0; k < 5; ++k)
      p.drawEllipse(Polar(c, s * 0.55, 2 * M_PI * k / 5), s * 0.42, s * 0.42);
    p.setBrush(QColor(250, 200, 40));
    p.drawEllipse(c, s * 0.3, s * 0.3);
  }
}

void Leaves(QPainter& p, const QRectF& area, int count, const std::vector<QColor>& colours,
            double size, QRandomGenerator& rng) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    p.save();
    p.translate(Inside(rng, area));
    p.rotate(Uniform(rng, 0, 360));
    p.setBrush(colours[static_cast<std::size_t>(rng.bounded(static_cast<int>(colours.size())))]);
    p.drawEllipse(QPointF(0, 0), size, size * 0.45);
    p.restore();
  }
}

void Stars(QPainter& p, const QRectF& area, int count, QRandomGenerator& rng) {
  p.setPen(Qt::NoPen);
  for (int i = 0; i < count; ++i) {
    p.setBrush(QColor(255, 250, 220, 120 + rng.bounded(130)));
    p.drawPath(Star(Inside(rng, area), Uniform(rng, 1.2, 2.8), 0.6, 4));
  }
}

void Burst(QPainter& p, QPointF centre, double radius, QColor colour, int sparks) {
  for (int i = 0; i < sparks; ++i) {
    const double a = 2 * M_PI * i / sparks;
    QLinearGradient g(centre, Polar(centre, radius, a));
    QColor faint = colour;
    faint.setAlpha(30);
    g.setColorAt(0, faint);
    g.setColorAt(1, colour);
    p.setPen(QPen(QBrush(g), 1.6, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(Polar(centre, radius * 0.25, a), Polar(centre, radius, a));
    p.setPen(Qt::NoPen);
    p.setBrush(colour.lighter(130));
    p.drawEllipse(Polar(centre, radius, a), 1.5, 1.5);
  }
}

}  // namespace ostrel::packgen
