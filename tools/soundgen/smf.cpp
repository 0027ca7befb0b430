#include "smf.h"

#include <algorithm>
#include <utility>

namespace ostrel::soundgen {

namespace {

std::string VariableLength(std::uint32_t value) {
  std::string out(1, static_cast<char>(value & 0x7F));
  while ((value >>= 7) != 0) out.insert(out.begin(), static_cast<char>(0x80 | (value & 0x7F)));
  return out;
}

std::string BigEndian(std::uint32_t value, int bytes) {
  std::string out;
  for (int i = bytes - 1; i >= 0; --i) out.push_back(static_cast<char>((value >> (8 * i)) & 0xFF));
  return out;
}

std::string Bytes(std::initializer_list<int> values) {
  std::string out;
  for (int v : values) out.push_back(static_cast<char>(v & 0xFF));
  return out;
}

std::string Meta(int type, const std::string& data) {
  return Bytes({0xFF, type}) + VariableLength(static_cast<std::uint32_t>(data.size())) + data;
}

}  // namespace

MidiTrack::MidiTrack(std::string name) {
  Add(0, 0, Meta(0x03, name));
}

void MidiTrack::Add(std::uint32_t tick, int order, std::string bytes) {
  events_.push_back({tick, order, std::move(bytes)});
  end_ = std::max(end_, tick);
}

void MidiTrack::Program(std::uint32_t tick, int channel, int program) {
  Add(tick, 1, Bytes({0xC0 | channel, program}));
}

void MidiTrack::Control(std::uint32_t tick, int channel, int controller, int value) {
  Add(tick, 1, Bytes({0xB0 | channel, controller, value}));
}

void MidiTrack::Note(std::uint32_t tick, std::uint32_t length, int channel, int note,
                     int velocity) {
  Add(tick, 2, Bytes({0x90 | channel, note, velocity}));
  Add(tick + length, 0, Bytes({0x80 | channel, note, 0x40}));
}

void MidiTrack::Tempo(std::uint32_t tick, int quarter_per_minute) {
  Add(tick, 1,
      Meta(0x51, BigEndian(60'000'000u / static_cast<std::uint32_t>(quarter_per_minute), 3)));
}

void MidiTrack::TimeSignature(std::uint32_t tick, int numerator, int denominator_power) {
  Add(tick, 1, Meta(0x58, Bytes({numerator, denominator_power, 24, 8})));
}

std::string MidiTrack::Encode() const {
  std::vector<Event> sorted = events_;
  std::stable_sort(sorted.begin(), sorted.end(), [](const Event& a, const Event& b) {
    return a.tick != b.tick ? a.tick < b.tick : a.order < b.order;
  });
  std::string body;
  std::uint32_t now = 0;
  for (const Event& e : sorted) {
    body += VariableLength(e.tick - now) + e.bytes;
    now = e.tick;
  }
  body += VariableLength(end_ - now) + Meta(0x2F, "");
  return "MTrk" + BigEndian(static_cast<std::uint32_t>(body.size()), 4) + body;
}

std::string EncodeSmf(const std::vector<MidiTrack>& tracks, int division) {
  std::string out = "MThd" + BigEndian(6, 4) + BigEndian(1, 2) +
                    BigEndian(static_cast<std::uint32_t>(tracks.size()), 2) +
                    BigEndian(static_cast<std::uint32_t>(division), 2);
  for (const MidiTrack& t : tracks) out += t.Encode();
  return out;
}

}  // namespace ostrel::soundgen
