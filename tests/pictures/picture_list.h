// Reads the table of pictures in assets/pictures.md: rows whose first cell is a
// name pattern in back quotes, "{a,b}" standing for each alternative.
#pragma once

#include <QMap>
#include <QSize>
#include <QString>
#include <QStringList>

namespace ostrel::test {

struct ListedPicture {
  QSize size;
  QString kind;  // "png", "jpeg" or "gif"
};

// Every expansion of the pattern, in order; empty with a message when the
// braces do not match.
QStringList ExpandPattern(const QString& pattern, QString* error);

// Name -> size and kind. A fault in the file (bad size, unknown kind, a name
// listed twice) leaves a message in error.
QMap<QString, ListedPicture> ReadPictureList(const QString& file_name, QString* error);

}  // namespace ostrel::test
