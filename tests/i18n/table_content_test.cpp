// Checks on the translations themselves: every language has its own words, written in
// its own script, with the spaces and line breaks the program's concatenations rely on.
#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <cstdint>
#include <set>
#include <string>
#include <vector>

#include "i18n/phrases.h"

namespace ostrel {
namespace {

constexpr std::array<std::string_view, kLanguageCount> kColumns = {
    "ENG", "RUS", "DEU", "FRA", "SPA", "CHI", "ITA", "CZE", "JAP", "KOR"};

std::vector<PhraseKey> AllKeys() {
  std::vector<PhraseKey> keys;
  for (std::size_t i = 0; i < kPhraseCount; ++i) keys.push_back(*PhraseKeyAt(i));
  return keys;
}

std::string Where(PhraseKey key, int lang) {
  return std::string(PhraseKeyName(key)) + "/" + std::string(kColumns[lang]) + ": \"" +
         std::string(PhraseIn(key, lang)) + "\"";
}

// The generator has already rejected malformed UTF-8, so this decoder may be plain.
std::vector<char32_t> CodePoints(std::string_view text) {
  std::vector<char32_t> out;
  for (std::size_t i = 0; i < text.size();) {
    auto lead = static_cast<std::uint8_t>(text[i]);
    int length = lead < 0x80 ? 1 : lead < 0xE0 ? 2 : lead < 0xF0 ? 3 : 4;
    char32_t value = length == 1 ? lead : lead & (0x7F >> length);
    for (int k = 1; k < length; ++k) {
      value = (value << 6) | (static_cast<std::uint8_t>(text[i + k]) & 0x3F);
    }
    out.push_back(value);
    i += static_cast<std::size_t>(length);
  }
  return out;
}

struct Scripts {
  bool cyrillic = false, han = false, kana = false, hangul = false;
};

Scripts ScriptsOf(std::string_view text) {
  Scripts s;
  for (char32_t c : CodePoints(text)) {
    s.cyrillic |= c >= 0x0400 && c <= 0x04FF;
    s.han |= (c >= 0x4E00 && c <= 0x9FFF) || (c >= 0x3400 && c <= 0x4DBF);
    s.kana |= c >= 0x3040 && c <= 0x30FF;
    s.hangul |= (c >= 0xAC00 && c <= 0xD7AF) || (c >= 0x1100 && c <= 0x11FF);
  }
  return s;
}

// Texts that stay as they are in every language: the game's own terms, a name, and the fixed
// texts of the history message and the "Top Ten" window's titles.
const std::vector<PhraseKey> kSameEverywhere = {PhraseKey::Ostrel,
                                                PhraseKey::Tertz,
                                                PhraseKey::Bella,
                                                PhraseKey::MrX,
                                                PhraseKey::CantSaveHistory,
                                                PhraseKey::TopTenLocalTitle,
                                                PhraseKey::TopTenNetTitle,
                                                PhraseKey::TopTenAccountRatingTitle,
                                                PhraseKey::TopTenAccountCycleTitle,
                                                PhraseKey::TopTenWindowsCycleTitle,
                                                PhraseKey::TopTenAndroidCycleTitle,
                                                PhraseKey::TopTenTournamentTitle,
                                                PhraseKey::WorldStatsTitle};

bool SameEverywhere(PhraseKey key) {
  return std::find(kSameEverywhere.begin(), kSameEverywhere.end(), key) != kSameEverywhere.end();
}

// Cells that rightly read as the English one: proper names and words the language shares.
struct SameAsEnglish {
  PhraseKey key;
  std::string_view columns;  // column titles separated by spaces
};
const std::vector<SameAsEnglish> kSameAsEnglish = {
    {PhraseKey::ClubTitle, "DEU"},
    {PhraseKey::TopTenTab, "DEU FRA SPA ITA CZE"},
    {PhraseKey::EMailLabel, "DEU"},
    {PhraseKey::SetCorona, "DEU FRA SPA ITA CZE"},
    {PhraseKey::SetShakespeare, "DEU FRA SPA ITA CZE"},
    {PhraseKey::SetBigBen, "DEU FRA SPA ITA CZE"},
    {PhraseKey::SetDoods, "DEU FRA SPA ITA CZE"},
    {PhraseKey::SetPlayboy, "DEU FRA SPA ITA CZE"},
    {PhraseKey::SetDiana, "DEU SPA ITA CZE"},
    {PhraseKey::SetMaya, "DEU FRA SPA ITA"},
    {PhraseKey::SetFrankfurt, "DEU CZE"},
    {PhraseKey::Tarvos, "DEU FRA SPA ITA"},
    {PhraseKey::Chat, "DEU SPA ITA CZE"},
    {PhraseKey::Radio, "DEU FRA SPA ITA"},
    {PhraseKey::OptMultimedia, "DEU SPA ITA"},
    {PhraseKey::ServerClient, "DEU ITA"},
    {PhraseKey::SetSatin, "DEU FRA"},
    {PhraseKey::SetOrnament, "DEU CZE"},
    {PhraseKey::SetCasino, "FRA SPA"},
    {PhraseKey::Options, "FRA"},
    {PhraseKey::Mode, "FRA"},
    {PhraseKey::OptPoints, "FRA"},
    {PhraseKey::ColourViolet, "FRA"},
    {PhraseKey::HistoryDate, "FRA"},
    {PhraseKey::HistoryType, "FRA"},
    {PhraseKey::Europe, "FRA"},
    {PhraseKey::Table, "FRA"},
    {PhraseKey::OptGeneral, "SPA"},
    {PhraseKey::SetMedieval1, "SPA"},
    {PhraseKey::SetMedieval2, "SPA"},
    {PhraseKey::Asia, "SPA ITA"},
    {PhraseKey::No, "SPA ITA"},
    {PhraseKey::Oceania, "ITA"},
    {PhraseKey::Africa, "ITA"},
    {PhraseKey::Password, "ITA"},
};

bool ListedSameAsEnglish(PhraseKey key, int lang) {
  for (const SameAsEnglish& s : kSameAsEnglish) {
    if (s.key != key) continue;
    std::string columns = " " + std::string(s.columns) + " ";
    return columns.find(" " + std::string(kColumns[lang]) + " ") != std::string::npos;
  }
  return false;
}

bool IsEmptyByDesign(PhraseKey key, int lang) {
  return key == PhraseKey::HistoryPlayer && lang == kKorean;
}

TEST(PhraseTable, EveryCellHoldsTextExceptTheKoreanHistoryPlayer) {
  int empty = 0;
  for (PhraseKey key : AllKeys()) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      if (!PhraseIn(key, lang).empty()) continue;
      ++empty;
      EXPECT_TRUE(IsEmptyByDesign(key, lang)) << Where(key, lang);
    }
  }
  EXPECT_EQ(empty, 1);
  EXPECT_EQ(PhraseIn(PhraseKey::HistoryPlayer, kKorean), "");
  // The other "Player" phrases do have a Korean text.
  EXPECT_EQ(PhraseIn(PhraseKey::InfoPlayer, kKorean), "플레이어");
  EXPECT_EQ(PhraseIn(PhraseKey::HistoryPlayer, kJapanese), "プレイヤー");
}

