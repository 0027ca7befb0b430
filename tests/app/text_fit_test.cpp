// Every caption that can stand on a picture button or a speech label, in every language and at
// every window size, is drawn whole: made smaller where it must, never elided, never wider
// than the room it is given.
#include <QtTest>

#include "app/menu_screen.h"
#include "app/table_screen.h"
#include "app/text.h"
#include "app_fixture.h"
#include "i18n/language.h"
#include "table/score_board.h"
#include "table/text_fit.h"

using namespace ostrel;
using namespace ostrel::testing;

namespace {

struct WindowCase {
  const char* name;
  int size;
  int screen_w;
  int screen_h;
};

// The sizes the options offer, and the full screen on a small and a large screen.
const WindowCase kWindows[] = {{"small", 1, 1920, 1200},          {"full 1280x800", 2, 1280, 800},
                               {"full 1600x1100", 2, 1600, 1100}, {"average 1", 3, 1920, 1200},
                               {"average 2", 4, 1920, 1200},      {"large", 5, 1920, 1200}};

const Caption kCaptions[] = {Caption::ToBegin,
                             Caption::ToPlay,
                             Caption::Pass,
                             Caption::BuyCards,
                             Caption::ExhibitCombinations,
                             Caption::Ok,
                             Caption::NextRound,
                             Caption::ToSumUp,
                             Caption::ExitToMenu};

// What a speech label can say: the bids, the combinations' verdicts, why a card is refused,
// and up to three combinations of the declared kinds.
std::vector<std::vector<Words>> LabelPhrases() {
  std::vector<std::vector<Words>> out = {{Words::ToPlay},
                                         {Words::Pass},
                                         {Words::Bella},
                                         {Words::NoCombinations},
                                         {Words::WeakCombination},
                                         {Words::RefusedFollowSuit},
                                         {Words::RefusedPlayTrump},
                                         {Words::RefusedOverTrump}};
  const Words kinds[] = {Words::Ostrel, Words::Tertz};
  for (Words a : kinds) {
    out.push_back({a});
    for (Words b : kinds) {
      out.push_back({a, Words::Plus, b});
      for (Words c : kinds) out.push_back({a, Words::Plus, b, Words::Plus, c});
    }
  }
  return out;
}

QString Where(int language, const WindowCase& window, const QString& text) {
  return QStringLiteral("%1, %2: \"%3\"").arg(language).arg(window.name, text);
}

// A button's caption is whole and inside the bar.
void CheckButton(const TTarvoCardsButton& button, const QString& where) {
  const FittedText fitted = button.Fitted();
  QVERIFY2(!fitted.elided, qPrintable(where));
  QCOMPARE(fitted.text, button.text());
  QVERIFY2(PixelHeight(fitted.font) >= kReadablePixels, qPrintable(where));
  QVERIFY2(QFontMetricsF(fitted.font).horizontalAdvance(fitted.text) <= button.TextRoom(),
           qPrintable(where));
}

}  // namespace

class TextFitTest : public QObject {
  Q_OBJECT
 private slots:
  void cleanup() { SetLanguage(0); }
  void FittingShrinksBeforeEliding();
  void MenuButtonsFitEveryLanguageAndSize();
  void TableButtonsFitEveryLanguageAndSize();
  void SpeechLabelsFitEveryLanguageAndSize();
  void PointingHandStandsBesideTheLabel();
  void RoleFacesHaveEveryLetterOfTheLanguage();
};

void TextFitTest::FittingShrinksBeforeEliding() {
  QFont font("DejaVu Sans");
  font.setPixelSize(20);
  const QString text = QStringLiteral("Exhibit combinations");
  const int natural = QFontMetrics(font).horizontalAdvance(text);
  struct Case {
    int width;
    bool smaller;
    bool elided;
  } const kCases[] = {
      {natural + 5, false, false}, {natural * 3 / 4, true, false}, {20, true, true}};
  for (const Case& c : kCases) {
    const FittedText fitted = FitText(font, text, c.width);
    QCOMPARE(PixelHeight(fitted.font) < 20, c.smaller);
    QCOMPARE(fitted.elided, c.elided);
    QVERIFY(PixelHeight(fitted.font) >= kReadablePixels);
    if (!c.elided) {
      QCOMPARE(fitted.text, text);
      QVERIFY(QFontMetricsF(fitted.font).horizontalAdvance(text) <= c.width);
    }
  }
}

