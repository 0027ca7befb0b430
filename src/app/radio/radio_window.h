// The radio window (TFormRadio): the radio set as a switch, the station's logo in its frame,
// the country list and the station list with flags, the volume buttons and scale. Four looks:
// the three gray designs and the purple one, as the options choose; without the graphics pack
// the purple and first gray designs fall back to the second gray one and say so.
#pragma once

#include <QDialog>
#include <QImage>
#include <optional>

#include "table/fonts.h"

class QComboBox;
class QLabel;
class QPushButton;

namespace ostrel {

class RadioService;
class TTarvoCardsButton;

struct RadioWindowLook {
  int design = 2;       // 1 "Gray concise", 2 "Gray aristocratic", 3 "Gray with red ribbons"
  bool purple = false;  // the purple design, before the gray one
  bool new_buttons = false;
  FontRoles fonts;
};

class TFormRadio : public QDialog {
  Q_OBJECT
 public:
  TFormRadio(RadioService& radio, RadioWindowLook look, QWidget* parent = nullptr);

  // A message to show because the graphics pack is missing ("Can`t find the file ..."), and
  // whether the settings must turn to the second gray design.
  const std::optional<QString>& PackMessage() const { return pack_message_; }
  bool FellBackToDesign2() const { return fell_back_; }
  // The design the window shows: 0 purple, else 1..3.
  int ShownDesign() const { return purple_ ? 0 : look_.design; }

  QComboBox* Countries() const { return countries_; }
  QComboBox* Stations() const { return stations_; }

 signals:
  // The radio was switched here: the main menu's control follows.
  void Switched();

 protected:
  void paintEvent(QPaintEvent* event) override;
  bool eventFilter(QObject* watched, QEvent* event) override;

 private:
  void ChooseDesign();
  void Layout();
  void FillCountries();
  void FillStations();
  void DrawPanel();
  void DrawSwitch();
  QImage Header() const;
  QImage Background(const QRect& place) const;

  RadioService& radio_;
  RadioWindowLook look_;
  bool purple_ = false;
  bool fell_back_ = false;
  std::optional<QString> pack_message_;
  QImage form_;      // "GFormRadio", the purple background
  QImage on_, off_;  // "RRADIO_MAING", "RRADIO_MAINR"
  QLabel* image0_;
  QLabel* image1_;
  QLabel* image2_;
  QLabel* image3_;
  QComboBox* countries_;
  QComboBox* stations_;
  TTarvoCardsButton* minus_;
  TTarvoCardsButton* plus_;
  TTarvoCardsButton* ok_;
  bool filling_ = false;
};

}  // namespace ostrel
