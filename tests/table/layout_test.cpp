// The places of the table for the window sizes, and how hands are laid out.
#include <QtTest>

#include "table/flight.h"
#include "table/layout.h"

using namespace ostrel;

class LayoutTest : public QObject {
  Q_OBJECT
 private slots:
  void HandLayout_data();
  void HandLayout();
  void SmallWindowFitsClientAreaExactly();
  void FixedSizesScaleEveryElement();
  void WideFullScreenKeepsTopHandCentredInItsSlot();
  void RoundingGoesToEvenNeighbour();
  void FlightAdvancesOnePixelAlongTheLongerAxis();
  void FlightPaceBySpeed();
};

void LayoutTest::HandLayout_data() {
  QTest::addColumn<int>("width");
  QTest::addColumn<int>("count");
  QTest::addColumn<int>("card");
  QTest::addColumn<QList<int>>("expected");
  // 5 x 74 = 370 > 330: the cards overlap from the left with step (330 - 74) / 4 = 64.
  QTest::newRow("five overlap") << 330 << 5 << 71 << QList<int>{0, 64, 128, 192, 256};
  // 4 x 74 = 296 fits: side by side, centred, 74 apart.
  QTest::newRow("four centred") << 330 << 4 << 71 << QList<int>{17, 91, 165, 239};
  QTest::newRow("eight overlap") << 330 << 8 << 71
                                 << QList<int>{0, 36, 72, 108, 144, 180, 216, 252};
  QTest::newRow("one card") << 330 << 1 << 71 << QList<int>{128};
  QTest::newRow("side hand eight") << 190 << 8 << 71 << QList<int>{0, 16, 32, 48, 64, 80, 96, 112};
  QTest::newRow("empty hand") << 330 << 0 << 71 << QList<int>{};
}

void LayoutTest::HandLayout() {
  QFETCH(int, width);
  QFETCH(int, count);
  QFETCH(int, card);
  QFETCH(QList<int>, expected);
  const std::vector<int> x = LayOutHand(width, count, card);
  QCOMPARE(static_cast<int>(x.size()), count + 1);
  for (int i = 1; i <= count; ++i) QCOMPARE(x[static_cast<std::size_t>(i)], expected[i - 1]);
}

void LayoutTest::SmallWindowFitsClientAreaExactly() {
  const TableLayout l = MakeTableLayout(ScaleForWindowSize(1, 1920, 1080));
  QCOMPARE(l.scale.client_w, 760);
  QCOMPARE(l.scale.client_h, 500);
  QCOMPARE(l.card.w, 71);
  QCOMPARE(l.card.h, 96);
  QCOMPARE(l.hand[4], (Rect{215, 395, 330, 96}));
  QCOMPARE(l.hand[4].Bottom(), 491);
  QCOMPARE(l.trick, (Rect{215, 150, 330, 200}));
  QCOMPARE(l.button7, (Rect{566, 305, 180, 30}));
  QCOMPARE(l.button8, (Rect{566, 335, 180, 30}));
  const Rect all[] = {l.hand[1],  l.hand[2],  l.hand[3], l.hand[4], l.label[1], l.label[2],
                      l.label[3], l.label[4], l.tab[1],  l.tab[2],  l.deck,     l.trick,
                      l.panel,    l.memo,     l.button7, l.button8};
  for (const Rect& r : all) {
    QVERIFY(r.x >= 0 && r.y >= 0);
    QVERIFY(r.Right() <= 760 && r.Bottom() <= 500);
  }
}

void LayoutTest::FixedSizesScaleEveryElement() {
  const TableLayout l = MakeTableLayout(ScaleForWindowSize(5, 0, 0));
  QCOMPARE(l.scale.client_w, 1520);
  QCOMPARE(l.card.w, 146);
  QCOMPARE(l.card.h, 198);
  QCOMPARE(l.tab[2], (Rect{56, 602, 310, 190}));
  QCOMPARE(l.hand[2], (Rect{430, 16, 660, 198}));
  const TableLayout m = MakeTableLayout(ScaleForWindowSize(3, 0, 0));
  QCOMPARE(m.card.w, 92);   // round(1.3 x 71) = 92.3
  QCOMPARE(m.card.h, 125);  // round(1.3 x 96) = 124.8
  QCOMPARE(m.label[4], (Rect{389, 484, 208, 26}));
}

void LayoutTest::WideFullScreenKeepsTopHandCentredInItsSlot() {
  // A 16:9 screen: sx = 1920 / 760, sy = s = 1080 / 500.
  const TableScale t = ScaleForWindowSize(2, 1920, 1080);
  QCOMPARE(t.s, 2.16);
  const TableLayout l = MakeTableLayout(t);
  const Rect& top = l.hand[2];
  QCOMPARE(top.w, Scale(t, 330));
  const double slot_left = t.sx * 215;
  const double slot_right = t.sx * (215 + 330);
  QVERIFY(std::abs((top.x + top.w / 2.0) - (slot_left + slot_right) / 2.0) <= 1.0);
  QCOMPARE(top.x, PlaceX(t, 215, 330));
}

void LayoutTest::RoundingGoesToEvenNeighbour() {
  QCOMPARE(RoundEven(2.5), 2);
  QCOMPARE(RoundEven(3.5), 4);
  QCOMPARE(RoundEven(-2.5), -2);
  const TableScale t = ScaleForWindowSize(3, 0, 0);
  QCOMPARE(Scale(t, 15), 20);  // 19.5 goes to 20
  QCOMPARE(Scale(t, 5), 6);    // 6.5 goes to 6
}

void LayoutTest::FlightAdvancesOnePixelAlongTheLongerAxis() {
  const FlightLine line{QPoint(10, 20), QPoint(110, 70)};
  QCOMPARE(line.Steps(), 100);
  QCOMPARE(line.At(0), QPoint(10, 20));
  QCOMPARE(line.At(1), QPoint(11, 20));  // 0.5 goes to the even 0
  QCOMPARE(line.At(3), QPoint(13, 22));  // 1.5 goes to 2
  QCOMPARE(line.At(100), QPoint(110, 70));
  const FlightLine up{QPoint(0, 300), QPoint(-40, 0)};
  QCOMPARE(up.Steps(), 300);
  QCOMPARE(up.At(150), QPoint(-20, 150));
  for (int k = 1; k <= up.Steps(); ++k) {
    QCOMPARE(std::abs(up.At(k).y() - up.At(k - 1).y()), 1);
  }
}

void LayoutTest::FlightPaceBySpeed() {
  const auto waits = [](FlightPace& pace, int n) {
    QList<int> w;
    for (int i = 0; i < n; ++i) w << pace.WaitAfterStep();
    return w;
  };
  FlightPace one(1), two(2), three(3), five(5), six(6);
  QCOMPARE(waits(one, 3), (QList<int>{2, 2, 2}));
  QCOMPARE(waits(two, 3), (QList<int>{1, 1, 1}));
  QCOMPARE(waits(three, 4), (QList<int>{0, 1, 0, 1}));
  QCOMPARE(waits(five, 3), (QList<int>{0, 0, 0}));
  QVERIFY(!six.DrawsFirstStep());
  QVERIFY(five.DrawsFirstStep());
  // The counter of speed 4 runs on from one flight to the next.
  FlightPace four(4);
  QCOMPARE(waits(four, 2), (QList<int>{0, 0}));
  QCOMPARE(waits(four, 2), (QList<int>{1, 0}));
}

QTEST_MAIN(LayoutTest)
#include "layout_test.moc"
