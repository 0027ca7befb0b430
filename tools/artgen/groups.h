// The groups of pictures; each draws its pictures into the sink.
#pragma once

#include <QString>

#include "sink.h"

namespace ostrel::artgen {

// Card faces of set 0 from the free SVG deck; false when the deck is unusable.
bool DrawCardFaces(Sink& sink, const QString& deck_file, QString* error);
void DrawSuitSymbols(Sink& sink);
void DrawCardBacks(Sink& sink);
void DrawTableArt(Sink& sink);
void DrawTablePieces(Sink& sink);
void DrawControls(Sink& sink);
void DrawVerdictArt(Sink& sink);
void DrawAnimations(Sink& sink);
void DrawMenuExtras(Sink& sink);
void DrawAccountArt(Sink& sink);
bool DrawTitles(Sink& sink, const QString& deck_file, QString* error);

}  // namespace ostrel::artgen
