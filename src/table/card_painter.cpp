#include "table/card_painter.h"

#include "packs/card_images.h"
#include "packs/pack_names.h"
#include "table/picture_source.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <QRandomGenerator>
#include <array>
#include <utility>
#include <vector>

namespace ostrel {

QColor SuitColour(int suit_number) {
  return (suit_number == 1 || suit_number == 2) ? QColor(200, 20, 30) : QColor(20, 20, 30);
}

QString SuitSign(int suit_number) {
  static const std::array<QString, 5> kSigns = {QString(), QString(QChar(0x2665)),
                                                QString(QChar(0x2666)), QString(QChar(0x2663)),
                                                QString(QChar(0x2660))};
  return (suit_number >= 1 && suit_number <= 4) ? kSigns[suit_number] : QString();
}

QString RankText(CardCode card) {
  const auto rank = RankOf(card);
  if (!rank) return {};
  static const std::array<const char*, kRankCount> kTexts = {"7", "8", "9", "10",
                                                             "J", "Q", "K", "A"};
  return QString::fromLatin1(kTexts[static_cast<int>(*rank)]);
}

namespace {

// Shapes drawn as paths rather than font glyphs: every face looks the same whatever fonts
// the machine has.
QPainterPath SuitPath(int suit) {
  QPainterPath path;
  switch (suit) {
    case 1:  // hearts
      path.moveTo(0.5, 0.95);
      path.cubicTo(0.1, 0.6, -0.05, 0.35, 0.1, 0.15);
      path.cubicTo(0.25, -0.02, 0.45, 0.05, 0.5, 0.25);
      path.cubicTo(0.55, 0.05, 0.75, -0.02, 0.9, 0.15);
      path.cubicTo(1.05, 0.35, 0.9, 0.6, 0.5, 0.95);
      break;
    case 2:  // diamonds
      path.moveTo(0.5, 0.0);
      path.quadTo(0.7, 0.3, 0.92, 0.5);
      path.quadTo(0.7, 0.7, 0.5, 1.0);
      path.quadTo(0.3, 0.7, 0.08, 0.5);
      path.quadTo(0.3, 0.3, 0.5, 0.0);
      break;
    case 3:  // clubs
      path.addEllipse(QPointF(0.5, 0.26), 0.22, 0.22);
      path.addEllipse(QPointF(0.26, 0.56), 0.22, 0.22);
      path.addEllipse(QPointF(0.74, 0.56), 0.22, 0.22);
      path.moveTo(0.46, 0.5);
      path.quadTo(0.45, 0.85, 0.3, 1.0);
      path.lineTo(0.7, 1.0);
      path.quadTo(0.55, 0.85, 0.54, 0.5);
      path.closeSubpath();
      path.setFillRule(Qt::WindingFill);
      break;
    case 4:  // spades
      path.moveTo(0.5, 0.0);
      path.cubicTo(0.65, 0.2, 1.05, 0.4, 0.95, 0.65);
      path.cubicTo(0.88, 0.82, 0.65, 0.82, 0.54, 0.7);
      path.quadTo(0.56, 0.88, 0.7, 1.0);
      path.lineTo(0.3, 1.0);
      path.quadTo(0.44, 0.88, 0.46, 0.7);
      path.cubicTo(0.35, 0.82, 0.12, 0.82, 0.05, 0.65);
      path.cubicTo(-0.05, 0.4, 0.35, 0.2, 0.5, 0.0);
      path.setFillRule(Qt::WindingFill);
      break;
    default:
      break;
  }
  return path;
}

// Pip places of the spot cards in card units (x across, y down).
const std::vector<std::pair<double, double>>& Pips(int rank) {
  static const std::vector<std::pair<double, double>> k7 = {
      {0.3, 0.2}, {0.7, 0.2}, {0.5, 0.35}, {0.3, 0.5}, {0.7, 0.5}, {0.3, 0.8}, {0.7, 0.8}};
  static const std::vector<std::pair<double, double>> k8 = {{0.3, 0.2}, {0.7, 0.2}, {0.5, 0.35},
                                                            {0.3, 0.5}, {0.7, 0.5}, {0.5, 0.65},
                                                            {0.3, 0.8}, {0.7, 0.8}};
  static const std::vector<std::pair<double, double>> k9 = {{0.3, 0.2}, {0.7, 0.2}, {0.3, 0.4},
                                                            {0.7, 0.4}, {0.5, 0.5}, {0.3, 0.6},
                                                            {0.7, 0.6}, {0.3, 0.8}, {0.7, 0.8}};
  static const std::vector<std::pair<double, double>> k10 = {
      {0.3, 0.2}, {0.7, 0.2}, {0.5, 0.3}, {0.3, 0.4}, {0.7, 0.4},
      {0.3, 0.6}, {0.7, 0.6}, {0.5, 0.7}, {0.3, 0.8}, {0.7, 0.8}};
  static const std::vector<std::pair<double, double>> kNone;
  switch (rank) {
    case 0:
      return k7;
    case 1:
      return k8;
    case 2:
      return k9;
    case 3:
      return k10;
    default:
      return kNone;
  }
}

void DrawCorner(QPainter& p, CardCode card, QSize size, int suit) {
  const double w = size.width();
  const double h = size.height();
  QFont f("DejaVu Sans");
  f.setBold(true);
  f.setPixelSize(std::max(8, static_cast<int>(h * 0.15)));
  p.setFont(f);
  p.setPen(SuitColour(suit));
  const QRectF box(w * 0.01, h * 0.02, w * 0.22, h * 0.18);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, RankText(card));
  DrawSuitSign(p, suit, w * 0.12, h * 0.27, h * 0.085);
}

void DrawCourt(QPainter& p, CardCode card, QSize size, int suit) {
  const double w = size.width();
  const double h = size.height();
  const QRectF frame(w * 0.26, h * 0.13, w * 0.48, h * 0.74);
  QLinearGradient g(frame.topLeft(), frame.bottomRight());
  const QColor tint = suit <= 2 ? QColor(255, 236, 200) : QColor(220, 232, 255);
  g.setColorAt(0, tint.lighter(110));
  g.setColorAt(1, tint.darker(108));
  p.setPen(QPen(QColor(180, 140, 40), std::max(1.0, w / 60)));
  p.setBrush(g);
  p.drawRoundedRect(frame, w * 0.04, w * 0.04);
  QFont f("DejaVu Serif");
  f.setBold(true);
  f.setPixelSize(static_cast<int>(h * 0.3));
  p.setFont(f);
  p.setPen(SuitColour(suit));
  p.drawText(QRectF(frame.left(), frame.top(), frame.width(), frame.height() * 0.62),
             Qt::AlignCenter, RankText(card));
  DrawSuitSign(p, suit, w * 0.5, frame.top() + frame.height() * 0.75, h * 0.16);
}

}  // namespace

