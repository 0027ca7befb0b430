#include <cmath>

#include "packs/card_images.h"
#include "packs/pack_names.h"
#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

QString Q(const std::string& s) {
  return QString::fromStdString(s);
}

// Every face and symbol of the set; a set with holes is refused as a whole, like a pack that
// cannot be opened.
FitResult ReadFaces(int set, double scale, PackReader* reader, CardFaceSet& out) {
  const bool large = UsesLargePictures(scale);
  auto read = [&](const std::string& name) {
    return reader ? ReadPackPicture(*reader, Q(name), PackKind::kPng) : OwnPicture(Q(name));
  };
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < static_cast<int>(kRankCodes.size()); ++rank) {
      QImage face;
      const FitResult fit =
          FitCardPicture(read(FacePictureName(set, suit, rank, large)), out.size, scale, face);
      if (fit != FitResult::kOk) return fit;
      out.faces.insert(Q(FaceKey(suit, rank)), face);
    }
    const QImage symbol = read(SymbolPictureName(set, suit, false));
    if (symbol.isNull()) return FitResult::kMissing;
    out.symbols.insert(QString::fromLatin1(kSuitSymbols[suit]), symbol);
    // The large symbol is optional: the table scales the small one where a pack has none.
    const QImage big = read(SymbolPictureName(set, suit, true));
    out.symbols.insert(QString::fromLatin1(kSuitSymbols[suit]) + QLatin1Char('B'),
                       big.isNull()
                           ? symbol.scaled(40, 40, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                           : big);
  }
  return FitResult::kOk;
}

CardFaceSet OwnFaces(double scale) {
  CardFaceSet out;
  out.size = CardSize(true, scale);
  ReadFaces(0, scale, nullptr, out);
  return out;
}

}  // namespace

void PackOutcome::Message(const QString& text) {
  if (!messages.contains(text)) messages.append(text);
}

void ApplyPackOutcome(const PackOutcome& o, Settings& s) {
  if (o.card_faces) s.CardFaces = *o.card_faces;
  if (o.deck_back) s.DeckBack = *o.deck_back;
  if (o.background_pattern) s.BackgroundPattern = *o.background_pattern;
  if (o.background_colour) s.BackgroundColour = *o.background_colour;
  if (o.main_menu_design) s.MainMenuDesign = *o.main_menu_design;
  if (o.table_design) s.TableDesign = *o.table_design;
  if (o.aux_design_purple) s.AuxDesignPurple = *o.aux_design_purple;
}

FitResult FitCardPicture(const QImage& image, QSize size, double scale, QImage& out) {
  out = QImage();
  if (image.isNull()) return FitResult::kMissing;
  if (image.size() == size) {
    out = image;
    return FitResult::kOk;
  }
  const bool smooth = UsesLargePictures(scale) && scale < 2;
  // A palette or grey PNG reads as an indexed or grey picture; RGB ones read as colour formats.
  const QImage::Format f = image.format();
  const bool rgb = f != QImage::Format_Indexed8 && f != QImage::Format_Grayscale8 &&
                   f != QImage::Format_Grayscale16 && f != QImage::Format_Mono &&
                   f != QImage::Format_MonoLSB && f != QImage::Format_Alpha8;
  if (smooth && !rgb) return FitResult::kWrongFormat;
  out = image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
  return FitResult::kOk;
}

bool UsesLargePictures(double scale) {
  return scale >= 1.3;
}

QSize CardSize(bool wide, double scale) {
  const int w = wide ? 71 : 61;
  if (!UsesLargePictures(scale)) return {w, 96};
  if (scale >= 2) return {wide ? 146 : 126, 198};
  // Halves go to the even neighbour, as everywhere in the table's arithmetic.
  return {static_cast<int>(std::nearbyint(scale * w)),
          static_cast<int>(std::nearbyint(scale * 96))};
}

CardFaceSet LoadCardFaces(const PackFolders& folders, int set, double scale, PackOutcome& outcome) {
  if (set <= 0 || set >= kFaceSetCount) {
    if (set != 0) outcome.card_faces = 0;
    return OwnFaces(scale);
  }
  const FaceSetInfo& info = FaceSet(set);
  CardFaceSet out;
  out.set = set;
  out.wide = info.wide;
  out.size = CardSize(info.wide, scale);
  auto reader = OpenPack(folders, QString::fromLatin1(info.pack));
  const FitResult read = reader ? ReadFaces(set, scale, reader.get(), out) : FitResult::kMissing;
  if (read == FitResult::kOk) return out;
  outcome.Message(read == FitResult::kWrongFormat ? QString::fromLatin1(kOnlyRgbPictures)
                                                  : Q(CantFindMessage(info.pack)));
  outcome.card_faces = 0;
  outcome.ok = false;
  return OwnFaces(scale);
}

CardPictures LoadCardPictures(const PackFolders& folders, int face_set, int back_set, double scale,
                              PackOutcome& outcome) {
  CardPictures out;
  out.faces = LoadCardFaces(folders, face_set, scale, outcome);
  bool faces_to_zero = false;
  out.backs = LoadCardBacks(folders, back_set, out.faces.wide, scale, outcome, &faces_to_zero);
  if (faces_to_zero && out.faces.set != 0) {
    out.faces = OwnFaces(scale);
    outcome.card_faces = 0;
    // The backs follow the wide cards of set 0.
    out.backs = LoadCardBacks(folders, 0, true, scale, outcome);
  }
  return out;
}

}  // namespace ostrel
