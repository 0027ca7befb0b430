// What the online windows show from a reply's records, and the two files of what the player
// has seen, without a server.
#include <QTemporaryDir>
#include <QtTest>

#include "app/online/online_indicators.h"
#include "app/online/online_reads.h"
#include "app/online/seen_files.h"
#include "app/online/stats_reports.h"
#include "app/online/top_ten_lines.h"
#include "storage/file_system.h"

using namespace ostrel;

namespace {

std::string FileText(const QString& path) {
  QFile file(path);
  if (!file.open(QIODevice::ReadOnly)) return "<missing>";
  return file.readAll().toStdString();
}

void Write(const QString& path, const QByteArray& bytes) {
  QFile file(path);
  QVERIFY(file.open(QIODevice::WriteOnly));
  file.write(bytes);
}

online::TTarvoRecord Record(int place, std::string nick, std::string country, std::string city,
                            std::string sex, int score) {
  online::TTarvoRecord r;
  r.Place = place;
  r.Nick = std::move(nick);
  r.Country = std::move(country);
  r.City = std::move(city);
  r.R07 = std::move(sex);
  r.Score = score;
  return r;
}

}  // namespace

class OnlineLinesTest : public QObject {
  Q_OBJECT
 private slots:
  void ListLines();
  void RatingsShowThreeDecimalsWithComma_data();
  void RatingsShowThreeDecimalsWithComma();
  void ChatMessageTravelsWithUnderscoresAndShowsSpaces();
  void ResultsReportFields_data();
  void ResultsReportFields();
  void FirstStartCreatesChatFile();
  void ChatFileReadBackAndDamaged();
  void NewsFileAndNewsNumber_data();
  void NewsFileAndNewsNumber();
  void IndicatorsSirensBelowScaleOneSix_data();
  void IndicatorsSirensBelowScaleOneSix();
  void SharedFolderIsTheParent_data();
  void SharedFolderIsTheParent();
};

void OnlineLinesTest::ListLines() {
  const TopTenLines lines{Record(1, "Walter", "1-001", "Москва", "W", 512),
                          Record(2, "#", "#", "#", "#", 0),
                          Record(3, "Ann", "1-099", "Nowhere", "M", 17)};
  const std::vector<ShownLine> windows = TopTenShownLines(lines, true);
  QCOMPARE(windows.size(), std::size_t{3});
  QCOMPARE(windows[0].place, QString("1."));
  QCOMPARE(windows[0].country_code, QString("1-001"));
  QCOMPARE(windows[0].sex, 'W');
  QCOMPARE(windows[0].where, QString("Москва"));
  QCOMPARE(windows[0].score, QString("512"));
  // A "#" nick is an empty line that keeps its place.
  QCOMPARE(windows[1], (ShownLine{"2.", {}, 0, {}, {}, {}}));
  // Without the flag the country is named after the city; an unknown row reads "Unknown".
  const std::vector<ShownLine> android = TopTenShownLines(lines, false);
  QCOMPARE(android[0].country_code, QString());
  QCOMPARE(android[0].where, QString("Москва, Russia"));
  QCOMPARE(android[2].where, QString("Nowhere, Unknown"));
  // Near me: only filled lines, at most five.
  TopTenLines many(7, Record(4, "Bob", "1-001", "Oslo", "M", 9));
  many.insert(many.begin(), Record(1, "#", "#", "#", "#", 0));
  QCOMPARE(NearShownLines(many).size(), std::size_t{5});
  QCOMPARE(NearShownLines(many)[0].nick, QString("Bob"));
}

void OnlineLinesTest::RatingsShowThreeDecimalsWithComma_data() {
  QTest::addColumn<double>("rating");
  QTest::addColumn<QString>("shown");
  QTest::newRow("whole") << 7.0 << "7,000";
  QTest::newRow("half") << 12.5 << "12,500";
  QTest::newRow("rounded") << 1.23456 << "1,235";
}

