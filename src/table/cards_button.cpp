#include "table/cards_button.h"

#include <QLinearGradient>
#include <QPainter>
#include <algorithm>

#include "table/picture_source.h"

namespace ostrel {

QColor SkinBase(SkinColour c) {
  switch (c) {
    case SkinColour::DRed:
      return QColor(170, 25, 25);
    case SkinColour::DGreen:
      return QColor(25, 125, 45);
    case SkinColour::DBlue:
      return QColor(30, 80, 190);
    case SkinColour::DNavy:
      return QColor(20, 30, 110);
    case SkinColour::DYellow:
      return QColor(190, 150, 20);
    case SkinColour::DViolet:
      return QColor(120, 40, 150);
    case SkinColour::DOrang:
      return QColor(210, 110, 20);
    case SkinColour::DCards:
      return QColor(95, 20, 60);
  }
  return QColor(170, 25, 25);
}

TTarvoCardsButton::TTarvoCardsButton(const QString& text, QWidget* parent)
    : QAbstractButton(parent), skin_(SkinBase(SkinColour::DRed)) {
  setText(text);
  setCursor(Qt::PointingHandCursor);
  setAttribute(Qt::WA_Hover);
}

void TTarvoCardsButton::SetColorSB(SkinColour c) {
  colour_ = c;
  skin_ = SkinBase(c);
  update();
}

void TTarvoCardsButton::SetNata(bool on) {
  nata_ = on;
  update();
}

QSize TTarvoCardsButton::sizeHint() const {
  const QFontMetrics fm(font());
  return {fm.horizontalAdvance(text()) + 40, std::max(30, fm.height() + 12)};
}

void TTarvoCardsButton::enterEvent(QEnterEvent* event) {
  hover_ = true;
  update();
  QAbstractButton::enterEvent(event);
}

void TTarvoCardsButton::leaveEvent(QEvent* event) {
  hover_ = false;
  update();
  QAbstractButton::leaveEvent(event);
}

namespace {

// The skins are drawn red; the other colours exchange and weigh the channels.
QRgb Recolour(QRgb px, SkinColour c) {
  const int r = qRed(px), g = qGreen(px), b = qBlue(px), a = qAlpha(px);
  const auto mix = [](double v) { return std::clamp(static_cast<int>(v), 0, 255); };
  switch (c) {
    case SkinColour::DRed:
      return px;
    case SkinColour::DGreen:
      return qRgba(g, mix(r * 0.8), b, a);
    case SkinColour::DBlue:
      return qRgba(b, mix(g * 1.1), r, a);
    case SkinColour::DNavy:
      return qRgba(mix(b * 0.5), mix(g * 0.5), mix(r * 0.6), a);
    case SkinColour::DYellow:
      return qRgba(r, mix(r * 0.8), b, a);
    case SkinColour::DViolet:
      return qRgba(mix(r * 0.75), g, mix(r * 0.85), a);
    case SkinColour::DOrang:
      return qRgba(r, mix(r * 0.5 + g * 0.5), b, a);
    case SkinColour::DCards:
      return qRgba(mix(r * 0.6), mix(g * 0.5), mix(r * 0.35), a);
  }
  return px;
}

}  // namespace

// The button built from its three skin pieces at the nearest of the three heights: the ends
// keep their proportions, the middle is stretched between them.
QImage TTarvoCardsButton::Skin(QSize size) const {
  const int set = size.height() <= 37 ? 29 : size.height() <= 52 ? 44 : 59;
  const QString prefix = QString(nata_ ? "Q" : "R") + QString::number(set) + "_";
  const QImage left = Picture(prefix + "L");
  const QImage middle = Picture(prefix + "2");
  const QImage right = Picture(prefix + "R");
  if (left.isNull() || middle.isNull() || right.isNull()) return {};
  QImage img(size, QImage::Format_ARGB32_Premultiplied);
  img.fill(Qt::transparent);
  QPainter p(&img);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double k = static_cast<double>(size.height()) / left.height();
  const int lw = std::max(1, static_cast<int>(left.width() * k));
  const int rw = std::max(1, static_cast<int>(right.width() * k));
  p.drawImage(QRect(0, 0, lw, size.height()), left);
  p.drawImage(QRect(lw, 0, std::max(0, size.width() - lw - rw), size.height()), middle);
  p.drawImage(QRect(size.width() - rw, 0, rw, size.height()), right);
  p.end();
  QImage out = img.convertToFormat(QImage::Format_ARGB32);
  for (int y = 0; y < out.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < out.width(); ++x) {
      QRgb c = Recolour(line[x], colour_);
      if (!isEnabled()) {
        const int v = qGray(c);
        c = qRgba(v, v, v, qAlpha(c));
      } else if (hover_) {
        c = qRgba(std::min(255, qRed(c) + 30), std::min(255, qGreen(c) + 30),
                  std::min(255, qBlue(c) + 30), qAlpha(c));
      }
      line[x] = c;
    }
  }
  return out;
}

int TTarvoCardsButton::TextRoom() const {
  // The rounded ends of the bar take a quarter of its height each side.
  return std::max(0, width() - 2 * (height() / 4 + 2));
}

FittedText TTarvoCardsButton::Fitted() const {
  QFont f = font();
  f.setBold(true);
  return FitText(f, text(), TextRoom());
}

void TTarvoCardsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  const QImage skin = Skin(size());
  if (!skin.isNull()) {
    p.drawImage(0, 0, skin);
    if (isDown()) p.fillRect(rect().adjusted(3, 3, -3, -3), QColor(0, 0, 0, 40));
    const FittedText fitted = Fitted();
    p.setFont(fitted.font);
    const QColor text = !isEnabled() ? QColor(220, 220, 220)
                        : hover_     ? colour_mouse_
                                     : QColor(255, 255, 255);
    p.setPen(QColor(0, 0, 0, 130));
    p.drawText(QRectF(rect()).translated(1, 1), Qt::AlignCenter, fitted.text);
    p.setPen(text);
    p.drawText(rect(), Qt::AlignCenter, fitted.text);
    return;
  }
  QColor base = isEnabled() ? skin_ : QColor(128, 128, 128);
  if (isEnabled() && hover_) base = base.lighter(118);
  if (isDown()) base = base.darker(120);
  const QRectF r = QRectF(rect()).adjusted(1, 1, -1, -1);
  const double radius = nata_ ? r.height() * 0.2 : r.height() / 2;
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(nata_ ? 130 : 165));
  g.setColorAt(0.48, base.lighter(110));
  g.setColorAt(0.52, base);
  g.setColorAt(1, base.darker(150));
  p.setPen(QPen(nata_ ? QColor(255, 220, 120) : base.darker(220), nata_ ? 2 : 1));
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
  const FittedText fitted = Fitted();
  p.setFont(fitted.font);
  const QColor text = !isEnabled() ? QColor(200, 200, 200)
                      : hover_     ? colour_mouse_
                                   : QColor(255, 255, 255);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(r.translated(1, 1), Qt::AlignCenter, fitted.text);
  p.setPen(text);
  p.drawText(r, Qt::AlignCenter, fitted.text);
}

}  // namespace ostrel
