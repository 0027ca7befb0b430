// One routine draws every card of every drawn design: paper, frame, corner indices, the pips of
// the spot cards, the ace's medallion and the double-headed court figures.
#include <array>
#include <cmath>
#include <vector>

#include "tools/packgen/drawn_style.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

const QColor kSkin(242, 208, 172);

void Paper(QPainter& p, const DrawnStyle& s, const QRectF& card, double u) {
  QRadialGradient g(card.center(), card.height() * 0.7);
  g.setColorAt(0, s.paper);
  g.setColorAt(1, s.paper_edge);
  p.setPen(QPen(s.border, 1.2 * u));
  p.setBrush(g);
  p.drawRoundedRect(card.adjusted(0.6 * u, 0.6 * u, -0.6 * u, -0.6 * u), 7 * u, 7 * u);
}

void Zigzag(QPainter& p, const QRectF& r, QColor c, double u) {
  QPainterPath band;
  const double step = 8 * u;
  for (double y : {r.top() - 5 * u, r.bottom() + 1 * u}) {
    for (double x = r.left(); x + step <= r.right() + 0.1; x += step) {
      band.moveTo(x, y + 4 * u);
      band.lineTo(x + step / 2, y);
      band.lineTo(x + step, y + 4 * u);
      band.closeSubpath();
    }
  }
  p.setPen(Qt::NoPen);
  p.setBrush(c);
  p.drawPath(band);
}

void CornerMarks(QPainter& p, const DrawnStyle& s, const QRectF& r, double u) {
  const std::array<QPointF, 4> corners = {r.topLeft(), r.topRight(), r.bottomLeft(),
                                          r.bottomRight()};
  for (const QPointF& c : corners) {
    switch (s.frame) {
      case Frame::kRoses:
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(70, 120, 60));
        p.drawEllipse(c + QPointF(4 * u, 3 * u), 3 * u, 1.6 * u);
        p.setBrush(Blend(s.inks[0], Qt::white, 0.3));
        p.drawEllipse(c, 4.2 * u, 4.2 * u);
        p.setBrush(Blend(s.inks[0], Qt::white, 0.6));
        p.drawEllipse(c, 2.4 * u, 2.4 * u);
        p.setBrush(s.inks[0]);
        p.drawEllipse(c, 1 * u, 1 * u);
        break;
      case Frame::kStars:
        p.setPen(QPen(s.trim, 0.5 * u));
        p.setBrush(s.inks[0]);
        p.drawPath(Star(c, 5 * u, 2 * u, 5));
        break;
      case Frame::kSteps: {
        p.setPen(Qt::NoPen);
        p.setBrush(s.border);
        for (int k = 0; k < 3; ++k) {
          const double a = (3 - k) * 2.4 * u;
          p.drawRect(QRectF(c.x() - a / 2, c.y() - a / 2, a, a));
          p.setBrush(k % 2 ? s.border : s.trim);
        }
        break;
      }
      default:
        break;
    }
  }
}

void Fret(QPainter& p, const QRectF& r, QColor c, double u) {
  p.setPen(QPen(c, 0.9 * u));
  p.setBrush(Qt::NoBrush);
  const double step = 7 * u;
  for (double y : {r.top() - 4 * u, r.bottom() + 1 * u}) {
    for (double x = r.left(); x + step <= r.right() + 0.1; x += step) {
      QPainterPath k;
      k.moveTo(x, y + 3 * u);
      k.lineTo(x, y);
      k.lineTo(x + step * 0.7, y);
      k.lineTo(x + step * 0.7, y + 3 * u);
      k.lineTo(x + step * 0.3, y + 3 * u);
      k.lineTo(x + step * 0.3, y + 1.5 * u);
      p.drawPath(k);
    }
  }
}

void Deco(QPainter& p, const QRectF& r, QColor c, double u) {
  p.setPen(QPen(c, 0.7 * u));
  for (double y : {r.top(), r.bottom()}) {
    const double dir = y == r.top() ? 1 : -1;
    for (int i = -4; i <= 4; ++i) {
      const double a = i * 0.3;
      p.drawLine(QPointF(r.center().x(), y),
                 QPointF(r.center().x() + 12 * u * std::sin(a), y + dir * 9 * u * std::cos(a)));
    }
  }
}

void PaintFrame(QPainter& p, const DrawnStyle& s, const QRectF& r, double u) {
  p.save();
  p.setBrush(Qt::NoBrush);
  if (s.frame != Frame::kNone) {
    p.setPen(QPen(s.border, 0.9 * u));
    p.drawRect(r);
  }
  if (s.frame == Frame::kDouble || s.frame == Frame::kSteps || s.frame == Frame::kFret) {
    p.setPen(QPen(s.trim, 0.6 * u));
    p.drawRect(r.adjusted(-2.2 * u, -2.2 * u, 2.2 * u, 2.2 * u));
  }
  if (s.frame == Frame::kZigzag) Zigzag(p, r, s.border, u);
  if (s.frame == Frame::kFret) Fret(p, r, s.trim, u);
  if (s.frame == Frame::kDeco) Deco(p, r, s.trim, u);
  CornerMarks(p, s, r, u);
  p.restore();
}

