#include <QBuffer>
#include <QFile>
#include <QFontDatabase>
#include <QImageWriter>
#include <cstdio>
#include <cstdlib>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

void Die(const QString& message) {
  std::fprintf(stderr, "ostrel_packgen: %s\n", qPrintable(message));
  std::exit(1);
}

void Sink::Add(const std::string& name, PackKind kind, const QImage& image, const char* format,
               int quality) {
  if (image.isNull()) Die(QStringLiteral("picture %1 was not drawn").arg(name.c_str()));
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  QImageWriter writer(&buffer, format);
  writer.setQuality(quality);
  if (!writer.write(image)) Die(QStringLiteral("cannot encode %1").arg(name.c_str()));
  std::vector<std::uint8_t> data(bytes.begin(), bytes.end());
  if (!writer_.Add(name, kind, std::move(data))) {
    Die(QStringLiteral("picture %1 cannot go into the pack").arg(name.c_str()));
  }
}

void Sink::Raw(const std::string& name, PackKind kind, const QByteArray& bytes) {
  if (!writer_.Add(name, kind, std::vector<std::uint8_t>(bytes.begin(), bytes.end()))) {
    Die(QStringLiteral("entry %1 cannot go into the pack").arg(name.c_str()));
  }
}

void Sink::Png(const std::string& name, const QImage& image) {
  // A light compression: the pictures are small and the build is kept quick.
  const QImage pixels = image.hasAlphaChannel() ? image.convertToFormat(QImage::Format_ARGB32)
                                                : image.convertToFormat(QImage::Format_RGB32);
  Add(name, PackKind::kPng, pixels, "PNG", 70);
}

void Sink::Jpeg(const std::string& name, const QImage& image, int quality) {
  Add(name, PackKind::kJpeg, image.convertToFormat(QImage::Format_RGB32), "JPEG", quality);
}

bool Sink::Write(const std::string& path) const {
  std::string error;
  if (writer_.WriteFile(path, &error)) return true;
  Die(QString::fromStdString(error));
}

QColor Blend(QColor a, QColor b, double t) {
  auto mix = [t](int x, int y) { return static_cast<int>(x + (y - x) * t + 0.5); };
  return QColor(mix(a.red(), b.red()), mix(a.green(), b.green()), mix(a.blue(), b.blue()),
                mix(a.alpha(), b.alpha()));
}

namespace {

QString Register(const char* file) {
  const QString path = QString::fromLatin1(file);
  const int id = QFile::exists(path) ? QFontDatabase::addApplicationFont(path) : -1;
  const QStringList families = QFontDatabase::applicationFontFamilies(id);
  if (families.isEmpty()) Die(QStringLiteral("type face %1 missing").arg(path));
  return families.first();
}

}  // namespace

QFont Font(Face face, double pixels, bool bold) {
  static const QString families[3] = {
      Register("/usr/share/fonts/opentype/ebgaramond/EBGaramond12-Regular.otf"),
      Register("/usr/share/fonts/truetype/liberation2/LiberationSerif-Bold.ttf"),
      Register("/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf")};
  if (bold && face == Face::kSans) Register("/usr/share/fonts/truetype/dejavu/DejaVuSans-Bold.ttf");
  QFont font(families[static_cast<int>(face)]);
  font.setPixelSize(std::max(1, static_cast<int>(pixels + 0.5)));
  font.setBold(bold);
  return font;
}

}  // namespace ostrel::packgen
