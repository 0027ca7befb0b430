// The history window: the list of sound files, the games of the chosen one, and the file and
// game it selects again when it opens.
#include <QListWidget>
#include <QScrollBar>
#include <QTableWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <filesystem>

#include "app/history_window.h"
#include "app_fixture.h"
#include "storage/atomic_file.h"
#include "storage/history.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

HistoryClock FixedClock() {
  return {[] { return std::time_t{1700000000}; },
          [](const std::tm&) { return std::string("14.11.2023"); }};
}

// Writes History/Ostrel4_I<number>.hst with `games` lines of the given kind.
void WriteFile(const QString& folder, int number, int games,
               HistoryKind kind = HistoryKind::Computer) {
  const std::string history = folder.toStdString() + "/History";
  std::filesystem::create_directories(history);
  std::vector<std::string> lines;
  for (int g = 1; g <= games; ++g) {
    HisStr rec{"Player " + std::to_string(number), g, 10 * g - 50, g * 0.5, kind};
    lines.push_back(HistoryGameLine(rec, 1700000000, FixedClock()));
  }
  QVERIFY(
      ReplaceFileAtomically(HistoryFilePath(history, "Ostrel4", number), HistoryFileBytes(lines))
          .ok());
}

QString Cell(TFHistory& w, int row, int column) {
  QTableWidgetItem* item = w.Games()->item(row, column);
  return item ? item->text() : QString("<none>");
}

}  // namespace

class HistoryWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void WithoutFilesTheListSaysSo();
  void FirstOpeningShowsTheNewestFile();
  void ChosenFileAndGameAreSelectedAgain();
  void DamagedFileEndsTheList();
  void PlayerColumnGivesWayToTheScrollBar();
  void EscapeCloses();
  void MenuOpensItWithTheLastChoice();
};

void HistoryWindowTest::WithoutFilesTheListSaysSo() {
  QTemporaryDir dir;
  HistoryChoice choice;
  TFHistory w(dir.path().toStdString(), choice);
  QCOMPARE(w.Files()->count(), 1);
  QCOMPARE(w.Files()->item(0)->text(), QString("No History Files"));
  QVERIFY(!w.Files()->isEnabled());
  QCOMPARE(w.Games()->rowCount(), 0);
  QCOMPARE(w.windowTitle(), QString("History of games"));
}

void HistoryWindowTest::FirstOpeningShowsTheNewestFile() {
  QTemporaryDir dir;
  WriteFile(dir.path(), 1, 3);
  WriteFile(dir.path(), 2, 2, HistoryKind::Lan);
  HistoryChoice choice;
  TFHistory w(dir.path().toStdString(), choice);
  QCOMPARE(w.Files()->count(), 2);
  QVERIFY(w.Files()->item(0)->text().startsWith("File I0001 "));
  QCOMPARE(w.Files()->currentRow(), 1);
  QCOMPARE(w.Games()->rowCount(), 2);
  QCOMPARE(Cell(w, 0, 2), QString("Player 2"));
  QCOMPARE(Cell(w, 1, 3), QString("2"));
  QCOMPARE(Cell(w, 1, 4), QString("-30"));
  QCOMPARE(Cell(w, 1, 5), QString("1,00"));
  QCOMPARE(Cell(w, 1, 6), QString("Net"));
  QCOMPARE(choice.file_number, 2);
  // Another file shows its own games.
  w.Files()->setCurrentRow(0);
  QCOMPARE(w.Games()->rowCount(), 3);
  QCOMPARE(Cell(w, 2, 6), QString("Local"));
  QCOMPARE(choice.file_number, 1);
}

