// A tiny offline synthesizer for the program's sound effects: a clip is a buffer of mono
// samples in -1..1 that voices are mixed into. Everything is deterministic, so the same
// build always writes the same bytes.
#pragma once

#include <cstdint>
#include <vector>

namespace ostrel::soundgen {

inline constexpr int kSampleRate = 22050;

// Attack rises linearly; the body then falls exponentially with the time constant `decay`
// (seconds to fall to 1/e); `release` fades the last seconds to zero so no clip ends on a click.
struct Envelope {
  double attack = 0.005;
  double decay = 0.2;
  double release = 0.02;
};

// One partial of an additive voice: frequency ratio to the fundamental, relative amplitude and
// how much faster than the voice's envelope it dies (1: same speed).
struct Partial {
  double ratio = 1.0;
  double amplitude = 1.0;
  double decay_factor = 1.0;
};

class Clip {
 public:
  explicit Clip(double seconds);

  // A voice made of partials, as bells, plucks and soft organ tones are.
  void AddTone(double start, double duration, double frequency, double amplitude,
               const Envelope& env, const std::vector<Partial>& partials);
  // Two-operator FM: the modulator at `ratio` times the carrier, its depth falling with the
  // envelope, which is what makes a struck bell bright at first and mellow as it rings.
  void AddFm(double start, double duration, double frequency, double ratio, double index,
             double amplitude, const Envelope& env);
  // A sine whose pitch glides from `from` to `to` (exponentially), for whooshes and thumps.
  void AddGlide(double start, double duration, double from, double to, double amplitude,
                const Envelope& env);
  // Noise through a one-pole low-pass at `cutoff` Hz and, when `highpass` > 0, a one-pole
  // high-pass: the paper and felt of cards.
  void AddNoise(double start, double duration, double amplitude, double cutoff, double highpass,
                const Envelope& env);

  // Scales the clip so its loudest sample is `peak`.
  void Normalize(double peak);
  // A last fade to silence, so that a voice cut by the clip's end does not click.
  void FadeOut(double seconds);
  const std::vector<float>& Samples() const { return samples_; }

 private:
  float* At(double start, double duration, int* count);
  std::vector<float> samples_;
  std::uint32_t noise_state_ = 0x2545F491u;
};

// Equal-tempered frequency of a MIDI note number (69 = A4 = 440 Hz).
double NoteHz(int midi_note);

}  // namespace ostrel::soundgen
