// Pictures of the account window: the profile icons, the photo frame and the
// stand-in photos. The social networks are marked by their initials in the
// house style, not by their logos.
#include <array>

#include "groups.h"
#include "paint.h"

namespace ostrel::artgen {

namespace {

void IconGround(QPainter& p, QColor base) {
  p.setPen(Qt::NoPen);
  p.setBrush(GoldGradient(QPointF(0, 0), QPointF(24, 24)));
  p.drawEllipse(QPointF(12, 12), 11.5, 11.5);
  QRadialGradient face(QPointF(9, 8), 13);
  face.setColorAt(0, Mix(base, Qt::white, 0.35));
  face.setColorAt(1, Mix(base, Qt::black, 0.4));
  p.setBrush(face);
  p.drawEllipse(QPointF(12, 12), 9.8, 9.8);
}

void Person(QPainter& p, QPointF at, double k) {
  p.drawEllipse(at + QPointF(0, -3.2 * k), 2.6 * k, 2.8 * k);
  p.drawChord(QRectF(at.x() - 5 * k, at.y() + 0.2 * k, 10 * k, 9 * k), 0, 180 * 16);
}

QImage Icon(int kind, QColor base, const QString& initials) {
  QImage img = Canvas(24, 24);
  QPainter p(&img);
  Smooth(p);
  IconGround(p, base);
  p.setPen(Qt::NoPen);
  p.setBrush(colour::kCream);
  switch (kind) {
    case 0:  // first name: one person
      Person(p, QPointF(12, 12.5), 1);
      break;
    case 1:  // last name: two persons
      p.setBrush(colour::kParchment);
      Person(p, QPointF(9, 12.5), 0.85);
      p.setBrush(colour::kCream);
      Person(p, QPointF(14.5, 13), 0.9);
      break;
    case 2:  // about: the letter i
      p.drawEllipse(QPointF(12, 7.5), 1.6, 1.6);
      p.drawRoundedRect(QRectF(10.6, 10, 2.8, 8), 1, 1);
      break;
    case 3: {  // telephone: a handset
      QPainterPath handset;
      handset.moveTo(7, 8);
      handset.cubicTo(7, 14, 10, 17, 16, 17);
      handset.lineTo(17.5, 14.5);
      handset.lineTo(14.5, 12.8);
      handset.lineTo(13.3, 14);
      handset.cubicTo(11.5, 13.3, 10.6, 12.4, 10, 10.6);
      handset.lineTo(11.2, 9.4);
      handset.lineTo(9.5, 6.5);
      handset.closeSubpath();
      p.drawPath(handset);
      break;
    }
    case 4:  // e-mail: an envelope
      p.drawRect(QRectF(6.5, 8, 11, 8));
      p.setPen(QPen(Mix(base, Qt::black, 0.3), 1));
      p.drawPolyline(QPolygonF({QPointF(6.5, 8), QPointF(12, 12.5), QPointF(17.5, 8)}));
      break;
    case 5:  // web site: a globe
      p.setPen(QPen(colour::kCream, 1.1));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(QPointF(12, 12), 6, 6);
      p.drawEllipse(QRectF(9.3, 6, 5.4, 12));
      p.drawLine(QPointF(6, 12), QPointF(18, 12));
      break;
    default: {  // a network: its initials
      const double size = initials.size() > 1 ? 8.5 : 12;
      FancyText(p, QRectF(2, 2, 20, 20), initials, MakeFont(Face::kFigures, size), colour::kCream,
                QColor(0, 0, 0), 0, QColor(0, 0, 0, 0));
      break;
    }
  }
  return img;
}

QImage PhotoFrame() {
  QImage img = Canvas(128, 160);
  QPainter p(&img);
  Smooth(p);
  GoldRim(p, QRectF(0.5, 0.5, 127, 159), 6, 7);
  p.setPen(QPen(QColor(90, 60, 8, 160), 1));
  p.setBrush(Qt::NoBrush);
  p.drawRect(QRectF(7.5, 7.5, 113, 145));
  return img;
}

QImage StandInPhoto(bool woman) {
  QImage img = Canvas(112, 144);
  QPainter p(&img);
  Smooth(p);
  const QRectF r(0, 0, 112, 144);
  p.fillRect(r, Vertical(r, QColor(96, 120, 160), QColor(30, 40, 70)));
  QLinearGradient figure(QPointF(0, 30), QPointF(0, 144));
  figure.setColorAt(0, QColor(236, 228, 210));
  figure.setColorAt(1, QColor(170, 160, 140));
  p.setPen(Qt::NoPen);
  p.setBrush(figure);
  if (woman) {
    // Long hair behind the head, a shade darker than the figure.
    p.setBrush(QColor(150, 138, 118));
    QPainterPath hair;
    hair.addEllipse(QPointF(56, 56), 27, 28);
    hair.addRoundedRect(QRectF(29, 56, 54, 52), 14, 14);
    hair.setFillRule(Qt::WindingFill);
    p.drawPath(hair.simplified());
    p.setBrush(figure);
  }
  p.drawEllipse(QRectF(16, 96, 80, 90));
  p.drawEllipse(QPointF(56, 60), 19, 23);
  return img;
}

}  // namespace

void DrawAccountArt(Sink& sink) {
  struct Row {
    const char* name;
    int kind;
    const char* initials;
  };
  const std::array<Row, 14> rows = {{{"GAcName1", 0, ""},
                                     {"GAcName2", 1, ""},
                                     {"GAcAbout", 2, ""},
                                     {"GAcTelephone", 3, ""},
                                     {"GAcEMail", 4, ""},
                                     {"GAcWebSite", 5, ""},
                                     {"GAcSkype", 6, "S"},
                                     {"GAcOK", 6, "OK"},
                                     {"GAcVK", 6, "VK"},
                                     {"GAcTelegram", 6, "T"},
                                     {"GAcFaceBook", 6, "F"},
                                     {"GAcTwitter", 6, "Tw"},
                                     {"GAcInstagramm", 6, "In"},
                                     {"GAcYouTube", 6, "Yt"}}};
  for (const Row& row : rows) {
    // Own details in blue, the networks in green.
    const QColor base = row.kind < 6 ? QColor(30, 70, 170) : QColor(20, 110, 60);
    sink.Png(QLatin1String(row.name), Icon(row.kind, base, QLatin1String(row.initials)));
  }
  sink.Png(QStringLiteral("GAcFrame"), PhotoFrame());
  sink.Png(QStringLiteral("GAcNoM"), StandInPhoto(false));
  sink.Png(QStringLiteral("GAcNoF"), StandInPhoto(true));
}

}  // namespace ostrel::artgen
