// The entry dialog in its network layout: what the choice does to the address field, the
// fields that refuse what they cannot hold, the checks of OK, and the address list.
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QSemaphore>
#include <QSignalSpy>
#include <QtTest>

#include "app/login_dialog.h"
#include "app/net_entry.h"
#include "table/cards_button.h"

using namespace ostrel;

class NetEntryTest : public QObject {
  Q_OBJECT
 private slots:
  void choiceSetsTheAddressField();
  void fieldsKeepOnlyWhatTheyAccept();
  void okChecksAddressAndPort_data();
  void okChecksAddressAndPort();
  void addressesEndWithPublicAndLoopback();
  void slowPublicAddressLeavesTheWindowFree();
};

namespace {

TFormPassword* NetworkDialog(QWidget* owner = nullptr) {
  auto* dialog = new TFormPassword(true, "Alexander", nullptr, owner);
  dialog->UseNetworkLayout(
      new NetworkEntryPanel("192.168.0.7", "25666", [] { return QString("203.0.113.9"); }));
  return dialog;
}

}  // namespace

void NetEntryTest::choiceSetsTheAddressField() {
  std::unique_ptr<TFormPassword> dialog(NetworkDialog());
  NetworkEntryPanel* net = dialog->Network();
  QVERIFY(net->ServerChoice()->isChecked());
  QVERIFY(!net->AddressEdit()->isEnabled());
  QCOMPARE(net->AddressEdit()->text(), QString());
  QCOMPARE(net->PortEdit()->text(), QString("25666"));
  QCOMPARE(dialog->NameEdit()->text(), QString("Alex"));  // four characters on the LAN
  net->ClientChoice()->setChecked(true);
  QVERIFY(net->AddressEdit()->isEnabled());
  QCOMPARE(net->AddressEdit()->text(), QString("192.168.0.7"));
  net->ServerChoice()->setChecked(true);
  QVERIFY(!net->AddressEdit()->isEnabled());
  QCOMPARE(net->AddressEdit()->text(), QString());
}

void NetEntryTest::fieldsKeepOnlyWhatTheyAccept() {
  std::unique_ptr<TFormPassword> dialog(NetworkDialog());
  NetworkEntryPanel* net = dialog->Network();
  net->ClientChoice()->setChecked(true);
  net->AddressEdit()->clear();
  QTest::keyClicks(net->AddressEdit(), "10.0");
  QTest::keyClicks(net->AddressEdit(), "x");  // refused: the field returns to "10.0"
  QTest::keyClicks(net->AddressEdit(), ".0.1");
  QCOMPARE(net->AddressEdit()->text(), QString("10.0.0.1"));
  QCOMPARE(net->ServerIp(), std::string("10.0.0.1"));
  net->PortEdit()->clear();
  QTest::keyClicks(net->PortEdit(), "80a80");
  QCOMPARE(net->PortEdit()->text(), QString("8080"));
  QCOMPARE(net->ServerPort(), std::string("8080"));
}

void NetEntryTest::okChecksAddressAndPort_data() {
  QTest::addColumn<bool>("client");
  QTest::addColumn<QString>("address");
  QTest::addColumn<QString>("port");
  QTest::addColumn<QString>("message");
  QTest::newRow("ends with a point") << true << "10.0.0."
                                     << "25666"
                                     << "Incorrect IP-address!";
  QTest::newRow("two points") << true << "10.0.1"
                              << "25666"
                              << "Incorrect IP-address!";
  QTest::newRow("four digits") << true << "10.0.0.1234"
                               << "25666"
                               << "Incorrect IP-address!";
  QTest::newRow("group above 255") << true << "10.0.0.256"
                                   << "25666"
                                   << "Incorrect IP-address!";
  QTest::newRow("no port") << true << "10.0.0.1"
                           << ""
                           << "Incorrect Port!";
  QTest::newRow("port above 65535") << true << "10.0.0.1"
                                    << "65536"
                                    << "Incorrect Port!";
  QTest::newRow("client") << true << "10.0.0.1"
                          << "25666"
                          << "";
  QTest::newRow("host needs no address") << false << ""
                                         << "25666"
                                         << "";
  QTest::newRow("host without port") << false << ""
                                     << ""
                                     << "Incorrect Port!";
}

void NetEntryTest::okChecksAddressAndPort() {
  QFETCH(bool, client);
  QFETCH(QString, address);
  QFETCH(QString, port);
  QFETCH(QString, message);
  QWidget owner;
  TFormPassword* dialog = NetworkDialog(&owner);
  dialog->show();
  NetworkEntryPanel* net = dialog->Network();
  (client ? net->ClientChoice() : net->ServerChoice())->setChecked(true);
  net->AddressEdit()->setText(address);
  net->PortEdit()->setText(port);
  dialog->PasswordEdit()->setText("12345");
  dialog->RepetitionEdit()->setText("12345");
  QTest::mouseClick(dialog->OkButton(), Qt::LeftButton);
  QCOMPARE(dialog->Message(), message);
  QCOMPARE(dialog->result(), int(message.isEmpty() ? QDialog::Accepted : QDialog::Rejected));
}

void NetEntryTest::addressesEndWithPublicAndLoopback() {
  std::unique_ptr<TFormPassword> dialog(NetworkDialog());
  NetworkEntryPanel* net = dialog->Network();
  net->ShowAddresses();
  int last = -1;
  for (int k = 0; k < 6; ++k) {
    if (!net->AddressField(k)->isHidden()) last = k;
  }
  QVERIFY(last >= 1);
  QCOMPARE(net->AddressField(last)->text(), QString("127.0.0.1"));
  QTRY_COMPARE(net->AddressField(last - 1)->text(), QString("203.0.113.9"));
}

// The web service may take seconds to answer: the other addresses show at once, and the
// public one when the answer comes.
void NetEntryTest::slowPublicAddressLeavesTheWindowFree() {
  QSemaphore answer;
  TFormPassword dialog(true, "Al", nullptr);
  auto* net = new NetworkEntryPanel("192.168.0.7", "25666", [&answer] {
    answer.acquire();
    return QString("198.51.100.4");
  });
  dialog.UseNetworkLayout(net);
  QSignalSpy shown(net, &NetworkEntryPanel::PublicAddressShown);
  net->ShowAddresses();
  int last = -1;
  for (int k = 0; k < 6; ++k) {
    if (!net->AddressField(k)->isHidden()) last = k;
  }
  QVERIFY(last >= 1);
  QCOMPARE(net->AddressField(last)->text(), QString("127.0.0.1"));
  QCOMPARE(net->AddressField(last - 1)->text(), QString());
  answer.release();
  QVERIFY(shown.wait(5000));
  QCOMPARE(net->AddressField(last - 1)->text(), QString("198.51.100.4"));
}

QTEST_MAIN(NetEntryTest)
#include "net_entry_test.moc"
