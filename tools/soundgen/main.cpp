// ostrel_soundgen OUT_DIR: writes the program's own sound effects (one WAV file a name), the
// menus' music "MidiSong" and the resource list "sounds.qrc" that compiles them in.
#include <cstdio>
#include <filesystem>
#include <string>

#include "effects.h"
#include "output.h"
#include "waltz.h"

namespace {

using namespace ostrel::soundgen;

bool WriteAll(const std::filesystem::path& dir) {
  std::error_code ec;
  std::filesystem::create_directories(dir, ec);
  if (ec) {
    std::fprintf(stderr, "soundgen: cannot create %s: %s\n", dir.c_str(), ec.message().c_str());
    return false;
  }
  std::string qrc = "<!DOCTYPE RCC><RCC version=\"1.0\">\n<qresource prefix=\"/ostrel/sounds\">\n";
  for (const NamedClip& effect : AllEffects()) {
    const std::string file = effect.name + ".wav";
    if (!WriteFileAtomically(dir / file, EncodeWav(effect.clip.Samples(), kSampleRate))) {
      return false;
    }
    qrc += "  <file alias=\"" + effect.name + "\">" + file + "</file>\n";
  }
  const std::string song = ComposeWaltz();
  if (song.empty() || !WriteFileAtomically(dir / "MidiSong.mid", song)) return false;
  qrc += "  <file alias=\"MidiSong\">MidiSong.mid</file>\n</qresource>\n</RCC>\n";
  // Last: the build takes the list's presence as the sign that everything was written.
  return WriteFileAtomically(dir / "sounds.qrc", qrc);
}

}  // namespace

int main(int argc, char** argv) {
  if (argc != 2) {
    std::fprintf(stderr, "usage: ostrel_soundgen OUT_DIR\n");
    return 2;
  }
  return WriteAll(argv[1]) ? 0 : 1;
}
