// The real main window driven as a player drives it: keys and clicks on the title, the menu,
// the login dialog, the cards and the buttons of the table.
#include <QLineEdit>
#include <QPushButton>
#include <QThread>
#include <QtTest>
#include <atomic>

#include "app_fixture.h"
#include "game/rules.h"
#include "table/suit_window.h"

using namespace ostrel;
using namespace ostrel::testing;

class MainWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void KeyLeavesTitle();
  void ClickLeavesTitle();
  void NewPlayerStartsGame();
  void WrongRepetitionKeepsDialogOpen();
  void WholeDealByClicks();
  void RefusedCardSoundsAndChangesNothing();
  void ExitToMenuAsksFirst();
  void QuitOutsideGameDoesNothing();
  void ClosingInMenuAsksNothing();
  void SuitWindowAnswersSecondRound();
  void FinishedGameEntersClubAndLeavingCostsTheSeat();
  void LongCardChoiceRunsBesideTheWindow();
};

namespace {

// Computer seats that think for a while over every card, on whatever thread asks them.
class SlowPlayers : public PlainPlayers {
 public:
  int ChooseCard(const GameRecord& record, int seat, const RuleOptions& options) override {
    ++calls;
    if (QThread::currentThread() == qApp->thread()) on_ui_thread = true;
    QThread::msleep(450);
    return PlainPlayers::ChooseCard(record, seat, options);
  }
  std::atomic<int> calls{0};
  std::atomic<bool> on_ui_thread{false};
};

}  // namespace

void MainWindowTest::LongCardChoiceRunsBesideTheWindow() {
  SlowPlayers slow;
  AppFixture app(5, true, &slow);
  app.LeaveTitle();
  app.StartAsNewPlayer("Ida");
  TForm1& w = app.Window();
  // Bid until a computer seat is to play a card.
  QVERIFY(app.RunUntil([&] {
    const int phase = w.CurrentGame().Record().Phase;
    if (!w.Table()->Busy() && phase >= 21 && phase <= 23 && slow.calls > 0) return true;
    PlayerActs(w);
    return false;
  }));
  // While the seat thinks the window goes on taking events and shows the progress bar.
  int ticks = 0;
  QTimer counter;
  QObject::connect(&counter, &QTimer::timeout, [&] { ++ticks; });
  counter.start(10);
  bool progress_seen = false;
  const int before = slow.calls;
  QVERIFY(app.RunUntil(
      [&] {
        progress_seen |= w.Table()->View()->State().panel.progress >= 0;
        PlayerActs(w);
        return slow.calls > before + 1;
      },
      10000));
  QVERIFY(ticks > 20);
  QVERIFY(progress_seen);
  QVERIFY(!slow.on_ui_thread);
}

void MainWindowTest::KeyLeavesTitle() {
  AppFixture app;
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Title);
  QTest::keyRelease(app.Window().Title(), Qt::Key_A);
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
  QVERIFY(app.Window().Menu()->isVisible());
  // Keys do nothing in the menu.
  QTest::keyRelease(app.Window().Menu(), Qt::Key_A);
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
}

void MainWindowTest::ClickLeavesTitle() {
  AppFixture app;
  QTest::mouseClick(app.Window().Title(), Qt::LeftButton, {}, QPoint(300, 200));
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
  QCOMPARE(app.Window().size(), QSize(760, 500));
}

void MainWindowTest::NewPlayerStartsGame() {
  AppFixture app;
  app.LeaveTitle();
  app.StartAsNewPlayer("Anna");
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Table);
  QVERIFY(app.Settle());
  const GameRecord& r = app.Window().CurrentGame().Record();
  QVERIFY(r.InGame);
  QCOMPARE(r.SeatName[4], std::string("Anna"));
  QCOMPARE(r.GameNumber, 1);
  QCOMPARE(app.Window().Table()->Button7Caption(), Caption::ToBegin);
  QVERIFY(app.Window().Table()->Button7()->isEnabled());
  QCOMPARE(app.Window().Table()->View()->State().hands[4].count, 6);
  QCOMPARE(app.Window().Table()->View()->State().labels[4].text, QString("Anna"));
  QVERIFY(app.Window().QuitAction()->isEnabled());
  QCOMPARE(app.sounds.Count("WTasoKo"), 1);
}

