// The machine's public address from the web service's "get_ip.php": the answer when it is an
// address, nothing otherwise, and no request at all without a site.
#include <QtTest>

#include "app/public_address.h"
#include "support/local_http_server.h"

using namespace ostrel;
using namespace ostrel::testing;

class PublicAddressTest : public QObject {
  Q_OBJECT
 private slots:
  void AnswerIsTakenOnlyWhenItIsAnAddress_data();
  void AnswerIsTakenOnlyWhenItIsAnAddress();
  void NoSiteAsksNothing();
};

void PublicAddressTest::AnswerIsTakenOnlyWhenItIsAnAddress_data() {
  QTest::addColumn<int>("status");
  QTest::addColumn<QString>("body");
  QTest::addColumn<QString>("shown");
  QTest::newRow("an address") << 200 << "203.0.113.7"
                              << "203.0.113.7";
  QTest::newRow("with a line feed") << 200 << "203.0.113.7\r\n"
                                    << "203.0.113.7";
  QTest::newRow("IPv6") << 200 << "2001:db8::5"
                        << "2001:db8::5";
  QTest::newRow("a page instead") << 200 << "<html>Not here</html>"
                                  << "";
  QTest::newRow("far too long") << 200 << QString(5000, '1') << "";
  QTest::newRow("an error status") << 500 << "203.0.113.7"
                                   << "";
}

void PublicAddressTest::AnswerIsTakenOnlyWhenItIsAnAddress() {
  QFETCH(int, status);
  QFETCH(QString, body);
  QFETCH(QString, shown);
  LocalHttpServer server;
  HttpReply reply = HttpReply::Body(body.toStdString());
  reply.status = status;
  server.Serve("/get_ip.php", reply);
  // The site as configured may end with a slash.
  const auto ask = PublicAddressSource(QString::fromStdString(server.Url("/")));
  QCOMPARE(ask(), shown);
  QCOMPARE(server.Requests(), std::vector<std::string>{"/get_ip.php"});
}

void PublicAddressTest::NoSiteAsksNothing() {
  QCOMPARE(PublicAddressSource(QString())(), QString());
}

QTEST_MAIN(PublicAddressTest)
#include "public_address_test.moc"
