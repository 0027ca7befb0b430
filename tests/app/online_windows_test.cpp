// The world top ten, statistics and chat windows and the menu's news and chat indicators
// against a real ostrel-server on a free loopback port (its database filled beforehand through
// the server's store), and against no server at all.
#include <QCheckBox>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTreeWidget>
#include <QtTest>
#include <memory>

#include "app/online/chat_window.h"
#include "app/online/online_indicators.h"
#include "app/online/result_write_window.h"
#include "app/online/stats_reports.h"
#include "app/online/stats_window.h"
#include "app/online/world_top_ten_window.h"
#include "online_server.h"

using namespace ostrel;

namespace {

constexpr int kWaitMs = 20000;

// The discard port, where no service of ours listens on loopback.
ServiceClient DeadClient() {
  return ServiceClient("http://127.0.0.1:9");
}

QString Cell(QTreeWidget* tree, int row, int column) {
  const QTreeWidgetItem* item = tree->topLevelItem(row);
  return item ? item->text(column) : QStringLiteral("<no row %1>").arg(row);
}

}  // namespace

class OnlineWindowsTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase() { server_.reset(); }
  void TopTenListsNumberOfGamesAndNearMe();
  void PurpleDesignOffersSevenViews();
  void ChatShowsNewMarksSendsAndKeepsItsFile();
  void ChatLineNeedsAPassport();
  void StatsAndLike();
  void IndicatorsFindNewChatAndNews();
  void ResultWriteShowsThePlace();
  void StartAndGameReports();
  void NoServerShowsNoConnect();

 private:
  ServiceClient Client() const {
    return ServiceClient("http://127.0.0.1:" + std::to_string(server_->port()));
  }
  QTemporaryDir data_, site_;
  std::unique_ptr<server::testing::ServerProcess> server_;
};

void OnlineWindowsTest::initTestCase() {
  QVERIFY(data_.isValid() && site_.isValid());
  server_ = testing::StartFilledServer(OSTREL_SERVER_BINARY, data_.path().toStdString(),
                                       site_.path().toStdString());
}

void OnlineWindowsTest::TopTenListsNumberOfGamesAndNearMe() {
  TopTenWindowInput input;
  input.passport_nick = "Ann";
  input.passport_city = "Oslo";
  WorldTopTenWindow w(Client(), input);
  QCOMPARE(w.Views().size(), std::size_t{3});
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QTreeWidget* list = w.List();
  QCOMPARE(Cell(list, 0, 0), QString("1."));
  QCOMPARE(Cell(list, 0, 3), QString("Walter"));
  QCOMPARE(Cell(list, 0, 4), QString("Москва"));
  QCOMPARE(Cell(list, 0, 5), QString("310"));
  QVERIFY(!list->topLevelItem(0)->icon(1).isNull());  // the flag of the Windows list
  QCOMPARE(Cell(list, 2, 3), QString("Bob"));
  QCOMPARE(w.GamesLabel()->text(), QString("Number of games: 3"));
  QVERIFY(w.NearList()->topLevelItemCount() >= 1);
  bool ann_near = false;
  for (int i = 0; i < w.NearList()->topLevelItemCount(); ++i)
    ann_near |= Cell(w.NearList(), i, 3) == "Ann" && Cell(w.NearList(), i, 0) == "2.";
  QVERIFY(ann_near);

  // The Android list names the country after the city and shows no flag.
  w.ViewChoice()->setCurrentRow(1);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && Cell(w.List(), 0, 3) == "Droid", kWaitMs);
  QCOMPARE(Cell(w.List(), 0, 4), QString("Kazan, Russia"));
  QVERIFY(w.List()->topLevelItem(0)->icon(1).isNull());
  QCOMPARE(w.GamesLabel()->text(), QString("Number of games: 1"));
}

