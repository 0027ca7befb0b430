#include "i18n/phrases.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace ostrel {
namespace {

class PhrasesTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(kEnglish); }
};

// The champions table takes its header by position: the v-th phrase after "Mode".
TEST_F(PhrasesTest, ClubHeadersAreTheTwoPhrasesAfterMode) {
  EXPECT_EQ(PhraseAfter(PhraseKey::Mode, 1), PhraseKey::ClubHeaderScore);
  EXPECT_EQ(PhraseAfter(PhraseKey::Mode, 2), PhraseKey::ClubHeaderRating);
  EXPECT_EQ(ClubHeaderKey(1), PhraseKey::ClubHeaderScore);
  EXPECT_EQ(ClubHeaderKey(2), PhraseKey::ClubHeaderRating);
  EXPECT_EQ(Phrase(ClubHeaderKey(1)), " The members of club    Games    Score ");
  EXPECT_EQ(Phrase(ClubHeaderKey(2)), " The members of club    Games   Rating ");
  // A view the menu never sets still shows a header rather than some other phrase.
  for (int view : {0, 3, -1}) EXPECT_EQ(ClubHeaderKey(view), PhraseKey::ClubHeaderScore);
}

TEST_F(PhrasesTest, ClubHeadersKeepTheirColumnsInEveryLanguage) {
  for (int lang = 0; lang < kLanguageCount; ++lang) {
    for (int view : {1, 2}) {
      std::string_view header = PhraseIn(ClubHeaderKey(view), lang);
      ASSERT_GE(header.size(), 3u);
      EXPECT_EQ(header.front(), ' ') << lang;
      EXPECT_EQ(header.back(), ' ') << lang;
      EXPECT_NE(header.find("    "), std::string_view::npos) << lang;
    }
  }
}

TEST_F(PhrasesTest, TwoLineMessagesAreAPhraseAndItsFollower) {
  EXPECT_EQ(PhraseAfter(PhraseKey::LeaveToMenuQuestion), PhraseKey::AllDataLost);
  EXPECT_EQ(PhraseAfter(PhraseKey::FileAttributesBegin), PhraseKey::FileAttributesEnd);
  EXPECT_EQ(PhraseWithNext(PhraseKey::LeaveToMenuQuestion, "\n\r"),
            "You want to leave in the main menu?\n\rAll datas for want of it will be lost!");
  EXPECT_EQ(PhraseWithNext(PhraseKey::FileAttributesBegin, "C:\\Ostrel\\Ostrel4.clb"),
            "The file \"C:\\Ostrel\\Ostrel4.clb\" has incorrect attributes!\n\r"
            "The work of the program will be incorrect!");
  SetLanguage(kRussian);
  EXPECT_EQ(PhraseWithNext(PhraseKey::FileAttributesBegin, "x"),
            "Файл \"x\" имеет неверные атрибуты!\n\rПрограмма будет работать некорректно!");
}

// The path goes between the two halves, so each language must open and close the quotes.
TEST_F(PhrasesTest, FileAttributeHalvesQuoteThePathInEveryLanguage) {
  for (int lang = 0; lang < kLanguageCount; ++lang) {
    EXPECT_TRUE(PhraseIn(PhraseKey::FileAttributesBegin, lang).ends_with("\"")) << lang;
    EXPECT_TRUE(PhraseIn(PhraseKey::FileAttributesEnd, lang).starts_with("\"")) << lang;
  }
}

TEST_F(PhrasesTest, PhraseAfterStopsAtBothEnds) {
  PhraseKey first = *PhraseKeyAt(0);
  PhraseKey last = *PhraseKeyAt(kPhraseCount - 1);
  EXPECT_EQ(PhraseAfter(first, -1), std::nullopt);
  EXPECT_EQ(PhraseAfter(last, 1), std::nullopt);
  EXPECT_EQ(PhraseAfter(last, -static_cast<int>(kPhraseCount - 1)), first);
  EXPECT_EQ(PhraseAfter(first, static_cast<int>(kPhraseCount)), std::nullopt);
  EXPECT_EQ(PhraseAfter(first, 0), first);
  EXPECT_EQ(PhraseWithNext(last, "|"), std::string(Phrase(last)) + "|");
  EXPECT_EQ(PhraseKeyAt(kPhraseCount), std::nullopt);
}

TEST_F(PhrasesTest, KeyNamesRoundTripAndAreUnique) {
  std::set<std::string_view> names;
  for (std::size_t i = 0; i < kPhraseCount; ++i) {
    PhraseKey key = *PhraseKeyAt(i);
    std::string_view name = PhraseKeyName(key);
    EXPECT_TRUE(names.insert(name).second) << name;
    EXPECT_EQ(FindPhraseKey(name), key) << name;
  }
  EXPECT_EQ(PhraseKeyName(PhraseKey::ToPlay), "ToPlay");
  EXPECT_EQ(FindPhraseKey("ExitToMenu"), PhraseKey::ExitToMenu);
  EXPECT_EQ(FindPhraseKey("exittomenu"), std::nullopt);
  EXPECT_EQ(FindPhraseKey(""), std::nullopt);
  EXPECT_EQ(FindPhraseKey("ExitToMenuX"), std::nullopt);
}

TEST_F(PhrasesTest, FindByEnglishGivesTheFirstOfEqualTexts) {
  SetLanguage(kGerman);  // the lookup reads the English column whatever the language
  EXPECT_EQ(FindPhraseByEnglish("To Play"), PhraseKey::ToPlay);
  EXPECT_EQ(FindPhraseByEnglish("Cards"), PhraseKey::OptCards);
  EXPECT_EQ(FindPhraseByEnglish("Player"), PhraseKey::HistoryPlayer);
  EXPECT_EQ(FindPhraseByEnglish("Result: "), PhraseKey::ResultLabel);
  EXPECT_EQ(FindPhraseByEnglish("Result:"), std::nullopt);
  EXPECT_EQ(FindPhraseByEnglish("Spielende"), std::nullopt);
}

// A key made from a number out of range must not read past the table.
TEST_F(PhrasesTest, KeyOutsideTheTableReadsEmpty) {
  auto bogus = static_cast<PhraseKey>(kPhraseCount + 5);
  EXPECT_EQ(Phrase(bogus), "");
  EXPECT_EQ(PhraseKeyName(bogus), "");
  EXPECT_EQ(PhraseAfter(bogus, 1), std::nullopt);
}

}  // namespace
}  // namespace ostrel
