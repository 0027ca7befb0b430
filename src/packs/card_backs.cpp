#include <QDate>

#include "packs/card_images.h"
#include "packs/pack_names.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

// All pictures of the set and their side variants; a set with holes is refused as a whole.
FitResult ReadBacks(PackReader* reader, int set, BackSize kind, double scale, CardBackSet& out) {
  for (int picture = 1; picture <= BackSet(set).pictures; ++picture) {
    for (bool side : {false, true}) {
      const QString name = QString::fromStdString(BackPictureName(set, picture, side, kind));
      QImage image;
      const FitResult fit =
          FitCardPicture(reader ? ReadPackPicture(*reader, name, PackKind::kPng) : OwnPicture(name),
                         out.size, scale, image);
      if (fit != FitResult::kOk) return fit;
      (side ? out.side_backs : out.backs).append(image);
    }
  }
  return FitResult::kOk;
}

// Back set 0 from the program itself, which carries its small and large wide pictures.
CardBackSet OwnBacks(bool wide, double scale) {
  CardBackSet out;
  out.size = CardSize(wide, scale);
  ReadBacks(nullptr, 0, UsesLargePictures(scale) ? BackSize::kLargeWide : BackSize::kSmall, scale,
            out);
  return out;
}

}  // namespace

CardBackSet LoadCardBacks(const PackFolders& folders, int set, bool wide_cards, double scale,
                          PackOutcome& outcome, bool* faces_to_zero) {
  if (set < 0 || set >= kBackSetCount) {
    outcome.deck_back = 0;
    set = 0;
  }
  const bool large = UsesLargePictures(scale);
  if (set == 0 && wide_cards && !large) return OwnBacks(true, scale);
  const BackSize kind = !large       ? BackSize::kSmall
                        : wide_cards ? BackSize::kLargeWide
                                     : BackSize::kLargeNarrow;
  CardBackSet out;
  out.set = set;
  out.size = CardSize(wide_cards, scale);
  auto reader = OpenPack(folders, QString::fromLatin1(kPackCardsB));
  const FitResult read =
      reader ? ReadBacks(reader.get(), set, kind, scale, out) : FitResult::kMissing;
  if (read == FitResult::kOk) return out;
  // Back set 0 missing only its large or narrow pictures says nothing: its own pictures stand
  // in, and the faces go back to set 0, whose wide cards they fit.
  if (read == FitResult::kWrongFormat) {
    outcome.Message(QString::fromLatin1(kOnlyRgbPictures));
    outcome.deck_back = 0;
  } else if (set != 0) {
    outcome.Message(QString::fromStdString(CantFindMessage(kPackCardsB)));
    outcome.deck_back = 0;
  } else if (faces_to_zero) {
    *faces_to_zero = true;
  }
  outcome.ok = false;
  return OwnBacks(wide_cards, scale);
}

int ChooseDealBack(int back_set, bool always_one, int weekday, Random& random) {
  if (IsBackGroup(back_set)) return random.Uniform(1, 10);
  if (always_one) return 7;
  return weekday >= 1 && weekday <= 7 ? weekday : 1;
}

int TodayWeekday() {
  return QDate::currentDate().dayOfWeek();  // Qt counts 1 Monday ... 7 Sunday as well
}

QImage LoadBackground(const PackFolders& folders, int pattern, int colour, int window_size,
                      bool purple_menu, PackOutcome& outcome) {
  const bool large = window_size != 1;
  if (purple_menu) {
    const QImage lilu = LoadPackPicture(folders, QString::fromLatin1(kPackGraphics),
                                        QStringLiteral("BGLilu"), PackKind::kJpeg);
    if (!lilu.isNull()) return lilu;
    outcome.Message(QString::fromStdString(CantFindMessage(kPackGraphics)));
    outcome.aux_design_purple = false;
    outcome.main_menu_design = 0;
    outcome.table_design = 0;
    outcome.ok = false;
    // The customizable background stands in, so that the menu is never left bare.
  }
  if (pattern == 0) return {};
  if (pattern < 0 || pattern > kBackgroundPatterns || colour < 0 || colour >= kBackgroundColours) {
    outcome.background_pattern = 2;
    outcome.background_colour = 0;
    pattern = 2;
    colour = 0;
  }
  const QString name = QString::fromStdString(BackgroundPictureName(pattern, colour, large));
  if (IsOwnBackground(pattern, colour)) return OwnPicture(name);
  const QImage image =
      LoadPackPicture(folders, QString::fromLatin1(kPackBackgrounds), name, PackKind::kJpeg);
  if (!image.isNull()) return image;
  outcome.Message(QString::fromStdString(CantFindMessage(kPackBackgrounds)));
  outcome.background_pattern = 2;
  outcome.background_colour = 0;
  outcome.ok = false;
  return OwnPicture(QString::fromStdString(BackgroundPictureName(2, 0, large)));
}

}  // namespace ostrel
