// The pictures of the LAN windows: the entry dialog in its network layout (joining, with the
// machine's addresses shown) and the host's waiting room once a client has joined.
#include <QApplication>
#include <QLabel>
#include <QRadioButton>
#include <QTcpSocket>
#include <QtTest>

#include "app/login_dialog.h"
#include "app/net_entry.h"
#include "app/wait_room.h"
#include "lan/lan_session.h"

void SavePng(const QImage& image, const QString& name);

void LanShots() {
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
