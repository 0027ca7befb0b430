// The program's own sound effects, one clip per name the game and the windows play.
#pragma once

#include <string>
#include <vector>

#include "synth.h"

namespace ostrel::soundgen {

struct NamedClip {
  std::string name;
  Clip clip;
};

std::vector<NamedClip> AllEffects();

}  // namespace ostrel::soundgen
