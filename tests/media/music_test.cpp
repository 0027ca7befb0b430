#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>
#include <filesystem>
#include <fstream>

#include "media/music_player.h"
#include "media/sound_player.h"
#include "qt_app.h"
#include "smf_check.h"

namespace ostrel {
namespace {

using testing::View;

std::string ReadFile(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

TEST(MidiSongTest, IsAValidPieceOfOneToTwoMinutes) {
  testing::EnsureQtApp();
  const QByteArray song = OwnSoundBytes("MidiSong");
  std::string error;
  const auto smf = testing::CheckSmf(View(song), &error);
  ASSERT_TRUE(smf) << error;
  EXPECT_EQ(smf->format, 1);
  EXPECT_GE(smf->seconds, 60.0);
  EXPECT_LE(smf->seconds, 120.0);
  EXPECT_EQ(smf->unmatched_notes, 0);
  EXPECT_GT(smf->notes, 300);
  EXPECT_GE(smf->channels.size(), 3u) << "melody, chords and bass";
  EXPECT_FALSE(smf->channels.contains(9)) << "no drums on a waltz";
}

TEST(MidiSongTest, CheckerRejectsBrokenFiles) {
  testing::EnsureQtApp();
  const std::string song = OwnSoundBytes("MidiSong").toStdString();
  std::string error;
  ASSERT_TRUE(testing::CheckSmf(song, &error)) << error;
  const std::string cut = song.substr(0, song.size() - 2);
  std::string wrong_count = song;
  wrong_count[11] = static_cast<char>(wrong_count[11] + 1);
  for (const std::string& bad : {std::string(), std::string("MThd"), cut, wrong_count}) {
    EXPECT_FALSE(testing::CheckSmf(bad, &error));
  }
}

class MusicPlayerTest : public ::testing::Test {
 protected:
  void SetUp() override {
    testing::EnsureQtApp();
    ASSERT_TRUE(dir_.isValid());
    folder_ = dir_.path().toStdString();
  }
  // FluidSynth's "file" driver stands in for a sound card, so the real synthesizer and
  // player run on a machine without audio.
  MusicOptions FileDriver() {
    MusicOptions o;
    o.temp_folder = folder_;
    o.drivers = {"file"};
    o.settings = {{"audio.file.name", folder_ + "/out.raw"}, {"audio.file.type", "raw"}};
    return o;
  }
  QTemporaryDir dir_;
  std::string folder_;
};

TEST_F(MusicPlayerTest, WritesThePieceToTheTemporaryFile) {
  MusicOptions o;
  o.temp_folder = folder_;
  o.soundfont = folder_ + "/none.sf2";
  MusicPlayer music(o);
  EXPECT_EQ(music.PrepareMusic(), MusicPlayer::Prepared::NoDevice);
  const std::string path = folder_ + "/temp65_25.mid";
  EXPECT_EQ(MusicFilePath(folder_), path);
  EXPECT_EQ(ReadFile(path), OwnSoundBytes("MidiSong").toStdString());
  music.RemoveMusicFile();
  EXPECT_FALSE(std::filesystem::exists(path));
}

TEST_F(MusicPlayerTest, ADamagedLeftoverFileIsReplacedAndAGoodOneKept) {
  const std::string path = MusicFilePath(folder_);
  const std::string song = OwnSoundBytes("MidiSong").toStdString();
  for (const std::string& before : {std::string("MThd garbage"), song}) {
    std::ofstream(path, std::ios::binary) << before;
    MusicOptions o;
    o.temp_folder = folder_;
    o.soundfont = folder_ + "/none.sf2";
    MusicPlayer music(o);
    music.PrepareMusic();
    EXPECT_EQ(ReadFile(path), song);
  }
}

TEST_F(MusicPlayerTest, AnUnwritableFolderMeansNoMusic) {
  MusicOptions o = FileDriver();
  o.temp_folder = folder_ + "/missing/folder";
  MusicPlayer music(o);
  EXPECT_EQ(music.PrepareMusic(), MusicPlayer::Prepared::CantWrite);
  music.MusicPlay(true);
  EXPECT_FALSE(music.Playing());
}

TEST_F(MusicPlayerTest, MissingSoundfontOrDeviceMeansSilenceWithoutCrash) {
  const struct {
    const char* what;
    std::string soundfont;
    std::vector<std::string> drivers;
  } cases[] = {
      {"no soundfont", folder_ + "/none.sf2", {"pulseaudio", "alsa"}},
      {"not a soundfont", folder_ + "/temp65_25.mid", {"file"}},
      {"no driver works", kDefaultSoundFont, {"no-such-driver"}},
  };
  for (const auto& c : cases) {
    MusicOptions o = FileDriver();
    o.soundfont = c.soundfont;
    o.drivers = c.drivers;
    MusicPlayer music(o);
    EXPECT_EQ(music.PrepareMusic(), MusicPlayer::Prepared::NoDevice) << c.what;
    EXPECT_FALSE(music.Available()) << c.what;
    music.SetLoopCondition([] { return true; });
    music.MusicPlay(true);
    music.LoopTick();
    EXPECT_FALSE(music.Playing()) << c.what;
    music.MusicPlay(false);
  }
}

TEST_F(MusicPlayerTest, PlaysStopsAndLoopsOnlyWhenAllowed) {
  if (!std::filesystem::exists(kDefaultSoundFont)) GTEST_SKIP() << "no soundfont installed";
  MusicPlayer music(FileDriver());
  ASSERT_EQ(music.PrepareMusic(), MusicPlayer::Prepared::Ready);
  music.MusicPlay(true);
  EXPECT_TRUE(music.Playing());
  music.MusicPlay(false);
  EXPECT_FALSE(music.Playing());

  bool in_menu = false;
  music.SetLoopCondition([&in_menu] { return in_menu; });
  music.LoopTick();
  EXPECT_FALSE(music.Playing()) << "not restarted at the table";
  in_menu = true;
  music.LoopTick();
  EXPECT_TRUE(music.Playing()) << "restarted in the menu";
  music.SetLoopCondition(nullptr);
  music.MusicPlay(false);
}

}  // namespace
}  // namespace ostrel
