// The pictures the main window takes from the packs: the card faces and backs of the chosen
// sets, the table background and the purple menu's background. They are read again only when
// a setting they depend on changes, so the options window may change other settings freely.
#pragma once

#include <QImage>
#include <QString>
#include <memory>

#include "game/random.h"
#include "packs/card_images.h"
#include "storage/settings.h"

namespace ostrel {

class WindowPictures {
 public:
  WindowPictures(PackFolders folders, std::uint64_t seed);

  const PackFolders& Folders() const { return folders_; }

  // Reads what the settings now ask for. The outcome's fallbacks are already written to the
  // settings; its messages are the caller's to show. Nothing is read (and the outcome is empty)
  // when nothing the pictures depend on has changed.
  PackOutcome Refresh(Settings& settings, double scale);
  // Forget what was read, so that the next Refresh reads again (after a download).
  void Invalidate() { key_.clear(); }

  std::shared_ptr<const CardPictures> Cards() const { return cards_; }
  bool NarrowCards() const { return cards_ && !cards_->faces.wide; }
  const QImage& TableBackground() const { return table_background_; }
  const QImage& MenuBackground() const { return menu_background_; }

  // The back picture of a new deal, 1 to 10.
  int DealBack(const Settings& settings);

 private:
  PackFolders folders_;
  Random random_;
  QString key_;
  std::shared_ptr<const CardPictures> cards_;
  QImage table_background_;
  QImage menu_background_;
};

}  // namespace ostrel
