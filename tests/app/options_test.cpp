// The options window writes the settings as its controls change, and the program keeps them
// in the settings file when it closes.
#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QTabWidget>
#include <QTextBrowser>
#include <QtTest>

#include "app/options_window.h"
#include "app/small_windows.h"
#include "app_fixture.h"
#include "table/cards_button.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

// A check box or radio button takes clicks on its mark and text, not on the empty rest of
// its row.
void ClickMark(QAbstractButton* b) {
  QTest::mouseClick(b, Qt::LeftButton, {}, QPoint(8, b->height() / 2));
}

}  // namespace

class OptionsTest : public QObject {
  Q_OBJECT
 private slots:
  void ControlsWriteSettingsAndClosingSavesThem();
  void SmallWindowOnlyAllowsGifRecording();
  void ContextMenuWindows();
  void PurpleDesignNeedsTheGraphicsPack();
  void ChangeNameRenamesThePlayerAtTheTable();
};

void OptionsTest::ChangeNameRenamesThePlayerAtTheTable() {
  AppFixture app;
  app.LeaveTitle();
  app.StartAsNewPlayer("Hugo");
  QVERIFY(app.Settle());
  TForm1& w = app.Window();
  QAction* change = w.PopupMenu1()->findChild<QAction*>("ChangeName");
  QVERIFY(change->isEnabled());
  QString confirmation;
  app.OnNextDialog([](QDialog* d) {
    auto* login = qobject_cast<TFormPassword*>(d);
    login->NameEdit()->clear();
    QTest::keyClicks(login->NameEdit(), "Zoe");
    QTest::keyClicks(login->PasswordEdit(), "q");
    QTest::keyClicks(login->RepetitionEdit(), "q");
    QTest::mouseClick(login->OkButton(), Qt::LeftButton);
  });
  app.OnNextDialog([&confirmation](QDialog* d) {
    confirmation = qobject_cast<QMessageBox*>(d)->text();
    d->accept();
  });
  change->trigger();
  QVERIFY(confirmation.startsWith("Your name and/or the password were successfully changed!"));
  QVERIFY(confirmation.endsWith("New name: Zoe"));
  QCOMPARE(w.CurrentGame().Record().SeatName[4], std::string("Zoe"));
  QCOMPARE(w.Table()->View()->State().labels[4].text, QString("Zoe"));
}

void OptionsTest::PurpleDesignNeedsTheGraphicsPack() {
  Settings s;
  s.AuxDesign = 3;
  TFormOptions options(s);
  auto* table = options.findChild<QComboBox*>("ComboTableDesign");
  table->setCurrentIndex(1);
  QCOMPARE(s.TableDesign, 0);
  QCOMPARE(table->currentIndex(), 0);
  QVERIFY(options.findChild<QMessageBox*>("MissingPack") != nullptr);
  auto* aux = options.findChild<QComboBox*>("ComboAuxDesign");
  QCOMPARE(aux->currentIndex(), 2);  // design 3 is the third item
  aux->setCurrentIndex(3);
  QVERIFY(!s.AuxDesignPurple);
  QCOMPARE(s.AuxDesign, 2);
  QCOMPARE(aux->currentIndex(), 0);
}

