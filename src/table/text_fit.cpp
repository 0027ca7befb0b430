#include "table/text_fit.h"

#include <QFontInfo>
#include <QFontMetricsF>
#include <algorithm>

namespace ostrel {

int PixelHeight(const QFont& font) {
  return font.pixelSize() > 0 ? font.pixelSize() : QFontInfo(font).pixelSize();
}

FittedText FitText(const QFont& font, const QString& text, int width) {
  FittedText out{font, text, false};
  const auto fits = [&](const QFont& f) {
    return QFontMetricsF(f).horizontalAdvance(text) <= width;
  };
  if (text.isEmpty() || fits(font)) return out;
  const int start = PixelHeight(font);
  for (int px = start - 1; px >= kReadablePixels; --px) {
    out.font.setPixelSize(px);
    if (fits(out.font)) return out;
  }
  if (start < kReadablePixels) out.font = font;
  out.text = QFontMetricsF(out.font).elidedText(text, Qt::ElideRight, width);
  out.elided = out.text != text;
  return out;
}

}  // namespace ostrel
