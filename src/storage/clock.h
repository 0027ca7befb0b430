// Where the history files take the time and the date of a finished game from. The date is
// written in the user's short date format, read once from the environment (LC_ALL, LC_TIME,
// LANG) and never from a format some other part of the program has changed; tests give a
// fixed clock and format.
#pragma once

#include <ctime>
#include <functional>
#include <string>

namespace ostrel {

struct HistoryClock {
  std::function<std::time_t()> now;
  // The short date of a local time, in Windows-1251.
  std::function<std::string(const std::tm&)> short_date;
};

// The machine's clock and the "%x" format of the user's LC_TIME.
HistoryClock SystemHistoryClock();

// "%x" of the locale named by the environment, falling back to the C locale.
std::string LocaleShortDate(const std::tm& local_time);

std::tm LocalTime(std::time_t when);

}  // namespace ostrel
