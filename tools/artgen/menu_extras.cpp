// Pictures of the main menu's corners and of the account and tournament
// windows that the program carries itself: the radio on its shelf, the news
// and chat indicators, the server lamp and the account star.
#include <array>
#include <cmath>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

QImage PaintShelf() {
  QImage img = Canvas(220, 54);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient wood(QPointF(0, 0), QPointF(0, 16));
  wood.setColorAt(0, QColor(150, 84, 40));
  wood.setColorAt(1, QColor(80, 36, 14));
  p.setPen(QPen(QColor(40, 16, 4), 1));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(4.5, 4.5, 211, 14), 3, 3);
  p.fillRect(QRectF(6, 5, 208, 2), QColor(255, 220, 170, 70));
  // Gold brackets under the board.
  for (const double x : {34.0, 186.0}) {
    QPainterPath bracket;
    bracket.moveTo(x - 8, 19);
    bracket.lineTo(x + 8, 19);
    bracket.quadTo(x + 2, 28, x, 46);
    bracket.quadTo(x - 2, 28, x - 8, 19);
    p.setBrush(GoldGradient(QPointF(x - 8, 19), QPointF(x + 8, 46)));
    p.setPen(QPen(QColor(90, 60, 8), 0.8));
    p.drawPath(bracket);
  }
  return img;
}

// An old valve radio; its lamp (top left of the dial) is drawn separately.
QImage PaintRadio() {
  QImage img = Canvas(146, 70);
  QPainter p(&img);
  Smooth(p);
  const QRectF body(3, 6, 140, 62);
  QLinearGradient wood = Vertical(body, QColor(130, 62, 26), QColor(66, 26, 8));
  p.setPen(QPen(QColor(40, 14, 2), 1.2));
  p.setBrush(wood);
  p.drawRoundedRect(body, 14, 14);
  // The speaker cloth behind a gold grille.
  const QRectF cloth(12, 14, 70, 46);
  p.setBrush(QColor(214, 190, 140));
  p.drawRoundedRect(cloth, 8, 8);
  p.setPen(QPen(GoldGradient(cloth.topLeft(), cloth.bottomRight()), 2));
  for (double x = cloth.left() + 10; x < cloth.right() - 4; x += 10) {
    p.drawLine(QPointF(x, cloth.top() + 3), QPointF(x, cloth.bottom() - 3));
  }
  // The dial and two knobs.
  const QRectF dial(90, 14, 45, 24);
  p.setPen(QPen(QColor(90, 60, 8), 1.2));
  p.setBrush(QColor(250, 236, 190));
  p.drawRoundedRect(dial, 4, 4);
  p.setPen(QPen(QColor(100, 70, 30), 0.8));
  for (int i = 0; i < 8; ++i) {
    const double x = dial.left() + 6 + i * 4.8;
    p.drawLine(QPointF(x, dial.bottom() - 4), QPointF(x, dial.bottom() - (i % 2 ? 7 : 10)));
  }
  p.setPen(QPen(colour::kRed, 1.2));
  p.drawLine(QPointF(dial.left() + 26, dial.top() + 3),
             QPointF(dial.left() + 26, dial.bottom() - 3));
  for (const double x : {100.0, 125.0}) {
    p.setPen(QPen(QColor(40, 20, 4), 1));
    p.setBrush(GoldGradient(QPointF(x - 7, 42), QPointF(x + 7, 56)));
    p.drawEllipse(QPointF(x, 50), 7, 7);
  }
  return img;
}

