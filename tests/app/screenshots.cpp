// Takes the pictures of docs/screenshots: the window is driven through a game as the tests
// drive it, and grabbed at the moments worth showing. Usage: ostrel_screenshots OUT_FOLDER
#include <QApplication>
#include <QDir>
#include <QTabWidget>
#include <QTimer>
#include <QtTest>
#include <cstdio>

#include "app/options_window.h"
#include "app_fixture.h"
#include "game/rules.h"
#include "table/end_game_window.h"
#include "table/suit_window.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

QString g_out;

void Save(QWidget* w, const QString& name) {
  QApplication::processEvents();
  w->grab()
      .toImage()
      .convertToFormat(QImage::Format_RGB888)
      .save(g_out + "/" + name + ".png", nullptr, 9);
}

void Shots(int window_size) {
  const QString sfx = QStringLiteral("-size%1").arg(window_size);
  AppFixture app(5);
  TForm1& w = app.Window();
  w.AppSettings().WindowSize = window_size;
  QTest::qWait(300);
  if (window_size == 1) Save(&w, "title");
  app.LeaveTitle();
  QTest::qWait(100);
  Save(&w, "menu" + sfx);
  app.StartAsNewPlayer("Anna");
  app.Settle();
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Begin
  app.RunUntil([&] { return !w.Table()->Busy() && w.CurrentGame().Record().Phase == 4; }, 5000);
  Save(&w, "bidding" + sfx);
  QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // To Play
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (!w.Table()->Busy() && r.Phase == kPhaseTrickComplete && r.TrickNumber == 3) return true;
        PlayerActs(w);
        return false;
      },
      10000);
  Save(&w, "trick" + sfx);
  app.RunUntil(
      [&] {
        const GameRecord& r = w.CurrentGame().Record();
        if (!w.Table()->Busy() && r.GameOver) return true;
        if (!w.Table()->Busy() && r.Phase == kPhaseDealOver) {
          QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
          return false;
        }
        PlayerActs(w);
        return false;
      },
      60000);
  app.Settle();
  Save(&w, "end-of-game" + sfx);
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);  // Exit to menu
  QTest::qWait(100);
  Save(&w, "menu-after-game" + sfx);
  if (window_size == 1) {
    for (const char* button : {"Button9", "BHistory"}) {
      app.OnNextDialog([button](QDialog* d) {
        Save(d, QStringLiteral("window-%1").arg(QLatin1String(button)));
        d->accept();
      });
      QTest::mouseClick(w.Menu()->findChild<QAbstractButton*>(button), Qt::LeftButton);
    }
  }
  if (window_size == 1) {
    TFormOptions options(w.AppSettings(), &w);
    options.show();
    options.Pages()->setCurrentIndex(0);
    Save(&options, "options-general");
    options.Pages()->setCurrentIndex(3);
    Save(&options, "options-game");
    options.hide();
    VerdictInput verdict;
    verdict.place = 1;
    verdict.result = 214;
    TFormEndGame end(verdict, &w);
    end.show();
    Save(&end, "verdict");
    end.hide();
    TFormMastDeb suit(2, "Choice trump", "Select trump:", "Pass", &w);
    suit.show();
    Save(&suit, "suit-window");
  }
}

// The pace of the flights: the cards of the rest of the deal fly at every card speed, and the
// time per step is printed.
void Pace() {
  for (int speed = 1; speed <= 6; ++speed) {
    AppFixture app(3, /*instant=*/false);
    TForm1& w = app.Window();
    w.AppSettings().CardSpeed = speed;
    app.LeaveTitle();
    app.StartAsNewPlayer("Pace");
    app.Settle();
    QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
    app.RunUntil([&] { return !w.Table()->Busy() && w.CurrentGame().Record().Phase == 4; });
    QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);
    app.Settle();
    const auto before = w.Table()->Stats();
    QElapsedTimer clock;
    clock.start();
    QTest::mouseClick(w.Table()->Button7(), Qt::LeftButton);  // Buy cards: 8 flights
    app.Settle(30000);
    const auto after = w.Table()->Stats();
    const long steps = after.steps - before.steps;
    const double ms = (after.ns - before.ns) / 1e6;
    std::printf(
        "speed %d: %ld flights, %ld steps, %.1f ms flying, %.3f ms per step; step %lld ms\n", speed,
        after.flights - before.flights, steps, ms, steps ? ms / steps : 0.0,
        static_cast<long long>(clock.elapsed()));
  }
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  g_out = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
  if (argc > 2 && QString::fromLocal8Bit(argv[2]) == "--pace") {
    Pace();
    return 0;
  }
  QDir().mkpath(g_out);
  if (argc > 3 && QString::fromLocal8Bit(argv[2]) == "--size") {
    Shots(QString::fromLocal8Bit(argv[3]).toInt());
    return 0;
  }
  Shots(1);
  Shots(5);
  return 0;
}
