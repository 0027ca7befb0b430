// The "Purple" design of the windows, drawn from the graphics pack "TarvoCGraph1.dll": each
// window has a background ("GFormOpt"), a header with its title in the interface's language
// ("GFormOpt" + "Eng") and a 48 x 48 icon ("GIcon48Opt"). Without the pack a window keeps its
// gray look, so nothing here ever leaves a window half purple.
#pragma once

#include <QDialog>
#include <QImage>
#include <QString>
#include <optional>

#include "packs/pack_picture.h"

namespace ostrel {

// The name of a picture drawn per language: base + the current language's picture suffix
// ("GFormEndG" -> "GFormEndGRus"; Japanese and Korean take the English one).
QString LanguagePictureName(const QString& base);

struct PurplePictures {
  QImage background;  // the form's background, never null
  QImage header;      // the title picture; null when the pack lacks it
  QImage icon;        // the window icon (or a strip of frames); null when the pack lacks it
};

// The background `form` (JPEG), its header in the current language (PNG) and the icon (PNG)
// out of the graphics pack, read in one opening; nullopt when the pack cannot be opened or
// holds no background of that name.
std::optional<PurplePictures> LoadPurplePictures(const PackFolders& packs, const QString& form,
                                                 const QString& icon);

// Gives the dialog the purple design: the background stretched to the dialog, the header at
// (0, 0) and the icon in the header's band, painted behind the children. The dialog's layout
// leaves the header's band free, and the dialog's direct children fill their own background
// so their texts stay readable on the velvet. Children added later are not touched. Calling
// it again replaces the pictures. False, with the dialog unchanged, when the pack cannot be
// opened or lacks the background.
bool ApplyPurpleDesign(QDialog* dialog, const PackFolders& packs, const QString& form,
                       const QString& icon);

}  // namespace ostrel
