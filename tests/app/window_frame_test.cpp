// The main window's frame: where it stands after a size change, the texts that follow the
// language (Qt's standard buttons, the context menu), and Enter in the login dialog.
#include <QLineEdit>
#include <QMenu>
#include <QMessageBox>
#include <QPushButton>
#include <QtTest>

#include "app/login_dialog.h"
#include "app/qt_translations.h"
#include "app/text.h"
#include "app/window_place.h"
#include "app_fixture.h"
#include "i18n/language.h"

using namespace ostrel;
using namespace ostrel::testing;

class WindowFrameTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() {
    SetLanguage(0);
    InstallQtTranslations(0);
  }
  void WindowIsCentredOnItsScreen();
  void StandardButtonsFollowTheLanguage();
  void ContextMenuFollowsTheLanguage();
  void LoginAcceptsEnterFromEveryField();
};

void WindowFrameTest::WindowIsCentredOnItsScreen() {
  struct Case {
    const char* name;
    QRect available;
    QSize frame;
    QPoint place;
  } const kCases[] = {
      {"large window on 1600x1100", {0, 0, 1600, 1080}, {1540, 1044}, {30, 18}},
      {"small window on 1600x1100", {0, 0, 1600, 1080}, {766, 526}, {417, 277}},
      {"second screen to the right", {1600, 0, 1920, 1200}, {1000, 700}, {2060, 250}},
      {"panel above the free area", {0, 40, 1280, 760}, {1000, 700}, {140, 70}},
      // Larger than the screen: the title bar stays on it.
      {"larger than the screen", {0, 0, 1024, 740}, {1290, 900}, {0, 0}},
  };
  for (const Case& c : kCases) {
    const QPoint place = CentredPlace(c.available, c.frame);
    QVERIFY2(place == c.place, c.name);
    QVERIFY2(c.available.contains(place), c.name);
    if (c.frame.width() <= c.available.width() && c.frame.height() <= c.available.height()) {
      QVERIFY2(c.available.contains(QRect(place, c.frame)), c.name);
    }
  }
}

void WindowFrameTest::StandardButtonsFollowTheLanguage() {
  struct Case {
    int language;
    const char* yes;
    const char* no;
  } const kCases[] = {{1, "Да", "Нет"}, {2, "Ja", "Nein"}, {0, "Yes", "No"}};
  for (const Case& c : kCases) {
    InstallQtTranslations(c.language);
    QMessageBox box(QMessageBox::Question, "?", "?", QMessageBox::Yes | QMessageBox::No);
    const auto plain = [](QAbstractButton* b) { return b->text().remove(QLatin1Char('&')); };
    QCOMPARE(plain(box.button(QMessageBox::Yes)), QString::fromUtf8(c.yes));
    QCOMPARE(plain(box.button(QMessageBox::No)), QString::fromUtf8(c.no));
  }
}

void WindowFrameTest::ContextMenuFollowsTheLanguage() {
  AppFixture app;
  app.LeaveTitle();
  auto* menu = app.Window().findChild<QMenu*>("PopupMenu1");
  QVERIFY(menu != nullptr);
  const QStringList english = [&] {
    QStringList out;
    for (const QAction* a : menu->actions()) out << a->text();
    return out;
  }();
  app.Window().AppSettings().Language = 1;
  app.Window().ApplySettings();
  int changed = 0;
  for (const QAction* a : menu->actions()) {
    if (a->isSeparator()) continue;
    QVERIFY2(!english.contains(a->text()), qPrintable(a->objectName() + ": " + a->text()));
    ++changed;
  }
  QCOMPARE(changed, 10);  // every item, the passport and the tournament among them
  const QAction* radio = menu->findChild<QAction*>("MRadio");
  QVERIFY(radio != nullptr);
  QCOMPARE(radio->text(), T("Radio"));
}

void WindowFrameTest::LoginAcceptsEnterFromEveryField() {
  for (const char* field : {"EditName", "EditPassword", "EditRepetition"}) {
    int checks = 0;
    TFormPassword dialog(true, "Anna", [&](const QString&, const QString&, const QString&) {
      ++checks;
      return QString();
    });
    dialog.show();
    auto* edit = dialog.findChild<QLineEdit*>(field);
    QVERIFY(edit != nullptr);
    edit->setFocus();
    QTest::keyClick(edit, Qt::Key_Return);
    QVERIFY2(checks == 1, field);
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
  }
}

QTEST_MAIN(WindowFrameTest)
#include "window_frame_test.moc"
