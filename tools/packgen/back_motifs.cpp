#include "tools/packgen/back_motifs.h"

#include <cmath>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

const QColor kGold(218, 178, 76);
const QColor kCream(250, 244, 226);

void Field(QPainter& p, const QRectF& r, QColor ink) {
  QLinearGradient g(r.topLeft(), r.bottomRight());
  g.setColorAt(0, Blend(ink, Qt::white, 0.12));
  g.setColorAt(1, Blend(ink, Qt::black, 0.25));
  p.fillRect(r, g);
}

void Lattice(QPainter& p, const QRectF& r, QColor ink, double u) {  // Medieval-1
  Field(p, r, ink);
  const double s = 14 * u;
  for (double y = r.top(); y < r.bottom() + s; y += s) {
    for (double x = r.left(); x < r.right() + s; x += s) {
      const QPointF c(x + (int((y - r.top()) / s) % 2 ? s / 2 : 0), y);
      QPainterPath d;
      d.moveTo(c.x(), c.y() - s * 0.45);
      d.lineTo(c.x() + s * 0.3, c.y());
      d.lineTo(c.x(), c.y() + s * 0.45);
      d.lineTo(c.x() - s * 0.3, c.y());
      d.closeSubpath();
      p.setPen(QPen(kGold, 0.7 * u));
      p.setBrush(Blend(ink, Qt::white, 0.3));
      p.drawPath(d);
      p.setPen(Qt::NoPen);
      p.setBrush(kGold);
      p.drawEllipse(c, 1.3 * u, 1.3 * u);
    }
  }
}

void Quatrefoils(QPainter& p, const QRectF& r, QColor ink, double u) {  // Medieval-2
  p.fillRect(r, Blend(ink, Qt::black, 0.15));
  const double s = 18 * u;
  p.setPen(QPen(Blend(ink, Qt::white, 0.55), 0.8 * u));
  for (double y = r.top(); y < r.bottom() + s; y += s) {
    for (double x = r.left(); x < r.right() + s; x += s) {
      p.setBrush(Blend(ink, Qt::white, 0.2));
      for (int k = 0; k < 4; ++k) {
        const double a = k * M_PI / 2;
        p.drawEllipse(QPointF(x + std::cos(a) * s * 0.2, y + std::sin(a) * s * 0.2), s * 0.2,
                      s * 0.2);
      }
      p.setBrush(kGold);
      p.drawEllipse(QPointF(x, y), s * 0.1, s * 0.1);
    }
  }
}

void Carpet(QPainter& p, const QRectF& r, QColor ink, double u) {
  const QColor bands[4] = {ink, kCream, Blend(ink, Qt::black, 0.4), kGold};
  QRectF b = r;
  for (int i = 0; i < 8 && b.width() > 0; ++i) {
    p.fillRect(b, bands[i % 4]);
    b.adjust(4 * u, 4 * u, -4 * u, -4 * u);
  }
  p.fillRect(b, Blend(ink, Qt::white, 0.15));
  const QPointF c = r.center();
  QPainterPath d;
  d.moveTo(c.x(), c.y() - 40 * u);
  d.lineTo(c.x() + 28 * u, c.y());
  d.lineTo(c.x(), c.y() + 40 * u);
  d.lineTo(c.x() - 28 * u, c.y());
  d.closeSubpath();
  p.setPen(QPen(kGold, 1.5 * u));
  p.setBrush(Blend(ink, Qt::black, 0.35));
  p.drawPath(d);
  p.setBrush(kCream);
  p.drawPath(Star(c, 14 * u, 6 * u, 8));
}

void Crosses(QPainter& p, const QRectF& r, QColor ink, double u) {
  p.fillRect(r, kCream);
  const double s = 16 * u;
  p.setPen(Qt::NoPen);
  for (double y = r.top(); y < r.bottom() + s; y += s) {
    for (double x = r.left(); x < r.right() + s; x += s) {
      p.setBrush(ink);
      p.drawRect(QRectF(x - s * 0.35, y - s * 0.1, s * 0.7, s * 0.2));
      p.drawRect(QRectF(x - s * 0.1, y - s * 0.35, s * 0.2, s * 0.7));
      p.setBrush(Blend(ink, Qt::white, 0.6));
      p.drawEllipse(QPointF(x + s / 2, y + s / 2), s * 0.08, s * 0.08);
    }
  }
}

