// Takes the pictures of the online windows for docs/screenshots: the world top ten in both
// designs, the statistics, the chat, the result writing window and the menu's indicators,
// against a filled server on a free loopback port. Usage: ostrel_online_screenshots OUT_FOLDER
#include <QApplication>
#include <QDeadlineTimer>
#include <QDir>
#include <QListWidget>
#include <QPainter>
#include <QTemporaryDir>
#include <QtTest>
#include <cstdio>

#include "app/menu_screen.h"
#include "app/online/chat_window.h"
#include "app/online/online_indicators.h"
#include "app/online/result_write_window.h"
#include "app/online/stats_window.h"
#include "app/online/world_top_ten_window.h"
#include "online_server.h"
#include "table/layout.h"

using namespace ostrel;

namespace {

constexpr int kWaitMs = 20000;

QString g_out;

void Save(QWidget* w, const QString& name) {
  w->show();
  QApplication::processEvents();
  w->grab()
      .toImage()
      .convertToFormat(QImage::Format_RGB888)
      .save(g_out + "/" + name + ".png", nullptr, 9);
  std::printf("%s.png\n", qPrintable(name));
}

template <typename Window>
void WaitFor(Window& w) {
  QDeadlineTimer deadline(kWaitMs);
  while (w.Busy() && !deadline.hasExpired()) QTest::qWait(20);
}

}  // namespace

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  if (argc < 2) {
    std::fprintf(stderr, "usage: ostrel_online_screenshots OUT_FOLDER\n");
    return 2;
  }
  g_out = QString::fromLocal8Bit(argv[1]);
  QDir().mkpath(g_out);
  QTemporaryDir data, site, shared;
  auto server = testing::StartFilledServer(OSTREL_SERVER_BINARY, data.path().toStdString(),
                                           site.path().toStdString());
  const ServiceClient client("http://127.0.0.1:" + std::to_string(server->port()));

  TopTenWindowInput input;
  input.passport_nick = "Ann";
  input.passport_city = "Oslo";
  {
    WorldTopTenWindow w(client, input);
    WaitFor(w);
    Save(&w, "online-world-top-ten");
  }
  {
    input.purple = true;
    input.local_games.rows[1] = {"1.", "Mr.X", "812", false, true};
    input.local_games.rows[2] = {"2.", "Alice", "640", false, true};
    WorldTopTenWindow w(client, input);
    w.ShowView(TopTenView::LocalGames);
    w.ViewChoice()->setCurrentRow(5);
    Save(&w, "online-world-top-ten-purple");
  }
  Settings settings;
  settings.PassportNick = "Walter";
  settings.PassportCity = "Riga";
  settings.Liked = false;
  {
    StatsWindow w(client, settings);
    WaitFor(w);
    Save(&w, "online-world-stats");
  }
  {
    (void)SaveChatFile(shared.path().toStdString(), {1, false, false});
    ChatWindow w(client, settings, shared.path().toStdString());
    WaitFor(w);
    Save(&w, "online-chat");
  }
  {
    settings.PassportCountry = "1-010";
    ResultWriteWindow w(client, settings, 275);
    Save(&w, "online-result-write");
  }
  // The indicators over the main menu, small and large window.
  for (const int size : {1, 5}) {
    QTemporaryDir fresh;
    const TableScale scale = ScaleForWindowSize(size, 3000, 2000);
    MenuScreen menu;
    menu.SetTableScale(scale);
    menu.resize(scale.client_w, scale.client_h);
    OnlineIndicators indicators(client, fresh.path().toStdString(), &menu);
    indicators.SetScale(scale.s);
    indicators.CheckChat();
    indicators.CheckNews();
    WaitFor(indicators);
    Save(&menu, QStringLiteral("online-indicators-size%1").arg(size));
  }
  return 0;
}
