#include "app/window_place.h"

#include <QKeySequence>
#include <QScreen>
#include <QShortcut>
#include <algorithm>

#include "app/main_window.h"

namespace ostrel {

QPoint CentredPlace(const QRect& available, const QSize& frame) {
  const int x = available.x() + std::max(0, (available.width() - frame.width()) / 2);
  const int y = available.y() + std::max(0, (available.height() - frame.height()) / 2);
  return {x, y};
}

void TForm1::PlaceWindow(const TableScale& scale) {
  if (settings_.WindowSize == 2) {
    setFixedSize(scale.client_w, scale.client_h);
    if (!isFullScreen()) showFullScreen();
    return;
  }
  if (isFullScreen()) showNormal();
  // The frame keeps its title bar and borders around the new client size.
  const QSize decoration = frameGeometry().size() - size();
  setFixedSize(scale.client_w, scale.client_h);
  if (const QScreen* s = screen()) {
    move(CentredPlace(s->availableGeometry(), QSize(scale.client_w, scale.client_h) + decoration));
  }
}

void TForm1::SetUpFullScreenKey() {
  auto* key = new QShortcut(QKeySequence(Qt::Key_F11), this);
  key->setObjectName("FullScreenKey");
  connect(key, &QShortcut::activated, this, &TForm1::ToggleFullScreen);
}

void TForm1::ToggleFullScreen() {
  if (screen_ == Screen::Title) return;
  if (settings_.WindowSize == 2) {
    settings_.WindowSize = windowed_size_;
  } else {
    windowed_size_ = settings_.WindowSize;
    settings_.WindowSize = 2;
  }
  ApplySettings();
}

}  // namespace ostrel
