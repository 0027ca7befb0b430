// The score tabs of the two partnerships, the score panel and the speech labels. They hold
// no state of their own: every paint draws the values it is given.
#pragma once

#include <QPainter>
#include <QPoint>
#include <QString>
#include <cstdint>

#include "game/table_port.h"
#include "table/fonts.h"
#include "table/layout.h"
#include "table/text_fit.h"

namespace ostrel {

// The game total as the tab writes it: a plus sign above 0, none for 0 and below.
QString TotalText(std::int32_t total);
// The deal points, or empty when there are none to show.
QString DealText(std::int32_t deal_value);

// Where the red star of a tab stands and whether it is the small picture.
struct StarPlace {
  QPoint top_left;
  bool small = true;
  int size = 0;
};
StarPlace StarPlaceFor(const TableScale& t, int tab_width);

struct TabView {
  bool shown = false;
  QString team;  // "We" for the player's partnership, "They" for the other
  std::int32_t deal_value = kNoDealValue;
  std::int32_t total = 0;
  bool star = false;
  bool pointer = false;
  bool game_over = false;
};

struct PanelView {
  int deal_number = 0;
  int trump_suit = 0;  // 0 while there is no contract
  int progress = -1;   // percent of a long card choice, -1 when none runs
};

struct LabelView {
  QString text;
  LabelColour colour = LabelColour::Plain;
  int role = 0;  // 1 declarer, 2 opponent, 3 declarer's partner
  bool first_hand = false;
  bool pointer = false;
};

// The pixel height a label text is drawn at: 18 units, lowered to 16 and then 14 while it is
// wider than 150 units; FitSeatLabel makes it smaller still where the room asks for it.
int LabelTextHeight(const TableScale& t, const FontRoles& fonts, const QString& text);

void PaintScoreTab(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                   const TabView& tab);
void PaintScorePanel(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                     const PanelView& panel, const QString& round_word);
// The pointing hand of the seat due, in window coordinates: beside the label, not on it.
QRectF SeatPointerRect(const TableScale& t, const Rect& label);
// The width a label's text may take, and its text as drawn there: smaller, then elided.
int SeatLabelRoom(const TableScale& t, const LabelView& label);
FittedText FitSeatLabel(const TableScale& t, const FontRoles& fonts, const LabelView& label);
void PaintSeatLabel(QPainter& p, const Rect& r, const TableScale& t, const FontRoles& fonts,
                    const LabelView& label);

// A five-pointed star filling the square.
void PaintStar(QPainter& p, const QRectF& square, const QColor& colour);
// A pointing hand (an arrow with a cuff) in the rectangle, pointing right or up.
void PaintPointer(QPainter& p, const QRectF& r, bool up);

}  // namespace ostrel
