// Still pictures of the verdict window and the champions table: the scroll,
// medals and place numbers, header bars and red ribbons.
#include <array>
#include <cmath>
#include <random>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

void PaintRoll(QPainter& p, const QRectF& r) {
  QLinearGradient g = Vertical(r, QColor(190, 160, 104), QColor(150, 116, 60));
  g.setColorAt(0.3, QColor(252, 238, 200));
  g.setColorAt(0.55, QColor(218, 190, 134));
  p.setPen(QPen(QColor(110, 80, 30), 1.2));
  p.setBrush(g);
  p.drawRoundedRect(r, r.height() / 2, r.height() / 2);
  // Gold knobs at both ends.
  for (const double x : {r.left() - 6, r.right() + 6}) {
    const QRectF knob(x - 8, r.center().y() - 11, 16, 22);
    p.setBrush(GoldGradient(knob.topLeft(), knob.bottomRight()));
    p.setPen(QPen(QColor(90, 60, 10), 1));
    p.drawEllipse(knob);
  }
}

QImage PaintScroll() {
  QImage img = Canvas(450, 570);
  QPainter p(&img);
  Smooth(p);
  const QRectF sheet(34, 34, 382, 502);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 60));
  p.drawRect(sheet.translated(4, 5));
  QRadialGradient paper(sheet.center(), 330);
  paper.setColorAt(0, QColor(252, 243, 220));
  paper.setColorAt(0.7, QColor(240, 222, 180));
  paper.setColorAt(1, QColor(214, 186, 132));
  p.setBrush(paper);
  p.drawRect(sheet);
  // Age spots, the same in every build.
  std::mt19937 random(2512u);
  std::uniform_real_distribution<double> x(sheet.left(), sheet.right());
  std::uniform_real_distribution<double> y(sheet.top(), sheet.bottom());
  std::uniform_real_distribution<double> size(6, 30);
  p.setClipRect(sheet);
  for (int i = 0; i < 40; ++i) {
    const QPointF c(x(random), y(random));
    const double s = size(random);
    QRadialGradient spot(c, s);
    spot.setColorAt(0, QColor(170, 130, 70, 26));
    spot.setColorAt(1, QColor(170, 130, 70, 0));
    p.setBrush(spot);
    p.drawEllipse(c, s, s);
  }
  p.setClipping(false);
  // A fine double border in brown ink, with the four suits at its corners.
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(140, 96, 40, 170), 1.4));
  p.drawRect(sheet.adjusted(16, 30, -16, -30));
  p.setPen(QPen(QColor(140, 96, 40, 110), 0.8));
  p.drawRect(sheet.adjusted(21, 35, -21, -35));
  const std::array<Suit, 4> suits = {Suit::kHearts, Suit::kSpades, Suit::kDiamonds, Suit::kClubs};
  const QRectF in = sheet.adjusted(16, 30, -16, -30);
  const std::array<QPointF, 4> corners = {in.topLeft(), in.topRight(), in.bottomLeft(),
                                          in.bottomRight()};
  for (size_t i = 0; i < 4; ++i) {
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(246, 234, 204));
    p.drawEllipse(corners[i], 9, 9);
    PaintSuit(p, suits[i], QRectF(corners[i].x() - 7, corners[i].y() - 7, 14, 14), false);
  }
  PaintRoll(p, QRectF(22, 14, 406, 36));
  PaintRoll(p, QRectF(22, 520, 406, 36));
  return img;
}

void PaintLaurel(QPainter& p, QPointF c, double r, QColor leaf) {
  p.save();
  p.setPen(Qt::NoPen);
  for (int side = -1; side <= 1; side += 2) {
    for (int i = 0; i < 9; ++i) {
      const double a = M_PI / 2 + side * (0.35 + i * 0.29);
      const QPointF at = c + QPointF(r * std::cos(a), r * std::sin(a));
      p.save();
      p.translate(at);
      p.rotate(a * 180 / M_PI + (side > 0 ? 90 : -90) + side * 25);
      p.setBrush(i % 2 == 0 ? leaf : Mix(leaf, Qt::black, 0.2));
      p.drawEllipse(QRectF(-2.4, -6, 4.8, 12));
      p.restore();
    }
  }
  p.restore();
}

