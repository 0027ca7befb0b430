// Fitting a text into the room a button or a label gives it. Captions differ in length from
// one language to another by half again and more, so the drawing code, not each caption, makes
// them fit: a text too wide is drawn smaller, down to a readable size, and only then elided.
#pragma once

#include <QFont>
#include <QString>

namespace ostrel {

// Below this pixel height a caption is no longer read at a glance.
inline constexpr int kReadablePixels = 9;

struct FittedText {
  QFont font;
  QString text;  // the text as drawn: elided when even the smallest size is too wide
  bool elided = false;
};

// The pixel height the font is drawn at, whether it was given in pixels or in points.
int PixelHeight(const QFont& font);
// The font shrunk step by step until the text fits `width` pixels, never below
// kReadablePixels (nor grown); elided at the smallest size if it still does not fit.
FittedText FitText(const QFont& font, const QString& text, int width);

}  // namespace ostrel