void Index(QPainter& p, const DrawnStyle& s, int suit, int rank, double u) {
  const QString text = QString::fromUtf8(s.ranks[rank]);
  const bool digits = text[0].isDigit();
  QFont font =
      Font(digits ? Face::kFigures : Face::kSans, (text.size() > 1 ? 13 : 16) * u, !digits);
  if (s.corner == Corner::kLarge) font.setPixelSize(static_cast<int>(font.pixelSize() * 1.25));
  p.setFont(font);
  const QRectF box(2 * u, 3 * u, 18 * u, (s.corner == Corner::kLarge ? 21 : 17) * u);
  if (s.corner == Corner::kBoxed) {
    p.setPen(QPen(s.inks[suit], 0.7 * u));
    p.setBrush(Blend(s.paper, Qt::white, 0.5));
    p.drawRoundedRect(box.adjusted(1 * u, 0, -1 * u, 14 * u), 2.5 * u, 2.5 * u);
  }
  p.setPen(s.inks[suit]);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignVCenter, text);
  PaintPip(p, s, suit, QRectF(5 * u, box.bottom() + 0.5 * u, 12 * u, 12 * u));
}

// Pip places in the pip area, x and y from 0 to 1.
std::vector<QPointF> Layout(int rank) {
  const double t = 1.0 / 3, m = 0.5;
  std::vector<QPointF> six = {{0, 0}, {1, 0}, {0, m}, {1, m}, {0, 1}, {1, 1}};
  std::vector<QPointF> eight = {{0, 0},     {1, 0},     {0, t}, {1, t},
                                {0, 2 * t}, {1, 2 * t}, {0, 1}, {1, 1}};
  switch (rank) {
    case 0:
      return six;
    case 1:
      six.push_back({m, 0.25});
      return six;
    case 2:
      six.push_back({m, 0.25});
      six.push_back({m, 0.75});
      return six;
    case 3:
      eight.push_back({m, m});
      return eight;
    default:
      eight.push_back({m, 1.0 / 6});
      eight.push_back({m, 5.0 / 6});
      return eight;
  }
}

void Spots(QPainter& p, const DrawnStyle& s, int suit, int rank, const QRectF& area, double u) {
  const double pip = 23 * u;
  const QRectF inner = area.adjusted(pip * 0.6, pip * 0.55, -pip * 0.6, -pip * 0.55);
  for (const QPointF& f : Layout(rank)) {
    const QPointF c(inner.left() + f.x() * inner.width(), inner.top() + f.y() * inner.height());
    p.save();
    p.translate(c);
    if (f.y() > 0.5) p.rotate(180);
    PaintPip(p, s, suit, QRectF(-pip / 2, -pip / 2, pip, pip));
    p.restore();
  }
}

void Ace(QPainter& p, const DrawnStyle& s, int suit, const QRectF& area, double u) {
  const QPointF c = area.center();
  p.setPen(QPen(s.trim, 1.1 * u));
  p.setBrush(Blend(s.paper, s.robe_b, 0.18));
  p.drawEllipse(c, 40 * u, 40 * u);
  p.setPen(QPen(s.border, 0.6 * u, Qt::DotLine));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 35 * u, 35 * u);
  p.setPen(Qt::NoPen);
  p.setBrush(s.trim);
  for (int i = 0; i < 12; ++i) {
    const double a = i * M_PI / 6;
    p.drawPath(Star(c + QPointF(40 * u * std::cos(a), 40 * u * std::sin(a)), 3 * u, 1.2 * u, 4));
  }
  PaintPip(p, s, suit, QRectF(c.x() - 24 * u, c.y() - 24 * u, 48 * u, 48 * u));
}

