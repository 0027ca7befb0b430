// The window's sound port backed by the real player: the effects are heard when the settings
// have sound on, and a waiting one holds the table's queue for its clip's length.
#pragma once

#include <string>

#include "media/sound_player.h"
#include "media/sound_port.h"
#include "storage/settings.h"

namespace ostrel {

class MediaSounds : public SoundPort {
 public:
  // The settings are read at every sound; they must outlive this object.
  explicit MediaSounds(const Settings& settings)
      : player_([&settings] { return settings.SoundOn; }) {}

  int Play(const std::string& name, bool waiting) override {
    return player_.PlaySoundEffect(name, waiting);
  }
  SoundPlayer& Player() { return player_; }

 private:
  SoundPlayer player_;
};

}  // namespace ostrel
