#include "sink.h"

#include <QDir>
#include <QRegularExpression>
#include <QSaveFile>
#include <QSet>

#include "gif_writer.h"

namespace ostrel::artgen {

Sink::Sink(QString folder) : folder_(std::move(folder)) {
  QDir().mkpath(folder_);
}

bool Sink::Claim(const QString& name) {
  static const QRegularExpression kValid("^[A-Za-z0-9_]+$");
  if (!kValid.match(name).hasMatch()) {
    errors_ << QStringLiteral("bad picture name '%1'").arg(name);
    return false;
  }
  for (const auto& entry : entries_) {
    if (entry.first == name) {
      errors_ << QStringLiteral("picture '%1' drawn twice").arg(name);
      return false;
    }
  }
  return true;
}

namespace {

bool SaveImage(const QImage& image, const QString& path, const char* format, int quality) {
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly)) return false;
  if (!image.save(&file, format, quality)) {
    file.cancelWriting();
    return false;
  }
  return file.commit();
}

}  // namespace

void Sink::Png(const QString& name, const QImage& image) {
  if (!Claim(name)) return;
  const QString file = name + QStringLiteral(".png");
  // The large cards are scaled smoothly by the table, which accepts only RGB(A) PNG.
  const QImage rgba = image.convertToFormat(QImage::Format_ARGB32);
  if (!SaveImage(rgba, folder_ + '/' + file, "PNG", -1)) {
    errors_ << QStringLiteral("cannot write %1").arg(file);
    return;
  }
  entries_.emplace_back(name, file);
}

void Sink::Jpeg(const QString& name, const QImage& image, int quality) {
  if (!Claim(name)) return;
  const QString file = name + QStringLiteral(".jpg");
  if (!SaveImage(image.convertToFormat(QImage::Format_RGB32), folder_ + '/' + file, "JPEG",
                 quality)) {
    errors_ << QStringLiteral("cannot write %1").arg(file);
    return;
  }
  entries_.emplace_back(name, file);
}

void Sink::Gif(const QString& name, const QList<QImage>& frames, int delay, bool loop) {
  if (!Claim(name)) return;
  const QString file = name + QStringLiteral(".gif");
  QString error;
  if (!WriteAnimatedGif(folder_ + '/' + file, frames, delay, loop, &error)) {
    errors_ << QStringLiteral("cannot write %1: %2").arg(file, error);
    return;
  }
  entries_.emplace_back(name, file);
}

bool Sink::WriteCollection(const QString& file_name) {
  QString text = QStringLiteral("<!DOCTYPE RCC>\n<RCC version=\"1.0\">\n");
  text += QStringLiteral("<qresource prefix=\"/ostrel/pictures\">\n");
  for (const auto& [name, file] : entries_) {
    text += QStringLiteral("  <file alias=\"%1\">%2</file>\n").arg(name, file);
  }
  text += QStringLiteral("</qresource>\n</RCC>\n");
  QSaveFile out(folder_ + '/' + file_name);
  if (!out.open(QIODevice::WriteOnly) || out.write(text.toUtf8()) < 0 || !out.commit()) {
    errors_ << QStringLiteral("cannot write %1").arg(file_name);
    return false;
  }
  return true;
}

}  // namespace ostrel::artgen
