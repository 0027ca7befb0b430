#include "paint.h"

#include <QFile>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QHash>
#include <cmath>

namespace ostrel::artgen {

namespace {

struct FaceFile {
  Face face;
  const char* path;
};

// Free faces from Debian packages: fonts-ebgaramond, fonts-liberation2 and
// fonts-wqy-microhei.
const FaceFile kFaceFiles[] = {
    {Face::kSerif, "/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf"},
    {Face::kFigures, "/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf"},
    {Face::kCjk, "/usr/share/fonts/truetype/wqy/wqy-microhei.ttc"},
};

QHash<int, QString>& Families() {
  static QHash<int, QString> families;
  return families;
}

}  // namespace

bool LoadFaces(QString* error) {
  for (const FaceFile& f : kFaceFiles) {
    const QString path = QString::fromLatin1(f.path);
    const int id = QFile::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
    const QStringList names = id < 0 ? QStringList() : QFontDatabase::applicationFontFamilies(id);
    if (names.isEmpty()) {
      *error = QStringLiteral("font file missing or unreadable: %1").arg(path);
      return false;
    }
    Families().insert(static_cast<int>(f.face), names.first());
  }
  return true;
}

QFont MakeFont(Face face, double pixel_size) {
  QFont font(Families().value(static_cast<int>(face)));
  font.setPixelSize(std::max(1, static_cast<int>(std::lround(pixel_size))));
  font.setBold(face == Face::kFigures);
  font.setHintingPreference(QFont::PreferNoHinting);
  font.setStyleStrategy(QFont::PreferAntialias);
  return font;
}

QPainterPath SuitPath(Suit suit, const QRectF& box) {
  QPainterPath p;
  switch (suit) {
    case Suit::kHearts:
      p.moveTo(0.5, 0.97);
      p.cubicTo(0.16, 0.70, 0.0, 0.50, 0.02, 0.28);
      p.cubicTo(0.05, 0.06, 0.36, -0.02, 0.5, 0.22);
      p.cubicTo(0.64, -0.02, 0.95, 0.06, 0.98, 0.28);
      p.cubicTo(1.0, 0.50, 0.84, 0.70, 0.5, 0.97);
      break;
    case Suit::kDiamonds:
      p.moveTo(0.5, 0.0);
      p.quadTo(0.64, 0.26, 0.9, 0.5);
      p.quadTo(0.64, 0.74, 0.5, 1.0);
      p.quadTo(0.36, 0.74, 0.1, 0.5);
      p.quadTo(0.36, 0.26, 0.5, 0.0);
      break;
    case Suit::kSpades:
      p.moveTo(0.5, 0.0);
      p.cubicTo(0.66, 0.22, 1.0, 0.40, 0.98, 0.62);
      p.cubicTo(0.96, 0.84, 0.68, 0.86, 0.54, 0.70);
      p.quadTo(0.56, 0.88, 0.72, 1.0);
      p.lineTo(0.28, 1.0);
      p.quadTo(0.44, 0.88, 0.46, 0.70);
      p.cubicTo(0.32, 0.86, 0.04, 0.84, 0.02, 0.62);
      p.cubicTo(0.0, 0.40, 0.34, 0.22, 0.5, 0.0);
      break;
    case Suit::kClubs: {
      QPainterPath leaves;
      leaves.addEllipse(QPointF(0.5, 0.25), 0.23, 0.23);
      leaves.addEllipse(QPointF(0.25, 0.6), 0.23, 0.23);
      leaves.addEllipse(QPointF(0.75, 0.6), 0.23, 0.23);
      QPainterPath stem;
      stem.moveTo(0.44, 0.4);
      stem.lineTo(0.56, 0.4);
      stem.lineTo(0.55, 0.7);
      stem.quadTo(0.57, 0.9, 0.72, 1.0);
      stem.lineTo(0.28, 1.0);
      stem.quadTo(0.43, 0.9, 0.45, 0.7);
      stem.closeSubpath();
      QPainterPath middle;
      middle.addEllipse(QPointF(0.5, 0.52), 0.14, 0.14);
      p = leaves.united(stem).united(middle);
      p.setFillRule(Qt::WindingFill);
      break;
    }
  }
  // Fit the unit outline into the box, keeping it slightly taller than wide.
  const double side = std::min(box.width(), box.height());
  const double w = side * 0.92;
  const double h = side;
  QTransform t;
  t.translate(box.center().x() - w / 2, box.center().y() - h / 2);
  t.scale(w, h);
  return t.map(p);
}

QPainterPath StarPath(QPointF centre, double outer, double inner, int points) {
  QPainterPath path;
  for (int i = 0; i < points * 2; ++i) {
    const double r = (i % 2 == 0) ? outer : inner;
    const double a = -M_PI / 2 + i * M_PI / points;
    const QPointF pt(centre.x() + r * std::cos(a), centre.y() + r * std::sin(a));
    if (i == 0) {
      path.moveTo(pt);
    } else {
      path.lineTo(pt);
    }
  }
  path.closeSubpath();
  return path;
}

QLinearGradient GoldGradient(QPointF from, QPointF to) {
  QLinearGradient g(from, to);
  g.setColorAt(0.0, colour::kGoldLight);
  g.setColorAt(0.35, colour::kGold);
  g.setColorAt(0.55, colour::kGoldDark);
  g.setColorAt(0.8, colour::kGold);
  g.setColorAt(1.0, colour::kGoldLight);
  return g;
}

QLinearGradient Vertical(const QRectF& r, QColor top, QColor bottom) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, top);
  g.setColorAt(1, bottom);
  return g;
}