void Chess(QPainter& p, const QRectF& r, QColor ink, double u) {
  const double s = 11 * u;
  for (int j = 0; j * s < r.height() + s; ++j) {
    for (int i = 0; i * s < r.width() + s; ++i) {
      p.fillRect(QRectF(r.left() + i * s, r.top() + j * s, s, s),
                 (i + j) % 2 ? Blend(ink, Qt::black, 0.2) : Blend(ink, Qt::white, 0.75));
    }
  }
  p.setPen(QPen(kGold, 1.2 * u));
  p.setBrush(Blend(ink, Qt::black, 0.3));
  p.drawEllipse(r.center(), 22 * u, 22 * u);
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawPath(Star(r.center(), 15 * u, 6 * u, 4));
}

void Argyle(QPainter& p, const QRectF& r, QColor ink, double u) {
  p.fillRect(r, Blend(ink, Qt::white, 0.1));
  const double w = 20 * u, h = 30 * u;
  for (int j = -1; j * h / 2 < r.height() + h; ++j) {
    for (int i = -1; i * w < r.width() + w; ++i) {
      const QPointF c(r.left() + i * w + (j % 2 ? w / 2 : 0), r.top() + j * h / 2);
      QPainterPath d;
      d.moveTo(c.x(), c.y() - h / 2);
      d.lineTo(c.x() + w / 2, c.y());
      d.lineTo(c.x(), c.y() + h / 2);
      d.lineTo(c.x() - w / 2, c.y());
      d.closeSubpath();
      p.setPen(QPen(kGold, 0.5 * u, Qt::DashLine));
      p.setBrush((i + j) % 2 ? Blend(ink, Qt::black, 0.3) : Blend(ink, Qt::white, 0.25));
      p.drawPath(d);
    }
  }
}

void Knightly(QPainter& p, const QRectF& r, QColor ink, double u) {
  const double s = 8 * u;
  for (int i = 0; i * s < r.width(); ++i) {
    p.fillRect(QRectF(r.left() + i * s, r.top(), s, r.height()),
               i % 2 ? ink : Blend(ink, Qt::black, 0.3));
  }
  const QPointF c = r.center();
  QPainterPath shield;
  shield.moveTo(c.x() - 26 * u, c.y() - 32 * u);
  shield.lineTo(c.x() + 26 * u, c.y() - 32 * u);
  shield.lineTo(c.x() + 26 * u, c.y() + 2 * u);
  shield.quadTo(c.x() + 24 * u, c.y() + 26 * u, c.x(), c.y() + 38 * u);
  shield.quadTo(c.x() - 24 * u, c.y() + 26 * u, c.x() - 26 * u, c.y() + 2 * u);
  shield.closeSubpath();
  p.setPen(QPen(kGold, 2 * u));
  p.setBrush(kCream);
  p.drawPath(shield);
  p.save();
  p.setClipPath(shield);
  p.fillRect(QRectF(c.x() - 26 * u, c.y() - 32 * u, 26 * u, 35 * u), ink);
  p.fillRect(QRectF(c.x(), c.y() + 3 * u, 26 * u, 40 * u), ink);
  p.restore();
  p.setPen(Qt::NoPen);
  p.setBrush(kGold);
  p.drawPath(Star(QPointF(c.x(), c.y() - 44 * u), 7 * u, 3 * u, 5));
}

void Folk(QPainter& p, const QRectF& r, QColor ink, double u) {  // Russian: berries and leaves
  p.fillRect(r, QColor(24, 20, 20));
  const QPointF c = r.center();
  const QColor red(200, 30, 30);
  for (int ring = 0; ring < 3; ++ring) {
    const int n = 6 + ring * 4;
    const double rad = (18 + ring * 22) * u;
    for (int k = 0; k < n; ++k) {
      const double a = k * 2 * M_PI / n + ring * 0.3;
      const QPointF q(c.x() + rad * std::cos(a), c.y() + rad * 1.3 * std::sin(a));
      p.save();
      p.translate(q);
      p.rotate(a * 180 / M_PI + 90);
      p.setPen(Qt::NoPen);
      p.setBrush(ring % 2 ? kGold : Blend(ink, QColor(40, 140, 60), 0.7));
      p.drawEllipse(QPointF(0, 0), 3 * u, 7 * u);
      p.restore();
      p.setBrush(red);
      p.drawEllipse(q + QPointF(6 * u, 0), 2.4 * u, 2.4 * u);
    }
  }
  p.setBrush(red);
  p.setPen(QPen(kGold, 1 * u));
  p.drawEllipse(c, 9 * u, 9 * u);
}

