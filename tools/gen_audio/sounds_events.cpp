// Event sounds: the curtain bell, the gong, the warning siren, the two
// game-over stings, the alarm bell, the stage-clear chord and the shout.
#include <algorithm>
#include <cmath>

#include "gen_audio/sounds.h"

namespace {

void DrawBell(TSoundCanvas& c) {
  AddBell(c.Mono(), c.Rate, 0.0, 1320, 1.0, 1.5);
  Reverb(c.Mono(), c.Rate, 0.8, 0.15, 2001);
}

void DrawDora(TSoundCanvas& c) {
  // Gong: a mallet thump, low modes that bend slightly down, and a cloud of
  // high inharmonic modes that bloom after the strike.
  TSignal& s = c.Mono();
  TNoise rnd(2002);
  const double f0 = 98;
  const double low[] = {1.0, 1.52, 2.03, 2.61, 3.14};
  for (int k = 0; k < 5; ++k) {
    TOsc osc(c.Rate), beat(c.Rate);
    double f = f0 * low[k];
    double tau = 1.6 / (1 + 0.3 * k);
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i);
      double bend = 1.0 + 0.03 * ExpDecay(t, 0.25);
      double tremble = 1.0 + 0.25 * beat.Sine(1.3 + 0.7 * k);
      s[i] += float(osc.Sine(f * bend) * AttackDecay(t, 0.004, tau) * tremble / (1 + 0.4 * k));
    }
  }
  for (int k = 0; k < 40; ++k) {
    double f = f0 * (3.3 + 22.0 * rnd.Uniform());
    double attack = 0.05 + 0.35 * rnd.Uniform();
    double tau = 0.4 + 0.9 * rnd.Uniform();
    double gain = 0.08 + 0.12 * rnd.Uniform();
    TOsc osc(c.Rate, rnd.Uniform());
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i);
      s[i] += float(gain * osc.Sine(f) * AttackDecay(t, attack, tau));
    }
  }
  TNoise noise(2003);
  TSvf lowNoise(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i)
    s[i] += float(0.7 * lowNoise.Low(noise.White(), 900) * ExpDecay(c.T(i), 0.02));
  Reverb(s, c.Rate, 1.3, 0.25, 2004);
}

void DrawWarm(TSoundCanvas& c) {
  // Warning siren: three whoops rising and falling, a buzzy tone with tremolo.
  TOsc saw(c.Rate), sq(c.Rate), trem(c.Rate);
  TSvf low(c.Rate);
  TSignal& s = c.Mono();
  const double period = 0.72;
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double phase = std::fmod(t, period) / period;
    double f = 620 + 520 * std::sin(kPi * phase);
    double x = 0.6 * saw.Saw(f) + 0.4 * sq.Square(f * 1.002);
    double env = std::min(1.0, t / 0.03) * (0.85 + 0.15 * trem.Sine(9));
    s[i] = float(low.Low(float(x), 2800, 0.8) * env);
  }
}

void DrawGameOver1(TSoundCanvas& c) {
  // Sting: a muted trombone sighing down by semitones, the last note
  // sagging with a wide vibrato.
  TSignal& s = c.Mono();
  const double notes[] = {64, 63, 62};
  for (int k = 0; k < 3; ++k) {
    AddBrass(s, c.Rate, 0.2 * k, 0.15, notes[k], 0.4, 0.0, 1400);
    AddBrass(s, c.Rate, 0.2 * k, 0.15, notes[k] - 12, 0.25, 0.0, 900);
  }
  TOsc a(c.Rate), b(c.Rate, 0.4), vib(c.Rate);
  TSvf wah(c.Rate);
  for (size_t i = size_t(0.6 * c.Rate); i < c.Frames; ++i) {
    double t = c.T(i) - 0.6;
    double f = MidiHz(61 - 1.5 * std::max(0.0, t - 0.2)) * (1 + 0.025 * vib.Sine(6));
    double env = Segments(t, {{0, 0}, {0.02, 1}, {0.3, 0.8}, {0.42, 0}});
    double x = a.Saw(f) + b.Saw(f / 2);
    s[i] += float(0.45 * wah.Low(float(x), 350 + 1400 * env, 2.0) * env);
  }
}

