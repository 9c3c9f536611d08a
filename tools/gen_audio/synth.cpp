// Oscillators, filters, envelopes and buffer helpers of the sound generator.
#include "gen_audio/synth.h"

#include <algorithm>
#include <cmath>

uint32_t TNoise::Next() {
  state_ ^= state_ << 13;
  state_ ^= state_ >> 17;
  state_ ^= state_ << 5;
  return state_;
}

float TNoise::Uniform() {
  return float(Next() >> 8) / float(1u << 24);
}
float TNoise::White() {
  return Uniform() * 2.0f - 1.0f;
}

namespace {

// Correction of a step discontinuity spread over one sample either side.
double PolyBlep(double t, double dt) {
  if (dt <= 0) return 0;
  if (t < dt) {
    t /= dt;
    return t + t - t * t - 1.0;
  }
  if (t > 1.0 - dt) {
    t = (t - 1.0) / dt;
    return t * t + t + t + 1.0;
  }
  return 0;
}

}  // namespace

double TOsc::Advance(double freq) {
  double p = phase_;
  phase_ += freq / rate_;
  phase_ -= std::floor(phase_);
  return p;
}

float TOsc::Sine(double freq) {
  return float(std::sin(2 * kPi * Advance(freq)));
}

float TOsc::Saw(double freq) {
  double dt = std::min(0.5, std::fabs(freq) / rate_);
  double t = Advance(freq);
  return float(2.0 * t - 1.0 - PolyBlep(t, dt));
}

float TOsc::Square(double freq, double duty) {
  double dt = std::min(0.5, std::fabs(freq) / rate_);
  double t = Advance(freq);
  double v = t < duty ? 1.0 : -1.0;
  v += PolyBlep(t, dt);
  v -= PolyBlep(std::fmod(t + 1.0 - duty, 1.0), dt);
  return float(v);
}

float TOsc::Triangle(double freq) {
  double t = Advance(freq);
  return float(t < 0.5 ? 4.0 * t - 1.0 : 3.0 - 4.0 * t);
}

TSvf::TOut TSvf::Process(float x, double cutoff, double q) {
  cutoff = std::clamp(cutoff, 5.0, rate_ * 0.45);
  double g = std::tan(kPi * cutoff / rate_);
  double k = 1.0 / std::max(0.05, q);
  double a1 = 1.0 / (1.0 + g * (g + k));
  double a2 = g * a1;
  double a3 = g * a2;
  double v3 = x - ic2_;
  double v1 = a1 * ic1_ + a2 * v3;
  double v2 = ic2_ + a2 * ic1_ + a3 * v3;
  ic1_ = 2 * v1 - ic1_;
  ic2_ = 2 * v2 - ic2_;
  return {float(v2), float(v1), float(x - k * v1 - v2)};
}

float ExpDecay(double t, double tau) {
  return t < 0 ? 0.0f : float(std::exp(-t / tau));
}

float AttackDecay(double t, double attack, double tau) {
  if (t < 0) return 0;
  if (t < attack) return float(t / attack);
  return float(std::exp(-(t - attack) / tau));
}

float Segments(double t, const std::vector<std::pair<double, double>>& points) {
  if (points.empty()) return 0;
  if (t <= points.front().first) return float(points.front().second);
  for (size_t i = 1; i < points.size(); ++i) {
    if (t < points[i].first) {
      auto [t0, v0] = points[i - 1];
      auto [t1, v1] = points[i];
      return float(v0 + (v1 - v0) * (t - t0) / (t1 - t0));
    }
  }
  return float(points.back().second);
}

float Lerp(float a, float b, float t) {
  return a + (b - a) * t;
}
double MidiHz(double note) {
  return 440.0 * std::pow(2.0, (note - 69.0) / 12.0);
}

void AddPartials(TSignal& out, double rate, double start, const std::vector<TPartial>& partials,
                 double gain) {
  long first = std::max(0L, long(start * rate));
  for (const TPartial& p : partials) {
    if (p.Freq >= rate * 0.48) continue;  // would alias
    double w = 2 * kPi * p.Freq / rate;
    for (size_t i = size_t(first); i < out.size(); ++i) {
      double t = double(i - first) / rate;
      double env = std::exp(-t / p.Decay);
      if (env < 1e-5) break;
      out[i] += float(gain * p.Gain * env * std::sin(w * double(i - first)));
    }
  }
}

