// The login dialog takes no control character into a name: typed or pasted, a line break never
// gets into the field, and a name the program itself put there reads with a space instead.
// A line break in a name would break the club file's lines.
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>

#include "app/login_dialog.h"
#include "storage/club_update.h"

using namespace ostrel;

class LoginDialogTest : public QObject {
  Q_OBJECT
 private slots:
  void ALineBreakCannotBePastedOrTyped();
  void ANameGivenWithALineBreakReadsWithASpace();
};

void LoginDialogTest::ALineBreakCannotBePastedOrTyped() {
  TFormPassword login(true, QString(), nullptr);
  QLineEdit* name = login.NameEdit();
  QTest::keyClicks(name, "Evil");
  QGuiApplication::clipboard()->setText(QStringLiteral("\nName"));
  name->paste();
  name->insert(QStringLiteral("\r\tX"));
  QVERIFY2(!name->text().contains(QChar('\n')), qPrintable(name->text()));
  QVERIFY(!name->text().contains(QChar('\r')));
  QVERIFY(!name->text().contains(QChar('\t')));
  QVERIFY(IsAcceptableName(login.Name().toStdString()));
  QTest::keyClicks(name, " Name");
  QCOMPARE(login.Name(), QStringLiteral("Evil Name"));
}

void LoginDialogTest::ANameGivenWithALineBreakReadsWithASpace() {
  TFormPassword login(true, QStringLiteral("Evil\nName"), nullptr);
  QCOMPARE(login.Name(), QStringLiteral("Evil Name"));
  login.NameEdit()->setText(QStringLiteral("\r\nAnna\x7F"));
  QCOMPARE(login.Name(), QStringLiteral("Anna"));
}

QTEST_MAIN(LoginDialogTest)
#include "login_dialog_test.moc"
