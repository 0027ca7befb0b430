#include "app/account/profile_window.h"

#include <QFileDialog>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QVBoxLayout>

#include "app/account/account_pictures.h"
#include "app/text.h"
#include "pictures/own_pictures.h"

namespace ostrel {

using online::ProfileLimits;
using online::TInfo14;

const std::array<ProfileRow, 14> kProfileRows{{
    {"GAcName1", "Your name", [](TInfo14& i) -> std::string& { return i.Name1; },
     ProfileLimits::Name1},
    {"GAcName2", "Your last name", [](TInfo14& i) -> std::string& { return i.Name2; },
     ProfileLimits::Name2},
    {"GAcAbout", "Brief information about you", [](TInfo14& i) -> std::string& { return i.About; },
     ProfileLimits::About},
    {"GAcTelephone", "Your phone number", [](TInfo14& i) -> std::string& { return i.Telephone; },
     ProfileLimits::Telephone},
    {"GAcEMail", "Your e-mail", [](TInfo14& i) -> std::string& { return i.EMailO; },
     ProfileLimits::EMailO},
    {"GAcWebSite", "Your web site", [](TInfo14& i) -> std::string& { return i.WebSite; },
     ProfileLimits::WebSite},
    {"GAcSkype", "Your skype", [](TInfo14& i) -> std::string& { return i.Skype; },
     ProfileLimits::Skype},
    {"GAcOK", "Your OK", [](TInfo14& i) -> std::string& { return i.OK; }, ProfileLimits::OK},
    {"GAcVK", "Your VK", [](TInfo14& i) -> std::string& { return i.VK; }, ProfileLimits::VK},
    {"GAcTelegram", "Your Telegram", [](TInfo14& i) -> std::string& { return i.Telegram; },
     ProfileLimits::Telegram},
    {"GAcFaceBook", "Your Facebook", [](TInfo14& i) -> std::string& { return i.FaceBook; },
     ProfileLimits::FaceBook},
    {"GAcTwitter", "Your Twitter", [](TInfo14& i) -> std::string& { return i.Twitter; },
     ProfileLimits::Twitter},
    {"GAcInstagramm", "Your Instagram", [](TInfo14& i) -> std::string& { return i.Instagramm; },
     ProfileLimits::Instagramm},
    {"GAcYouTube", "Your YouTube", [](TInfo14& i) -> std::string& { return i.YouTube; },
     ProfileLimits::YouTube},
}};

ProfileWindow::ProfileWindow(AccountState& state, const ServiceClient& client, QWidget* parent)
    : QDialog(parent), state_(state), job_(state, client) {
  setObjectName(QStringLiteral("TFAcc2"));
  setWindowTitle(T("My account"));
  auto* layout = new QHBoxLayout(this);
  auto* grid = new QGridLayout;
  for (int row = 0; row < 14; ++row) {
    auto* icon = new QLabel(this);
    icon->setPixmap(QPixmap::fromImage(OwnPicture(QString::fromLatin1(kProfileRows[row].icon))));
    fields_[row] = new QLineEdit(this);
    fields_[row]->setMaxLength(kProfileRows[row].limit);
    fields_[row]->setPlaceholderText(T(kProfileRows[row].phrase));
    fields_[row]->setToolTip(T(kProfileRows[row].phrase));
    fields_[row]->setText(QString::fromStdString(kProfileRows[row].field(state_.user.Info)));
    fields_[row]->setMinimumWidth(260);
    grid->addWidget(icon, row, 0);
    grid->addWidget(fields_[row], row, 1);
  }
  auto* note = new QLabel(T("This information may be visible to other club members."), this);
  note->setWordWrap(true);
  grid->addWidget(note, 14, 0, 1, 2);
  layout->addLayout(grid, 1);

  auto* side = new QVBoxLayout;
  photo_ = new QPushButton(this);
  photo_->setFlat(true);
  photo_->setIconSize(QSize(128, 160));
  photo_->setCursor(Qt::PointingHandCursor);
  upload_ = new QPushButton(T("Refresh photo"), this);
  update_ = new QPushButton(T("Update info"), this);
  auto* close = new QPushButton(T("Close"), this);
  waiting_ = new QLabel(T("Waiting for the server…"), this);
  waiting_->setVisible(false);
  upload_->setEnabled(false);
  update_->setEnabled(false);
  for (QWidget* w : std::initializer_list<QWidget*>{photo_, upload_, update_, close, waiting_})
    side->addWidget(w);
  side->addStretch(1);
  layout->addLayout(side);
  DrawPhoto();

  for (QLineEdit* field : fields_)
    connect(field, &QLineEdit::textEdited, this, [this] { update_->setEnabled(true); });
  connect(update_, &QPushButton::clicked, this, &ProfileWindow::UpdateInfo);
  connect(upload_, &QPushButton::clicked, this, &ProfileWindow::UploadPhoto);
  connect(close, &QPushButton::clicked, this, &QDialog::accept);
  connect(photo_, &QPushButton::clicked, this, [this] {
    const QString path = QFileDialog::getOpenFileName(
        this, T("My account"), {}, QStringLiteral("*.jpg *.jpeg *.png *.bmp *.gif"));
    if (!path.isEmpty()) ChoosePhoto(path);
  });
  connect(&job_, &ServiceJob::BusyChanged, this, [this](bool busy) {
    waiting_->setVisible(busy);
    if (busy) update_enabled_ = update_->isEnabled();
    photo_->setEnabled(!busy);
    upload_->setEnabled(!busy && !chosen_.empty());
    update_->setEnabled(!busy && update_enabled_);
    if (!busy) emit Idle();
  });
}

void ProfileWindow::Notice(const QString& text) {
  if (notify) {
    notify(text);
  } else {
    QMessageBox::information(this, windowTitle(), text);
  }
}

void ProfileWindow::DrawPhoto() {
  const std::string& shown = chosen_.empty() ? state_.own_photo : chosen_;
  photo_->setIcon(QIcon(FramedPhoto(shown, state_.user.Sex)));
}

bool ProfileWindow::ChoosePhoto(const QString& path) {
  std::optional<std::string> jpeg = PhotoJpegFromFile(path);
  if (!jpeg || !IsAccountPhoto(*jpeg)) {
    Notice(T("The photo must be in jpg format 200x250 pixels in size!"));
    return false;
  }
  chosen_ = std::move(*jpeg);
  DrawPhoto();
  upload_->setEnabled(true);
  return true;
}

void ProfileWindow::UpdateInfo() {
  TInfo14 info;
  for (int row = 0; row < 14; ++row)
    kProfileRows[row].field(info) = fields_[row]->text().toStdString();
  auto saved = std::make_shared<bool>(false);
  job_.Run(
      [info, saved](const ServiceClient& client, AccountState& s) {
        *saved = SaveProfile(client, s, info);
      },
      [this, saved] {
        if (!*saved) return;  // a failure shows nothing; the button stays for a retry
        update_->setEnabled(false);
        for (int row = 0; row < 14; ++row)
          fields_[row]->setText(QString::fromStdString(kProfileRows[row].field(state_.user.Info)));
      });
}

void ProfileWindow::UploadPhoto() {
  if (chosen_.empty()) return;
  auto sent = std::make_shared<bool>(false);
  job_.Run(
      [jpeg = chosen_, sent](const ServiceClient& client, AccountState& s) {
        *sent = client.UploadPhoto(s.user.Nick, s.user.Pw, jpeg).ok();
        if (*sent) s.own_photo = client.Photo(s.user.Nick).value_or(std::string());
      },
      [this, sent] {
        if (!*sent) {
          Notice(T("Failed to upload photo to server!"));
          return;
        }
        chosen_.clear();
        upload_->setEnabled(false);
        DrawPhoto();
      });
}

}  // namespace ostrel
