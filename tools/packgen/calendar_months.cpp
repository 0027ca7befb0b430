// The twelve month pictures of "TarvoCalendar01.dll", "Calendar01" to "Calendar12": a small
// landscape of the season each, with the month's number in a corner. The number is the only
// writing, so one picture serves every language.
#include <QPainterPath>
#include <cmath>
#include <functional>

#include "tools/packgen/packgen.h"
#include "tools/packgen/scenery.h"

namespace ostrel::packgen {

namespace {

constexpr int kW = 300, kH = 200;
const QRectF kAll(0, 0, kW, kH);

using Scene = std::function<void(QPainter&, QRandomGenerator&)>;

void SnowyNight(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(14, 24, 62), QColor(54, 78, 138));
  Stars(p, QRectF(0, 0, kW, 110), 40, rng);
  Moon(p, QPointF(236, 44), 20);
  Hill(p, kAll, 140, 10, 1.2, 0.3, QColor(196, 212, 236));
  Hill(p, kAll, 166, 8, 1.6, 2.0, QColor(232, 240, 252));
  for (double x : {40.0, 74.0, 112.0, 200.0, 262.0}) {
    Fir(p, QPointF(x, 150 + std::fmod(x, 17)), 56 + std::fmod(x * 3, 20), QColor(22, 80, 56), true);
  }
  Snowfall(p, kAll, 90, rng);
}

void LateWinter(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(150, 172, 200), QColor(226, 220, 214));
  Sun(p, QPointF(70, 70), 16, QColor(255, 236, 200), 0);
  Hill(p, kAll, 132, 6, 0.8, 1.0, QColor(214, 222, 234));
  Hill(p, kAll, 160, 10, 1.4, 0.2, QColor(244, 246, 250));
  for (double x : {150.0, 176.0, 214.0, 250.0}) Birch(p, QPointF(x, 160), 90 + std::fmod(x, 23));
  Snowfall(p, kAll, 40, rng);
}

void Thaw(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(110, 170, 226), QColor(206, 228, 244));
  Sun(p, QPointF(244, 46), 17, QColor(255, 226, 120), 12);
  Hill(p, kAll, 130, 8, 1.0, 0.5, QColor(128, 140, 90));
  Hill(p, kAll, 156, 8, 1.3, 1.8, QColor(118, 104, 70));
  p.setBrush(QColor(246, 248, 252));
  for (int i = 0; i < 7; ++i) {
    p.drawEllipse(QPointF(rng.bounded(kW), 150 + rng.bounded(40)), 16 + rng.bounded(14), 5);
  }
  QPainterPath stream(QPointF(120, 200));
  stream.cubicTo(150, 170, 90, 160, 140, 132);
  p.setPen(QPen(QColor(90, 150, 210), 7, Qt::SolidLine, Qt::RoundCap));
  p.setBrush(Qt::NoBrush);
  p.drawPath(stream);
  Flowers(p, QRectF(180, 160, 110, 34), 9, {QColor(250, 250, 255)}, 4, rng);
}

void Showers(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(120, 150, 190), QColor(214, 226, 236));
  p.setBrush(Qt::NoBrush);
  const QColor bands[] = {QColor(230, 60, 60), QColor(240, 160, 40), QColor(240, 230, 60),
                          QColor(80, 190, 80), QColor(60, 120, 220), QColor(120, 70, 190)};
  for (int i = 0; i < 6; ++i) {
    QColor c = bands[i];
    c.setAlpha(150);
    p.setPen(QPen(c, 5));
    const double r = 120 - i * 5;
    p.drawArc(QRectF(190 - r, 170 - r, 2 * r, 2 * r), 0, 180 * 16);
  }
  Cloud(p, QPointF(80, 46), 46, QColor(110, 116, 132));
  Rain(p, QRectF(30, 70, 100, 80), 40, QColor(200, 220, 250, 200), rng);
  Hill(p, kAll, 150, 9, 1.2, 0.8, QColor(100, 176, 70));
  Hill(p, kAll, 172, 6, 1.7, 2.4, QColor(80, 154, 58));
}

void Blossom(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(90, 160, 230), QColor(200, 228, 250));
  Cloud(p, QPointF(220, 40), 26, QColor(255, 255, 255, 230));
  Hill(p, kAll, 146, 8, 1.0, 2.2, QColor(110, 190, 80));
  LeafTree(p, QPointF(96, 160), 140, QColor(248, 196, 214), QColor(255, 240, 246), rng);
  Hill(p, kAll, 168, 5, 1.5, 0.6, QColor(90, 170, 64));
  Flowers(p, QRectF(150, 160, 140, 36), 24, {QColor(255, 255, 255), QColor(255, 220, 60)}, 3.2,
          rng);
}

