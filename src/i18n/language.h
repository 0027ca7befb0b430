// The current language of the interface: an index 0..9 into the columns of the phrase table.
// The index is a plain module-level value, like the rest of the settings, read by every
// window when it takes its texts.
#pragma once

#include <cstddef>
#include <string_view>

namespace ostrel {

inline constexpr int kLanguageCount = 10;

// The languages in the order of the table's columns (the value is the index).
enum LanguageIndex : int {
  kEnglish = 0,
  kRussian = 1,
  kGerman = 2,
  kFrench = 3,
  kSpanish = 4,
  kChinese = 5,
  kItalian = 6,
  kCzech = 7,
  kJapanese = 8,
  kKorean = 9,
};

// The settings file allows indexes up to 20 and a damaged one may hold anything: every index
// outside 0..9 is taken as English, so nothing ever reads past the ten columns.
int NormalizedLanguage(int index);

// Sets the current language (normalised as above). Default: English.
void SetLanguage(int index);
// The current language, always 0..9.
int Language();

// The fixed name in the options window's language list, in its own language (not a phrase):
// "English", "Русский", ... Indexes outside 0..9 give the English entry.
std::string_view LanguageName(int index);

// Suffix of language-dependent pictures ("Cap" + suffix): Japanese and Korean have no
// pictures of their own and use "Eng".
std::string_view PictureSuffix(int index);

// Suffix of the flag picture ("FlagO" + suffix) and of the spoken card names: every
// language has its own, "Jap" and "Kor" included.
std::string_view FlagSuffix(int index);

}  // namespace ostrel
