#include "storage/clock.h"

#include <langinfo.h>
#include <locale.h>

#include <cstring>

#include "storage/text.h"

namespace ostrel {
namespace {

// The user's time locale, made once; freelocale is not needed for a process-long object.
locale_t UserTimeLocale() {
  static locale_t locale = [] {
    locale_t made = newlocale(LC_TIME_MASK, "", static_cast<locale_t>(0));
    if (made == static_cast<locale_t>(0))
      made = newlocale(LC_TIME_MASK, "C", static_cast<locale_t>(0));
    return made;
  }();
  return locale;
}

std::string ToFileText(const std::string& text, locale_t locale) {
  const char* codeset = nl_langinfo_l(CODESET, locale);
  if (codeset && std::strcmp(codeset, "UTF-8") == 0) return ToCp1251Lossy(text);
  std::string out;
  for (char c : text) out += static_cast<unsigned char>(c) < 0x80 ? c : '?';
  return out;
}

}  // namespace

std::string LocaleShortDate(const std::tm& local_time) {
  locale_t locale = UserTimeLocale();
  if (locale == static_cast<locale_t>(0)) return "";
  char buffer[128];
  std::size_t n = strftime_l(buffer, sizeof buffer, "%x", &local_time, locale);
  return ToFileText(std::string(buffer, n), locale);
}

std::tm LocalTime(std::time_t when) {
  std::tm local{};
  localtime_r(&when, &local);
  return local;
}

HistoryClock SystemHistoryClock() {
  return {[] { return std::time(nullptr); }, [](const std::tm& t) { return LocaleShortDate(t); }};
}

}  // namespace ostrel
