// The station logos of "TarvoRadio02.dll", 150 x 150 on a transparent ground, drawn inside
// the radio window's frame: one for each station of assets/radio/stations.tsv, named as the
// list names it. None is any real station's mark: each is a badge with an emblem of radio
// (waves, star, note ...) chosen and coloured from the station's identifier, and the station's
// name set in plain type. "RRADIO_LOGO_RADIOUN" (a grey radio set) stands in for a station
// the pack has no logo for.
#include <QFile>
#include <QPainterPath>
#include <QSet>
#include <QStringList>
#include <cmath>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

constexpr int kW = 150, kH = 150;

enum class Emblem { kWaves, kStar, kBolt, kNote, kLyre, kBars, kGlobe, kMoon, kLeaf };

struct Palette {
  QColor light, dark;
};

const Palette kPalettes[] = {
    {QColor(40, 170, 200), QColor(14, 70, 120)}, {QColor(250, 110, 170), QColor(150, 30, 100)},
    {QColor(90, 90, 96), QColor(20, 20, 24)},    {QColor(230, 170, 60), QColor(130, 70, 20)},
    {QColor(170, 40, 60), QColor(80, 10, 30)},   {QColor(70, 120, 210), QColor(20, 40, 110)},
    {QColor(150, 80, 230), QColor(60, 20, 130)}, {QColor(60, 150, 150), QColor(20, 60, 70)},
    {QColor(120, 170, 60), QColor(50, 90, 20)},  {QColor(220, 90, 40), QColor(110, 30, 10)},
};

void Badge(QPainter& p, QColor light, QColor dark) {
  QLinearGradient g(0, 0, 0, kH);
  g.setColorAt(0, light);
  g.setColorAt(1, dark);
  p.setPen(QPen(QColor(255, 255, 255, 200), 1.5));
  p.setBrush(g);
  p.drawRoundedRect(QRectF(2, 2, kW - 4, kH - 4), 18, 18);
  // A soft shine over the upper part.
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(255, 255, 255, 40));
  p.drawRoundedRect(QRectF(6, 6, kW - 12, kH * 0.4), 14, 14);
}

// Each emblem fills a circle of radius 16 around c.
void DrawEmblem(QPainter& p, Emblem emblem, QPointF c) {
  const QColor ink(255, 255, 255);
  p.setPen(Qt::NoPen);
  p.setBrush(ink);
  switch (emblem) {
    case Emblem::kWaves: {
      p.drawEllipse(c + QPointF(-8, 0), 3.5, 3.5);
      p.setBrush(Qt::NoBrush);
      for (int i = 1; i <= 3; ++i) {
        p.setPen(QPen(ink, 2.6, Qt::SolidLine, Qt::RoundCap));
        const double r = 6.5 * i;
        p.drawArc(QRectF(c.x() - 8 - r, c.y() - r, 2 * r, 2 * r), -50 * 16, 100 * 16);
      }
      break;
    }
    case Emblem::kStar:
      p.drawPath(Star(c, 16, 7, 5));
      break;
    case Emblem::kBolt:
      p.drawPolygon(QPolygonF{c + QPointF(4, -16), c + QPointF(-9, 2), c + QPointF(-1, 2),
                              c + QPointF(-5, 16), c + QPointF(9, -3), c + QPointF(1, -3)});
      break;
    case Emblem::kNote:
      p.drawEllipse(c + QPointF(-6, 10), 6, 4.5);
      p.drawEllipse(c + QPointF(8, 6), 6, 4.5);
      p.setPen(QPen(ink, 2.4));
      p.drawLine(c + QPointF(-0.5, 10), c + QPointF(-0.5, -12));
      p.drawLine(c + QPointF(13.5, 6), c + QPointF(13.5, -16));
      p.setPen(QPen(ink, 4.5));
      p.drawLine(c + QPointF(-0.5, -11), c + QPointF(13.5, -15));
      break;
    case Emblem::kLyre: {
      QPainterPath frame(c + QPointF(-13, -15));
      frame.cubicTo(c + QPointF(-18, 0), c + QPointF(-10, 12), c + QPointF(0, 12));
      frame.cubicTo(c + QPointF(10, 12), c + QPointF(18, 0), c + QPointF(13, -15));
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(ink, 3.2, Qt::SolidLine, Qt::RoundCap));
      p.drawPath(frame);
      p.drawLine(c + QPointF(-12, -11), c + QPointF(12, -11));
      p.setPen(QPen(ink, 1.2));
      for (int i = -1; i <= 1; ++i) p.drawLine(c + QPointF(i * 4.5, -11), c + QPointF(i * 4.5, 11));
      p.setPen(Qt::NoPen);
      p.setBrush(ink);
      p.drawRoundedRect(QRectF(c.x() - 6, c.y() + 11, 12, 5), 2, 2);
      break;
    }
    case Emblem::kBars:
      for (int i = 0; i < 5; ++i) {
        const double h = 8 + 22 * std::abs(std::sin(i * 1.3 + 0.6));
        p.drawRoundedRect(QRectF(c.x() - 15 + i * 6.5, c.y() + 15 - h, 4.5, h), 1.5, 1.5);
      }
      break;
    case Emblem::kGlobe:
      p.setBrush(Qt::NoBrush);
      p.setPen(QPen(ink, 2.2));
      p.drawEllipse(c, 15, 15);
      p.drawEllipse(c, 6.5, 15);
      p.drawLine(c + QPointF(-15, 0), c + QPointF(15, 0));
      p.drawLine(c + QPointF(-12.5, -8), c + QPointF(12.5, -8));
      p.drawLine(c + QPointF(-12.5, 8), c + QPointF(12.5, 8));
      break;
    case Emblem::kMoon: {
      QPainterPath disc, bite;
      disc.addEllipse(c, 15, 15);
      bite.addEllipse(c + QPointF(7, -5), 13, 13);
      p.drawPath(disc.subtracted(bite));
      break;
    }
    case Emblem::kLeaf: {
      QPainterPath leaf(c + QPointF(-13, 13));
      leaf.cubicTo(c + QPointF(-16, -8), c + QPointF(2, -16), c + QPointF(15, -15));
      leaf.cubicTo(c + QPointF(14, 2), c + QPointF(4, 16), c + QPointF(-13, 13));
      p.drawPath(leaf);
      p.setPen(QPen(QColor(0, 0, 0, 70), 1.5));
      p.drawLine(c + QPointF(-13, 13), c + QPointF(10, -10));
      break;
    }
  }
}

