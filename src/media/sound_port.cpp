#include "media/sound_port.h"

#include <array>
#include <string_view>
#include <utility>

namespace ostrel {

int ClipLengthMs(const std::string& name) {
  static constexpr std::array<std::pair<std::string_view, int>, 10> kLengths = {{
      {"WHodsDo", 120},
      {"WDing_1", 450},
      {"WDiPass", 300},
      {"WTasoKo", 600},
      {"WPlMore", 500},
      {"WToMenK", 400},
      {"WWrongs", 250},
      {"WOpenFo", 200},
      {"WKoGood", 900},
      {"WKoBads", 900},
  }};
  for (const auto& [n, ms] : kLengths) {
    if (n == name) return ms;
  }
  return 300;
}

int SilentSounds::Play(const std::string& name, bool waiting) {
  return waiting ? ClipLengthMs(name) : 0;
}

}  // namespace ostrel