TEST(PhraseTable, NoCellCopiesTheEnglishUnlessListed) {
  for (PhraseKey key : AllKeys()) {
    if (SameEverywhere(key)) continue;
    std::string_view english = PhraseIn(key, kEnglish);
    for (int lang = 1; lang < kLanguageCount; ++lang) {
      bool same = PhraseIn(key, lang) == english;
      EXPECT_EQ(same, ListedSameAsEnglish(key, lang))
          << Where(key, lang) << (same ? " repeats the English" : " is listed as English");
    }
  }
}

TEST(PhraseTable, GameTermsStayTheSameInEveryLanguage) {
  for (PhraseKey key : kSameEverywhere) {
    for (int lang = 1; lang < kLanguageCount; ++lang) {
      EXPECT_EQ(PhraseIn(key, lang), PhraseIn(key, kEnglish)) << Where(key, lang);
    }
  }
  for (int lang = 0; lang < kLanguageCount; ++lang) {
    EXPECT_NE(PhraseIn(PhraseKey::BellaFirstHandOnly, lang).find("Bella"), std::string_view::npos)
        << Where(PhraseKey::BellaFirstHandOnly, lang);
  }
}

// A cell pasted into the wrong column, or left in English, shows up by its script.
TEST(PhraseTable, EachLanguageIsWrittenInItsOwnScript) {
  for (PhraseKey key : AllKeys()) {
    if (SameEverywhere(key)) continue;
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      if (IsEmptyByDesign(key, lang)) continue;
      Scripts s = ScriptsOf(PhraseIn(key, lang));
      bool asian = s.han || s.kana || s.hangul;
      switch (lang) {
        case kRussian:
          EXPECT_TRUE(s.cyrillic && !asian) << Where(key, lang);
          break;
        case kChinese:
          EXPECT_TRUE(s.han && !s.kana && !s.hangul && !s.cyrillic) << Where(key, lang);
          break;
        case kJapanese:
          EXPECT_TRUE((s.kana || s.han) && !s.hangul && !s.cyrillic) << Where(key, lang);
          break;
        case kKorean:
          EXPECT_TRUE(s.hangul && !s.kana && !s.cyrillic) << Where(key, lang);
          break;
        default:
          EXPECT_TRUE(!s.cyrillic && !asian) << Where(key, lang);
          break;
      }
    }
  }
}

int CountOf(std::string_view text, std::string_view part) {
  int count = 0;
  for (std::size_t at = text.find(part); at != std::string_view::npos;
       at = text.find(part, at + part.size())) {
    ++count;
  }
  return count;
}

