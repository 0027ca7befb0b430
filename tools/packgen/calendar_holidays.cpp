// The holiday pictures of "TarvoCalendar01.dll": emblems on a transparent ground, to be laid
// over a month picture or a window's background: the New Year's tree, spring flowers, the
// midsummer sun, the harvest and the candles of the winter evenings.
#include <QPainterPath>
#include <cmath>

#include "tools/packgen/packgen.h"
#include "tools/packgen/scenery.h"

namespace ostrel::packgen {

namespace {

constexpr int kSide = 160;

void NewYear(QPainter& p, QRandomGenerator& rng) {
  Burst(p, QPointF(36, 38), 26, QColor(255, 90, 120), 16);
  Burst(p, QPointF(126, 30), 22, QColor(110, 200, 255), 14);
  Fir(p, QPointF(80, 154), 134, QColor(24, 120, 60), false);
  const QColor baubles[] = {QColor(220, 30, 40), QColor(250, 200, 40), QColor(60, 120, 230),
                            QColor(240, 240, 250)};
  // Along the lower edge of each of the tree's three tiers, fewer towards the top.
  p.setPen(Qt::NoPen);
  const double tree_w = 134 * 0.46;
  for (int tier = 0; tier < 3; ++tier) {
    const double y = 154 - 134 * (0.1 + tier * 0.25) - 5;
    const double half = tree_w * (1.0 - tier * 0.24) / 2 * 0.72;
    const int count = 4 - tier;
    for (int i = 0; i < count; ++i) {
      const double x = 80 - half + 2 * half * (i + 0.5) / count;
      p.setBrush(baubles[static_cast<std::size_t>(rng.bounded(4))]);
      p.drawEllipse(QPointF(x, y), 4.5, 4.5);
    }
  }
  p.setBrush(QColor(255, 214, 40));
  p.setPen(QPen(QColor(200, 140, 20), 1));
  p.drawPath(Star(QPointF(80, 26), 13, 5.5, 5));
}

void Spring(QPainter& p, QRandomGenerator& rng) {
  const struct {
    double angle;
    QColor petal;
  } tulips[] = {
      {-0.38, QColor(230, 50, 80)}, {0.0, QColor(250, 190, 40)}, {0.38, QColor(200, 70, 180)}};
  const QPointF knot(80, 124);
  for (const auto& t : tulips) {
    const QPointF head = knot + QPointF(std::sin(t.angle) * 86, -std::cos(t.angle) * 86);
    p.setPen(QPen(QColor(60, 140, 50), 4, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(knot + QPointF(0, 28), head);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(80, 170, 60));
    p.save();
    p.translate((knot + head) / 2);
    p.rotate(t.angle * 57.3 + 24);
    p.drawEllipse(QPointF(8, 0), 12, 4);
    p.restore();
    QPainterPath cup(head + QPointF(-13, -4));
    cup.quadTo(head + QPointF(-14, 16), head + QPointF(0, 16));
    cup.quadTo(head + QPointF(14, 16), head + QPointF(13, -4));
    cup.lineTo(head + QPointF(7, 4));
    cup.lineTo(head + QPointF(0, -8));
    cup.lineTo(head + QPointF(-7, 4));
    cup.closeSubpath();
    p.setBrush(t.petal);
    p.drawPath(cup);
  }
  p.setBrush(QColor(130, 180, 250));
  p.drawRoundedRect(QRectF(64, 118, 32, 14), 5, 5);
  Leaves(p, QRectF(10, 10, 140, 60), 10, {QColor(255, 210, 226), QColor(255, 240, 246)}, 3.5, rng);
}

void Midsummer(QPainter& p, QRandomGenerator& rng) {
  const QPointF c(80, 80);
  Sun(p, c, 34, QColor(255, 200, 40), 18);
  p.setPen(Qt::NoPen);
  for (int i = 0; i < 20; ++i) {
    const double a = 2 * M_PI * i / 20;
    p.save();
    p.translate(c + QPointF(std::cos(a), std::sin(a)) * 64);
    p.rotate(a * 57.3 + 90);
    p.setBrush(QColor(60, 150, 50));
    p.drawEllipse(QPointF(0, 0), 9, 4);
    p.restore();
  }
  for (int i = 0; i < 10; ++i) {
    const double a = 2 * M_PI * (i + 0.5) / 10;
    Flowers(p, QRectF(c + QPointF(std::cos(a), std::sin(a)) * 64, QSizeF(0.1, 0.1)), 1,
            {QColor(255, 255, 255), QColor(110, 120, 240), QColor(240, 70, 90)}, 6, rng);
  }
}

void Harvest(QPainter& p, QRandomGenerator& rng) {
  const QPointF tie(70, 92);
  for (int i = -6; i <= 6; ++i) {
    const double a = i * 0.07;
    const QPointF top = tie + QPointF(std::sin(a) * 70, -std::cos(a) * 70);
    const QPointF foot = tie + QPointF(-std::sin(a) * 52, std::cos(a) * 52);
    p.setPen(QPen(QColor(214, 170, 60), 2.2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(foot, top);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(236, 196, 80));
    p.save();
    p.translate(top);
    p.rotate(a * 57.3);
    p.drawEllipse(QPointF(0, 6), 3.5, 9);
    p.restore();
  }
  p.setBrush(QColor(160, 70, 40));
  p.drawRoundedRect(QRectF(tie.x() - 20, tie.y() - 5, 40, 10), 4, 4);
  // A pumpkin of ribs in front, apples beside it.
  const QPointF pumpkin(112, 128);
  for (int k = -2; k <= 2; ++k) {
    p.setBrush(QColor(236, 120, 30).darker(100 + std::abs(k) * 12));
    p.drawEllipse(pumpkin + QPointF(k * 8, 0), 14, 20);
  }
  p.setBrush(QColor(70, 120, 40));
  p.drawRect(QRectF(pumpkin.x() - 2.5, pumpkin.y() - 27, 5, 9));
  for (QPointF a : {QPointF(30, 140), QPointF(50, 146)}) {
    p.setBrush(rng.bounded(2) ? QColor(210, 40, 40) : QColor(150, 190, 50));
    p.drawEllipse(a, 10, 9);
  }
}

void WinterLights(QPainter& p, QRandomGenerator& rng) {
  const double heights[] = {70, 92, 60};
  for (int i = 0; i < 3; ++i) {
    const double x = 44 + i * 36, top = 146 - heights[i];
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(250, 244, 226));
    p.drawRoundedRect(QRectF(x - 11, top, 22, heights[i]), 3, 3);
    QRadialGradient glow(QPointF(x, top - 14), 24);
    glow.setColorAt(0, QColor(255, 220, 120, 170));
    glow.setColorAt(1, QColor(255, 220, 120, 0));
    p.setBrush(glow);
    p.drawEllipse(QPointF(x, top - 14), 24, 24);
    QPainterPath flame(QPointF(x, top - 26));
    flame.quadTo(QPointF(x + 8, top - 8), QPointF(x, top - 3));
    flame.quadTo(QPointF(x - 8, top - 8), QPointF(x, top - 26));
    p.setBrush(QColor(255, 170, 30));
    p.drawPath(flame);
  }
  Leaves(p, QRectF(20, 140, 120, 12), 9, {QColor(30, 120, 60), QColor(20, 96, 50)}, 8, rng);
  p.setBrush(QColor(210, 30, 40));
  for (int i = 0; i < 5; ++i) p.drawEllipse(QPointF(30 + i * 25, 146), 3.5, 3.5);
}

}  // namespace

void BuildCalendar(Sink& sink) {
  BuildCalendarMonths(sink);
  const struct {
    const char* name;
    void (*draw)(QPainter&, QRandomGenerator&);
  } holidays[] = {{"HolidayNewYear", NewYear},
                  {"HolidaySpring", Spring},
                  {"HolidayMidsummer", Midsummer},
                  {"HolidayHarvest", Harvest},
                  {"HolidayWinterLights", WinterLights}};
  quint32 seed = 11;
  for (const auto& h : holidays) {
    QImage img = Canvas(kSide, kSide);
    QPainter p(&img);
    Smooth(p);
    QRandomGenerator rng(seed++);
    h.draw(p, rng);
    p.end();
    sink.Png(h.name, img);
  }
}

}  // namespace ostrel::packgen
