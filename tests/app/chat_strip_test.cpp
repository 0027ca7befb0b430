// The chat strip of a network game: how a line is cut to the strip, the four lines and their
// colours, and a line typed at one table arriving on the other.
#include <QFontMetrics>
#include <QLineEdit>
#include <QPushButton>
#include <QSignalSpy>
#include <QtTest>

#include "app/chat_strip.h"
#include "table/layout.h"

using namespace ostrel;

namespace {

bool HasNavy(const QImage& image) {
  for (int y = 0; y < image.height(); ++y) {
    for (int x = 0; x < image.width(); ++x) {
      const QColor c = image.pixelColor(x, y);
      if (c.blue() > 100 && c.red() < 40 && c.green() < 40) return true;
    }
  }
  return false;
}

}  // namespace

class ChatStripTest : public QObject {
  Q_OBJECT
 private slots:
  void LinesAreCutToTheStrip_data();
  void LinesAreCutToTheStrip();
  void FourLinesInTheirSeatsColours();
  void LongLineFitsTheStripAtEverySize();
  void InputSendsOnlyText();
  void TheNumberTypedOnTheSendButtonTogglesTheOpenView();
};

void ChatStripTest::LinesAreCutToTheStrip_data() {
  QTest::addColumn<QString>("text");
  QTest::addColumn<int>("width");
  QTest::addColumn<QString>("shown");
  // One unit per character: the cut text and its "..." must fit the width together.
  QTest::newRow("fits") << "hello" << 10 << "hello";
  QTest::newRow("exactly the width") << "0123456789" << 10 << "0123456789";
  QTest::newRow("one too many") << "0123456789A" << 10 << "0123456...";
  QTest::newRow("far too long, never wider than the strip")
      << QString(40, 'x') << 10 << QString(7, 'x') + "...";
  QTest::newRow("no room for a character") << "abcdef" << 3 << "...";
  QTest::newRow("empty") << "" << 10 << "";
}

void ChatStripTest::LinesAreCutToTheStrip() {
  QFETCH(QString, text);
  QFETCH(int, width);
  QFETCH(QString, shown);
  const auto units = [](const QString& s) { return int(s.size()); };
  QCOMPARE(FitChatLine(text, width, units), shown);
}

void ChatStripTest::FourLinesInTheirSeatsColours() {
  QWidget table;
  ChatStrip strip(&table);
  strip.Place(MakeTableLayout(TableScale{}), FontRoles{});
  for (int seat = 1; seat <= 4; ++seat) strip.AddLine(seat, QString("line %1").arg(seat));
  QCOMPARE(strip.Lines()[0].text, QString("line 1"));
  strip.AddLine(2, "fifth");  // the oldest goes
  const int seats[] = {2, 3, 4, 2};
  const QString texts[] = {"line 2", "line 3", "line 4", "fifth"};
  for (int k = 0; k < 4; ++k) {
    QCOMPARE(strip.Lines()[k].seat, seats[k]);
    QCOMPARE(strip.Lines()[k].text, texts[k]);
  }
  QCOMPARE(ChatSeatColour(1), QColor(128, 0, 0));
  QCOMPARE(ChatSeatColour(2), QColor(0, 0, 128));
  QCOMPARE(ChatSeatColour(3), QColor(0, 128, 0));
  QCOMPARE(ChatSeatColour(4), QColor(128, 128, 0));
  // The seat's colour is drawn: navy shows on the strip with seat 2's lines, not without.
  strip.resize(130, 90);
  QVERIFY(HasNavy(strip.grab().toImage()));
  strip.Clear();
  QVERIFY(!HasNavy(strip.grab().toImage()));
}

// The room is 85 units of the table's scale; the line is cut again when the size changes.
void ChatStripTest::LongLineFitsTheStripAtEverySize() {
  QWidget table;
  ChatStrip strip(&table);
  const QString text = "A rather long line that no strip of this size can show whole, by far";
  for (int size : {1, 3}) {
    const TableScale scale = ScaleForWindowSize(size, 1920, 1080);
    FontRoles fonts;
    strip.Place(MakeTableLayout(scale), fonts);
    if (size == 1) strip.AddLine(3, text);
    const QString shown = strip.Lines()[0].text;
    QVERIFY(shown.endsWith("..."));
    QVERIFY(shown.size() < text.size() - 12);  // more than twelve characters came off
    const QFontMetrics metrics(RoleFont(fonts, FontRole::Serif, Scale(scale, 14)));
    QVERIFY(metrics.horizontalAdvance(shown) <= Scale(scale, 85));
    QVERIFY(text.startsWith(shown.chopped(3)));
  }
}

void ChatStripTest::InputSendsOnlyText() {
  QWidget table;
  ChatStrip strip(&table);
  strip.SetShown(true);
  QSignalSpy sent(&strip, &ChatStrip::SendWanted);
  QTest::keyClicks(strip.Edit(), "   ");
  QTest::keyClick(strip.Edit(), Qt::Key_Return);
  QCOMPARE(sent.count(), 0);  // nothing but blanks is not sent
  strip.Edit()->clear();
  QTest::keyClicks(strip.Edit(), "good luck");
  QTest::mouseClick(strip.SendButton(), Qt::LeftButton);
  QCOMPARE(sent.count(), 1);
  QCOMPARE(sent.at(0).at(0).toString(), QString("good luck"));
  QVERIFY(strip.Edit()->text().isEmpty());
}

void ChatStripTest::TheNumberTypedOnTheSendButtonTogglesTheOpenView() {
  QWidget table;
  ChatStrip strip(&table);
  strip.SetShown(true);
  table.show();
  QApplication::setActiveWindow(&table);
  QVERIFY(QTest::qWaitForWindowActive(&table));
  QSignalSpy toggled(&strip, &ChatStrip::OpenViewToggled);
  strip.SendButton()->setFocus();
  QTest::keyClicks(strip.SendButton(), "71948");
  QCOMPARE(toggled.count(), 1);
  QTest::keyClicks(strip.SendButton(), "7194");  // the collection starts anew after a match
  QCOMPARE(toggled.count(), 1);
  strip.Edit()->setFocus();  // leaving the button empties the collection
  strip.SendButton()->setFocus();
  QTest::keyClicks(strip.SendButton(), "8");
  QCOMPARE(toggled.count(), 1);
  QTest::keyClicks(strip.Edit(), "71948");  // typed in the input line it is a chat text
  QCOMPARE(toggled.count(), 1);
  QCOMPARE(strip.Edit()->text(), QString("71948"));
}

QTEST_MAIN(ChatStripTest)
#include "chat_strip_test.moc"
