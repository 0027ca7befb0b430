#include "table/move_timer.h"

#include <QFont>
#include <QPixmap>

#include "pictures/own_pictures.h"

namespace ostrel {

void PaintMoveTimer(QPainter& p, const Rect& label, const TableScale& t, int count) {
  const bool hurry = count < 8;
  const int size = static_cast<int>(40 * t.s + 0.5);
  const QRect face(label.Right() + static_cast<int>(4 * t.s), label.y + label.h / 2 - size / 2,
                   size, size);
  const QImage picture = OwnPicture(hurry ? QStringLiteral("GTimerR") : QStringLiteral("GTimerY"));
  p.save();
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.drawImage(face, picture);
  QFont font = p.font();
  font.setBold(true);
  font.setPixelSize(std::max(8, static_cast<int>(18 * t.s)));
  p.setFont(font);
  p.setPen(hurry ? QColor(255, 230, 0) : QColor(200, 0, 0));
  p.drawText(face, Qt::AlignCenter, QString::number(count));
  p.restore();
}

}  // namespace ostrel
