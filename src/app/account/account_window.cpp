#include "app/account/account_window.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDate>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QMovie>
#include <QPushButton>
#include <QTabWidget>
#include <QVBoxLayout>

#include "app/account/account_pictures.h"
#include "app/account/country_box.h"
#include "app/account/typing_validator.h"
#include "app/text.h"
#include "online/countries.h"
#include "online/field_check.h"
#include "online/user_file.h"
#include "pictures/own_pictures.h"
#include "storage/atomic_file.h"

namespace ostrel {

using online::AccountField;
using online::CheckAccountField;
using online::FieldCheck;

namespace {

std::string Std(const QString& text) {
  return text.toStdString();
}
QString Q(const std::string& text) {
  return QString::fromStdString(text);
}

}  // namespace

QString UserFilePath(const QString& program_folder) {
  QDir above(program_folder);
  above.cdUp();
  return above.filePath(QString::fromLatin1(online::kUserFileName));
}

AccountWindow::AccountWindow(AccountState& state, ServiceClient client, QString user_file,
                             QWidget* parent)
    : QDialog(parent), state_(state), job_(state, std::move(client)), user_file_(user_file) {
  setObjectName(QStringLiteral("TFAcc1"));
  setWindowTitle(T("Tarvo Games Club"));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->addTab(BuildAccountTab(), T("My account"));
  tabs_->addTab(BuildResultsTab(), T("My results"));
  tabs_->addTab(BuildTopTab(), T("Top 10"));
  tabs_->addTab(BuildAboutTab(), T("About me"));
  tabs_->addTab(BuildPresidentTab(), T("President"));
  layout->addWidget(tabs_);
  auto* bottom = new QHBoxLayout;
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setObjectName(QStringLiteral("waiting"));
  waiting_->setVisible(false);
  auto* ok = new QPushButton(T("Ok"), this);
  connect(ok, &QPushButton::clicked, this, &QDialog::accept);
  bottom->addWidget(waiting_, 1);
  bottom->addWidget(ok);
  layout->addLayout(bottom);
  connect(&job_, &ServiceJob::BusyChanged, this, &AccountWindow::BusyChanged);
  connect(tabs_, &QTabWidget::currentChanged, this, [this] { DrawAll(); });

  state_.user_file = QFileInfo::exists(user_file_);
  DrawAll();
  save_->setEnabled(!state_.user_file && state_.SignedIn() && !state_.account_game);
  job_.Run(ReadOnOpen, [this] { DrawAll(); });
}

AccountWindow::~AccountWindow() = default;

void AccountWindow::Notice(const QString& text) {
  if (notify) {
    notify(text);
  } else {
    QMessageBox::information(this, windowTitle(), text);
  }
}

void AccountWindow::BusyChanged(bool busy) {
  waiting_->setVisible(busy);
  tabs_->setEnabled(!busy);
  if (busy) {
    setCursor(Qt::BusyCursor);
  } else {
    unsetCursor();
    emit Idle();
  }
}

QWidget* AccountWindow::BuildAccountTab() {
  auto* page = new QWidget;
  auto* grid = new QGridLayout(page);
  grid->addWidget(AccountTitle(T("Your account information"), page), 0, 0, 1, 4);
  const auto add_field = [&](int row, const char* label, QWidget* field, int lamp_field) {
    grid->addWidget(new QLabel(T(label) + QStringLiteral(":"), page), row, 0);
    grid->addWidget(field, row, 1);
    if (lamp_field > 0) {
      lamps_[lamp_field] = new QLabel(page);
      lamps_[lamp_field]->setFixedSize(24, 24);
      grid->addWidget(lamps_[lamp_field], row, 2);
    }
  };
  const auto make_edit = [&](AccountField field, int max) {
    auto* edit = new QLineEdit(page);
    edit->setMaxLength(max);
    edit->setValidator(new TypingValidator(
        [field](char32_t c) { return online::AccountKeyAccepted(field, c); }, edit));
    connect(edit, &QLineEdit::textChanged, this,
            [this, field] { FieldEdited(static_cast<int>(field)); });
    return edit;
  };
  nick_ = make_edit(AccountField::Nick, online::kNickMaxChars);
  pw_ = make_edit(AccountField::Password, online::kPasswordMaxChars);
  city_ = make_edit(AccountField::City, online::kCityMaxChars);
  email_ = make_edit(AccountField::EMail, online::kEMailMaxChars);
  add_field(1, "Nick", nick_, 1);
  add_field(2, "Password", pw_, 3);
  country_ = new CountryBox(page);
  add_field(3, "Country", country_, 0);
  short_name_ = new QLabel(page);
  short_name_->setObjectName(QStringLiteral("shortName"));
  grid->addWidget(short_name_, 4, 1);
  add_field(5, "City", city_, 2);
  sex_ = new QComboBox(page);
  sex_->addItems({T("Male"), T("Female")});
  add_field(6, "Sex", sex_, 0);
  date_ = new QLineEdit(page);
  date_->setReadOnly(true);
  add_field(7, "Registration", date_, 0);
  grid->addWidget(new QLabel(T("E-Mail:"), page), 8, 0);
  grid->addWidget(email_, 8, 1);
  lamps_[4] = new QLabel(page);
  lamps_[4]->setFixedSize(24, 24);
  grid->addWidget(lamps_[4], 8, 2);

  hide_pw_ = new QCheckBox(T("Hide password"), page);
  hide_pw_->setChecked(true);
  rating_ = new QCheckBox(T("Play global rating"), page);
  club_size_ = new QLabel(page);
  grid->addWidget(hide_pw_, 9, 0, 1, 2);
  grid->addWidget(rating_, 10, 0, 1, 2);
  grid->addWidget(club_size_, 11, 0, 1, 2);

  // The star of the account state in its frame, and the two platforms of the club.
  auto* side = new QVBoxLayout;
  auto* frame = new QLabel(page);
  frame->setPixmap(QPixmap::fromImage(OwnPicture(QStringLiteral("RamkaAc"))));
  frame->setFixedSize(48, 48);
  star_ = new QLabel(frame);
  star_->setGeometry(4, 4, 40, 40);
  side->addWidget(frame, 0, Qt::AlignHCenter);
  for (bool android : {false, true}) {
    auto* icon = new QLabel(page);
    icon->setPixmap(PlatformIcon(android));
    icon->setToolTip(android ? QStringLiteral("Android") : QStringLiteral("Windows"));
    side->addWidget(icon, 0, Qt::AlignHCenter);
  }
  side->addStretch(1);
  grid->addLayout(side, 1, 3, 8, 1);

  create_ = new QPushButton(T("Create an account"), page);
  login_ = new QPushButton(T("Login to account"), page);
  save_ = new QPushButton(T("Save"), page);
  delete_ = new QPushButton(T("Delete"), page);
  auto* buttons = new QHBoxLayout;
  for (QPushButton* b : {create_, login_, save_, delete_}) buttons->addWidget(b);
  grid->addLayout(buttons, 12, 0, 1, 4);
  grid->setColumnStretch(1, 1);
  grid->setRowStretch(13, 1);

  connect(hide_pw_, &QCheckBox::toggled, this,
          [this](bool hide) { pw_->setEchoMode(hide ? QLineEdit::Password : QLineEdit::Normal); });
  pw_->setEchoMode(QLineEdit::Password);
  connect(rating_, &QCheckBox::clicked, this, &AccountWindow::RatingToggled);
  connect(country_, &CountryBox::Changed, this, [this](const std::string& code) {
    state_.user.Country2 = code;
    state_.user.Country1 = std::string(online::CountryOfCode(code).short_name);
    short_name_->setText(Q(state_.user.Country1));
  });
  connect(sex_, &QComboBox::activated, this,
          [this](int index) { state_.user.Sex = index == 1 ? 'W' : 'M'; });
  connect(create_, &QPushButton::clicked, this, &AccountWindow::CreateClicked);
  connect(login_, &QPushButton::clicked, this, &AccountWindow::LoginClicked);
  connect(save_, &QPushButton::clicked, this, &AccountWindow::SaveClicked);
  connect(delete_, &QPushButton::clicked, this, &AccountWindow::DeleteClicked);
  return page;
}

void AccountWindow::DrawAll() {
  DrawAccount();
  DrawResults();
  DrawTop();
  DrawAbout();
  DrawPresident();
}

void AccountWindow::DrawAccount() {
  filling_ = true;
  const online::TTarvoUser& u = state_.user;
  const auto set = [](QLineEdit* edit, const std::string& text) {
    if (edit->text() != Q(text)) edit->setText(Q(text));
  };
  set(nick_, u.Nick);
  set(pw_, u.Pw);
  set(city_, u.City);
  set(email_, u.EMail);
  date_->setText(Q(state_.SignedIn() ? u.DateR : "00.00.0000"));
  country_->SetCode(u.Country2);
  short_name_->setText(Q(u.Country1));
  sex_->setCurrentIndex(u.Sex == 'W' ? 1 : 0);
  club_size_->setText(T("Club members: ") + QString::number(state_.club_size));
  club_size_->setVisible(state_.club_size_read);
  if (!star_movie_ || star_movie_->fileName() != OwnPicturePath(ModeStarName(state_.mode))) {
    delete star_movie_;
    star_movie_ = new QMovie(OwnPicturePath(ModeStarName(state_.mode)), {}, this);
    star_->setMovie(star_movie_);
    star_movie_->start();
  }
  filling_ = false;
  for (int field = 1; field <= 4; ++field)
    lamps_[field]->setPixmap(LampPicture(CheckAccountField(Std(field == 1   ? nick_->text()
                                                               : field == 2 ? city_->text()
                                                               : field == 3 ? pw_->text()
                                                                            : email_->text()),
                                                           static_cast<AccountField>(field))));
  DecideButtons();
}

void AccountWindow::DecideButtons() {
  const bool out = !state_.SignedIn();
  const bool game = state_.account_game;
  const auto check = [](QLineEdit* e, AccountField f) {
    return CheckAccountField(Std(e->text()), f);
  };
  const FieldCheck nick = check(nick_, AccountField::Nick);
  const FieldCheck city = check(city_, AccountField::City);
  const FieldCheck pw = check(pw_, AccountField::Password);
  const FieldCheck mail = check(email_, AccountField::EMail);
  for (QWidget* field : std::initializer_list<QWidget*>{nick_, pw_, city_, email_})
    static_cast<QLineEdit*>(field)->setReadOnly(!out || game);
  country_->setEnabled(out && !game);
  sex_->setEnabled(out && !game);
  rating_->setEnabled(!out && state_.rating_choice && !game);
  rating_->setChecked(state_.mode == AccountMode::RatedGame);
  create_->setEnabled(out && !game && nick != FieldCheck::Invalid && city != FieldCheck::Invalid &&
                      pw == FieldCheck::Valid && mail == FieldCheck::Valid);
  login_->setText(out ? T("Login to account") : T("Sign out"));
  login_->setEnabled(!game && (!out || (nick != FieldCheck::Invalid && pw == FieldCheck::Valid)));
  delete_->setEnabled(state_.user_file && !game);
  if (game) save_->setEnabled(false);
}

void AccountWindow::FieldEdited(int field) {
  if (filling_) return;
  online::TTarvoUser& u = state_.user;
  QLineEdit* edit = field == 1 ? nick_ : field == 2 ? city_ : field == 3 ? pw_ : email_;
  std::string& target = field == 1 ? u.Nick : field == 2 ? u.City : field == 3 ? u.Pw : u.EMail;
  target = Std(edit->text());
  if (field == 3) u.PwC = online::EncipherText(u.Pw);
  lamps_[field]->setPixmap(
      LampPicture(CheckAccountField(target, static_cast<AccountField>(field))));
  save_->setEnabled(!state_.account_game);
  DecideButtons();
}

void AccountWindow::CreateClicked() {
  const QDate today = QDate::currentDate();
  const std::string date = online::RegistrationDate(today.year(), today.month(), today.day());
  auto result = std::make_shared<online::RegisterResult>(online::RegisterResult::Failed);
  job_.Run([result, date](const ServiceClient& client,
                          AccountState& s) { *result = CreateAccount(client, s, date); },
           [this, result] {
             DrawAll();
             Notice(*result == online::RegisterResult::Created
                        ? T("Your account has been successfully created!")
                    : *result == online::RegisterResult::NickExists
                        ? T("The club already has a player with the same Nick!")
                        : T("Could not create account!"));
           });
}

void AccountWindow::LoginClicked() {
  if (state_.SignedIn()) {
    SignOut(state_);
    DrawAll();
    return;
  }
  auto accepted = std::make_shared<bool>(false);
  job_.Run(
      [accepted](const ServiceClient& client, AccountState& s) { *accepted = LogIn(client, s); },
      [this, accepted] {
        DrawAll();
        if (!*accepted) Notice(T("Login failed!"));
      });
}

void AccountWindow::SaveClicked() {
  const Status written = ReplaceFileAtomically(Std(user_file_), UserFileBytes(state_));
  if (!written.ok()) return;  // "Save" stays enabled: the user may try again
  state_.user_file = true;
  save_->setEnabled(false);
  DecideButtons();
}

void AccountWindow::DeleteClicked() {
  if (QFileInfo::exists(user_file_) && !QFile::remove(user_file_)) return;
  state_.user_file = false;
  save_->setEnabled(true);
  DecideButtons();
}

void AccountWindow::RatingToggled(bool on) {
  if (!state_.SignedIn()) return;
  state_.mode = on ? AccountMode::RatedGame : AccountMode::SignedIn;
  DrawAccount();
}

}  // namespace ostrel
