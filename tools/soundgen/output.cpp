#include "output.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <system_error>

namespace ostrel::soundgen {

namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

}  // namespace

std::string EncodeWav(const std::vector<float>& samples, int sample_rate) {
  const std::uint32_t data_bytes = static_cast<std::uint32_t>(samples.size() * 2);
  std::string out;
  out.reserve(44 + data_bytes);
  out += "RIFF";
  PutLe(out, 36 + data_bytes, 4);
  out += "WAVEfmt ";
  PutLe(out, 16, 4);                                           // size of the format block
  PutLe(out, 1, 2);                                            // PCM
  PutLe(out, 1, 2);                                            // mono
  PutLe(out, static_cast<std::uint32_t>(sample_rate), 4);      // frames per second
  PutLe(out, static_cast<std::uint32_t>(sample_rate) * 2, 4);  // bytes per second
  PutLe(out, 2, 2);                                            // bytes per frame
  PutLe(out, 16, 2);                                           // bits per sample
  out += "data";
  PutLe(out, data_bytes, 4);
  for (float s : samples) {
    const double clipped = std::clamp(static_cast<double>(s), -1.0, 1.0);
    const auto v = static_cast<std::int16_t>(std::lround(clipped * 32767.0));
    PutLe(out, static_cast<std::uint16_t>(v), 2);
  }
  return out;
}

bool WriteFileAtomically(const std::string& path, std::string_view bytes) {
  const std::string temp = path + ".part";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    out.flush();
    if (!out) {
      std::fprintf(stderr, "soundgen: cannot write %s\n", temp.c_str());
      std::filesystem::remove(temp);
      return false;
    }
  }
  std::error_code ec;
  std::filesystem::rename(temp, path, ec);
  if (ec) {
    std::fprintf(stderr, "soundgen: cannot rename %s to %s: %s\n", temp.c_str(), path.c_str(),
                 ec.message().c_str());
    std::filesystem::remove(temp, ec);
    return false;
  }
  return true;
}

}  // namespace ostrel::soundgen
