// ostrel_radiogen: what the build makes for the internet radio.
//   ostrel_radiogen pieces OUT_DIR      the MIDI files of our station (the menus' waltz
//                                       "MidiSong" and our other pieces), rendered afterwards
//   ostrel_radiogen stations SRC OUT    the station list "TarvoRadio.rad" from its source:
//                                       UTF-8 lines "CODE<TAB>ID<TAB>NAME<TAB>URL<TAB>LOGO",
//                                       "#" lines are comments
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

#include "pieces.h"
#include "storage/atomic_file.h"
#include "storage/radio_files.h"
#include "tools/soundgen/waltz.h"

namespace {

using namespace ostrel;

bool Write(const std::string& path, const std::string& bytes) {
  const Status s = ReplaceFileAtomically(path, bytes);
  if (!s.ok()) std::fprintf(stderr, "radiogen: %s\n", s.message().c_str());
  return s.ok();
}

bool WritePieces(const std::string& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  const std::string waltz = soundgen::ComposeWaltz();
  if (waltz.empty() || !Write(dir + "/MidiSong.mid", waltz)) return false;
  for (const radiogen::Piece& piece : radiogen::ComposePieces()) {
    if (!Write(dir + "/" + piece.name + ".mid", piece.midi)) return false;
  }
  return true;
}

const char* CountryName(const std::string& code) {
  for (const RadioCountry& c : RadioCountries()) {
    if (code == c.code) return c.shown;
  }
  return nullptr;
}

bool WriteStations(const std::string& source, const std::string& out) {
  std::ifstream in(source);
  if (!in) {
    std::fprintf(stderr, "radiogen: cannot read %s\n", source.c_str());
    return false;
  }
  std::vector<RadioStation> stations;
  std::string line;
  for (int number = 1; std::getline(in, line); ++number) {
    if (line.empty() || line[0] == '#') continue;
    std::istringstream fields(line);
    RadioStation s;
    std::getline(fields, s.code, '\t');
    std::getline(fields, s.id, '\t');
    std::getline(fields, s.name, '\t');
    std::getline(fields, s.url, '\t');
    std::getline(fields, s.logo, '\t');
    const char* country = CountryName(s.code);
    if (!country || s.id.size() != 7 || s.name.empty() || s.url.empty() || s.logo.empty()) {
      std::fprintf(stderr, "radiogen: %s:%d: bad station line\n", source.c_str(), number);
      return false;
    }
    s.country = country;
    stations.push_back(std::move(s));
  }
  const std::string text =
      "# Ostrel radio stations: CODE ID##NAME#COUNTRY#ADDRESS#LOGO\r\n" + StationListText(stations);
  // The list must read back as it was written.
  if (ParseStationList(text) != stations) {
    std::fprintf(stderr, "radiogen: the station list does not read back\n");
    return false;
  }
  return Write(out, text);
}

}  // namespace

int main(int argc, char** argv) {
  const std::string mode = argc > 1 ? argv[1] : "";
  if (mode == "pieces" && argc == 3) return WritePieces(argv[2]) ? 0 : 1;
  if (mode == "stations" && argc == 4) return WriteStations(argv[2], argv[3]) ? 0 : 1;
  std::fprintf(stderr, "usage: ostrel_radiogen pieces OUT_DIR | stations SOURCE OUT\n");
  return 2;
}
