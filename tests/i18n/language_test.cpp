#include "i18n/language.h"

#include <gtest/gtest.h>

#include "i18n/phrases.h"

namespace ostrel {
namespace {

// Every test leaves the language as it found it: the current language is global.
class LanguageTest : public ::testing::Test {
 protected:
  void TearDown() override { SetLanguage(kEnglish); }
};

TEST_F(LanguageTest, DefaultIsEnglishAndEveryIndexOfTheTableIsKept) {
  EXPECT_EQ(Language(), kEnglish);
  for (int index = 0; index < kLanguageCount; ++index) {
    SetLanguage(index);
    EXPECT_EQ(Language(), index);
  }
}

// The settings file may hold up to 20, and a damaged one anything at all.
TEST_F(LanguageTest, IndexOutsideTheTableIsEnglish) {
  for (int index : {10, 11, 19, 20, 255, -1, -20}) {
    SetLanguage(kGerman);
    SetLanguage(index);
    EXPECT_EQ(Language(), kEnglish) << index;
    EXPECT_EQ(Phrase(PhraseKey::NewPlayer), "New Player") << index;
    EXPECT_EQ(PhraseIn(PhraseKey::NewPlayer, index), "New Player") << index;
    EXPECT_EQ(LanguageName(index), "English") << index;
    EXPECT_EQ(PictureSuffix(index), "Eng") << index;
    EXPECT_EQ(FlagSuffix(index), "Eng") << index;
  }
}

TEST_F(LanguageTest, PhraseFollowsTheCurrentLanguage) {
  SetLanguage(kRussian);
  EXPECT_EQ(Phrase(PhraseKey::NewPlayer), "Новый игрок");
  SetLanguage(kKorean);
  EXPECT_EQ(Phrase(PhraseKey::NewPlayer), "새 플레이어");
  SetLanguage(9);
  EXPECT_EQ(Phrase(PhraseKey::ExitToMenu), PhraseIn(PhraseKey::ExitToMenu, kKorean));
}

struct LanguageRow {
  int index;
  const char* name;
  const char* picture;
  const char* flag;
};

// Japanese and Korean have no pictures with text of their own, only their flags.
TEST_F(LanguageTest, NamesAndSuffixes) {
  const LanguageRow rows[] = {
      {0, "English", "Eng", "Eng"},  {1, "Русский", "Rus", "Rus"}, {2, "Deutsche", "Deu", "Deu"},
      {3, "Français", "Fra", "Fra"}, {4, "Español", "Spa", "Spa"}, {5, "中文", "Chi", "Chi"},
      {6, "Italiano", "Ita", "Ita"}, {7, "Čeština", "Cze", "Cze"}, {8, "日本", "Eng", "Jap"},
      {9, "한국인", "Eng", "Kor"},
  };
  for (const LanguageRow& row : rows) {
    EXPECT_EQ(LanguageName(row.index), row.name) << row.index;
    EXPECT_EQ(PictureSuffix(row.index), row.picture) << row.index;
    EXPECT_EQ(FlagSuffix(row.index), row.flag) << row.index;
  }
}

}  // namespace
}  // namespace ostrel
