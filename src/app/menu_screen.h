// The main menu: the champions of the club (Button1 to Button5), "New Player" and the other
// choices, over the program's own backdrop.
#pragma once

#include <QStringList>
#include <QWidget>
#include <array>

#include "table/card_painter.h"
#include "table/cards_button.h"
#include "table/layout.h"

namespace ostrel {

class MenuScreen : public QWidget {
  Q_OBJECT
 public:
  explicit MenuScreen(QWidget* parent = nullptr);

  void SetTableScale(const TableScale& scale);
  // The purple design's menu background; a null picture keeps the program's own menu.
  void SetBackground(const QImage& background);
  // Five rows of the champions table; an empty text is an empty place.
  void SetChampions(const QString& header, const QStringList& rows);
  // The fifth row shows the signed-in account's line, in red, until the next SetChampions.
  void SetAccountLine(const QString& line);
  void Retranslate();
  void Animate();
  // The language part of the title pictures ("Eng", "Rus", ...).
  void SetPictureSuffix(const QString& suffix);
  // With the network club the champions table has the network title.
  void SetNetworkClub(bool network);

  QAbstractButton* ClubButton(int seat) { return club_[seat]; }
  TTarvoCardsButton* NewPlayerButton() { return new_player_; }

 signals:
  void ClubPlayerChosen(int seat);
  void NewPlayerChosen();
  void TopTenChosen();
  void OptionsChosen();
  void HistoryChosen();
  void ModeChosen();
  void ExitChosen();

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  void Relayout();
  TTarvoCardsButton* MakeButton(const char* name, SkinColour colour);

  TableScale scale_;
  CardPainter cards_;
  QPixmap cloth_;
  QImage background_;
  QRect panel_;
  QString header_;
  QString suffix_ = QStringLiteral("Eng");
  bool network_ = false;
  std::array<QAbstractButton*, 6> club_{};
  TTarvoCardsButton* new_player_;
  TTarvoCardsButton* top_ten_;
  TTarvoCardsButton* options_;
  TTarvoCardsButton* history_;
  TTarvoCardsButton* mode_;
  TTarvoCardsButton* exit_;
  int frame_ = 0;
};

}  // namespace ostrel
