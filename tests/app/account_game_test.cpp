// Account games through the account indicator against a real ostrel-server on a free loopback
// port: the service's record must follow the rating rule at every step, and the failures must
// reach the player as the questions and notices say.
#include <QApplication>
#include <QCheckBox>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <memory>

#include "app/account/account_game_steps.h"
#include "app/account/account_indicator.h"
#include "app/account/account_window.h"
#include "server_process.h"

using namespace ostrel;

namespace {

std::string DeadSite() {
  return "http://127.0.0.1:9";  // the discard port: no service of ours listens there
}

// Once the account window is up and has read what it reads on opening, `act` runs on it and
// the window is closed.
void OnAccountWindow(std::function<void(AccountWindow&)> act) {
  QTimer::singleShot(0, [act] {
    auto* w = qobject_cast<AccountWindow*>(QApplication::activeModalWidget());
    if (!w) {
      OnAccountWindow(act);  // not shown yet
      return;
    }
    QTRY_VERIFY_WITH_TIMEOUT(!w->Busy(), 20000);
    act(*w);
    w->accept();
  });
}

}  // namespace

class AccountGameTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase() { server_.reset(); }
  void GamesChangeTheRatingByTheRule();
  void WindowSoundsOnlyFromTheIndicator();
  void StartFromTheWindowWithPlayGlobalRating();
  void LeavingEarlyLeavesTheProvisionalRecord();
  void CycleOf25GoesToTheClubAccountList();
  void RecordOfAnotherStartIsNotRated();
  void NoServerAtTheStartSignsOut();
  void NoServerAtTheEndAsksToRepeat();

 private:
  std::string Site() const { return "http://127.0.0.1:" + std::to_string(server_->port()); }
  // A new account, signed in, in an indicator that answers for the player.
  std::unique_ptr<AccountIndicator> SignedIn(const std::string& nick, const std::string& site);
  // The record as the service holds it now.
  online::TTarvoGame ServiceRecord(AccountIndicator& account);

  QTemporaryDir data_;
  QTemporaryDir folder_;
  std::unique_ptr<server::testing::ServerProcess> server_;
  QStringList notices_;
  QStringList questions_;
  bool repeat_ = false;
};

void AccountGameTest::initTestCase() {
  QVERIFY(data_.isValid());
  server_ = std::make_unique<server::testing::ServerProcess>(
      OSTREL_SERVER_BINARY, std::vector<std::string>{"--data", data_.path().toStdString(),
                                                     "--hash-cost", "minimum", "--log", "none"});
}

std::unique_ptr<AccountIndicator> AccountGameTest::SignedIn(const std::string& nick,
                                                            const std::string& site) {
  auto account = std::make_unique<AccountIndicator>(QString::fromStdString(site), folder_.path());
  AccountState& state = account->State();
  state.user.Nick = nick;
  state.user.Pw = "secret1";
  state.user.City = "Oslo";
  state.user.Country1 = "Norway";
  state.user.Country2 = "1-035";
  state.user.EMail = "p@x.no";
  if (site == Site()) {
    const online::RegisterResult created = CreateAccount(account->Client(), state, "11.12.2026");
    if (created != online::RegisterResult::Created) qFatal("the account was not created");
  }
  state.mode = AccountMode::SignedIn;
  account->skip_retry_waits = true;
  notices_.clear();
  questions_.clear();
  account->notify = [this](const QString& text) { notices_ << text; };
  account->ask = [this](const QString& question) {
    questions_ << question;
    const bool answer = repeat_;
    repeat_ = false;  // yes once at most, then no
    return answer;
  };
  return account;
}

online::TTarvoGame AccountGameTest::ServiceRecord(AccountIndicator& account) {
  AccountState copy = account.State();
  ReadResults(account.Client(), copy);
  if (!copy.record_found) qFatal("the rated record could not be read");
  return copy.game;
}

