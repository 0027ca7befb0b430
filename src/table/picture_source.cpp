#include "table/picture_source.h"

#include <QHash>

#include "pictures/own_pictures.h"

namespace ostrel {

QImage Picture(const QString& name) {
  return OwnPicture(name);
}

QPixmap PictureSized(const QString& name, QSize size) {
  static QHash<QString, QPixmap> cache;
  const QString key = name + QLatin1Char('@') + QString::number(size.width()) + QLatin1Char('x') +
                      QString::number(size.height());
  if (auto it = cache.constFind(key); it != cache.constEnd()) return *it;
  const QImage image = Picture(name);
  QPixmap pm;
  if (!image.isNull()) {
    pm = QPixmap::fromImage(
        image.size() == size ? image
                             : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
  }
  if (cache.size() > 400) cache.clear();
  cache.insert(key, pm);
  return pm;
}

}  // namespace ostrel
