// Lays pictures out on one sheet with their names, for looking at the art:
//   ostrel_artsheet [--palette] OUT.png ZOOM WIDTH PICTURE.png...
// --palette writes 256 colours, for small sheets in the documentation.
// The sheet's ground is the table green, so that the pictures are seen as they
// will stand on the table.
#include <QFileInfo>
#include <QGuiApplication>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <cstdio>

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  const bool palette = argc > 1 && QString::fromLocal8Bit(argv[1]) == QLatin1String("--palette");
  if (palette) {
    --argc;
    ++argv;
  }
  if (argc < 5) {
    std::fprintf(stderr, "usage: ostrel_artsheet OUT.png ZOOM WIDTH PICTURE...\n");
    return 1;
  }
  const int zoom = std::max(1, QString::fromLocal8Bit(argv[2]).toInt());
  const int width = std::max(200, QString::fromLocal8Bit(argv[3]).toInt());
  QList<QImage> pictures;
  QStringList names;
  for (int i = 4; i < argc; ++i) {
    const QString path = QString::fromLocal8Bit(argv[i]);
    QImageReader reader(path);
    const QString name = QFileInfo(path).completeBaseName();
    int frame = 0;
    // An animation is shown frame by frame.
    for (QImage img = reader.read(); !img.isNull(); img = reader.read(), ++frame) {
      pictures << img.scaled(img.size() * zoom, Qt::IgnoreAspectRatio, Qt::FastTransformation);
      names << (reader.supportsAnimation() ? QStringLiteral("%1#%2").arg(name).arg(frame + 1)
                                           : name);
      if (!reader.supportsAnimation()) {
        ++frame;
        break;
      }
    }
    if (frame == 0) {
      std::fprintf(stderr, "ostrel_artsheet: cannot read %s\n", argv[i]);
      return 1;
    }
  }
  // First pass: place the pictures in rows.
  const int gap = 8;
  const int label = 14;
  QList<QPoint> at;
  int x = gap, y = gap, row = 0;
  for (const QImage& img : pictures) {
    if (x + img.width() + gap > width && x > gap) {
      x = gap;
      y += row + label + gap;
      row = 0;
    }
    at << QPoint(x, y);
    x += std::max(img.width(), 60) + gap;
    row = std::max(row, img.height());
  }
  QImage sheet(width, y + row + label + gap, QImage::Format_RGB32);
  sheet.fill(QColor(22, 84, 48));
  QPainter p(&sheet);
  QFont font(QStringLiteral("DejaVu Sans"));
  font.setPixelSize(10);
  p.setFont(font);
  for (int i = 0; i < pictures.size(); ++i) {
    p.drawImage(at[i], pictures[i]);
    p.setPen(QColor(235, 225, 190));
    p.drawText(QRect(at[i].x(), at[i].y() + pictures[i].height() + 1, 200, label),
               Qt::AlignLeft | Qt::AlignTop, names[i]);
  }
  p.end();
  const QImage out =
      palette ? sheet.convertToFormat(QImage::Format_Indexed8, Qt::DiffuseDither) : sheet;
  return out.save(QString::fromLocal8Bit(argv[1])) ? 0 : 1;
}
