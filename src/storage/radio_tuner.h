// The internet radio's rules without any window or audio library: whether the radio can be
// used, switching it on and off, the volume, and the radio window's country and station lists.
// The stream and the station list file are handed in, so the rules are checked with a fake
// player and a list in memory.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "storage/radio_files.h"

namespace ostrel {

// One stream at a time. Open must return at once (the window never waits for a station to
// answer); a station that gives nothing is silence.
class RadioPlayer {
 public:
  virtual ~RadioPlayer() = default;
  // Drops the stream before and starts playing the one at `url`.
  virtual void Play(const std::string& url) = 0;
  // Harmless when nothing plays.
  virtual void Stop() = 0;
  // 0.0 .. 1.0; applies to the stream playing and the next one.
  virtual void SetVolume(double volume) = 0;
};

// What RadioInit found out about the machine.
struct RadioInitFacts {
  bool logo_pack_found = false;
  bool list_from_server = false;  // the setting RadioListFromServer
  bool download_ok = false;       // the station list was fetched (with list_from_server)
  bool shipped_list_found = false;
  std::optional<std::string> settings;  // the content of "TarvoRadio.ini" when it could be read
};

enum class RadioLamp { kUnavailable, kOff, kOn };

// The station list file, read anew at every use; nullopt when it cannot be read.
using StationListSource = std::function<std::optional<std::vector<RadioStation>>()>;

class RadioTuner {
 public:
  RadioTuner(RadioPlayer& player, StationListSource list);

  const TRadio& State() const { return radio_; }
  RadioLamp Lamp() const;

  // Decides CanUse and, when the radio can be used, loads the settings. Touches no stream.
  void Init(const RadioInitFacts& facts);
  // The content of "TarvoRadio.ini" at the end of the program.
  std::string SettingsText() const { return RadioSettingsText(radio_); }

  // Opens the current station at the current volume.
  void StartStream();
  // Leaving the title screen: plays when the radio was left on. Returns whether it started.
  bool LeaveTitle();
  // The switch of the main menu and of the radio window. Ignored while CanUse is off.
  void Toggle();
  // Steps of 10 within 0..100; the stream's volume is set whether it plays or not.
  void VolumeUp();
  void VolumeDown();

  // The radio window. FillStationList shows the stations of the country at `position`; a
  // position outside the list, or a country without any station, shows the first country
  // instead. When the current station is not among them the first becomes current (and plays
  // when the radio is on).
  void FillStationList(int position);
  // Choosing a country in the country list.
  void ChooseCountry(int position);
  // Choosing the station at `index` of the station list.
  void ChooseStation(int index);

  // The country shown (KakStations) and the stations of the station list.
  const std::vector<RadioStation>& Shown() const { return shown_; }
  // The selected item of the station list, -1 when there is none.
  int Selected() const { return selected_; }

 private:
  RadioPlayer& player_;
  StationListSource list_;
  TRadio radio_;
  std::vector<RadioStation> shown_;
  int selected_ = -1;
};

// The picture of the volume scale: "RRADIO_VOLUME" and the volume's tenth rounded up, two
// digits ("00" for 0, "01" for 1-10, ..., "10" for 91-100).
std::string VolumePictureName(int volume);

// The logo to draw: the station's own when the pack has it, else the fallback logo; nullopt
// when the pack has neither.
std::optional<std::string> LogoToDraw(const std::string& resurs,
                                      const std::function<bool(const std::string&)>& pack_has);

// Where the radio control of the main menu stands: 220 x 125 pixels, centred between the right
// edge of the animation (a) and the left edge of the right button column (b), and between the
// bottom of the last button (d) and the client area's height (c); halves round to the even
// number. Hidden (nullopt) below a drawing scale of 1.6.
struct RadioControlPlace {
  int left = 0;
  int top = 0;
};
inline constexpr int kRadioControlWidth = 220;
inline constexpr int kRadioControlHeight = 125;
std::optional<RadioControlPlace> PlaceRadioControl(double scale, int a, int b, int c, int d);

}  // namespace ostrel
