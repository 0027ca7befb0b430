// The waiting room against real LAN sessions on loopback: the host's buttons follow the
// number of people who joined, a client starts when it is seated, and a client with no host
// to reach is told there is no game.
#include <QLabel>
#include <QPushButton>
#include <QTcpServer>
#include <QTcpSocket>
#include <QtTest>
#include <memory>
#include <vector>

#include "app/wait_room.h"
#include "lan/lan_session.h"

using namespace ostrel;

class WaitRoomTest : public QObject {
  Q_OBJECT
 private slots:
  void hostButtonsFollowTheJoiners();
  void clientStartsWhenSeated();
  void clientWithoutHostIsToldThereIsNoGame();
};

void WaitRoomTest::hostButtonsFollowTheJoiners() {
  lan::LanSession host;
  QVERIFY(host.Host(QHostAddress::LocalHost, 0, "Anna"));
  TFormWait room(host);
  QVERIFY(!room.OkButton()->isEnabled());
  QVERIFY(room.CancelButton()->isEnabled());
  QCOMPARE(room.Status()->text(), QString("Expectation of connection of other players..."));
  struct Step {
    bool ok, cancel;
  };
  // One client: start as partners; two: wait for the fourth; three: start.
  const Step steps[] = {{true, false}, {false, true}, {true, false}};
  std::vector<std::unique_ptr<QTcpSocket>> joiners;
  for (int k = 0; k < 3; ++k) {
    joiners.push_back(std::make_unique<QTcpSocket>());
    joiners.back()->connectToHost(QHostAddress::LocalHost, host.ListenPort());
    QVERIFY(joiners.back()->waitForConnected(5000));
    joiners.back()->write("qiv6525connect1Bob ");
    QTRY_VERIFY_WITH_TIMEOUT(!room.JoinedLine(k + 1)->isHidden(), 5000);
    QCOMPARE(room.OkButton()->isEnabled(), steps[k].ok);
    QCOMPARE(room.CancelButton()->isEnabled(), steps[k].cancel);
    for (int later = k + 2; later <= 3; ++later) QVERIFY(room.JoinedLine(later)->isHidden());
  }
}

void WaitRoomTest::clientStartsWhenSeated() {
  lan::LanSession host;
  QVERIFY(host.Host(QHostAddress::LocalHost, 0, "Anna"));
  lan::LanSession client;
  client.Join(QHostAddress::LocalHost, host.ListenPort(), "Bob");
  TFormWait room(client);
  QCOMPARE(room.Status()->text(), QString("Expectation of game..."));
  QVERIFY(!room.OkButton()->isEnabled());
  room.open();
  QTRY_COMPARE_WITH_TIMEOUT(room.result(), int(QDialog::Accepted), 5000);
  QCOMPARE(client.NetworkSeat(), 2);
}

void WaitRoomTest::clientWithoutHostIsToldThereIsNoGame() {
  quint16 port = 0;
  {
    QTcpServer probe;  // a free port that nobody listens on once it closes
    QVERIFY(probe.listen(QHostAddress::LocalHost, 0));
    port = probe.serverPort();
  }
  lan::LanSession client;
  bool failed = false;
  connect(&client, &lan::LanSession::ConnectionFailed, this, [&] { failed = true; });
  client.Join(QHostAddress::LocalHost, port, "Bob");
  TFormWait room(client);
  QTRY_VERIFY_WITH_TIMEOUT(failed, 5000);
  room.Tick();
  QCOMPARE(room.Status()->text(), QString("There are no accessible games"));
  QTest::mouseClick(room.CancelButton(), Qt::LeftButton);
  QCOMPARE(room.result(), int(QDialog::Rejected));
  QCOMPARE(client.State(), lan::LanState::kIdle);
}

QTEST_MAIN(WaitRoomTest)
#include "wait_room_test.moc"