void DrawSuitSign(QPainter& p, int suit, double cx, double cy, double height, bool upside_down) {
  const QPainterPath path = SuitPath(suit);
  if (path.isEmpty()) return;
  p.save();
  p.translate(cx, cy);
  if (upside_down) p.rotate(180);
  p.scale(height * 0.9, height);
  p.translate(-0.5, -0.5);
  p.setPen(Qt::NoPen);
  p.setBrush(SuitColour(suit));
  p.drawPath(path);
  p.restore();
}

const QPixmap& CardPainter::Card(CardCode card, bool face_up, QSize size, bool side) {
  const bool back = !face_up || card.IsEmpty() || DeckTableNumber(card) == 0;
  const int key = back ? (side ? -100 : -1) - back_variant_ : DeckTableNumber(card);
  for (const Entry& e : cache_) {
    if (e.key == key && e.size == size) return e.pixmap;
  }
  if (cache_.size() > 80) cache_.clear();
  QPixmap pm = PictureCard(card, back, side, size);
  if (pm.isNull()) pm = back ? DrawBack(size) : DrawFace(card, size);
  cache_.push_back({key, size, pm});
  return cache_.back().pixmap;
}

// The chosen sets' pictures when there are any, else the program's own: "Ch07" ... "Pi5A" and
// the backs of the day "Ob01Mo" ...; the large ones ("...B") for every size above the small
// cards.
QPixmap CardPainter::PictureCard(CardCode card, bool back, bool side, QSize size) const {
  const auto rank = RankOf(card);
  const int suit = SuitNumber(card.suit);
  if (!back && (!rank || suit == 0)) return {};
  // The rank codes start at the six, which this game does not play.
  const int rank_code = back ? 0 : static_cast<int>(*rank) + 1;
  const QString face_key = back ? QString() : QString::fromStdString(FaceKey(suit - 1, rank_code));
  if (pictures_) {
    QImage image;
    if (back) {
      const QList<QImage>& backs = side ? pictures_->backs.side_backs : pictures_->backs.backs;
      if (!backs.isEmpty()) image = backs[(std::max(back_variant_, 1) - 1) % backs.size()];
    } else {
      image = pictures_->faces.faces.value(face_key);
    }
    if (!image.isNull()) {
      return QPixmap::fromImage(image.size() == size ? image
                                                     : image.scaled(size, Qt::IgnoreAspectRatio,
                                                                    Qt::SmoothTransformation));
    }
  }
  // The program's own set: the weekday backs and the faces, small and large ("...B").
  const bool large = size.width() > 71 || size.height() > 96;
  const std::string name = back ? BackPictureName(0, std::clamp(back_variant_, 1, 7), side,
                                                  large ? BackSize::kLargeWide : BackSize::kSmall)
                                : FacePictureName(0, suit - 1, rank_code, large);
  return PictureSized(QString::fromStdString(name), size);
}

