// The history of games (TFHistory): the sound history files on the left, the games of the
// chosen one on the right. The window remembers, while the program runs, which file and which
// game were selected last, and selects them again when it opens.
#pragma once

#include <QDialog>
#include <string>
#include <vector>

#include "storage/history.h"

class QListWidget;
class QTableWidget;

namespace ostrel {

// What the window selected last; the main window keeps it between openings.
struct HistoryChoice {
  int file_number = 0;  // 0: none yet, the last sound file is taken
  int row = -1;
};

class TFHistory : public QDialog {
  Q_OBJECT
 public:
  TFHistory(const std::string& program_folder, HistoryChoice& choice, QWidget* parent = nullptr);

  QListWidget* Files() { return list_; }
  QTableWidget* Games() { return table_; }

  // The table's column widths; the player's column gives way to a vertical scroll bar.
  static constexpr int kWidths[7] = {45, 65, 210, 45, 55, 55, 80};
  static constexpr int kPlayerWidthBesideScrollBar = 190;

 private:
  void ShowFile(int index);

  HistoryChoice& choice_;
  std::vector<HistoryListItem> files_;
  QListWidget* list_;
  QTableWidget* table_;
};

}  // namespace ostrel
