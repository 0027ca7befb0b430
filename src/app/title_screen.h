// The title screen: the product title over a slowly turning fan of cards. Any click or
// released key leaves it.
#pragma once

#include <QPainter>
#include <QWidget>

#include "table/card_painter.h"

namespace ostrel {

class TitleScreen : public QWidget {
  Q_OBJECT
 public:
  explicit TitleScreen(QWidget* parent = nullptr);
  // One tick of the main timer (20 ms).
  void Animate();

 signals:
  void Left();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void keyReleaseEvent(QKeyEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  void PaintFan(QPainter& p, double k);
  void PaintSparks(QPainter& p, double k) const;
  void PaintTitle(QPainter& p, double k) const;

  CardPainter cards_;
  QPixmap cloth_;
  int frame_ = 0;
};

}  // namespace ostrel
