#include "packs/pack_picture.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

#include "pictures/own_pictures.h"

namespace ostrel {

namespace {

const char* FormatOf(PackKind kind) {
  switch (kind) {
    case PackKind::kPng:
      return "PNG";
    case PackKind::kJpeg:
      return "JPEG";
    case PackKind::kGif:
      return "GIF";
    case PackKind::kWav:
      break;
  }
  return nullptr;
}

std::optional<std::vector<std::uint8_t>> ReadEntry(PackReader& reader, const QString& name,
                                                   PackKind kind) {
  const PackEntry* entry = reader.Find(name.toStdString());
  if (!entry || entry->kind != kind) return std::nullopt;
  return reader.Read(*entry);
}

}  // namespace

PackFolders ExecutablePackFolders() {
  const QString program = QCoreApplication::applicationDirPath();
  return {program, QFileInfo(program + QStringLiteral("/..")).absoluteFilePath()};
}

PackFolders PackFoldersOf(const ProgramFolders& folders) {
  return {QFile::decodeName(folders.program.c_str()), QFile::decodeName(folders.above.c_str())};
}

std::unique_ptr<PackReader> OpenPack(const PackFolders& folders, const QString& pack) {
  // A name with a folder in it would reach outside the two folders.
  if (pack.isEmpty() || pack.contains(QLatin1Char('/')) || pack.contains(QLatin1Char('\\'))) {
    return nullptr;
  }
  for (const QString& folder : {folders.program, folders.above}) {
    if (folder.isEmpty()) continue;
    const QString path = QDir(folder).filePath(pack);
    if (auto reader = PackReader::Open(FileSource(QFile::encodeName(path).toStdString()))) {
      return reader;
    }
  }
  return nullptr;
}

bool PackFileExists(const PackFolders& folders, const QString& pack) {
  for (const QString& folder : {folders.program, folders.above}) {
    if (!folder.isEmpty() && QFileInfo(QDir(folder).filePath(pack)).isFile()) return true;
  }
  return false;
}

QImage ReadPackPicture(PackReader& reader, const QString& picture, PackKind kind) {
  const char* format = FormatOf(kind);
  if (!format) return {};
  const auto bytes = ReadEntry(reader, picture, kind);
  if (!bytes) return {};
  QImage image;
  image.loadFromData(bytes->data(), static_cast<int>(bytes->size()), format);
  return image;
}

QImage LoadPackPicture(const PackFolders& folders, const QString& pack, const QString& picture,
                       PackKind kind) {
  if (pack.isEmpty()) return OwnPicture(picture);
  auto reader = OpenPack(folders, pack);
  return reader ? ReadPackPicture(*reader, picture, kind) : QImage();
}

std::optional<QByteArray> LoadPackData(const PackFolders& folders, const QString& pack,
                                       const QString& name, PackKind kind) {
  auto reader = OpenPack(folders, pack);
  if (!reader) return std::nullopt;
  const auto bytes = ReadEntry(*reader, name, kind);
  if (!bytes) return std::nullopt;
  return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                    static_cast<qsizetype>(bytes->size()));
}

}  // namespace ostrel
