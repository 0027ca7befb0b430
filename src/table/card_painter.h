// The program's own card faces, backs and table cloth, drawn with QPainter at the size the
// table asks for, so that every window size gets sharp cards without any picture file.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPixmap>
#include <QSize>
#include <memory>
#include <vector>

#include "game/cards.h"

namespace ostrel {

struct CardPictures;

// Hearts and diamonds are red, clubs and spades black.
QColor SuitColour(int suit_number);
// The suit sign as text: hearts, diamonds, clubs, spades for 1..4.
QString SuitSign(int suit_number);
// "7" ... "10", "J", "Q", "K", "A"; empty for no card.
QString RankText(CardCode card);

class CardPainter {
 public:
  // A face (or the back for the empty card / face_up off) of the given size, cached. The
  // players at the sides have backs of their own.
  const QPixmap& Card(CardCode card, bool face_up, QSize size, bool side = false);
  // The cloth of the table for a colour variant 0..6, the size of the client area.
  QPixmap Cloth(QSize size, int colour_variant) const;
  // The picture of the deal's back: 1 to 7 (one per weekday) or 1 to 10 for a group.
  void SetBackVariant(int v);
  // The faces and backs of the chosen sets; without them the program's own pictures and,
  // failing those, the drawn cards.
  void SetPictures(std::shared_ptr<const CardPictures> pictures);

 private:
  QPixmap DrawFace(CardCode card, QSize size) const;
  QPixmap DrawBack(QSize size) const;
  QPixmap PictureCard(CardCode card, bool back, bool side, QSize size) const;

  struct Entry {
    int key;
    QSize size;
    QPixmap pixmap;
  };
  std::vector<Entry> cache_;
  int back_variant_ = 1;
  std::shared_ptr<const CardPictures> pictures_;
};

// Draws a suit sign centred at (cx, cy) with the given pixel height.
void DrawSuitSign(QPainter& p, int suit_number, double cx, double cy, double height,
                  bool upside_down = false);

}  // namespace ostrel