// The emblems of the groups.
void Animal(QPainter& p, int k, QPointF c, double s) {
  p.setPen(QPen(QColor(40, 30, 20), s * 0.03));
  p.setBrush(kCream);
  switch (k % 10) {
    case 0: {  // fish
      p.drawEllipse(c, s * 0.42, s * 0.22);
      QPolygonF tail{c + QPointF(s * 0.36, 0), c + QPointF(s * 0.62, -s * 0.2),
                     c + QPointF(s * 0.62, s * 0.2)};
      p.drawPolygon(tail);
      p.setBrush(Qt::black);
      p.drawEllipse(c + QPointF(-s * 0.24, -s * 0.04), s * 0.04, s * 0.04);
      break;
    }
    case 1:  // bird
      p.drawEllipse(c, s * 0.3, s * 0.2);
      p.drawEllipse(c + QPointF(-s * 0.3, -s * 0.16), s * 0.13, s * 0.13);
      p.drawChord(QRectF(c.x() - s * 0.1, c.y() - s * 0.5, s * 0.5, s * 0.6), 0, 180 * 16);
      p.setBrush(QColor(230, 160, 40));
      p.drawPolygon(QPolygonF{c + QPointF(-s * 0.42, -s * 0.18), c + QPointF(-s * 0.56, -s * 0.12),
                              c + QPointF(-s * 0.42, -s * 0.1)});
      break;
    case 2:  // butterfly
      for (int sx : {-1, 1}) {
        p.drawEllipse(c + QPointF(sx * s * 0.22, -s * 0.14), s * 0.22, s * 0.2);
        p.drawEllipse(c + QPointF(sx * s * 0.16, s * 0.18), s * 0.14, s * 0.14);
      }
      p.setBrush(QColor(40, 30, 20));
      p.drawEllipse(c, s * 0.05, s * 0.3);
      break;
    case 3:  // snail
      p.drawEllipse(c + QPointF(s * 0.05, -s * 0.08), s * 0.28, s * 0.28);
      p.drawEllipse(c + QPointF(s * 0.05, -s * 0.08), s * 0.14, s * 0.14);
      p.drawRoundedRect(QRectF(c.x() - s * 0.5, c.y() + s * 0.12, s * 0.9, s * 0.14), s * 0.07,
                        s * 0.07);
      break;
    case 4:  // owl
      p.drawEllipse(c, s * 0.3, s * 0.4);
      p.setBrush(Qt::white);
      p.drawEllipse(c + QPointF(-s * 0.13, -s * 0.15), s * 0.1, s * 0.1);
      p.drawEllipse(c + QPointF(s * 0.13, -s * 0.15), s * 0.1, s * 0.1);
      p.setBrush(Qt::black);
      p.drawEllipse(c + QPointF(-s * 0.13, -s * 0.15), s * 0.04, s * 0.04);
      p.drawEllipse(c + QPointF(s * 0.13, -s * 0.15), s * 0.04, s * 0.04);
      break;
    case 5:  // cat
      p.drawEllipse(c, s * 0.32, s * 0.28);
      p.drawPolygon(QPolygonF{c + QPointF(-s * 0.3, -s * 0.1), c + QPointF(-s * 0.26, -s * 0.45),
                              c + QPointF(-s * 0.05, -s * 0.26)});
      p.drawPolygon(QPolygonF{c + QPointF(s * 0.3, -s * 0.1), c + QPointF(s * 0.26, -s * 0.45),
                              c + QPointF(s * 0.05, -s * 0.26)});
      p.drawLine(c + QPointF(-s * 0.45, s * 0.05), c + QPointF(-s * 0.12, s * 0.06));
      p.drawLine(c + QPointF(s * 0.45, s * 0.05), c + QPointF(s * 0.12, s * 0.06));
      break;
    case 6:  // rabbit
      p.drawEllipse(c + QPointF(0, s * 0.12), s * 0.26, s * 0.24);
      p.drawEllipse(c + QPointF(-s * 0.1, -s * 0.3), s * 0.07, s * 0.22);
      p.drawEllipse(c + QPointF(s * 0.1, -s * 0.3), s * 0.07, s * 0.22);
      break;
    case 7:  // ladybird
      p.setBrush(QColor(210, 30, 30));
      p.drawEllipse(c, s * 0.34, s * 0.3);
      p.setBrush(Qt::black);
      p.drawEllipse(c + QPointF(-s * 0.36, 0), s * 0.12, s * 0.12);
      for (QPointF d : {QPointF(0.1, -0.12), QPointF(0.12, 0.12), QPointF(-0.08, 0.14),
                        QPointF(-0.04, -0.14)}) {
        p.drawEllipse(c + d * s, s * 0.05, s * 0.05);
      }
      break;
    case 8:  // turtle
      p.drawEllipse(c + QPointF(-s * 0.4, 0), s * 0.1, s * 0.08);
      p.setBrush(QColor(90, 140, 70));
      p.drawChord(QRectF(c.x() - s * 0.32, c.y() - s * 0.28, s * 0.64, s * 0.56), 0, 180 * 16);
      break;
    default:  // swan
      p.drawEllipse(c + QPointF(0, s * 0.12), s * 0.34, s * 0.16);
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(kCream, s * 0.07, Qt::SolidLine, Qt::RoundCap));
      QPainterPath neck;
      neck.moveTo(c + QPointF(-s * 0.2, s * 0.06));
      neck.cubicTo(c + QPointF(-s * 0.4, -s * 0.3), c + QPointF(-s * 0.05, -s * 0.45),
                   c + QPointF(-s * 0.05, -s * 0.3));
      p.drawPath(neck);
      break;
  }
}

