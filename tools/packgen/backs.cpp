// The card backs of pack B: back set 0 in the program's own design at the sizes the program
// lacks, and the twelve further sets drawn here, each picture at the small size, large wide
// ("B") and large narrow ("U"), and turned for the players at the sides ("R").
#include <cmath>

#include "packs/pack_names.h"
#include "pictures/own_pictures.h"
#include "tools/packgen/back_motifs.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

// The seven weekday colourings of the sets with one design.
const QColor kDayInk[7] = {QColor(150, 24, 40), QColor(26, 58, 140), QColor(14, 104, 64),
                           QColor(90, 36, 126), QColor(168, 88, 24), QColor(10, 100, 112),
                           QColor(36, 36, 46)};

void PaintBack(QPainter& p, int set, int picture, const QRectF& card, double u) {
  const QColor ink = kDayInk[(picture - 1) % 7];
  p.setPen(QPen(QColor(90, 90, 90), 0.8 * u));
  p.setBrush(QColor(252, 250, 244));
  p.drawRoundedRect(card.adjusted(0.5 * u, 0.5 * u, -0.5 * u, -0.5 * u), 7 * u, 7 * u);
  const QRectF panel = card.adjusted(6 * u, 6 * u, -6 * u, -6 * u);
  p.save();
  QPainterPath clip;
  clip.addRoundedRect(panel, 4 * u, 4 * u);
  p.setClipPath(clip);
  PaintMotif(p, set, picture, ink, panel, u);
  p.restore();
  p.setBrush(Qt::NoBrush);
  p.setPen(QPen(QColor(214, 176, 72), 1.4 * u));
  p.drawRoundedRect(panel, 4 * u, 4 * u);
}

QImage Back(int set, int picture, bool side, int w, int h) {
  QImage image = Canvas(w, h);
  QPainter p(&image);
  Smooth(p);
  const double u = h / 198.0;
  if (side) {
    // The pattern turned a quarter: it lies right on the cards of the side hands.
    p.translate(w, 0);
    p.rotate(90);
    PaintBack(p, set, picture, QRectF(0, 0, h, w), u);
  } else {
    PaintBack(p, set, picture, QRectF(0, 0, w, h), u);
  }
  return image;
}

QImage Scaled(const QImage& image, int w, int h) {
  return image.scaled(w, h, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

// Set 0 keeps the program's own look: its large wide pictures, narrowed for the narrow cards.
void OwnSet(Sink& sink) {
  for (int picture = 1; picture <= 7; ++picture) {
    for (bool side : {false, true}) {
      auto own = [&](BackSize size) {
        const QImage image =
            OwnPicture(QString::fromStdString(BackPictureName(0, picture, side, size)));
        if (image.isNull()) Die(QStringLiteral("the program's own backs are missing"));
        return image;
      };
      const QImage large = own(BackSize::kLargeWide);
      sink.Png(BackPictureName(0, picture, side, BackSize::kSmall), own(BackSize::kSmall));
      sink.Png(BackPictureName(0, picture, side, BackSize::kLargeWide), large);
      sink.Png(BackPictureName(0, picture, side, BackSize::kLargeNarrow), Scaled(large, 126, 198));
    }
  }
}

}  // namespace

void BuildBacks(Sink& sink) {
  OwnSet(sink);
  for (int set = 1; set < kBackSetCount; ++set) {
    for (int picture = 1; picture <= BackSet(set).pictures; ++picture) {
      for (bool side : {false, true}) {
        const QImage wide = Back(set, picture, side, 146, 198);
        sink.Png(BackPictureName(set, picture, side, BackSize::kLargeWide), wide);
        sink.Png(BackPictureName(set, picture, side, BackSize::kSmall), Scaled(wide, 71, 96));
        sink.Png(BackPictureName(set, picture, side, BackSize::kLargeNarrow),
                 Back(set, picture, side, 126, 198));
      }
    }
  }
}

}  // namespace ostrel::packgen