void DrawGameOver2(TSoundCanvas& c) {
  // Sad sting: a falling minor arpeggio of soft bells over a low minor chord.
  TSignal& s = c.Mono();
  const double notes[] = {69, 64, 60, 57};
  for (int k = 0; k < 4; ++k) {
    double f = MidiHz(notes[k]);
    AddPartials(s, c.Rate, 0.15 * k, {{f, 0.6, 0.35}, {f * 2, 0.15, 0.15}, {f * 3.01, 0.06, 0.08}},
                1.0);
  }
  for (double n : {45.0, 52.0, 57.0, 60.0}) {
    TOsc osc(c.Rate);
    double f = MidiHz(n);
    for (size_t i = 0; i < c.Frames; ++i) {
      double env = Segments(c.T(i), {{0, 0}, {0.3, 0.12}, {0.6, 0.1}, {0.86, 0}});
      s[i] += float(osc.Triangle(f) * env);
    }
  }
}

void DrawJiriri(TSoundCanvas& c) {
  // Alarm bell: a clapper hammering a small bell about 22 times a second;
  // the bell is a set of resonators that keep ringing between strikes.
  TSignal& s = c.Mono();
  TSignal strikes(c.Frames, 0.0f);
  TNoise noise(2006);
  for (double t0 = 0.0; t0 < 0.66; t0 += 1.0 / 22.0) {
    size_t at = size_t(t0 * c.Rate);
    for (size_t i = at; i < at + 40 && i < c.Frames; ++i) strikes[i] += noise.White() * 0.5f;
  }
  const double freqs[] = {2080, 4830, 6950, 8840};
  const double gains[] = {1.0, 0.55, 0.35, 0.2};
  for (int k = 0; k < 4; ++k) {
    double r = std::exp(-1.0 / (0.25 / (1 + k) * c.Rate));
    double w = 2 * kPi * freqs[k] / c.Rate;
    double y1 = 0, y2 = 0;
    for (size_t i = 0; i < c.Frames; ++i) {
      double y = 2 * r * std::cos(w) * y1 - r * r * y2 + strikes[i];
      y2 = y1;
      y1 = y;
      s[i] += float(gains[k] * y * 0.05);
    }
  }
}

void DrawGuwawan(TSoundCanvas& c) {
  // Stage clear: "gwa", a brass chord on the dominant scooped up from below
  // with the filter snapping open, then "waan", the tonic chord swelling with
  // vibrato, a timpani boom and a cymbal wash.
  TSignal& s = c.Mono();
  const double gwa[] = {43, 55, 59, 62, 67};
  const double wan[] = {36, 48, 55, 60, 64, 67, 72};
  for (double n : gwa) {
    TOsc a(c.Rate), b(c.Rate, 0.5);
    TSvf low(c.Rate);
    for (size_t i = 0; i < size_t(0.55 * c.Rate) && i < c.Frames; ++i) {
      double t = c.T(i);
      double f = MidiHz(n - 1.5 * ExpDecay(t, 0.04));
      double env = Segments(t, {{0, 0}, {0.02, 1}, {0.3, 0.8}, {0.45, 0}});
      double cut = 300 + 3800 * Segments(t, {{0, 0}, {0.06, 1}, {0.4, 0.4}});
      s[i] += float(0.16 * low.Low(a.Saw(f) + b.Saw(f * 1.005), cut, 1.4) * env);
    }
  }
  for (double n : wan) {
    TOsc a(c.Rate), b(c.Rate, 0.3), d(c.Rate, 0.6), vib(c.Rate);
    TSvf low(c.Rate);
    for (size_t i = size_t(0.42 * c.Rate); i < c.Frames; ++i) {
      double t = c.T(i) - 0.42;
      double v = 1 + 0.008 * vib.Sine(5.2) * std::min(1.0, t / 0.6);
      double f = MidiHz(n - 0.8 * ExpDecay(t, 0.05)) * v;
      double env = Segments(t, {{0, 0}, {0.05, 0.8}, {0.25, 0.7}, {1.0, 1.0}, {3.4, 0}});
      double cut =
          500 + 3500 * Segments(t, {{0, 0.3}, {0.1, 0.8}, {0.4, 0.5}, {1.2, 1.0}, {3.4, 0.2}});
      double x = a.Saw(f) + b.Saw(f * 1.004) + d.Saw(f * 0.996);
      s[i] += float(0.1 * low.Low(float(x), cut, 0.9) * env);
    }
  }
  TOsc timp(c.Rate);
  TNoise noise(2007);
  TSvf high(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i) - 0.42;
    if (t < 0) continue;
    s[i] += float(0.6 * timp.Sine(MidiHz(36) * (1 + 0.05 * ExpDecay(t, 0.05))) *
                  AttackDecay(t, 0.003, 0.6));
    s[i] += float(0.16 * high.High(noise.White(), 3000) * AttackDecay(t, 0.01, 0.6));
  }
  Reverb(s, c.Rate, 1.2, 0.2, 2008);
  for (float& x : s) x = float(std::tanh(1.2 * x));
}

