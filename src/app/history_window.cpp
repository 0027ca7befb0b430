#include "app/history_window.h"

#include <QGridLayout>
#include <QHeaderView>
#include <QLabel>
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <filesystem>

#include "app/text.h"
#include "storage/club_file.h"
#include "table/cards_button.h"

namespace ostrel {

namespace {

QString U(const std::string& s) {
  return QString::fromUtf8(s.data(), qsizetype(s.size()));
}

// The history files are named after the club file, without its extension.
std::string HistoryBase() {
  return std::filesystem::path(kLocalClubFileName).stem().string();
}

constexpr int kColumns = 7;
constexpr int kListWidth = 150;

}  // namespace

TFHistory::TFHistory(const std::string& program_folder, HistoryChoice& choice, QWidget* parent)
    : QDialog(parent), choice_(choice) {
  setObjectName("TFHistory");
  setWindowTitle(T("History of games"));
  auto* layout = new QGridLayout(this);
  list_ = new QListWidget(this);
  list_->setObjectName("ListFiles");
  list_->setFixedWidth(kListWidth);
  table_ = new QTableWidget(0, kColumns, this);
  table_->setObjectName("TableGames");
  const char* titles[kColumns] = {"Time", "Date", "Player", "Games", "Result", "Rating", "Type"};
  QStringList heads;
  for (const char* t : titles) heads << T(t);
  table_->setHorizontalHeaderLabels(heads);
  int width = 0;
  for (int c = 0; c < kColumns; ++c) {
    table_->setColumnWidth(c, kWidths[c]);
    width += kWidths[c];
  }
  table_->horizontalHeader()->setStretchLastSection(false);
  table_->horizontalHeader()->setSectionResizeMode(QHeaderView::Fixed);
  table_->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
  table_->setFixedWidth(width + 2 * table_->frameWidth());
  table_->verticalHeader()->hide();
  table_->verticalHeader()->setDefaultSectionSize(20);
  table_->setEditTriggers(QAbstractItemView::NoEditTriggers);
  table_->setSelectionBehavior(QAbstractItemView::SelectRows);
  table_->setSelectionMode(QAbstractItemView::SingleSelection);
  table_->setAlternatingRowColors(true);
  // A ten-character date fits its 65 pixels.
  QFont small = table_->font();
  small.setPixelSize(11);
  table_->setFont(small);
  connect(table_->verticalScrollBar(), &QScrollBar::rangeChanged, this, [this](int, int max) {
    table_->setColumnWidth(2, max > 0 ? kPlayerWidthBesideScrollBar : kWidths[2]);
  });
  connect(table_, &QTableWidget::currentCellChanged, this,
          [this](int row, int, int, int) { choice_.row = row; });

  const std::string folder = (std::filesystem::path(program_folder) / "History").string();
  std::string unreadable;
  files_ = ListHistoryFiles(folder, HistoryBase(), SystemHistoryClock(), &unreadable);
  for (const HistoryListItem& item : files_) list_->addItem(U(item.label));
  if (files_.empty()) {
    list_->addItem(T("No History Files"));
    list_->setEnabled(false);
  }
  layout->addWidget(list_, 0, 0);
  layout->addWidget(table_, 0, 1);
  auto* ok = new TTarvoCardsButton(T("Ok"), this);
  ok->setObjectName("ButtonOk");
  ok->SetColorSB(SkinColour::DGreen);
  ok->setFixedSize(120, 30);
  connect(ok, &QAbstractButton::clicked, this, &QDialog::accept);
  layout->addWidget(ok, 1, 0, 1, 2, Qt::AlignHCenter);
  int height = 440;
  if (!unreadable.empty()) {
    // The list ends early at a file that could not be read; the player is told which, so that
    // the missing games are not taken for lost.
    auto* note = new QLabel(T(PhraseKey::CantReadFile) + " \"" + U(unreadable) + "\"!", this);
    note->setObjectName("LabelUnreadable");
    note->setWordWrap(true);
    note->setStyleSheet("color: #a00000;");
    layout->addWidget(note, 2, 0, 1, 2);
    height += 40;
  }
  setFixedSize(kListWidth + table_->width() + 40, height);
  if (files_.empty()) return;

  // The file chosen last time, while it is still sound; the first time the newest file.
  int index = static_cast<int>(files_.size()) - 1;
  for (int i = 0; i < static_cast<int>(files_.size()); ++i) {
    if (files_[static_cast<std::size_t>(i)].number == choice_.file_number) index = i;
  }
  const int row =
      files_[static_cast<std::size_t>(index)].number == choice_.file_number ? choice_.row : -1;
  ShowFile(index);
  list_->setCurrentRow(index);
  connect(list_, &QListWidget::currentRowChanged, this, [this](int i) {
    choice_.row = -1;
    ShowFile(i);
  });
  if (row >= 0 && row < table_->rowCount()) {
    table_->setCurrentCell(row, 0);
    table_->scrollToItem(table_->item(row, 0), QAbstractItemView::PositionAtCenter);
  }
}

void TFHistory::ShowFile(int index) {
  table_->setRowCount(0);
  if (index < 0 || index >= static_cast<int>(files_.size())) return;
  const HistoryListItem& file = files_[static_cast<std::size_t>(index)];
  choice_.file_number = file.number;
  const std::vector<std::string>& lines = file.info.game_lines;
  table_->setRowCount(static_cast<int>(lines.size()));
  // Ten characters of a long date format still fit the date's 65 pixels.
  QFont date_font = table_->font();
  date_font.setStretch(QFont::Condensed);
  for (int r = 0; r < static_cast<int>(lines.size()); ++r) {
    const HistoryRow h = HistoryRowOf(lines[static_cast<std::size_t>(r)]);
    const std::string cells[kColumns] = {h.time,   h.date,   h.player, h.games,
                                         h.result, h.rating, h.type};
    for (int c = 0; c < kColumns; ++c) {
      auto* item = new QTableWidgetItem(U(cells[c]).trimmed());
      // Figures line up on the right, as they stand in the file.
      const bool figure = c != 2 && c != 6;
      item->setTextAlignment(Qt::AlignVCenter | (figure ? Qt::AlignRight : Qt::AlignLeft));
      if (c == 1) item->setFont(date_font);
      table_->setItem(r, c, item);
    }
  }
}

}  // namespace ostrel
