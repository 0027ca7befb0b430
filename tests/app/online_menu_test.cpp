// The main window's ways to the online windows: "Top Ten" leads to the world top ten (through
// the club's top ten, or at once in the purple design). The chat is left out here: its file
// lives in the folder above the program's, which for the fixture is the system's temporary
// folder.
#include <QPushButton>
#include <QtTest>

#include "app/online/world_top_ten_window.h"
#include "app/table_session.h"
#include "app_fixture.h"

using namespace ostrel;
using namespace ostrel::testing;

class OnlineMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void TopTenLeadsToTheWorldTopTen_data();
  void TopTenLeadsToTheWorldTopTen();
  void FinishedGameAsksForItsReport();
};

void OnlineMenuTest::TopTenLeadsToTheWorldTopTen_data() {
  QTest::addColumn<bool>("purple");
  QTest::addColumn<int>("views");
  QTest::newRow("own design, through the club's list") << false << 3;
  QTest::newRow("purple design, at once") << true << 7;
}

void OnlineMenuTest::TopTenLeadsToTheWorldTopTen() {
  QFETCH(bool, purple);
  QFETCH(int, views);
  AppFixture app;
  app.Window().AppSettings().AuxDesignPurple = purple;
  app.LeaveTitle();
  int shown_views = 0;
  const auto world = [&shown_views](QDialog* d) {
    auto* top = qobject_cast<WorldTopTenWindow*>(d);
    if (top) shown_views = static_cast<int>(top->Views().size());
    d->reject();
  };
  if (purple) {
    app.OnNextDialog(world);
  } else {
    app.OnNextDialog([&](QDialog* club) {
      app.OnNextDialog(world);
      auto* button = club->findChild<QPushButton*>("WorldTopTen");
      QVERIFY(button);
      QTest::mouseClick(button, Qt::LeftButton);
      club->reject();
    });
  }
  QTest::mouseClick(app.Window().Menu()->findChild<QAbstractButton*>("Button9"), Qt::LeftButton);
  QCOMPARE(shown_views, views);
}

// Every game's end asks for the statistics report with the game's margin; the first game
// closes no cycle, so the world top ten is not offered.
void OnlineMenuTest::FinishedGameAsksForItsReport() {
  AppFixture app(3);
  app.LeaveTitle();
  app.StartAsNewPlayer("Gina", "pw");
  TForm1& w = app.Window();
  auto* session = w.findChild<TableSession*>();
  QVERIFY(session);
  QSignalSpy reports(session, &TableSession::StatisticsWanted);
  QSignalSpy cycles(session, &TableSession::WorldTopTenWanted);
  QVERIFY(app.RunUntil(
      [&] {
        if (w.Table()->Busy()) return false;
        if (w.CurrentGame().Record().GameOver) return true;
        PlayerActs(w);
        return false;
      },
      60000));
  QVERIFY(app.Settle());
  QCOMPARE(reports.count(), 0);
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);
  QVERIFY(app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 3000));
  QCOMPARE(reports.count(), 1);
  const auto& standing = session->Session().Standing();
  QVERIFY(standing.has_value());
  QVERIFY(standing->score_difference != 0);
  QCOMPARE(reports[0][0].toInt(), standing->score_difference);
  QCOMPARE(reports[0][1].toBool(), false);
  QCOMPARE(cycles.count(), 0);
}

QTEST_MAIN(OnlineMenuTest)
#include "online_menu_test.moc"
