#include "storage/radio_files.h"

#include <algorithm>

#include "game/cp1251.h"
#include "storage/atomic_file.h"
#include "storage/text.h"

namespace ostrel {

const std::array<RadioCountry, kRadioCountryCount>& RadioCountries() {
  static const std::array<RadioCountry, kRadioCountryCount> kCountries = {{
      {"RUS", "Russian Federation", 1, 1},
      {"UA0", "Ukraine", 1, 46},
      {"BEL", "Belarus", 1, 5},
      {"MOL", "Moldova", 1, 32},
      {"EST", "Estonia", 1, 12},
      {"LAT", "Latvia", 1, 26},
      {"LIT", "Lithuania", 1, 28},
      {"ARM", "Armenia", 2, 2},
      {"GEO", "Georgia", 2, 13},
      {"AZE", "Azerbaijan", 2, 3},
      {"KZ0", "Kazakhstan", 2, 22},
      {"UZ0", "Uzbekistan", 2, 49},
      {"USA", "USA", 3, 34},
      {"CAN", "Canada", 3, 9},
      {"UK0", "United Kingdom", 1, 48},
      {"AUS", "Australia", 5, 2},
      {"DE0", "Deutschland", 1, 16},
      {"FRA", "France", 1, 15},
      {"ITA", "Italy", 1, 24},
      {"NED", "Netherlands", 1, 34},
      {"SWE", "Sweden", 1, 44},
      {"CZ0", "Czech Republic", 1, 10},
      {"ESP", "Spain", 1, 43},
      {"BRA", "Brazil", 4, 3},
      {"IND", "India", 2, 15},
      {"CHI", "China", 2, 10},
      {"JAP", "Japan", 2, 20},
      {"SK0", "South Korea", 2, 40},
  }};
  return kCountries;
}

void ResetRadioToDefaults(TRadio& radio) {
  const bool can_use = radio.CanUse;
  radio = TRadio{};
  radio.CanUse = can_use;
  radio.Name = kDefaultStationName;
  radio.URL = kDefaultStationUrl;
  radio.Country = kDefaultStationCountry;
  radio.Resurs = kDefaultStationLogo;
  radio.Volume = kDefaultRadioVolume;
}

namespace {

// The "#"-separated fields of a line; a "#" never belongs to a field.
std::vector<std::string> SplitFields(std::string_view line) {
  std::vector<std::string> fields;
  std::size_t start = 0;
  while (fields.size() < 6) {
    const std::size_t hash = line.find('#', start);
    fields.emplace_back(Cp1251ToUtf8(line.substr(start, hash - start)));
    if (hash == std::string_view::npos) break;
    start = hash + 1;
  }
  fields.resize(6);
  return fields;
}

// Field text for a file: one line, no "#", Windows-1251.
std::string FileField(const std::string& utf8) {
  std::string text = ToCp1251Lossy(OneLineText(utf8));
  for (char& c : text) {
    if (c == '#') c = ' ';
  }
  return text;
}

bool ValidVolume(long long volume) {
  return volume >= 0 && volume <= 100 && volume % 10 == 0;
}

}  // namespace

std::vector<RadioStation> ParseStationList(std::string_view bytes) {
  std::vector<RadioStation> stations;
  for (const std::string& line : SplitLines(bytes)) {
    if (line.empty() || line[0] == '#' || line.size() < 11) continue;
    // A station has its address (the fifth field): a line of text without one, such as a
    // web server's error page in place of the list, holds no station.
    if (std::count(line.begin(), line.end(), '#') < 4) continue;
    std::vector<std::string> fields = SplitFields(line);
    // Characters 1-11 hold the code and the identifier: no "#" may stand among them.
    if (line.substr(0, 11).find('#') != std::string::npos) continue;
    RadioStation station;
    station.code = Cp1251ToUtf8(line.substr(0, 3));
    station.id = Cp1251ToUtf8(line.substr(4, 7));
    station.name = std::move(fields[2]);
    station.country = std::move(fields[3]);
    station.url = std::move(fields[4]);
    station.logo = std::move(fields[5]);
    stations.push_back(std::move(station));
  }
  return stations;
}

std::string StationListText(const std::vector<RadioStation>& stations) {
  std::string text;
  for (const RadioStation& s : stations) {
    // The code and the identifier keep their columns whatever they hold.
    text += AlignLeft(FileField(s.code), 3) + " " + AlignLeft(FileField(s.id), 7) + "##" +
            FileField(s.name) + "#" + FileField(s.country) + "#" + FileField(s.url) + "#" +
            FileField(s.logo) + "\r\n";
  }
  return text;
}

void ReadRadioSettings(std::string_view bytes, TRadio& radio) {
  ResetRadioToDefaults(radio);
  const std::vector<std::string> lines = SplitLines(bytes);
  if (lines.size() < 7) return;
  radio.Name = Cp1251ToUtf8(lines[0]);
  radio.URL = Cp1251ToUtf8(lines[1]);
  radio.Country = Cp1251ToUtf8(lines[2]);
  radio.Resurs = Cp1251ToUtf8(lines[3]);
  radio.Enabled = lines[4] == "1";
  const std::optional<long long> volume = ParseInteger(lines[5]);
  if (volume && ValidVolume(*volume)) radio.Volume = static_cast<int>(*volume);
  const std::optional<long long> country = ParseInteger(lines[6]);
  if (country && *country >= 0 && *country < kRadioCountryCount) {
    radio.KakStations = static_cast<int>(*country);
  }
}

std::string RadioSettingsText(const TRadio& radio) {
  TRadio out = radio;
  if (out.Name.empty() || out.URL.empty() || out.Country.empty() || out.Resurs.empty()) {
    ResetRadioToDefaults(out);
  }
  if (!ValidVolume(out.Volume)) out.Volume = kDefaultRadioVolume;
  if (out.KakStations < 0 || out.KakStations >= kRadioCountryCount) out.KakStations = 0;
  return JoinCrLf({FileField(out.Name), FileField(out.URL), FileField(out.Country),
                   FileField(out.Resurs), out.Enabled ? "1" : "0", std::to_string(out.Volume),
                   std::to_string(out.KakStations)});
}

std::string RadioFolder(const std::string& program_folder) {
  std::string folder = program_folder;
  while (folder.size() > 1 && folder.back() == '/') folder.pop_back();
  const std::size_t slash = folder.rfind('/');
  if (slash == std::string::npos) return folder.empty() ? "/" : "./";
  return folder.substr(0, slash + 1);
}

std::optional<std::vector<RadioStation>> LoadStationList(const std::string& path, FileSystem& fs) {
  ReadOutcome read = fs.ReadFile(path, kRadioListMaxBytes);
  if (!read.read()) return std::nullopt;
  return ParseStationList(read.bytes);
}

void LoadRadioSettings(const std::string& path, TRadio& radio, FileSystem& fs) {
  ReadOutcome read = fs.ReadFile(path, kRadioSettingsMaxBytes);
  if (read.read()) {
    ReadRadioSettings(read.bytes, radio);
  } else {
    ResetRadioToDefaults(radio);
  }
}

Status SaveRadioSettings(const std::string& path, const TRadio& radio, FileSystem& fs) {
  return ReplaceFileAtomically(path, RadioSettingsText(radio), fs);
}

}  // namespace ostrel
