// The program's own push button: a rounded bar in one of the skin colours, lighter while the
// mouse is over it and grey when disabled.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

#include "table/text_fit.h"

namespace ostrel {

enum class SkinColour { DRed, DGreen, DBlue, DNavy, DYellow, DViolet, DOrang, DCards };

class TTarvoCardsButton : public QAbstractButton {
  Q_OBJECT
 public:
  explicit TTarvoCardsButton(const QString& text = {}, QWidget* parent = nullptr);

  void SetColorSB(SkinColour c);
  void SetColorMouse(const QColor& c) { colour_mouse_ = c; }
  // The alternative look ("New buttons"): a flatter bar with a bright rim.
  void SetNata(bool on);
  QSize sizeHint() const override;
  // The caption as it is drawn: made smaller, then elided, to stay inside the bar.
  FittedText Fitted() const;
  // The width the caption may take.
  int TextRoom() const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void enterEvent(QEnterEvent* event) override;
  void leaveEvent(QEvent* event) override;

 private:
  QImage Skin(QSize size) const;

  SkinColour colour_ = SkinColour::DRed;
  QColor skin_;
  QColor colour_mouse_ = QColor(255, 255, 0);
  bool nata_ = false;
  bool hover_ = false;
};

QColor SkinBase(SkinColour c);

}  // namespace ostrel
