// The card faces of packs A, B and C: free SVG decks where one suits the set, our own drawn
// designs for the rest. Each card is rendered once at the large size and reduced for the small
// one; only the pictures a set names are made (borrowed cards 6 to 10 and aces come from the
// lending set).
#include <QSvgRenderer>
#include <memory>

#include "packs/pack_names.h"
#include "tools/packgen/drawn_style.h"
#include "tools/packgen/packgen.h"

namespace ostrel::packgen {

namespace {

struct DeckSource {
  int set;
  bool kde;  // element ids "king_heart" (KDE decks) or "heart_king" (GNOME decks)
  const char* file;
};

// The decks of kdegames-card-data-kf5 and gnome-cards-data used, one set each; licences in
// assets/README.md. The "Konqi modern" deck is not used.
constexpr DeckSource kDecks[] = {
    {1, false, "ancient_french.svgz"},
    {2, false, "anglo_modern.svgz"},
    {3, true, "svg-ancient-egyptians/Ancient_Egyptians.svgz"},
    {4, false, "neoclassical.svgz"},
    {5, true, "svg-nicu-ornamental/ornamental.svgz"},
    {6, false, "tango.svgz"},
    {7, true, "svg-oxygen/oxygen.svgz"},
    {8, false, "anglo.svgz"},
    {9, false, "berlin.svgz"},
    {10, false, "guyenne-classic.svgz"},
    {13, true, "svg-penguins/penguins.svgz"},
    {14, true, "svg-jolly-royal/jolly-royal.svgz"},
    {15, false, "lattmann.svgz"},
    {17, true, "svg-oxygen-white/oxygen-white.svgz"},
    {18, true, "svg-standard/standard.svgz"},
    {19, false, "tango_nuevo.svgz"},
    {20, true, "svg-oxygen-air/oxygen-air.svgz"},
    {22, false, "rheinland.svgz"},
    {23, false, "orell.svgz"},
    {28, false, "plastic.svgz"},
    {29, true, "svg-xskat-german/german.svgz"},
    {30, false, "anglo_modern_4_color.svgz"},
    {31, true, "svg-xskat-french/french.svgz"},
    {33, true, "svg-tigullio-international/tigullio-international.svgz"},
    {34, false, "swiss-xvii.svgz"},
    {35, false, "neoclassical_4_color.svgz"},
    {36, false, "atlasnye.svgz"},
    {37, false, "slavic_costumes.svgz"},
    {40, false, "bellot.svgz"},
    {46, false, "tarocco.svgz"},
    {47, false, "dondorf.svgz"},
};

const char* kSuitIds[4] = {"heart", "diamond", "club", "spade"};
const char* kRankIds[9] = {"6", "7", "8", "9", "10", "jack", "queen", "king", "1"};

// A plain style for the suit symbols of the deck sets: the French shapes in the usual inks.
DrawnStyle SymbolStyle() {
  DrawnStyle s{};
  s.inks[0] = s.inks[1] = QColor(204, 24, 36);
  s.inks[2] = s.inks[3] = QColor(24, 24, 30);
  s.pips = Pips::kFrench;
  return s;
}

class Renderer {
 public:
  Renderer(int set, const DeckFolders& folders) : set_(set) {
    style_ = DrawnStyleOf(set);
    for (const DeckSource& d : kDecks) {
      if (d.set != set) continue;
      kde_ = d.kde;
      const QString path =
          (d.kde ? folders.kde : folders.gnome) + QLatin1Char('/') + QString::fromLatin1(d.file);
      svg_ = std::make_unique<QSvgRenderer>(path);
      if (!svg_->isValid()) Die(QStringLiteral("card deck %1 cannot be read").arg(path));
    }
    if (!svg_ && !style_) Die(QStringLiteral("face set %1 has no source").arg(set));
  }

  QImage Card(int suit, int rank, int w, int h) const {
    if (style_) return DrawCard(*style_, suit, rank, w, h);
    const QString id = kde_ ? QStringLiteral("%1_%2").arg(kRankIds[rank], kSuitIds[suit])
                            : QStringLiteral("%1_%2").arg(kSuitIds[suit], kRankIds[rank]);
    if (!svg_->elementExists(id)) Die(QStringLiteral("deck of set %1 lacks %2").arg(set_).arg(id));
    QImage image = Canvas(w, h);
    QPainter p(&image);
    Smooth(p);
    svg_->render(&p, id, QRectF(0, 0, w, h));
    return image;
  }

  QImage Symbol(int suit, int side) const {
    static const DrawnStyle plain = SymbolStyle();
    return DrawSymbol(style_ ? *style_ : plain, suit, side);
  }

 private:
  int set_;
  bool kde_ = false;
  const DrawnStyle* style_ = nullptr;
  std::unique_ptr<QSvgRenderer> svg_;
};

void BuildSet(Sink& sink, int set, const DeckFolders& folders) {
  const FaceSetInfo& info = FaceSet(set);
  const Renderer renderer(set, folders);
  const int large_w = info.wide ? 146 : 126, small_w = info.wide ? 71 : 61;
  const std::string code = info.code;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 9; ++rank) {
      const bool own = rank <= 4   ? code == info.spot_code
                       : rank == 8 ? code == info.ace_code
                                   : true;
      if (!own) continue;
      const QImage large = renderer.Card(suit, rank, large_w, 198);
      sink.Png(FacePictureName(set, suit, rank, true), large);
      sink.Png(FacePictureName(set, suit, rank, false),
               large.scaled(small_w, 96, Qt::IgnoreAspectRatio, Qt::SmoothTransformation));
    }
    sink.Png(SymbolPictureName(set, suit, false), renderer.Symbol(suit, 20));
    sink.Png(SymbolPictureName(set, suit, true), renderer.Symbol(suit, 40));
  }
}

}  // namespace

void BuildFaces(Sink& sink, const char* pack, const DeckFolders& folders) {
  for (int set = 1; set < kFaceSetCount; ++set) {
    if (std::string(FaceSet(set).pack) == pack) BuildSet(sink, set, folders);
  }
}

}  // namespace ostrel::packgen
