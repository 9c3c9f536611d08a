// Building blocks of the sound generator: float signals, a seeded noise
// source, band-limited oscillators, envelopes, filters and buffer helpers.
#pragma once
#include <cstdint>
#include <vector>

using TSignal = std::vector<float>;

constexpr double kPi = 3.14159265358979323846;

// Seeded xorshift noise, so every build produces the same bytes.
class TNoise {
 public:
  explicit TNoise(uint32_t seed) : state_(seed ? seed : 0x9E3779B9u) {}
  uint32_t Next();
  float Uniform();  // 0 <= x < 1
  float White();    // -1 <= x < 1
 private:
  uint32_t state_;
};

// Phase-accumulating oscillator; saw and square are band-limited (polyBLEP),
// which matters at the catalog's low sample rates.
class TOsc {
 public:
  explicit TOsc(double rate, double phase = 0) : rate_(rate), phase_(phase) {}
  float Sine(double freq);
  float Saw(double freq);
  float Square(double freq, double duty = 0.5);
  float Triangle(double freq);
  double Phase() const { return phase_; }

 private:
  double Advance(double freq);  // returns the phase before the step
  double rate_;
  double phase_;
};

// Zero-delay-feedback state-variable filter: stays stable while its cutoff
// moves every sample, which the sweeps of many effects need.
class TSvf {
 public:
  explicit TSvf(double rate) : rate_(rate) {}
  struct TOut {
    float Low, Band, High;
  };
  TOut Process(float x, double cutoff, double q);
  float Low(float x, double cutoff, double q = 0.707) { return Process(x, cutoff, q).Low; }
  float Band(float x, double cutoff, double q = 0.707) { return Process(x, cutoff, q).Band; }
  float High(float x, double cutoff, double q = 0.707) { return Process(x, cutoff, q).High; }

 private:
  double rate_;
  double ic1_ = 0, ic2_ = 0;
};

// Resonant partial (a decaying sine) used for bells, gongs and struck wood.
struct TPartial {
  double Freq;   // Hz
  double Gain;   // linear
  double Decay;  // seconds to fall by 1/e
};

// Envelope shapes over time t in seconds.
float ExpDecay(double t, double tau);
float AttackDecay(double t, double attack, double tau);
// Linear segments through (time, level) points; flat after the last point.
float Segments(double t, const std::vector<std::pair<double, double>>& points);
float Lerp(float a, float b, float t);
double MidiHz(double note);

// Adds the partials, each started at time 'start', into the signal.
void AddPartials(TSignal& out, double rate, double start, const std::vector<TPartial>& partials,
                 double gain = 1.0);
// Adds 'src' times gain into 'dst' starting at sample 'offset' (clipped to dst).
void MixInto(TSignal& dst, const TSignal& src, double gain, long offset = 0);
// One-pole high-pass at a few Hz: removes offsets that would shift 8-bit silence.
void RemoveDc(TSignal& s, double rate, double cutoff = 15.0);
// Multi-tap feedback echo, for space around short effects.
void Echo(TSignal& s, double rate, double delaySeconds, double feedback, double mix);
// Small Schroeder reverb (combs into all-passes).
void Reverb(TSignal& s, double rate, double size, double mix, uint32_t seed);
// Raised-cosine fades at the ends; the fade-out ends in exact zeros.
void FadeIn(TSignal& s, double rate, double seconds);
void FadeOut(TSignal& s, double rate, double seconds);
float Peak(const TSignal& s);
float Rms(const TSignal& s);
// Scales so the largest absolute sample is 10^(db/20).
void NormalisePeak(std::vector<TSignal>& channels, double db);
