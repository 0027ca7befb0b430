// Draws the program's own pictures into a folder and lists them in a resource
// collection file, at build time. Usage: ostrel_artgen OUT_FOLDER CARD_DECK_SVG
#include <QGuiApplication>
#include <cstdio>

#include "groups.h"
#include "paint.h"
#include "sink.h"

namespace {

int Fail(const QString& message) {
  std::fprintf(stderr, "ostrel_artgen: %s\n", message.toLocal8Bit().constData());
  return 1;
}

}  // namespace

int main(int argc, char** argv) {
  QGuiApplication app(argc, argv);
  if (argc != 3) return Fail(QStringLiteral("usage: ostrel_artgen OUT_FOLDER CARD_DECK_SVG"));
  using namespace ostrel::artgen;
  QString error;
  if (!LoadFaces(&error)) return Fail(error);
  Sink sink(QString::fromLocal8Bit(argv[1]));
  if (!DrawCardFaces(sink, QString::fromLocal8Bit(argv[2]), &error)) return Fail(error);
  DrawSuitSymbols(sink);
  DrawCardBacks(sink);
  DrawTableArt(sink);
  DrawTablePieces(sink);
  DrawControls(sink);
  DrawVerdictArt(sink);
  DrawAnimations(sink);
  DrawMenuExtras(sink);
  DrawAccountArt(sink);
  if (!DrawTitles(sink, QString::fromLocal8Bit(argv[2]), &error)) return Fail(error);
  sink.WriteCollection(QStringLiteral("pictures.qrc"));
  if (!sink.errors().isEmpty()) return Fail(sink.errors().join(QStringLiteral("; ")));
  std::printf("ostrel_artgen: %d pictures\n", sink.count());
  return 0;
}
