#include "table/score_board.h"

#include <QFontMetrics>
#include <QLinearGradient>
#include <QPainterPath>
#include <QRegularExpression>
#include <cmath>

#include "table/card_painter.h"
#include "table/picture_source.h"

namespace ostrel {

namespace {

// Windows colour values are $BBGGRR.
QColor WinColour(std::uint32_t bgr) {
  return QColor(static_cast<int>(bgr & 0xFF), static_cast<int>((bgr >> 8) & 0xFF),
                static_cast<int>((bgr >> 16) & 0xFF));
}

// A text centred between a and b starts at a + trunc((b - a - width) / 2).
void TextCentred(QPainter& p, int a, int b, int y, const QString& text) {
  const QFontMetrics fm(p.font());
  const int x = a + (b - a - fm.horizontalAdvance(text)) / 2;
  p.drawText(x, y + fm.ascent(), text);
}

QColor LabelBase(LabelColour c) {
  switch (c) {
    case LabelColour::Blue:
      return QColor(30, 80, 200);
    case LabelColour::Green:
      return QColor(20, 140, 60);
    case LabelColour::Violet:
      return QColor(130, 50, 170);
    case LabelColour::Plain:
      break;
  }
  return QColor(150, 35, 35);
}

void PaintPlate(QPainter& p, const QRectF& r, double radius, const QColor& base) {
  QLinearGradient g(r.topLeft(), r.bottomLeft());
  g.setColorAt(0, base.lighter(150));
  g.setColorAt(0.5, base);
  g.setColorAt(1, base.darker(150));
  p.setPen(QPen(base.darker(200), 1));
  p.setBrush(g);
  p.drawRoundedRect(r, radius, radius);
}

// A picture of the program drawn into the rectangle; false when the program lacks it, and
// the caller draws its own stand-in.
bool DrawPicture(QPainter& p, const QString& name, const QRectF& r) {
  const QPixmap pm = PictureSized(name, r.size().toSize());
  if (pm.isNull()) return false;
  p.drawPixmap(r.topLeft(), pm);
  return true;
}

bool SmallWindow(const TableScale& t) {
  return t.s == 1.0 && t.sx == 1.0 && t.sy == 1.0;
}

}  // namespace

QString TotalText(std::int32_t total) {
  return total > 0 ? QStringLiteral("+%1").arg(total) : QString::number(total);
}

QString DealText(std::int32_t deal_value) {
  return deal_value == kNoDealValue ? QString() : QString::number(deal_value);
}

StarPlace StarPlaceFor(const TableScale& t, int tab_width) {
  StarPlace sp;
  sp.small = t.s < 2.0;
  sp.size = sp.small ? 24 : 50;
  if (t.s == 1.0 || t.s == 2.0) {
    sp.top_left = {Scale(t, 65), Scale(t, 52)};
  } else if (t.s < 2.0) {
    sp.top_left = {RoundEven(tab_width / 2.0) - 12, Scale(t, 65) - 12};
  } else {
    sp.top_left = {RoundEven(tab_width / 2.0) - 25, Scale(t, 65) - 25};
  }
  return sp;
}

int LabelTextHeight(const TableScale& t, const FontRoles& fonts, const QString& text) {
  const QString trimmed = QString(text).remove(QRegularExpression(QStringLiteral("\\s+$")));
  for (int units : {18, 16}) {
    const QFontMetrics fm(RoleFont(fonts, FontRole::Serif, Scale(t, units), true));
    if (fm.horizontalAdvance(trimmed) <= Scale(t, 150)) return Scale(t, units);
  }
  return Scale(t, 14);
}

void PaintStar(QPainter& p, const QRectF& sq, const QColor& colour) {
  QPainterPath path;
  const QPointF c = sq.center();
  const double outer = sq.width() / 2;
  const double inner = outer * 0.42;
  for (int i = 0; i < 10; ++i) {
    const double a = -M_PI / 2 + i * M_PI / 5;
    const double rad = (i % 2 == 0) ? outer : inner;
    const QPointF pt(c.x() + rad * std::cos(a), c.y() + rad * std::sin(a));
    if (i == 0)
      path.moveTo(pt);
    else
      path.lineTo(pt);
  }
  path.closeSubpath();
  QRadialGradient g(c - QPointF(outer * 0.3, outer * 0.3), outer * 1.3);
  g.setColorAt(0, colour.lighter(160));
  g.setColorAt(1, colour.darker(130));
  p.setPen(QPen(colour.darker(220), std::max(1.0, outer / 10)));
  p.setBrush(g);
  p.drawPath(path);
}

void PaintPointer(QPainter& p, const QRectF& r, bool up) {
  p.save();
  p.translate(r.center());
  if (up) p.rotate(-90);
  const double len = up ? r.height() : r.width();
  const double thick = up ? r.width() : r.height();
  QPainterPath arrow;
  arrow.moveTo(len * 0.5, 0);
  arrow.lineTo(len * 0.05, -thick * 0.45);
  arrow.lineTo(len * 0.05, -thick * 0.18);
  arrow.lineTo(-len * 0.35, -thick * 0.18);
  arrow.lineTo(-len * 0.35, thick * 0.18);
  arrow.lineTo(len * 0.05, thick * 0.18);
  arrow.lineTo(len * 0.05, thick * 0.45);
  arrow.closeSubpath();
  p.setPen(QPen(QColor(120, 70, 0), 1));
  p.setBrush(QColor(255, 205, 40));
  p.drawPath(arrow);
  p.setBrush(QColor(255, 255, 255));
  p.drawRect(QRectF(-len * 0.5, -thick * 0.25, len * 0.14, thick * 0.5));
  p.restore();
}

void PaintScoreTab(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                   const TabView& tab) {
  if (!tab.shown) return;
  p.save();
  p.translate(r.x, r.y);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF outer(0, 0, r.w, r.h);
  if (!DrawPicture(p, SmallWindow(t) ? "TabloSm" : "TabloBg", outer)) {
    PaintPlate(p, outer.adjusted(1, 1, -1, -1), Scale(t, 10), QColor(120, 70, 30));
    const QRectF field(Scale(t, 12), Scale(t, 12), r.w - Scale(t, 24), Scale(t, 36));
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(250, 244, 225));
    p.drawRoundedRect(field, Scale(t, 5), Scale(t, 5));
    const QRectF small_field(Scale(t, 103), Scale(t, 52), Scale(t, 40), Scale(t, 31));
    p.drawRoundedRect(small_field, Scale(t, 4), Scale(t, 4));
  }
  if (tab.pointer) {
    const QRectF hand = SmallWindow(t)
                            ? QRectF(22, 49, 20, 30)
                            : QRectF(Scale(t, 22), Scale(t, 49), Scale(t, 20), Scale(t, 30));
    if (!DrawPicture(p, SmallWindow(t) ? "Hand_UpSm" : "Hand_Up", hand)) {
      PaintPointer(p, hand, true);
    }
  }
  if (tab.star) {
    const StarPlace sp = StarPlaceFor(t, r.w);
    const QRectF star(sp.top_left, QSizeF(sp.size, sp.size));
    if (!DrawPicture(p, sp.small ? "ZvezdaRSm" : "ZvezdaR", star)) {
      PaintStar(p, star, QColor(220, 20, 20));
    }
  }
  if (!tab.team.isEmpty()) {
    // The partnership's name, small in the corner of the totals field, clear of the hand
    // and the star below and of the total in the middle.
    const QRect room(Scale(t, 15), Scale(t, 13), Scale(t, 36), Scale(t, 13));
    const FittedText name =
        FitText(RoleFont(fonts, FontRole::Decor, Scale(t, 12), true), tab.team, room.width());
    p.setFont(name.font);
    p.setPen(QColor(90, 50, 20));
    p.drawText(room, Qt::AlignLeft | Qt::AlignVCenter, name.text);
  }
  p.setFont(RoleFont(fonts, FontRole::Decor, Scale(t, 30)));
  p.setPen(tab.game_over ? WinColour(0x0000FF) : WinColour(0xFF00FF).darker(115));
  TextCentred(p, 0, Scale(t, 155), Scale(t, 13), TotalText(tab.total));
  if (tab.deal_value != kNoDealValue) {
    p.setFont(RoleFont(fonts, FontRole::Decor, Scale(t, 20)));
    p.setPen(WinColour(0xFF0000));
    TextCentred(p, Scale(t, 105), Scale(t, 142), Scale(t, 54), DealText(tab.deal_value));
  }
  p.restore();
}

