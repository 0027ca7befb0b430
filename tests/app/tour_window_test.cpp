// The tournament window: its seat rules on their own, then the window against a real
// ostrel-server (web service and tables on free loopback ports) and against no server at all.
// With OSTREL_SCREENSHOT_DIR set, the windows are saved there as pictures as well.
#include <QApplication>
#include <QLabel>
#include <QProcess>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/tour/tour_seats.h"
#include "app/tour/tour_top10.h"
#include "app/tour/tour_window.h"
#include "app_fixture.h"
#include "online/replies.h"
#include "server_process.h"
#include "table/cards_button.h"
#include "table/suit_window.h"

Q_DECLARE_METATYPE(ostrel::tour::TourTables)
Q_DECLARE_METATYPE(ostrel::tour::Booking)

using namespace ostrel;
using tour::Booking;
using tour::SeatButton;
using tour::SeatLook;

namespace {

constexpr int kWaitMs = 20000;

std::string DeadSite() {
  return "http://127.0.0.1:9";  // the discard port: no service of ours listens there
}

tour::TourTables TablesWith(std::initializer_list<std::pair<int, int>> taken) {
  tour::TourTables tables{};
  for (const auto& [table, seat] : taken) {
    auto& player =
        tables[static_cast<std::size_t>(table - 1)].Seats[static_cast<std::size_t>(seat - 1)];
    player.Nick = "P" + std::to_string(table) + std::to_string(seat);
    player.Score = 10 * seat;
  }
  return tables;
}

void Save(QWidget& w, const char* name) {
  const QByteArray dir = qgetenv("OSTREL_SCREENSHOT_DIR");
  if (dir.isEmpty()) return;
  w.grab().save(QString::fromUtf8(dir) + "/" + name);
}

}  // namespace

class TourWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase() { server_.reset(); }
  void SeatButtons_data();
  void SeatButtons();
  void BookingAndAddressRules();
  void TakeGiveUpAndTheFirstDealClosesTheWindow();
  void NoServerDisablesEverySeat();
  void TopTen();
  void AGameAtTheMainWindowsTable();
  void APlayerWhoLeavesEndsTheGameAtTheTable();

 private:
  std::string Site() const { return "http://127.0.0.1:" + std::to_string(server_->port()); }
  TourAccount Register(const std::string& nick);
  bool SitBesideSimulatedPlayers(testing::AppFixture& app, const TourAccount& me, int table,
                                 std::array<QProcess, 3>& sims);
  QTemporaryDir data_;
  std::unique_ptr<server::testing::ServerProcess> server_;
};

void TourWindowTest::initTestCase() {
  QVERIFY(data_.isValid());
  server_ = std::make_unique<server::testing::ServerProcess>(
      OSTREL_SERVER_BINARY,
      std::vector<std::string>{"--data", data_.path().toStdString(), "--hash-cost", "minimum",
                               "--log", "none", "--tables", "127.0.0.1:0", "--tour-message",
                               "Good_luck_at_the_tables"});
}

TourAccount TourWindowTest::Register(const std::string& nick) {
  online::TTarvoUser user;
  user.Nick = nick;
  user.Pw = "secret1";
  user.City = "Tartu";
  user.Country1 = "Estonia";
  user.Country2 = "2-372";
  user.EMail = "t@example.org";
  const auto reply = ServiceClient(Site()).Send(online::RegisterRequest{user});
  if (!reply || online::ParseRegisterReply(*reply) != online::RegisterResult::Created) return {};
  return TourAccount{nick, "secret1", "Estonia", "Tartu", 'M', "127.0.0.1"};
}

void TourWindowTest::SeatButtons_data() {
  QTest::addColumn<tour::TourTables>("tables");
  QTest::addColumn<int>("table");
  QTest::addColumn<int>("seat");
  QTest::addColumn<Booking>("booked");
  QTest::addColumn<bool>("server_on");
  QTest::addColumn<int>("look");
  QTest::addColumn<bool>("enabled");
  const auto row = [](const char* name, tour::TourTables t, int table, int seat, Booking b, bool on,
                      SeatLook look, bool enabled) {
    QTest::newRow(name) << t << table << seat << b << on << static_cast<int>(look) << enabled;
  };
  row("seat 1 of an empty table", TablesWith({}), 2, 1, {}, true, SeatLook::kTake, true);
  row("seat 2 behind a free seat 1", TablesWith({}), 2, 2, {}, true, SeatLook::kFree, false);
  row("seat 2 behind a taken seat 1", TablesWith({{2, 1}}), 2, 2, {}, true, SeatLook::kTake, true);
  row("someone else's seat", TablesWith({{2, 1}}), 2, 1, {}, true, SeatLook::kOther, false);
  row("a free seat while booked elsewhere", TablesWith({{5, 1}}), 2, 1, Booking{5, 1}, true,
      SeatLook::kTake, false);
  row("the own seat 2 is given up", TablesWith({{2, 1}, {2, 2}}), 2, 2, Booking{2, 2}, true,
      SeatLook::kLogOff, true);
  row("the own seat 4 is never given up", TablesWith({{2, 1}, {2, 2}, {2, 3}, {2, 4}}), 2, 4,
      Booking{2, 4}, true, SeatLook::kOwn, false);
  row("server off", TablesWith({{2, 1}}), 2, 2, {}, false, SeatLook::kServerOff, false);
}

