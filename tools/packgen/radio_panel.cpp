// The radio window's own pictures in "TarvoRadio02.dll": the radio set with its lamp lit green
// ("RRADIO_MAING", on) or red ("RRADIO_MAINR", off), 145 x 90; the volume scale
// "RRADIO_VOLUME00" .. "RRADIO_VOLUME10", 78 x 30, with as many bars lit as tenths of the
// volume; and the frame "RRADIO_RAMKA", 180 x 180, whose 15-pixel border surrounds the logo.
#include <QLinearGradient>

#include "tools/packgen/packgen.h"

namespace ostrel::packgen {
namespace {

QImage RadioSet(QColor lamp) {
  QImage img = Canvas(145, 90);
  QPainter p(&img);
  Smooth(p);
  // The wooden cabinet.
  QLinearGradient wood(0, 0, 0, 90);
  wood.setColorAt(0, QColor(150, 90, 45));
  wood.setColorAt(1, QColor(90, 48, 20));
  p.setPen(QPen(QColor(60, 30, 10), 2));
  p.setBrush(wood);
  p.drawRoundedRect(QRectF(4, 10, 137, 76), 12, 12);
  // The speaker cloth with its slats.
  p.setBrush(QColor(215, 195, 150));
  p.setPen(QPen(QColor(70, 40, 15), 1.5));
  p.drawRoundedRect(QRectF(14, 20, 62, 56), 8, 8);
  p.setPen(QPen(QColor(120, 75, 35), 3));
  for (int x = 24; x < 72; x += 10) p.drawLine(QPointF(x, 22), QPointF(x, 74));
  // The dial and two knobs.
  p.setPen(QPen(QColor(60, 30, 10), 1.5));
  p.setBrush(QColor(245, 230, 180));
  p.drawRoundedRect(QRectF(84, 20, 48, 24), 4, 4);
  p.setPen(QPen(QColor(90, 60, 30), 1));
  for (int i = 0; i < 9; ++i) p.drawLine(QPointF(88 + i * 5, 24), QPointF(88 + i * 5, 30));
  p.setPen(QPen(QColor(200, 30, 30), 1.5));
  p.drawLine(QPointF(104, 22), QPointF(104, 42));
  p.setPen(QPen(QColor(40, 20, 5), 1.5));
  p.setBrush(QColor(70, 40, 20));
  p.drawEllipse(QPointF(94, 63), 8, 8);
  p.drawEllipse(QPointF(122, 63), 8, 8);
  // The lamp with its glow.
  QRadialGradient glow(QPointF(108, 63), 9);
  glow.setColorAt(0, lamp.lighter(160));
  glow.setColorAt(0.6, lamp);
  glow.setColorAt(1, lamp.darker(200));
  p.setBrush(glow);
  p.setPen(QPen(QColor(30, 15, 5), 1));
  p.drawEllipse(QPointF(108, 63), 5, 5);
  // The aerial.
  p.setPen(QPen(QColor(80, 80, 88), 2, Qt::SolidLine, Qt::RoundCap));
  p.drawLine(QPointF(112, 10), QPointF(132, 1));
  p.end();
  return img;
}

QImage VolumeScale(int lit) {
  QImage img = Canvas(78, 30);
  QPainter p(&img);
  Smooth(p);
  for (int i = 0; i < 10; ++i) {
    const double h = 6 + i * 2.2;
    const QRectF bar(2 + i * 7.5, 28 - h, 5.5, h);
    const QColor on = Blend(QColor(60, 200, 60), QColor(230, 50, 30), i / 9.0);
    p.setPen(QPen(QColor(40, 40, 40), 0.8));
    p.setBrush(i < lit ? on : QColor(200, 200, 200));
    p.drawRect(bar);
  }
  p.end();
  return img;
}

QImage Frame() {
  QImage img = Canvas(180, 180);
  QPainter p(&img);
  Smooth(p);
  QLinearGradient metal(0, 0, 180, 180);
  metal.setColorAt(0, QColor(230, 220, 190));
  metal.setColorAt(0.5, QColor(160, 130, 70));
  metal.setColorAt(1, QColor(230, 210, 150));
  QPainterPath border;
  border.addRoundedRect(QRectF(1, 1, 178, 178), 16, 16);
  QPainterPath hole;
  hole.addRoundedRect(QRectF(13, 13, 154, 154), 10, 10);
  p.setPen(QPen(QColor(90, 70, 30), 2));
  p.setBrush(metal);
  p.drawPath(border.subtracted(hole));
  p.setBrush(QColor(30, 30, 36));
  p.setPen(Qt::NoPen);
  p.drawPath(hole);
  // Four rivets.
  p.setBrush(QColor(250, 240, 210));
  for (QPointF c : {QPointF(7, 7), QPointF(173, 7), QPointF(7, 173), QPointF(173, 173)}) {
    p.drawEllipse(c, 3, 3);
  }
  p.end();
  return img;
}

}  // namespace

void BuildRadioPanel(Sink& sink) {
  sink.Png("RRADIO_MAING", RadioSet(QColor(40, 220, 60)));
  sink.Png("RRADIO_MAINR", RadioSet(QColor(230, 30, 30)));
  for (int lit = 0; lit <= 10; ++lit) {
    sink.Png("RRADIO_VOLUME" + std::string(lit < 10 ? "0" : "") + std::to_string(lit),
             VolumeScale(lit));
  }
  sink.Png("RRADIO_RAMKA", Frame());
}

}  // namespace ostrel::packgen
