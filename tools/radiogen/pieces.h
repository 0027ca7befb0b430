// The pieces our radio station plays besides the menus' waltz: short tunes written here, each
// a Standard MIDI File with General MIDI instruments, rendered to Ogg Vorbis at build time.
#pragma once

#include <string>
#include <vector>

namespace ostrel::radiogen {

struct Piece {
  std::string name;  // the file name without ".mid"
  std::string midi;
};

std::vector<Piece> ComposePieces();

}  // namespace ostrel::radiogen
