#include "packs/pack_download.h"

#include <QDir>
#include <QFile>
#include <array>

#include "net/http_client.h"
#include "net/site_files.h"
#include "packs/pack_names.h"

namespace ostrel {

namespace {

const std::array<const char*, kDownloadablePacks> kDownloads = {
    kPackCardsA,     kPackCardsB, kPackBackgrounds, kPackCalendar, kRadioStationList,
    kPackRadioLogos, kPackVoice,  kPackCardsC,      kPackGraphics,
};

bool Refuse(QString* error, const QString& reason) {
  if (error) *error = reason;
  return false;
}

// Tabs and line ends are text; any other control byte (a NUL above all) means binary data.
bool IsTextByte(unsigned char ch) {
  return ch >= 0x20 || ch == '\t' || ch == '\r' || ch == '\n';
}

}  // namespace

QString DownloadablePack(int number) {
  if (number < 1 || number > kDownloadablePacks) return {};
  return QString::fromLatin1(kDownloads[static_cast<std::size_t>(number - 1)]);
}

bool IsIntactPackFile(const QString& path, QString* error) {
  std::string reason;
  const auto damaged = [&] {
    return Refuse(
        error, QStringLiteral("the file is not an intact pack: ") + QString::fromStdString(reason));
  };
  auto reader = PackReader::Open(FileSource(QFile::encodeName(path).toStdString()), &reason);
  if (!reader) return damaged();
  // Open checks the index only; a pack damaged inside an entry would fail later, at a deal.
  for (const PackEntry& entry : reader->Entries()) {
    if (!reader->Read(entry, &reason)) return damaged();
  }
  return true;
}

bool IsStationListFile(const QString& path, QString* error) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return Refuse(error, file.errorString());
  if (file.size() > kRadioStationListMaxBytes) {
    return Refuse(error, QStringLiteral("the list is larger than 1 MiB"));
  }
  const QByteArray bytes = file.readAll();
  if (bytes.trimmed().isEmpty()) return Refuse(error, QStringLiteral("the list is empty"));
  for (char ch : bytes) {
    if (!IsTextByte(static_cast<unsigned char>(ch))) {
      return Refuse(error, QStringLiteral("the list is not text"));
    }
  }
  return true;
}

PackDownload DownloadPack(const PackFolders& folders, const QString& site, int number) {
  PackDownload result;
  const QString name = DownloadablePack(number);
  if (name.isEmpty()) {
    result.error = QStringLiteral("there is no download number %1").arg(number);
    return result;
  }
  if (site.trimmed().isEmpty()) {
    result.error = QStringLiteral("no download address is set");
    return result;
  }
  if (folders.above.isEmpty()) {
    result.error = QStringLiteral("the folder above the program is not known");
    return result;
  }
  const auto failed = [&](const QString& why) {
    result.error = QStringLiteral("Cannot download %1: %2").arg(name, why);
    return result;
  };
  if (!IsHttpUrl(site.trimmed().toStdString())) {
    return failed(QStringLiteral("only http:// and https:// addresses are accepted"));
  }
  const SiteManifest list = FetchSiteManifest(site.toStdString());
  if (!list.ok) return failed(QString::fromStdString(list.error));
  const std::string path = "downloads/progr/cards/" + name.toStdString();
  const ManifestEntry* listed = list.manifest.Find(path);
  if (listed == nullptr) return failed(QStringLiteral("the site's list does not name it"));
  const QString target = QDir(folders.above).filePath(name);
  const bool is_pack = name.endsWith(QStringLiteral(".dll"));
  QString refusal;
  const DownloadResult got = HttpDownloadFile(
      list.base + "/" + path, QFile::encodeName(target).toStdString(), kPackDownloadSeconds,
      [&](const std::string& temp) {
        std::string mismatch;
        if (!MatchesManifest(temp, *listed, &mismatch)) {
          refusal = QString::fromStdString(mismatch);
          return false;
        }
        const QString file = QFile::decodeName(temp.c_str());
        return is_pack ? IsIntactPackFile(file, &refusal) : IsStationListFile(file, &refusal);
      },
      listed->size);
  if (!got.ok) return failed(refusal.isEmpty() ? QString::fromStdString(got.error) : refusal);
  result.ok = true;
  return result;
}

}  // namespace ostrel
