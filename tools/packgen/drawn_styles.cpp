// The drawn designs, one per face set that no free deck covers.
#include <map>

#include "tools/packgen/drawn_style.h"

namespace ostrel::packgen {

namespace {

#define LATIN \
  { "6", "7", "8", "9", "10", "J", "Q", "K", "A" }
#define CYRILLIC \
  { "6", "7", "8", "9", "10", "В", "Д", "К", "Т" }
#define SPANISH \
  { "6", "7", "8", "9", "10", "S", "C", "R", "1" }

const QColor kRed(196, 28, 40), kBlack(28, 28, 34);

const std::map<int, DrawnStyle>& Styles() {
  static const std::map<int, DrawnStyle> styles = {
      {11,  // Native Americans: earth colours and a zigzag band
       {QColor(246, 234, 206),
        QColor(226, 204, 162),
        QColor(150, 70, 40),
        {QColor(176, 58, 32), QColor(200, 110, 30), QColor(30, 96, 104), QColor(48, 40, 36)},
        QColor(34, 128, 132),
        QColor(184, 86, 44),
        QColor(232, 190, 90),
        Pips::kFrench,
        Frame::kZigzag,
        Corner::kPlain,
        LATIN,
        1}},
      {12,  // Old Garden Roses: blush paper, roses in the frame's corners
       {QColor(255, 248, 248),
        QColor(244, 222, 226),
        QColor(150, 90, 110),
        {QColor(192, 36, 84), QColor(214, 84, 120), QColor(52, 92, 60), QColor(44, 50, 58)},
        QColor(198, 120, 150),
        QColor(120, 160, 110),
        QColor(226, 196, 120),
        Pips::kFrench,
        Frame::kRoses,
        Corner::kPlain,
        LATIN,
        2}},
      {16,  // Big Ben: navy and scarlet, a clean double rule
       {QColor(255, 255, 252),
        QColor(236, 236, 230),
        QColor(24, 34, 80),
        {QColor(200, 24, 36), QColor(200, 24, 36), QColor(20, 28, 60), QColor(20, 28, 60)},
        QColor(28, 44, 110),
        QColor(200, 30, 40),
        QColor(220, 180, 70),
        Pips::kFrench,
        Frame::kDouble,
        Corner::kLarge,
        LATIN,
        13}},
      {21,  // Seasons: a colour per suit, spring, summer, autumn and winter
       {QColor(255, 255, 250),
        QColor(236, 240, 232),
        QColor(90, 100, 90),
        {QColor(214, 40, 60), QColor(230, 130, 20), QColor(40, 140, 60), QColor(40, 90, 180)},
        QColor(60, 150, 90),
        QColor(240, 170, 60),
        QColor(230, 200, 90),
        Pips::kFrench,
        Frame::kLine,
        Corner::kPlain,
        LATIN,
        14}},
      {24,  // Doods: bright and playful, no frame
       {QColor(255, 255, 255),
        QColor(250, 244, 255),
        QColor(120, 60, 160),
        {QColor(236, 50, 90), QColor(250, 140, 20), QColor(30, 150, 190), QColor(90, 50, 170)},
        QColor(250, 190, 40),
        QColor(60, 190, 170),
        QColor(236, 50, 90),
        Pips::kFrench,
        Frame::kNone,
        Corner::kBoxed,
        LATIN,
        15}},
      {26,  // Epic: bronze and dark gold, art deco rays
       {QColor(250, 242, 222),
        QColor(226, 206, 164),
        QColor(90, 60, 20),
        {QColor(160, 30, 30), QColor(160, 30, 30), QColor(40, 34, 28), QColor(40, 34, 28)},
        QColor(70, 50, 30),
        QColor(170, 120, 50),
        QColor(210, 170, 80),
        Pips::kFrench,
        Frame::kDeco,
        Corner::kLarge,
        LATIN,
        16}},
      {25,  // Playboy: black and pink, art deco
       {QColor(255, 250, 252),
        QColor(240, 228, 236),
        QColor(30, 24, 30),
        {QColor(222, 40, 120), QColor(222, 40, 120), kBlack, kBlack},
        QColor(30, 26, 34),
        QColor(236, 120, 170),
        QColor(218, 184, 110),
        Pips::kFrench,
        Frame::kDeco,
        Corner::kBoxed,
        LATIN,
        3}},
      {27,  // USSR: red and gold with stars
       {QColor(252, 246, 232),
        QColor(236, 222, 196),
        QColor(150, 20, 20),
        {QColor(200, 20, 24), QColor(200, 20, 24), kBlack, kBlack},
        QColor(186, 24, 28),
        QColor(90, 90, 96),
        QColor(232, 186, 60),
        Pips::kFrench,
        Frame::kStars,
        Corner::kBoxed,
        CYRILLIC,
        4}},
      {32,  // White palekh: white paper, gold and black lacquer trim
       {QColor(255, 255, 255),
        QColor(242, 240, 236),
        QColor(40, 34, 30),
        {QColor(190, 24, 30), QColor(190, 24, 30), QColor(30, 30, 30), QColor(30, 30, 30)},
        QColor(30, 30, 36),
        QColor(200, 40, 40),
        QColor(214, 172, 70),
        Pips::kFrench,
        Frame::kDouble,
        Corner::kPlain,
        CYRILLIC,
        5}},
      {38,  // Maya: jade and terracotta, stepped corners
       {QColor(240, 236, 214),
        QColor(214, 204, 170),
        QColor(40, 110, 96),
        {QColor(186, 70, 40), QColor(210, 120, 40), QColor(30, 120, 100), QColor(40, 52, 60)},
        QColor(40, 140, 120),
        QColor(190, 96, 56),
        QColor(226, 190, 80),
        Pips::kFrench,
        Frame::kSteps,
        Corner::kBoxed,
        LATIN,
        6}},
      {39,  // Bast: the folk print on fibrous paper, bold inks
       {QColor(238, 222, 184),
        QColor(212, 186, 136),
        QColor(92, 60, 30),
        {QColor(200, 40, 30), QColor(200, 40, 30), QColor(36, 30, 24), QColor(36, 30, 24)},
        QColor(40, 80, 150),
        QColor(206, 150, 40),
        QColor(200, 40, 30),
        Pips::kFrench,
        Frame::kDouble,
        Corner::kLarge,
        CYRILLIC,
        7}},
      {41,  // Spanish 1: the classic Spanish suits in a blue frame
       {QColor(255, 253, 246),
        QColor(238, 232, 214),
        QColor(30, 60, 140),
        {QColor(196, 30, 40), QColor(196, 30, 40), QColor(120, 80, 40), QColor(60, 90, 150)},
        QColor(196, 40, 40),
        QColor(40, 80, 160),
        QColor(226, 180, 60),
        Pips::kSpanish,
        Frame::kLine,
        Corner::kPlain,
        SPANISH,
        8}},
      {42,  // Spanish 2: cream and green
       {QColor(250, 246, 228),
        QColor(232, 222, 190),
        QColor(30, 110, 60),
        {QColor(170, 30, 40), QColor(190, 120, 20), QColor(46, 120, 50), QColor(50, 70, 120)},
        QColor(40, 120, 70),
        QColor(220, 170, 60),
        QColor(180, 40, 40),
        Pips::kSpanish,
        Frame::kDouble,
        Corner::kLarge,
        SPANISH,
        9}},
      {43,  // Spanish 3: plain white, four inks, no frame
       {QColor(255, 255, 255),
        QColor(246, 246, 246),
        QColor(80, 80, 80),
        {QColor(210, 30, 50), QColor(230, 150, 0), QColor(0, 140, 70), QColor(20, 90, 200)},
        QColor(20, 90, 200),
        QColor(230, 150, 0),
        QColor(210, 30, 50),
        Pips::kSpanish,
        Frame::kNone,
        Corner::kBoxed,
        SPANISH,
        10}},
      {44,  // Spanish 4: parchment and a Greek key frame
       {QColor(246, 232, 200),
        QColor(222, 198, 150),
        QColor(110, 60, 30),
        {QColor(150, 30, 30), QColor(170, 110, 20), QColor(100, 70, 40), QColor(60, 60, 90)},
        QColor(130, 40, 50),
        QColor(70, 90, 60),
        QColor(200, 160, 70),
        Pips::kSpanish,
        Frame::kFret,
        Corner::kPlain,
        SPANISH,
        11}},
      {45,  // Chinese: red and gold with a fret border
       {QColor(255, 246, 226),
        QColor(246, 220, 180),
        QColor(170, 20, 20),
        {QColor(206, 20, 20), QColor(206, 20, 20), QColor(30, 30, 30), QColor(30, 30, 30)},
        QColor(196, 20, 24),
        QColor(30, 40, 90),
        QColor(232, 180, 40),
        Pips::kFrench,
        Frame::kFret,
        Corner::kBoxed,
        LATIN,
        12}},
  };
  return styles;
}

}  // namespace

const DrawnStyle* DrawnStyleOf(int set) {
  auto it = Styles().find(set);
  return it == Styles().end() ? nullptr : &it->second;
}

}  // namespace ostrel::packgen
