// The card table: hands, speech labels, score tabs, deck, trick area and score panel, drawn
// into one cached picture of the client area. Flying cards are sprites over that picture;
// each step repaints only the rectangle the sprite left and entered.
#pragma once

#include <QPixmap>
#include <QWidget>
#include <vector>

#include "game/game_record.h"
#include "table/card_painter.h"
#include "table/fonts.h"
#include "table/layout.h"
#include "table/move_timer.h"
#include "table/score_board.h"

namespace ostrel {

struct HandView {
  HandCards cards{};
  int count = 0;
  bool face_up = false;
};

struct DeckView {
  int cards_left = 0;
  CardCode turned_up = kEmptyCard;
  bool freza = false;
  CardCode under = kEmptyCard;
};

// The trick taken last, kept so the player can look at it again; `showing` puts it in the
// trick area in place of the cards lying there.
struct LastTrickView {
  Array1<CardCode, kSeats> cards{};  // by the seat that played it
  int winner = 0;                    // the seat that took it; 0 while no trick was taken
  bool showing = false;
  QString caption;  // "Previous trick"
  QString hint;     // the trick area's hint: the caption and the key that shows it
};

// Who won the game, said in words over the table once the game is summed up.
struct GameResultView {
  bool shown = false;
  int outcome = 0;  // 1 the player's partnership won, -1 the other one, 0 a draw
  QString verdict;  // "We have won the game!", ...
  QString scores;   // "We 512 : 440 They"
};

struct TableState {
  Array1<HandView, kSeats> hands{};
  DeckView deck;
  Array1<CardCode, kSeats> trick{};  // by the seat that played it
  Array1<CardCode, 9> shown{};
  int shown_count = 0;
  Array1<LabelView, kSeats> labels{};
  Array1<TabView, 2> tabs{};
  PanelView panel;
  int chosen = 0;            // seat 4's card chosen with the keys, 0 for none
  MoveTimerView move_timer;  // a tournament seat's countdown
  LastTrickView last_trick;
  GameResultView result;
};

struct Sprite {
  QPixmap pixmap;
  QPoint pos;
};

class TableView : public QWidget {
  Q_OBJECT
 public:
  explicit TableView(QWidget* parent = nullptr);

  void SetLayout(const TableLayout& layout);
  const TableLayout& Layout() const { return layout_; }
  void SetFonts(const FontRoles& fonts);
  void SetClothColour(int variant);
  // The background picture, stretched to the table; a null picture leaves the woven cloth of
  // the chosen colour.
  void SetBackground(const QImage& background);
  void SetBackVariant(int variant);
  void SetCardPictures(std::shared_ptr<const CardPictures> pictures);
  void SetRoundWord(const QString& word);
  // The balloon over the score panel: its title and lines; no lines, no balloon. It opens
  // when the mouse enters the panel, for five seconds, and closes when the mouse leaves.
  void SetPanelBalloon(const QString& title, const QStringList& lines);
  // The panel's plain hint, shown until the first balloon has opened.
  void SetPanelHint(const QString& hint);
  // The text of the balloon as it shows (rich text), empty when there is none.
  const QString& PanelBalloon() const { return balloon_; }
  bool PanelBalloonOpened() const { return balloon_opened_; }

  TableState& State() { return state_; }
  const TableState& State() const { return state_; }
  // Call after changing the state: the cached picture is drawn again at the next paint.
  void StateChanged();

  // Window coordinates of the card places the flights start from and land on.
  QPoint HandCardPos(int seat, int position, int count) const;
  QPoint TrickPos(int seat) const;
  QPoint ShownPos(int index) const;
  QPoint DeckPos() const;
  QPoint OutsideBeside(int seat) const;
  QPixmap CardPixmap(CardCode card, bool face_up, bool side = false);

  // The hand position of seat 4 under a point, 0 for none (later cards lie on top).
  int HandPositionAt(QPoint p) const;
  bool IsOverPlayArea(QPoint p) const;

  void SetSprites(std::vector<Sprite> sprites, int margin);
  void ClearSprites();
  // The whole table as it is on the screen, sprites included.
  QImage Snapshot();

 signals:
  void CardClicked(int position);
  void CardRightClicked(QPoint pos);
  // A left press on the trick area (where no card of the hand lies).
  void TrickAreaClicked();

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void leaveEvent(QEvent* event) override;
  bool event(QEvent* event) override;

 private:
  void RebuildScene();
  void RebuildCloth();
  void PointerAt(QPoint pos);
  void PaintHand(QPainter& p, int seat);
  void PaintDeck(QPainter& p);
  void PaintTrick(QPainter& p);
  void PaintLastTrick(QPainter& p);
  void PaintGameResult(QPainter& p);
  QRect SpriteBounds(int margin) const;

  TableLayout layout_;
  FontRoles fonts_;
  CardPainter cards_;
  TableState state_;
  QPixmap cloth_;
  QImage background_;
  QPixmap scene_;
  bool dirty_ = true;
  int cloth_variant_ = 0;
  QString round_word_ = QStringLiteral("Round:");
  QString balloon_;
  QString hint_;
  bool over_panel_ = false;
  bool balloon_opened_ = false;
  std::vector<Sprite> sprites_;
  int sprite_margin_ = 2;
};

}  // namespace ostrel
