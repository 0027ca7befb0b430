// The game's named sound effects ("WDing_1", "WHodsDo", ...), compiled into the program.
//
// A waiting sound does not block: it reports its clip's length, read from the clip's header,
// and the caller holds its queue that long. The length never comes from the device (with no
// audio device a clip would never report that it has ended), so the game keeps the same pace
// with or without sound hardware.
#pragma once

#include <QByteArray>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>

#include "media/audio_output.h"
#include "media/wav_info.h"

namespace ostrel {

// The bytes of one of the program's own clips ("WDing_1", ..., and the music "MidiSong"); empty
// for a name the program does not have.
QByteArray OwnSoundBytes(std::string_view name);

class SoundPlayer {
 public:
  // `sound_on` is asked at every call, so switching sound in the options takes effect at once.
  // Without an output the system's default device is used.
  explicit SoundPlayer(std::function<bool()> sound_on,
                       std::unique_ptr<AudioOutput> output = nullptr);

  // Plays the named effect when sound is on. Returns the milliseconds a waiting sound holds the
  // caller: its clip's length; 0 in the background mode, with sound off and for a name that is
  // not among the program's sounds (nothing plays then).
  int PlaySoundEffect(std::string_view name, bool wait);

  // Plays a clip from elsewhere (a spoken card name) regardless of the sound setting. Returns
  // the hold as above, or nothing when the bytes are no playable WAV.
  std::optional<int> PlayClip(const QByteArray& wav, bool wait);

  // The length of the program's own clip of that name; nothing for an unknown name.
  std::optional<int> ClipLengthMs(std::string_view name);

  void Stop();

 private:
  struct Clip {
    QByteArray bytes;
    WavInfo info;
  };
  const Clip* Find(std::string_view name);

  std::function<bool()> sound_on_;
  std::unique_ptr<AudioOutput> output_;
  std::map<std::string, std::optional<Clip>, std::less<>> clips_;
};

}  // namespace ostrel
