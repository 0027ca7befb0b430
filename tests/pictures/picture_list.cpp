#include "picture_list.h"

#include <QFile>
#include <QRegularExpression>
#include <QTextStream>

namespace ostrel::test {

QStringList ExpandPattern(const QString& pattern, QString* error) {
  const qsizetype open = pattern.indexOf('{');
  if (open < 0) {
    if (pattern.contains('}')) {
      *error = QStringLiteral("unmatched } in %1").arg(pattern);
      return {};
    }
    return {pattern};
  }
  const qsizetype close = pattern.indexOf('}', open);
  if (close < 0 || pattern.mid(open + 1, close - open - 1).contains('{')) {
    *error = QStringLiteral("unmatched { in %1").arg(pattern);
    return {};
  }
  QStringList out;
  const QStringList choices = pattern.mid(open + 1, close - open - 1).split(',');
  for (const QString& choice : choices) {
    const QStringList rest =
        ExpandPattern(pattern.left(open) + choice + pattern.mid(close + 1), error);
    if (rest.isEmpty()) return {};
    out << rest;
  }
  return out;
}

QMap<QString, ListedPicture> ReadPictureList(const QString& file_name, QString* error) {
  QMap<QString, ListedPicture> list;
  QFile file(file_name);
  if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
    *error = QStringLiteral("cannot open %1").arg(file_name);
    return list;
  }
  static const QRegularExpression kRow(
      QStringLiteral("^\\|\\s*`([^`]+)`\\s*\\|\\s*(\\d+)x(\\d+)\\s*\\|\\s*(\\w+)\\s*\\|"));
  QTextStream in(&file);
  int line_number = 0;
  while (!in.atEnd()) {
    const QString line = in.readLine();
    ++line_number;
    const QRegularExpressionMatch m = kRow.match(line);
    if (!m.hasMatch()) continue;
    const ListedPicture picture{QSize(m.captured(2).toInt(), m.captured(3).toInt()), m.captured(4)};
    if (picture.kind != QLatin1String("png") && picture.kind != QLatin1String("jpeg") &&
        picture.kind != QLatin1String("gif")) {
      *error = QStringLiteral("line %1: unknown kind %2").arg(line_number).arg(picture.kind);
      return {};
    }
    const QStringList names = ExpandPattern(m.captured(1), error);
    if (names.isEmpty()) return {};
    for (const QString& name : names) {
      if (list.contains(name)) {
        *error = QStringLiteral("line %1: %2 listed twice").arg(line_number).arg(name);
        return {};
      }
      list.insert(name, picture);
    }
  }
  return list;
}

}  // namespace ostrel::test