QColor Mix(QColor a, QColor b, double t) {
  return QColor::fromRgbF(static_cast<float>(a.redF() + (b.redF() - a.redF()) * t),
                          static_cast<float>(a.greenF() + (b.greenF() - a.greenF()) * t),
                          static_cast<float>(a.blueF() + (b.blueF() - a.blueF()) * t),
                          static_cast<float>(a.alphaF() + (b.alphaF() - a.alphaF()) * t));
}

void GoldRim(QPainter& p, const QRectF& r, double radius, double width) {
  p.save();
  QPainterPath outer;
  outer.addRoundedRect(r, radius, radius);
  QPainterPath inner;
  const double in = width;
  inner.addRoundedRect(r.adjusted(in, in, -in, -in), std::max(0.0, radius - in),
                       std::max(0.0, radius - in));
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(r.topLeft(), r.bottomRight()));
  p.drawPath(outer.subtracted(inner));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(60, 40, 8, 180), std::max(0.6, width * 0.18)));
  p.drawPath(inner);
  p.setPen(QPen(QColor(255, 246, 210, 140), std::max(0.5, width * 0.12)));
  p.drawRoundedRect(r.adjusted(0.5, 0.5, -0.5, -0.5), radius, radius);
  p.restore();
}

void PaintSuit(QPainter& p, Suit suit, const QRectF& box, bool gloss) {
  const QPainterPath path = SuitPath(suit, box);
  const QRectF b = path.boundingRect();
  QLinearGradient g(b.topLeft(), b.bottomRight());
  if (IsRed(suit)) {
    g.setColorAt(0, QColor(236, 60, 60));
    g.setColorAt(1, QColor(160, 10, 24));
  } else {
    g.setColorAt(0, QColor(80, 80, 92));
    g.setColorAt(1, QColor(10, 10, 14));
  }
  p.save();
  p.setPen(QPen(IsRed(suit) ? QColor(110, 0, 10) : QColor(0, 0, 0), std::max(0.5, b.width() / 40)));
  p.setBrush(g);
  p.drawPath(path);
  if (gloss && b.width() >= 14) {
    QLinearGradient shine(b.topLeft(), QPointF(b.left(), b.center().y()));
    shine.setColorAt(0, QColor(255, 255, 255, 110));
    shine.setColorAt(1, QColor(255, 255, 255, 0));
    p.setPen(Qt::NoPen);
    p.setBrush(shine);
    p.setClipPath(path);
    p.drawEllipse(QRectF(b.left() + b.width() * 0.1, b.top() - b.height() * 0.1, b.width() * 0.8,
                         b.height() * 0.55));
  }
  p.restore();
}

