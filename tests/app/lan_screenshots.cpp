// The pictures of the LAN windows: the entry dialog in its network layout (joining, with the
// machine's addresses shown), the host's waiting room once a client has joined, and the host's
// table in a game with one client, with chat lines from both, at the small and large size.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QTcpSocket>
#include <QtTest>

#include "app/chat_strip.h"
#include "app/login_dialog.h"
#include "app/net_entry.h"
#include "app/wait_room.h"
#include "app_fixture.h"
#include "lan/lan_session.h"
#include "lan_fixture.h"

void SavePng(const QImage& image, const QString& name);

namespace {

// The host's table in the second trick, after a few words between the partners.
void LanTableShot(int window_size) {
  using namespace ostrel;
  using namespace ostrel::testing;
  AppFixture host(41);
  AppFixture client(42);
  for (AppFixture* f : {&host, &client}) {
    EnableMultiplayer(*f);
    f->Window().AppSettings().WindowSize = window_size;
    f->Window().ApplySettings();
  }
  if (!SetUpLanGame(host, client)) return;
  const GameRecord& h = host.Window().CurrentGame().Record();
  const auto say = [](AppFixture& f, const char* text) {
    f.Window().Chat()->Edit()->setText(QString::fromUtf8(text));
    QTest::keyClick(f.Window().Chat()->Edit(), Qt::Key_Return);
  };
  say(host, "Hi Bo, good luck!");
  say(client, "Thanks, you too. Let us take every trick of this deal, all eight of them");
  host.RunUntil(
      [&] {
        if (!host.Window().Table()->Busy() && h.TrickNumber == 2 && h.TrickPosition == 3) {
          return true;
        }
        PlayerActs(host.Window());
        PlayerActs(client.Window());
        return false;
      },
      30000);
  say(host, "Nice trick");
  host.RunUntil([&] { return client.Window().Chat()->Lines()[2].seat != 0; }, 3000);
  say(client, "Your lead next");
  host.RunUntil([&] { return host.Window().Chat()->Lines()[3].seat != 0; }, 3000);
  host.Settle();
  QApplication::processEvents();
  SavePng(host.Window().grab().toImage(), QStringLiteral("lan-table-size%1").arg(window_size));
}

}  // namespace

void LanShots() {
  LanTableShot(1);
  LanTableShot(5);
  using namespace ostrel;
  {
    TFormPassword entry(true, "Anna", nullptr);
    auto* net = new NetworkEntryPanel("192.168.1.20", "25666", [] { return QString(); });
    entry.UseNetworkLayout(net);
    net->ClientChoice()->setChecked(true);
    net->ShowAddresses();
    entry.show();
    QApplication::processEvents();
    SavePng(entry.grab().toImage(), "lan-entry");
  }
  lan::LanSession host;
  if (!host.Host(QHostAddress::LocalHost, 0, "Anna")) return;
  TFormWait room(host);
  room.show();
  QTcpSocket joiner;
  joiner.connectToHost(QHostAddress::LocalHost, host.ListenPort());
  joiner.waitForConnected(5000);
  joiner.write("qiv6525connect1Bob ");
  for (int i = 0; i < 250 && room.JoinedLine(1)->isHidden(); ++i) QTest::qWait(20);
  QApplication::processEvents();
  SavePng(room.grab().toImage(), "lan-waiting-room");
}