void PaintScorePanel(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                     const PanelView& panel, const QString& round_word) {
  p.save();
  p.translate(r.x, r.y);
  p.setRenderHint(QPainter::Antialiasing);
  const QRectF inner(Scale(t, 8), Scale(t, 8), r.w - Scale(t, 16), r.h - Scale(t, 16));
  if (!DrawPicture(p, SmallWindow(t) ? "RamkaBBSm" : "RamkaBBBg", QRectF(0, 0, r.w, r.h))) {
    PaintPlate(p, QRectF(1, 1, r.w - 2, r.h - 2), Scale(t, 12), QColor(120, 70, 30));
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(250, 244, 225));
    p.drawRoundedRect(inner, Scale(t, 8), Scale(t, 8));
  }
  const QString round_text = round_word + QStringLiteral(" ") + QString::number(panel.deal_number);
  // The face of the "decor" role is wider than the one the panel was drawn for: the text
  // shrinks until it stays inside the frame.
  int height = Scale(t, 28);
  QFont font = RoleFont(fonts, FontRole::Decor, height);
  while (height > 6 && QFontMetrics(font).horizontalAdvance(round_text) > inner.width() - 4) {
    font = RoleFont(fonts, FontRole::Decor, --height);
  }
  p.setFont(font);
  p.setPen(WinColour(0xFF0000));
  TextCentred(p, 0, r.w, Scale(t, 15), round_text);
  if (panel.trump_suit >= 1 && panel.trump_suit <= 4) {
    static const char* kSymbols[5] = {"", "Cher", "Bubi", "Kres", "Piki"};
    const QString name = QString::fromLatin1(kSymbols[panel.trump_suit]);
    // The small symbol in the small window, the large one centred otherwise.
    const bool drawn =
        t.s < 1.3
            ? DrawPicture(p, name, QRectF(50, 60, 20, 20))
            : DrawPicture(p, name + "B", QRectF(RoundEven(r.w / 2.0) - 20, Scale(t, 60), 40, 40));
    if (!drawn) {
      DrawSuitSign(p, panel.trump_suit, r.w / 2.0, Scale(t, 60) + Scale(t, 30), Scale(t, 48));
    }
  }
  if (panel.progress >= 0) {
    const QRectF bar(Scale(t, 14), r.h - Scale(t, 24), r.w - Scale(t, 28), Scale(t, 10));
    p.setPen(QPen(QColor(60, 40, 20), 1));
    p.setBrush(QColor(255, 255, 255));
    p.drawRect(bar);
    QLinearGradient g(bar.topLeft(), bar.bottomLeft());
    g.setColorAt(0, QColor(120, 220, 120));
    g.setColorAt(1, QColor(20, 130, 40));
    p.setBrush(g);
    p.setPen(Qt::NoPen);
    p.drawRect(QRectF(bar.left() + 1, bar.top() + 1,
                      (bar.width() - 2) * std::clamp(panel.progress, 0, 100) / 100.0,
                      bar.height() - 2));
  }
  p.restore();
}

