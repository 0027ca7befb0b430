// The profile window (TFAcc2): the fourteen profile texts, the photo choice and its upload.
#pragma once

#include <QDialog>
#include <array>
#include <functional>
#include <string>

#include "app/account/account_state.h"
#include "app/account/service_job.h"

class QLabel;
class QLineEdit;
class QPushButton;

namespace ostrel {

// A row of the profile: its icon, its phrase, its field and the field's longest text.
struct ProfileRow {
  const char* icon;
  const char* phrase;
  std::string& (*field)(online::TInfo14&);
  int limit;
};
extern const std::array<ProfileRow, 14> kProfileRows;

class ProfileWindow : public QDialog {
  Q_OBJECT
 public:
  ProfileWindow(AccountState& state, const ServiceClient& client, QWidget* parent = nullptr);

  std::function<void(const QString&)> notify;

  bool Busy() const { return job_.Busy(); }
  QLineEdit* Field(int row) { return fields_[row]; }
  QPushButton* UpdateButton() { return update_; }
  QPushButton* UploadButton() { return upload_; }
  QPushButton* PhotoButton() { return photo_; }
  // The picture chosen for the photo: scaled and cut to 200 x 250; false (and the notice)
  // when it is not a picture.
  bool ChoosePhoto(const QString& path);

 signals:
  void Idle();

 private:
  void UpdateInfo();
  void UploadPhoto();
  void DrawPhoto();
  void Notice(const QString& text);

  AccountState& state_;
  ServiceJob job_;
  std::array<QLineEdit*, 14> fields_{};
  QPushButton* photo_;
  QPushButton* upload_;
  QPushButton* update_;
  QLabel* waiting_;
  bool update_enabled_ = false;
  std::string chosen_;  // the chosen photo, JPEG bytes
};

}  // namespace ostrel
