// Named sounds, played in the background or waited for. The table holds a step for the
// clip's known length when the sound is a waiting one.
#pragma once

#include <string>

namespace ostrel {

class SoundPort {
 public:
  virtual ~SoundPort() = default;
  // Starts the sound; returns how many milliseconds a waiting sound holds the step.
  virtual int Play(const std::string& name, bool waiting) = 0;
};

// No audio yet: nothing is heard, but a waiting sound still takes its clip's length, so the
// table keeps its pace.
class SilentSounds : public SoundPort {
 public:
  int Play(const std::string& name, bool waiting) override;
};

// The length of the program's own clip of that name, in milliseconds.
int ClipLengthMs(const std::string& name);

}  // namespace ostrel
