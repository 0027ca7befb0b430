// Controls: the skins of the picture buttons, the red mouse cursors, the music
// player's buttons and the clock digits.
#include <array>
#include <cmath>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

constexpr int kMiddle = 8;

int EndWidth(int height) {
  return static_cast<int>(std::ceil(height * 0.4));
}

// One whole button of the smallest width; cut into its left end, its middle
// (which the button stretches) and its right end. Red, so that the button
// class can recolour it by exchanging channels.
QImage PaintButton(int h, bool rounded) {
  const int e = EndWidth(h);
  QImage img = Canvas(2 * e + kMiddle, h);
  QPainter p(&img);
  Smooth(p);
  const double u = h / 29.0;
  const QRectF r(0.5, 0.5, img.width() - 1, h - 1);
  const double radius = rounded ? r.height() / 2 : 6 * u;
  const QColor red(190, 20, 28);
  if (rounded) {
    // The new look: a glassy pill with a dark edge.
    p.setPen(QPen(QColor(70, 0, 6), 1.0 * u));
    QLinearGradient fill = Vertical(r, QColor(236, 90, 96), QColor(120, 0, 10));
    fill.setColorAt(0.5, red);
    fill.setColorAt(0.52, QColor(160, 8, 18));
    p.setBrush(fill);
    p.drawRoundedRect(r, radius, radius);
    p.setPen(Qt::NoPen);
    p.setBrush(Vertical(r, QColor(255, 255, 255, 110), QColor(255, 255, 255, 0)));
    const QRectF top = r.adjusted(2 * u, 1.5 * u, -2 * u, -r.height() * 0.5);
    p.drawRoundedRect(top, top.height() / 2, top.height() / 2);
  } else {
    // The classic look: a bevelled plate in a gold rim.
    GoldRim(p, r, radius, 2.2 * u);
    const QRectF body = r.adjusted(2.2 * u, 2.2 * u, -2.2 * u, -2.2 * u);
    QLinearGradient fill = Vertical(body, QColor(226, 64, 70), QColor(120, 4, 14));
    fill.setColorAt(0.45, red);
    p.setPen(Qt::NoPen);
    p.setBrush(fill);
    p.drawRoundedRect(body, radius - 2 * u, radius - 2 * u);
    p.setBrush(QColor(255, 255, 255, 50));
    p.drawRoundedRect(body.adjusted(1.5 * u, 1 * u, -1.5 * u, -body.height() * 0.55), 3 * u, 3 * u);
  }
  return img;
}

void DrawButtonSkins(Sink& sink) {
  for (const bool rounded : {false, true}) {
    for (const int h : {29, 44, 59}) {
      const QImage whole = PaintButton(h, rounded);
      const int e = EndWidth(h);
      const QString base = QStringLiteral("%1%2_").arg(rounded ? 'Q' : 'R').arg(h);
      sink.Png(base + 'L', whole.copy(0, 0, e, h));
      sink.Png(base + '2', whole.copy(e, 0, kMiddle, h));
      sink.Png(base + 'R', whole.copy(e + kMiddle, 0, e, h));
    }
  }
}

