#include "app/account/passport_window.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include "app/account/account_pictures.h"
#include "app/account/country_box.h"
#include "app/account/typing_validator.h"
#include "app/text.h"
#include "online/field_check.h"

namespace ostrel {

using online::CheckPassportField;
using online::FieldCheck;
using online::PassportField;

PassportWindow::PassportWindow(Settings& settings, QWidget* parent)
    : QDialog(parent), settings_(settings) {
  setObjectName(QStringLiteral("TFormServerInfo"));
  setWindowTitle(T("Passport"));
  auto* grid = new QGridLayout(this);
  const auto edit = [this](const std::string& text, int max) {
    auto* e = new QLineEdit(QString::fromStdString(text), this);
    e->setMaxLength(max);
    e->setValidator(new TypingValidator(online::PassportKeyAccepted, e));
    return e;
  };
  nick_ = edit(settings_.PassportNick, online::kNickMaxChars);
  city_ = edit(settings_.PassportCity, online::kCityMaxChars);
  country_ = new CountryBox(this);
  country_->SetCode(settings_.PassportCountry);
  sex_ = new QComboBox(this);
  sex_->addItems({T("Male"), T("Female")});
  sex_->setCurrentIndex(settings_.PassportSex == "W" ? 1 : 0);
  nick_lamp_ = new QLabel(this);
  city_lamp_ = new QLabel(this);
  const char* labels[4] = {"Nick", "Country", "City", "Sex"};
  QWidget* fields[4] = {nick_, country_, city_, sex_};
  for (int row = 0; row < 4; ++row) {
    grid->addWidget(new QLabel(T(labels[row]) + QStringLiteral(":"), this), row, 0);
    grid->addWidget(fields[row], row, 1);
  }
  grid->addWidget(nick_lamp_, 0, 2);
  grid->addWidget(city_lamp_, 2, 2);
  ok_ = new QPushButton(T("Ok"), this);
  grid->addWidget(ok_, 4, 1, 1, 2, Qt::AlignRight);
  grid->setColumnStretch(1, 1);

  connect(nick_, &QLineEdit::textEdited, this, [this] { Edited(true); });
  connect(city_, &QLineEdit::textEdited, this, [this] { Edited(false); });
  connect(country_, &CountryBox::Changed, this,
          [this](const std::string& code) { settings_.PassportCountry = code; });
  connect(sex_, &QComboBox::activated, this,
          [this](int index) { settings_.PassportSex = std::string(1, index == 1 ? 'W' : 'M'); });
  connect(ok_, &QPushButton::clicked, this, &QDialog::accept);
  nick_lamp_->setPixmap(
      LampPicture(CheckPassportField(nick_->text().toStdString(), PassportField::Nick)));
  city_lamp_->setPixmap(
      LampPicture(CheckPassportField(city_->text().toStdString(), PassportField::City)));
  ok_->setEnabled(Passes());
}

bool PassportWindow::Passes() const {
  return CheckPassportField(nick_->text().toStdString(), PassportField::Nick) !=
             FieldCheck::Invalid &&
         CheckPassportField(city_->text().toStdString(), PassportField::City) !=
             FieldCheck::Invalid;
}

void PassportWindow::Edited(bool nick) {
  const FieldCheck n = CheckPassportField(nick_->text().toStdString(), PassportField::Nick);
  const FieldCheck c = CheckPassportField(city_->text().toStdString(), PassportField::City);
  nick_lamp_->setPixmap(LampPicture(n));
  city_lamp_->setPixmap(LampPicture(c));
  const bool pass = n != FieldCheck::Invalid && c != FieldCheck::Invalid;
  ok_->setEnabled(pass);
  if (!pass) return;
  if (nick) {
    settings_.PassportNick = nick_->text().left(online::kNickMaxChars).toStdString();
  } else {
    settings_.PassportCity = city_->text().left(online::kCityMaxChars).toStdString();
  }
}

// "Ok" and Escape close the window only while both fields pass; otherwise the focus goes to
// the failing field, the nick first.
void PassportWindow::done(int result) {
  if (!Passes()) {
    const bool nick_fails =
        CheckPassportField(nick_->text().toStdString(), PassportField::Nick) == FieldCheck::Invalid;
    (nick_fails ? nick_ : city_)->setFocus();
    return;
  }
  QDialog::done(result);
}

}  // namespace ostrel