void OnlineWindowsTest::PurpleDesignOffersSevenViews() {
  TopTenWindowInput input;
  input.purple = true;
  input.local_games.rows[1] = {"1.", "Mr.X", "   812", false, true};
  WorldTopTenWindow w(Client(), input);
  QCOMPARE(w.Views().size(), std::size_t{7});
  QCOMPARE(w.CurrentView(), TopTenView::AccountRating);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  // The account rating list: ratings with three decimals and a comma.
  QCOMPARE(Cell(w.List(), 0, 3), QString("Vera"));
  QCOMPARE(Cell(w.List(), 0, 4), QString("Riga, Latvia"));
  QCOMPARE(Cell(w.List(), 0, 5), QString("7,000"));
  QVERIFY(!w.GamesLabel()->isVisibleTo(&w));
  w.ViewChoice()->setCurrentRow(5);
  QCOMPARE(w.CurrentView(), TopTenView::LocalGames);
  QCOMPARE(Cell(w.List(), 0, 3), QString("Mr.X"));
  QCOMPARE(Cell(w.List(), 0, 5), QString("812"));
  w.ViewChoice()->setCurrentRow(4);
  w.ShowTourKind(online::TourKind::Rating);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(w.CurrentView(), TopTenView::Tournament);
  QCOMPARE(Cell(w.List(), 0, 3), QString("Vera"));
  QCOMPARE(Cell(w.List(), 0, 5), QString("12"));  // by rating
  w.ShowTourKind(online::TourKind::Score);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy() && Cell(w.List(), 0, 5) == "40", kWaitMs);
}

void OnlineWindowsTest::ChatShowsNewMarksSendsAndKeepsItsFile() {
  QTemporaryDir shared;
  const std::string folder = shared.path().toStdString();
  QVERIFY(SaveChatFile(folder, {1, false, true}).ok());
  Settings settings;
  settings.PassportNick = "Walter";
  settings.PassportCity = "Riga";
  settings.PassportSex = "M";
  QStringList notices;
  ChatWindow w(Client(), settings, folder);
  w.notify = [&](const QString& text) { notices << text; };
  w.stamp = [] { return std::string("09:15 11.12.2026 Ostrel-Quartet"); };
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(w.ShownNumbers(), (std::vector<int>{2, 1}));
  QCOMPARE(w.NewNumbers(), (std::vector<int>{2}));
  QCOMPARE(w.ShownText(0), QString("Riga : 10 00 01.12.2026 Ostrel 5.7f : Bob\nHi all"));
  QCOMPARE(LoadChatFile(folder).last_seen, 2);
  QVERIFY(w.OpenOnNewBox()->isChecked());

  // The box writes the file at once, and the newest message goes to the bottom.
  w.AtBottomBox()->setChecked(true);
  QCOMPARE(LoadChatFile(folder), (ChatFile{2, true, true}));
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(w.ShownNumbers(), (std::vector<int>{1, 2}));
  QCOMPARE(w.NewNumbers(), std::vector<int>{});

  // Two words travel as one with "_" and come back with the space.
  QVERIFY(w.Line()->isEnabled());
  QTest::keyClicks(w.Line(), "Hello world");
  QTest::keyClick(w.Line(), Qt::Key_Return);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices, QStringList());
  QVERIFY(w.Line()->text().isEmpty());
  QVERIFY(!w.Line()->isEnabled());
  QCOMPARE(w.ShownNumbers().back(), 3);
  QCOMPARE(w.NewNumbers(), std::vector<int>{});  // one's own message is not news
  QCOMPARE(w.ShownText(2), QString("Riga : 09 15 11.12.2026 Ostrel-Quartet 5.7f : Walter\n"
                                   "Hello world"));
  QCOMPARE(LoadChatFile(folder).last_seen, 3);
  const std::optional<TopTenLines> stored = ReadTopTenList(Client(), online::kChatGameId);
  QVERIFY(stored.has_value());
  QCOMPARE(stored->front().R10, std::string("Hello_world"));

  // The timer gives the line back; the service takes one message per 15 seconds, so a second
  // one at once is refused and told.
  w.Tick();
  QVERIFY(w.Line()->isEnabled());
  QTest::keyClicks(w.Line(), "Again");
  QTest::mouseClick(w.SendButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices, QStringList{"Unable to send a message!"});
  QCOMPARE(w.Line()->text(), QString("Again"));
}

