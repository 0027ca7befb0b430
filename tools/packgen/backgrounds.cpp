// The table backgrounds of "TarvoBackG03.dll": ten patterns in seven colours, at the window's
// design size and at twice that for the larger windows. Each pattern is drawn once as a grey
// texture and then coloured seven times.
#include <QRandomGenerator>
#include <cmath>

#include "packs/pack_names.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

constexpr int kW = 1520, kH = 1000;

const QColor kColours[kBackgroundColours] = {
    QColor(22, 104, 52),  QColor(150, 22, 30), QColor(196, 96, 22), QColor(196, 164, 32),
    QColor(44, 136, 196), QColor(22, 44, 116), QColor(96, 42, 136)};

// Fine grain over the whole picture, so that no pattern looks flat.
void Grain(QImage& img, int amount, quint32 seed) {
  QRandomGenerator rng(seed);
  for (int y = 0; y < img.height(); ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < img.width(); ++x) {
      const int g = std::clamp(
          qGray(line[x]) + static_cast<int>(rng.bounded(2 * amount + 1)) - amount, 0, 255);
      line[x] = qRgb(g, g, g);
    }
  }
}

void Vignette(QPainter& p) {
  QRadialGradient v(QPointF(kW / 2.0, kH / 2.0), kW * 0.62);
  v.setColorAt(0.55, QColor(0, 0, 0, 0));
  v.setColorAt(1, QColor(0, 0, 0, 120));
  p.fillRect(QRect(0, 0, kW, kH), v);
}

void Sun(QPainter& p) {
  p.fillRect(QRect(0, 0, kW, kH), QColor(110, 110, 110));
  const QPointF c(kW / 2.0, kH / 2.0);
  for (int i = 0; i < 48; ++i) {
    const double a = i * M_PI / 24, b = a + M_PI / 48;
    QPolygonF ray{c, c + QPointF(std::cos(a), std::sin(a)) * 2000,
                  c + QPointF(std::cos(b), std::sin(b)) * 2000};
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(150, 150, 150));
    p.drawPolygon(ray);
  }
  QRadialGradient g(c, 520);
  g.setColorAt(0, QColor(235, 235, 235, 230));
  g.setColorAt(1, QColor(235, 235, 235, 0));
  p.fillRect(QRect(0, 0, kW, kH), g);
}

void Gradient(QPainter& p) {
  QLinearGradient g(0, 0, kW * 0.3, kH);
  g.setColorAt(0, QColor(200, 200, 200));
  g.setColorAt(1, QColor(50, 50, 50));
  p.fillRect(QRect(0, 0, kW, kH), g);
}

void Cloth(QPainter& p) {
  p.fillRect(QRect(0, 0, kW, kH), QColor(120, 120, 120));
  for (int i = 0; i < kW; i += 6) {
    p.setPen(QPen(QColor(150, 150, 150, 120), 2));
    p.drawLine(i, 0, i, kH);
  }
  for (int j = 0; j < kH; j += 6) {
    p.setPen(QPen(QColor(80, 80, 80, 110), 2));
    p.drawLine(0, j, kW, j);
  }
}

void Ornament(QPainter& p, double step, bool damask) {
  p.fillRect(QRect(0, 0, kW, kH), QColor(105, 105, 105));
  p.setPen(QPen(QColor(150, 150, 150), 3));
  for (double y = 0; y < kH + step; y += step) {
    for (double x = 0; x < kW + step; x += step) {
      const QPointF c(x + (int(y / step) % 2 ? step / 2 : 0), y);
      p.setBrush(QColor(125, 125, 125));
      if (damask) {
        for (int k = 0; k < 8; ++k) {
          p.save();
          p.translate(c);
          p.rotate(k * 45);
          p.drawEllipse(QPointF(0, -step * 0.2), step * 0.07, step * 0.18);
          p.restore();
        }
        p.drawEllipse(c, step * 0.08, step * 0.08);
      } else {
        QPolygonF d{c + QPointF(0, -step * 0.4), c + QPointF(step * 0.3, 0),
                    c + QPointF(0, step * 0.4), c + QPointF(-step * 0.3, 0)};
        p.drawPolygon(d);
        p.drawEllipse(c, step * 0.1, step * 0.1);
      }
    }
  }
}