void AccountGameTest::GamesChangeTheRatingByTheRule() {
  auto account = SignedIn("Rated1", Site());
  account->State().mode = AccountMode::RatedGame;
  const auto first = account->BeginAccountGame();
  QVERIFY(first.has_value());
  QCOMPARE(first->game_number, 1);
  QCOMPARE(first->cycle_game, 1);
  QVERIFY(account->State().account_game);
  // Until its end the game counts as lost by 500.
  QCOMPARE(ServiceRecord(*account).Kon, 1);
  QCOMPARE(ServiceRecord(*account).Rating, -499.96);

  account->FinishAccountGame(40, 40, false);
  QVERIFY(questions_.isEmpty());
  QVERIFY(notices_.isEmpty());
  const online::TTarvoGame after = ServiceRecord(*account);
  QCOMPARE(after.Kon, 1);
  QVERIFY(qAbs(after.Rating - 40.04) < 1e-9);
  QCOMPARE(after.KonL, 1);
  QCOMPARE(after.Score, 40);
  QCOMPARE(account->State().game, after);
  QCOMPARE(account->State().mode, AccountMode::SignedIn);
  QVERIFY(!account->State().account_game);

  // The next game needs "Play global rating" anew; with it, it goes on from the record.
  QVERIFY(!account->BeginAccountGame());
  account->State().mode = AccountMode::RatedGame;
  const auto second = account->BeginAccountGame();
  QVERIFY(second.has_value());
  QCOMPARE(second->game_number, 2);
  QCOMPARE(second->initial_score, 40);
  QCOMPARE(second->cycle_game, 2);
  account->FinishAccountGame(-100, -60, false);
  const online::TTarvoGame two = ServiceRecord(*account);
  QCOMPARE(two.Kon, 2);
  QVERIFY(qAbs(two.Rating - ((40 - 100) / 2.0 + 2 / 25.0)) < 1e-9);
  QCOMPARE(two.KonL, 2);
  QCOMPARE(two.Score, -60);
}

// The indicator's click sounds "WOpenFo"; the window opened for an account game is silent and
// offers "Play global rating", which the indicator's window does not.
void AccountGameTest::WindowSoundsOnlyFromTheIndicator() {
  auto account = SignedIn("Nobody3", DeadSite());
  QStringList sounds;
  account->play_sound = [&](const char* name) { sounds << name; };
  bool offered = true;
  OnAccountWindow([&](AccountWindow& w) { offered = w.PlayRating()->isEnabled(); });
  account->OpenAccountWindow();
  QCOMPARE(sounds, QStringList{"WOpenFo"});
  QVERIFY(!offered);
  OnAccountWindow([&](AccountWindow& w) { offered = w.PlayRating()->isEnabled(); });
  QVERIFY(!account->StartAccountGame());  // not ticked: no game, nothing sent
  QCOMPARE(sounds, QStringList{"WOpenFo"});
  QVERIFY(offered);
  QCOMPARE(account->State().mode, AccountMode::SignedIn);
  QVERIFY(notices_.isEmpty());
}

void AccountGameTest::StartFromTheWindowWithPlayGlobalRating() {
  auto account = SignedIn("Ticker", Site());
  OnAccountWindow([](AccountWindow& w) { w.PlayRating()->click(); });
  const auto setup = account->StartAccountGame();
  QVERIFY(setup.has_value());
  QCOMPARE(setup->game_number, 1);
  QCOMPARE(account->State().mode, AccountMode::RatedGame);
  QVERIFY(account->State().account_game);
  QVERIFY(!account->State().rating_choice);
  QCOMPARE(ServiceRecord(*account).Kon, 1);
}

void AccountGameTest::LeavingEarlyLeavesTheProvisionalRecord() {
  auto account = SignedIn("Quitter", Site());
  account->State().mode = AccountMode::RatedGame;
  QVERIFY(account->BeginAccountGame());
  account->FinishAccountGame(30, 30, false);
  account->State().mode = AccountMode::RatedGame;
  QVERIFY(account->BeginAccountGame());
  QSignalSpy changed(account.get(), &AccountIndicator::AccountChanged);
  account->LeaveAccountGame();
  QCOMPARE(changed.count(), 1);
  QCOMPARE(account->State().mode, AccountMode::SignedIn);
  QVERIFY(!account->State().account_game);
  const online::TTarvoGame left = ServiceRecord(*account);
  QCOMPARE(left.Kon, 2);
  QVERIFY(qAbs(left.Rating - online::ProvisionalRating(1, 30.04)) < 1e-9);
  QCOMPARE(left.KonL, 0);
  QCOMPARE(left.Score, 0);
}