void OnlineWindowsTest::ChatLineNeedsAPassport() {
  QTemporaryDir shared;
  Settings settings;
  settings.PassportNick = "W";  // one character: refused by the passport check
  ChatWindow w(Client(), settings, shared.path().toStdString());
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QVERIFY(!w.Line()->isEnabled());
  w.Tick();
  QVERIFY(!w.Line()->isEnabled());
  settings.PassportNick = "Walter12345678";  // 14 characters
  w.Tick();
  QVERIFY(!w.Line()->isEnabled());
  settings.PassportNick = "Walter";
  w.Tick();
  QVERIFY(w.Line()->isEnabled());
  // The first start: no chat file yet, so message 1 counts as seen.
  const std::vector<int> fresh = w.NewNumbers();
  QCOMPARE(fresh.front(), w.ShownNumbers().front());
  QVERIFY(std::find(fresh.begin(), fresh.end(), 1) == fresh.end());
  QCOMPARE(w.File().last_seen, w.ShownNumbers().front());
}

void OnlineWindowsTest::StatsAndLike() {
  Settings settings;
  settings.Liked = false;
  QStringList asked = {"A", "Walter1234567", "Walter"};  // 1 and 13 characters are refused
  int saved = 0;
  StatsWindow w(Client(), settings);
  w.ask_nick = [&]() -> std::optional<QString> {
    if (asked.isEmpty()) return std::nullopt;
    return asked.takeFirst();
  };
  w.save_settings = [&] { ++saved; };
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  const QStringList expected = {"40", "30", "5", "Ann", "100", "4", "60", "40", "7", "3"};
  for (int row = 0; row < kStatsRows; ++row) QCOMPARE(w.Value(row)->text(), expected[row]);
  QVERIFY(w.LikeButton()->isEnabled());
  QTest::mouseClick(w.LikeButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QVERIFY(asked.isEmpty());
  QCOMPARE(settings.PassportNick, std::string("Walter"));
  QVERIFY(settings.Liked);
  QCOMPARE(saved, 1);
  QVERIFY(!w.LikeButton()->isEnabled());
  QCOMPARE(w.Value(2)->text(), QString("6"));
  QCOMPARE(w.Value(3)->text(), QString("Walter"));
  const std::optional<online::TTarvoStat> read = ReadStats(Client());
  QVERIFY(read.has_value());
  QCOMPARE(read->Stat3, 6);
  QCOMPARE(read->Stat4, std::string("Walter"));
}

void OnlineWindowsTest::IndicatorsFindNewChatAndNews() {
  QTemporaryDir shared;
  const std::string folder = shared.path().toStdString();
  OnlineIndicators indicators(Client(), folder);
  QSignalSpy new_chat(&indicators, &OnlineIndicators::NewChat);
  indicators.CheckChat();  // no chat file: created, message 1 seen, newer ones wait
  indicators.CheckNews();  // no news file: 0 seen, the page says 7
  QTRY_VERIFY_WITH_TIMEOUT(!indicators.Busy(), kWaitMs);
  QVERIFY(indicators.ChatShown());
  QCOMPARE(new_chat.count(), 1);
  QVERIFY(indicators.NewsShown());
  QCOMPARE(indicators.NewestNews(), 7);
  QCOMPARE(LoadChatFile(folder), (ChatFile{1, false, false}));
  QCOMPARE(indicators.HintAt({4, 4}), QString("Tarvo News!"));
  const QString page = indicators.OpenNews();
  QVERIFY(page.endsWith("/news/"));
  QVERIFY(!indicators.NewsShown());
  QCOMPARE(LoadNewsFile(folder), 7);
  // Seen news stays seen.
  indicators.CheckNews();
  QTRY_VERIFY_WITH_TIMEOUT(!indicators.Busy(), kWaitMs);
  QVERIFY(!indicators.NewsShown());
}

void OnlineWindowsTest::ResultWriteShowsThePlace() {
  Settings passport;
  passport.PassportNick = "Carla";
  passport.PassportCity = "Lima";
  passport.PassportCountry = "4-001";
  passport.PassportSex = "W";
  QStringList notices;
  ResultWriteWindow w(Client(), passport, 200);
  w.notify = [&](const QString& text) { notices << text; };
  QTest::mouseClick(w.SendButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices, QStringList());
  QCOMPARE(w.PlaceValue()->text(), QString("3"));  // after 310 and 250
  QVERIFY(!w.SendButton()->isEnabled());
  const std::optional<TopTenLines> list = ReadTopTenList(Client(), 65);
  QVERIFY(list.has_value());
  QCOMPARE(list->at(2).Nick, std::string("Carla"));
  QCOMPARE(list->at(2).R07, std::string("W"));
  QCOMPARE(list->at(2).R08, std::string("5.7f"));

  ResultWriteWindow dead(DeadClient(), passport, 200);
  dead.notify = [&](const QString& text) { notices << text; };
  QTest::mouseClick(dead.SendButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!dead.Busy(), kWaitMs);
  QCOMPARE(notices, QStringList{"Unable to write the result of the game!"});
  QVERIFY(dead.SendButton()->isEnabled());
  QCOMPARE(dead.PlaceValue()->text(), QString());
}

void OnlineWindowsTest::StartAndGameReports() {
  const online::TTarvoStat before = ReadStats(Client()).value();
  StatsReporter reporter(Client());
  int counted = 0;
  reporter.ReportStart(false, [&] { ++counted; });  // the first start of this installation
  reporter.ReportStart(true, [&] { ++counted; });   // a later start
  GameReport lost;
  lost.against_computer = true;
  lost.cycle_end = true;
  lost.margin = -120;
  reporter.ReportGame(lost);
  QTRY_VERIFY_WITH_TIMEOUT(!reporter.Busy(), kWaitMs);
  QCOMPARE(counted, 1);
  const online::TTarvoStat after = ReadStats(Client()).value();
  QCOMPARE(after.Stat1 - before.Stat1, 1);
  QCOMPARE(after.Stat2 - before.Stat2, 2);
  QCOMPARE(after.StatX[0] - before.StatX[0], 1);  // games with the computer
  QCOMPARE(after.StatX[1] - before.StatX[1], 1);  // cycles
  QCOMPARE(after.StatX[3] - before.StatX[3], 1);  // lost by people
  QCOMPARE(after.StatX[2], before.StatX[2]);
}

void OnlineWindowsTest::NoServerShowsNoConnect() {
  WorldTopTenWindow top(DeadClient(), {});
  Settings settings;
  QTemporaryDir shared;
  ChatWindow chat(DeadClient(), settings, shared.path().toStdString());
  StatsWindow stats(DeadClient(), settings);
  OnlineIndicators indicators(DeadClient(), shared.path().toStdString());
  indicators.CheckChat();
  indicators.CheckNews();
  QTRY_VERIFY_WITH_TIMEOUT(!top.Busy() && !chat.Busy() && !stats.Busy() && !indicators.Busy(),
                           kWaitMs);
  QCOMPARE(Cell(top.List(), 0, 3), QString("No Connect"));
  QCOMPARE(chat.Messages()->item(0)->text(), QString("No Connect"));
  QCOMPARE(stats.Value(0)->text(), QString("No Connect"));
  QVERIFY(!indicators.ChatShown() && !indicators.NewsShown());
}

QTEST_MAIN(OnlineWindowsTest)
#include "online_windows_test.moc"
