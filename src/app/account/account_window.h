// The account window (TFAcc1): the tabs "My account", "My results", "Top 10", "About me" and
// "President" over the account of the whole program. Every request runs on a worker thread
// (ServiceJob); while one runs the tabs wait, the window keeps painting and says it waits.
#pragma once

#include <QDialog>
#include <QString>
#include <array>
#include <functional>

#include "app/account/account_state.h"
#include "app/account/service_job.h"

class QCheckBox;
class QComboBox;
class QGridLayout;
class QLabel;
class QLineEdit;
class QMovie;
class QPushButton;
class QTabWidget;

namespace ostrel {

class CountryBox;

class AccountWindow : public QDialog {
  Q_OBJECT
 public:
  // user_file: the path of "TarvoUser.qiv". The opening reads start at once.
  AccountWindow(AccountState& state, ServiceClient client, QString user_file,
                QWidget* parent = nullptr);
  ~AccountWindow() override;

  // How notices reach the user; unset: a message box. Tests record them.
  std::function<void(const QString&)> notify;
  // Where the profile window is opened; unset: modally. Tests drive it themselves.
  std::function<void(QDialog&)> run_dialog;

  bool Busy() const { return job_.Busy(); }
  AccountState& State() { return state_; }
  QTabWidget* Tabs() { return tabs_; }
  QLineEdit* NickEdit() { return nick_; }
  QLineEdit* PasswordEdit() { return pw_; }
  QLineEdit* CityEdit() { return city_; }
  QLineEdit* EMailEdit() { return email_; }
  CountryBox* Countries() { return country_; }
  QComboBox* SexBox() { return sex_; }
  QCheckBox* HidePassword() { return hide_pw_; }
  QCheckBox* PlayRating() { return rating_; }
  QPushButton* CreateButton() { return create_; }
  QPushButton* LoginButton() { return login_; }
  QPushButton* SaveButton() { return save_; }
  QPushButton* DeleteButton() { return delete_; }
  QPushButton* ProfileButton() { return profile_; }
  QLabel* ResultValue(int row) { return results_[row]; }
  QLabel* TopCell(int row, int column);
  QLabel* AboutText(int row) { return about_[row]; }
  QLabel* PresidentText(int row);
  QLabel* ShortName() { return short_name_; }
  QLabel* ClubSize() { return club_size_; }
  QLabel* FieldLamp(int field) { return lamps_[field]; }

 signals:
  void Idle();

 private:
  QWidget* BuildAccountTab();
  QWidget* BuildResultsTab();
  QWidget* BuildTopTab();
  QWidget* BuildAboutTab();
  QWidget* BuildPresidentTab();
  void DrawAll();
  void DrawAccount();
  void DrawResults();
  void DrawTop();
  void DrawAbout();
  void DrawPresident();
  void DecideButtons();
  void FieldEdited(int field);
  void CreateClicked();
  void LoginClicked();
  void SaveClicked();
  void DeleteClicked();
  void RatingToggled(bool on);
  void OpenProfile();
  void PresidentRowClicked(int row);
  void Notice(const QString& text);
  void BusyChanged(bool busy);

  AccountState& state_;
  ServiceJob job_;
  QString user_file_;
  bool filling_ = false;

  QTabWidget* tabs_;
  QLabel* waiting_;
  QLineEdit* nick_;
  QLineEdit* pw_;
  QLineEdit* city_;
  QLineEdit* email_;
  QLineEdit* date_;
  CountryBox* country_;
  QLabel* short_name_;
  QComboBox* sex_;
  QCheckBox* hide_pw_;
  QCheckBox* rating_;
  QLabel* club_size_;
  QLabel* star_;
  QMovie* star_movie_ = nullptr;
  std::array<QLabel*, 5> lamps_{};  // by AccountField: nick 1, city 2, password 3, e-mail 4
  QPushButton* create_;
  QPushButton* login_;
  QPushButton* save_;
  QPushButton* delete_;
  std::array<QLabel*, 9> results_{};
  std::array<std::array<QLabel*, 6>, 10> top_{};
  QLabel* about_photo_;
  std::array<QLabel*, 14> about_{};
  QPushButton* profile_;
  QLabel* president_photo_;
  QLabel* president_names_;
  std::array<QPushButton*, 12> president_rows_{};
  std::array<QLabel*, 12> president_texts_{};
};

// The folder above the program's folder, where "TarvoUser.qiv" lives.
QString UserFilePath(const QString& program_folder);

}  // namespace ostrel
