// The card designs drawn by the builder itself, for the face sets no free deck covers. A style
// is a set of choices (paper, inks, suit shapes, frame, corner index, court costume) and one
// drawing routine turns any style into a full deck.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>

namespace ostrel::packgen {

enum class Pips { kFrench, kSpanish };
enum class Frame { kNone, kLine, kDouble, kZigzag, kRoses, kStars, kSteps, kFret, kDeco };
enum class Corner { kPlain, kBoxed, kLarge };

struct DrawnStyle {
  QColor paper, paper_edge;     // paper gradient, centre to edge
  QColor border;                // card outline and frame
  QColor inks[4];               // per suit: hearts, diamonds, clubs, spades
  QColor robe_a, robe_b, trim;  // court costume colours
  Pips pips;
  Frame frame;
  Corner corner;
  const char* ranks[9];  // corner texts of 6 ... 10, jack, queen, king, ace
  int seed;              // varies the court patterns
};

// The card of the style at w x h (a large card: 146 or 126 by 198); rank 0 is the 6, 8 the ace.
QImage DrawCard(const DrawnStyle& style, int suit, int rank, int w, int h);
// The suit symbol of the style, drawn into a square of side pixels.
QImage DrawSymbol(const DrawnStyle& style, int suit, int side);
// Paints a suit shape of the style into the box.
void PaintPip(QPainter& p, const DrawnStyle& style, int suit, const QRectF& box);

// The styles by face set number; null for a set a free deck covers.
const DrawnStyle* DrawnStyleOf(int set);

}  // namespace ostrel::packgen
