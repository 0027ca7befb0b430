#include "pieces.h"

#include <cstdint>

#include "tools/soundgen/smf.h"

namespace ostrel::radiogen {
namespace {

using soundgen::MidiTrack;

constexpr int kDivision = 480;
constexpr std::uint32_t kBeat = kDivision;

// A chord: its root (0 = C) and whether it is minor.
struct Chord {
  int root;
  bool minor;
};

// How one piece sounds: tempo, beats a bar, the progression played twice over, the
// instruments (General MIDI, from 0) and the melody's rhythm in eighths per bar.
struct Style {
  const char* name;
  int tempo;
  int beats;
  std::vector<Chord> chords;
  int melody_program, chord_program, bass_program;
  std::vector<int> rhythm;  // lengths in eighths, summing to 2 * beats
  int melody_base;          // the melody's lowest note
  std::uint32_t seed;
};

// The melody walks over the chord's tones and the scale steps between them, chosen by a fixed
// little generator so the tune is the same at every build.
class Walker {
 public:
  explicit Walker(std::uint32_t seed) : state_(seed) {}
  int Next(int range) {
    state_ = state_ * 1103515245u + 12345u;
    return static_cast<int>((state_ >> 16) % static_cast<std::uint32_t>(range));
  }

 private:
  std::uint32_t state_;
};

std::vector<int> ChordTones(const Chord& c) {
  return {c.root, c.root + (c.minor ? 3 : 4), c.root + 7};
}

std::string Compose(const Style& s) {
  MidiTrack meta("tempo");
  meta.Tempo(0, s.tempo);
  meta.TimeSignature(0, s.beats, 2);
  MidiTrack melody("melody"), chords("chords"), bass("bass");
  melody.Program(0, 0, s.melody_program);
  chords.Program(0, 1, s.chord_program);
  bass.Program(0, 2, s.bass_program);
  chords.Control(0, 1, 7, 70);
  Walker walk(s.seed);
  const std::uint32_t bar = s.beats * kBeat;
  std::uint32_t t = 0;
  int last = s.melody_base + 7;
  const int rounds = 4;
  for (int round = 0; round < rounds; ++round) {
    for (std::size_t i = 0; i < s.chords.size(); ++i, t += bar) {
      const Chord& c = s.chords[i];
      const std::vector<int> tones = ChordTones(c);
      for (int b = 0; b < s.beats; ++b) {
        // Bass on the first beat, chord on the others.
        if (b == 0) {
          bass.Note(t, kBeat - 20, 2, 36 + c.root % 12, 88);
        } else {
          for (int tone : tones) chords.Note(t + b * kBeat, kBeat - 40, 1, 55 + tone % 12, 58);
        }
      }
      if (round == 0) continue;  // the accompaniment alone first
      std::uint32_t at = t;
      const bool last_bar = round == rounds - 1 && i + 1 == s.chords.size();
      for (std::size_t k = 0; k < s.rhythm.size(); ++k) {
        const std::uint32_t len = static_cast<std::uint32_t>(s.rhythm[k]) * kBeat / 2;
        // Near the last note, the nearest chord tone in the octave above the base.
        int target = s.melody_base + tones[static_cast<std::size_t>(walk.Next(3))] % 12;
        if (target < last - 7) target += 12;
        if (target > last + 7) target -= 12;
        if (walk.Next(4) == 0) target += walk.Next(2) ? 2 : -2;  // a passing step
        if (last_bar) target = s.melody_base + c.root % 12 + 12;
        melody.Note(at, len - 10, 0, target, 92 - static_cast<int>(k % 2) * 10);
        last = target;
        at += len;
        if (last_bar) break;
      }
    }
  }
  for (MidiTrack* track : {&meta, &melody, &chords, &bass}) track->EndAt(t + bar);
  return soundgen::EncodeSmf({meta, melody, chords, bass}, kDivision);
}

}  // namespace

std::vector<Piece> ComposePieces() {
  // C=0 D=2 E=4 F=5 G=7 A=9 B=11
  const std::vector<Style> styles = {
      {"Nocturne",
       72,
       4,
       {{9, true}, {5, false}, {0, false}, {7, false}, {9, true}, {2, true}, {4, false}, {9, true}},
       0,
       48,
       32,
       {3, 1, 2, 2},
       69,
       7u},
      {"Polka",
       116,
       2,
       {{7, false},
        {2, false},
        {2, false},
        {7, false},
        {0, false},
        {7, false},
        {2, false},
        {7, false}},
       21,
       21,
       58,
       {1, 1, 1, 1},
       67,
       11u},
      {"Lullaby",
       84,
       3,
       {{5, false},
        {10, false},
        {0, false},
        {5, false},
        {2, true},
        {10, false},
        {0, false},
        {5, false}},
       8,
       46,
       42,
       {2, 1, 1, 2},
       65,
       23u},
  };
  std::vector<Piece> pieces;
  for (const Style& s : styles) pieces.push_back({s.name, Compose(s)});
  return pieces;
}

}  // namespace ostrel::radiogen
