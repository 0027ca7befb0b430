// Takes the account windows' pictures of docs/screenshots against a real ostrel-server that it
// starts on a free loopback port with an empty data folder: a small club of three accounts
// with rated games, profiles and photos drawn here. Not a test. Usage:
//   QT_QPA_PLATFORM=offscreen ostrel_account_screenshots OUT_FOLDER
#include <QApplication>
#include <QBuffer>
#include <QDir>
#include <QElapsedTimer>
#include <QPainter>
#include <QProcess>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>
#include <memory>

#include "app/account/account_game_steps.h"
#include "app/account/account_window.h"
#include "app/account/passport_window.h"
#include "app/account/profile_window.h"
#include "app_fixture.h"
#include "server_process.h"
#include "storage/settings.h"

using namespace ostrel;

namespace {

QString g_out;

void SavePng(QWidget* w, const QString& name) {
  QApplication::processEvents();
  const QString path = g_out + "/" + name + ".png";
  const QString full = path + ".full.png";
  w->grab().toImage().convertToFormat(QImage::Format_RGB888).save(full, nullptr, 9);
  if (QProcess::execute("pngquant", {"--force", "--speed=1", "--output", path, "256", full}) != 0)
    QFile::copy(full, path);
  QFile::remove(full);
  std::printf("%s\n", qPrintable(path));
}

// A portrait of our own: a coloured card with the initials, 200 x 250, as JPEG bytes.
std::string Portrait(QColor colour, const QString& initials) {
  QImage image(200, 250, QImage::Format_RGB32);
  QPainter p(&image);
  QLinearGradient g(0, 0, 200, 250);
  g.setColorAt(0, colour.lighter(150));
  g.setColorAt(1, colour.darker(160));
  p.fillRect(image.rect(), g);
  p.setBrush(colour.lighter(180));
  p.setPen(Qt::NoPen);
  p.drawEllipse(QRect(55, 40, 90, 90));
  p.drawRoundedRect(QRect(30, 145, 140, 120), 50, 50);
  p.setPen(Qt::white);
  QFont f = p.font();
  f.setPixelSize(34);
  f.setBold(true);
  p.setFont(f);
  p.drawText(QRect(0, 170, 200, 60), Qt::AlignCenter, initials);
  p.end();
  QByteArray bytes;
  QBuffer buffer(&bytes);
  buffer.open(QIODevice::WriteOnly);
  image.save(&buffer, "JPG", 90);
  return bytes.toStdString();
}

struct Member {
  const char* nick;
  const char* city;
  const char* country2;
  const char* country1;
  char sex;
  const char* name1;
  const char* name2;
  const char* about;
  QColor colour;
  int games;
  int difference;
};

AccountState Register(const ServiceClient& client, const Member& m) {
  AccountState state;
  state.user.Nick = m.nick;
  state.user.Pw = "secret1";
  state.user.City = m.city;
  state.user.Country2 = m.country2;
  state.user.Country1 = m.country1;
  state.user.Sex = m.sex;
  state.user.EMail = std::string(m.nick) + "@example.org";
  if (CreateAccount(client, state, "11.12.2026") != online::RegisterResult::Created)
    qFatal("could not create %s", m.nick);
  online::TInfo14 info;
  info.Name1 = m.name1;
  info.Name2 = m.name2;
  info.About = m.about;
  info.Telegram = std::string("@") + m.nick;
  info.WebSite = "https://example.org/" + std::string(m.nick);
  SaveProfile(client, state, info);
  client.UploadPhoto(
      m.nick, state.user.Pw,
      Portrait(m.colour, QString::fromUtf8(m.name1).left(1) + QString::fromUtf8(m.name2).left(1)));
  for (int game = 0; game < m.games; ++game) {
    state.mode = AccountMode::RatedGame;
    const auto setup = StartAccountGame(client, state, RetryHooks{});
    if (!setup) qFatal("no account game for %s", m.nick);
    const int d = m.difference + (game % 3) * 17 - 20;
    SaveAccountGameEnd(client, state, d, setup->initial_score + d);
    CloseAccountGame(state);
  }
  return state;
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: ostrel_account_screenshots OUT_FOLDER\n");
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_out);
  QTemporaryDir data;
  QTemporaryDir home;
  server::testing::ServerProcess server(
      OSTREL_SERVER_BINARY,
      {"--data", data.path().toStdString(), "--hash-cost", "minimum", "--log", "none"});
  const ServiceClient client("http://127.0.0.1:" + std::to_string(server.port()));

  const Member members[] = {
      {"Solveig", "Bergen", "1-035", "Norway", 'W', "Solveig", "Lunde",
       "Plays after work, counts every trump", QColor(150, 60, 120), 31, 70},
      {"Tomasz", "Krakow", "1-036", "Poland", 'M', "Tomasz", "Nowak", "Bella is my lucky card",
       QColor(40, 90, 160), 12, 40},
      {"Walter", "Graz", "1-004", "Austria", 'M', "Walter", "Huber",
       "Learning the game since spring", QColor(40, 130, 70), 9, 25},
  };
  AccountState state;
  for (const Member& m : members) state = Register(client, m);

  // The last member is the player at this program, signed in.
  state.mode = AccountMode::SignedIn;
  {
    AccountWindow w(state, client, home.filePath("TarvoUser.qiv"));
    w.show();
    QElapsedTimer waited;
    waited.start();
    while (w.Busy() && waited.elapsed() < 20000) QTest::qWait(20);
    const char* names[] = {"account-my-account", "account-my-results", "account-top-ten",
                           "account-about-me", "account-president"};
    for (int tab = 0; tab < 5; ++tab) {
      w.Tabs()->setCurrentIndex(tab);
      SavePng(&w, names[tab]);
    }
    ProfileWindow profile(state, client);
    profile.show();
    SavePng(&profile, "account-profile");
  }
  // The main menu with the account's line in place of the fifth club line.
  {
    testing::AppFixture fixture(5);
    fixture.LeaveTitle();
    TForm1& w = fixture.Window();
    w.Account()->UseService(client);
    w.Account()->State() = state;
    emit w.Account()->AccountChanged();
    QAbstractButton* line = w.Menu()->ClubButton(5);
    fixture.RunUntil([&] { return line->property("account").toBool(); }, 10000);
    SavePng(&w, "menu-account-line");
  }
  Settings settings;
  settings.PassportNick = "Walter";
  settings.PassportCity = "Graz";
  settings.PassportCountry = "1-004";
  settings.PassportSex = "M";
  PassportWindow passport(settings);
  passport.show();
  SavePng(&passport, "passport");
  return 0;
}
