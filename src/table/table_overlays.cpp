// What the table lays over its trick area on request: the trick taken last, and at the end of
// a game the statement of who won it.
#include <QPainter>

#include "table/table_view.h"
#include "table/text_fit.h"

namespace ostrel {

namespace {

const QColor kGold(255, 220, 40);

// A dark, half-see-through plate with a gold edge, so the words read on any cloth.
void PaintPlate(QPainter& p, const QRectF& r, qreal radius) {
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(QPen(kGold, 2));
  p.setBrush(QColor(0, 0, 0, 170));
  p.drawRoundedRect(r, radius, radius);
  p.restore();
}

void PaintFitted(QPainter& p, const QRect& r, const FittedText& fitted, const QColor& colour) {
  p.setFont(fitted.font);
  p.setPen(colour);
  p.drawText(r, Qt::AlignCenter, fitted.text);
}

}  // namespace

// The four cards of the last trick at their places, the card that took it framed in gold, and
// the caption in the free corner above the left card.
void TableView::PaintLastTrick(QPainter& p) {
  const LastTrickView& last = state_.last_trick;
  const TableScale& t = layout_.scale;
  const Rect& area = layout_.trick;
  p.save();
  p.setRenderHint(QPainter::Antialiasing);
  p.setPen(Qt::NoPen);
  p.setBrush(QColor(0, 0, 0, 70));
  p.drawRoundedRect(QRectF(area.x, area.y, area.w, area.h), Scale(t, 8), Scale(t, 8));
  p.restore();
  for (int seat = 1; seat <= kSeats; ++seat) {
    if (last.cards[seat].IsEmpty()) continue;
    const QPoint at = TrickPos(seat);
    p.drawPixmap(at, CardPixmap(last.cards[seat], true));
    if (seat == last.winner) {
      p.save();
      p.setRenderHint(QPainter::Antialiasing);
      p.setPen(QPen(kGold, 3));
      p.setBrush(Qt::NoBrush);
      p.drawRoundedRect(QRectF(at.x(), at.y(), layout_.card.w, layout_.card.h), 4, 4);
      p.restore();
    }
  }
  const QRect caption(area.x + Scale(t, 2), area.y + Scale(t, 4), Scale(t, 108), Scale(t, 22));
  PaintPlate(p, caption, Scale(t, 6));
  const FittedText fitted = FitText(RoleFont(fonts_, FontRole::Decor, Scale(t, 15), true),
                                    last.caption, caption.width() - Scale(t, 6));
  PaintFitted(p, caption, fitted, kGold);
}

// Two lines on a plate across the middle of the table: who won, and the final scores.
void TableView::PaintGameResult(QPainter& p) {
  const GameResultView& result = state_.result;
  const TableScale& t = layout_.scale;
  const Rect& area = layout_.trick;
  const int w = Scale(t, 310);
  const int h = Scale(t, 86);
  const QRect plate(area.x + (area.w - w) / 2, area.y + (area.h - h) / 2, w, h);
  PaintPlate(p, plate, Scale(t, 10));
  const int room = w - Scale(t, 16);
  const QColor verdict_colour = result.outcome > 0   ? kGold
                                : result.outcome < 0 ? QColor(255, 130, 110)
                                                     : QColor(235, 235, 235);
  const QRect top(plate.x(), plate.y() + Scale(t, 6), w, Scale(t, 40));
  PaintFitted(p, top,
              FitText(RoleFont(fonts_, FontRole::Decor, Scale(t, 26), true), result.verdict, room),
              verdict_colour);
  const QRect bottom(plate.x(), top.bottom(), w, Scale(t, 34));
  PaintFitted(p, bottom,
              FitText(RoleFont(fonts_, FontRole::Decor, Scale(t, 22)), result.scores, room),
              QColor(255, 255, 255));
}

}  // namespace ostrel