void AccountGameTest::CycleOf25GoesToTheClubAccountList() {
  auto account = SignedIn("Cycler", Site());
  QSignalSpy verdict(account.get(), &AccountIndicator::CycleVerdictWanted);
  for (int game = 1; game <= 25; ++game) {
    account->State().mode = AccountMode::RatedGame;
    const auto setup = account->BeginAccountGame();
    QVERIFY(setup.has_value());
    QCOMPARE(setup->cycle_game, game);
    account->FinishAccountGame(12, setup->initial_score + 12, false);
    QCOMPARE(verdict.count(), game == 25 ? 1 : 0);
  }
  QVERIFY(questions_.isEmpty());
  const online::TTarvoGame record = ServiceRecord(*account);
  QCOMPARE(record.Kon, 25);
  QCOMPARE(record.Sessions, 1);
  QCOMPARE(record.Best, 300);
  QCOMPARE(record.KonL, 0);
  QCOMPARE(record.Score, 0);
  QCOMPARE(verdict.at(0).at(0).toInt(), 1);  // the first line of the club-account list
  QCOMPARE(verdict.at(0).at(1).toInt(), 300);
}

// Another copy of the program started a game after this one: the record read back at the end
// holds that game, which this game's result must not close.
void AccountGameTest::RecordOfAnotherStartIsNotRated() {
  auto account = SignedIn("Twice1", Site());
  account->State().mode = AccountMode::RatedGame;
  QVERIFY(account->BeginAccountGame());
  AccountState other = account->State();
  QVERIFY(StartAccountGame(account->Client(), other, RetryHooks{}));
  account->FinishAccountGame(200, 200, false);
  QCOMPARE(notices_, QStringList{"Unable to write the result of the game!"});
  QVERIFY(questions_.isEmpty());
  QCOMPARE(account->State().mode, AccountMode::SignedIn);
  const online::TTarvoGame record = ServiceRecord(*account);
  QCOMPARE(record.Kon, 2);
  QVERIFY(record.Rating < 0);  // both games still count as lost
}

void AccountGameTest::NoServerAtTheStartSignsOut() {
  auto account = SignedIn("Nobody", DeadSite());
  account->State().mode = AccountMode::RatedGame;
  QStringList sounds;
  account->play_sound = [&](const char* name) { sounds << name; };
  QSignalSpy changed(account.get(), &AccountIndicator::AccountChanged);
  QVERIFY(!account->BeginAccountGame());
  QCOMPARE(notices_, QStringList{"Could not connect to server!"});
  QCOMPARE(account->State().mode, AccountMode::SignedOut);
  QVERIFY(!account->State().account_game);
  QCOMPARE(changed.count(), 1);
  // The record could not even be read, so no save was tried.
  QCoreApplication::processEvents();
  QVERIFY(sounds.isEmpty());
}

void AccountGameTest::NoServerAtTheEndAsksToRepeat() {
  auto account = SignedIn("Nobody2", DeadSite());
  account->State().mode = AccountMode::RatedGame;
  account->State().account_game = true;
  account->State().started_kon = 3;
  repeat_ = true;
  account->FinishAccountGame(10, 10, false);
  const QString question = "Could not connect to server!\n\rRepeat?";
  QCOMPARE(questions_, (QStringList{question, question}));
  QVERIFY(notices_.isEmpty());
  QCOMPARE(account->State().mode, AccountMode::SignedIn);
  QVERIFY(!account->State().account_game);
}

QTEST_MAIN(AccountGameTest)
#include "account_game_test.moc"
