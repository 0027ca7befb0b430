// The card faces, card backs and table backgrounds the table draws with, chosen by the settings
// and read from the packs, with every fallback to the program's own set. Nothing here shows a
// message or changes the settings: the outcome says which messages to show and which settings
// to write back, and the window does both.
#pragma once

#include <QHash>
#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>
#include <optional>

#include "game/random.h"
#include "packs/pack_picture.h"
#include "storage/settings.h"

namespace ostrel {

struct PackOutcome {
  bool ok = true;        // false when a pack was missing (after the fallback)
  QStringList messages;  // "Can`t find the file TarvoCards06B.dll", each once
  // The settings to write back; unset fields stay as they are.
  std::optional<int> card_faces, deck_back, background_pattern, background_colour;
  std::optional<int> main_menu_design, table_design;
  std::optional<bool> aux_design_purple;

  void Message(const QString& text);
};
void ApplyPackOutcome(const PackOutcome& outcome, Settings& settings);

// The smooth scaling of large card pictures between the fixed sizes takes RGB and
// RGB-with-alpha pictures only; a pack with another kind (palette, grey) is refused with this.
inline constexpr const char* kOnlyRgbPictures =
    "Only COLOR_RGBALPHA and COLOR_RGB formats are supported";

enum class FitResult { kOk, kMissing, kWrongFormat };
// The picture at the card's size: as it is when it has that size, scaled otherwise. A null
// picture is kMissing; a large picture that needs the smooth scaling but is neither RGB nor
// RGB with alpha is kWrongFormat. The result is null unless kOk.
FitResult FitCardPicture(const QImage& image, QSize size, double scale, QImage& out);

// Size of a card at a drawing scale: 71 x 96 (61 x 96 narrow) below 1.3, the scaled size
// rounded, up to 2; 146 x 198 (126 x 198) from 2 on.
QSize CardSize(bool wide, double scale);
bool UsesLargePictures(double scale);

struct CardFaceSet {
  int set = 0;  // the set loaded: 0 after a fallback
  bool wide = true;
  QSize size;
  QHash<QString, QImage> faces;    // by the names of set 0 ("Ch06" ... "Pi5A"), at size
  QHash<QString, QImage> symbols;  // "Cher" ... (20 x 20) and "CherB" ... (40 x 40)
};
CardFaceSet LoadCardFaces(const PackFolders& folders, int set, double scale, PackOutcome& outcome);

struct CardBackSet {
  int set = 0;
  QSize size;
  QList<QImage> backs;       // picture 1 first: 7 or 10, at size
  QList<QImage> side_backs;  // the "R" pictures for the players at the sides
};
// faces_to_zero tells that the face set must fall back as well (the back set was 0 already
// and its pack is missing); LoadCardPictures does that itself.
CardBackSet LoadCardBacks(const PackFolders& folders, int set, bool wide_cards, double scale,
                          PackOutcome& outcome, bool* faces_to_zero = nullptr);

struct CardPictures {
  CardFaceSet faces;
  CardBackSet backs;
};
CardPictures LoadCardPictures(const PackFolders& folders, int face_set, int back_set, double scale,
                              PackOutcome& outcome);

// The picture number 1 to 10 of a new deal's back. weekday: 1 Monday ... 7 Sunday.
int ChooseDealBack(int back_set, bool always_one, int weekday, Random& random);
// Today's weekday of the computer's clock, 1 Monday ... 7 Sunday.
int TodayWeekday();

// The table background, or the purple menu's "BGLilu"; a null image for pattern 0. For a
// window size other than 1 the large picture, which the window stretches to itself.
QImage LoadBackground(const PackFolders& folders, int pattern, int colour, int window_size,
                      bool purple_menu, PackOutcome& outcome);

}  // namespace ostrel
