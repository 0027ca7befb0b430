// Card faces, suit symbols and the seven weekday backs of set 0.
#include <QSvgRenderer>
#include <QTransform>
#include <array>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

struct SuitName {
  const char* prefix;  // picture name prefix
  const char* deck;    // element suffix in the SVG deck
  const char* symbol;  // suit symbol picture
  Suit suit;
};

const std::array<SuitName, 4> kSuits = {{
    {"Ch", "heart", "Cher", Suit::kHearts},
    {"Bu", "diamond", "Bubi", Suit::kDiamonds},
    {"Kr", "club", "Kres", Suit::kClubs},
    {"Pi", "spade", "Piki", Suit::kSpades},
}};

struct RankName {
  const char* code;
  const char* deck;
};

const std::array<RankName, 9> kRanks = {{
    {"06", "6"},
    {"07", "7"},
    {"08", "8"},
    {"09", "9"},
    {"10", "10"},
    {"2J", "jack"},
    {"3Q", "queen"},
    {"4K", "king"},
    {"5A", "1"},
}};

QImage RenderFace(QSvgRenderer& deck, const QString& element, int w, int h) {
  // Drawn at twice the size and reduced: finer lines in the small faces.
  QImage big = Canvas(w * 2, h * 2);
  {
    QPainter p(&big);
    Smooth(p);
    deck.render(&p, element, QRectF(0, 0, w * 2, h * 2));
  }
  return big.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

struct BackColours {
  const char* day;
  QColor base;
};

const std::array<BackColours, 7> kDays = {{
    {"01Mo", QColor(150, 22, 38)},
    {"02Tu", QColor(24, 56, 142)},
    {"03We", QColor(12, 102, 62)},
    {"04Th", QColor(88, 34, 124)},
    {"05Fr", QColor(160, 84, 22)},
    {"06Su", QColor(8, 102, 112)},
    {"07Su", QColor(34, 34, 42)},
}};

void PaintLattice(QPainter& p, const QRectF& r, QColor base, double step) {
  p.save();
  p.setClipRect(r);
  p.setPen(QPen(Mix(base, Qt::white, 0.28), std::max(0.6, step / 12)));
  const double span = r.width() + r.height();
  for (double d = -span; d < span; d += step) {
    p.drawLine(QPointF(r.left() + d, r.top()), QPointF(r.left() + d + r.height(), r.bottom()));
    p.drawLine(QPointF(r.left() + d, r.bottom()), QPointF(r.left() + d + r.height(), r.top()));
  }
  // A small gold bead at every crossing.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(240, 210, 120, 170));
  for (double d = -span; d < span; d += step) {
    for (double e = -span; e < span; e += step) {
      const double a = d + r.left() - r.top();     // x - y along the first family
      const double b = e + r.left() + r.bottom();  // x + y along the second
      const double x = (a + b) / 2;
      const double y = (b - a) / 2;
      if (r.contains(x, y)) p.drawEllipse(QPointF(x, y), step / 9, step / 9);
    }
  }
  p.restore();
}

void PaintMedallion(QPainter& p, const QPointF& c, double rx, double ry, QColor base) {
  const QRectF oval(c.x() - rx, c.y() - ry, 2 * rx, 2 * ry);
  p.save();
  QRadialGradient fill(c, std::max(rx, ry));
  fill.setColorAt(0, Mix(base, Qt::white, 0.25));
  fill.setColorAt(1, Mix(base, Qt::black, 0.35));
  p.setBrush(fill);
  p.setPen(QPen(GoldGradient(oval.topLeft(), oval.bottomRight()), std::max(1.2, rx * 0.09)));
  p.drawEllipse(oval);
  p.setPen(QPen(QColor(250, 230, 160, 160), std::max(0.5, rx * 0.025)));
  p.setBrush(Qt::NoBrush);
  p.drawEllipse(oval.adjusted(rx * 0.16, ry * 0.16, -rx * 0.16, -ry * 0.16));
  // Four suits around a gold star: the emblem of the game.
  const double s = std::min(rx, ry) * 0.42;
  const std::array<QPointF, 4> at = {
      QPointF(c.x(), c.y() - ry * 0.5), QPointF(c.x() + rx * 0.5, c.y()),
      QPointF(c.x(), c.y() + ry * 0.5), QPointF(c.x() - rx * 0.5, c.y())};
  const std::array<Suit, 4> suits = {Suit::kSpades, Suit::kHearts, Suit::kClubs, Suit::kDiamonds};
  p.setPen(QPen(QColor(90, 60, 10), std::max(0.4, s / 18)));
  for (int i = 0; i < 4; ++i) {
    p.setBrush(GoldGradient(at[i] - QPointF(s / 2, s / 2), at[i] + QPointF(s / 2, s / 2)));
    p.drawPath(SuitPath(suits[i], QRectF(at[i].x() - s / 2, at[i].y() - s / 2, s, s)));
  }
  p.setBrush(GoldGradient(c - QPointF(s / 2, s / 2), c + QPointF(s / 2, s / 2)));
  p.drawPath(StarPath(c, s * 0.55, s * 0.24, 8));
  p.restore();
}

// One back in portrait; the side players' backs are the landscape layout turned.
QImage PaintBack(int w, int h, QColor base) {
  QImage img = Canvas(w, h);
  QPainter p(&img);
  Smooth(p);
  const double u = std::min(w, h) / 71.0;
  const QRectF card(0.5, 0.5, w - 1, h - 1);
  p.setPen(QPen(QColor(90, 90, 90), std::max(0.8, u * 0.8)));
  p.setBrush(colour::kCream);
  p.drawRoundedRect(card, 5 * u, 5 * u);
  const QRectF panel = card.adjusted(4 * u, 4 * u, -4 * u, -4 * u);
  QRadialGradient fill(panel.center(), std::max(panel.width(), panel.height()) * 0.7);
  fill.setColorAt(0, Mix(base, Qt::white, 0.15));
  fill.setColorAt(1, Mix(base, Qt::black, 0.3));
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawRoundedRect(panel, 3 * u, 3 * u);
  PaintLattice(p, panel.adjusted(2 * u, 2 * u, -2 * u, -2 * u), base, 7.5 * u);
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(GoldGradient(panel.topLeft(), panel.bottomRight()), 1.4 * u));
  p.drawRoundedRect(panel.adjusted(1.6 * u, 1.6 * u, -1.6 * u, -1.6 * u), 2.5 * u, 2.5 * u);
  p.setPen(QPen(QColor(250, 226, 150, 150), 0.5 * u));
  p.drawRoundedRect(panel.adjusted(3.4 * u, 3.4 * u, -3.4 * u, -3.4 * u), 2 * u, 2 * u);
  const QPointF c = panel.center();
  PaintMedallion(p, c, panel.width() * 0.3, panel.height() * 0.27, base);
  // Gold diamonds in the corners of the panel.
  p.setPen(Qt::NoPen);
  const double d = 3.2 * u;
  for (const QPointF& corner :
       {panel.topLeft() + QPointF(7 * u, 7 * u), panel.topRight() + QPointF(-7 * u, 7 * u),
        panel.bottomLeft() + QPointF(7 * u, -7 * u),
        panel.bottomRight() + QPointF(-7 * u, -7 * u)}) {
    p.setBrush(GoldGradient(corner - QPointF(d, d), corner + QPointF(d, d)));
    p.drawPath(SuitPath(Suit::kDiamonds, QRectF(corner.x() - d, corner.y() - d, 2 * d, 2 * d)));
  }
  return img;
}

}  // namespace