void Flower(QPainter& p, int k, QPointF c, double s) {
  const int petals = 5 + k % 4 * 2 + (k > 5 ? 1 : 0);
  const QColor colours[10] = {QColor(230, 60, 90),   QColor(250, 200, 40), QColor(160, 90, 210),
                              QColor(250, 250, 250), QColor(240, 120, 40), QColor(80, 140, 230),
                              QColor(250, 150, 190), QColor(200, 30, 40),  QColor(120, 200, 220),
                              QColor(250, 230, 150)};
  p.setPen(QPen(QColor(40, 110, 50), s * 0.05));
  p.drawLine(c, c + QPointF(0, s * 0.55));
  p.setBrush(QColor(60, 140, 60));
  p.drawEllipse(c + QPointF(s * 0.14, s * 0.36), s * 0.14, s * 0.05);
  p.setPen(QPen(Blend(colours[k % 10], Qt::black, 0.35), s * 0.02));
  p.setBrush(colours[k % 10]);
  for (int i = 0; i < petals; ++i) {
    p.save();
    p.translate(c);
    p.rotate(i * 360.0 / petals);
    p.drawEllipse(QPointF(0, -s * 0.2), s * (k % 2 ? 0.08 : 0.11), s * 0.2);
    p.restore();
  }
  p.setBrush(QColor(250, 210, 60));
  p.drawEllipse(c, s * 0.09, s * 0.09);
}

void Place(QPainter& p, int k, QPointF c, double s) {
  p.setPen(Qt::NoPen);
  p.setBrush(k % 2 ? QColor(250, 220, 120) : QColor(240, 240, 250));
  p.drawEllipse(c + QPointF(s * 0.25, -s * 0.3), s * 0.1, s * 0.1);
  p.setBrush(QColor(30, 30, 40, 220));
  const double base = c.y() + s * 0.35;
  switch (k % 5) {
    case 0:  // mountains
      p.drawPolygon(QPolygonF{QPointF(c.x() - s * 0.5, base),
                              QPointF(c.x() - s * 0.15, c.y() - s * 0.2),
                              QPointF(c.x() + s * 0.1, base)});
      p.drawPolygon(QPolygonF{QPointF(c.x() - s * 0.1, base),
                              QPointF(c.x() + s * 0.2, c.y() - s * 0.05),
                              QPointF(c.x() + s * 0.5, base)});
      break;
    case 1:  // towers of a city
      for (int i = 0; i < 6; ++i) {
        const double h = s * (0.2 + ((i * 37 + k * 11) % 7) * 0.07);
        p.drawRect(QRectF(c.x() - s * 0.45 + i * s * 0.15, base - h, s * 0.13, h));
      }
      break;
    case 2:  // lighthouse
      p.drawPolygon(
          QPolygonF{QPointF(c.x() - s * 0.1, base), QPointF(c.x() - s * 0.05, c.y() - s * 0.3),
                    QPointF(c.x() + s * 0.05, c.y() - s * 0.3), QPointF(c.x() + s * 0.1, base)});
      p.drawRect(QRectF(c.x() - s * 0.5, base - s * 0.04, s, s * 0.06));
      break;
    case 3:  // bridge
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(QColor(30, 30, 40), s * 0.05));
      for (int i = 0; i < 3; ++i)
        p.drawArc(QRectF(c.x() - s * 0.45 + i * s * 0.3, base - s * 0.15, s * 0.3, s * 0.3), 0,
                  180 * 16);
      p.drawLine(QPointF(c.x() - s * 0.5, base - s * 0.15),
                 QPointF(c.x() + s * 0.5, base - s * 0.15));
      break;
    default:  // pyramids
      p.drawPolygon(QPolygonF{QPointF(c.x() - s * 0.45, base),
                              QPointF(c.x() - s * 0.1, c.y() - s * 0.15),
                              QPointF(c.x() + s * 0.25, base)});
      p.drawPolygon(QPolygonF{QPointF(c.x() + s * 0.05, base),
                              QPointF(c.x() + s * 0.28, c.y() + s * 0.02),
                              QPointF(c.x() + s * 0.5, base)});
      break;
  }
}

