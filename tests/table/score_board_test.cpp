// The texts and marks of the score tabs and speech labels.
#include <QImage>
#include <QtTest>

#include "table/score_board.h"

using namespace ostrel;

namespace {

int CountPixels(const QImage& img, const QRect& area, bool (*match)(QRgb)) {
  int n = 0;
  for (int y = area.top(); y <= area.bottom(); ++y) {
    for (int x = area.left(); x <= area.right(); ++x) n += match(img.pixel(x, y)) ? 1 : 0;
  }
  return n;
}

bool IsRed(QRgb c) {
  return qRed(c) > 200 && qGreen(c) < 60 && qBlue(c) < 60;
}

QImage PaintTab(const TableScale& t, const TabView& tab) {
  const Rect r{0, 0, Scale(t, 155), Scale(t, 95)};
  QImage img(r.w, r.h, QImage::Format_RGB32);
  img.fill(Qt::black);
  QPainter p(&img);
  PaintScoreTab(p, r, t, FontRoles{}, tab);
  return img;
}

}  // namespace

class ScoreBoardTest : public QObject {
  Q_OBJECT
 private slots:
  void TotalTexts_data();
  void TotalTexts();
  void DealPointsShowWithoutSign();
  void StarPlaces_data();
  void StarPlaces();
  void GameOverTotalsTurnRed();
  void LongLabelTextsShrinkToStayOnThePlate();
  void LongLabelTextKeepsClearOfTheRing();
};

void ScoreBoardTest::TotalTexts_data() {
  QTest::addColumn<int>("total");
  QTest::addColumn<QString>("text");
  QTest::newRow("zero") << 0 << "0";
  QTest::newRow("positive") << 162 << "+162";
  QTest::newRow("negative") << -40 << "-40";
  QTest::newRow("lead at the end") << 72 << "+72";
  QTest::newRow("behind at the end") << -72 << "-72";
}

void ScoreBoardTest::TotalTexts() {
  QFETCH(int, total);
  QFETCH(QString, text);
  QCOMPARE(TotalText(total), text);
}

void ScoreBoardTest::DealPointsShowWithoutSign() {
  QCOMPARE(DealText(35), QString("35"));
  QCOMPARE(DealText(0), QString("0"));
  QCOMPARE(DealText(kNoDealValue), QString());
}

void ScoreBoardTest::StarPlaces_data() {
  QTest::addColumn<int>("window_size");
  QTest::addColumn<int>("screen_w");
  QTest::addColumn<int>("screen_h");
  QTest::addColumn<QPoint>("top_left");
  QTest::addColumn<bool>("small");
  QTest::newRow("small window") << 1 << 0 << 0 << QPoint(65, 52) << true;
  QTest::newRow("large window") << 5 << 0 << 0 << QPoint(130, 104) << false;
  // Full screen at scale 1.5: tab width round(232.5) = 232, star at (116 - 12, 98 - 12).
  QTest::newRow("full screen 1.5") << 2 << 1140 << 750 << QPoint(104, 86) << true;
  // 1.3: tab width round(201.5) = 202, star at (101 - 12, round(84.5) - 12 = 72).
  QTest::newRow("average 1") << 3 << 0 << 0 << QPoint(89, 72) << true;
  // Above 2 the large star is placed by its own offset of 25.
  QTest::newRow("full screen 2.4") << 2 << 1824 << 1200 << QPoint(186 - 25, 156 - 25) << false;
}

void ScoreBoardTest::StarPlaces() {
  QFETCH(int, window_size);
  QFETCH(int, screen_w);
  QFETCH(int, screen_h);
  QFETCH(QPoint, top_left);
  QFETCH(bool, small);
  const TableScale t = ScaleForWindowSize(window_size, screen_w, screen_h);
  const StarPlace sp = StarPlaceFor(t, Scale(t, 155));
  QCOMPARE(sp.top_left, top_left);
  QCOMPARE(sp.small, small);
}

void ScoreBoardTest::GameOverTotalsTurnRed() {
  const TableScale t = ScaleForWindowSize(1, 0, 0);
  TabView tab;
  tab.shown = true;
  tab.total = -72;
  tab.deal_value = 40;
  const QRect total_area(15, 15, 125, 31);
  QCOMPARE(CountPixels(PaintTab(t, tab), total_area, IsRed), 0);
  tab.game_over = true;
  QVERIFY(CountPixels(PaintTab(t, tab), total_area, IsRed) > 20);
}

void ScoreBoardTest::LongLabelTextsShrinkToStayOnThePlate() {
  const TableScale t = ScaleForWindowSize(1, 0, 0);
  const FontRoles fonts;
  QCOMPARE(LabelTextHeight(t, fonts, "PC"), 18);
  const QString wide = "Weak Combination + Tertz";
  const int h = LabelTextHeight(t, fonts, wide);
  QVERIFY(h == 16 || h == 14);
  const QFontMetrics at18(RoleFont(fonts, FontRole::Serif, 18, true));
  QVERIFY(at18.horizontalAdvance(wide) > 150);
  const QString very_wide = "Weak Combination + Ostrel + Tertz + Bella";
  QCOMPARE(LabelTextHeight(t, fonts, very_wide), 14);
  // Trailing blanks do not count.
  QCOMPARE(LabelTextHeight(t, fonts, "PC                                              "), 18);
  // A text wider than the plate even at 14 pixels is drawn smaller still and stays on the
  // plate: nothing runs past its edges.
  for (const QString& text : {QStringLiteral("No combinations No combinations"), very_wide}) {
    QImage img(400, 20, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    LabelView label;
    label.text = text;
    PaintSeatLabel(p, Rect{120, 0, 160, 20}, t, fonts, label);
    p.end();
    const auto white = [](QRgb c) { return qRed(c) > 230 && qGreen(c) > 230 && qBlue(c) > 230; };
    QCOMPARE(CountPixels(img, QRect(0, 0, 120, 20), white), 0);
    QCOMPARE(CountPixels(img, QRect(280, 0, 120, 20), white), 0);
    QVERIFY(CountPixels(img, QRect(120, 0, 160, 20), white) > 20);
    QVERIFY(PixelHeight(FitSeatLabel(t, fonts, label).font) >= kReadablePixels);
  }
}

void ScoreBoardTest::LongLabelTextKeepsClearOfTheRing() {
  const TableScale t = ScaleForWindowSize(1, 0, 0);
  const FontRoles fonts;
  const auto white = [](QRgb c) { return qRed(c) > 235 && qGreen(c) > 235 && qBlue(c) > 235; };
  const auto text_in_ring = [&](const QString& text) {
    QImage img(160, 20, QImage::Format_RGB32);
    img.fill(Qt::black);
    QPainter p(&img);
    LabelView label;
    label.text = text;
    label.role = 2;
    PaintSeatLabel(p, Rect{0, 0, 160, 20}, t, fonts, label);
    p.end();
    return CountPixels(img, QRect(Scale(t, 134), 0, Scale(t, 20), 20), white);
  };
  // The ring by itself, then the same ring with the longest label a seat gets in a deal.
  const int ring_alone = text_in_ring("P");
  QCOMPARE(text_in_ring("No combinations"), ring_alone);
}

QTEST_MAIN(ScoreBoardTest)
#include "score_board_test.moc"
