#include <gtest/gtest.h>

#include <cstdint>
#include <string>

#include "media/wav_info.h"

namespace ostrel {
namespace {

void PutLe(std::string& out, std::uint32_t value, int bytes) {
  for (int i = 0; i < bytes; ++i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
}

std::string Chunk(const std::string& id, const std::string& body) {
  std::string out = id;
  PutLe(out, static_cast<std::uint32_t>(body.size()), 4);
  out += body;
  if (body.size() % 2 == 1) out.push_back('\0');
  return out;
}

std::string Format(int tag, int channels, int rate, int bits) {
  std::string f;
  PutLe(f, static_cast<std::uint32_t>(tag), 2);
  PutLe(f, static_cast<std::uint32_t>(channels), 2);
  PutLe(f, static_cast<std::uint32_t>(rate), 4);
  PutLe(f, static_cast<std::uint32_t>(rate * channels * bits / 8), 4);
  PutLe(f, static_cast<std::uint32_t>(channels * bits / 8), 2);
  PutLe(f, static_cast<std::uint32_t>(bits), 2);
  return f;
}

std::string Riff(const std::string& chunks) {
  std::string out = "RIFF";
  PutLe(out, static_cast<std::uint32_t>(4 + chunks.size()), 4);
  return out + "WAVE" + chunks;
}

TEST(WavInfoTest, ReadsFormatAndFindsDataBehindOtherChunks) {
  // An odd-sized chunk before the data is padded: the reader must skip the pad byte.
  const std::string wav = Riff(Chunk("fmt ", Format(1, 2, 44100, 16)) + Chunk("LIST", "abc") +
                               Chunk("data", std::string(44100 * 4 / 2, '\0')));
  const auto info = ReadWavInfo(wav);
  ASSERT_TRUE(info);
  EXPECT_EQ(info->channels, 2);
  EXPECT_EQ(info->sample_rate, 44100);
  EXPECT_EQ(info->bits_per_sample, 16);
  EXPECT_EQ(info->data_bytes, 44100u * 2);
  EXPECT_EQ(wav.substr(info->data_offset - 8, 4), "data");
  EXPECT_EQ(info->LengthMs(), 500);
}

TEST(WavInfoTest, LengthIsRoundedUpSoAWaitNeverEndsEarly) {
  WavInfo info;
  info.channels = 1;
  info.sample_rate = 22050;
  info.bits_per_sample = 16;
  info.data_bytes = 2 * 2206;  // 100.04 ms
  EXPECT_EQ(info.LengthMs(), 101);
  info.data_bytes = 2 * 2205;  // exactly 100 ms
  EXPECT_EQ(info.LengthMs(), 100);
}

TEST(WavInfoTest, RejectsWhatCannotBePlayed) {
  const std::string pcm = Chunk("fmt ", Format(1, 1, 22050, 16));
  const std::string data = Chunk("data", std::string(100, '\0'));
  std::string truncated = Riff(pcm + data);
  truncated.resize(truncated.size() - 10);
  const struct {
    const char* what;
    std::string bytes;
  } cases[] = {
      {"empty", ""},
      {"not RIFF", "RIFX" + Riff(pcm + data).substr(4)},
      {"compressed", Riff(Chunk("fmt ", Format(2, 1, 22050, 16)) + data)},
      {"24 bits", Riff(Chunk("fmt ", Format(1, 1, 22050, 24)) + data)},
      {"six channels", Riff(Chunk("fmt ", Format(1, 6, 22050, 16)) + data)},
      {"zero rate", Riff(Chunk("fmt ", Format(1, 1, 0, 16)) + data)},
      {"data before format", Riff(data + pcm)},
      {"no data", Riff(pcm)},
      {"data past the end", truncated},
      {"short format", Riff(Chunk("fmt ", Format(1, 1, 22050, 16).substr(0, 10)) + data)},
  };
  for (const auto& c : cases) {
    std::string error;
    EXPECT_FALSE(ReadWavInfo(c.bytes, &error)) << c.what;
    EXPECT_FALSE(error.empty()) << c.what;
  }
}

}  // namespace
}  // namespace ostrel
