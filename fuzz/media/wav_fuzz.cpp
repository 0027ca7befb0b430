// Any bytes as a WAV clip. An accepted header describes samples that lie inside the bytes, in
// one of the forms the sound player can play, with a length that is never negative.
#include "fuzz_check.h"
#include "media/wav_info.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  using namespace ostrel;
  const auto info = ReadWavInfo(fuzz::Bytes(data, size));
  if (!info) return 0;
  FUZZ_CHECK(info->data_offset <= size && info->data_bytes <= size - info->data_offset);
  FUZZ_CHECK(info->channels == 1 || info->channels == 2);
  FUZZ_CHECK(info->bits_per_sample == 8 || info->bits_per_sample == 16);
  FUZZ_CHECK(info->LengthMs() >= 0);
  return 0;
}