void HistoryWindowTest::ChosenFileAndGameAreSelectedAgain() {
  QTemporaryDir dir;
  WriteFile(dir.path(), 1, 5);
  WriteFile(dir.path(), 2, 2);
  HistoryChoice choice;
  {
    TFHistory w(dir.path().toStdString(), choice);
    w.Files()->setCurrentRow(0);
    w.Games()->setCurrentCell(3, 1);
  }
  TFHistory again(dir.path().toStdString(), choice);
  QCOMPARE(again.Files()->currentRow(), 0);
  QCOMPARE(again.Games()->rowCount(), 5);
  QCOMPARE(again.Games()->currentRow(), 3);
  // Choosing another file forgets the game chosen in the first.
  again.Files()->setCurrentRow(1);
  QCOMPARE(choice.file_number, 2);
  QCOMPARE(again.Games()->currentRow(), -1);
}

void HistoryWindowTest::DamagedFileEndsTheList() {
  QTemporaryDir dir;
  WriteFile(dir.path(), 1, 1);
  WriteFile(dir.path(), 2, 1);
  WriteFile(dir.path(), 3, 1);
  HistoryChoice choice{3, 0};
  // One character of file 2 changed: it and every file after it drop out.
  const QString path = dir.path() + "/History/Ostrel4_I0002.hst";
  QFile f(path);
  QVERIFY(f.open(QIODevice::ReadWrite));
  QByteArray bytes = f.readAll();
  bytes[20] = bytes[20] == 'x' ? 'y' : 'x';
  f.seek(0);
  f.write(bytes);
  f.close();
  TFHistory w(dir.path().toStdString(), choice);
  QCOMPARE(w.Files()->count(), 1);
  QCOMPARE(w.Files()->currentRow(), 0);
  QCOMPARE(choice.file_number, 1);
  QCOMPARE(w.Games()->currentRow(), -1);
}

void HistoryWindowTest::PlayerColumnGivesWayToTheScrollBar() {
  QTemporaryDir dir;
  WriteFile(dir.path(), 1, 60);
  WriteFile(dir.path(), 2, 2);
  HistoryChoice choice;
  TFHistory w(dir.path().toStdString(), choice);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QCOMPARE(w.Games()->columnWidth(2), TFHistory::kWidths[2]);
  w.Files()->setCurrentRow(0);
  QTRY_COMPARE(w.Games()->columnWidth(2), TFHistory::kPlayerWidthBesideScrollBar);
  QVERIFY(w.Games()->verticalScrollBar()->maximum() > 0);
  w.Files()->setCurrentRow(1);
  QTRY_COMPARE(w.Games()->columnWidth(2), TFHistory::kWidths[2]);
}

void HistoryWindowTest::EscapeCloses() {
  QTemporaryDir dir;
  HistoryChoice choice;
  TFHistory w(dir.path().toStdString(), choice);
  w.show();
  QVERIFY(QTest::qWaitForWindowExposed(&w));
  QTest::keyClick(&w, Qt::Key_Escape);
  QVERIFY(!w.isVisible());
}

void HistoryWindowTest::MenuOpensItWithTheLastChoice() {
  AppFixture app;
  WriteFile(QString::fromStdString(app.Folder()), 1, 4);
  WriteFile(QString::fromStdString(app.Folder()), 2, 4);
  app.LeaveTitle();
  auto* button = app.Window().Menu()->findChild<QAbstractButton*>("BHistory");
  QVERIFY(button);
  app.OnNextDialog([](QDialog* d) {
    auto* h = qobject_cast<TFHistory*>(d);
    QVERIFY(h);
    QCOMPARE(h->Files()->currentRow(), 1);
    h->Files()->setCurrentRow(0);
    h->Games()->setCurrentCell(2, 0);
    QTest::keyClick(h, Qt::Key_Escape);
  });
  QTest::mouseClick(button, Qt::LeftButton);
  int file = -1, row = -1;
  app.OnNextDialog([&](QDialog* d) {
    auto* h = qobject_cast<TFHistory*>(d);
    file = h->Files()->currentRow();
    row = h->Games()->currentRow();
    d->accept();
  });
  QTest::mouseClick(button, Qt::LeftButton);
  QCOMPARE(file, 0);
  QCOMPARE(row, 2);
}

QTEST_MAIN(HistoryWindowTest)
#include "history_window_test.moc"
