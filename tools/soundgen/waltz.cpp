#include "waltz.h"

#include <cstdio>
#include <map>
#include <optional>
#include <sstream>
#include <vector>

#include "smf.h"

namespace ostrel::soundgen {

namespace {

constexpr int kDivision = 480;  // ticks a quarter note
constexpr std::uint32_t kEighth = kDivision / 2;
constexpr std::uint32_t kBar = 3 * kDivision;
constexpr int kTempo = 132;

// General MIDI programs (numbered from 0) and the channels of the parts.
constexpr int kFlute = 73, kClarinet = 71, kNylonGuitar = 24, kAcousticBass = 32, kStrings = 48;
constexpr int kMelodyChannel = 0, kChordChannel = 1, kBassChannel = 2, kPadChannel = 3;

// The tune, a bar between bars: note name and octave, then its length in eighths (a bar has 6).
// "R" is a rest.
const char* const kTuneA =
    "D5:2 G5:2 B5:2 | D6:4 B5:2 | A5:2 F#5:2 A5:2 | D6:4 C6:2 | "
    "C6:2 A5:2 F#5:2 | E5:2 F#5:2 A5:2 | G5:2 B5:2 A5:2 | G5:6 | "
    "D5:2 G5:2 B5:2 | D6:2 B5:2 G5:2 | E6:4 C6:2 | G5:2 A5:2 C6:2 | "
    "B5:2 D6:2 B5:2 | A5:2 C6:2 F#5:2 | G5:4 A5:1 B5:1 | G5:6";
const char* const kChordsA = "G G D D D7 D7 G G G G7 C C G D7 G G";
const char* const kTuneB =
    "E5:2 G5:2 C6:2 | E6:4 D6:2 | D6:2 B5:2 G5:2 | B5:4 A5:2 | "
    "C6:2 A5:2 E5:2 | F#5:2 A5:2 C6:2 | B5:4 A5:2 | G5:6 | "
    "G5:2 B5:2 E6:2 | E6:4 D6:2 | C6:2 E6:2 A5:2 | C6:4 B5:2 | "
    "A5:2 F#5:2 D5:2 | F#5:2 A5:2 C6:2 | B5:4 A5:2 | G5:6";
const char* const kChordsB = "C C G G Am D7 G G Em Em Am Am D D7 G G";

// The accompaniment plays alone first.
const char* const kIntro = "G G D7 D7";

const std::map<std::string, std::vector<int>> kChordTones = {
    {"G", {7, 11, 2}}, {"G7", {7, 11, 2, 5}}, {"D", {2, 6, 9}},   {"D7", {2, 6, 9, 0}},
    {"C", {0, 4, 7}},  {"Am", {9, 0, 4}},     {"Em", {4, 7, 11}},
};

struct Played {
  int note;  // -1: rest
  std::uint32_t length;
};

std::optional<int> ParseNote(const std::string& name) {
  static const std::map<char, int> kSteps = {{'C', 0}, {'D', 2}, {'E', 4}, {'F', 5},
                                             {'G', 7}, {'A', 9}, {'B', 11}};
  if (name == "R") return -1;
  if (name.size() < 2 || !kSteps.contains(name[0])) return std::nullopt;
  int pitch = kSteps.at(name[0]);
  std::size_t i = 1;
  if (name[i] == '#' || name[i] == 'b') pitch += name[i++] == '#' ? 1 : -1;
  if (i + 1 != name.size() || name[i] < '0' || name[i] > '8') return std::nullopt;
  return (name[i] - '0' + 1) * 12 + pitch;
}

std::optional<std::vector<Played>> ParseTune(const std::string& text) {
  std::vector<Played> tune;
  std::istringstream in(text);
  std::string token;
  while (in >> token) {
    if (token == "|") continue;
    const auto colon = token.find(':');
    if (colon == std::string::npos) return std::nullopt;
    const auto note = ParseNote(token.substr(0, colon));
    const int eighths = std::atoi(token.c_str() + colon + 1);
    if (!note || eighths <= 0) return std::nullopt;
    tune.push_back({*note, static_cast<std::uint32_t>(eighths) * kEighth});
  }
  return tune;
}

std::vector<std::string> Words(const std::string& text) {
  std::vector<std::string> words;
  std::istringstream in(text);
  for (std::string w; in >> w;) words.push_back(w);
  return words;
}

// The chord's tones placed in [low, low + 12).
std::vector<int> Voiced(const std::string& chord, int low) {
  std::vector<int> notes;
  for (int pc : kChordTones.at(chord)) notes.push_back(low + ((pc - low) % 12 + 12) % 12);
  return notes;
}

struct Parts {
  MidiTrack melody{"Melody"};
  MidiTrack chords{"Guitar"};
  MidiTrack bass{"Bass"};
  MidiTrack pad{"Strings"};
};

// The accompaniment of one bar: bass on the first beat (the root, or the fifth when the chord
// goes on from the bar before), the guitar on the second and third, strings held when wanted.
void Accompany(Parts& p, std::uint32_t bar_tick, const std::string& chord, bool repeated,
               bool strings) {
  const int root = kChordTones.at(chord)[0];
  const int fifth = (root + 7) % 12;
  const int bass = 40 + ((repeated ? fifth : root) - 40 % 12 + 12) % 12;  // E2..D#3
  p.bass.Note(bar_tick, kDivision * 2 - 40, kBassChannel, bass, 84);
  for (int beat = 1; beat <= 2; ++beat) {
    for (int note : Voiced(chord, 55)) {
      p.chords.Note(bar_tick + beat * kDivision, kDivision * 3 / 4, kChordChannel, note,
                    beat == 1 ? 58 : 50);
    }
  }
  if (strings) {
    for (int note : Voiced(chord, 60)) p.pad.Note(bar_tick, kBar - 20, kPadChannel, note, 34);
  }
}

// Returns the tick after the section.
std::uint32_t PlaySection(Parts& p, std::uint32_t start, const std::vector<Played>& tune,
                          const std::vector<std::string>& chords, int transpose, bool strings) {
  std::uint32_t t = start;
  for (const Played& n : tune) {
    if (n.note >= 0) {
      const bool downbeat = (t - start) % kBar == 0;
      p.melody.Note(t, n.length * 19 / 20, kMelodyChannel, n.note + transpose, downbeat ? 86 : 74);
    }
    t += n.length;
  }
  for (std::size_t bar = 0; bar < chords.size(); ++bar) {
    const bool repeated = bar > 0 && chords[bar] == chords[bar - 1];
    Accompany(p, start + static_cast<std::uint32_t>(bar) * kBar, chords[bar], repeated, strings);
  }
  return start + static_cast<std::uint32_t>(chords.size()) * kBar;
}

}  // namespace

std::string ComposeWaltz() {
  const auto tune_a = ParseTune(kTuneA);
  const auto tune_b = ParseTune(kTuneB);
  if (!tune_a || !tune_b) {
    std::fprintf(stderr, "soundgen: the waltz's tune does not parse\n");
    return {};
  }
  const auto chords_a = Words(kChordsA);
  const auto chords_b = Words(kChordsB);

  MidiTrack conductor("Ostrel waltz");
  conductor.Tempo(0, kTempo);
  conductor.TimeSignature(0, 3, 2);
  Parts p;
  p.melody.Program(0, kMelodyChannel, kFlute);
  p.chords.Program(0, kChordChannel, kNylonGuitar);
  p.bass.Program(0, kBassChannel, kAcousticBass);
  p.pad.Program(0, kPadChannel, kStrings);
  p.pad.Control(0, kPadChannel, 7, 80);  // channel volume: the strings stay in the back

  std::uint32_t t = PlaySection(p, 0, {}, Words(kIntro), 0, false);
  t = PlaySection(p, t, *tune_a, chords_a, 0, false);
  t = PlaySection(p, t, *tune_b, chords_b, 0, false);
  p.melody.Program(t, kMelodyChannel, kClarinet);  // the second time round an octave lower
  t = PlaySection(p, t, *tune_a, chords_a, -12, true);
  t = PlaySection(p, t, *tune_b, chords_b, -12, true);
  // Close on a held G chord.
  p.melody.Note(t, 2 * kBar - 60, kMelodyChannel, 67, 70);
  p.bass.Note(t, 2 * kBar - 60, kBassChannel, 43, 80);
  for (int note : Voiced("G", 55)) p.chords.Note(t, 2 * kBar - 60, kChordChannel, note, 50);
  for (int note : Voiced("G", 60)) p.pad.Note(t, 2 * kBar - 60, kPadChannel, note, 34);
  t += 2 * kBar;

  std::vector<MidiTrack> tracks = {conductor, p.melody, p.chords, p.bass, p.pad};
  for (MidiTrack& track : tracks) track.EndAt(t);
  return EncodeSmf(tracks, kDivision);
}

}  // namespace ostrel::soundgen
