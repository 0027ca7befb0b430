// The table itself: the baize background, the speech labels, the score tabs,
// the score panel and the chat strip frame.
#include <QFontMetricsF>
#include <array>
#include <random>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

// Green baize: a lit centre, a faint pattern of suits, fibre noise, dark edges.
QImage PaintBaize(int w, int h) {
  QImage img = Canvas(w, h, colour::kBaize);
  QPainter p(&img);
  Smooth(p);
  const double u = w / 760.0;
  QRadialGradient light(QPointF(w * 0.5, h * 0.47), w * 0.62);
  light.setColorAt(0, QColor(34, 122, 66));
  light.setColorAt(0.6, QColor(20, 96, 52));
  light.setColorAt(1, QColor(8, 52, 28));
  p.fillRect(img.rect(), light);
  // Pattern 2: a diagonal grid of suit outlines, pressed into the cloth.
  const double step = 46 * u;
  const std::array<Suit, 4> suits = {Suit::kSpades, Suit::kHearts, Suit::kClubs, Suit::kDiamonds};
  p.setBrush(Qt::NoBrush);
  int k = 0;
  for (double y = -step; y < h + step; y += step / 2, ++k) {
    const double shift = (k % 2) * step / 2;
    for (double x = -step + shift; x < w + step; x += step) {
      const Suit s = suits[static_cast<size_t>(k + static_cast<int>(x / step) + 400) % 4];
      const double r = 7 * u;
      p.setPen(QPen(QColor(140, 220, 160, 22), 1.1 * u));
      p.drawPath(SuitPath(s, QRectF(x - r, y - r, 2 * r, 2 * r)));
      p.setPen(QPen(QColor(0, 20, 8, 26), 1.1 * u));
      p.drawPath(SuitPath(s, QRectF(x - r + u, y - r + u, 2 * r, 2 * r)));
    }
  }
  p.end();
  // Fibres: fixed seed, so every build draws the same cloth.
  std::mt19937 random(20261210u);
  std::uniform_int_distribution<int> grain(-7, 7);
  for (int y = 0; y < h; ++y) {
    QRgb* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < w; ++x) {
      const int g = grain(random);
      line[x] =
          qRgba(std::clamp(qRed(line[x]) + g, 0, 255), std::clamp(qGreen(line[x]) + g, 0, 255),
                std::clamp(qBlue(line[x]) + g, 0, 255), 255);
    }
  }
  QPainter v(&img);
  Smooth(v);
  QRadialGradient vignette(QPointF(w / 2.0, h / 2.0), w * 0.75);
  vignette.setColorAt(0.55, QColor(0, 0, 0, 0));
  vignette.setColorAt(1, QColor(0, 0, 0, 120));
  v.fillRect(img.rect(), vignette);
  return img;
}

struct LabelColour {
  const char* name;
  QColor base;
};

const std::array<LabelColour, 5> kLabels = {{
    {"SPBlue", QColor(28, 74, 170)},
    {"SPGreen", QColor(18, 118, 58)},
    {"SPRed", QColor(172, 24, 32)},
    {"SPYellow", QColor(176, 128, 0)},
    {"SPFiolet", QColor(112, 38, 150)},
}};

// A glossy pill with a gold rim; white bold text is written over it.
QImage PaintLabel(int w, int h, QColor base) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  const double u = h / 20.0;
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  const double radius = r.height() / 2;
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(r.topLeft(), r.bottomLeft()));
  p.drawRoundedRect(r, radius, radius);
  const QRectF body = r.adjusted(1.3 * u, 1.3 * u, -1.3 * u, -1.3 * u);
  QLinearGradient fill = Vertical(body, Mix(base, Qt::white, 0.3), Mix(base, Qt::black, 0.35));
  fill.setColorAt(0.5, base);
  p.setBrush(fill);
  p.drawRoundedRect(body, body.height() / 2, body.height() / 2);
  QLinearGradient gloss = Vertical(body, QColor(255, 255, 255, 120), QColor(255, 255, 255, 10));
  p.setBrush(gloss);
  const QRectF top(body.left() + body.height() * 0.3, body.top() + 0.6 * u,
                   body.width() - body.height() * 0.6, body.height() * 0.45);
  p.drawRoundedRect(top, top.height() / 2, top.height() / 2);
  return img;
}

// The cream plate with a gold frame shared by the tab, the panel and the chat.
void PaintPlate(QPainter& p, const QRectF& r, double u) {
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(r.adjusted(1.5 * u, 2 * u, 0, 0), 8 * u, 8 * u);
  const QRectF plate = r.adjusted(0, 0, -1.5 * u, -2 * u);
  GoldRim(p, plate, 8 * u, 4 * u);
  const QRectF paper = plate.adjusted(4 * u, 4 * u, -4 * u, -4 * u);
  QRadialGradient fill(paper.center(), std::max(paper.width(), paper.height()) * 0.75);
  fill.setColorAt(0, colour::kCream);
  fill.setColorAt(1, colour::kParchment);
  p.setBrush(fill);
  p.drawRoundedRect(paper, 5 * u, 5 * u);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(170, 130, 50, 150), 0.8 * u));
  p.drawRoundedRect(paper.adjusted(2.5 * u, 2.5 * u, -2.5 * u, -2.5 * u), 3.5 * u, 3.5 * u);
}

