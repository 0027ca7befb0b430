// The menus' background music "MidiSong", played by FluidSynth with a General MIDI soundfont.
//
// The piece is written once to the temporary file "temp65_25.mid" and played from it. A missing
// soundfont, synthesizer or audio device leaves the program without music and says nothing;
// only a music file that cannot be written is reported, by PrepareMusic's result.
#pragma once

#include <QTimer>
#include <functional>
#include <memory>
#include <string>
#include <vector>

namespace ostrel {

inline constexpr const char* kDefaultSoundFont = "/usr/share/sounds/sf2/TimGM6mb.sf2";
inline constexpr const char* kCantCreateMusicFile = "Can`t create music file!";

struct MusicOptions {
  std::string soundfont = kDefaultSoundFont;
  std::string temp_folder;  // empty: the system's temporary folder
  // FluidSynth audio drivers in the order they are tried.
  std::vector<std::string> drivers = {"pulseaudio", "alsa"};
  // Extra FluidSynth string settings (tests send the "file" driver's output to a file).
  std::vector<std::pair<std::string, std::string>> settings;
};

// The temporary file's name in a folder: "temp" + the game code 65 + "_25.mid".
std::string MusicFilePath(const std::string& temp_folder);

class MusicPlayer {
 public:
  explicit MusicPlayer(MusicOptions options = {});
  ~MusicPlayer();
  MusicPlayer(const MusicPlayer&) = delete;
  MusicPlayer& operator=(const MusicPlayer&) = delete;

  enum class Prepared {
    Ready,      // the file is written and the synthesizer plays it
    NoDevice,   // the file is written, but there is no soundfont or audio output: no music
    CantWrite,  // the file cannot be written: show kCantCreateMusicFile, go on without music
  };
  // Writes the music file (once; a file that already holds the piece is used as it is) and
  // opens the synthesizer.
  Prepared PrepareMusic();

  // Starts the piece from its beginning (on) or stops it (off). Does nothing when the music
  // could not be prepared.
  void MusicPlay(bool on);
  bool Playing() const;
  bool Available() const { return synth_ != nullptr; }

  // The piece loops only while `may_loop` says so (the setting is on and the main menu or the
  // title screen shows): every 55 ms a piece that has ended is started again then.
  void SetLoopCondition(std::function<bool()> may_loop);
  // One look of that timer; public so that it can be driven without waiting.
  void LoopTick();

  // Removes the temporary file (the settings are being written); the loaded piece plays on.
  void RemoveMusicFile();

 private:
  struct Synth;
  MusicOptions options_;
  std::string path_;
  std::string song_;
  std::unique_ptr<Synth> synth_;
  std::function<bool()> may_loop_;
  QTimer loop_timer_;
};

}  // namespace ostrel
