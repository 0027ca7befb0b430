#include "app/title_screen.h"

#include <QKeyEvent>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <cmath>

#include "app/text.h"
#include "table/fonts.h"
#include "table/picture_source.h"

namespace ostrel {

TitleScreen::TitleScreen(QWidget* parent) : QWidget(parent) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
}

void TitleScreen::Animate() {
  ++frame_;
  update();
}

void TitleScreen::resizeEvent(QResizeEvent*) {
  cloth_ = cards_.Cloth(size(), 5);
}

void TitleScreen::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  const double k = height() / 500.0;
  const QPixmap picture = PictureSized("GTitle", size());
  if (!picture.isNull()) {
    p.drawPixmap(0, 0, picture);
  } else {
    PaintFan(p, k);
  }
  PaintSparks(p, k);
  PaintTitle(p, k);
}

void TitleScreen::PaintFan(QPainter& p, double k) {
  if (cloth_.size() != size()) cloth_ = cards_.Cloth(size(), 5);
  p.drawPixmap(0, 0, cloth_);
  // A fan of the four aces and the four jacks, breathing with the timer.
  const QSize card(static_cast<int>(86 * k), static_cast<int>(116 * k));
  const double phase = std::sin(frame_ / 40.0);
  const int suits[8] = {1, 2, 3, 4, 1, 2, 3, 4};
  for (int i = 0; i < 8; ++i) {
    const Rank rank = i < 4 ? Rank::Jack : Rank::Ace;
    const QPixmap& pm = cards_.Card(MakeCard(rank, suits[i]), true, card);
    p.save();
    p.translate(width() / 2.0, height() * 0.93);
    p.rotate((i - 3.5) * (9.0 + 1.5 * phase));
    p.drawPixmap(-card.width() / 2, -static_cast<int>(card.height() * 1.9), pm);
    p.restore();
  }
}

// Sparks twinkle over the cards of the fan.
void TitleScreen::PaintSparks(QPainter& p, double k) const {
  const QImage sparkle = Picture("GSparkle");
  if (sparkle.isNull()) return;
  const QPointF places[4] = {{0.30, 0.55}, {0.47, 0.48}, {0.62, 0.52}, {0.76, 0.62}};
  for (int i = 0; i < 4; ++i) {
    const int frame = (frame_ / 3 + i * 2) % 8;
    const double size = 32 * k;
    p.drawImage(
        QRectF(width() * places[i].x() - size / 2, height() * places[i].y() - size / 2, size, size),
        sparkle, QRectF(frame * 32, 0, 32, 32));
  }
}

void TitleScreen::PaintTitle(QPainter& p, double k) const {
  FontRoles roles;
  QFont title = RoleFont(roles, FontRole::Decor, static_cast<int>(92 * k), true);
  QPainterPath path;
  // The game's short name is a name, the same in every language (no phrase holds it).
  const QString text = QStringLiteral("OSTREL-4");
  const QFontMetrics fm(title);
  const double x = (width() - fm.horizontalAdvance(text)) / 2.0;
  const double y = height() * 0.25;
  path.addText(x, y, title, text);
  QLinearGradient gold(0, y - fm.ascent(), 0, y);
  gold.setColorAt(0, QColor(255, 246, 180));
  gold.setColorAt(0.5, QColor(240, 190, 50));
  gold.setColorAt(1, QColor(170, 100, 10));
  p.translate(3 * k, 4 * k);
  p.fillPath(path, QColor(0, 0, 0, 120));
  p.translate(-3 * k, -4 * k);
  p.setPen(QPen(QColor(90, 40, 0), 2 * k));
  p.setBrush(gold);
  p.drawPath(path);
  QFont small = RoleFont(roles, FontRole::Serif, static_cast<int>(22 * k), true);
  p.setFont(small);
  p.setPen(QColor(255, 240, 200));
  p.drawText(QRect(0, static_cast<int>(y + 8 * k), width(), static_cast<int>(30 * k)),
             Qt::AlignHCenter | Qt::AlignTop, QStringLiteral("V 5.7f"));
  const int alpha = 140 + static_cast<int>(100 * std::abs(std::sin(frame_ / 25.0)));
  p.setPen(QColor(255, 255, 255, alpha));
  p.setFont(RoleFont(roles, FontRole::Serif, static_cast<int>(16 * k)));
  p.drawText(QRect(0, static_cast<int>(height() * 0.34), width(), static_cast<int>(24 * k)),
             Qt::AlignHCenter, T("Ostrel-Quartet"));
}

void TitleScreen::mousePressEvent(QMouseEvent*) {
  emit Left();
}

void TitleScreen::keyReleaseEvent(QKeyEvent* event) {
  if (!event->isAutoRepeat()) emit Left();
}

}  // namespace ostrel