void TourWindowTest::SeatButtons() {
  QFETCH(tour::TourTables, tables);
  QFETCH(int, table);
  QFETCH(int, seat);
  QFETCH(Booking, booked);
  QFETCH(bool, server_on);
  QFETCH(int, look);
  QFETCH(bool, enabled);
  const SeatButton b = tour::SeatButtonOf(tables, table, seat, booked, server_on);
  QCOMPARE(static_cast<int>(b.look), look);
  QCOMPARE(b.enabled, enabled);
  if (b.look == SeatLook::kOther) QCOMPARE(b.nick, std::string("P21"));
}

void TourWindowTest::BookingAndAddressRules() {
  // The booking is forgotten once seat 1 of its table is free again, or the server is off.
  QCOMPARE(tour::AfterList(TablesWith({{3, 1}, {3, 2}}), Booking{3, 2}, true), (Booking{3, 2}));
  QCOMPARE(tour::AfterList(TablesWith({{3, 2}}), Booking{3, 2}, true), Booking{});
  QCOMPARE(tour::AfterList(TablesWith({{3, 1}}), Booking{3, 1}, false), Booking{});
  QCOMPARE(tour::SeatsClearedBehind(1), (std::vector<int>{2, 3}));
  QCOMPARE(tour::SeatsClearedBehind(2), (std::vector<int>{3}));
  QVERIFY(tour::SeatsClearedBehind(3).empty());
  tour::TourTables t = TablesWith({{1, 1}});
  t[0].Seats[0].IP = "10.0.0.5";
  QVERIFY(!tour::SameAddressAllowed(t[0], 2, "10.0.0.5", "192.0.2.7"));
  QVERIFY(tour::SameAddressAllowed(t[0], 2, "10.0.0.6", "192.0.2.7"));
  QVERIFY(tour::SameAddressAllowed(t[0], 2, "10.0.0.5", "127.0.0.1"));
  QCOMPARE(tour::MessageFontHeight(39), 28);
  QCOMPARE(tour::MessageFontHeight(40), 24);
  QCOMPARE(tour::MessageFontHeight(54), 24);
  QCOMPARE(tour::MessageFontHeight(55), 20);
}

void TourWindowTest::TakeGiveUpAndTheFirstDealClosesTheWindow() {
  std::array<TourAccount, 4> accounts{Register("Aino"), Register("Bruno"), Register("Cilla"),
                                      Register("Dario")};
  for (const auto& a : accounts) QVERIFY(!a.nick.empty());
  std::array<lan::TourSession, 4> cs;
  std::array<std::unique_ptr<TFTour4>, 4> w;
  for (int k = 0; k < 4; ++k) {
    w[k] = std::make_unique<TFTour4>(ServiceClient(Site()), accounts[k], &cs[k]);
    w[k]->show();
  }
  TFTour4& a = *w[0];
  QVERIFY(a.ServerOn());
  QCOMPARE(a.MessageLine()->text(), QString("Good luck at the tables"));
  QCOMPARE(a.SeatButtonAt(3, 1)->text(), QString("Take the place of"));
  QVERIFY(a.SeatButtonAt(3, 1)->isEnabled());
  QCOMPARE(a.SeatButtonAt(3, 2)->text(), QString("Free"));
  QVERIFY(!a.SeatButtonAt(3, 2)->isEnabled());

  // Aino sits down at table 3: her seat reads "Log off", the window stays open.
  QSignalSpy connected(&cs[0], &lan::TourSession::Connected);
  a.SeatClicked(3, 1);
  QCOMPARE(a.Booked(), (Booking{3, 1}));
  QCOMPARE(a.SeatButtonAt(3, 1)->text(), QString("Log off"));
  QVERIFY(a.SeatButtonAt(3, 1)->isEnabled());
  QVERIFY(!a.SeatButtonAt(4, 1)->isEnabled());
  QVERIFY(!a.RefreshButton()->isEnabled());
  a.reject();
  QVERIFY(a.isVisible());
  QTRY_COMPARE_WITH_TIMEOUT(connected.size(), 1, kWaitMs);

  // Bruno sees her and takes seat 2; giving up seat 1 then frees the table.
  w[1]->Refresh();
  QCOMPARE(w[1]->SeatButtonAt(3, 1)->text(), QString("Aino : 0"));
  QVERIFY(w[1]->SeatButtonAt(3, 2)->isEnabled());
  w[1]->SeatClicked(3, 2);
  QCOMPARE(w[1]->Booked(), (Booking{3, 2}));
  Save(*w[1], "tour-window-seats.png");
  a.SeatClicked(3, 1);
  QCOMPARE(a.Booked(), Booking{});
  QCOMPARE(a.SeatButtonAt(3, 2)->text(), QString("Free"));
  w[1]->Refresh();
  QCOMPARE(w[1]->Booked(), Booking{});
  a.reject();
  QVERIFY(!a.isVisible());

  // Four players at table 7: the first deal closes every window.
  a.show();
  for (int k = 0; k < 4; ++k) {
    w[k]->Refresh();
    w[k]->SeatClicked(7, k + 1);
    QCOMPARE(w[k]->Booked(), (Booking{7, k + 1}));
  }
  for (int k = 0; k < 4; ++k) {
    QTRY_VERIFY_WITH_TIMEOUT(!w[k]->isVisible(), kWaitMs);
    QCOMPARE(w[k]->result(), int(QDialog::Accepted));
    QCOMPARE(cs[k].Deals(), 1);
  }
  for (auto& c : cs) c.Close();
}