void StrokeAndFill(QPainter& p, const QPainterPath& path, QColor fill) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 90));
  p.drawPath(path.translated(1.2, 1.5));
  p.setPen(QPen(Qt::white, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient g(path.boundingRect().topLeft(), path.boundingRect().bottomRight());
  g.setColorAt(0, Mix(fill, Qt::white, 0.25));
  g.setColorAt(1, Mix(fill, Qt::black, 0.3));
  p.setBrush(g);
  p.drawPath(path);
}

// The hot spots must agree with OwnCursorHotSpot in src/pictures.
QImage CursorArrow() {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  QPainterPath arrow;
  arrow.moveTo(3, 2);
  arrow.lineTo(3, 24);
  arrow.lineTo(8.5, 19);
  arrow.lineTo(12.5, 28);
  arrow.lineTo(16, 26.5);
  arrow.lineTo(12, 17.5);
  arrow.lineTo(19.5, 17.5);
  arrow.closeSubpath();
  StrokeAndFill(p, arrow, colour::kRed);
  return img;
}

QImage CursorHand() {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  PaintHandUp(p, QRectF(1, 1, 20, 30), QColor(240, 70, 70), QColor(150, 10, 20));
  return img;
}

QImage CursorWait() {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  QPainterPath glass;
  glass.moveTo(8, 4);
  glass.lineTo(24, 4);
  glass.cubicTo(24, 11, 18, 13, 17.5, 16);
  glass.cubicTo(18, 19, 24, 21, 24, 28);
  glass.lineTo(8, 28);
  glass.cubicTo(8, 21, 14, 19, 14.5, 16);
  glass.cubicTo(14, 13, 8, 11, 8, 4);
  glass.closeSubpath();
  StrokeAndFill(p, glass, QColor(250, 240, 220));
  // Sand: gold below, a little left above.
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(8, 20), QPointF(24, 28)));
  QPainterPath sand;
  sand.moveTo(9.5, 27);
  sand.cubicTo(10, 23, 14, 21, 16, 20);
  sand.cubicTo(18, 21, 22, 23, 22.5, 27);
  sand.closeSubpath();
  p.drawPath(sand);
  p.drawPolygon(QPolygonF({QPointF(12, 10), QPointF(20, 10), QPointF(16, 14.5)}));
  for (const double y : {3.0, 27.0}) {
    QRectF bar(6, y - 1.5, 20, 3.5);
    p.setPen(QPen(Qt::white, 1.2));
    p.setBrush(colour::kRed);
    p.drawRoundedRect(bar, 1.5, 1.5);
  }
  return img;
}

QImage CursorEdit() {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  QPainterPath beam;
  beam.addRoundedRect(QRectF(10, 4, 12, 3), 1.5, 1.5);
  beam.addRoundedRect(QRectF(10, 25, 12, 3), 1.5, 1.5);
  beam.addRect(QRectF(14.5, 5, 3, 22));
  beam.setFillRule(Qt::WindingFill);
  StrokeAndFill(p, beam.simplified(), colour::kRed);
  return img;
}

QImage PlayerButton(int kind) {
  QImage img = Canvas(32, 32);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(16, 16);
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(32, 32)));
  p.drawEllipse(c, 15.2, 15.2);
  QRadialGradient face(QPointF(12, 10), 18);
  face.setColorAt(0, QColor(70, 70, 80));
  face.setColorAt(1, QColor(14, 14, 18));
  p.setBrush(face);
  p.drawEllipse(c, 12.8, 12.8);
  p.setBrush(colour::kGoldLight);
  switch (kind) {
    case 0:  // play
      p.drawPolygon(QPolygonF({QPointF(12.5, 9), QPointF(23, 16), QPointF(12.5, 23)}));
      break;
    case 1:  // pause
      p.drawRoundedRect(QRectF(10.5, 9.5, 4, 13), 1, 1);
      p.drawRoundedRect(QRectF(17.5, 9.5, 4, 13), 1, 1);
      break;
    case 2:  // next
      p.drawPolygon(QPolygonF({QPointF(9.5, 9.5), QPointF(18, 16), QPointF(9.5, 22.5)}));
      p.drawRoundedRect(QRectF(19, 9.5, 3.5, 13), 1, 1);
      break;
    default: {  // volume: a speaker and two waves
      p.drawPolygon(QPolygonF({QPointF(8, 13), QPointF(12, 13), QPointF(17, 8.5), QPointF(17, 23.5),
                               QPointF(12, 19), QPointF(8, 19)}));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(colour::kGoldLight, 1.6, Qt::SolidLine, Qt::RoundCap));
      p.drawArc(QRectF(14, 11, 8, 10), -50 * 16, 100 * 16);
      p.drawArc(QRectF(13, 8, 12, 16), -50 * 16, 100 * 16);
      break;
    }
  }
  return img;
}