void TextFitTest::MenuButtonsFitEveryLanguageAndSize() {
  MenuScreen menu;
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguage(language);
    menu.Retranslate();
    for (const WindowCase& window : kWindows) {
      menu.SetTableScale(ScaleForWindowSize(window.size, window.screen_w, window.screen_h));
      const auto buttons = menu.findChildren<TTarvoCardsButton*>();
      QVERIFY(buttons.size() >= 6);
      for (const TTarvoCardsButton* button : buttons) {
        CheckButton(*button, Where(language, window, button->text()));
      }
    }
  }
}

void TextFitTest::TableButtonsFitEveryLanguageAndSize() {
  RecordingSounds sounds;
  TableScreen table(sounds);
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguage(language);
    for (const WindowCase& window : kWindows) {
      table.SetTableLayout(
          MakeTableLayout(ScaleForWindowSize(window.size, window.screen_w, window.screen_h)));
      for (Caption caption : kCaptions) {
        for (TTarvoCardsButton* button : {table.Button7(), table.Button8()}) {
          button->setText(CaptionText(caption));
          CheckButton(*button, Where(language, window, button->text()));
        }
      }
    }
  }
}

void TextFitTest::SpeechLabelsFitEveryLanguageAndSize() {
  const FontRoles fonts;
  const auto phrases = LabelPhrases();
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguage(language);
    for (const WindowCase& window : kWindows) {
      const TableScale t = ScaleForWindowSize(window.size, window.screen_w, window.screen_h);
      for (const auto& words : phrases) {
        for (int role : {0, 1}) {  // without and with the declarer's ring
          LabelView label;
          label.text = WordsText(words, "");
          label.role = role;
          const FittedText fitted = FitSeatLabel(t, fonts, label);
          const QString where = Where(language, window, label.text);
          QVERIFY2(!fitted.elided, qPrintable(where));
          QVERIFY2(
              QFontMetricsF(fitted.font).horizontalAdvance(fitted.text) <= SeatLabelRoom(t, label),
              qPrintable(where));
        }
      }
    }
  }
}

// The hand that shows whose turn it is points at the label from outside it: it never covers
// the label's text (a refusal is said while the hand points at the player), never leaves the
// window and never lies on a hand of cards, a score tab or the panel.
void TextFitTest::PointingHandStandsBesideTheLabel() {
  for (const WindowCase& window : kWindows) {
    const TableLayout l =
        MakeTableLayout(ScaleForWindowSize(window.size, window.screen_w, window.screen_h));
    for (int seat = 1; seat <= 4; ++seat) {
      const QRectF hand = SeatPointerRect(l.scale, l.label[seat]);
      const QString where = QStringLiteral("%1, seat %2").arg(window.name).arg(seat);
      QVERIFY2(hand.left() >= 0 && hand.width() >= 20, qPrintable(where));
      QVERIFY2(hand.right() <= l.label[seat].x, qPrintable(where));
      QVERIFY2(hand.top() >= l.label[seat].y && hand.bottom() <= l.label[seat].Bottom(),
               qPrintable(where));
      std::vector<Rect> others = {l.tab[1], l.tab[2], l.panel};
      for (int s = 1; s <= 4; ++s) others.push_back(l.hand[s]);
      for (const Rect& o : others) {
        QVERIFY2(!hand.intersects(QRectF(o.x, o.y, o.w, o.h)), qPrintable(where));
      }
    }
  }
}

// A word is drawn in one face: the face of the role has every letter the language writes on
// the table (a missing letter would come from a fallback face of another look).
void TextFitTest::RoleFacesHaveEveryLetterOfTheLanguage() {
  const FontRoles fonts;
  const auto phrases = LabelPhrases();
  for (int language = 0; language < kLanguageCount; ++language) {
    SetLanguage(language);
    QStringList texts = {T("Round:"), T("New Player"), T("Exit to menu")};
    for (Caption caption : kCaptions) texts << CaptionText(caption);
    for (const auto& words : phrases) texts << WordsText(words, "");
    for (FontRole role : {FontRole::Decor, FontRole::Serif}) {
      const QFont font = RoleFont(fonts, role, 20);
      QCOMPARE(QFontInfo(font).family(), font.family());
      const QFontMetrics metrics(font);
      for (const QString& text : texts) {
        for (const char32_t letter : text.toUcs4()) {
          if (QChar::isSpace(letter)) continue;
          QVERIFY2(metrics.inFontUcs4(letter),
                   qPrintable(QStringLiteral("%1: %2 in \"%3\" (%4)")
                                  .arg(language)
                                  .arg(QString::number(letter, 16), text, font.family())));
        }
      }
    }
  }
}

QTEST_MAIN(TextFitTest)
#include "text_fit_test.moc"
