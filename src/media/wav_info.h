// Reading the header of a RIFF WAVE clip, so that a waiting sound can hold the game for exactly
// the clip's length without asking the audio device (which may not exist).
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace ostrel {

struct WavInfo {
  int channels = 0;
  int sample_rate = 0;
  int bits_per_sample = 0;
  std::size_t data_offset = 0;  // where the samples begin in the file's bytes
  std::size_t data_bytes = 0;

  // Rounded up, so a wait never ends before the last sample has sounded.
  int LengthMs() const;
};

// Only uncompressed PCM of 8 or 16 bits with 1 or 2 channels is accepted; anything else, a
// truncated file or a data chunk that runs past the end fails with a message in `error`.
std::optional<WavInfo> ReadWavInfo(std::string_view bytes, std::string* error = nullptr);

}  // namespace ostrel
