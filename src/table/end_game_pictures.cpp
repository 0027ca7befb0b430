// The pictures of the verdict window in the gray designs: the header with the ribbon, the
// scroll with the result lines and the medal, and the animated verdict itself.
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>

#include "pictures/own_pictures.h"
#include "table/end_game_window.h"
#include "table/picture_source.h"
#include "table/score_board.h"

namespace ostrel {

namespace {

QColor Win(std::uint32_t bgr) {
  return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

// A shadow is drawn first at (+1, +1) in half the text colour, each component rounded to the
// nearest with halves to even.
QColor ShadowOf(const QColor& c) {
  const auto half = [](int v) { return v / 2 + ((v % 2 == 1 && (v / 2) % 2 == 1) ? 1 : 0); };
  return QColor(half(c.red()), half(c.green()), half(c.blue()));
}

// The band behind the title: the cap or the ribbons of the pictures, drawn ones without them.
void DrawHeaderBand(QPainter& p, int design, int h) {
  const QPixmap cap = PictureSized("GCap550", QSize(550, 64));
  const QPixmap ribbon = PictureSized("GLenta380x120", QSize(380, 120));
  if (design == 2 && !cap.isNull()) {
    p.drawPixmap(5, 0, cap);
  } else if (design == 3 && !ribbon.isNull()) {
    p.drawPixmap(85, 0, ribbon);
  } else if (design == 3) {
    // Two red ribbons hanging from the header.
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(200, 30, 30));
    g.setColorAt(1, QColor(120, 10, 10));
    for (int x : {85, 405}) {
      QPainterPath ribbon;
      ribbon.moveTo(x, 0);
      ribbon.lineTo(x + 70, 0);
      ribbon.lineTo(x + 70, h - 10);
      ribbon.lineTo(x + 35, h - 30);
      ribbon.lineTo(x, h - 10);
      ribbon.closeSubpath();
      p.fillPath(ribbon, g);
    }
  } else if (design == 2) {
    QLinearGradient g(0, 0, 0, h);
    g.setColorAt(0, QColor(150, 20, 20));
    g.setColorAt(1, QColor(70, 0, 0));
    p.setBrush(g);
    p.setPen(QPen(QColor(230, 190, 90), 2));
    p.drawRoundedRect(QRectF(5, 3, 550, h - 6), 12, 12);
  }
}

}  // namespace

QPixmap TFormEndGame::Header() const {
  const int design = in_.design;
  const int h = design == 1 ? 50 : design == 2 ? 64 : 120;
  QPixmap pm(560, h);
  pm.fill(QColor(212, 208, 200));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  const QString title = tr_("The completion of game").toUpper();
  QFont f("DejaVu Serif");
  f.setBold(true);
  f.setPixelSize(design == 1 ? 28 : 36);
  DrawHeaderBand(p, design, h);
  // The title in capitals is wider in some languages than the bar: it shrinks to fit.
  while (f.pixelSize() > 12 && QFontMetrics(f).horizontalAdvance(title) > 520) {
    f.setPixelSize(f.pixelSize() - 1);
  }
  // The concise design's header picture comes from the graphics pack: without it the header
  // stays empty. The ribbons' header from the pack carries the title, which is otherwise
  // written here.
  if (design == 1) {
    if (!pack_header_.isNull()) p.drawImage(0, 0, pack_header_);
    return pm;
  }
  if (design == 3 && !pack_header_.isNull()) {
    // Centred on the ribbon's band: the pack's headers carry their title in the middle of the
    // picture, which also serves the purple window at its top edge.
    p.drawImage(-35, 62 - pack_header_.height() / 2, pack_header_);
    return pm;
  }
  p.setFont(f);
  const QColor yellow(255, 255, 0);
  const QRect box(0, design == 3 ? 30 : 12, 560, 48);
  p.setPen(ShadowOf(yellow));
  p.drawText(box.translated(1, 1), Qt::AlignHCenter | Qt::AlignTop, title);
  p.setPen(yellow);
  p.drawText(box, Qt::AlignHCenter | Qt::AlignTop, title);
  return pm;
}

QPixmap TFormEndGame::TextPicture() const {
  QPixmap pm(450, 570);
  pm.fill(QColor(212, 208, 200));
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  // The scroll the verdict is written on.
  const QPixmap scroll = PictureSized("GSvitok", QSize(450, 570));
  if (!scroll.isNull()) {
    p.drawPixmap(0, 0, scroll);
  } else {
    DrawOwnScroll(p);
  }
  DrawLines(p);
  DrawMedal(p);
  return pm;
}

void TFormEndGame::DrawOwnScroll(QPainter& p) const {
  QLinearGradient paper(0, 0, 450, 0);
  paper.setColorAt(0, QColor(232, 214, 170));
  paper.setColorAt(0.5, QColor(250, 240, 210));
  paper.setColorAt(1, QColor(232, 214, 170));
  p.setPen(QPen(QColor(140, 100, 50), 2));
  p.setBrush(paper);
  p.drawRoundedRect(QRectF(30, 60, 390, 420), 18, 18);
  p.setBrush(QColor(190, 150, 90));
  p.drawRoundedRect(QRectF(20, 45, 410, 26), 13, 13);
  p.drawRoundedRect(QRectF(20, 470, 410, 26), 13, 13);
}

void TFormEndGame::DrawLines(QPainter& p) const {
  const int x0 = VerdictStyleOf(Purple()).x0, x1 = 400;
  for (const VerdictLine& line : lines_) {
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(line.height);
    // A line wider than its room shrinks until it fits.
    while (QFontMetrics(f).horizontalAdvance(line.text) > x1 - x0 && f.pixelSize() > 10) {
      f.setPixelSize(f.pixelSize() - 1);
    }
    p.setFont(f);
    const QFontMetrics fm(f);
    const int x = x0 + (x1 - x0 - fm.horizontalAdvance(line.text)) / 2;
    const int y = line.row + fm.ascent() - 20;
    const QColor c = Win(line.colour);
    p.setPen(ShadowOf(c));
    p.drawText(x + 1, y + 1, line.text);
    p.setPen(c);
    p.drawText(x, y, line.text);
  }
}

void TFormEndGame::DrawMedal(QPainter& p) const {
  if (!HasMedal(in_.place)) return;
  const QPixmap medal = PictureSized("GMedal", QSize(104, 104));
  const QPixmap number = PictureSized(
      QStringLiteral("GPlace%1").arg(in_.place, 2, 10, QLatin1Char('0')), QSize(104, 104));
  if (!medal.isNull() && !number.isNull()) {
    p.drawPixmap(173, 370, medal);
    p.drawPixmap(173, 370, number);
    return;
  }
  {
    const QRectF medal(173, 370, 64, 64);
    QRadialGradient g(medal.center() - QPointF(10, 10), 40);
    g.setColorAt(0, QColor(255, 245, 170));
    g.setColorAt(1, QColor(200, 140, 20));
    p.setPen(QPen(QColor(120, 80, 0), 2));
    p.setBrush(g);
    p.drawEllipse(medal);
    QFont f("DejaVu Serif");
    f.setBold(true);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(QColor(110, 60, 0));
    p.drawText(medal, Qt::AlignCenter,
               QStringLiteral("%1").arg(in_.place, 2, 10, QLatin1Char('0')));
  }
}

QPixmap TFormEndGame::VerdictPicture() const {
  // The verdict animation's resting frame: 25 for the best, 24 for the ten, 3 otherwise.
  const QList<QImage> frames = OwnAnimationFrames(QString::fromLatin1(VerdictAnimation(in_.place)));
  if (!frames.isEmpty()) {
    const int wanted = in_.place == 1 ? 25 : HasMedal(in_.place) ? 24 : 3;
    return QPixmap::fromImage(frames[std::min<qsizetype>(wanted, frames.size()) - 1]);
  }
  QPixmap pm(100, 200);
  pm.fill(Qt::transparent);
  QPainter p(&pm);
  p.setRenderHint(QPainter::Antialiasing);
  if (in_.place >= 1 && in_.place <= 10) {
    // A cup: gold for the best, silver for the ten.
    const QColor metal = in_.place == 1 ? QColor(230, 180, 30) : QColor(190, 190, 200);
    QLinearGradient g(10, 0, 90, 0);
    g.setColorAt(0, metal.darker(140));
    g.setColorAt(0.4, metal.lighter(140));
    g.setColorAt(1, metal.darker(150));
    QPainterPath cup;
    cup.moveTo(15, 40);
    cup.lineTo(85, 40);
    cup.cubicTo(85, 100, 60, 110, 55, 120);
    cup.lineTo(55, 150);
    cup.lineTo(75, 165);
    cup.lineTo(25, 165);
    cup.lineTo(45, 150);
    cup.lineTo(45, 120);
    cup.cubicTo(40, 110, 15, 100, 15, 40);
    p.setPen(QPen(metal.darker(200), 2));
    p.setBrush(g);
    p.drawPath(cup);
    PaintStar(p, QRectF(35, 55, 30, 30), QColor(220, 20, 20));
  } else {
    // Two cards fallen on their backs.
    p.setPen(QPen(QColor(60, 60, 60), 1));
    p.setBrush(QColor(150, 20, 30));
    p.save();
    p.translate(50, 110);
    p.rotate(-20);
    p.drawRoundedRect(QRectF(-30, -42, 60, 84), 6, 6);
    p.rotate(40);
    p.setBrush(QColor(20, 50, 130));
    p.drawRoundedRect(QRectF(-30, -42, 60, 84), 6, 6);
    p.restore();
  }
  return pm;
}

}  // namespace ostrel