QImage PaintRadioLamp(QColor glow) {
  QImage img = Canvas(146, 70);
  QPainter p(&img);
  Smooth(p);
  const QPointF c(73, 7);
  QRadialGradient halo(c, 9);
  halo.setColorAt(0, QColor(glow.red(), glow.green(), glow.blue(), 160));
  halo.setColorAt(1, QColor(glow.red(), glow.green(), glow.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(halo);
  p.drawEllipse(c, 9, 9);
  QRadialGradient bulb(c - QPointF(1.5, 1.5), 5);
  bulb.setColorAt(0, Mix(glow, Qt::white, 0.7));
  bulb.setColorAt(1, Mix(glow, Qt::black, 0.4));
  p.setPen(QPen(QColor(60, 40, 10), 0.8));
  p.setBrush(bulb);
  p.drawEllipse(c, 4.5, 4.5);
  return img;
}

QImage PaintRoundIcon(int side, QColor base, int kind) {
  QImage img = Canvas(side, side);
  QPainter p(&img);
  Smooth(p);
  const double k = side / 72.0;
  const QPointF c(side / 2.0, side / 2.0);
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(side, side)));
  p.drawEllipse(c, 34 * k, 34 * k);
  QRadialGradient face(c - QPointF(8 * k, 10 * k), 40 * k);
  face.setColorAt(0, Mix(base, Qt::white, 0.35));
  face.setColorAt(1, Mix(base, Qt::black, 0.45));
  p.setBrush(face);
  p.drawEllipse(c, 29 * k, 29 * k);
  p.setBrush(colour::kCream);
  p.setPen(QPen(QColor(40, 30, 20), 1.2 * k));
  if (kind == 0) {  // news: a folded newspaper
    const QRectF paper(20 * k, 22 * k, 32 * k, 28 * k);
    p.drawRoundedRect(paper, 2 * k, 2 * k);
    p.setPen(QPen(QColor(60, 50, 40), 2.2 * k));
    p.drawLine(QPointF(24 * k, 29 * k), QPointF(48 * k, 29 * k));
    p.setPen(QPen(QColor(110, 100, 90), 1.2 * k));
    for (int i = 0; i < 4; ++i) {
      p.drawLine(QPointF(24 * k, (35 + 4 * i) * k), QPointF(48 * k, (35 + 4 * i) * k));
    }
  } else {  // chat: two speech bubbles
    p.drawRoundedRect(QRectF(16 * k, 20 * k, 30 * k, 20 * k), 8 * k, 8 * k);
    p.drawPolygon(
        QPolygonF({QPointF(22 * k, 38 * k), QPointF(20 * k, 46 * k), QPointF(30 * k, 39 * k)}));
    p.setBrush(colour::kGoldLight);
    p.drawRoundedRect(QRectF(30 * k, 34 * k, 26 * k, 17 * k), 7 * k, 7 * k);
    p.drawPolygon(
        QPolygonF({QPointF(48 * k, 49 * k), QPointF(52 * k, 56 * k), QPointF(43 * k, 50 * k)}));
  }
  return img;
}

QImage PaintNewMark() {
  QImage img = Canvas(32, 16);
  QPainter p(&img);
  Smooth(p);
  p.setPen(QPen(QColor(100, 0, 10), 1));
  p.setBrush(Vertical(QRectF(0, 0, 32, 16), QColor(240, 60, 60), QColor(160, 10, 20)));
  p.drawRoundedRect(QRectF(0.5, 0.5, 31, 15), 5, 5);
  FancyText(p, QRectF(0, 0, 32, 16), QStringLiteral("NEW"), MakeFont(Face::kFigures, 11),
            QColor(255, 246, 210), QColor(0, 0, 0), 0, QColor(0, 0, 0, 0));
  return img;
}

QImage PaintServerLamp(bool on) {
  QImage img = Canvas(24, 24);
  QPainter p(&img);
  Smooth(p);
  const QColor glow = on ? QColor(50, 210, 70) : QColor(120, 120, 120);
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(24, 24)));
  p.drawEllipse(QPointF(12, 12), 11, 11);
  QRadialGradient bulb(QPointF(9, 9), 10);
  bulb.setColorAt(0, Mix(glow, Qt::white, 0.65));
  bulb.setColorAt(1, Mix(glow, Qt::black, 0.45));
  p.setBrush(bulb);
  p.drawEllipse(QPointF(12, 12), 8.5, 8.5);
  // The power sign.
  p.setPen(QPen(on ? QColor(255, 255, 255) : QColor(60, 60, 60), 1.6, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawArc(QRectF(8, 8.5, 8, 8), 120 * 16, 300 * 16);
  p.drawLine(QPointF(12, 6.5), QPointF(12, 11.5));
  return img;
}

QImage PaintAccountFrame() {
  QImage img = Canvas(48, 48);
  QPainter p(&img);
  Smooth(p);
  GoldRim(p, QRectF(0.5, 0.5, 47, 47), 7, 3);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(10, 16, 40));
  p.drawRoundedRect(QRectF(3.5, 3.5, 41, 41), 4.5, 4.5);
  return img;
}