// The station's name under the emblem, on up to three lines, set smaller rather than cut.
void Label(QPainter& p, const QString& label) {
  const QRectF box(8, 84, kW - 16, kH - 92);
  QFont font = Font(Face::kSans, 22, true);
  const int flags = Qt::AlignHCenter | Qt::AlignTop | Qt::TextWordWrap;
  while (font.pixelSize() > 9) {
    const QRectF need = QFontMetricsF(font).boundingRect(box, flags, label);
    if (need.width() <= box.width() && need.height() <= box.height()) break;
    font.setPixelSize(font.pixelSize() - 1);
  }
  p.setFont(font);
  p.setPen(QColor(0, 0, 0, 90));
  p.drawText(box.translated(1, 1), flags, label);
  p.setPen(QColor(255, 255, 255));
  p.drawText(box, flags, label);
}

// A grey radio set with its dial and aerial: a station the pack has no logo for.
QImage NoLogo() {
  QImage img = Canvas(kW, kH);
  QPainter p(&img);
  Smooth(p);
  Badge(p, QColor(196, 196, 200), QColor(120, 120, 128));
  p.translate(15, 45);
  p.scale(1.5, 1.5);
  const QColor ink(70, 70, 78);
  p.setPen(QPen(ink, 2.2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(76, 20), QPointF(92, 8));
  p.setBrush(QColor(235, 235, 238));
  p.drawRoundedRect(QRectF(30, 20, 60, 32), 6, 6);
  p.setBrush(ink);
  p.setPen(Qt::NoPen);
  p.drawEllipse(QPointF(46, 36), 9, 9);
  p.setPen(QPen(ink, 1.5));
  for (int i = 0; i < 4; ++i) p.drawLine(QPointF(62, 28 + i * 5), QPointF(84, 28 + i * 5));
  p.end();
  return img;
}

QImage StationLogo(const QString& id, const QString& name) {
  const std::size_t hash = qHash(id, 7);
  const Palette& colours = kPalettes[hash % std::size(kPalettes)];
  const auto emblem = static_cast<Emblem>((hash / 16) % 9);
  QImage img = Canvas(kW, kH);
  QPainter p(&img);
  Smooth(p);
  Badge(p, colours.light, colours.dark);
  p.save();
  p.translate(kW / 2.0, 46);
  p.scale(2.0, 2.0);
  DrawEmblem(p, emblem, QPointF(0, 0));
  p.restore();
  Label(p, name);
  p.end();
  return img;
}

}  // namespace

void BuildRadioLogos(Sink& sink, const QString& stations) {
  QFile file(stations);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) Die("cannot read " + stations);
  QSet<QString> drawn;
  while (!file.atEnd()) {
    const QString line = QString::fromUtf8(file.readLine()).trimmed();
    if (line.isEmpty() || line.startsWith('#')) continue;
    const QStringList f = line.split('\t');
    if (f.size() != 5) Die("bad station line: " + line);
    if (drawn.contains(f[4])) continue;
    drawn.insert(f[4]);
    sink.Png(f[4].toStdString(), StationLogo(f[1], f[2]));
  }
  sink.Png("RRADIO_LOGO_RADIOUN", NoLogo());
  BuildRadioPanel(sink);
}

}  // namespace ostrel::packgen
