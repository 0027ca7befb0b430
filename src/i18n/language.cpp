#include "i18n/language.h"

#include <array>
#include <atomic>

namespace ostrel {
namespace {

struct LanguageInfo {
  std::string_view name;
  std::string_view picture_suffix;
  std::string_view flag_suffix;
};

constexpr std::array<LanguageInfo, kLanguageCount> kLanguages = {{
    {"English", "Eng", "Eng"},
    {"Русский", "Rus", "Rus"},
    {"Deutsche", "Deu", "Deu"},
    {"Français", "Fra", "Fra"},
    {"Español", "Spa", "Spa"},
    {"中文", "Chi", "Chi"},
    {"Italiano", "Ita", "Ita"},
    {"Čeština", "Cze", "Cze"},
    {"日本", "Eng", "Jap"},
    {"한국인", "Eng", "Kor"},
}};

// Atomic only so that a decision running off the UI thread may read it safely.
std::atomic<int> current_language{kEnglish};

const LanguageInfo& Info(int index) {
  return kLanguages[static_cast<std::size_t>(NormalizedLanguage(index))];
}

}  // namespace

int NormalizedLanguage(int index) {
  return (index >= 0 && index < kLanguageCount) ? index : kEnglish;
}

void SetLanguage(int index) {
  current_language.store(NormalizedLanguage(index), std::memory_order_relaxed);
}

int Language() {
  return current_language.load(std::memory_order_relaxed);
}

std::string_view LanguageName(int index) {
  return Info(index).name;
}
std::string_view PictureSuffix(int index) {
  return Info(index).picture_suffix;
}
std::string_view FlagSuffix(int index) {
  return Info(index).flag_suffix;
}

}  // namespace ostrel
