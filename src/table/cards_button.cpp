#include "table/cards_button.h"

#include <QLinearGradient>
#include <QPainter>

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

void TTarvoCardsButton::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
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
  QFont f = font();
  f.setBold(true);
  p.setFont(f);
  const QColor text = !isEnabled() ? QColor(200, 200, 200)
                      : hover_     ? colour_mouse_
                                   : QColor(255, 255, 255);
  p.setPen(QColor(0, 0, 0, 120));
  p.drawText(r.translated(1, 1), Qt::AlignCenter, this->text());
  p.setPen(text);
  p.drawText(r, Qt::AlignCenter, this->text());
}

}  // namespace ostrel