void OptionsTest::ControlsWriteSettingsAndClosingSavesThem() {
  AppFixture app;
  app.LeaveTitle();
  app.OnNextDialog([](QDialog* d) {
    auto* options = qobject_cast<TFormOptions*>(d);
    QVERIFY(options != nullptr);
    options->Pages()->setCurrentIndex(0);
    ClickMark(options->findChild<QCheckBox*>("CheckSound"));
    options->Pages()->setCurrentIndex(3);
    ClickMark(options->findChild<QRadioButton*>("Radio301"));
    ClickMark(options->findChild<QCheckBox*>("CheckTrump"));
    options->findChild<QComboBox*>("ComboAuxDesign")->setCurrentIndex(2);
    options->findChild<QListWidget*>("ListColour")->setCurrentRow(4);
    QTest::mouseClick(options->findChild<TTarvoCardsButton*>("ButtonOk"), Qt::LeftButton);
  });
  // The tests' program folder holds no packs: a colour of the backgrounds pack is named as
  // missing and falls back to the program's own green.
  QString missing;
  app.OnNextDialog([&missing](QDialog* d) {
    missing = qobject_cast<QMessageBox*>(d)->text();
    d->accept();
  });
  QTest::mouseClick(app.Window().Menu()->findChild<TTarvoCardsButton*>("Button10"), Qt::LeftButton);
  QCOMPARE(missing, QString("Can`t find the file TarvoBackG03.dll"));
  const Settings& s = app.Window().AppSettings();
  QVERIFY(!s.SoundOn);
  QCOMPARE(s.TargetScore, 301);
  QVERIFY(!s.TrumpRequired);
  QCOMPARE(s.AuxDesign, 3);
  QVERIFY(!s.AuxDesignPurple);
  QCOMPARE(s.BackgroundColour, 0);
  QCOMPARE(s.BackgroundPattern, 2);
  // The game gets the new rules with its next start; sound off takes effect at once.
  QVERIFY(!app.Window().CurrentGame().Mode().SoundOn);
  QVERIFY(app.Window().close());
  const Settings saved = LoadSettings(app.Folder() + "/Ostrel4.ini");
  QVERIFY(!saved.SoundOn);
  QCOMPARE(saved.TargetScore, 301);
  QVERIFY(!saved.TrumpRequired);
  QCOMPARE(saved.AuxDesign, 3);
  QCOMPARE(saved.BackgroundColour, 0);
}

void OptionsTest::SmallWindowOnlyAllowsGifRecording() {
  Settings s;
  s.WindowSize = 3;
  TFormOptions options(s);
  auto* gif = options.findChild<QCheckBox*>("CheckSaveGif");
  QVERIFY(!gif->isEnabled());
  s.WindowSize = 1;
  ClickMark(options.findChild<QCheckBox*>("CheckFly"));  // any change
  QVERIFY(gif->isEnabled());
  QVERIFY(!s.FlyingCards);
}

void OptionsTest::ContextMenuWindows() {
  AppFixture app;
  app.LeaveTitle();
  app.StartAsNewPlayer("Fred");
  QVERIFY(app.Settle());
  TForm1& w = app.Window();
  QStringList seen;
  app.OnNextDialog([&seen](QDialog* d) {
    auto* info = qobject_cast<InfoWindow*>(d);
    QVERIFY(info != nullptr);
    seen << info->findChild<QLabel*>("ValuePlayer")->text()
         << info->findChild<QLabel*>("Value1")->text()
         << info->findChild<QLabel*>("Value2")->text();
    d->accept();
  });
  w.PopupMenu1()->findChild<QAction*>("GenCount")->trigger();
  QCOMPARE(seen, (QStringList{"Fred", "1", "1 / 25"}));
  QString help;
  app.OnNextDialog([&help](QDialog* d) {
    help = d->findChild<QTextBrowser*>("HelpBrowser")->toPlainText();
    d->accept();
  });
  w.PopupMenu1()->findChild<QAction*>("Help")->trigger();
  QVERIFY(help.contains("Tertz"));
  QVERIFY(help.contains("Bella"));
  QString radio;
  app.OnNextDialog([&radio](QDialog* d) {
    radio = qobject_cast<QMessageBox*>(d)->text();
    d->accept();
  });
  w.PopupMenu1()->findChild<QAction*>("MRadio")->trigger();
  // Without the site's station list (the default source) the radio cannot be used.
  QVERIFY(radio.endsWith("TarvoRadio.rad + TarvoRadio02.dll"));
  // Closing during a game asks first; a No keeps the game.
  app.answer = false;
  QVERIFY(!w.close());
  QCOMPARE(app.questions.size(), 1);
  QVERIFY(app.questions[0].startsWith("You want to leave from game?"));
  QCOMPARE(w.CurrentScreen(), TForm1::Screen::Table);
}

QTEST_MAIN(OptionsTest)
#include "options_test.moc"
