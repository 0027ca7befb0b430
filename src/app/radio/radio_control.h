// The radio on the main menu (ImRadio): a radio set on its shelf, 220 x 125 pixels, with a
// lamp that shows whether the radio is unavailable (grey), off (red) or on (green). A left
// click switches the radio, a right click opens the radio window; pointing at it shows the
// station in a balloon. Shown only from a drawing scale of 1.6 on.
#pragma once

#include <QWidget>

#include "table/layout.h"

namespace ostrel {

class RadioService;

class RadioControl : public QWidget {
  Q_OBJECT
 public:
  RadioControl(RadioService& radio, QWidget* menu);

  // Places the control for the menu's drawing scale, or hides it below 1.6.
  void Place(const TableScale& scale);
  // The picture of the radio as it is drawn now (for tests and the radio window's switch).
  QImage Drawn() const;

 signals:
  // A click while the radio cannot be used: the caller shows the message.
  void Unavailable();
  void WindowWanted();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;

 private:
  void Refresh();

  RadioService& radio_;
};

// The message shown when the radio cannot be used.
QString RadioUnavailableText();

}  // namespace ostrel
