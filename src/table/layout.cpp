#include "table/layout.h"

#include <algorithm>
#include <cmath>

namespace ostrel {

int RoundEven(double v) {
  return static_cast<int>(std::nearbyint(v));
}

TableScale ScaleForWindowSize(int window_size, int screen_w, int screen_h) {
  TableScale t;
  double f = 1.0;
  switch (window_size) {
    case 2:
      t.client_w = std::max(screen_w, 1);
      t.client_h = std::max(screen_h, 1);
      t.sx = static_cast<double>(t.client_w) / kDesignWidth;
      t.sy = static_cast<double>(t.client_h) / kDesignHeight;
      t.s = std::min(t.sx, t.sy);
      return t;
    case 3:
      f = 1.3;
      t.client_w = 990;
      t.client_h = 650;
      break;
    case 4:
      f = 1.7;
      t.client_w = 1290;
      t.client_h = 850;
      break;
    case 5:
      f = 2.0;
      t.client_w = 1520;
      t.client_h = 1000;
      break;
    default:
      t.client_w = kDesignWidth;
      t.client_h = kDesignHeight;
      break;
  }
  t.sx = t.sy = t.s = f;
  return t;
}

int Scale(const TableScale& t, double v) {
  return RoundEven(v * t.s);
}

int PlaceX(const TableScale& t, double x, double w) {
  return RoundEven(t.sx * x) + RoundEven((t.sx - t.s) * w / 2);
}

int PlaceY(const TableScale& t, double y, double h) {
  return RoundEven(t.sy * y) + RoundEven((t.sy - t.s) * h / 2);
}

CardSize CardSizeFor(const TableScale& t, bool narrow) {
  const int base_w = narrow ? 61 : 71;
  if (t.s < 1.3) return {base_w, 96};
  if (t.s >= 2.0) return {narrow ? 126 : 146, 198};
  return {RoundEven(t.s * base_w), RoundEven(t.s * 96)};
}

std::vector<int> LayOutHand(int hand_w, int n, int card_w) {
  std::vector<int> x(static_cast<std::size_t>(std::max(n, 0)) + 1, 0);
  if (n <= 0) return x;
  const int pitch = card_w + 3;
  if (pitch <= static_cast<double>(hand_w) / n) {
    for (int i = 1; i <= n; ++i) {
      x[i] = RoundEven(hand_w / 2.0 - pitch * n / 2.0 + (i - 1) * pitch);
    }
    return x;
  }
  const int step = n > 1 ? (hand_w - pitch) / (n - 1) : 0;
  for (int i = 1; i <= n; ++i) x[i] = (i - 1) * step;
  return x;
}

namespace {

Rect Element(const TableScale& t, int x, int y, int w, int h) {
  return {PlaceX(t, x, w), PlaceY(t, y, h), Scale(t, w), Scale(t, h)};
}

}  // namespace

TableLayout MakeTableLayout(const TableScale& t, bool narrow_cards) {
  TableLayout l;
  l.scale = t;
  l.card = CardSizeFor(t, narrow_cards);
  const int hands[5][3] = {
      {0, 0, 0}, {10, 178, 190}, {215, 8, 330}, {560, 178, 190}, {215, 395, 330}};
  for (int seat = 1; seat <= 4; ++seat) {
    const auto [x, y, w] = hands[seat];
    l.hand[seat] = {PlaceX(t, x, w), PlaceY(t, y, 96), Scale(t, w), l.card.h};
  }
  const int labels[5][2] = {{0, 0}, {25, 278}, {299, 108}, {575, 278}, {299, 372}};
  for (int seat = 1; seat <= 4; ++seat) {
    l.label[seat] = Element(t, labels[seat][0], labels[seat][1], 160, 20);
  }
  l.tab[1] = Element(t, 28, 80, 155, 95);
  l.tab[2] = Element(t, 28, 301, 155, 95);
  l.deck = Element(t, 330, 160, 100, 170);
  l.trick = Element(t, 215, 150, 330, 200);
  l.panel = Element(t, 590, 10, 120, 150);
  l.memo = Element(t, 590, 373, 130, 90);
  l.button7 = {RoundEven(t.sx * 566), RoundEven(t.sy * 305), RoundEven(t.sx * 180), Scale(t, 30)};
  l.button8 = {RoundEven(t.sx * 566), RoundEven(t.sy * 305 + t.sy * 30), RoundEven(t.sx * 180),
               Scale(t, 30)};
  const int narrow_offset = (narrow_cards && t.s >= 1.3) ? 5 : 0;
  const int places[5][2] = {{0, 0}, {40, 52}, {114, 0}, {188, 52}, {114, 104}};
  for (int seat = 1; seat <= 4; ++seat) {
    l.trick_place[seat] = {Scale(t, places[seat][0] + narrow_offset), Scale(t, places[seat][1]),
                           l.card.w, l.card.h};
  }
  for (int i = 1; i <= 9; ++i) {
    l.shown_place[i] = {Scale(t, (i - 1) * 36 + narrow_offset), Scale(t, 47), l.card.w, l.card.h};
  }
  return l;
}

}  // namespace ostrel