QImage PaintMedal(int side, QColor light, QColor dark, bool ribbon) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const double k = side / 104.0;
  const QPointF c(side / 2.0, side * 0.46);
  const double r = side * 0.4;
  if (ribbon) {
    for (int s = -1; s <= 1; s += 2) {
      QPainterPath tail;
      tail.moveTo(c + QPointF(s * 8 * k, 10 * k));
      tail.lineTo(c + QPointF(s * 30 * k, 54 * k));
      tail.lineTo(c + QPointF(s * 20 * k, 50 * k));
      tail.lineTo(c + QPointF(s * 14 * k, 56 * k));
      tail.lineTo(c + QPointF(s * -6 * k, 14 * k));
      tail.closeSubpath();
      p.setPen(QPen(QColor(90, 0, 10), 1 * k));
      p.setBrush(s < 0 ? QColor(180, 20, 34) : QColor(150, 10, 26));
      p.drawPath(tail);
    }
  }
  QLinearGradient metal(c - QPointF(r, r), c + QPointF(r, r));
  metal.setColorAt(0, Mix(light, Qt::white, 0.4));
  metal.setColorAt(0.45, light);
  metal.setColorAt(0.7, dark);
  metal.setColorAt(1, light);
  p.setPen(QPen(Mix(dark, Qt::black, 0.5), 1.4 * k));
  p.setBrush(metal);
  p.drawEllipse(c, r, r);
  QRadialGradient centre(c - QPointF(r * 0.3, r * 0.3), r);
  centre.setColorAt(0, Mix(light, Qt::white, 0.5));
  centre.setColorAt(1, dark);
  p.setBrush(centre);
  p.drawEllipse(c, r * 0.72, r * 0.72);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(Mix(light, Qt::white, 0.5), 1 * k));
  p.drawEllipse(c, r * 0.78, r * 0.78);
  if (side >= 80) PaintLaurel(p, c, r * 0.87, Mix(dark, QColor(60, 90, 20), 0.35));
  return img;
}

QImage PaintPlace(int place) {
  QImage img = Canvas(104, 104);
  QPainter p(&img);
  Smooth(p);
  const QString text = QString::number(place);
  const double size = place >= 10 ? 40 : 48;
  FancyText(p, QRectF(0, 48 - 30, 104, 60), text, MakeFont(Face::kFigures, size),
            QColor(128, 14, 28), QColor(255, 244, 200), 2.2, QColor(0, 0, 0, 90));
  return img;
}

QImage PaintSmallMedal(int place) {
  const std::array<std::pair<QColor, QColor>, 3> metals = {
      {{QColor(250, 210, 80), QColor(160, 110, 20)},
       {QColor(230, 232, 240), QColor(130, 134, 150)},
       {QColor(230, 150, 90), QColor(130, 70, 30)}}};
  const auto& m = metals[static_cast<size_t>(place - 1)];
  QImage img = Canvas(40, 40);
  QPainter p(&img);
  Smooth(p);
  // The ribbon as a V above the disc.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(30, 60, 160));
  p.drawPolygon(QPolygonF({QPointF(9, 1), QPointF(17, 1), QPointF(22, 16), QPointF(16, 18)}));
  p.setBrush(QColor(190, 24, 36));
  p.drawPolygon(QPolygonF({QPointF(31, 1), QPointF(23, 1), QPointF(18, 16), QPointF(24, 18)}));
  p.drawImage(QRectF(6, 10, 28, 28), PaintMedal(56, m.first, m.second, false));
  FancyText(p, QRectF(6, 9.5, 28, 28), QString::number(place), MakeFont(Face::kFigures, 16),
            Mix(m.second, Qt::black, 0.45), Mix(m.first, Qt::white, 0.5), 0.8, QColor(0, 0, 0, 0));
  return img;
}

