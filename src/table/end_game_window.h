// The verdict window (TFormEndGame) after the last game of a cycle of 25: the cycle result,
// the place among the ten best and the title it brings, in one of the gray designs.
#pragma once

#include <QDialog>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <vector>

namespace ostrel {

struct VerdictInput {
  int place = 0;  // 1..10, 0 outside the list; above 10 with rated games
  std::int32_t result = 0;
  int account_mode = 1;  // 1 no account, 2 signed in, 3 rated games
  bool multiplayer = false;
  int design = 2;  // 1 "Gray concise", 2 "Gray aristocratic", 3 "Gray with red ribbons"
  bool gif_animation = true;
};

struct VerdictLine {
  QString text;
  int height = 20;           // pixels
  std::uint32_t colour = 0;  // $BBGGRR
  int row = 0;               // y on the text picture
};

// The four lines of the verdict (three when there is no title line), texts translated by
// `tr`, which takes the English phrase.
using Translate = QString (*)(const char* english);
std::vector<VerdictLine> VerdictLines(const VerdictInput& in, Translate tr);
// The sound that goes with the verdict.
const char* VerdictSound(int place, int account_mode);
// The verdict animation of the place.
const char* VerdictAnimation(int place);
// Whether the place earns a medal on the window.
inline bool HasMedal(int place) {
  return place >= 1 && place <= 10;
}

class TFormEndGame : public QDialog {
  Q_OBJECT
 public:
  TFormEndGame(const VerdictInput& in, QWidget* parent = nullptr, Translate tr = nullptr);
  const std::vector<VerdictLine>& Lines() const { return lines_; }

 private:
  QPixmap TextPicture() const;
  QPixmap Header() const;
  QPixmap VerdictPicture() const;
  void DrawOwnScroll(QPainter& p) const;
  void DrawLines(QPainter& p) const;
  void DrawMedal(QPainter& p) const;

  VerdictInput in_;
  Translate tr_;
  std::vector<VerdictLine> lines_;
};

}  // namespace ostrel
