#include "app/window_pictures.h"

namespace ostrel {

WindowPictures::WindowPictures(PackFolders folders, std::uint64_t seed)
    : folders_(std::move(folders)), random_(seed) {}

namespace {

QString KeyOf(const Settings& s, double scale) {
  return QStringLiteral("%1/%2/%3/%4/%5/%6/%7/%8")
      .arg(s.CardFaces)
      .arg(s.DeckBack)
      .arg(scale)
      .arg(s.BackgroundPattern)
      .arg(s.BackgroundColour)
      .arg(s.WindowSize)
      .arg(s.MainMenuDesign)
      .arg(s.TableDesign);
}

}  // namespace

PackOutcome WindowPictures::Refresh(Settings& s, double scale) {
  PackOutcome outcome;
  if (KeyOf(s, scale) == key_) return outcome;
  cards_ = std::make_shared<const CardPictures>(
      LoadCardPictures(folders_, s.CardFaces, s.DeckBack, scale, outcome));
  // The purple menu shows the graphics pack's own background; the table takes it too when its
  // design is purple, and the chosen pattern otherwise.
  menu_background_ = s.MainMenuDesign == 1
                         ? LoadBackground(folders_, s.BackgroundPattern, s.BackgroundColour,
                                          s.WindowSize, true, outcome)
                         : QImage();
  table_background_ = LoadBackground(folders_, s.BackgroundPattern, s.BackgroundColour,
                                     s.WindowSize, s.TableDesign == 1, outcome);
  ApplyPackOutcome(outcome, s);
  // Without the graphics pack the menu keeps its own picture, not the table's background.
  if (s.MainMenuDesign != 1) menu_background_ = QImage();
  // After a fallback the settings name what was read in its place.
  key_ = KeyOf(s, scale);
  return outcome;
}

int WindowPictures::DealBack(const Settings& s) {
  return ChooseDealBack(s.DeckBack, s.AlwaysOneBack, TodayWeekday(), random_);
}

}  // namespace ostrel
