#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "media/sound_player.h"
#include "media/window_sounds.h"
#include "qt_app.h"

namespace ostrel {
namespace {

using testing::View;

// Remembers what would have been heard.
class RecordingOutput : public AudioOutput {
 public:
  struct Log {
    std::vector<std::size_t> started;  // data bytes of each clip started
    int stops = 0;
  };
  explicit RecordingOutput(Log& log) : log_(log) {}
  void Start(const QByteArray&, const WavInfo& info) override {
    log_.started.push_back(info.data_bytes);
  }
  void Stop() override { ++log_.stops; }

 private:
  Log& log_;
};

// Every effect the game and the windows play, with the range of lengths that fits its use:
// card and timer sounds must be short enough not to drag the table's pace.
struct Effect {
  const char* name;
  int min_ms;
  int max_ms;
};
constexpr Effect kEffects[] = {
    {"WOpenFo", 80, 600},   {"WWrongs", 80, 600},   {"WToMenK", 150, 1000}, {"WTasoKo", 300, 1500},
    {"WDing_1", 200, 1000}, {"WDiPass", 100, 800},  {"WPlMore", 200, 1200}, {"WHodsDo", 50, 300},
    {"WKoGutX", 300, 1500}, {"WKoBadX", 300, 1500}, {"WKoGood", 500, 3000}, {"WKoBads", 500, 3000},
    {"WFiBest", 500, 3000}, {"WFiGood", 500, 3000}, {"WFiBads", 500, 3000}, {"STimerA", 20, 300},
    {"STimerB", 20, 300},
};

class SoundPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override { testing::EnsureQtApp(); }
  SoundPlayer MakePlayer() {
    return SoundPlayer([this] { return sound_on_; }, std::make_unique<RecordingOutput>(log_));
  }
  bool sound_on_ = true;
  RecordingOutput::Log log_;
};

TEST_F(SoundPlayerTest, EveryEffectIsAPlayableClipOfAFittingLength) {
  for (const Effect& e : kEffects) {
    const QByteArray bytes = OwnSoundBytes(e.name);
    std::string error;
    const auto info = ReadWavInfo(View(bytes), &error);
    ASSERT_TRUE(info) << e.name << ": " << error;
    EXPECT_EQ(info->bits_per_sample, 16) << e.name;
    EXPECT_GE(info->LengthMs(), e.min_ms) << e.name;
    EXPECT_LE(info->LengthMs(), e.max_ms) << e.name;
    // Not silence: the loudest sample reaches at least a quarter of full scale.
    int loudest = 0;
    for (std::size_t i = info->data_offset; i + 1 < info->data_offset + info->data_bytes; i += 2) {
      const auto s = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[i]) |
                                               (static_cast<unsigned char>(bytes[i + 1]) << 8));
      loudest = std::max(loudest, std::abs(static_cast<int>(s)));
    }
    EXPECT_GT(loudest, 32767 / 4) << e.name;
    // Ends in silence: a clip cut off while loud clicks.
    const std::size_t last = info->data_offset + info->data_bytes - 2;
    const auto end = static_cast<std::int16_t>(static_cast<unsigned char>(bytes[last]) |
                                               (static_cast<unsigned char>(bytes[last + 1]) << 8));
    EXPECT_LT(std::abs(static_cast<int>(end)), 32767 / 100) << e.name;
  }
}

TEST_F(SoundPlayerTest, WaitingSoundHoldsForItsClipsLengthAndBackgroundNotAtAll) {
  SoundPlayer player = MakePlayer();
  for (const Effect& e : kEffects) {
    const auto info = ReadWavInfo(View(OwnSoundBytes(e.name)));
    ASSERT_TRUE(info) << e.name;
    log_.started.clear();
    EXPECT_EQ(player.PlaySoundEffect(e.name, true), info->LengthMs()) << e.name;
    EXPECT_EQ(player.PlaySoundEffect(e.name, false), 0) << e.name;
    EXPECT_EQ(log_.started, (std::vector<std::size_t>{info->data_bytes, info->data_bytes}))
        << e.name << ": both modes must be heard";
  }
}

TEST_F(SoundPlayerTest, SoundOffPlaysNothingAndHoldsNothing) {
  SoundPlayer player = MakePlayer();
  sound_on_ = false;
  for (const Effect& e : kEffects) {
    EXPECT_EQ(player.PlaySoundEffect(e.name, true), 0) << e.name;
    EXPECT_EQ(player.PlaySoundEffect(e.name, false), 0) << e.name;
  }
  EXPECT_TRUE(log_.started.empty());
  // The setting is asked at every sound: switching it back is heard at once.
  sound_on_ = true;
  EXPECT_GT(player.PlaySoundEffect("WDing_1", true), 0);
  EXPECT_EQ(log_.started.size(), 1u);
}

TEST_F(SoundPlayerTest, UnknownOrUnsafeNamesPlayNothing) {
  SoundPlayer player = MakePlayer();
  for (const char* name : {"", "WNoSuch", "MidiSong", "../WDing_1", "WDing_1.wav", "wding_1"}) {
    EXPECT_EQ(player.PlaySoundEffect(name, true), 0) << name;
    EXPECT_FALSE(player.ClipLengthMs(name)) << name;
  }
  EXPECT_TRUE(log_.started.empty());
  EXPECT_FALSE(player.PlayClip(QByteArray("RIFF....WAVEjunk"), true));
  EXPECT_TRUE(log_.started.empty());
}

TEST_F(SoundPlayerTest, WithoutAnAudioDeviceTheWaitsKeepTheirLength) {
  // The real device output: in a build machine there is usually no device, and the waits
  // must not change with that, nor may anything crash.
  SoundPlayer player([] { return true; });
  const auto length = player.ClipLengthMs("WKoGutX");
  ASSERT_TRUE(length);
  EXPECT_EQ(player.PlaySoundEffect("WKoGutX", true), *length);
  EXPECT_EQ(player.PlaySoundEffect("WTasoKo", false), 0);  // cuts the one before
  EXPECT_EQ(player.PlaySoundEffect("WHodsDo", true), *player.ClipLengthMs("WHodsDo"));
  player.Stop();
}

TEST_F(SoundPlayerTest, WindowPortFollowsTheSoundSetting) {
  Settings settings;
  MediaSounds sounds(settings);
  SoundPort& port = sounds;
  const int length = *sounds.Player().ClipLengthMs("WDiPass");
  EXPECT_EQ(port.Play("WDiPass", true), length);
  EXPECT_EQ(port.Play("WDiPass", false), 0);
  settings.SoundOn = false;
  EXPECT_EQ(port.Play("WDiPass", true), 0);
}

}  // namespace
}  // namespace ostrel
