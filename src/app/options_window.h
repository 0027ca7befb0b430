// The options window (TFormOptions): nine pages, every control writing its field of the
// settings at once. Closing the window does not save the file; the program does that when it
// closes.
#pragma once

#include <QDialog>

#include "storage/settings.h"

class QTabWidget;

namespace ostrel {

class TFormOptions : public QDialog {
  Q_OBJECT
 public:
  TFormOptions(Settings& settings, QWidget* parent = nullptr);
  QTabWidget* Pages() { return pages_; }

 signals:
  // A field changed; what shows at once is applied by the window.
  void Changed();

 private:
  QWidget* GeneralPage();
  QWidget* CardsPage();
  QWidget* DecksPage();
  QWidget* GamePage();
  QWidget* FontsPage();
  QWidget* BackgroundPage();
  QWidget* SaveGamesPage();
  QWidget* PacksPage();
  QWidget* DesignPage();
  void RefreshEnabling();

  Settings& s_;
  QTabWidget* pages_;
  QWidget* save_gif_ = nullptr;
  QWidget* gif_area_ = nullptr;
  QWidget* gif_delay_ = nullptr;
  QWidget* bg_pattern_ = nullptr;
  QWidget* bg_colour_ = nullptr;
};

}  // namespace ostrel