// The upper half of a court figure in a box w x h whose bottom edge is the card's middle.
void Figure(QPainter& p, const DrawnStyle& s, int suit, int rank, double w, double h, double u) {
  const double cx = w / 2;
  // Robe with a collar and bands that vary with the design.
  QPainterPath robe;
  robe.moveTo(0.12 * w, h);
  robe.lineTo(0.16 * w, 0.74 * h);
  robe.quadTo(0.2 * w, 0.62 * h, 0.38 * w, 0.6 * h);
  robe.lineTo(0.62 * w, 0.6 * h);
  robe.quadTo(0.8 * w, 0.62 * h, 0.84 * w, 0.74 * h);
  robe.lineTo(0.88 * w, h);
  robe.closeSubpath();
  const QColor robe_colour = (suit + s.seed) % 2 ? s.robe_a : s.robe_b;
  const QColor other = (suit + s.seed) % 2 ? s.robe_b : s.robe_a;
  p.setPen(QPen(Blend(robe_colour, Qt::black, 0.5), 0.8 * u));
  p.setBrush(robe_colour);
  p.drawPath(robe);
  p.save();
  p.setClipPath(robe);
  p.setPen(Qt::NoPen);
  p.setBrush(other);
  const int bands = 3 + (s.seed + rank) % 3;
  for (int i = 0; i < bands; ++i) {
    const double x = 0.1 * w + i * 0.8 * w / bands;
    if ((s.seed + i) % 2) {
      p.drawRect(QRectF(x, 0.58 * h, 0.8 * w / bands / 2.4, h));
    } else {
      for (double y = 0.66 * h; y < h; y += 6 * u)
        p.drawEllipse(QPointF(x + 3 * u, y), 1.6 * u, 1.6 * u);
    }
  }
  p.restore();
  QPainterPath collar;
  collar.moveTo(0.34 * w, 0.58 * h);
  collar.lineTo(cx, 0.8 * h);
  collar.lineTo(0.66 * w, 0.58 * h);
  p.setPen(QPen(s.trim, 3 * u));
  p.setBrush(Qt::NoBrush);
  p.drawPath(collar);
  PaintPip(p, s, suit, QRectF(cx - 6 * u, 0.8 * h, 12 * u, 12 * u));
  // An arm raised to what the figure holds, on the side of the held thing.
  const double side = rank == 6 ? 1 : -1;
  QPainterPath sleeve;
  sleeve.moveTo(cx + side * 0.22 * w, 0.66 * h);
  sleeve.quadTo(cx + side * 0.34 * w, 0.72 * h, cx + side * 0.3 * w, 0.88 * h);
  sleeve.lineTo(cx + side * 0.18 * w, 0.9 * h);
  sleeve.quadTo(cx + side * 0.2 * w, 0.76 * h, cx + side * 0.12 * w, 0.7 * h);
  sleeve.closeSubpath();
  p.setPen(QPen(Blend(other, Qt::black, 0.5), 0.6 * u));
  p.setBrush(other);
  p.drawPath(sleeve);
  p.setBrush(kSkin);
  p.drawEllipse(QPointF(cx + side * 0.27 * w, 0.88 * h), 2.6 * u, 2.4 * u);
  // Head, hair and face.
  const QPointF head(cx, 0.42 * h);
  const double hr = 0.15 * w;
  p.setPen(QPen(QColor(120, 80, 50), 0.6 * u));
  p.setBrush(rank == 6 ? QColor(214, 170, 80) : QColor(96, 58, 30));
  if (rank == 6)
    p.drawRoundedRect(QRectF(cx - hr * 1.25, head.y() - hr * 0.6, hr * 2.5, hr * 2.3), hr, hr);
  p.setBrush(kSkin);
  p.drawEllipse(head, hr, hr * 1.18);
  if (rank == 7) {  // the king's beard
    p.setBrush(Blend(s.trim, QColor(90, 70, 60), 0.6));
    QPainterPath beard;
    beard.moveTo(head.x() - hr * 0.9, head.y() + hr * 0.2);
    beard.quadTo(head.x(), head.y() + hr * 1.75, head.x() + hr * 0.9, head.y() + hr * 0.2);
    beard.quadTo(head.x(), head.y() + hr * 1.05, head.x() - hr * 0.9, head.y() + hr * 0.2);
    p.drawPath(beard);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(40, 30, 30));
  p.drawEllipse(head + QPointF(-hr * 0.38, -hr * 0.1), hr * 0.11, hr * 0.13);
  p.drawEllipse(head + QPointF(hr * 0.38, -hr * 0.1), hr * 0.11, hr * 0.13);
  p.setPen(QPen(QColor(170, 60, 60), 0.8 * u));
  p.drawLine(head + QPointF(-hr * 0.25, hr * 0.5), head + QPointF(hr * 0.25, hr * 0.5));
  // Head wear: crown, tiara or cap.
  const double top = head.y() - hr * 1.15;
  p.setPen(QPen(Blend(s.trim, Qt::black, 0.4), 0.6 * u));
  p.setBrush(s.trim);
  if (rank == 7) {
    QPainterPath crown;
    crown.moveTo(cx - hr, top + hr * 0.2);
    for (int i = 0; i < 5; ++i) {
      crown.lineTo(cx - hr + (i + 0.5) * hr * 0.4, top - hr * 0.75);
      crown.lineTo(cx - hr + (i + 1) * hr * 0.4, top - hr * 0.1);
    }
    crown.lineTo(cx + hr, top + hr * 0.2);
    crown.closeSubpath();
    p.drawPath(crown);
    p.setBrush(s.inks[0]);
    p.drawEllipse(QPointF(cx, top - hr * 0.05), hr * 0.14, hr * 0.14);
  } else if (rank == 6) {
    p.drawChord(QRectF(cx - hr * 0.9, top - hr * 0.5, hr * 1.8, hr * 1.2), 0, 180 * 16);
    for (int i = -1; i <= 1; ++i)
      p.drawEllipse(QPointF(cx + i * hr * 0.55, top - hr * 0.45 + std::abs(i) * hr * 0.2),
                    hr * 0.14, hr * 0.14);
  } else {
    p.setBrush(other);
    p.drawEllipse(QRectF(cx - hr * 1.2, top - hr * 0.35, hr * 2.4, hr * 0.8));
    p.setPen(QPen(s.inks[suit], 1.4 * u, Qt::SolidLine, Qt::RoundCap));
    p.setBrush(Qt::NoBrush);
    QPainterPath feather;
    feather.moveTo(cx + hr * 0.6, top);
    feather.cubicTo(cx + hr * 1.4, top - hr * 0.9, cx + hr * 2.0, top - hr * 0.6, cx + hr * 2.3,
                    top - hr * 1.2);
    p.drawPath(feather);
  }
  // What the figure holds: sceptre, rose or halberd.
  p.setPen(QPen(Blend(s.trim, Qt::black, 0.3), 1.6 * u, Qt::SolidLine, Qt::RoundCap));
  const double hx = cx + side * 0.27 * w;
  p.drawLine(QPointF(hx, 0.98 * h), QPointF(hx, 0.24 * h));
  p.setPen(QPen(Blend(s.trim, Qt::black, 0.5), 0.5 * u));
  p.setBrush(rank == 6 ? s.inks[0] : s.trim);
  if (rank == 5) {
    QPainterPath blade;
    blade.moveTo(hx, 0.2 * h);
    blade.lineTo(hx + 5 * u, 0.3 * h);
    blade.lineTo(hx - 5 * u, 0.34 * h);
    blade.closeSubpath();
    p.drawPath(blade);
  } else {
    p.drawEllipse(QPointF(hx, 0.26 * h), 3.4 * u, 3.4 * u);
  }
}

