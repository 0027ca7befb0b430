// The purple design given to a dialog from a graphics pack the test writes: where the
// background, the header and the icon show, and that without the pack nothing changes.
#include <QLabel>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <QtTest>

#include "support/test_pack.h"
#include "table/cards_button.h"
#include "table/purple_design.h"

using namespace ostrel;
using ostrel::test::Near;

namespace {

const QColor kVelvet(90, 0, 130), kHeader(250, 220, 60), kIcon(0, 200, 0);

// A dialog as the program's windows are: controls in a layout, the program's button below.
struct Dialog {
  Dialog() {
    window.resize(320, 240);
    auto* layout = new QVBoxLayout(&window);
    label = new QLabel(QStringLiteral("A line of text"), &window);
    label->setMinimumHeight(60);
    layout->addWidget(label);
    layout->addWidget(new TTarvoCardsButton(QStringLiteral("Ok"), &window));
    margins = layout->contentsMargins();
  }
  QImage Shot() {
    window.show();
    QApplication::processEvents();
    return window.grab().toImage();
  }

  QDialog window;
  QLabel* label;
  QMargins margins;
};

}  // namespace

class PurpleDesignTest : public QObject {
  Q_OBJECT
 private slots:
  void initTestCase();
  void PaintsBehindTheControls();
  void WithoutThePackNothingChanges();

 private:
  QTemporaryDir with_, without_;
};

void PurpleDesignTest::initTestCase() {
  QVERIFY(with_.isValid() && without_.isValid());
  PackWriter w;
  QVERIFY(test::AddSolid(w, "GFormOpt", {64, 64}, kVelvet, PackKind::kJpeg));
  QVERIFY(test::AddSolid(w, "GFormOptEng", {200, 56}, kHeader));
  QVERIFY(test::AddSolid(w, "GIcon48Opt", {48, 48}, kIcon));
  QVERIFY(test::WriteGraphicsPack(w, with_.path()));
}

void PurpleDesignTest::PaintsBehindTheControls() {
  Dialog d;
  const QColor gray = d.window.palette().color(QPalette::Window);
  QVERIFY(ApplyPurpleDesign(&d.window, {with_.path(), {}}, "GFormOpt", "GIcon48Opt"));
  // A second call keeps one painter.
  QVERIFY(ApplyPurpleDesign(&d.window, {without_.path(), with_.path()}, "GFormOpt", "GIcon48Opt"));
  QCOMPARE(d.window.findChildren<QObject*>("PurpleDesignPainter").size(), 1);
  QVERIFY(d.window.layout()->contentsMargins().top() >= 56);
  const QImage shot = d.Shot();
  // The background stretched to the dialog shows in the margins, down to the last row.
  QVERIFY(Near(shot.pixelColor(2, shot.height() - 2), kVelvet));
  QVERIFY(Near(shot.pixelColor(shot.width() - 2, shot.height() / 2), kVelvet));
  QCOMPARE(shot.pixelColor(150, 30), kHeader);
  QCOMPARE(shot.pixelColor(14 + 24, 4 + 24), kIcon);
  // The label keeps its gray ground.
  const QPoint in_label = d.label->geometry().topLeft() + QPoint(2, 2);
  QCOMPARE(shot.pixelColor(in_label), gray);
}

void PurpleDesignTest::WithoutThePackNothingChanges() {
  Dialog d;
  const QColor gray = d.window.palette().color(QPalette::Window);
  QVERIFY(!ApplyPurpleDesign(&d.window, {without_.path(), {}}, "GFormOpt", "GIcon48Opt"));
  // A pack without that window's background is refused alike.
  QVERIFY(!ApplyPurpleDesign(&d.window, {with_.path(), {}}, "GFormHistory", "GIcon48History"));
  QVERIFY(d.window.findChild<QObject*>("PurpleDesignPainter") == nullptr);
  QCOMPARE(d.window.layout()->contentsMargins(), d.margins);
  QVERIFY(!d.label->autoFillBackground());
  QCOMPARE(d.Shot().pixelColor(2, 2), gray);
}

QTEST_MAIN(PurpleDesignTest)
#include "purple_design_test.moc"
