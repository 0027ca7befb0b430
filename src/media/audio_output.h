// Where PCM clips are heard. One clip sounds at a time: starting a clip cuts off the one before,
// as the system's single sound channel does for the game's effects.
#pragma once

#include <QByteArray>
#include <memory>

#include "media/wav_info.h"

namespace ostrel {

class AudioOutput {
 public:
  virtual ~AudioOutput() = default;
  // `wav` is the whole file; `info` its header as ReadWavInfo found it.
  virtual void Start(const QByteArray& wav, const WavInfo& info) = 0;
  virtual void Stop() = 0;
};

// The system's default audio output through Qt Multimedia. Without an audio device it stays
// silent and says nothing; the waits of the game do not depend on it.
std::unique_ptr<AudioOutput> MakeDeviceOutput();

}  // namespace ostrel
