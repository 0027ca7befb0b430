// The builder of the resource packs: every picture of a pack drawn or rendered from its
// sources, encoded and written into the pack file. One run builds one pack.
#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPainterPath>
#include <QString>
#include <string>

#include "packs/pack_writer.h"
#include "tools/artgen/paint_basics.h"

namespace ostrel::packgen {

// Collects encoded pictures; a failure to encode or add stops the run with a message.
class Sink {
 public:
  void Png(const std::string& name, const QImage& image);
  void Jpeg(const std::string& name, const QImage& image, int quality = 84);
  // Data already encoded (a GIF animation), stored as they are.
  void Raw(const std::string& name, PackKind kind, const QByteArray& bytes);
  bool Write(const std::string& path) const;
  std::size_t Count() const { return writer_.Count(); }

 private:
  void Add(const std::string& name, PackKind kind, const QImage& image, const char* format,
           int quality);
  PackWriter writer_;
};

[[noreturn]] void Die(const QString& message);

// Where the free card decks lie (the Debian packages' folders).
struct DeckFolders {
  QString kde;    // /usr/share/carddecks
  QString gnome;  // /usr/share/aisleriot/cards
};

void BuildFaces(Sink& sink, const char* pack, const DeckFolders& decks);
void BuildBacks(Sink& sink);
void BuildBackgrounds(Sink& sink);
void BuildGraphics(Sink& sink);
// The calendar: the month pictures, then the holiday emblems.
void BuildCalendar(Sink& sink);
void BuildCalendarMonths(Sink& sink);
// The logos of the stations in the station source file, and the radio window's pictures.
void BuildRadioLogos(Sink& sink, const QString& stations);
void BuildRadioPanel(Sink& sink);
// The spoken card names, "<name>.wav" in the folder, every card in every language.
void BuildVoice(Sink& sink, const QString& clip_folder);

// Drawing vocabulary shared by the pictures.
using art::Canvas;
using art::Smooth;
QColor Blend(QColor a, QColor b, double t);
// Suit 0 hearts, 1 diamonds, 2 clubs, 3 spades, fitted into the box keeping proportions.
QPainterPath FrenchSuit(int suit, const QRectF& box);
QPainterPath Star(QPointF centre, double outer, double inner, int points);
// The faces loaded once: serif (EB Garamond), figures (Liberation Serif Bold), sans (DejaVu).
enum class Face { kSerif, kFigures, kSans };
QFont Font(Face face, double pixels, bool bold = false);

}  // namespace ostrel::packgen
