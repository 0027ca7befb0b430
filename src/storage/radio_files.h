// The internet radio's files in the folder above the program's: the station list
// ("TarvoRadio.rad" shipped or fetched from the options window, "TarvoRadio.ser" fetched at
// start) and the radio's own settings "TarvoRadio.ini". Inside, every text is UTF-8; the files
// hold Windows-1251.
#pragma once

#include <array>
#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "storage/file_system.h"
#include "storage/status.h"

namespace ostrel {

inline constexpr const char* kRadioListShipped = "TarvoRadio.rad";
inline constexpr const char* kRadioListFetched = "TarvoRadio.ser";
inline constexpr const char* kRadioSettingsFile = "TarvoRadio.ini";
// The logo shown for a station whose own logo the pack lacks.
inline constexpr const char* kRadioFallbackLogo = "RRADIO_LOGO_RADIOUN";
// Station lists are small text files; anything larger is not one.
inline constexpr std::size_t kRadioListMaxBytes = 1u << 20;
inline constexpr std::size_t kRadioSettingsMaxBytes = 64u << 10;

// One country of the radio window's country list: its code in the station list, the name
// shown (fixed English, not a phrase) and its flag in the program's country pictures
// (continent, number).
struct RadioCountry {
  const char* code;
  const char* shown;
  int continent;
  int flag;
};
inline constexpr int kRadioCountryCount = 28;
const std::array<RadioCountry, kRadioCountryCount>& RadioCountries();

// The radio's state. `Volume` is 0..100 in steps of 10; `KakStations` the position in
// RadioCountries().
struct TRadio {
  bool CanUse = false;
  std::string Name;
  std::string URL;
  std::string Country;
  std::string Resurs;
  bool Enabled = false;
  int Volume = 30;
  int KakStations = 0;

  bool operator==(const TRadio&) const = default;
};

// The built-in station: the radio stream of our own server on this machine.
inline constexpr const char* kDefaultStationName = "Ostrel Radio";
inline constexpr const char* kDefaultStationUrl = "http://127.0.0.1:25680/radio/ostrel.ogg";
inline constexpr const char* kDefaultStationCountry = "Russian Federation";
inline constexpr const char* kDefaultStationLogo = "RRADIO_LOGO_AVTORADIO";
inline constexpr int kDefaultRadioVolume = 30;

// The defaults of every field but CanUse, which is kept.
void ResetRadioToDefaults(TRadio& radio);

// One line of a station list.
struct RadioStation {
  std::string code;  // characters 1-3
  std::string id;    // characters 5-11
  std::string name;
  std::string country;
  std::string url;
  std::string logo;

  bool operator==(const RadioStation&) const = default;
};

// The stations of a station list, in file order. Comment lines ("#" first), lines too short
// to hold a code and an identifier and lines without a stream address (fewer than five
// fields) are left out; a missing logo is empty.
std::vector<RadioStation> ParseStationList(std::string_view bytes);
// The bytes of a station list holding these stations (for the list we ship).
std::string StationListText(const std::vector<RadioStation>& stations);

// Reads "TarvoRadio.ini" into `radio` (CanUse kept). A file too short to hold seven lines
// leaves every field at its default; a volume that is no number, lies outside 0..100 or is
// no multiple of 10 becomes the default volume; a country position that is no number or lies
// outside the list becomes the first country.
void ReadRadioSettings(std::string_view bytes, TRadio& radio);
// The seven lines of "TarvoRadio.ini". When a station field is empty, every field is written
// with its default (radio off, default volume, first country).
std::string RadioSettingsText(const TRadio& radio);

// The folder above the program's folder, with a trailing "/"; a program in the root folder
// keeps its radio files in the root itself.
std::string RadioFolder(const std::string& program_folder);

// The file's stations, or nullopt when it cannot be read (missing, unreadable, too large).
std::optional<std::vector<RadioStation>> LoadStationList(const std::string& path,
                                                         FileSystem& fs = RealFileSystem());
// Reads the settings file into `radio` when it can be read; a missing file leaves the
// defaults.
void LoadRadioSettings(const std::string& path, TRadio& radio, FileSystem& fs = RealFileSystem());
Status SaveRadioSettings(const std::string& path, const TRadio& radio,
                         FileSystem& fs = RealFileSystem());

}  // namespace ostrel