void TourWindowTest::NoServerDisablesEverySeat() {
  lan::TourSession cs;
  TFTour4 w(ServiceClient(DeadSite()), TourAccount{"Nobody", "secret1", "Estonia", "Tartu"}, &cs);
  QVERIFY(!w.ServerOn());
  for (int t = 1; t <= 10; ++t) {
    for (int s = 1; s <= 4; ++s) {
      QCOMPARE(w.SeatButtonAt(t, s)->text(), QString("Server Off"));
      QVERIFY(!w.SeatButtonAt(t, s)->isEnabled());
    }
  }
  QCOMPARE(w.MessageLine()->text(), QString("No Connect"));
  QCOMPARE(w.PlaceLabel()->text(), QString("No Connect"));
  Save(w, "tour-window-server-off.png");
}

void TourWindowTest::TopTen() {
  TFormTourTop10 off(ServiceClient(DeadSite()), TourFigures{});
  QCOMPARE(off.Line(0)->text(), QString("No Connect"));
  QCOMPARE(off.PlaceLine()->text(), QString("Your place: No Connect"));
  TFormTourTop10 top(ServiceClient(Site()), TourFigures{});
  QVERIFY(top.PlaceLine()->text().startsWith("Your place: "));
  QVERIFY(top.PlaceLine()->text() != "Your place: No Connect");
  top.ShowKind(online::TourKind::Rating);
  QVERIFY(top.PlaceLine()->text() != "Your place: No Connect");
  Save(top, "tour-top10.png");
}

// The main window's player takes seat 4 of table 5 beside three simulated players, plays the
// game at the table with the move timer running, and is back at the tournament window after it.
// Signs the main window's player in and seats him at seat 4 of `table` once three simulated
// players hold seats 1 to 3; true when the first deal has closed the tournament window.
bool TourWindowTest::SitBesideSimulatedPlayers(testing::AppFixture& app, const TourAccount& me,
                                               int table, std::array<QProcess, 3>& sims) {
  app.LeaveTitle();
  AccountState& account = app.Window().Account()->State();
  account.mode = AccountMode::SignedIn;
  account.user.Nick = me.nick;
  account.user.Pw = me.pw;
  account.user.City = me.city;
  account.user.Country1 = me.country;
  for (int seat = 1; seat <= 3; ++seat) {
    sims[seat - 1].start(OSTREL_SIM_BINARY,
                         {"--tournament", "--site", QString::fromStdString(Site()), "--nick",
                          QStringLiteral("Simu%1").arg(seat), "--password", "secret1", "--table",
                          QString::number(table), "--seat", QString::number(seat), "--think-ms",
                          "20", "--play", "greedy"});
  }
  bool seated = false;
  app.OnNextDialog([&](QDialog* dialog) {
    auto* tour_window = qobject_cast<TFTour4*>(dialog);
    if (tour_window == nullptr) return dialog->reject();
    QElapsedTimer clock;
    clock.start();
    while (clock.elapsed() < kWaitMs && !tour_window->SeatButtonAt(table, 4)->isEnabled()) {
      QTest::qWait(200);
      tour_window->Refresh();
    }
    seated = tour_window->SeatButtonAt(table, 4)->isEnabled();
    if (!seated) return dialog->reject();
    Save(*tour_window, "tour-window-table-full.png");
    QTest::mouseClick(tour_window->SeatButtonAt(table, 4), Qt::LeftButton);
  });
  app.Window().OpenTournament();
  return seated && app.Window().CurrentScreen() == TForm1::Screen::Table;
}

