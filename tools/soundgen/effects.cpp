#include "effects.h"

#include <utility>

namespace ostrel::soundgen {

namespace {

// Timbres. Higher partials die faster than the fundamental, as on real struck things.
const std::vector<Partial> kMarimba = {{1.0, 1.0, 1.0}, {3.9, 0.25, 3.0}, {9.8, 0.06, 6.0}};
const std::vector<Partial> kFlute = {{1.0, 1.0, 1.0}, {2.0, 0.3, 1.3}, {3.0, 0.1, 1.6}};
const std::vector<Partial> kBrass = {{1.0, 1.0, 1.0}, {2.0, 0.7, 1.1},  {3.0, 0.45, 1.2},
                                     {4.0, 0.3, 1.4}, {5.0, 0.18, 1.6}, {6.0, 0.1, 1.8}};
const std::vector<Partial> kBuzz = {
    {1.0, 1.0, 1.0}, {3.0, 0.33, 1.0}, {5.0, 0.2, 1.0}, {7.0, 0.14, 1.0}};
const std::vector<Partial> kSine = {{1.0, 1.0, 1.0}};

constexpr double kPeak = 0.7;  // leaves head room; the game's sounds are not meant to be loud

// Note numbers: C4 = 60.
constexpr int kC4 = 60, kD4 = 62, kEb4 = 63, kE4 = 64, kF4 = 65, kG4 = 67, kA4 = 69;
constexpr int kC5 = 72, kD5 = 74, kE5 = 76, kG5 = 79, kA5 = 81, kB5 = 83;
constexpr int kC6 = 84, kE6 = 88, kG6 = 91, kC7 = 96;

Clip Finish(Clip clip) {
  clip.Normalize(kPeak);
  clip.FadeOut(0.01);
  return clip;
}

// A card laid down hard: a short burst of felt-filtered noise over a low thump.
Clip CardSlap() {
  Clip c(0.15);
  c.AddNoise(0.0, 0.15, 1.0, 3500, 300, {0.001, 0.022, 0.02});
  c.AddGlide(0.0, 0.12, 180, 90, 0.6, {0.001, 0.03, 0.03});
  return Finish(std::move(c));
}

// A riffle: the cards fall in quickening ticks, then the deck is squared with a thump.
Clip Shuffle() {
  Clip c(0.72);
  double t = 0.0;
  double gap = 0.045;
  for (int i = 0; i < 16; ++i) {
    c.AddNoise(t, 0.05, 0.55 + 0.03 * (i % 3), 5000, 900, {0.0008, 0.010, 0.01});
    t += gap;
    gap *= 0.93;
  }
  c.AddNoise(t + 0.05, 0.14, 1.0, 2500, 200, {0.001, 0.03, 0.03});
  c.AddGlide(t + 0.05, 0.12, 160, 80, 0.5, {0.001, 0.03, 0.03});
  return Finish(std::move(c));
}

// The contract is taken: one bright bell.
Clip Ding() {
  Clip c(0.65);
  c.AddFm(0.0, 0.65, NoteHz(kA5), 1.4, 2.2, 1.0, {0.002, 0.22, 0.06});
  c.AddTone(0.0, 0.65, NoteHz(kA5) * 2.0, 0.2, {0.002, 0.12, 0.06}, kSine);
  return Finish(std::move(c));
}

// A pass: two soft low notes stepping down, quiet on purpose.
Clip Pass() {
  Clip c(0.32);
  c.AddTone(0.0, 0.16, NoteHz(kE4), 0.8, {0.01, 0.08, 0.03}, kMarimba);
  c.AddTone(0.12, 0.2, NoteHz(kC4), 0.8, {0.01, 0.09, 0.05}, kMarimba);
  c.Normalize(kPeak * 0.6);
  c.FadeOut(0.01);
  return c;
}

// A combination or Bella: a rising triad of chimes.
Clip Chime() {
  Clip c(0.62);
  const int notes[] = {kC6, kE6, kG6};
  for (int i = 0; i < 3; ++i) {
    c.AddFm(0.08 * i, 0.62 - 0.08 * i, NoteHz(notes[i]), 3.5, 1.2, 0.7, {0.002, 0.18, 0.08});
  }
  return Finish(std::move(c));
}

// The deal went well or badly for our team: a short rising or falling phrase.
Clip DealGood() {
  Clip c(0.9);
  const int notes[] = {kC5, kE5, kG5, kC6};
  for (int i = 0; i < 4; ++i) {
    const double len = i == 3 ? 0.44 : 0.2;
    c.AddTone(0.11 * i, len + 0.1, NoteHz(notes[i]), 0.7, {0.008, 0.18, 0.08}, kMarimba);
  }
  return Finish(std::move(c));
}

Clip DealBad() {
  Clip c(0.92);
  const int notes[] = {kG4, kEb4, kC4};
  for (int i = 0; i < 3; ++i) {
    const double len = i == 2 ? 0.5 : 0.22;
    c.AddTone(0.15 * i, len + 0.1, NoteHz(notes[i]), 0.7, {0.012, 0.22, 0.1}, kFlute);
  }
  return Finish(std::move(c));
}

// A small fanfare ending on a held chord.
Clip GameWon() {
  Clip c(1.6);
  const int lead[] = {kG4, kC5, kE5};
  for (int i = 0; i < 3; ++i) {
    c.AddTone(0.13 * i, 0.2, NoteHz(lead[i]), 0.6, {0.01, 0.3, 0.04}, kBrass);
  }
  for (int note : {kC5, kE5, kG5, kC6}) {
    c.AddTone(0.4, 1.2, NoteHz(note), 0.4, {0.02, 0.55, 0.3}, kBrass);
  }
  return Finish(std::move(c));
}

// A slow, gentle sigh down a minor triad.
Clip GameLost() {
  Clip c(1.6);
  const int notes[] = {kA4, kF4, kD4};
  for (int i = 0; i < 3; ++i) {
    const double len = i == 2 ? 0.95 : 0.34;
    c.AddTone(0.3 * i, len + 0.05, NoteHz(notes[i]), 0.6, {0.03, 0.4, 0.2}, kFlute);
  }
  c.AddTone(0.6, 1.0, NoteHz(kD4 - 12), 0.35, {0.05, 0.5, 0.3}, kFlute);
  return Finish(std::move(c));
}

// The verdict window: a sparkling run for the best result, a warm arpeggio for a good one,
// a soft falling line for regret.
Clip VerdictBest() {
  Clip c(1.8);
  const int run[] = {kC5, kE5, kG5, kC6, kE6, kG6, kC7};
  for (int i = 0; i < 7; ++i) {
    c.AddFm(0.07 * i, 1.8 - 0.07 * i, NoteHz(run[i]), 3.5, 1.0, 0.5, {0.002, 0.35, 0.3});
  }
  for (int note : {kC5, kE5, kG5}) {
    c.AddTone(0.5, 1.3, NoteHz(note), 0.3, {0.05, 0.6, 0.3}, kFlute);
  }
  return Finish(std::move(c));
}

Clip VerdictGood() {
  Clip c(1.2);
  const int notes[] = {kG4, kC5, kE5, kG5};
  for (int i = 0; i < 4; ++i) {
    c.AddTone(0.1 * i, 1.2 - 0.1 * i, NoteHz(notes[i]), 0.5, {0.006, 0.35, 0.25}, kMarimba);
  }
  return Finish(std::move(c));
}

Clip VerdictRegret() {
  Clip c(1.2);
  const int notes[] = {kE5, kD5, kC5, kA4};
  for (int i = 0; i < 4; ++i) {
    c.AddTone(0.16 * i, 1.2 - 0.16 * i, NoteHz(notes[i]), 0.5, {0.02, 0.3, 0.25}, kFlute);
  }
  return Finish(std::move(c));
}

// Refused: two short low buzzes, soft enough not to scold.
Clip Wrong() {
  Clip c(0.26);
  c.AddTone(0.0, 0.1, 196.0, 0.7, {0.004, 0.08, 0.02}, kBuzz);
  c.AddTone(0.12, 0.14, 185.0, 0.7, {0.004, 0.08, 0.03}, kBuzz);
  return Finish(std::move(c));
}

// A window opens: a quick upward swish with a soft pop on top.
Clip OpenWindow() {
  Clip c(0.2);
  c.AddNoise(0.0, 0.12, 0.35, 6000, 1500, {0.04, 0.05, 0.04});
  c.AddGlide(0.0, 0.12, 500, 950, 0.5, {0.02, 0.1, 0.03});
  c.AddTone(0.09, 0.11, NoteHz(kB5), 0.5, {0.002, 0.04, 0.03}, kMarimba);
  return Finish(std::move(c));
}

// Success or back to the menu: two rising chimes.
Clip ReturnChime() {
  Clip c(0.42);
  c.AddFm(0.0, 0.2, NoteHz(kG5), 2.0, 1.0, 0.7, {0.002, 0.1, 0.05});
  c.AddFm(0.1, 0.32, NoteHz(kC6), 2.0, 1.0, 0.8, {0.002, 0.14, 0.08});
  return Finish(std::move(c));
}

// The move timer: a wood-block tick; the urgent one is higher and doubled.
Clip TickCalm() {
  Clip c(0.08);
  c.AddTone(0.0, 0.08, 1150.0, 0.8, {0.0008, 0.015, 0.01}, kMarimba);
  c.AddNoise(0.0, 0.01, 0.3, 7000, 2000, {0.0005, 0.003, 0.003});
  return Finish(std::move(c));
}

Clip TickUrgent() {
  Clip c(0.14);
  for (double t : {0.0, 0.07}) {
    c.AddTone(t, 0.07, 1760.0, 0.8, {0.0008, 0.013, 0.01}, kMarimba);
    c.AddNoise(t, 0.01, 0.3, 8000, 2500, {0.0005, 0.003, 0.003});
  }
  return Finish(std::move(c));
}

}  // namespace

std::vector<NamedClip> AllEffects() {
  std::vector<NamedClip> all;
  auto add = [&all](const char* name, Clip clip) { all.push_back({name, std::move(clip)}); };
  add("WOpenFo", OpenWindow());
  add("WWrongs", Wrong());
  add("WToMenK", ReturnChime());
  add("WTasoKo", Shuffle());
  add("WDing_1", Ding());
  add("WDiPass", Pass());
  add("WPlMore", Chime());
  add("WHodsDo", CardSlap());
  add("WKoGutX", DealGood());
  add("WKoBadX", DealBad());
  add("WKoGood", GameWon());
  add("WKoBads", GameLost());
  add("WFiBest", VerdictBest());
  add("WFiGood", VerdictGood());
  add("WFiBads", VerdictRegret());
  add("STimerA", TickCalm());
  add("STimerB", TickUrgent());
  return all;
}

}  // namespace ostrel::soundgen
