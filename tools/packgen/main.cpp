// ostrel_packgen PACK OUTPUT [SOURCES...]
// Builds the resource pack named PACK ("TarvoCards06A.dll", ...) into the file OUTPUT. The card
// packs take the decks folders of the Debian packages kdegames-card-data-kf5 and
// gnome-cards-data, the voice pack the folder of the spoken clips; the drawn packs take nothing.
#include <QGuiApplication>
#include <cstdio>
#include <cstdlib>
#include <string>

#include "packs/pack_names.h"
#include "tools/packgen/packgen.h"

namespace {

[[noreturn]] void Usage() {
  std::fprintf(stderr,
               "usage: ostrel_packgen PACK OUTPUT KDE_DECKS GNOME_DECKS   (the card packs)\n"
               "       ostrel_packgen %s OUTPUT VOICE_FOLDER\n"
               "       ostrel_packgen %s OUTPUT STATIONS_TSV\n"
               "       ostrel_packgen PACK OUTPUT                         (the drawn packs)\n",
               ostrel::kPackVoice, ostrel::kPackRadioLogos);
  std::exit(2);
}

}  // namespace

int main(int argc, char** argv) {
  using namespace ostrel;
  using namespace ostrel::packgen;
  QGuiApplication app(argc, argv);
  if (argc < 3) Usage();
  const std::string pack = argv[1];
  const int sources = argc - 3;
  auto decks = [&] {
    if (sources != 2) Usage();
    return DeckFolders{QString::fromLocal8Bit(argv[3]), QString::fromLocal8Bit(argv[4])};
  };
  auto nothing_more = [&] {
    if (sources != 0) Usage();
  };
  Sink sink;
  if (pack == kPackCardsA || pack == kPackCardsC) {
    BuildFaces(sink, pack.c_str(), decks());
  } else if (pack == kPackCardsB) {
    BuildFaces(sink, pack.c_str(), decks());
    BuildBacks(sink);
  } else if (pack == kPackBackgrounds) {
    nothing_more();
    BuildBackgrounds(sink);
  } else if (pack == kPackGraphics) {
    nothing_more();
    BuildGraphics(sink);
  } else if (pack == kPackCalendar) {
    nothing_more();
    BuildCalendar(sink);
  } else if (pack == kPackRadioLogos) {
    if (sources != 1) Usage();
    BuildRadioLogos(sink, QString::fromLocal8Bit(argv[3]));
  } else if (pack == kPackVoice) {
    if (sources != 1) Usage();
    BuildVoice(sink, QString::fromLocal8Bit(argv[3]));
  } else {
    Die(QStringLiteral("no builder for the pack %1").arg(argv[1]));
  }
  sink.Write(argv[2]);
  std::printf("ostrel_packgen: %s, %zu entries\n", pack.c_str(), sink.Count());
  return 0;
}
