// The main window's ways to the online windows: "Top Ten" leads to the world top ten (through
// the club's top ten, or at once in the purple design). The chat is left out here: its file
// lives in the folder above the program's, which for the fixture is the system's temporary
// folder.
#include <QPushButton>
#include <QtTest>

#include "app/online/world_top_ten_window.h"
#include "app_fixture.h"

using namespace ostrel;
using namespace ostrel::testing;

class OnlineMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void TopTenLeadsToTheWorldTopTen_data();
  void TopTenLeadsToTheWorldTopTen();
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

QTEST_MAIN(OnlineMenuTest)
#include "online_menu_test.moc"
