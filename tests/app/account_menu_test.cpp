// An account game through the main window against a real ostrel-server on a free loopback
// port: the menu's account line, the account window with "Play global rating", a whole game,
// and the account's record afterwards, which must follow the rating rule.
#include <QCheckBox>
#include <QTemporaryDir>
#include <memory>

#include "app/account/account_window.h"
#include "app_fixture.h"
#include "server_process.h"

using namespace ostrel;
using namespace ostrel::testing;

class AccountMenuTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase() { server_.reset(); }
  void AccountGameFromTheMenuIsRated();

 private:
  QTemporaryDir data_;
  std::unique_ptr<server::testing::ServerProcess> server_;
};

void AccountMenuTest::initTestCase() {
  QVERIFY(data_.isValid());
  server_ = std::make_unique<server::testing::ServerProcess>(
      OSTREL_SERVER_BINARY, std::vector<std::string>{"--data", data_.path().toStdString(),
                                                     "--hash-cost", "minimum", "--log", "none"});
}

void AccountMenuTest::AccountGameFromTheMenuIsRated() {
  AppFixture app(5);
  app.LeaveTitle();
  TForm1& w = app.Window();
  AccountIndicator& account = *w.Account();
  account.UseService(ServiceClient("http://127.0.0.1:" + std::to_string(server_->port())));
  AccountState& state = account.State();
  state.user.Nick = "Menu1";
  state.user.Pw = "secret1";
  state.user.City = "Riga";
  state.user.Country1 = "Latvia";
  state.user.Country2 = "1-026";
  state.user.EMail = "m@x.lv";
  QCOMPARE(CreateAccount(account.Client(), state, "11.12.2026"), online::RegisterResult::Created);
  emit account.AccountChanged();
  QAbstractButton* line = w.Menu()->ClubButton(5);
  // The account has no rated game yet: its line reads 0 games in the cycle and a score of 0.
  QVERIFY(app.RunUntil([&] { return line->property("account").toBool(); }, 10000));
  // The nick's padding shrinks to fit the row; the columns after it are as the club's.
  QVERIFY(line->text().startsWith("Menu1 "));
  QVERIFY(line->text().endsWith(QString(4 + 2, ' ') + "0" + QString(4 + 5, ' ') + "0"));

  // The account line opens the account window; ticking "Play global rating" starts the game.
  QTimer::singleShot(0, [] {
    QTRY_VERIFY_WITH_TIMEOUT(qobject_cast<AccountWindow*>(QApplication::activeModalWidget()),
                             10000);
    auto* window = qobject_cast<AccountWindow*>(QApplication::activeModalWidget());
    QTRY_VERIFY_WITH_TIMEOUT(!window->Busy(), 10000);
    window->PlayRating()->click();
    window->accept();
  });
  QTest::mouseClick(line, Qt::LeftButton);
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Table);
  QCOMPARE(state.mode, AccountMode::RatedGame);
  QVERIFY(w.CurrentGame().Mode().AccountGame);
  QCOMPARE(w.CurrentGame().Record().GameNumber, 1);
  QVERIFY(app.RunUntil(
      [&] {
        if (w.Table()->Busy()) return false;
        if (w.CurrentGame().Record().GameOver) return true;
        PlayerActs(w);
        return false;
      },
      60000));
  QVERIFY(app.Settle());
  const int d = w.CurrentGame().Record().ScoreDifference;
  QTest::mouseClick(w.Table()->Button8(), Qt::LeftButton);
  QVERIFY(app.RunUntil([&] { return w.CurrentScreen() == TForm1::Screen::Menu; }, 10000));
  QCOMPARE(state.mode, AccountMode::SignedIn);
  QVERIFY(!state.account_game);

  AccountState read = state;
  ReadResults(account.Client(), read);
  QVERIFY(read.record_found);
  QCOMPARE(read.game.Kon, 1);
  QVERIFY(qAbs(read.game.Rating - (d + 1 / 25.0)) < 1e-9);
  QCOMPARE(read.game.KonL, 1);
  QCOMPARE(read.game.Score, d);
  // The club did not count the account game.
  QVERIFY(!w.Menu()->ClubButton(1)->text().startsWith("Menu1"));
  QVERIFY(app.RunUntil([&] { return line->text().contains("    1    "); }, 10000));
}

QTEST_MAIN(AccountMenuTest)
#include "account_menu_test.moc"
