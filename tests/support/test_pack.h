// Small graphics packs written by the tests: plain pictures in known colours, so that a grab
// of a window tells which picture lies where.
#pragma once

#include <QBuffer>
#include <QColor>
#include <QDir>
#include <QImage>
#include <cstdlib>
#include <vector>

#include "packs/pack_names.h"
#include "packs/pack_writer.h"

namespace ostrel::test {

inline std::vector<std::uint8_t> Encode(const QImage& image, const char* format) {
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, format);
  return {bytes.begin(), bytes.end()};
}

inline QImage Solid(QSize size, QColor colour) {
  QImage image(size, QImage::Format_ARGB32);
  image.fill(colour);
  return image;
}

inline bool AddSolid(PackWriter& w, const char* name, QSize size, QColor colour,
                     PackKind kind = PackKind::kPng) {
  return w.Add(name, kind, Encode(Solid(size, colour), kind == PackKind::kJpeg ? "JPEG" : "PNG"));
}

inline bool WriteGraphicsPack(const PackWriter& w, const QString& folder) {
  return w.WriteFile(QDir(folder).filePath(QString::fromLatin1(kPackGraphics)).toStdString());
}

// JPEG moves a plain colour by a few steps.
inline bool Near(QColor a, QColor b, int tolerance = 6) {
  return std::abs(a.red() - b.red()) <= tolerance && std::abs(a.green() - b.green()) <= tolerance &&
         std::abs(a.blue() - b.blue()) <= tolerance;
}

}  // namespace ostrel::test
