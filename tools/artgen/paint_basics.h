// What every picture generator starts from: a transparent canvas, smooth painting, and a
// series of animation frames drawn by one function.
#pragma once

#include <QColor>
#include <QImage>
#include <QList>
#include <QPainter>

namespace ostrel::art {

inline QImage Canvas(int w, int h, QColor fill = Qt::transparent) {
  QImage image(w, h, QImage::Format_ARGB32_Premultiplied);
  image.fill(fill);
  return image;
}

inline void Smooth(QPainter& p) {
  p.setRenderHint(QPainter::Antialiasing);
  p.setRenderHint(QPainter::SmoothPixmapTransform);
  p.setRenderHint(QPainter::TextAntialiasing);
}

// frame(f, n) draws frame f of n.
template <typename Frame>
QList<QImage> Frames(int n, Frame frame) {
  QList<QImage> frames;
  for (int f = 0; f < n; ++f) frames << frame(f, n);
  return frames;
}

}  // namespace ostrel::art
