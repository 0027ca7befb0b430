#include "media/wav_info.h"

namespace ostrel {

namespace {

std::uint32_t Le(std::string_view b, std::size_t at, int bytes) {
  std::uint32_t v = 0;
  for (int i = bytes - 1; i >= 0; --i) v = (v << 8) | static_cast<unsigned char>(b[at + i]);
  return v;
}

std::optional<WavInfo> Fail(std::string* error, const char* why) {
  if (error != nullptr) *error = why;
  return std::nullopt;
}

}  // namespace

int WavInfo::LengthMs() const {
  const std::uint64_t per_second =
      static_cast<std::uint64_t>(sample_rate) * channels * (bits_per_sample / 8);
  if (per_second == 0) return 0;
  return static_cast<int>((static_cast<std::uint64_t>(data_bytes) * 1000 + per_second - 1) /
                          per_second);
}

std::optional<WavInfo> ReadWavInfo(std::string_view b, std::string* error) {
  if (b.size() < 12 || b.substr(0, 4) != "RIFF" || b.substr(8, 4) != "WAVE") {
    return Fail(error, "not a RIFF WAVE file");
  }
  WavInfo info;
  bool have_format = false;
  std::size_t at = 12;
  while (at + 8 <= b.size()) {
    const std::string_view id = b.substr(at, 4);
    const std::size_t size = Le(b, at + 4, 4);
    const std::size_t body = at + 8;
    if (size > b.size() - body) return Fail(error, "a chunk runs past the end of the file");
    if (id == "fmt ") {
      if (size < 16) return Fail(error, "format chunk too short");
      if (Le(b, body, 2) != 1) return Fail(error, "not uncompressed PCM");
      info.channels = static_cast<int>(Le(b, body + 2, 2));
      info.sample_rate = static_cast<int>(Le(b, body + 4, 4));
      info.bits_per_sample = static_cast<int>(Le(b, body + 14, 2));
      if (info.channels < 1 || info.channels > 2) return Fail(error, "not mono or stereo");
      if (info.bits_per_sample != 8 && info.bits_per_sample != 16) {
        return Fail(error, "not 8 or 16 bits a sample");
      }
      if (info.sample_rate < 4000 || info.sample_rate > 192000) {
        return Fail(error, "implausible sample rate");
      }
      have_format = true;
    } else if (id == "data") {
      if (!have_format) return Fail(error, "data before the format chunk");
      info.data_offset = body;
      info.data_bytes = size;
      return info;
    }
    at = body + size + (size & 1);  // chunks are padded to an even length
  }
  return Fail(error, have_format ? "no data chunk" : "no format chunk");
}

}  // namespace ostrel