void MainWindowTest::WrongRepetitionKeepsDialogOpen() {
  AppFixture app;
  app.LeaveTitle();
  QString message;
  app.OnNextDialog([&message](QDialog* d) {
    auto* login = qobject_cast<TFormPassword*>(d);
    QTest::keyClicks(login->PasswordEdit(), "abc");
    QTest::keyClicks(login->RepetitionEdit(), "abd");
    QTest::mouseClick(login->OkButton(), Qt::LeftButton);
    message = login->Message();
    QVERIFY(login->isVisible());
    login->reject();
  });
  QTest::mouseClick(app.Window().Menu()->NewPlayerButton(), Qt::LeftButton);
  QVERIFY(!message.isEmpty());
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
}

void MainWindowTest::WholeDealByClicks() {
  AppFixture app(11);
  app.LeaveTitle();
  app.StartAsNewPlayer("Boris");
  TForm1& w = app.Window();
  const auto deal_over = [&w] {
    const int phase = w.CurrentGame().Record().Phase;
    return !w.Table()->Busy() && (phase == kPhaseDealOver || phase == kPhaseGameOver);
  };
  int tricks_seen = 0;
  QVERIFY(app.RunUntil([&] {
    if (deal_over()) return true;
    const GameRecord& r = w.CurrentGame().Record();
    if (r.Phase == kPhaseTrickComplete && !w.Table()->Busy()) ++tricks_seen;
    PlayerActs(w);
    return false;
  }));
  // The player takes the proposed trump whenever he is asked, so there is a contract.
  const GameRecord& r = w.CurrentGame().Record();
  QVERIFY(r.Declarer != 0);
  QCOMPARE(tricks_seen >= 8, true);
  QCOMPARE(int(r.TrickNumber), 9);
  for (int s = 1; s <= 4; ++s) QCOMPARE(int(r.CardCount[s]), 0);
  QCOMPARE(w.Table()->View()->State().hands[4].count, 0);
  QVERIFY(r.GameScore[1] + r.GameScore[2] > 0);
  QCOMPARE(w.Table()->View()->State().tabs[1].total, r.GameScore[1]);
  QCOMPARE(w.Table()->View()->State().tabs[2].total, r.GameScore[2]);
  QCOMPARE(w.Table()->Button7Caption(),
           r.Phase == kPhaseDealOver ? Caption::NextRound : Caption::ToSumUp);
}

void MainWindowTest::RefusedCardSoundsAndChangesNothing() {
  TForm1* window = nullptr;
  // Seeds differ in whether the player ever holds a card he may not play; try a few.
  for (std::uint64_t seed = 1; seed <= 12; ++seed) {
    AppFixture app(seed);
    window = &app.Window();
    app.LeaveTitle();
    app.StartAsNewPlayer("Clara");
    TForm1& w = app.Window();
    int refused = 0;
    const bool found = app.RunUntil([&] {
      const GameRecord& r = w.CurrentGame().Record();
      if (r.Phase == kPhaseDealOver || r.Phase == kPhaseGameOver) return true;
      if (!w.Table()->Busy() && r.Phase == 24 && r.TrickPosition > 1) {
        for (int p = 1; p <= r.CardCount[4]; ++p) {
          if (w.CurrentGame().CanPlay(p) != kAllowed) {
            refused = p;
            return true;
          }
        }
      }
      PlayerActs(w);
      return false;
    });
    QVERIFY(found);
    if (refused == 0) continue;
    const GameRecord before = w.CurrentGame().Record();
    const auto shown = w.Table()->View()->State().hands[4];
    const int wrongs = app.sounds.Count("WWrongs");
    ClickCard(w, refused);
    QVERIFY(app.Settle());
    const GameRecord& after = w.CurrentGame().Record();
    QCOMPARE(app.sounds.Count("WWrongs"), wrongs + 1);
    QCOMPARE(after.Phase, before.Phase);
    QCOMPARE(after.TrickPosition, before.TrickPosition);
    QVERIFY(after.Hand[4] == before.Hand[4]);
    QVERIFY(w.Table()->View()->State().hands[4].cards == shown.cards);
    return;
  }
  QFAIL("no seed gave a card to refuse");
  Q_UNUSED(window);
}

void MainWindowTest::ExitToMenuAsksFirst() {
  AppFixture app;
  app.LeaveTitle();
  app.StartAsNewPlayer("Dora");
  QVERIFY(app.Settle());
  app.answer = false;
  app.Window().QuitAction()->trigger();
  QCOMPARE(app.questions.size(), 1);
  QVERIFY(app.questions[0].startsWith("You want to leave in the main menu?"));
  QVERIFY(app.questions[0].contains("All datas for want of it will be lost!"));
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Table);
  QVERIFY(app.Window().CurrentGame().Record().InGame);
  app.answer = true;
  app.Window().QuitAction()->trigger();
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
  QVERIFY(!app.Window().CurrentGame().Record().InGame);
  QVERIFY(!app.Window().QuitAction()->isEnabled());
  QVERIFY(app.Window().Menu()->isVisible());
}

