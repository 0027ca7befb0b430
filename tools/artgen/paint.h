// Shared drawing vocabulary of the program's pictures: one palette, the four
// type faces, suit and star outlines and the gold trim of frames and labels.
#pragma once

#include <QColor>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRectF>
#include <QString>

#include "paint_basics.h"

namespace ostrel::artgen {

// Palette: green baize, gold trim, cream paper, deep red and ink.
namespace colour {
inline const QColor kBaizeDeep{8, 46, 26};
inline const QColor kBaize{18, 92, 50};
inline const QColor kBaizeLight{38, 128, 70};
inline const QColor kGoldDark{122, 88, 24};
inline const QColor kGold{212, 172, 64};
inline const QColor kGoldLight{250, 226, 150};
inline const QColor kCream{250, 243, 222};
inline const QColor kParchment{236, 219, 178};
inline const QColor kWine{128, 18, 34};
inline const QColor kRed{196, 24, 36};
inline const QColor kInk{24, 22, 28};
}  // namespace colour

// kFigures: a serif with lining figures, for numbers (the book face has old-style ones).
enum class Face { kSerif, kFigures, kCjk };

// Registers the font files; false with a message when one is missing.
bool LoadFaces(QString* error);
QFont MakeFont(Face face, double pixel_size);

enum class Suit { kHearts, kDiamonds, kClubs, kSpades };
inline bool IsRed(Suit s) {
  return s == Suit::kHearts || s == Suit::kDiamonds;
}

// Outlines fitted into the box (suit outlines keep their proportions).
QPainterPath SuitPath(Suit suit, const QRectF& box);
QPainterPath StarPath(QPointF centre, double outer, double inner, int points = 5);

// A transparent ARGB canvas and a painter with smooth drawing switched on.
using art::Canvas;
using art::Frames;
using art::Smooth;

QLinearGradient GoldGradient(QPointF from, QPointF to);
QLinearGradient Vertical(const QRectF& r, QColor top, QColor bottom);
QColor Mix(QColor a, QColor b, double t);

// A rounded plate with a gold rim of the given width.
void GoldRim(QPainter& p, const QRectF& r, double radius, double width);
// A suit symbol with a soft gradient and a fine darker edge.
void PaintSuit(QPainter& p, Suit suit, const QRectF& box, bool gloss = true);
// Text centred in the box, drawn with an outline and a drop shadow.
void FancyText(QPainter& p, const QRectF& box, const QString& text, const QFont& font,
               const QBrush& fill, QColor outline, double outline_width, QColor shadow);
// A gloved hand pointing up, fitted into the box (drawn in a 40 x 60 design).
void PaintHandUp(QPainter& p, const QRectF& box, QColor light, QColor shade);
// Largest pixel size <= start at which the text fits into the width.
double FitFont(Face face, const QString& text, double start, double width);

}  // namespace ostrel::artgen