void Court(QPainter& p, const DrawnStyle& s, int suit, int rank, const QRectF& area, double u) {
  p.save();
  p.setPen(QPen(s.border, 0.9 * u));
  QLinearGradient g(area.topLeft(), area.bottomRight());
  g.setColorAt(0, Blend(s.paper, s.robe_b, 0.12));
  g.setColorAt(1, Blend(s.paper, s.robe_a, 0.12));
  p.setBrush(g);
  p.drawRect(area);
  p.setClipRect(area);
  const double hh = area.height() / 2;
  for (int half = 0; half < 2; ++half) {
    p.save();
    p.translate(area.center());
    p.rotate(half * 180);
    p.translate(-area.width() / 2, -hh);
    QPainterPath clip;
    clip.addRect(QRectF(0, 0, area.width(), hh));
    p.setClipPath(clip, Qt::IntersectClip);
    Figure(p, s, suit, rank, area.width(), hh, u);
    p.restore();
  }
  p.setPen(QPen(s.border, 0.8 * u));
  p.drawLine(QPointF(area.left(), area.center().y()), QPointF(area.right(), area.center().y()));
  PaintPip(p, s, suit, QRectF(area.left() + 3 * u, area.top() + 3 * u, 13 * u, 13 * u));
  p.translate(area.center());
  p.rotate(180);
  PaintPip(p, s, suit, QRectF(-area.width() / 2 + 3 * u, -hh + 3 * u, 13 * u, 13 * u));
  p.restore();
}

}  // namespace

QImage DrawCard(const DrawnStyle& s, int suit, int rank, int w, int h) {
  QImage image = Canvas(w, h);
  QPainter p(&image);
  Smooth(p);
  const double u = h / 198.0;
  const QRectF card(0, 0, w, h);
  Paper(p, s, card, u);
  const QRectF area(22 * u, 16 * u, w - 44 * u, h - 32 * u);
  PaintFrame(p, s, area.adjusted(-2 * u, -2 * u, 2 * u, 2 * u), u);
  for (int corner = 0; corner < 2; ++corner) {
    p.save();
    if (corner) {
      p.translate(w, h);
      p.rotate(180);
    }
    Index(p, s, suit, rank, u);
    p.restore();
  }
  if (rank <= 4) {
    Spots(p, s, suit, rank, area, u);
  } else if (rank == 8) {
    Ace(p, s, suit, area, u);
  } else {
    Court(p, s, suit, rank, area.adjusted(2 * u, 2 * u, -2 * u, -2 * u), u);
  }
  return image;
}

}  // namespace ostrel::packgen