// A dark red bar with gold edges; the window writes its title over it.
QImage PaintCap(int w, int h) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0, 0, w, h);
  QLinearGradient fill = Vertical(r, QColor(150, 26, 40), QColor(60, 4, 14));
  fill.setColorAt(0.5, QColor(110, 12, 26));
  p.fillRect(r, fill);
  p.fillRect(QRectF(0, 0, w, 4), GoldGradient(QPointF(0, 0), QPointF(w, 0)));
  p.fillRect(QRectF(0, h - 4, w, 4), GoldGradient(QPointF(0, 0), QPointF(w, 0)));
  p.setPen(QPen(QColor(240, 200, 110, 120), 1));
  p.drawLine(QPointF(0, 7.5), QPointF(w, 7.5));
  p.drawLine(QPointF(0, h - 7.5), QPointF(w, h - 7.5));
  // A faint damask of diamonds.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 220, 150, 18));
  for (int x = 12; x < w; x += 24) {
    for (int y = 16; y < h - 8; y += 16) {
      const double off = ((y / 16) % 2) * 12;
      p.drawPath(SuitPath(Suit::kDiamonds, QRectF(x + off - 5, y - 5, 10, 10)));
    }
  }
  for (const double x : {22.0, w - 22.0}) {
    p.setBrush(GoldGradient(QPointF(x - 9, h / 2.0 - 9), QPointF(x + 9, h / 2.0 + 9)));
    p.drawPath(StarPath(QPointF(x, h / 2.0), 10, 4, 8));
  }
  return img;
}

// A red ribbon banner with folded tails.
QImage PaintRibbon(int w, int h) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  const double t = h * 0.22;     // top of the band
  const double b = h * 0.74;     // bottom of the band
  const double sag = h * 0.12;   // the band's curve
  const double tail = w * 0.13;  // width of each tail
  for (int s = -1; s <= 1; s += 2) {
    const double x0 = s < 0 ? 0 : w;
    const double x1 = s < 0 ? tail * 1.6 : w - tail * 1.6;
    QPainterPath end;
    end.moveTo(x0, t + sag + h * 0.1);
    end.lineTo(x1, t + sag * 0.5 + h * 0.1);
    end.lineTo(x1, b + sag * 0.5 + h * 0.1);
    end.lineTo(x0, b + sag + h * 0.1);
    end.lineTo(x0 + (s < 0 ? tail * 0.6 : -tail * 0.6), (t + b) / 2 + sag + h * 0.1);
    end.closeSubpath();
    p.setPen(QPen(QColor(80, 0, 8), 1));
    p.setBrush(QColor(132, 10, 24));
    p.drawPath(end);
  }
  QPainterPath band;
  band.moveTo(tail, t);
  band.quadTo(w / 2.0, t + sag * 2, w - tail, t);
  band.lineTo(w - tail, b);
  band.quadTo(w / 2.0, b + sag * 2, tail, b);
  band.closeSubpath();
  QLinearGradient fill(QPointF(0, t), QPointF(0, b + sag));
  fill.setColorAt(0, QColor(232, 60, 64));
  fill.setColorAt(0.45, QColor(196, 22, 34));
  fill.setColorAt(1, QColor(120, 6, 18));
  p.setPen(QPen(QColor(90, 0, 10), 1.2));
  p.setBrush(fill);
  p.drawPath(band);
  // Gold stitching along both edges.
  QPen stitch(QColor(250, 214, 120, 210), 1.2, Qt::DashLine);
  p.setPen(stitch);
  p.setBrush(Qt::NoBrush);
  QPainterPath top, bottom;
  top.moveTo(tail + 4, t + 5);
  top.quadTo(w / 2.0, t + 5 + sag * 2, w - tail - 4, t + 5);
  bottom.moveTo(tail + 4, b - 5);
  bottom.quadTo(w / 2.0, b - 5 + sag * 2, w - tail - 4, b - 5);
  p.drawPath(top);
  p.drawPath(bottom);
  return img;
}

}  // namespace

void DrawVerdictArt(Sink& sink) {
  sink.Png(QStringLiteral("GSvitok"), PaintScroll());
  sink.Png(QStringLiteral("GMedal"),
           PaintMedal(104, QColor(250, 212, 90), QColor(166, 112, 20), true));
  for (int place = 0; place <= 10; ++place) {
    sink.Png(QStringLiteral("GPlace%1").arg(place, 2, 10, QLatin1Char('0')), PaintPlace(place));
  }
  for (int place = 1; place <= 3; ++place) {
    sink.Png(QStringLiteral("GMEDAL%1").arg(place, 2, 10, QLatin1Char('0')),
             PaintSmallMedal(place));
  }
  sink.Png(QStringLiteral("GCap550"), PaintCap(550, 64));
  sink.Png(QStringLiteral("GCap300"), PaintCap(300, 64));
  sink.Png(QStringLiteral("GLenta380x120"), PaintRibbon(380, 120));
  sink.Png(QStringLiteral("GLenta280x090"), PaintRibbon(280, 90));
}

}  // namespace ostrel::artgen