bool DrawCardFaces(Sink& sink, const QString& deck_file, QString* error) {
  QSvgRenderer deck(deck_file);
  if (!deck.isValid()) {
    *error = QStringLiteral("cannot read the card deck %1").arg(deck_file);
    return false;
  }
  for (const SuitName& s : kSuits) {
    for (const RankName& r : kRanks) {
      const QString element =
          QStringLiteral("%1_%2").arg(QLatin1String(r.deck), QLatin1String(s.deck));
      if (!deck.elementExists(element)) {
        *error = QStringLiteral("the card deck lacks the card %1").arg(element);
        return false;
      }
      const QString name = QLatin1String(s.prefix) + QLatin1String(r.code);
      sink.Png(name, RenderFace(deck, element, 71, 96));
      sink.Png(name + 'B', RenderFace(deck, element, 146, 198));
    }
  }
  return true;
}

void DrawSuitSymbols(Sink& sink) {
  for (const SuitName& s : kSuits) {
    for (const int side : {20, 40}) {
      QImage img = Canvas(side, side);
      QPainter p(&img);
      Smooth(p);
      const double m = side / 20.0;
      PaintSuit(p, s.suit, QRectF(m, m, side - 2 * m, side - 2 * m));
      p.end();
      sink.Png(QLatin1String(s.symbol) + (side == 40 ? QStringLiteral("B") : QString()), img);
    }
  }
}

void DrawCardBacks(Sink& sink) {
  QTransform turn;
  turn.rotate(90);
  for (const BackColours& day : kDays) {
    const QString name = QStringLiteral("Ob") + QLatin1String(day.day);
    sink.Png(name, PaintBack(71, 96, day.base));
    sink.Png(name + 'B', PaintBack(146, 198, day.base));
    sink.Png(name + 'R', PaintBack(96, 71, day.base).transformed(turn));
    sink.Png(name + "RB", PaintBack(198, 146, day.base).transformed(turn));
  }
}

}  // namespace ostrel::artgen
