// The suit-choice window of the second bidding round: four suit buttons and "Pass". The
// rejected proposed suit cannot be named. It closes only through one of its buttons.
#pragma once

#include <QDialog>
#include <array>

class QPushButton;

namespace ostrel {

class TTarvoCardsButton;

class TFormMastDeb : public QDialog {
  Q_OBJECT
 public:
  // Texts: the title ("Choice trump"), the label ("Select trump:") and the pass button.
  TFormMastDeb(int disabled_suit, const QString& title, const QString& label, const QString& pass,
               QWidget* parent = nullptr);

  int ChosenSuit() const { return chosen_; }
  QPushButton* SuitButton(int suit) { return suits_[suit]; }
  TTarvoCardsButton* PassButton() { return pass_; }

 signals:
  void Chosen(int suit);

 protected:
  void closeEvent(QCloseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;

 private:
  void Choose(int suit);

  std::array<QPushButton*, 5> suits_{};
  TTarvoCardsButton* pass_;
  int chosen_ = 0;
  bool may_close_ = false;
};

}  // namespace ostrel
