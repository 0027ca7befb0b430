// Any bytes as the radio's station list (it may come from a site) and as "TarvoRadio.ini".
// What the program writes of what it read must read back to the same and write the same bytes
// again, and the settings must always lie in their ranges.
#include <string>

#include "fuzz_check.h"
#include "storage/radio_files.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const std::string_view bytes = fuzz::Bytes(data, size);

  const std::vector<RadioStation> stations = ParseStationList(bytes);
  const std::string list = StationListText(stations);
  const std::vector<RadioStation> again = ParseStationList(list);
  FUZZ_CHECK(again.size() == stations.size());
  FUZZ_CHECK(StationListText(again) == list);

  TRadio radio;
  ReadRadioSettings(bytes, radio);
  FUZZ_CHECK(radio.Volume >= 0 && radio.Volume <= 100 && radio.Volume % 10 == 0);
  FUZZ_CHECK(radio.KakStations >= 0 && radio.KakStations < kRadioCountryCount);
  const std::string ini = RadioSettingsText(radio);
  TRadio back;
  ReadRadioSettings(ini, back);
  FUZZ_CHECK(RadioSettingsText(back) == ini);
  FUZZ_CHECK(!back.Name.empty() && !back.URL.empty() && !back.Country.empty() &&
             !back.Resurs.empty());
  return 0;
}
