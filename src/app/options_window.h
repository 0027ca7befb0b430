// The options window (TFormOptions): nine pages, every control writing its field of the
// settings at once. Closing the window does not save the file; the program does that when it
// closes.
#pragma once

#include <QDialog>
#include <functional>
#include <string>

#include "packs/pack_picture.h"
#include "storage/settings.h"

class QTabWidget;
class QListWidget;
class QLabel;
class QRadioButton;
class QComboBox;
class QCheckBox;
class QPushButton;
class QGroupBox;

namespace ostrel {

// What the options window needs of the program beyond the settings.
struct OptionsContext {
  PackFolders packs = ExecutablePackFolders();
  QString site;  // where packs are downloaded from; empty: nowhere
  std::function<void(const std::string& sound)> play_sound = [](const std::string&) {};
};

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  explicit TFormOptions(Settings& settings, QWidget* parent = nullptr);
  TFormOptions(Settings& settings, OptionsContext context, QWidget* parent = nullptr);
  QTabWidget* Pages() { return pages_; }
  // The window changed settings behind the lists' backs (a fallback for a missing pack): the
  // lists and previews show the settings again.
  void SyncFromSettings();

 signals:
  // A field changed; what shows at once is applied by the window.
  void Changed();
  // A pack was downloaded: what the settings ask for may now be read from it.
  void PacksArrived();

 private:
  QWidget* GeneralPage();
  QPushButton* SpeedButton(QWidget* page);
  QComboBox* SizeCombo(QWidget* page);
  QComboBox* LanguageCombo(QWidget* page);
  // The face and the scale the settings hold for a font role (0 large ... 3 special 2).
  std::string& FontFace(int role);
  int& FontScale(int role);
  QWidget* CardsPage();
  QWidget* DecksPage();
  QWidget* GamePage();
  QWidget* FontsPage();
  QWidget* BackgroundPage();
  QWidget* SaveGamesPage();
  QWidget* PacksPage();
  QWidget* DesignPage();
  QComboBox* AuxDesignCombo(QWidget* page);
  QGroupBox* SaluteGroup(QWidget* page);
  void RefreshEnabling();
  void ShowFacePreview();
  void ShowBackPreview();
  void ShowBackgroundPreview();
  void RefreshBackModification();

  Settings& s_;
  OptionsContext context_;
  QTabWidget* pages_;
  QWidget* save_gif_ = nullptr;
  QWidget* gif_area_ = nullptr;
  QWidget* gif_delay_ = nullptr;
  QWidget* bg_pattern_ = nullptr;
  QWidget* bg_colour_ = nullptr;
  QListWidget* faces_list_ = nullptr;
  QListWidget* backs_list_ = nullptr;
  QListWidget* patterns_list_ = nullptr;
  QListWidget* colours_list_ = nullptr;
  QLabel* face_preview_ = nullptr;
  QLabel* face_note_ = nullptr;
  QLabel* back_preview_ = nullptr;
  QLabel* bg_preview_ = nullptr;
  QRadioButton* back_change_ = nullptr;
  QRadioButton* back_one_ = nullptr;
  QRadioButton* back_random_ = nullptr;
  QComboBox* menu_design_ = nullptr;
  QComboBox* table_design_ = nullptr;
  QComboBox* aux_design_ = nullptr;
  QCheckBox* salute_buttons_ = nullptr;
  QCheckBox* salute_cards_ = nullptr;
};

}  // namespace ostrel
