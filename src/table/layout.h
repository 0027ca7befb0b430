// Where every picture of the table stands. The table is designed for 760 x 500 units; the
// window size stretches it, and an element keeps its proportions while it sits in the middle
// of its stretched slot.
#pragma once

#include <array>
#include <vector>

namespace ostrel {

struct Rect {
  int x = 0;
  int y = 0;
  int w = 0;
  int h = 0;
  int Right() const { return x + w; }
  int Bottom() const { return y + h; }
  bool Contains(int px, int py) const { return px >= x && px < x + w && py >= y && py < y + h; }
  bool operator==(const Rect&) const = default;
};

struct TableScale {
  double sx = 1.0;
  double sy = 1.0;
  double s = 1.0;
  int client_w = 760;
  int client_h = 500;
};

inline constexpr int kDesignWidth = 760;
inline constexpr int kDesignHeight = 500;

// Window size option 1..5; the full screen (2) needs the screen's size.
TableScale ScaleForWindowSize(int window_size, int screen_w, int screen_h);

// Halves go to the even neighbour, as everywhere in the drawing.
int RoundEven(double v);

int Scale(const TableScale& t, double v);
int PlaceX(const TableScale& t, double x, double w);
int PlaceY(const TableScale& t, double y, double h);

struct CardSize {
  int w = 71;
  int h = 96;
};
// Wide faces unless narrow is asked (face set 0 is always wide).
CardSize CardSizeFor(const TableScale& t, bool narrow = false);

// Left edges of n cards of width card_w in a hand picture of width hand_w, positions 1..n
// (element 0 unused).
std::vector<int> LayOutHand(int hand_w, int n, int card_w);

struct TableLayout {
  TableScale scale;
  CardSize card;
  std::array<Rect, 5> hand{};   // seats 1..4
  std::array<Rect, 5> label{};  // seats 1..4
  std::array<Rect, 3> tab{};    // teams 1..2
  Rect deck;
  Rect trick;
  Rect panel;
  Rect memo;
  Rect button7;
  Rect button8;
  // Places inside the trick area: seats 1..4, and the nine shown-combination places.
  std::array<Rect, 5> trick_place{};
  std::array<Rect, 10> shown_place{};
};

TableLayout MakeTableLayout(const TableScale& t, bool narrow_cards = false);

}  // namespace ostrel
