// The verdict window (TFormEndGame) after the last game of a cycle of 25: the cycle result,
// the place among the ten best and the title it brings, in the purple design or one of the
// gray ones. The purple design and the headers of two gray ones come from the graphics pack;
// without it the window falls back and says what the settings must become.
#pragma once

#include <QDialog>
#include <QPainter>
#include <QString>
#include <cstdint>
#include <optional>
#include <vector>

#include "packs/pack_picture.h"
#include "table/purple_design.h"

class QLabel;
class QTimer;

namespace ostrel {

struct VerdictInput {
  int place = 0;  // 1..10, 0 outside the list; above 10 with rated games
  std::int32_t result = 0;
  int account_mode = 1;  // 1 no account, 2 signed in, 3 rated games
  bool multiplayer = false;
  int design = 2;       // 1 "Gray concise", 2 "Gray aristocratic", 3 "Gray with red ribbons"
  bool purple = false;  // the purple design, before the gray one
  bool gif_animation = true;
  PackFolders packs;  // where the graphics pack is looked for; no folders: no pack
};

// What the window's choice of design asks of its caller, known once the window is made.
struct VerdictDesignOutcome {
  std::optional<QString> message;     // to show before the verdict ("Can`t find the file ...")
  bool settings_to_design_2 = false;  // AuxDesignPurple off and AuxDesign 2
};

struct VerdictLine {
  QString text;
  int height = 20;           // pixels
  std::uint32_t colour = 0;  // $BBGGRR
  int row = 0;               // y on the text picture
};

// How a design lays out the verdict's lines.
struct VerdictStyle {
  int rows[5];                     // R1..R5; the verdicts use the first four
  int x0;                          // the lines are centred between x0 and 400
  int title_height;                // "You become ..." of the best
  int regret_height;               // "Your result keeps to wish best" and "You have not hitted ..."
  std::uint32_t best, ten, other;  // the other lines by the place, $BBGGRR
  std::uint32_t result_ten, result_other;  // the result line, for a place in the ten or not
};
const VerdictStyle& VerdictStyleOf(bool purple);

// The four lines of the verdict (three when there is no title line) in the style of the
// design (`in.purple`), texts translated by `tr`, which takes the English phrase.
using Translate = QString (*)(const char* english);
std::vector<VerdictLine> VerdictLines(const VerdictInput& in, Translate tr);
// The sound that goes with the verdict.
const char* VerdictSound(int place, int account_mode);
// The verdict animation of the place.
const char* VerdictAnimation(int place);
// The club emblem of the purple design in the graphics pack; null when the game has none.
const char* ClubEmblem(int account_mode, bool multiplayer);
// Whether the place earns a medal on the window.
inline bool HasMedal(int place) {
  return place >= 1 && place <= 10;
}

class TFormEndGame : public QDialog {
  Q_OBJECT
 public:
  TFormEndGame(const VerdictInput& in, QWidget* parent = nullptr, Translate tr = nullptr);
  const std::vector<VerdictLine>& Lines() const { return lines_; }
  const VerdictDesignOutcome& Outcome() const { return outcome_; }
  bool Purple() const { return purple_.has_value(); }
  int Design() const { return in_.design; }  // the gray design, when not purple
  // The frame of the window star the purple design shows now, 0..19.
  int IconFrame() const { return icon_frame_; }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void ChooseDesign();
  void BuildGray();
  void BuildPurple();
  QLabel* AddPicture(const char* name, const QRect& place, const QPixmap& picture);
  void AddVerdict(QPoint at);
  void AddEmblem();
  void AddOkButton(const QRect& place);
  void NextIconFrame();
  QPixmap TextPicture() const;
  QPixmap PurpleTextPicture() const;
  QPixmap PurplePlacePicture() const;
  QPixmap Header() const;
  QPixmap VerdictPicture() const;
  void DrawOwnScroll(QPainter& p) const;
  void DrawLines(QPainter& p) const;
  void DrawMedal(QPainter& p) const;

  VerdictInput in_;
  Translate tr_;
  std::vector<VerdictLine> lines_;
  VerdictDesignOutcome outcome_;
  QImage pack_header_;  // the gray designs' header out of the pack; null without it
  std::optional<PurplePictures> purple_;
  QPixmap backdrop_;  // the purple background at the window's size
  int icon_frame_ = 0;
  QTimer* icon_timer_ = nullptr;
};

}  // namespace ostrel