void CardPainter::SetPictures(std::shared_ptr<const CardPictures> pictures) {
  pictures_ = std::move(pictures);
  cache_.clear();
}

void CardPainter::SetBackVariant(int v) {
  if (v != back_variant_) cache_.clear();
  back_variant_ = v;
}

QPixmap CardPainter::DrawFace(CardCode card, QSize size) const {
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width();
  const double h = size.height();
  const QRectF r(0.5, 0.5, w - 1, h - 1);
  QLinearGradient paper(0, 0, w, h);
  paper.setColorAt(0, QColor(255, 255, 252));
  paper.setColorAt(1, QColor(238, 236, 228));
  p.setPen(QPen(QColor(90, 90, 90), 1));
  p.setBrush(paper);
  p.drawRoundedRect(r, w * 0.08, w * 0.08);
  const int suit = SuitNumber(card.suit);
  const int rank = static_cast<int>(RankOf(card).value_or(Rank::Seven));
  DrawCorner(p, card, size, suit);
  p.save();
  p.translate(w, h);
  p.rotate(180);
  DrawCorner(p, card, size, suit);
  p.restore();
  if (rank <= 3) {
    for (const auto& [px, py] : Pips(rank)) {
      // Columns 0.3 and 0.7 stand at a third of the card from either edge, clear of the corners.
      DrawSuitSign(p, suit, w * (0.5 + (px - 0.5) * 0.85), h * (0.5 + (py - 0.5) * 0.92), h * 0.115,
                   py > 0.55);
    }
  } else if (rank == 7) {
    DrawSuitSign(p, suit, w * 0.5, h * 0.5, h * 0.36);
  } else {
    DrawCourt(p, card, size, suit);
  }
  return pm;
}

