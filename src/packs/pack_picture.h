// Reading pictures and sounds out of the resource packs beside the program. A pack is looked
// for by its plain name in the program's folder, then in the folder above, where the games of
// the family installed side by side share their packs; a copy that is damaged counts as
// missing, so an intact one in the folder above still serves. A pack is open only while it is
// read from.
#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>
#include <memory>
#include <optional>

#include "packs/pack_format.h"
#include "storage/program_folder.h"

namespace ostrel {

struct PackFolders {
  QString program;  // the program's folder
  QString above;    // the folder above it
};

// The folder of the executable and its parent.
PackFolders ExecutablePackFolders();
// The program's folders as the storage chose them (beside the executable or in the user's
// data folder).
PackFolders PackFoldersOf(const ProgramFolders& folders);

// The first intact copy: program folder, then the folder above; null when neither opens.
std::unique_ptr<PackReader> OpenPack(const PackFolders& folders, const QString& pack);

// Whether a file of that name lies in either folder (the download buttons ask this).
bool PackFileExists(const PackFolders& folders, const QString& pack);

// The picture of that name and kind (PNG, JPEG or GIF; for a GIF its first frame). An empty
// pack name reads the program's own pictures. A null image, without a message, when the pack
// cannot be opened or does not hold an intact picture of that name and kind.
QImage LoadPackPicture(const PackFolders& folders, const QString& pack, const QString& picture,
                       PackKind kind);
// The same from a pack already open (several pictures in one go).
QImage ReadPackPicture(PackReader& reader, const QString& picture, PackKind kind);

// The raw bytes of an entry (a GIF for a QMovie, a WAV for the voice); nullopt as above.
std::optional<QByteArray> LoadPackData(const PackFolders& folders, const QString& pack,
                                       const QString& name, PackKind kind);

}  // namespace ostrel