void OnlineLinesTest::RatingsShowThreeDecimalsWithComma() {
  QFETCH(double, rating);
  QFETCH(QString, shown);
  online::TTarvoTop10 line;
  line.Nick = "Walter";
  line.City = "Riga";
  line.Country = "Latvia";
  line.Rating = rating;
  const std::vector<ShownLine> lines = RatingShownLines({line});
  QCOMPARE(lines.at(0).score, shown);
  QCOMPARE(lines.at(0).where, QString("Riga, Latvia"));
}

void OnlineLinesTest::ChatMessageTravelsWithUnderscoresAndShowsSpaces() {
  const online::TopTenWriteRequest message =
      ChatMessage({"Walter", "1-001", "Riga", "W"}, "Hello world", "12:30 11.12.2026 Ostrel");
  QCOMPARE(message.Gid, online::kChatGameId);
  QCOMPARE(message.R10, std::string("Hello_world"));
  QCOMPARE(message.R9, std::string("12_30_11.12.2026_Ostrel"));
  QCOMPARE(message.R7, std::string("W"));
  online::TTarvoRecord stored;
  stored.Nick = message.Nick;
  stored.City = "Sankt_Peterburg";
  stored.R08 = message.R8;
  stored.R09 = message.R9;
  stored.R10 = message.R10;
  QCOMPARE(ChatBodyText(stored), QString("Hello world"));
  QCOMPARE(ChatHeadText(stored),
           QString("Sankt Peterburg : 12 30 11.12.2026 Ostrel 5.7f : Walter"));
  // The newest number of a list: empty lines do not count.
  QCOMPARE(NewestMessage({Record(1, "#", "#", "#", "#", 40), Record(2, "A1", "1-001", "B1", "M", 7),
                          Record(3, "A2", "1-001", "B2", "M", 9)}),
           9);
}

void OnlineLinesTest::ResultsReportFields_data() {
  QTest::addColumn<bool>("computer");
  QTest::addColumn<bool>("cycle_end");
  QTest::addColumn<int>("margin");
  QTest::addColumn<bool>("seat1");
  QTest::addColumn<bool>("host");
  QTest::addColumn<QList<int>>("r");  // R1-R6; R7-R12 are always 0
  QTest::newRow("won with the computer")
      << true << false << 84 << false << false << QList<int>{1, 0, 84, 0, 0, 0};
  QTest::newRow("lost, closing a cycle")
      << true << true << -30 << false << false << QList<int>{1, 1, 0, 30, 0, 0};
  // A network or tournament game reports neither the margin nor a cycle.
  QTest::newRow("tournament seat 1")
      << false << true << 50 << true << false << QList<int>{0, 0, 0, 0, 0, 1};
  QTest::newRow("network host") << false << false << 20 << false << true
                                << QList<int>{0, 0, 0, 0, 3, 0};
}

void OnlineLinesTest::ResultsReportFields() {
  QFETCH(bool, computer);
  QFETCH(bool, cycle_end);
  QFETCH(int, margin);
  QFETCH(bool, seat1);
  QFETCH(bool, host);
  QFETCH(QList<int>, r);
  GameReport game;
  game.against_computer = computer;
  game.cycle_end = cycle_end;
  game.margin = margin;
  game.tournament_seat1 = seat1;
  game.network_host = host;
  game.games_setting = 3;
  const online::StatsResultsRequest report = ResultsReport(game);
  for (int i = 0; i < 12; ++i) QCOMPARE(report.R[static_cast<std::size_t>(i)], i < 6 ? r[i] : 0);
  QCOMPARE(StartReport(false).Stat1, 1);
  QCOMPARE(StartReport(true).Stat1, 0);
  QCOMPARE(StartReport(true).Stat2, 1);
}

void OnlineLinesTest::FirstStartCreatesChatFile() {
  QTemporaryDir folder;
  const ChatFile file = LoadChatFile(folder.path().toStdString());
  QCOMPARE(file, (ChatFile{1, false, false}));
  QCOMPARE(FileText(folder.filePath(kChatFileName)), std::string("1\r\n0\r\n0\r\n"));
}