void Other(QPainter& p, int k, QPointF c, double s) {
  p.setPen(QPen(QColor(120, 80, 20), s * 0.02));
  p.setBrush(kGold);
  if (k % 3 == 0) {
    p.drawPath(Star(c, s * 0.42, s * (0.14 + k * 0.01), 5 + k % 4 * 2));
  } else if (k % 3 == 1) {  // sun with rays or a moon
    if (k > 4) {
      QPainterPath moon;
      moon.addEllipse(c, s * 0.36, s * 0.36);
      QPainterPath bite;
      bite.addEllipse(c + QPointF(s * 0.16, -s * 0.08), s * 0.3, s * 0.3);
      p.drawPath(moon.subtracted(bite));
    } else {
      p.drawPath(Star(c, s * 0.45, s * 0.3, 16));
      p.setBrush(QColor(250, 220, 110));
      p.drawEllipse(c, s * 0.24, s * 0.24);
    }
  } else {  // a rosette of circles
    for (int i = 0; i < 6 + k % 3; ++i) {
      const double a = i * 2 * M_PI / (6 + k % 3);
      p.drawEllipse(c + QPointF(std::cos(a), std::sin(a)) * s * 0.22, s * 0.16, s * 0.16);
    }
  }
}

void Group(QPainter& p, int set, int picture, const QRectF& r, double u) {
  const int k = picture - 1;
  const QColor fields[10] = {QColor(30, 80, 140),  QColor(140, 30, 50),  QColor(20, 110, 80),
                             QColor(100, 50, 130), QColor(170, 100, 20), QColor(20, 100, 120),
                             QColor(60, 60, 70),   QColor(150, 60, 90),  QColor(60, 110, 40),
                             QColor(110, 70, 40)};
  Field(p, r, fields[(k + set) % 10]);
  p.setPen(QPen(QColor(255, 255, 255, 40), 0.6 * u));
  for (double d = -r.height(); d < r.width(); d += 7 * u) {
    p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
  }
  const QPointF c = r.center();
  const double s = std::min(r.width(), r.height()) * 0.78;
  p.setPen(QPen(kGold, 1.6 * u));
  p.setBrush(Blend(fields[(k + set) % 10], Qt::black, 0.35));
  p.drawEllipse(c, s * 0.52, s * 0.62);
  switch (set) {
    case 8:
      Animal(p, k, c, s * 0.8);
      break;
    case 9:
      Flower(p, k, c - QPointF(0, s * 0.1), s * 0.8);
      break;
    case 10:
      Place(p, k, c, s * 0.8);
      break;
    default:
      Other(p, k, c, s * 0.8);
      break;
  }
}

}  // namespace

void PaintMotif(QPainter& p, int set, int picture, QColor ink, const QRectF& r, double u) {
  switch (set) {
    case 1:
      return Lattice(p, r, ink, u);
    case 2:
      return Quatrefoils(p, r, ink, u);
    case 3:
      return Carpet(p, r, ink, u);
    case 4:
      return Crosses(p, r, ink, u);
    case 5:
      return Chess(p, r, ink, u);
    case 6:
      return Argyle(p, r, ink, u);
    case 7:
      return Knightly(p, r, ink, u);
    case 12:
      return Folk(p, r, ink, u);
    default:
      return Group(p, set, picture, r, u);
  }
}

}  // namespace ostrel::packgen