// The account star inside its frame: it slowly turns and glints.
QImage AccountStarFrame(int f, int n, QColor base) {
  QImage img = Canvas(40, 40);
  QPainter p(&img);
  Smooth(p);
  p.fillRect(QRectF(0, 0, 40, 40), QColor(10, 16, 40));
  const double t = static_cast<double>(f) / n;
  const QPointF c(20, 20.5);
  QRadialGradient glow(c, 19);
  glow.setColorAt(0, QColor(base.red(), base.green(), base.blue(), 110));
  glow.setColorAt(1, QColor(base.red(), base.green(), base.blue(), 0));
  p.setPen(Qt::NoPen);
  p.setBrush(glow);
  p.drawEllipse(c, 19, 19);
  p.save();
  p.translate(c);
  p.scale(std::max(0.12, std::abs(std::cos(t * M_PI))), 1);  // one turn per loop
  p.setPen(QPen(Mix(base, Qt::black, 0.55), 1));
  QLinearGradient fill(QPointF(-14, -14), QPointF(14, 14));
  fill.setColorAt(0, Mix(base, Qt::white, 0.5));
  fill.setColorAt(1, Mix(base, Qt::black, 0.3));
  p.setBrush(fill);
  p.drawPath(StarPath(QPointF(0, 0), 15, 6.5));
  p.restore();
  return img;
}

// A rotating beacon; transparent around it, for the menu buttons.
QImage SirenFrame(int f, int n, QColor light) {
  QImage img = Canvas(24, 32);
  QPainter p(&img);
  Smooth(p);
  const double t = static_cast<double>(f) / n;
  const double beam = std::sin(t * 2 * M_PI);
  p.setPen(QPen(QColor(40, 40, 40), 1));
  p.setBrush(GoldGradient(QPointF(2, 26), QPointF(22, 31)));
  p.drawRoundedRect(QRectF(2.5, 25.5, 19, 5.5), 1.5, 1.5);
  QLinearGradient dome(QPointF(4, 0), QPointF(20, 0));
  dome.setColorAt(0, Mix(light, Qt::black, 0.35));
  dome.setColorAt(0.5 + 0.45 * beam, Mix(light, Qt::white, 0.75));
  dome.setColorAt(1, Mix(light, Qt::black, 0.35));
  QPainterPath cap;
  cap.moveTo(4.5, 25.5);
  cap.lineTo(4.5, 13);
  cap.cubicTo(4.5, 3, 19.5, 3, 19.5, 13);
  cap.lineTo(19.5, 25.5);
  cap.closeSubpath();
  p.setPen(QPen(Mix(light, Qt::black, 0.6), 1));
  p.setBrush(dome);
  p.drawPath(cap);
  return img;
}

}  // namespace

void DrawMenuExtras(Sink& sink) {
  sink.Png(QStringLiteral("GPolkaNw"), PaintShelf());
  sink.Png(QStringLiteral("GRadioA"), PaintRadio());
  sink.Png(QStringLiteral("GRadioB"), PaintRadioLamp(QColor(90, 90, 96)));
  sink.Png(QStringLiteral("GRadioR"), PaintRadioLamp(QColor(230, 30, 30)));
  sink.Png(QStringLiteral("GRadioG"), PaintRadioLamp(QColor(50, 220, 70)));
  sink.Png(QStringLiteral("GNews072"), PaintRoundIcon(72, QColor(30, 70, 170), 0));
  sink.Png(QStringLiteral("GChat072"), PaintRoundIcon(72, QColor(20, 120, 60), 1));
  sink.Png(QStringLiteral("GNew"), PaintNewMark());
  sink.Png(QStringLiteral("GTourOn"), PaintServerLamp(true));
  sink.Png(QStringLiteral("GTourOff"), PaintServerLamp(false));
  sink.Png(QStringLiteral("RamkaAc"), PaintAccountFrame());
  const std::array<std::pair<const char*, QColor>, 3> stars = {{{"StarR0", QColor(220, 40, 40)},
                                                                {"StarY0", QColor(240, 200, 40)},
                                                                {"StarG0", QColor(50, 200, 70)}}};
  for (const auto& [name, base] : stars) {
    const QColor c = base;
    sink.Gif(QLatin1String(name),
             Frames(16, [c](int f, int n) { return AccountStarFrame(f, n, c); }), 7, true);
  }
  const QColor blue(40, 110, 240), red(230, 30, 30);
  sink.Gif(QStringLiteral("GSirenaB"),
           Frames(8, [blue](int f, int n) { return SirenFrame(f, n, blue); }), 8, true);
  sink.Gif(QStringLiteral("GSirenaR"),
           Frames(8, [red](int f, int n) { return SirenFrame(f, n, red); }), 8, true);
}

}  // namespace ostrel::artgen