// Formant frequencies (F1, F2, F3) of the vowels of the shout.
struct TVowel {
  double F1, F2, F3;
};

TVowel VowelAt(double t) {
  const TVowel w{320, 700, 2300}, a{780, 1250, 2500}, o{500, 860, 2450}, i{300, 2250, 3000};
  auto mix = [](TVowel p, TVowel q, double k) {
    k = std::clamp(k, 0.0, 1.0);
    return TVowel{p.F1 + (q.F1 - p.F1) * k, p.F2 + (q.F2 - p.F2) * k, p.F3 + (q.F3 - p.F3) * k};
  };
  if (t < 0.3) return mix(w, a, t / 0.07);
  if (t < 0.8) return o;
  return mix(o, i, (t - 0.8) / 0.12);
}

void DrawWasshoi(TSoundCanvas& c) {
  // "wa-sshoi" shouted by three voices: a glottal saw through three formant
  // bands, a held stop, then the "sh" hiss and the "oi" glide.
  TSignal& s = c.Mono();
  const double pitch[] = {175, 220, 262};
  const double lag[] = {0.0, 0.012, -0.008};
  for (int v = 0; v < 3; ++v) {
    TOsc glottis(c.Rate), vib(c.Rate);
    TSvf f1(c.Rate), f2(c.Rate), f3(c.Rate);
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i) - lag[v];
      double voiced = Segments(
          t,
          {{0, 0}, {0.04, 1}, {0.27, 1}, {0.31, 0}, {0.5, 0}, {0.55, 1}, {0.95, 0.85}, {1.15, 0}});
      double contour = Segments(t, {{0, 0.9}, {0.15, 1.1}, {0.3, 1.0}, {0.55, 1.15}, {1.15, 0.8}});
      double f = pitch[v] * contour * (1 + 0.01 * vib.Sine(5 + v));
      double src = glottis.Saw(f);
      TVowel vw = VowelAt(std::max(0.0, t));
      double y = f1.Band(float(src), vw.F1, 6) + 0.7 * f2.Band(float(src), vw.F2, 8) +
                 0.35 * f3.Band(float(src), vw.F3, 10);
      s[i] += float(y * voiced);
    }
  }
  TNoise noise(2009);
  TSvf hiss(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double env = Segments(c.T(i), {{0.33, 0}, {0.38, 1}, {0.5, 0.9}, {0.56, 0}});
    s[i] += float(1.4 * hiss.Band(noise.White(), 3200, 1.2) * env);
  }
}

}  // namespace

std::vector<TSoundRecipe> EventRecipes() {
  return {
      {"bell", -4, 0.3, DrawBell},           {"dora", -3, 0.6, DrawDora},
      {"warm", -6, 0.15, DrawWarm},          {"GameOver1", -3, 0.1, DrawGameOver1},
      {"GameOver2", -4, 0.1, DrawGameOver2}, {"jiriri", -5, 0.1, DrawJiriri},
      {"guwawan", -3, 0.8, DrawGuwawan},     {"wasshoi", -4, 0.1, DrawWasshoi},
  };
}