void OnlineLinesTest::ChatFileReadBackAndDamaged() {
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString();
  QVERIFY(SaveChatFile(path, {42, true, true}).ok());
  QCOMPARE(LoadChatFile(path), (ChatFile{42, true, true}));
  // A first line that is no number counts as nothing seen; the choices still read.
  Write(folder.filePath(kChatFileName), "4x2\n1\n0\n");
  QCOMPARE(LoadChatFile(path), (ChatFile{0, true, false}));
  // A file that cannot be read is left alone and counts as 0.
  QFile::remove(folder.filePath(kChatFileName));
  QVERIFY(QDir(folder.path()).mkdir(kChatFileName));
  QCOMPARE(LoadChatFile(path), (ChatFile{0, false, false}));
  QVERIFY(QFileInfo(folder.filePath(kChatFileName)).isDir());
}

void OnlineLinesTest::NewsFileAndNewsNumber_data() {
  QTest::addColumn<QByteArray>("page");
  QTest::addColumn<int>("number");
  QTest::newRow("number") << QByteArray("<!-- TarvoNews00007 -->") << 7;
  QTest::newRow("first mark wins") << QByteArray("TarvoNews00012 TarvoNews00099") << 12;
  QTest::newRow("no mark") << QByteArray("<html>news</html>") << 0;
  QTest::newRow("not a number") << QByteArray("TarvoNews0a001") << 0;
  QTest::newRow("short at the end") << QByteArray("xTarvoNews15") << 15;
}

void OnlineLinesTest::NewsFileAndNewsNumber() {
  QFETCH(QByteArray, page);
  QFETCH(int, number);
  QCOMPARE(NewsNumberOf(page.toStdString()), number);
  QTemporaryDir folder;
  const std::string path = folder.path().toStdString();
  QCOMPARE(LoadNewsFile(path), 0);
  QVERIFY(SaveNewsFile(path, number).ok());
  QCOMPARE(LoadNewsFile(path), number);
}

void OnlineLinesTest::IndicatorsSirensBelowScaleOneSix_data() {
  QTest::addColumn<double>("scale");
  QTest::addColumn<bool>("shelf");
  QTest::addColumn<QSize>("size");
  QTest::newRow("small window") << 1.0 << false << QSize(56, 32);
  QTest::newRow("just below") << 1.59 << false << QSize(56, 32);
  QTest::newRow("from 1.6 on") << 1.6 << true << QSize(220, 99);
}

// Nothing found yet: hidden, and no hint anywhere. The size and the kind follow the scale.
void OnlineLinesTest::IndicatorsSirensBelowScaleOneSix() {
  QFETCH(double, scale);
  QFETCH(bool, shelf);
  QFETCH(QSize, size);
  QTemporaryDir folder;
  QWidget menu;
  menu.resize(760, 500);
  OnlineIndicators indicators(ServiceClient("http://127.0.0.1:9"), folder.path().toStdString(),
                              &menu);
  indicators.SetScale(scale);
  QCOMPARE(indicators.Shelf(), shelf);
  QCOMPARE(indicators.size(), size);
  QVERIFY(indicators.isHidden());
  QCOMPARE(indicators.HintAt({4, 4}), QString());
  // The top right corner of the menu, inside its frame.
  QCOMPARE(indicators.geometry().right(), 760 - 1 - static_cast<int>(20 * scale));
}

void OnlineLinesTest::SharedFolderIsTheParent_data() {
  QTest::addColumn<QString>("program");
  QTest::addColumn<QString>("shared");
  QTest::newRow("plain") << "/opt/games/ostrel"
                         << "/opt/games";
  QTest::newRow("trailing slash") << "/opt/games/ostrel/"
                                  << "/opt/games";
  QTest::newRow("top") << "/ostrel"
                       << "/";
}

void OnlineLinesTest::SharedFolderIsTheParent() {
  QFETCH(QString, program);
  QFETCH(QString, shared);
  QCOMPARE(QString::fromStdString(SharedFolder(program.toStdString())), shared);
}

QTEST_MAIN(OnlineLinesTest)
#include "online_lines_test.moc"
