#include "media/music_player.h"

#include <fluidsynth.h>

#include <QDir>
#include <QFile>
#include <filesystem>
#include <utility>

#include "media/sound_player.h"
#include "storage/atomic_file.h"

namespace ostrel {

namespace {

constexpr int kLoopPeriodMs = 55;

// FluidSynth writes its complaints (no soundfont, no audio server) to the terminal; the
// program has nothing to tell the user about missing music, so they are dropped.
void SilenceFluidSynth() {
  for (int level : {FLUID_PANIC, FLUID_ERR, FLUID_WARN, FLUID_INFO, FLUID_DBG}) {
    fluid_set_log_function(level, nullptr, nullptr);
  }
}

// Only SoundFont 2 files are given to FluidSynth: other files would go to its DLS loader,
// which complains on the terminal about anything it cannot read.
bool LooksLikeSoundFont(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return false;
  const QByteArray head = file.read(12);
  return head.size() == 12 && head.startsWith("RIFF") && head.mid(8, 4) == "sfbk";
}

// The ALSA library prints its errors on the terminal when there is no sound card to open, so
// the "alsa" driver is tried only when the machine has a playback device.
bool HasAlsaPlayback() {
  std::error_code ec;
  std::filesystem::directory_iterator it("/dev/snd", ec);
  for (; !ec && it != std::filesystem::directory_iterator(); it.increment(ec)) {
    const std::string name = it->path().filename().string();
    if (name.starts_with("pcmC") && name.ends_with("p")) return true;
  }
  return false;
}

std::string ReadWhole(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return {};
  return file.readAll().toStdString();
}

}  // namespace

struct MusicPlayer::Synth {
  fluid_settings_t* settings = nullptr;
  fluid_synth_t* synth = nullptr;
  fluid_audio_driver_t* driver = nullptr;
  fluid_player_t* player = nullptr;

  ~Synth() {
    StopPlayer();
    if (driver != nullptr) delete_fluid_audio_driver(driver);
    if (synth != nullptr) delete_fluid_synth(synth);
    if (settings != nullptr) delete_fluid_settings(settings);
  }

  void StopPlayer() {
    if (player == nullptr) return;
    fluid_player_stop(player);
    delete_fluid_player(player);
    player = nullptr;
    fluid_synth_all_sounds_off(synth, -1);  // no note may hang on after the piece is stopped
  }
};

std::string MusicFilePath(const std::string& temp_folder) {
  return temp_folder + "/temp65_25.mid";
}

MusicPlayer::MusicPlayer(MusicOptions options) : options_(std::move(options)) {
  loop_timer_.setInterval(kLoopPeriodMs);
  QObject::connect(&loop_timer_, &QTimer::timeout, [this] { LoopTick(); });
}

MusicPlayer::~MusicPlayer() = default;

MusicPlayer::Prepared MusicPlayer::PrepareMusic() {
  if (synth_) return Prepared::Ready;
  const std::string folder =
      options_.temp_folder.empty() ? QDir::tempPath().toStdString() : options_.temp_folder;
  path_ = MusicFilePath(folder);
  song_ = OwnSoundBytes("MidiSong").toStdString();
  if (song_.empty()) return Prepared::CantWrite;
  // A file left by another copy of the program is used as it is; one that holds something
  // else (damaged, or an older piece) is replaced, or the menus would stay silent for good.
  if (ReadWhole(path_) != song_ && !ReplaceFileAtomically(path_, song_).ok()) {
    return Prepared::CantWrite;
  }

  SilenceFluidSynth();
  if (!LooksLikeSoundFont(options_.soundfont)) return Prepared::NoDevice;
  auto s = std::make_unique<Synth>();
  s->settings = new_fluid_settings();
  if (s->settings == nullptr) return Prepared::NoDevice;
  fluid_settings_setnum(s->settings, "synth.gain", 0.8);
  for (const auto& [name, value] : options_.settings) {
    fluid_settings_setstr(s->settings, name.c_str(), value.c_str());
  }
  s->synth = new_fluid_synth(s->settings);
  if (s->synth == nullptr ||
      fluid_synth_sfload(s->synth, options_.soundfont.c_str(), 1) == FLUID_FAILED) {
    return Prepared::NoDevice;
  }
  for (const std::string& driver : options_.drivers) {
    if (driver == "alsa" && !HasAlsaPlayback()) continue;
    fluid_settings_setstr(s->settings, "audio.driver", driver.c_str());
    s->driver = new_fluid_audio_driver(s->settings, s->synth);
    if (s->driver != nullptr) break;
  }
  if (s->driver == nullptr) return Prepared::NoDevice;
  synth_ = std::move(s);
  return Prepared::Ready;
}

void MusicPlayer::MusicPlay(bool on) {
  if (!synth_) return;
  synth_->StopPlayer();
  if (!on) return;
  // The piece plays from the bytes read at preparation, so it still plays after the
  // temporary file is removed.
  fluid_player_t* player = new_fluid_player(synth_->synth);
  if (player == nullptr) return;
  if (fluid_player_add_mem(player, song_.data(), song_.size()) != FLUID_OK ||
      fluid_player_play(player) != FLUID_OK) {
    delete_fluid_player(player);
    return;
  }
  synth_->player = player;
}

bool MusicPlayer::Playing() const {
  return synth_ && synth_->player != nullptr &&
         fluid_player_get_status(synth_->player) == FLUID_PLAYER_PLAYING;
}

void MusicPlayer::SetLoopCondition(std::function<bool()> may_loop) {
  may_loop_ = std::move(may_loop);
  if (may_loop_) {
    loop_timer_.start();
  } else {
    loop_timer_.stop();
  }
}

void MusicPlayer::LoopTick() {
  if (synth_ && may_loop_ && !Playing() && may_loop_()) MusicPlay(true);
}

void MusicPlayer::RemoveMusicFile() {
  if (path_.empty()) return;
  std::error_code ignored;
  std::filesystem::remove(path_, ignored);
}

}  // namespace ostrel