// Seven segments a to g; M lights only g (minus), P is drawn as a plus.
QImage ClockDigit(QChar ch, QColor lit) {
  static const std::array<const char*, 10> kSegments = {
      "abcdef", "bc", "abdeg", "abcdg", "bcfg", "acdfg", "acdefg", "abc", "abcdefg", "abcdfg"};
  QImage img = Canvas(18, 28);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(QColor(90, 70, 30), 1));
  p.setBrush(Vertical(QRectF(0, 0, 18, 28), QColor(34, 32, 30), QColor(8, 8, 8)));
  p.drawRoundedRect(QRectF(0.5, 0.5, 17, 27), 3, 3);
  struct Segment {
    char id;
    QRectF r;
  };
  const std::array<Segment, 7> segments = {{{'a', QRectF(5, 3, 8, 2.4)},
                                            {'b', QRectF(13.2, 5, 2.4, 8)},
                                            {'c', QRectF(13.2, 15, 2.4, 8)},
                                            {'d', QRectF(5, 22.6, 8, 2.4)},
                                            {'e', QRectF(2.4, 15, 2.4, 8)},
                                            {'f', QRectF(2.4, 5, 2.4, 8)},
                                            {'g', QRectF(5, 12.8, 8, 2.4)}}};
  QString on;
  if (ch.isDigit()) on = QLatin1String(kSegments[static_cast<size_t>(ch.digitValue())]);
  if (ch == 'M') on = QStringLiteral("g");
  p.setPen(Qt::NoPen);
  for (const Segment& s : segments) {
    const bool lights = on.contains(QLatin1Char(s.id));
    p.setBrush(lights ? lit : QColor(lit.red(), lit.green(), lit.blue(), 26));
    p.drawRoundedRect(s.r, 1.2, 1.2);
  }
  if (ch == 'P') {
    p.setBrush(lit);
    p.drawRoundedRect(QRectF(4, 12.8, 10, 2.4), 1.2, 1.2);
    p.drawRoundedRect(QRectF(7.8, 9, 2.4, 10), 1.2, 1.2);
  }
  // A soft glow over the lit segments.
  p.setBrush(QColor(255, 255, 255, 30));
  p.drawRoundedRect(QRectF(2, 2, 14, 11), 2, 2);
  return img;
}

}  // namespace

void DrawControls(Sink& sink) {
  DrawButtonSkins(sink);
  sink.Png(QStringLiteral("CURARROW"), CursorArrow());
  sink.Png(QStringLiteral("CURHAND"), CursorHand());
  sink.Png(QStringLiteral("CURWAIT"), CursorWait());
  sink.Png(QStringLiteral("CUREDIT"), CursorEdit());
  const std::array<const char*, 4> player = {"MP_Play", "MP_Pause", "MP_Next", "MP_Volume"};
  for (int i = 0; i < 4; ++i)
    sink.Png(QLatin1String(player[static_cast<size_t>(i)]), PlayerButton(i));
  struct Family {
    char letter;
    QColor lit;
  };
  const std::array<Family, 8> families = {{{'B', QColor(80, 160, 255)},
                                           {'G', QColor(70, 240, 110)},
                                           {'R', QColor(255, 60, 50)},
                                           {'Y', QColor(255, 220, 40)},
                                           {'O', QColor(255, 140, 20)},
                                           {'V', QColor(200, 110, 255)},
                                           {'W', QColor(245, 245, 240)},
                                           {'C', QColor(60, 230, 230)}}};
  for (const Family& f : families) {
    for (const QChar ch : QStringLiteral("0123456789MP")) {
      sink.Png(QStringLiteral("G%1Clock%2").arg(QLatin1Char(f.letter)).arg(ch),
               ClockDigit(ch, f.lit));
    }
  }
}

}  // namespace ostrel::artgen