// Messages are built as phrase + literal + value, so the spaces at the ends and the line
// breaks ("\n\r", LF then CR) must be those of the English text in every language.
TEST(PhraseTable, EdgesAndLineBreaksMatchTheEnglish) {
  for (PhraseKey key : AllKeys()) {
    std::string_view english = PhraseIn(key, kEnglish);
    for (int lang = 1; lang < kLanguageCount; ++lang) {
      std::string_view text = PhraseIn(key, lang);
      if (text.empty()) continue;
      EXPECT_EQ(text.front() == ' ', english.front() == ' ') << Where(key, lang);
      EXPECT_EQ(text.back() == ' ', english.back() == ' ') << Where(key, lang);
      EXPECT_EQ(CountOf(text, "\n\r"), CountOf(english, "\n\r")) << Where(key, lang);
      EXPECT_EQ(CountOf(text, "\n"), CountOf(text, "\n\r")) << Where(key, lang);
      EXPECT_EQ(CountOf(text, "\r"), CountOf(text, "\n\r")) << Where(key, lang);
      EXPECT_EQ(text.find('\t'), std::string_view::npos) << Where(key, lang);
    }
  }
}

// One word for trump in each language, wherever the table speaks of it.
TEST(PhraseTable, TrumpIsTheSameGameTermThroughoutALanguage) {
  const std::array<std::string_view, kLanguageCount> trump = {
      "rump", "козыр",    "rumpf", "atout",  "triunfo",
      "将牌", "briscola", "trumf", "切り札", "으뜸패"};
  for (PhraseKey key : {PhraseKey::SelectTrump, PhraseKey::ChoiceTrump, PhraseKey::ChangeTrumpSeven,
                        PhraseKey::InterruptTrumpRequired}) {
    for (int lang = 0; lang < kLanguageCount; ++lang) {
      EXPECT_NE(PhraseIn(key, lang).find(trump[lang]), std::string_view::npos) << Where(key, lang);
    }
  }
}

struct EnglishCase {
  PhraseKey key;
  std::string_view english;
};

// The system's own English texts, odd spellings and spaces included.
TEST(PhraseTable, EnglishTextsAreTheProgramsOwn) {
  const EnglishCase cases[] = {
      {PhraseKey::CantSaveOptions, "Can`t save options!"},
      {PhraseKey::CantFind, "Can`t find "},
      {PhraseKey::CantFindFile, "Can`t find the file"},
      {PhraseKey::AllDataLost, "All datas for want of it will be lost!"},
      {PhraseKey::FlyCards, "\"Fly\" cards"},
      {PhraseKey::FileAttributesBegin, "The file \""},
      {PhraseKey::FontWarning,
       "Attention!\n\rThese installations should be changed only in case of incorrect map of "
       "fonts!"},
      {PhraseKey::NameChanged,
       "Your name and/or the password were successfully changed!\n\rNew name: "},
      {PhraseKey::ResultLabel, "Result: "},
      {PhraseKey::ClubMembers, "Club members: "},
      {PhraseKey::BestAccountPlayer, "The best player of games from under the account: "},
      {PhraseKey::ColourOrange, "Orang"},
      {PhraseKey::InTopTen, "You have hitted in top ten players!"},
      {PhraseKey::ScalePercent, "Scale, %"},
      {PhraseKey::MrX, "Mr.X"},
  };
  for (const EnglishCase& c : cases) {
    EXPECT_EQ(PhraseIn(c.key, kEnglish), c.english) << PhraseKeyName(c.key);
  }
}

struct RepeatCase {
  std::string_view english;
  int count;
};

// Texts that are one English word but several phrases, because other languages need
// different words (gender, context) for them.
TEST(PhraseTable, RepeatedEnglishTextsAreSeparatePhrases) {
  const RepeatCase cases[] = {
      {"Cards", 2},
      {"Carpet", 2},
      {"in Apk is temporarily unavailable!", 3},
      {"is temporarily unavailable!", 3},
      {"Close", 2},
      {"Nick", 2},
      {"Country", 2},
      {"City", 2},
      {"Sex", 2},
      {"Games played with PC", 2},
      {"Player", 5},
      {"Rating", 3},
      {"Game", 3},
      {"Score", 2},
      {"Games", 2},
      {"Please, wait...", 2},
      {"Mode", 1},
  };
  for (const RepeatCase& c : cases) {
    int found = 0;
    for (PhraseKey key : AllKeys()) found += PhraseIn(key, kEnglish) == c.english ? 1 : 0;
    EXPECT_EQ(found, c.count) << c.english;
  }
  // Russian needs three genders and a plural where English has one text.
  std::set<std::string_view> russian = {PhraseIn(PhraseKey::Unavailable1, kRussian),
                                        PhraseIn(PhraseKey::Unavailable2, kRussian),
                                        PhraseIn(PhraseKey::Unavailable3, kRussian),
                                        PhraseIn(PhraseKey::UnavailablePlural, kRussian)};
  EXPECT_EQ(russian.size(), 4u);
}

}  // namespace
}  // namespace ostrel