void Carpet(QPainter& p) {
  Ornament(p, 120, false);
  QRectF r(0, 0, kW, kH);
  for (int i = 0; i < 6; ++i) {
    p.setPen(QPen(QColor(i % 2 ? 70 : 170, i % 2 ? 70 : 170, i % 2 ? 70 : 170), 14));
    p.setBrush(Qt::NoBrush);
    p.drawRect(r.adjusted(20 + i * 22, 20 + i * 22, -20 - i * 22, -20 - i * 22));
  }
}

void Wood(QImage& img) {
  for (int y = 0; y < kH; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      const double v =
          std::sin(y * 0.05 + 6 * std::sin(x * 0.004 + y * 0.002) + std::sin(x * 0.031) * 0.6);
      const int g = static_cast<int>(115 + 40 * v);
      line[x] = qRgb(g, g, g);
    }
  }
}

void Silk(QImage& img) {
  for (int y = 0; y < kH; ++y) {
    auto* line = reinterpret_cast<QRgb*>(img.scanLine(y));
    for (int x = 0; x < kW; ++x) {
      const double v =
          std::sin(x * 0.006 + std::sin(y * 0.004) * 3) * std::cos(y * 0.003 - x * 0.001);
      const int g = static_cast<int>(125 + 70 * v);
      line[x] = qRgb(g, g, g);
    }
  }
}

void Casino(QPainter& p) {
  p.fillRect(QRect(0, 0, kW, kH), QColor(115, 115, 115));
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(200, 200, 200), 8));
  p.drawRoundedRect(QRectF(110, 90, kW - 220, kH - 180), 380, 380);
  p.setPen(QPen(QColor(180, 180, 180), 3));
  p.drawRoundedRect(QRectF(134, 114, kW - 268, kH - 228), 360, 360);
}

QImage Texture(int pattern) {
  QImage img(kW, kH, QImage::Format_RGB32);
  img.fill(QColor(120, 120, 120));
  if (pattern == 6) Wood(img);
  if (pattern == 9) Silk(img);
  {
    QPainter p(&img);
    Smooth(p);
    switch (pattern) {
      case 1:
        Sun(p);
        break;
      case 3:
        Gradient(p);
        break;
      case 4:
        Cloth(p);
        break;
      case 5:
        Carpet(p);
        break;
      case 7:
        Casino(p);
        break;
      case 8:
        Ornament(p, 90, false);
        break;
      case 10:
        Ornament(p, 150, true);
        break;
      default:
        break;
    }
    Vignette(p);
  }
  Grain(img, pattern == 2 || pattern == 7 ? 14 : 5, static_cast<quint32>(pattern));
  return img;
}

QImage Colour(const QImage& grey, QColor base) {
  const QColor dark = Blend(base, Qt::black, 0.72), light = Blend(base, Qt::white, 0.3);
  QImage out(grey.size(), QImage::Format_RGB32);
  QRgb lut[256];
  for (int g = 0; g < 256; ++g) lut[g] = Blend(dark, light, g / 255.0).rgb();
  for (int y = 0; y < grey.height(); ++y) {
    const auto* in = reinterpret_cast<const QRgb*>(grey.constScanLine(y));
    auto* line = reinterpret_cast<QRgb*>(out.scanLine(y));
    for (int x = 0; x < grey.width(); ++x) line[x] = lut[qBlue(in[x])];
  }
  return out;
}

}  // namespace

void BuildBackgrounds(Sink& sink) {
  for (int pattern = 1; pattern <= kBackgroundPatterns; ++pattern) {
    const QImage grey = Texture(pattern);
    for (int colour = 0; colour < kBackgroundColours; ++colour) {
      if (IsOwnBackground(pattern, colour)) continue;
      const QImage large = Colour(grey, kColours[colour]);
      sink.Jpeg(BackgroundPictureName(pattern, colour, true), large, 82);
      sink.Jpeg(BackgroundPictureName(pattern, colour, false),
                large.scaled(kW / 2, kH / 2, Qt::IgnoreAspectRatio, Qt::SmoothTransformation), 86);
    }
  }
}

}  // namespace ostrel::packgen
