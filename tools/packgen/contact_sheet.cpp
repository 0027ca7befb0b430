// ostrel_packsheet OUTPUT.png WIDTH ITEM...
// Lays pictures of the built packs out on a sheet, for looking at them. An ITEM is
// "PACKFILE:NAME" or "PACKFILE:NAME@ZOOM" (a picture, placed after the previous one; "NAME+OVER"
// draws OVER on NAME), "@CAPTION" (a new row with a caption) or "/" (a new row without one).
// Pictures are shown at their own size.
#include <QFileInfo>
#include <QGuiApplication>
#include <QPainter>
#include <cstdio>
#include <map>
#include <memory>

#include "packs/pack_picture.h"

int main(int argc, char** argv) {
  using namespace ostrel;
  QGuiApplication app(argc, argv);
  if (argc < 4) {
    std::fprintf(stderr, "usage: ostrel_packsheet OUTPUT.png WIDTH ITEM...\n");
    return 2;
  }
  const int width = QString::fromLatin1(argv[2]).toInt();
  struct Placed {
    QImage image;
    QString caption;
    QPoint at;
  };
  std::vector<Placed> placed;
  std::map<QString, std::unique_ptr<PackReader>> packs;
  int x = 16, y = 16, row_h = 0;
  auto new_row = [&] {
    if (row_h == 0 && x == 16) return;
    y += row_h + 14;
    x = 16;
    row_h = 0;
  };
  for (int i = 3; i < argc; ++i) {
    const QString item = QString::fromLocal8Bit(argv[i]);
    if (item == QLatin1String("/") || item.startsWith(QLatin1Char('@'))) {
      new_row();
      if (item.startsWith(QLatin1Char('@'))) {
        placed.push_back({QImage(), item.mid(1), QPoint(x, y)});
        y += 24;
      }
      continue;
    }
    const QString file = item.section(QLatin1Char(':'), 0, 0);
    QString name = item.section(QLatin1Char(':'), 1);
    const double zoom =
        name.contains(QLatin1Char('@')) ? name.section(QLatin1Char('@'), 1).toDouble() : 1.0;
    name = name.section(QLatin1Char('@'), 0, 0);
    auto& reader = packs[file];
    if (!reader) {
      const QFileInfo info(file);
      reader = OpenPack({info.absolutePath(), QString()}, info.fileName());
      if (!reader) {
        std::fprintf(stderr, "cannot open %s\n", qPrintable(file));
        return 1;
      }
    }
    // "NAME+OVER": the second picture drawn over the first, as a window draws its header.
    QImage image;
    for (const QString& part : name.split(QLatin1Char('+'))) {
      QImage layer;
      for (PackKind kind : {PackKind::kPng, PackKind::kJpeg}) {
        if (layer.isNull()) layer = ReadPackPicture(*reader, part, kind);
      }
      if (layer.isNull()) {
        std::fprintf(stderr, "no picture %s in %s\n", qPrintable(part), qPrintable(file));
        return 1;
      }
      if (image.isNull()) {
        image = layer.convertToFormat(QImage::Format_ARGB32_Premultiplied);
      } else {
        QPainter over(&image);
        over.drawImage(0, 0, layer);
      }
    }
    if (zoom > 0 && zoom != 1.0) {
      image = image.scaled(image.size() * zoom, Qt::KeepAspectRatio, Qt::SmoothTransformation);
    }
    if (x + image.width() > width - 16) new_row();
    placed.push_back({image, QString(), QPoint(x, y)});
    x += image.width() + 8;
    row_h = std::max(row_h, image.height());
  }
  const int height = y + row_h + 16;
  QImage sheet(width, height, QImage::Format_RGB32);
  QPainter p(&sheet);
  p.setRenderHint(QPainter::Antialiasing);
  // A flat baize: the sheets stay small files.
  p.fillRect(sheet.rect(), QColor(18, 84, 46));
  for (const Placed& item : placed) {
    if (item.image.isNull()) {
      QFont font(QStringLiteral("DejaVu Sans"));
      font.setPixelSize(16);
      font.setBold(true);
      p.setFont(font);
      p.setPen(QColor(250, 226, 150));
      p.drawText(QRect(item.at.x(), item.at.y(), width, 22), Qt::AlignVCenter, item.caption);
      continue;
    }
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(0, 0, 0, 70));
    p.drawRoundedRect(QRectF(item.at + QPoint(3, 3), item.image.size()), 6, 6);
    p.drawImage(item.at, item.image);
  }
  p.end();
  if (!sheet.save(QString::fromLocal8Bit(argv[1]))) return 1;
  return 0;
}