// A sunken well behind a figure of the score tab.
void PaintWell(QPainter& p, const QRectF& r, double u) {
  p.setPen(Qt::NoPen);
  QLinearGradient g = Vertical(r, QColor(214, 196, 150), QColor(240, 228, 196));
  p.setBrush(g);
  p.drawRoundedRect(r, 4 * u, 4 * u);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(120, 90, 40, 160), 0.8 * u));
  p.drawRoundedRect(r, 4 * u, 4 * u);
  p.setPen(QPen(QColor(255, 255, 255, 170), 0.8 * u));
  p.drawLine(QPointF(r.left() + 4 * u, r.bottom() + 0.6 * u),
             QPointF(r.right() - 4 * u, r.bottom() + 0.6 * u));
}

QImage PaintScoreTab(double k) {
  QImage img = Canvas(static_cast<int>(155 * k), static_cast<int>(95 * k));
  QPainter p(&img);
  Smooth(p);
  PaintPlate(p, QRectF(0, 0, 155 * k, 95 * k), k);
  PaintWell(p, QRectF(15 * k, 15 * k, 125 * k, 31 * k), k);  // game total
  PaintWell(p, QRectF(105 * k, 51 * k, 35 * k, 28 * k), k);  // deal points
  // A small gold rule between the total and the lower row.
  p.setPen(QPen(GoldGradient(QPointF(20 * k, 0), QPointF(135 * k, 0)), 1.2 * k));
  p.drawLine(QPointF(22 * k, 48.5 * k), QPointF(98 * k, 48.5 * k));
  return img;
}

void PaintCornerFlourish(QPainter& p, QPointF at, double u) {
  const double d = 3.4 * u;
  p.setPen(QPen(QColor(110, 76, 16), 0.6 * u));
  p.setBrush(GoldGradient(at - QPointF(d, d), at + QPointF(d, d)));
  p.drawPath(SuitPath(Suit::kDiamonds, QRectF(at.x() - d, at.y() - d, 2 * d, 2 * d)));
}

QImage PaintScorePanel(double k) {
  const double w = 120 * k, h = 150 * k;
  QImage img = Canvas(static_cast<int>(w), static_cast<int>(h));
  QPainter p(&img);
  Smooth(p);
  PaintPlate(p, QRectF(0, 0, w, h), k);
  // The ring that holds the trump symbol (40 x 40 at the middle, 60 from the top).
  const QPointF c(w / 2, 60 * k + 20 * k);
  p.setPen(QPen(GoldGradient(c - QPointF(24 * k, 24 * k), c + QPointF(24 * k, 24 * k)), 2.2 * k));
  p.setBrush(QColor(255, 255, 255, 120));
  p.drawEllipse(c, 25 * k, 25 * k);
  p.setPen(QPen(QColor(170, 130, 50, 120), 0.8 * k));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(c, 28.5 * k, 28.5 * k);
  // A rule under the round number.
  p.setPen(QPen(GoldGradient(QPointF(20 * k, 0), QPointF(100 * k, 0)), 1.2 * k));
  p.drawLine(QPointF(22 * k, 47 * k), QPointF(w - 24 * k, 47 * k));
  PaintCornerFlourish(p, QPointF(12 * k, 12 * k), k);
  PaintCornerFlourish(p, QPointF(w - 13.5 * k, 12 * k), k);
  PaintCornerFlourish(p, QPointF(12 * k, h - 14 * k), k);
  PaintCornerFlourish(p, QPointF(w - 13.5 * k, h - 14 * k), k);
  return img;
}

QImage PaintChatFrame(double k) {
  const double w = 130 * k, h = 90 * k;
  QImage img = Canvas(static_cast<int>(w), static_cast<int>(h));
  QPainter p(&img);
  Smooth(p);
  PaintPlate(p, QRectF(0, 0, w, h), k);
  // Faint rules under the four lines of text (written from y = 14 j + 3).
  p.setPen(QPen(QColor(150, 120, 70, 70), 0.7 * k));
  for (int j = 1; j <= 4; ++j) {
    const double y = (14 * j + 3 + 14) * k;
    p.drawLine(QPointF(14 * k, y), QPointF(w - 14 * k, y));
  }
  return img;
}

}  // namespace

void DrawTableArt(Sink& sink) {
  sink.Jpeg(QStringLiteral("FonG"), PaintBaize(760, 500), 90);
  sink.Jpeg(QStringLiteral("FonGB"), PaintBaize(1520, 1000), 86);
  for (const LabelColour& label : kLabels) {
    sink.Png(QLatin1String(label.name), PaintLabel(160, 20, label.base));
    sink.Png(QLatin1String(label.name) + 'B', PaintLabel(320, 40, label.base));
  }
  sink.Png(QStringLiteral("TabloSm"), PaintScoreTab(1));
  sink.Png(QStringLiteral("TabloBg"), PaintScoreTab(2));
  sink.Png(QStringLiteral("RamkaBBSm"), PaintScorePanel(1));
  sink.Png(QStringLiteral("RamkaBBBg"), PaintScorePanel(2));
  sink.Png(QStringLiteral("RamkaERSm"), PaintChatFrame(1));
  sink.Png(QStringLiteral("RamkaERBg"), PaintChatFrame(2));
}

}  // namespace ostrel::artgen
