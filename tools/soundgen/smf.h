// Writing a Standard MIDI File (format 1): one track of tempo and metre, then one track a part.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace ostrel::soundgen {

class MidiTrack {
 public:
  explicit MidiTrack(std::string name);

  void Program(std::uint32_t tick, int channel, int program);
  void Control(std::uint32_t tick, int channel, int controller, int value);
  // A note from `tick` for `length` ticks.
  void Note(std::uint32_t tick, std::uint32_t length, int channel, int note, int velocity);
  void Tempo(std::uint32_t tick, int quarter_per_minute);
  void TimeSignature(std::uint32_t tick, int numerator, int denominator_power);
  // The track ends here at the latest, so that every part of the piece ends together.
  void EndAt(std::uint32_t tick) { end_ = tick; }

  // The track chunk "MTrk" with its events in time order.
  std::string Encode() const;

 private:
  struct Event {
    std::uint32_t tick;
    int order;  // at one tick: note-offs first, so a repeated note is not cut by its own end
    std::string bytes;
  };
  void Add(std::uint32_t tick, int order, std::string bytes);
  std::vector<Event> events_;
  std::uint32_t end_ = 0;
};

// Header chunk "MThd" (format 1, `division` ticks a quarter note) and the tracks.
std::string EncodeSmf(const std::vector<MidiTrack>& tracks, int division);

}  // namespace ostrel::soundgen
