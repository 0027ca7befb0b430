// Encoding the generated sounds and writing them to the build tree.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace ostrel::soundgen {

// A RIFF WAVE file: 16-bit PCM, one channel. Samples are clipped to -1..1.
std::string EncodeWav(const std::vector<float>& samples, int sample_rate);

// Writes through a temporary file and a rename, so an interrupted build never leaves a torn
// file that a later build would take as finished. False (with a message on stderr) on failure.
bool WriteFileAtomically(const std::string& path, std::string_view bytes);

}  // namespace ostrel::soundgen