QRectF SeatPointerRect(const TableScale& t, const Rect& label) {
  // Left of the plate, pointing at it, so that it never covers the text; squeezed where the
  // window's edge is nearer than the hand is wide.
  const qreal w = std::min<qreal>(SmallWindow(t) ? 30 : Scale(t, 30), label.x);
  return SmallWindow(t) ? QRectF(label.x - w, label.y + 1, w, 18)
                        : QRectF(label.x - w, label.y, w, Scale(t, 20));
}

int SeatLabelRoom(const TableScale& t, const LabelView& label) {
  // With the ring at its right end, the text keeps clear of it.
  const bool ring = label.first_hand || label.role != 0;
  return ring ? Scale(t, 128) : Scale(t, 160) - 2 * Scale(t, 4);
}

FittedText FitSeatLabel(const TableScale& t, const FontRoles& fonts, const LabelView& label) {
  const QString text = QString(label.text).remove(QRegularExpression(QStringLiteral("\\s+$")));
  const QFont font = RoleFont(fonts, FontRole::Serif, LabelTextHeight(t, fonts, text), true);
  return FitText(font, text, SeatLabelRoom(t, label));
}

void PaintSeatLabel(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                    const LabelView& label) {
  const QString text = QString(label.text).remove(QRegularExpression(QStringLiteral("\\s+$")));
  if (text.isEmpty()) return;
  p.save();
  p.translate(r.x, r.y);
  p.setRenderHint(QPainter::Antialiasing);
  static const char* kLabels[4] = {"SPRed", "SPBlue", "SPGreen", "SPFiolet"};
  const QString plate = QString::fromLatin1(kLabels[static_cast<int>(label.colour) & 3]) +
                        (SmallWindow(t) ? "" : "B");
  if (!DrawPicture(p, plate, QRectF(0, 0, r.w, r.h))) {
    PaintPlate(p, QRectF(0.5, 0.5, r.w - 1, r.h - 1), r.h / 2.0, LabelBase(label.colour));
  }
  const bool ring = label.first_hand || label.role != 0;
  const int room = Scale(t, 128);
  const FittedText fitted = FitSeatLabel(t, fonts, label);
  p.setFont(fitted.font);
  const QFontMetrics fm(p.font());
  const int width = fm.horizontalAdvance(fitted.text);
  const int x = ring ? Scale(t, 3) + (room - width) / 2 : (Scale(t, 160) - width) / 2;
  const int y = (r.h - fm.height()) / 2 + fm.ascent();
  p.setPen(QColor(0, 0, 0, 110));
  p.drawText(x + 1, y + 1, fitted.text);
  p.setPen(Qt::white);
  p.drawText(x, y, fitted.text);
  if (label.pointer) {
    const QRectF hand = SeatPointerRect(t, r).translated(-r.x, -r.y);
    if (!DrawPicture(p, SmallWindow(t) ? "Hand_RightSm" : "Hand_Right", hand)) {
      PaintPointer(p, hand, false);
    }
  }
  if (label.first_hand || label.role != 0) {
    const QRectF ring(Scale(t, 133), 0, Scale(t, 20), Scale(t, 20));
    if (!DrawPicture(p, "Circle", ring)) {
      p.setPen(QPen(QColor(255, 230, 150), std::max(1, Scale(t, 2))));
      p.setBrush(QColor(40, 30, 20));
      p.drawEllipse(ring.adjusted(1, 1, -1, -1));
    }
    // The declarer red, an opponent grey, the declarer's partner blue, the first hand gold.
    static const char* kStars[4] = {"ZvezdaBSm", "ZvezdaRSm", "ZvezdaASm", "ZvezdaVSm"};
    static const QColor kColours[4] = {QColor(230, 200, 40), QColor(230, 30, 30),
                                       QColor(180, 180, 190), QColor(60, 120, 230)};
    const int role = std::clamp(label.role, 0, 3);
    const QRectF star(Scale(t, 136), Scale(t, 3), Scale(t, 13), Scale(t, 13));
    if (!DrawPicture(p, kStars[role], star)) PaintStar(p, star, kColours[role]);
  }
  p.restore();
}

}  // namespace ostrel
