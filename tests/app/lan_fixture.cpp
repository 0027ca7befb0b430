#include "lan_fixture.h"

#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTcpServer>

#include "app/net_entry.h"
#include "app/wait_room.h"

namespace ostrel::testing {

quint16 FreeLoopbackPort() {
  QTcpServer probe;
  if (!probe.listen(QHostAddress::LocalHost, 0)) return 0;
  return probe.serverPort();
}

void EnableMultiplayer(AppFixture& f) {
  f.LeaveTitle();
  f.Window().AppSettings().Multiplayer = true;
  f.Window().ApplySettings();
}

void EnterNetworkGame(AppFixture& f, const QString& name, bool client, quint16 port,
                      std::function<void(QDialog*)> room) {
  f.OnNextDialog([=](QDialog* d) {
    auto* login = qobject_cast<TFormPassword*>(d);
    QVERIFY(login != nullptr && login->Network() != nullptr);
    NetworkEntryPanel* net = login->Network();
    login->NameEdit()->clear();
    QTest::keyClicks(login->NameEdit(), name);
    QTest::keyClicks(login->PasswordEdit(), "abc");
    QTest::keyClicks(login->RepetitionEdit(), "abc");
    (client ? net->ClientChoice() : net->ServerChoice())->setChecked(true);
    if (client) {
      net->AddressEdit()->clear();
      QTest::keyClicks(net->AddressEdit(), "127.0.0.1");
    }
    net->PortEdit()->clear();
    QTest::keyClicks(net->PortEdit(), QString::number(port));
    QTest::mouseClick(login->OkButton(), Qt::LeftButton);
  });
  f.OnNextDialog(std::move(room));
  QTest::mouseClick(f.Window().Menu()->NewPlayerButton(), Qt::LeftButton);
}

bool SetUpLanGame(AppFixture& host, AppFixture& client) {
  return SetUpLanGame(host, std::vector<AppFixture*>{&client});
}

bool SetUpLanGame(AppFixture& host, const std::vector<AppFixture*>& clients) {
  const quint16 port = FreeLoopbackPort();
  if (port == 0) return false;
  static const char* const kNames[] = {"Bo", "Cy", "Di"};
  bool clients_in = false;
  EnterNetworkGame(host, "Anna", false, port, [&](QDialog* d) {
    auto* room = qobject_cast<TFormWait*>(d);
    QVERIFY(room != nullptr);
    clients_in = true;
    for (std::size_t k = 0; k < clients.size() && k < 3; ++k) {
      // The client's room closes by itself once the host has seated it.
      EnterNetworkGame(*clients[k], kNames[k], true, port, [](QDialog*) {});
      clients_in = clients_in && clients[k]->Window().CurrentScreen() == TForm1::Screen::Table;
    }
    QTRY_VERIFY_WITH_TIMEOUT(room->OkButton()->isEnabled(), 5000);
    QTest::mouseClick(room->OkButton(), Qt::LeftButton);
  });
  return clients_in && host.Window().CurrentScreen() == TForm1::Screen::Table;
}

}  // namespace ostrel::testing
