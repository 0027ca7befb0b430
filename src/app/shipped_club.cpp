#include "app/shipped_club.h"

#include <QDir>
#include <QFile>
#include <mutex>

#include "app/text.h"
#include "storage/file_system.h"

// The resource lives in a static library: it is registered by hand before the first lookup,
// and Q_INIT_RESOURCE must stand outside a namespace.
static void RegisterShippedClubFiles() {
  Q_INIT_RESOURCE(ostrel_club_files);
}

namespace ostrel {

namespace {

const QString kResourceFolder = QStringLiteral(":/ostrel/club");

std::optional<std::string> ReadResource(const QString& path, std::string* error) {
  static std::once_flag once;
  std::call_once(once, RegisterShippedClubFiles);
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) {
    if (error) *error = "the program carries no \"" + path.toStdString() + "\"";
    return std::nullopt;
  }
  const QByteArray bytes = file.readAll();
  return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}

}  // namespace

QStringList ShippedClubFolders(const QString& exe_folder) {
  return {exe_folder + "/../../share", exe_folder + "/../share/ostrel",
          QStringLiteral("/usr/share/ostrel")};
}

ShippedClubFile ShippedClubFiles(const QStringList& folders) {
  return [folders](const std::string& name, std::string* error) -> std::optional<std::string> {
    const QString file_name = QString::fromStdString(name);
    for (const QString& folder : folders) {
      const QString path = QDir(folder).absoluteFilePath(file_name);
      if (QFile::exists(path)) return ReadWholeFile(path.toStdString(), error);
    }
    return ReadResource(kResourceFolder + "/" + file_name, error);
  };
}

std::optional<ProgramFolders> PrepareProgramFiles(const QString& exe_folder,
                                                  const QStringList& shipped_folders,
                                                  const Environment& env, QString* error) {
  std::string reason;
  auto folders = PrepareProgramFolder(exe_folder.toStdString(), ShippedClubFiles(shipped_folders),
                                      env, &reason);
  if (!folders && error) {
    *error = T(PhraseKey::DiskWriteError) + "\n" + QString::fromStdString(reason);
  }
  return folders;
}

}  // namespace ostrel
