#include "pictures/own_pictures.h"

#include <QDir>
#include <QFile>
#include <QImageReader>
#include <QRegularExpression>
#include <mutex>

// The resources live in a static library: they must be registered by hand
// before the first lookup, and Q_INIT_RESOURCE must stand outside a namespace.
static void RegisterOwnPictures() {
  Q_INIT_RESOURCE(ostrel_own_pictures);
}

namespace ostrel {

namespace {

const QString kFolder = QStringLiteral(":/ostrel/pictures");

void EnsureRegistered() {
  static std::once_flag once;
  std::call_once(once, RegisterOwnPictures);
}

bool PlainName(const QString& name) {
  static const QRegularExpression kPlain(QStringLiteral("^[A-Za-z0-9_]+$"));
  return kPlain.match(name).hasMatch();
}

}  // namespace

QString OwnPicturePath(const QString& name) {
  EnsureRegistered();
  if (!PlainName(name)) return QString();
  const QString path = kFolder + '/' + name;
  return QFile::exists(path) ? path : QString();
}

QImage OwnPicture(const QString& name) {
  const QString path = OwnPicturePath(name);
  if (path.isEmpty()) return QImage();
  QImageReader reader(path);
  return reader.read();
}

QList<QImage> OwnAnimationFrames(const QString& name) {
  QList<QImage> frames;
  const QString path = OwnPicturePath(name);
  if (path.isEmpty()) return frames;
  QImageReader reader(path);
  for (QImage frame = reader.read(); !frame.isNull(); frame = reader.read()) {
    frames << frame;
    if (!reader.supportsAnimation()) break;
  }
  return frames;
}

QStringList OwnPictureNames() {
  EnsureRegistered();
  QStringList names = QDir(kFolder).entryList(QDir::Files, QDir::Name);
  names.sort();
  return names;
}

QPoint OwnCursorHotSpot(const QString& name) {
  // Where the drawings of tools/artgen put the tip of each cursor.
  if (name == QLatin1String("CURARROW")) return QPoint(3, 2);
  if (name == QLatin1String("CURHAND")) return QPoint(11, 2);
  if (name == QLatin1String("CURWAIT")) return QPoint(15, 15);
  if (name == QLatin1String("CUREDIT")) return QPoint(15, 15);
  return QPoint(0, 0);
}

}  // namespace ostrel
