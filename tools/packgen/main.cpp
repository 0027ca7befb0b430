// ostrel_packgen PACK OUTPUT KDE_DECKS GNOME_DECKS
// Builds the resource pack named PACK ("TarvoCards06A.dll", ...) into the file OUTPUT. The
// decks folders are those of the Debian packages kdegames-card-data-kf5 and gnome-cards-data.
#include <QGuiApplication>
#include <cstdio>
#include <string>

#include "table/packs/pack_names.h"
#include "tools/packgen/packgen.h"

int main(int argc, char** argv) {
  using namespace ostrel;
  using namespace ostrel::packgen;
  QGuiApplication app(argc, argv);
  if (argc != 5) {
    std::fprintf(stderr, "usage: ostrel_packgen PACK OUTPUT KDE_DECKS GNOME_DECKS\n");
    return 2;
  }
  const std::string pack = argv[1];
  const DeckFolders decks{QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
  Sink sink;
  if (pack == kPackCardsA || pack == kPackCardsC) {
    BuildFaces(sink, pack.c_str(), decks);
  } else if (pack == kPackCardsB) {
    BuildFaces(sink, pack.c_str(), decks);
    BuildBacks(sink);
  } else if (pack == kPackBackgrounds) {
    BuildBackgrounds(sink);
  } else if (pack == kPackGraphics) {
    BuildGraphics(sink);
  } else {
    Die(QStringLiteral("no builder for the pack %1").arg(argv[1]));
  }
  sink.Write(argv[2]);
  std::printf("ostrel_packgen: %s, %zu pictures\n", pack.c_str(), sink.Count());
  return 0;
}
