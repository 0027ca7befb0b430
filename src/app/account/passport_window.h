// The passport window (TFormServerInfo): the local identity of the world top ten and the chat
// (nick, country, city, sex), kept in the settings. It closes only while nick and city pass.
#pragma once

#include <QDialog>

#include "storage/settings.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrel {

class CountryBox;

class PassportWindow : public QDialog {
  Q_OBJECT
 public:
  PassportWindow(Settings& settings, QWidget* parent = nullptr);

  QLineEdit* NickEdit() { return nick_; }
  QLineEdit* CityEdit() { return city_; }
  CountryBox* Countries() { return country_; }
  QComboBox* SexBox() { return sex_; }
  QPushButton* OkButton() { return ok_; }
  QLabel* NickLamp() { return nick_lamp_; }
  QLabel* CityLamp() { return city_lamp_; }

  void done(int result) override;

 private:
  bool Passes() const;
  void Edited(bool nick);

  Settings& settings_;
  QLineEdit* nick_;
  QLineEdit* city_;
  CountryBox* country_;
  QComboBox* sex_;
  QLabel* nick_lamp_;
  QLabel* city_lamp_;
  QPushButton* ok_;
};

}  // namespace ostrel