void MainWindowTest::QuitOutsideGameDoesNothing() {
  AppFixture app;
  app.Window().Quit();
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Title);
  app.LeaveTitle();
  app.Window().Quit();
  QCOMPARE(app.Window().CurrentScreen(), TForm1::Screen::Menu);
  QVERIFY(app.questions.isEmpty());
}

void MainWindowTest::ClosingInMenuAsksNothing() {
  AppFixture app;
  app.LeaveTitle();
  QVERIFY(app.Window().close());
  QVERIFY(app.questions.isEmpty());
  // The settings were saved on closing.
  QVERIFY(QFile::exists(QString::fromStdString(app.Folder() + "/Ostrel4.ini")));
}

void MainWindowTest::SuitWindowAnswersSecondRound() {
  // The player passes in the first round; when the second round reaches him the suit window
  // opens without the refused suit, and naming a suit takes the contract.
  for (std::uint64_t seed = 1; seed <= 20; ++seed) {
    AppFixture app(seed);
    app.LeaveTitle();
    app.StartAsNewPlayer("Emil");
    TForm1& w = app.Window();
    bool opened = false;
    int disabled = 0;
    QObject::connect(&w, &TForm1::DialogOpened, [&](QDialog* d) {
      auto* suit = qobject_cast<TFormMastDeb*>(d);
      if (suit == nullptr) return;
      opened = true;
      QTimer::singleShot(0, suit, [&, suit] {
        for (int s = 1; s <= 4; ++s) {
          if (!suit->SuitButton(s)->isEnabled()) disabled = s;
        }
        const int pick = disabled == 1 ? 2 : 1;
        QTest::mouseClick(suit->SuitButton(pick), Qt::LeftButton);
      });
    });
    QVERIFY(app.RunUntil([&] {
      const GameRecord& r = w.CurrentGame().Record();
      if (w.Table()->Busy()) return false;
      if (r.Phase >= 15) return true;
      if (r.Phase == 4) {
        QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);
        return false;
      }
      TTarvoCardsButton* b7 = w.Table()->Button7();
      if (b7->isVisible() && b7->isEnabled()) QTest::mouseClick(b7, Qt::LeftButton);
      return false;
    }));
    if (!opened) continue;
    QVERIFY(app.Settle());
    const GameRecord& r = w.CurrentGame().Record();
    QCOMPARE(SuitNumber(r.Trump), disabled == 1 ? 2 : 1);
    QVERIFY(disabled != 0);
    QCOMPARE(int(r.Declarer), 4);
    QCOMPARE(int(r.Phase), int(kPhaseContract));
    QCOMPARE(w.Table()->Button7Caption(), Caption::BuyCards);
    return;
  }
  QFAIL("the second round never reached the player");
}

void MainWindowTest::FinishedGameEntersClubAndLeavingCostsTheSeat() {
  AppFixture app(3);
  app.LeaveTitle();
  app.StartAsNewPlayer("Gina", "pw");
  TForm1& w = app.Window();
  // A whole game: every deal to its end, "Next Round" after each, then "To sum up of game".
  QVERIFY(app.RunUntil(
      [&] {
        if (w.Table()->Busy()) return false;
        if (w.CurrentGame().Record().GameOver) return true;
        PlayerActs(w);
        return false;
      },
      60000));
  QVERIFY(app.Settle());
  QCOMPARE(w.Table()->Button8Caption(), Caption::ExitToMenu);
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);
  QVERIFY(app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 3000));
  QVERIFY(w.Menu()->ClubButton(1)->text().startsWith("Gina"));
  QVERIFY(w.Menu()->ClubButton(1)->isEnabled());
  // The member comes back with her password and leaves in the middle of the game.
  app.OnNextDialog([](QDialog* d) {
    auto* login = qobject_cast<TFormPassword*>(d);
    QCOMPARE(login->NameEdit()->text(), QString("Gina"));
    QTest::keyClicks(login->PasswordEdit(), "pw");
    QTest::mouseClick(login->OkButton(), Qt::LeftButton);
  });
  QTest::mouseClick(w.Menu()->ClubButton(1), Qt::LeftButton);
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Table);
  QCOMPARE(w.CurrentGame().Record().GameNumber, 2);
  QVERIFY(app.Settle());
  w.QuitAction()->trigger();
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Menu);
  QVERIFY(!w.Menu()->ClubButton(1)->isEnabled());
}

QTEST_MAIN(MainWindowTest)
#include "main_window_test.moc"