void MixInto(TSignal& dst, const TSignal& src, double gain, long offset) {
  for (size_t i = 0; i < src.size(); ++i) {
    long j = offset + long(i);
    if (j < 0) continue;
    if (size_t(j) >= dst.size()) break;
    dst[size_t(j)] += float(gain * src[i]);
  }
}

void RemoveDc(TSignal& s, double rate, double cutoff) {
  double r = std::exp(-2 * kPi * cutoff / rate);
  double prevIn = 0, prevOut = 0;
  for (float& x : s) {
    double y = x - prevIn + r * prevOut;
    prevIn = x;
    prevOut = y;
    x = float(y);
  }
}

void Echo(TSignal& s, double rate, double delaySeconds, double feedback, double mix) {
  size_t d = std::max<size_t>(1, size_t(delaySeconds * rate));
  TSignal wet(s.size(), 0.0f);
  for (size_t i = d; i < s.size(); ++i) wet[i] = float(s[i - d] + feedback * wet[i - d]);
  for (size_t i = 0; i < s.size(); ++i) s[i] += float(mix * wet[i]);
}

void Reverb(TSignal& s, double rate, double size, double mix, uint32_t seed) {
  constexpr double kCombMs[4] = {29.7, 37.1, 41.1, 43.7};
  constexpr double kAllMs[2] = {5.0, 1.7};
  TNoise jitter(seed);
  TSignal wet(s.size(), 0.0f);
  for (double ms : kCombMs) {
    size_t d = size_t((ms * (0.96 + 0.08 * jitter.Uniform())) * size * rate / 1000.0) + 1;
    double g = 0.78;
    TSignal buf(s.size(), 0.0f);
    double lp = 0;
    for (size_t i = 0; i < s.size(); ++i) {
      double fb = i >= d ? buf[i - d] : 0.0;
      lp = 0.7 * fb + 0.3 * lp;  // damping: highs die first, like a room
      buf[i] = float(s[i] + g * lp);
      wet[i] += buf[i] * 0.25f;
    }
  }
  for (double ms : kAllMs) {
    size_t d = size_t(ms * rate / 1000.0) + 1;
    TSignal out(wet.size(), 0.0f);
    for (size_t i = 0; i < wet.size(); ++i) {
      double delayed = i >= d ? out[i - d] : 0.0;
      double in = wet[i];
      out[i] = float(-0.6 * in + (i >= d ? wet[i - d] : 0.0) + 0.6 * delayed);
    }
    wet.swap(out);
  }
  for (size_t i = 0; i < s.size(); ++i) s[i] = float((1 - mix) * s[i] + mix * wet[i]);
}

void FadeIn(TSignal& s, double rate, double seconds) {
  size_t n = std::min(s.size(), size_t(seconds * rate));
  for (size_t i = 0; i < n; ++i) s[i] *= float(0.5 - 0.5 * std::cos(kPi * double(i) / n));
}

void FadeOut(TSignal& s, double rate, double seconds) {
  size_t n = std::min(s.size(), std::max<size_t>(1, size_t(seconds * rate)));
  size_t start = s.size() - n;
  for (size_t i = 0; i < n; ++i) {
    double k = double(i + 1) / double(n);  // reaches exactly 1 on the last sample
    s[start + i] *= float(0.5 + 0.5 * std::cos(kPi * k));
  }
  if (!s.empty()) s.back() = 0.0f;
}

float Peak(const TSignal& s) {
  float p = 0;
  for (float x : s) p = std::max(p, std::fabs(x));
  return p;
}

float Rms(const TSignal& s) {
  if (s.empty()) return 0;
  double sum = 0;
  for (float x : s) sum += double(x) * x;
  return float(std::sqrt(sum / double(s.size())));
}

void NormalisePeak(std::vector<TSignal>& channels, double db) {
  float peak = 0;
  for (const TSignal& c : channels) peak = std::max(peak, Peak(c));
  if (peak <= 0) return;
  float k = float(std::pow(10.0, db / 20.0) / peak);
  for (TSignal& c : channels)
    for (float& x : c) x *= k;
}
