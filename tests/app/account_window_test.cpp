// The account windows against a real ostrel-server started on a free loopback port, and
// against no server at all.
#include <QCheckBox>
#include <QComboBox>
#include <QImage>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTabWidget>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "app/account/account_indicator.h"
#include "app/account/account_window.h"
#include "app/account/country_box.h"
#include "app/account/passport_window.h"
#include "app/account/profile_window.h"
#include "online/user_file.h"
#include "server_process.h"

using namespace ostrel;

namespace {

constexpr int kWaitMs = 20000;

// Types the text key by key as the user does (also letters outside Latin-1), so the field's
// typing rule sees every character.
void Type(QWidget* widget, const QString& text) {
  for (const QChar c : text)
    QTest::sendKeyEvent(QTest::Click, widget, Qt::Key_unknown, QString(c), Qt::NoModifier);
}

// The discard port, where no service of ours listens on loopback.
std::string DeadSite() {
  return "http://127.0.0.1:9";
}

}  // namespace

class AccountWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void cleanupTestCase() { server_.reset(); }
  void CreateEditUploadSignOutAndSignInAtStart();
  void ExistingNickAndWrongPassword();
  void NoServerShowsNoConnect();
  void LampsAndButtons_data();
  void LampsAndButtons();
  void PassportClosesOnlyWhenValid_data();
  void PassportClosesOnlyWhenValid();

 private:
  std::string Site() const { return "http://127.0.0.1:" + std::to_string(server_->port()); }
  QTemporaryDir data_;
  std::unique_ptr<server::testing::ServerProcess> server_;
};

void AccountWindowTest::initTestCase() {
  QVERIFY(data_.isValid());
  server_ = std::make_unique<server::testing::ServerProcess>(
      OSTREL_SERVER_BINARY, std::vector<std::string>{"--data", data_.path().toStdString(),
                                                     "--hash-cost", "minimum", "--log", "none"});
}

