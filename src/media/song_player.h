// The internet song player: songs of the site's list, one at a time, streamed from their
// address. The choice of song and the stream are handed in, so the player's rules are checked
// without a network or an audio device.
#pragma once

#include <functional>
#include <memory>
#include <string>

#include "media/song_list.h"

namespace ostrel {

// One song fetched over the network while it plays.
class SongStream {
 public:
  virtual ~SongStream() = default;
  // Loads the song at `url` without playing it; the one loaded before is dropped.
  virtual void Open(const std::string& url) = 0;
  virtual void Play() = 0;
  virtual void Stop() = 0;
  // 0.0 (silent) .. 1.0 (full).
  virtual void SetVolume(double volume) = 0;
  // The position has reached the length. A song that could not be opened has no length and
  // never ends, so a dead address is not fetched again and again.
  virtual bool Ended() const = 0;
};

// Qt Multimedia's player. Without an audio device, or for an address that gives no song, it
// stays silent and says nothing.
std::unique_ptr<SongStream> MakeMediaSongStream();

// A number in [lo, hi].
using SongPick = std::function<int(int lo, int hi)>;
// A pick from the program's own generator, seeded from the clock.
SongPick ClockSongPick();

// The player's state as the buttons show it.
struct TMyMediaPL : SongList {
  bool Play = false;
  int Volume = 50;  // 0..100 in steps of kVolumeStep
  int N = 0;        // the current song, 1..Max
};

inline constexpr int kVolumeStep = 5;

// What pointing at the play button shows: a balloon with a title, or one plain line when
// `title` is empty.
struct SongHint {
  std::string title;
  std::string text;
};

// The volume after the mouse is released at `x` on the volume button (61 pixels wide): the right
// part raises it, the left part lowers it, the middle and the very edge leave it.
int VolumeAfterRelease(int volume, int x);

class SongPlayer {
 public:
  // `list` must have Create set (more than kFewestSongs songs).
  SongPlayer(SongList list, std::unique_ptr<SongStream> stream, SongPick pick);

  const TMyMediaPL& State() const { return state_; }
  const SongHint& Hint() const { return hint_; }

  // Chooses the first song and loads it; nothing plays until TogglePlay.
  void Start();
  void TogglePlay();
  // Another song chosen at random (it may be the same one), played from its start.
  void Next();
  // Returns whether the volume changed.
  bool VolumeReleased(int x);
  // The look of the 500 ms timer: a song that ended while playing is followed by the next.
  // Returns whether a new song started.
  bool Tick();

 private:
  void OpenCurrent();

  TMyMediaPL state_;
  std::unique_ptr<SongStream> stream_;
  SongPick pick_;
  SongHint hint_;
};

}  // namespace ostrel
