#include "storage/radio_tuner.h"

#include <cmath>
#include <utility>

namespace ostrel {

RadioTuner::RadioTuner(RadioPlayer& player, StationListSource list)
    : player_(player), list_(std::move(list)) {
  ResetRadioToDefaults(radio_);
}

RadioLamp RadioTuner::Lamp() const {
  if (!radio_.CanUse) return RadioLamp::kUnavailable;
  return radio_.Enabled ? RadioLamp::kOn : RadioLamp::kOff;
}

void RadioTuner::Init(const RadioInitFacts& facts) {
  // With the list from the server, a list lying beside the program does not count: the radio
  // shows what the site offers or nothing.
  const bool list_at_hand = facts.list_from_server ? facts.download_ok : facts.shipped_list_found;
  radio_.CanUse = facts.logo_pack_found && list_at_hand;
  if (!radio_.CanUse) {
    radio_.Enabled = false;
    return;
  }
  if (facts.settings) {
    ReadRadioSettings(*facts.settings, radio_);
  } else {
    ResetRadioToDefaults(radio_);
  }
}

void RadioTuner::StartStream() {
  player_.SetVolume(radio_.Volume / 100.0);
  player_.Play(radio_.URL);
}

bool RadioTuner::LeaveTitle() {
  if (!radio_.CanUse || !radio_.Enabled) return false;
  StartStream();
  return true;
}

void RadioTuner::Toggle() {
  if (!radio_.CanUse) return;
  radio_.Enabled = !radio_.Enabled;
  if (radio_.Enabled) {
    StartStream();
  } else {
    player_.Stop();
  }
}

void RadioTuner::VolumeUp() {
  if (radio_.Volume < 100) radio_.Volume += 10;
  player_.SetVolume(radio_.Volume / 100.0);
}

void RadioTuner::VolumeDown() {
  if (radio_.Volume > 0) radio_.Volume -= 10;
  player_.SetVolume(radio_.Volume / 100.0);
}

namespace {

std::vector<RadioStation> StationsOf(const std::vector<RadioStation>& all, int position) {
  std::vector<RadioStation> shown;
  const std::string code = RadioCountries()[static_cast<std::size_t>(position)].code;
  for (const RadioStation& s : all) {
    if (s.code == code) shown.push_back(s);
  }
  return shown;
}

}  // namespace

void RadioTuner::FillStationList(int position) {
  const std::optional<std::vector<RadioStation>> all = list_();
  if (!all) return;
  if (position < 0 || position >= kRadioCountryCount) position = 0;
  std::vector<RadioStation> shown = StationsOf(*all, position);
  if (shown.empty() && position != 0) {
    position = 0;
    shown = StationsOf(*all, 0);
  }
  radio_.KakStations = position;
  shown_ = std::move(shown);
  selected_ = -1;
  for (std::size_t i = 0; i < shown_.size(); ++i) {
    if (shown_[i].name == radio_.Name) selected_ = static_cast<int>(i);
  }
  if (selected_ < 0 && !shown_.empty()) ChooseStation(0);
}

void RadioTuner::ChooseCountry(int position) {
  FillStationList(position);
}

void RadioTuner::ChooseStation(int index) {
  if (index < 0 || index >= static_cast<int>(shown_.size())) return;
  const std::optional<std::vector<RadioStation>> all = list_();
  if (!all) return;
  selected_ = index;
  radio_.Resurs = kRadioFallbackLogo;
  const std::string& id = shown_[static_cast<std::size_t>(index)].id;
  for (const RadioStation& s : *all) {
    if (s.id != id) continue;
    radio_.Name = s.name;
    radio_.URL = s.url;
    radio_.Country = s.country;
    radio_.Resurs = s.logo;
  }
  // A station without a logo of its own shows the fallback.
  if (radio_.Resurs.empty()) radio_.Resurs = kRadioFallbackLogo;
  player_.Stop();
  if (radio_.Enabled) StartStream();
}

std::string VolumePictureName(int volume) {
  if (volume < 0) volume = 0;
  if (volume > 100) volume = 100;
  const int tenth = (volume + 9) / 10;
  std::string name = "RRADIO_VOLUME";
  name += static_cast<char>('0' + tenth / 10);
  name += static_cast<char>('0' + tenth % 10);
  return name;
}

std::optional<std::string> LogoToDraw(const std::string& resurs,
                                      const std::function<bool(const std::string&)>& pack_has) {
  if (!resurs.empty() && pack_has(resurs)) return resurs;
  if (pack_has(kRadioFallbackLogo)) return std::string(kRadioFallbackLogo);
  return std::nullopt;
}

namespace {

// To the nearest integer, halves to the even one, whatever rounding mode is set.
int RoundHalfEven(double x) {
  const double low = std::floor(x);
  const double diff = x - low;
  if (diff > 0.5) return static_cast<int>(low) + 1;
  if (diff < 0.5) return static_cast<int>(low);
  const int l = static_cast<int>(low);
  return (l % 2 == 0) ? l : l + 1;
}

}  // namespace

std::optional<RadioControlPlace> PlaceRadioControl(double scale, int a, int b, int c, int d) {
  if (scale < 1.6) return std::nullopt;
  return RadioControlPlace{RoundHalfEven((a + b) / 2.0 - kRadioControlWidth / 2.0),
                           RoundHalfEven((c + d) / 2.0 - kRadioControlHeight / 2.0)};
}

}  // namespace ostrel