void Midsummer(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(40, 130, 230), QColor(170, 214, 250));
  Sun(p, QPointF(150, 58), 26, QColor(255, 212, 40), 16);
  Hill(p, kAll, 140, 10, 0.9, 0.0, QColor(60, 160, 60));
  Hill(p, kAll, 164, 7, 1.4, 1.2, QColor(46, 140, 50));
  Flowers(p, QRectF(0, 150, kW, 48), 40, {QColor(255, 255, 255)}, 4, rng);
  Flowers(p, QRectF(0, 160, kW, 38), 14, {QColor(220, 40, 60), QColor(90, 110, 230)}, 3.5, rng);
}

void Seaside(QPainter& p, QRandomGenerator& rng) {
  Sky(p, QRectF(0, 0, kW, 110), QColor(30, 140, 230), QColor(180, 226, 250));
  Sun(p, QPointF(60, 40), 18, QColor(255, 220, 80), 12);
  Sky(p, QRectF(0, 110, kW, 60), QColor(20, 110, 180), QColor(40, 160, 200));
  p.setPen(QPen(QColor(255, 255, 255, 160), 1.5));
  for (int i = 0; i < 18; ++i) {
    const double x = rng.bounded(kW), y = 118 + rng.bounded(46);
    p.drawLine(QPointF(x, y), QPointF(x + 10, y));
  }
  Hill(p, kAll, 176, 5, 1.1, 0.4, QColor(238, 214, 150));
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 60, 40));
  p.drawPolygon(
      QPolygonF{QPointF(190, 126), QPointF(232, 126), QPointF(224, 134), QPointF(198, 134)});
  p.setBrush(QColor(250, 250, 244));
  p.drawPolygon(QPolygonF{QPointF(212, 80), QPointF(212, 122), QPointF(236, 122)});
  p.drawPolygon(QPolygonF{QPointF(209, 88), QPointF(209, 122), QPointF(192, 122)});
  p.setPen(QPen(QColor(60, 60, 70), 1.4));
  for (QPointF g : {QPointF(130, 40), QPointF(150, 56), QPointF(116, 62)}) {
    p.drawLine(g, g + QPointF(6, 4));
    p.drawLine(g + QPointF(6, 4), g + QPointF(12, 0));
  }
}

void Wheat(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(90, 160, 220), QColor(244, 224, 170));
  Sun(p, QPointF(240, 50), 20, QColor(255, 200, 60), 14);
  Hill(p, kAll, 120, 6, 0.7, 0.2, QColor(226, 184, 80));
  p.setPen(QPen(QColor(196, 150, 50), 1.2));
  for (int i = 0; i < 160; ++i) {
    const double x = rng.bounded(kW), y = 126 + rng.bounded(74);
    p.drawLine(QPointF(x, y), QPointF(x + 1.5, y - 7));
  }
  for (double x : {50.0, 96.0, 140.0}) {
    p.setPen(QPen(QColor(70, 120, 40), 3));
    p.drawLine(QPointF(x, 200), QPointF(x, 132));
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 196, 20));
    for (int k = 0; k < 14; ++k) {
      const double a = 2 * M_PI * k / 14;
      p.drawEllipse(QPointF(x + 15 * std::cos(a), 126 + 15 * std::sin(a)), 6, 6);
    }
    p.setBrush(QColor(110, 70, 30));
    p.drawEllipse(QPointF(x, 126), 10, 10);
  }
}

void Orchard(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(120, 170, 214), QColor(234, 230, 204));
  Hill(p, kAll, 142, 6, 0.8, 1.4, QColor(150, 170, 80));
  for (double x : {50.0, 150.0, 250.0}) {
    LeafTree(p, QPointF(x, 170), 120, QColor(96, 150, 60), QColor(210, 40, 40), rng);
  }
  Hill(p, kAll, 178, 4, 1.5, 0.0, QColor(130, 150, 64));
  Leaves(p, QRectF(0, 60, kW, 130), 12, {QColor(230, 200, 60), QColor(210, 150, 40)}, 3.5, rng);
}