void FancyText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
               const QBrush& fill, QColor outline, double outline_width, QColor shadow) {
  QPainterPath path;
  const QFontMetricsF fm(font);
  const double tw = fm.horizontalAdvance(text);
  const double x = box.left() + (box.width() - tw) / 2;
  const double y = box.top() + (box.height() + fm.ascent() - fm.descent()) / 2;
  path.addText(QPointF(x, y), font, text);
  p.save();
  p.setPen(Qt::NoPen);
  if (shadow.alpha() > 0) {
    p.setBrush(shadow);
    p.drawPath(path.translated(outline_width * 0.8 + 1, outline_width * 0.8 + 1));
  }
  if (outline_width > 0) {
    p.setPen(QPen(outline, outline_width * 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    p.drawPath(path);
  }
  p.setPen(Qt::NoPen);
  p.setBrush(fill);
  p.drawPath(path);
  p.restore();
}

double FitFont(Face face, const QString& text, double start, double width) {
  double size = start;
  while (size > 6 && QFontMetricsF(MakeFont(face, size)).horizontalAdvance(text) > width) {
    size -= 1;
  }
  return size;
}

// A white-gloved hand pointing up, drawn in a 40 x 60 box.
namespace {

QPainterPath HandUpPath() {
  QPainterPath finger;
  finger.addRoundedRect(QRectF(15, 2, 10, 34), 5, 5);
  QPainterPath palm;
  palm.addRoundedRect(QRectF(7, 26, 27, 24), 8, 8);
  QPainterPath knuckles;
  for (int i = 0; i < 3; ++i)
    knuckles.addRoundedRect(QRectF(24 - 0.5 * i, 27 + 7 * i, 11, 8), 4, 4);
  QPainterPath thumb;
  thumb.moveTo(9, 40);
  thumb.cubicTo(2, 36, 1, 28, 6, 26);
  thumb.cubicTo(10, 25, 13, 30, 15, 34);
  thumb.closeSubpath();
  QPainterPath hand = finger.united(palm).united(knuckles).united(thumb);
  hand.setFillRule(Qt::WindingFill);
  return hand;
}

}  // namespace

void PaintHandUp(QPainter& p, const QRectF& box, QColor light, QColor shade) {
  const double k = std::min(box.width() / 40, box.height() / 60);
  p.save();
  p.translate(box.center().x() - 20 * k, box.center().y() - 30 * k);
  p.scale(k, k);
  const QPainterPath hand = HandUpPath();
  p.setPen(QPen(QColor(40, 36, 30), 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
  QLinearGradient glove(QPointF(5, 0), QPointF(35, 0));
  glove.setColorAt(0, light);
  glove.setColorAt(1, shade);
  p.setBrush(glove);
  p.drawPath(hand);
  p.setPen(QPen(QColor(90, 90, 100), 0.9));
  p.drawLine(QPointF(25, 34), QPointF(33, 34));
  p.drawLine(QPointF(25, 41), QPointF(33, 41));
  // The gold cuff.
  const QRectF cuff(8, 49, 25, 9);
  p.setPen(QPen(QColor(80, 56, 10), 1.2));
  p.setBrush(GoldGradient(cuff.topLeft(), cuff.bottomLeft()));
  p.drawRoundedRect(cuff, 2.5, 2.5);
  p.restore();
}

}  // namespace ostrel::artgen