void AccountWindowTest::CreateEditUploadSignOutAndSignInAtStart() {
  QTemporaryDir folder;
  const QString user_file = folder.filePath("TarvoUser.qiv");
  AccountState state;
  QStringList notices;
  {
    AccountWindow w(state, ServiceClient(Site()), user_file);
    w.notify = [&](const QString& text) { notices << text; };
    QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
    QVERIFY(!w.CreateButton()->isEnabled());
    Type(w.NickEdit(), "Walter");
    Type(w.PasswordEdit(), "secret1");
    Type(w.CityEdit(), "Москва");
    Type(w.EMailEdit(), "w@example.org");
    w.Countries()->Continents()->setCurrentIndex(5);
    emit w.Countries()->Continents()->activated(5);
    w.Countries()->Countries()->setCurrentIndex(12);
    emit w.Countries()->Countries()->activated(12);
    QCOMPARE(state.user.Country2, std::string("6-012"));
    QVERIFY(w.CreateButton()->isEnabled());
    QTest::mouseClick(w.CreateButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
    QCOMPARE(notices.value(0), QString("Your account has been successfully created!"));
    QCOMPARE(state.mode, AccountMode::SignedIn);
    QCOMPARE(state.user.City, std::string("Москва"));
    QCOMPARE(w.LoginButton()->text(), QString("Sign out"));
    QVERIFY(w.NickEdit()->isReadOnly());
    QVERIFY(state.record_found);
    QCOMPARE(w.ResultValue(1)->text(), QString("Walter"));

    // The profile and the photo, through the profile window.
    ProfileWindow profile(state, ServiceClient(Site()));
    profile.notify = [&](const QString& text) { notices << text; };
    Type(profile.Field(0), "Walter");
    Type(profile.Field(2), "Plays $cards~ at night");
    QVERIFY(profile.UpdateButton()->isEnabled());
    QTest::mouseClick(profile.UpdateButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!profile.Busy(), kWaitMs);
    QVERIFY(!profile.UpdateButton()->isEnabled());
    QCOMPARE(state.user.Info.Name1, std::string("Walter"));
    QCOMPARE(state.user.Info.About, std::string("Plays  cards  at night"));

    QImage picture(640, 480, QImage::Format_RGB32);
    picture.fill(Qt::darkCyan);
    const QString png = folder.filePath("me.png");
    QVERIFY(picture.save(png));
    QVERIFY(!profile.ChoosePhoto(folder.filePath("missing.png")));
    QCOMPARE(notices.last(), QString("The photo must be in jpg format 200x250 pixels in size!"));
    QVERIFY(profile.ChoosePhoto(png));
    QTest::mouseClick(profile.UploadButton(), Qt::LeftButton);
    QTRY_VERIFY_WITH_TIMEOUT(!profile.Busy(), kWaitMs);
    QVERIFY(!state.own_photo.empty());
    QImage got;
    QVERIFY(got.loadFromData(reinterpret_cast<const uchar*>(state.own_photo.data()),
                             static_cast<int>(state.own_photo.size())));
    QCOMPARE(got.size(), QSize(200, 250));

    // Remember the login, then sign out.
    QVERIFY(w.SaveButton()->isEnabled());
    QTest::mouseClick(w.SaveButton(), Qt::LeftButton);
    QVERIFY(QFile::exists(user_file));
    QVERIFY(w.DeleteButton()->isEnabled());
    QTest::mouseClick(w.LoginButton(), Qt::LeftButton);
    QCOMPARE(state.mode, AccountMode::SignedOut);
    QCOMPARE(w.LoginButton()->text(), QString("Login to account"));
  }
  // The next start signs in from the user file.
  QFile file(user_file);
  QVERIFY(file.open(QIODevice::ReadOnly));
  AccountState next;
  StartUpSignIn(ServiceClient(Site()), next, file.readAll().toStdString());
  QCOMPARE(next.mode, AccountMode::SignedIn);
  QVERIFY(next.user_file);
  QCOMPARE(next.user.Nick, std::string("Walter"));
  QCOMPARE(next.user.City, std::string("Москва"));
  QCOMPARE(next.user.Country2, std::string("6-012"));
}

void AccountWindowTest::ExistingNickAndWrongPassword() {
  QTemporaryDir folder;
  AccountState state;
  QStringList notices;
  AccountWindow w(state, ServiceClient(Site()), folder.filePath("TarvoUser.qiv"));
  w.notify = [&](const QString& text) { notices << text; };
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  Type(w.NickEdit(), "Hanna");
  Type(w.PasswordEdit(), "pass1");
  Type(w.CityEdit(), "Oslo");
  Type(w.EMailEdit(), "h@x.no");
  QTest::mouseClick(w.CreateButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(state.mode, AccountMode::SignedIn);
  QTest::mouseClick(w.LoginButton(), Qt::LeftButton);  // sign out
  QTest::mouseClick(w.CreateButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices.last(), QString("The club already has a player with the same Nick!"));
  QCOMPARE(state.mode, AccountMode::SignedOut);
  w.PasswordEdit()->clear();
  Type(w.PasswordEdit(), "wrong1");
  QTest::mouseClick(w.LoginButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices.last(), QString("Login failed!"));
  QCOMPARE(state.mode, AccountMode::SignedOut);
  // The rating list was read (it lists only accounts with rated games: none yet).
  QVERIFY(state.list_read);
  QVERIFY(w.TopCell(0, 1)->text().isEmpty());
}

void AccountWindowTest::NoServerShowsNoConnect() {
  QTemporaryDir folder;
  AccountState state;
  state.mode = AccountMode::SignedIn;
  state.user.Nick = "Walter";
  state.user.Pw = "secret1";
  QStringList notices;
  AccountWindow w(state, ServiceClient(DeadSite()), folder.filePath("TarvoUser.qiv"));
  w.notify = [&](const QString& text) { notices << text; };
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(w.ResultValue(2)->text(), QString("No Connect"));
  QCOMPARE(w.TopCell(0, 1)->text(), QString("No Connect"));
  QVERIFY(!w.ClubSize()->isVisible());
  QTest::mouseClick(w.LoginButton(), Qt::LeftButton);  // sign out: nothing is sent
  QTest::mouseClick(w.LoginButton(), Qt::LeftButton);
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  QCOMPARE(notices, QStringList{"Login failed!"});
}

void AccountWindowTest::LampsAndButtons_data() {
  QTest::addColumn<QString>("nick");
  QTest::addColumn<QString>("password");
  QTest::addColumn<QString>("city");
  QTest::addColumn<QString>("email");
  QTest::addColumn<bool>("create");
  QTest::addColumn<bool>("login");
  QTest::newRow("all valid") << "Ab"
                             << "abcd"
                             << "Rome"
                             << "a@b" << true << true;
  QTest::newRow("nick of one") << "a"
                               << "abcd"
                               << "Rome"
                               << "a@b" << false << false;
  QTest::newRow("cyrillic city") << "Ab"
                                 << "abcd"
                                 << "Москва"
                                 << "a@b" << true << true;
  QTest::newRow("short password") << "Ab"
                                  << "abc"
                                  << "Rome"
                                  << "a@b" << false << false;
  QTest::newRow("mail ends in @") << "Ab"
                                  << "abcd"
                                  << "Rome"
                                  << "ab@" << false << true;
  QTest::newRow("no city") << "Ab"
                           << "abcd"
                           << ""
                           << "a@b" << false << true;
}

void AccountWindowTest::LampsAndButtons() {
  QFETCH(QString, nick);
  QFETCH(QString, password);
  QFETCH(QString, city);
  QFETCH(QString, email);
  QFETCH(bool, create);
  QFETCH(bool, login);
  QTemporaryDir folder;
  AccountState state;
  AccountWindow w(state, ServiceClient(DeadSite()), folder.filePath("TarvoUser.qiv"));
  QTRY_VERIFY_WITH_TIMEOUT(!w.Busy(), kWaitMs);
  Type(w.NickEdit(), nick);
  Type(w.PasswordEdit(), password);
  Type(w.CityEdit(), city);
  Type(w.EMailEdit(), email);
  QCOMPARE(w.CreateButton()->isEnabled(), create);
  QCOMPARE(w.LoginButton()->isEnabled(), login);
  // A Cyrillic letter cannot be typed into the password.
  Type(w.PasswordEdit(), "ж");
  QCOMPARE(w.PasswordEdit()->text(), password);
}

void AccountWindowTest::PassportClosesOnlyWhenValid_data() {
  QTest::addColumn<QString>("nick");
  QTest::addColumn<QString>("city");
  QTest::addColumn<bool>("closes");
  QTest::addColumn<std::string>("stored_city");
  QTest::newRow("valid") << "Ivan"
                         << "Тверь" << true << std::string("Тверь");
  QTest::newRow("nick of one") << "I"
                               << "Tver" << false << std::string("Moscow");
  QTest::newRow("city of one") << "Ivan"
                               << "T" << false << std::string("Moscow");
}

void AccountWindowTest::PassportClosesOnlyWhenValid() {
  QFETCH(QString, nick);
  QFETCH(QString, city);
  QFETCH(bool, closes);
  QFETCH(std::string, stored_city);
  Settings settings;
  PassportWindow w(settings);
  w.show();
  w.NickEdit()->clear();
  Type(w.NickEdit(), nick);
  w.CityEdit()->selectAll();
  Type(w.CityEdit(), city);
  QCOMPARE(w.OkButton()->isEnabled(), closes);
  QTest::keyClick(&w, Qt::Key_Escape);
  QCOMPARE(w.isVisible(), !closes);
  QCOMPARE(QString::fromStdString(settings.PassportCity), QString::fromStdString(stored_city));
}

QTEST_MAIN(AccountWindowTest)
#include "account_window_test.moc"