void AutumnWood(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(150, 180, 210), QColor(244, 210, 170));
  Hill(p, kAll, 150, 6, 1.0, 0.6, QColor(190, 110, 40));
  const QColor crowns[] = {QColor(230, 120, 30), QColor(200, 50, 30), QColor(240, 190, 40),
                           QColor(170, 80, 30)};
  for (int i = 0; i < 7; ++i) {
    LeafTree(p, QPointF(20 + i * 44, 162 + (i % 2) * 8), 100 + (i % 3) * 18, crowns[i % 4],
             Qt::transparent, rng);
  }
  Leaves(p, QRectF(0, 40, kW, 160), 50,
         {QColor(240, 140, 30), QColor(210, 60, 30), QColor(250, 200, 50)}, 3.5, rng);
}

void Drizzle(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(110, 116, 126), QColor(176, 178, 180));
  Cloud(p, QPointF(90, 30), 50, QColor(130, 134, 144));
  Cloud(p, QPointF(220, 36), 44, QColor(120, 124, 134));
  Hill(p, kAll, 150, 5, 0.9, 0.3, QColor(110, 96, 70));
  for (double x : {60.0, 130.0, 230.0}) BareTree(p, QPointF(x, 156), 100, QColor(60, 50, 44), 5);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(150, 160, 176));
  p.drawEllipse(QPointF(170, 180), 40, 7);
  p.drawEllipse(QPointF(60, 188), 28, 5);
  Rain(p, kAll, 90, QColor(220, 226, 236, 150), rng);
}

void House(QPainter& p, QPointF base, double w, QColor wall) {
  p.setPen(Qt::NoPen);
  p.setBrush(wall);
  p.drawRect(QRectF(base.x(), base.y() - w * 0.7, w, w * 0.7));
  p.setBrush(QColor(250, 252, 255));
  p.drawPolygon(QPolygonF{QPointF(base.x() - 5, base.y() - w * 0.7),
                          QPointF(base.x() + w + 5, base.y() - w * 0.7),
                          QPointF(base.x() + w / 2, base.y() - w * 1.15)});
  p.setBrush(QColor(255, 210, 90));
  p.drawRect(QRectF(base.x() + w * 0.2, base.y() - w * 0.5, w * 0.22, w * 0.22));
  p.drawRect(QRectF(base.x() + w * 0.58, base.y() - w * 0.5, w * 0.22, w * 0.22));
}

void WinterVillage(QPainter& p, QRandomGenerator& rng) {
  Sky(p, kAll, QColor(20, 20, 60), QColor(80, 70, 130));
  Stars(p, QRectF(0, 0, kW, 100), 36, rng);
  Hill(p, kAll, 150, 6, 1.0, 1.0, QColor(220, 228, 244));
  House(p, QPointF(60, 158), 44, QColor(150, 70, 50));
  House(p, QPointF(130, 154), 52, QColor(110, 80, 60));
  House(p, QPointF(206, 160), 40, QColor(70, 90, 120));
  Fir(p, QPointF(30, 170), 60, QColor(20, 80, 50), true);
  Fir(p, QPointF(272, 172), 64, QColor(20, 80, 50), true);
  Hill(p, kAll, 178, 4, 1.4, 0.2, QColor(244, 248, 255));
  Snowfall(p, kAll, 70, rng);
}

void MonthBadge(QPainter& p, int month) {
  p.setPen(QPen(QColor(255, 255, 255, 220), 1.5));
  p.setBrush(QColor(20, 30, 50, 150));
  p.drawEllipse(QPointF(24, 24), 16, 16);
  p.setFont(Font(Face::kSans, 16, true));
  p.setPen(QColor(255, 255, 255));
  p.drawText(QRectF(8, 8, 32, 32), Qt::AlignCenter, QString::number(month));
}

}  // namespace

void BuildCalendarMonths(Sink& sink) {
  const Scene scenes[12] = {SnowyNight, LateWinter, Thaw,    Showers,    Blossom, Midsummer,
                            Seaside,    Wheat,      Orchard, AutumnWood, Drizzle, WinterVillage};
  for (int month = 1; month <= 12; ++month) {
    QImage img = Canvas(kW, kH, Qt::white);
    QPainter p(&img);
    Smooth(p);
    QRandomGenerator rng(static_cast<quint32>(month * 7919));
    scenes[month - 1](p, rng);
    MonthBadge(p, month);
    p.end();
    sink.Jpeg(QStringLiteral("Calendar%1").arg(month, 2, 10, QLatin1Char('0')).toStdString(), img,
              86);
  }
}

}  // namespace ostrel::packgen