void TourWindowTest::AGameAtTheMainWindowsTable() {
  const TourAccount me = Register("Erkki");
  QVERIFY(!me.nick.empty());
  testing::AppFixture app(7, true, nullptr, std::nullopt, QString::fromStdString(Site()));
  TForm1& window = app.Window();
  std::array<QProcess, 3> sims;
  QVERIFY(SitBesideSimulatedPlayers(app, me, 5, sims));
  QCOMPARE(window.CurrentScreen(), TForm1::Screen::Table);
  Game& game = window.CurrentGame();
  QVERIFY(game.Mode().TournamentMode);
  QCOMPARE(game.Mode().TournamentSeat, 4);
  QCOMPARE(game.Record().SeatName[4], me.nick);

  // At the player's first turn the timer counts down beside his label.
  QVERIFY(app.RunUntil([&] { return game.MoveTimerSeat() == 4; }, kWaitMs));
  const MoveTimerView& shown = window.Table()->View()->State().move_timer;
  QVERIFY(app.RunUntil([&] { return shown.seat == 4 && shown.count <= 24; }, kWaitMs));
  QVERIFY(app.sounds.Count("STimerA") >= 1);
  Save(window, "tour-table-move-timer.png");

  // The player answers every turn until the game is over and summed up.
  const bool over = app.RunUntil(
      [&] {
        // Asked to name a trump, the player passes with the window's own button.
        for (QWidget* w : QApplication::topLevelWidgets()) {
          auto* suits = qobject_cast<TFormMastDeb*>(w);
          if (suits != nullptr && suits->isVisible()) {
            QTest::mouseClick(suits->PassButton(), Qt::LeftButton);
          }
        }
        testing::PlayerActs(window);
        const ButtonEffect& b8 = game.Button(8);
        return game.Record().GameOver && b8.enabled && b8.caption == Caption::ExitToMenu;
      },
      120000);
  QVERIFY(over);
  for (QProcess& sim : sims) {
    QVERIFY(sim.waitForFinished(kWaitMs));
    QCOMPARE(sim.exitCode(), 0);
  }
  // "Exit to menu" opens the tournament window again.
  bool reopened = false;
  app.OnNextDialog([&](QDialog* dialog) {
    reopened = qobject_cast<TFTour4*>(dialog) != nullptr;
    dialog->reject();
  });
  QVERIFY(app.RunUntil([&] { return window.Table()->Button8()->isEnabled(); }, kWaitMs));
  QTest::mouseClick(window.Table()->Button8(), Qt::LeftButton);
  QVERIFY(app.RunUntil([&] { return reopened; }, kWaitMs));
  QVERIFY(!game.Mode().TournamentMode);
}

// Another player leaving ends the game here: the sound, only "Exit to menu" left, and the two
// others end as well.
void TourWindowTest::APlayerWhoLeavesEndsTheGameAtTheTable() {
  const TourAccount me = Register("Fenna");
  QVERIFY(!me.nick.empty());
  testing::AppFixture app(7, true, nullptr, std::nullopt, QString::fromStdString(Site()));
  std::array<QProcess, 3> sims;
  QVERIFY(SitBesideSimulatedPlayers(app, me, 6, sims));
  Game& game = app.Window().CurrentGame();
  QVERIFY(game.Record().InGame && !game.Record().GameOver);
  const int wrongs = app.sounds.Count("WWrongs");
  sims[1].kill();
  QVERIFY(app.RunUntil([&] { return game.Record().GameOver; }, kWaitMs));
  QCOMPARE(app.sounds.Count("WWrongs"), wrongs + 1);
  QVERIFY(!game.Button(7).enabled);
  QVERIFY(game.Button(8).enabled && game.Button(8).caption == Caption::ExitToMenu);
  QCOMPARE(game.MoveTimerSeat(), 0);
  for (int k : {0, 2}) {
    QVERIFY(sims[k].waitForFinished(kWaitMs));
    QCOMPARE(sims[k].exitCode(), 3);
  }
  sims[1].waitForFinished(kWaitMs);
}

QTEST_MAIN(TourWindowTest)
#include "tour_window_test.moc"