QPixmap CardPainter::DrawBack(QSize size) const {
  static const std::array<QColor, 4> kBacks = {QColor(150, 20, 30), QColor(20, 50, 130),
                                               QColor(20, 100, 60), QColor(90, 30, 110)};
  const QColor base = kBacks[static_cast<std::size_t>(back_variant_) % kBacks.size()];
  QPixmap pm(size);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const double w = size.width();
  const double h = size.height();
  p.setPen(QPen(QColor(60, 60, 60), 1));
  p.setBrush(QColor(250, 250, 245));
  p.drawRoundedRect(QRectF(0.5, 0.5, w - 1, h - 1), w * 0.08, w * 0.08);
  const QRectF inner(w * 0.08, w * 0.08, w * 0.84, h - w * 0.16);
  QLinearGradient g(inner.topLeft(), inner.bottomRight());
  g.setColorAt(0, base.lighter(130));
  g.setColorAt(1, base.darker(120));
  p.setBrush(g);
  p.setPen(Qt::NoPen);
  p.drawRoundedRect(inner, w * 0.05, w * 0.05);
  p.setClipRect(inner);
  p.setPen(QPen(base.lighter(170), std::max(1.0, w / 70)));
  const double step = w / 7;
  for (double d = -h; d < w + h; d += step) {
    p.drawLine(QPointF(inner.left() + d, inner.top()),
               QPointF(inner.left() + d + h, inner.bottom() + h * 0));
    p.drawLine(QPointF(inner.left() + d, inner.bottom()),
               QPointF(inner.left() + d + h, inner.top() - h * 0));
  }
  p.setClipping(false);
  p.setPen(QPen(QColor(230, 200, 120), std::max(1.0, w / 40)));
  p.setBrush(Qt::NoBrush);
  p.drawRoundedRect(inner.adjusted(2, 2, -2, -2), w * 0.04, w * 0.04);
  p.setBrush(QColor(230, 200, 120));
  p.setPen(Qt::NoPen);
  const double e = w * 0.16;
  p.drawEllipse(QPointF(w / 2, h / 2), e, e);
  p.setBrush(base.darker(110));
  p.drawEllipse(QPointF(w / 2, h / 2), e * 0.7, e * 0.7);
  return pm;
}

QPixmap CardPainter::Cloth(QSize size, int colour_variant) const {
  // The green felt is one of the program's own pictures; the other colours are woven here.
  if (colour_variant == 0) {
    const QPixmap felt = PictureSized(size.width() > 760 ? "FonGB" : "FonG", size);
    if (!felt.isNull()) return felt;
  }
  static const std::array<QColor, 7> kCloths = {
      QColor(24, 110, 60),  QColor(130, 30, 36), QColor(170, 90, 20), QColor(160, 140, 30),
      QColor(40, 120, 160), QColor(24, 40, 110), QColor(90, 40, 120)};
  const QColor base = kCloths[static_cast<std::size_t>(std::clamp(colour_variant, 0, 6))];
  QImage img(size, QImage::Format_RGB32);
  QPainter p(&img);
  QRadialGradient g(QPointF(size.width() / 2.0, size.height() * 0.45),
                    std::max(size.width(), size.height()) * 0.7);
  g.setColorAt(0, base.lighter(125));
  g.setColorAt(1, base.darker(170));
  p.fillRect(img.rect(), g);
  p.end();
  // A fixed-seed grain gives the cloth its felt: the same table every start. The grain comes
  // in short runs along the weave, which the eye reads as felt.
  QRandomGenerator grain(65);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    int d = 0;
    for (int x = 0; x < img.width(); ++x) {
      if (x % 8 == 0) d = static_cast<int>(grain.bounded(5)) - 2;
      const QRgb c = line[x];
      line[x] = qRgb(std::clamp(qRed(c) + d, 0, 255), std::clamp(qGreen(c) + d, 0, 255),
                     std::clamp(qBlue(c) + d, 0, 255));
    }
  }
  return QPixmap::fromImage(img);
}

}  // namespace ostrel
