// The window with packs: what the table draws comes from the chosen set's pack, a missing pack
// is named and its set falls back in the settings and in the options' lists, and the options
// offer only what the packs at hand allow.
#include <QCheckBox>
#include <QDir>
#include <QListWidget>
#include <QMessageBox>
#include <QRadioButton>
#include <QtTest>

#include "app/options_window.h"
#include "app_fixture.h"
#include "packs/card_images.h"
#include "packs/pack_names.h"
#include "packs/pack_writer.h"
#include "support/test_pack.h"
#include "table/cards_button.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

std::vector<std::uint8_t> Png(QSize size, QColor colour) {
  return test::Encode(test::Solid(size, colour), "PNG");
}

// Pack B with face set 35 (narrow) in one colour and the narrow backs of set 0 in another.
PackWriter NarrowSetPack(QColor faces, QColor backs) {
  PackWriter w;
  for (int suit = 0; suit < 4; ++suit) {
    for (int rank = 0; rank < 9; ++rank) {
      for (bool big : {false, true}) {
        w.Add(FacePictureName(35, suit, rank, big), PackKind::kPng,
              Png(CardSize(false, big ? 2.0 : 1.0), faces));
      }
    }
    w.Add(SymbolPictureName(35, suit, false), PackKind::kPng, Png({20, 20}, faces));
  }
  for (int picture = 1; picture <= 7; ++picture) {
    for (bool side : {false, true}) {
      w.Add(BackPictureName(0, picture, side, BackSize::kSmall), PackKind::kPng,
            Png(CardSize(false, 1.0), backs));
      w.Add(BackPictureName(0, picture, side, BackSize::kLargeNarrow), PackKind::kPng,
            Png(CardSize(false, 2.0), backs));
    }
  }
  return w;
}

QColor Middle(const QPixmap& pm) {
  const QImage image = pm.toImage();
  return image.pixelColor(image.width() / 2, image.height() / 2);
}

}  // namespace

class PackWindowTest : public QObject {
  Q_OBJECT
 private slots:
  void MissingPackIsNamedAndTheListShowsTheOwnSet();
  void SetFromThePackAboveIsDrawnNarrow();
  void BackGroupsOfferOnlyRandom();
  void SaluteNeedsTheGraphicsPack();
};

void PackWindowTest::MissingPackIsNamedAndTheListShowsTheOwnSet() {
  AppFixture app;
  app.LeaveTitle();
  QString row_after;
  app.OnNextDialog([&row_after](QDialog* d) {
    auto* options = qobject_cast<TFormOptions*>(d);
    auto* list = options->findChild<QListWidget*>("ListCardFaces");
    list->setCurrentRow(35);
    row_after = list->currentItem()->text();
    QTest::mouseClick(options->findChild<TTarvoCardsButton*>("ButtonOk"), Qt::LeftButton);
  });
  QString message;
  app.OnNextDialog([&message](QDialog* d) {
    message = qobject_cast<QMessageBox*>(d)->text();
    d->accept();
  });
  QTest::mouseClick(app.Window().Menu()->findChild<TTarvoCardsButton*>("Button10"), Qt::LeftButton);
  QCOMPARE(message, QString("Can`t find the file TarvoCards06B.dll"));
  QCOMPARE(row_after, QString("Classical-1"));
  QCOMPARE(app.Window().AppSettings().CardFaces, 0);
}

void PackWindowTest::SetFromThePackAboveIsDrawnNarrow() {
  QTemporaryDir program, above;
  QVERIFY(NarrowSetPack(Qt::blue, Qt::red)
              .WriteFile(QDir(above.path()).filePath(kPackCardsB).toStdString()));
  AppFixture app(7, true, nullptr, PackFolders{program.path(), above.path()});
  QStringList unexpected;
  for (int i = 0; i < 3; ++i) {
    app.OnNextDialog([&unexpected](QDialog* d) {
      unexpected << d->objectName();
      d->reject();
    });
  }
  TForm1& w = app.Window();
  w.AppSettings().CardFaces = 35;
  app.LeaveTitle();
  QCOMPARE(w.AppSettings().CardFaces, 35);
  TableView* view = w.Table()->View();
  QCOMPARE(view->Layout().card.w, 61);
  QCOMPARE(Middle(view->CardPixmap(MakeCard(Rank::King, 1), true)), QColor(Qt::blue));
  QCOMPARE(Middle(view->CardPixmap(MakeCard(Rank::King, 1), false)), QColor(Qt::red));
  QCOMPARE(Middle(view->CardPixmap(MakeCard(Rank::King, 1), false, true)), QColor(Qt::red));
  QVERIFY2(unexpected.isEmpty(), qPrintable(unexpected.join(", ")));
}

void PackWindowTest::BackGroupsOfferOnlyRandom() {
  Settings s;
  s.DeckBack = 9;
  s.AlwaysOneBack = true;
  TFormOptions options(s);
  auto* change = options.findChild<QRadioButton*>("RadioChangeDecks");
  auto* one = options.findChild<QRadioButton*>("RadioAlwaysOne");
  auto* random = options.findChild<QRadioButton*>("RadioRandom");
  QVERIFY(random->isEnabled() && random->isChecked());
  QVERIFY(!change->isEnabled() && !one->isEnabled());
  options.findChild<QListWidget*>("ListDecks")->setCurrentRow(12);
  QCOMPARE(s.DeckBack, 12);
  QVERIFY(!random->isEnabled());
  QVERIFY(one->isEnabled() && one->isChecked());
  QVERIFY(s.AlwaysOneBack);
  change->click();
  QVERIFY(!s.AlwaysOneBack);
}

void PackWindowTest::SaluteNeedsTheGraphicsPack() {
  QTemporaryDir program, above;
  OptionsContext context;
  context.packs = {program.path(), above.path()};
  Settings s;
  s.SaluteCards = true;
  {
    TFormOptions options(s, context);
    auto* cards = options.findChild<QCheckBox*>("CheckSaluteCards");
    QVERIFY(!cards->isEnabled());
    QVERIFY(!cards->isChecked());
    QVERIFY(!s.SaluteCards);
  }
  PackWriter graphics;
  QVERIFY(graphics.Add("BGLilu", PackKind::kPng, Png({8, 8}, Qt::magenta)));
  QVERIFY(graphics.WriteFile(QDir(above.path()).filePath(kPackGraphics).toStdString()));
  s.SaluteCards = true;
  TFormOptions options(s, context);
  auto* cards = options.findChild<QCheckBox*>("CheckSaluteCards");
  QVERIFY(cards->isEnabled());
  QVERIFY(cards->isChecked());
  QVERIFY(s.SaluteCards);
}

QTEST_MAIN(PackWindowTest)
#include "pack_window_test.moc"
