#include "synth.h"

#include <algorithm>
#include <cmath>
#include <numbers>

namespace ostrel::soundgen {

namespace {

constexpr double kTwoPi = 2.0 * std::numbers::pi;

double Gain(const Envelope& env, double t, double duration, double decay_factor = 1.0) {
  double g =
      t < env.attack ? t / env.attack : std::exp(-(t - env.attack) * decay_factor / env.decay);
  const double left = duration - t;
  if (env.release > 0.0 && left < env.release) g *= std::max(0.0, left / env.release);
  return g;
}

// One-pole filter coefficient for a cut-off frequency.
double PoleCoefficient(double cutoff) {
  return 1.0 - std::exp(-kTwoPi * cutoff / kSampleRate);
}

}  // namespace

double NoteHz(int midi_note) {
  return 440.0 * std::pow(2.0, (midi_note - 69) / 12.0);
}

Clip::Clip(double seconds)
    : samples_(static_cast<std::size_t>(std::lround(seconds * kSampleRate)), 0.0f) {}

float* Clip::At(double start, double duration, int* count) {
  const long first = std::lround(start * kSampleRate);
  const long size = static_cast<long>(samples_.size());
  if (first < 0 || first >= size) {
    *count = 0;
    return samples_.data();
  }
  *count = static_cast<int>(std::min(size - first, std::lround(duration * kSampleRate)));
  return samples_.data() + first;
}

void Clip::AddTone(double start, double duration, double frequency, double amplitude,
                   const Envelope& env, const std::vector<Partial>& partials) {
  int n = 0;
  float* out = At(start, duration, &n);
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    double v = 0.0;
    for (const Partial& p : partials) {
      const double f = frequency * p.ratio;
      if (f >= kSampleRate / 2.0) continue;  // above Nyquist it would only fold back as noise
      v += p.amplitude * Gain(env, t, duration, p.decay_factor) * std::sin(kTwoPi * f * t);
    }
    out[i] += static_cast<float>(amplitude * v);
  }
}

void Clip::AddFm(double start, double duration, double frequency, double ratio, double index,
                 double amplitude, const Envelope& env) {
  int n = 0;
  float* out = At(start, duration, &n);
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double g = Gain(env, t, duration);
    const double mod = index * g * std::sin(kTwoPi * frequency * ratio * t);
    out[i] += static_cast<float>(amplitude * g * std::sin(kTwoPi * frequency * t + mod));
  }
}

void Clip::AddGlide(double start, double duration, double from, double to, double amplitude,
                    const Envelope& env) {
  int n = 0;
  float* out = At(start, duration, &n);
  double phase = 0.0;
  for (int i = 0; i < n; ++i) {
    const double t = static_cast<double>(i) / kSampleRate;
    const double f = from * std::pow(to / from, t / duration);
    phase += kTwoPi * f / kSampleRate;
    out[i] += static_cast<float>(amplitude * Gain(env, t, duration) * std::sin(phase));
  }
}

void Clip::AddNoise(double start, double duration, double amplitude, double cutoff, double highpass,
                    const Envelope& env) {
  int n = 0;
  float* out = At(start, duration, &n);
  const double a = PoleCoefficient(cutoff);
  const double b = highpass > 0.0 ? PoleCoefficient(highpass) : 0.0;
  double low = 0.0;
  double slow = 0.0;
  for (int i = 0; i < n; ++i) {
    noise_state_ ^= noise_state_ << 13;  // xorshift32: fixed seed, same noise every build
    noise_state_ ^= noise_state_ >> 17;
    noise_state_ ^= noise_state_ << 5;
    const double white = static_cast<double>(noise_state_) / 4294967295.0 * 2.0 - 1.0;
    low += a * (white - low);
    slow += b * (low - slow);
    const double v = highpass > 0.0 ? low - slow : low;
    const double t = static_cast<double>(i) / kSampleRate;
    out[i] += static_cast<float>(amplitude * Gain(env, t, duration) * v);
  }
}

void Clip::Normalize(double peak) {
  float loudest = 0.0f;
  for (float s : samples_) loudest = std::max(loudest, std::fabs(s));
  if (loudest <= 0.0f) return;
  const float k = static_cast<float>(peak) / loudest;
  for (float& s : samples_) s *= k;
}

void Clip::FadeOut(double seconds) {
  const auto n = std::min(samples_.size(), static_cast<std::size_t>(seconds * kSampleRate));
  for (std::size_t i = 0; i < n; ++i) {
    samples_[samples_.size() - 1 - i] *= static_cast<float>(i) / static_cast<float>(n);
  }
}

}  // namespace ostrel::soundgen
