// Fetching the packs the options page "DLL" offers from the family's site into the folder
// above the program, where every game of the family finds them. A download is put in place
// only after it was checked in full, so a cut or damaged file never stands where a pack is
// looked for.
#pragma once

#include <QString>

#include "packs/pack_picture.h"

namespace ostrel {

inline constexpr int kDownloadablePacks = 9;
// The list of radio stations: text, not a pack.
inline constexpr const char* kRadioStationList = "TarvoRadio.rad";
// A list longer than this is not a list of stations.
inline constexpr qint64 kRadioStationListMaxBytes = 1 << 20;
// The packs are large and the line may be slow; a stalled line ends much sooner (the HTTP
// layer's low-speed limit).
inline constexpr int kPackDownloadSeconds = 300;

// The file name of download number 1..9, in the order of the page's buttons; empty outside.
QString DownloadablePack(int number);

struct PackDownload {
  bool ok = false;
  QString error;  // one line of English when not ok
};

// Downloads pack `number` from site + "/downloads/progr/cards/" + file name into
// folders.above + "/" + file name. The site's list of files (net/site_files.h) is read first,
// over HTTPS where the site offers it: the file must be listed, and what arrives must have the
// listed size and SHA-256. A ".dll" must then open as an intact pack with every entry passing
// its CRC; the radio station list must be non-empty text. Nothing is left in the folder when
// the download or a check fails, and an older copy stays as it was.
PackDownload DownloadPack(const PackFolders& folders, const QString& site, int number);

// The checks DownloadPack makes before a file is put in place; the reason in error.
bool IsIntactPackFile(const QString& path, QString* error);
bool IsStationListFile(const QString& path, QString* error);

}  // namespace ostrel
