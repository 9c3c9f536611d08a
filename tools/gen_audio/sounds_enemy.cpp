// Enemy sounds: the four deaths (pop, squeak, crunch, boss explosion) and the
// nine appearances (jump, swoosh, fanfare, flutter, step, gun, leaves,
// mouse, magic).
#include <algorithm>
#include <cmath>

#include "gen_audio/sounds.h"

namespace {

void DrawSibou1(TSoundCanvas& c) {
  // Pop, followed by three smaller bubbles.
  TSignal& s = c.Mono();
  const double starts[] = {0.0, 0.11, 0.21, 0.31};
  const double gains[] = {1.0, 0.45, 0.28, 0.16};
  const double tops[] = {1100, 1500, 1800, 2100};
  TNoise noise(1001);
  for (int k = 0; k < 4; ++k) {
    TOsc osc(c.Rate);
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i) - starts[k];
      if (t < 0) continue;
      if (t > 0.3) break;
      double f = tops[k] - (tops[k] - 220) * ExpDecay(t, 0.012);
      double click = k == 0 ? 0.6 * noise.White() * ExpDecay(t, 0.0015) : 0.0;
      s[i] += float(gains[k] * (osc.Sine(f) * AttackDecay(t, 0.001, 0.035) + click));
    }
  }
}

void DrawSibou2(TSoundCanvas& c) {
  // Squeak: a nasal FM voice that leaps up and sags, with a fast vibrato.
  TOsc car(c.Rate), mod(c.Rate), vib(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double f = Segments(t, {{0, 1300}, {0.07, 2600}, {0.3, 1700}});
    f *= 1.0 + 0.05 * vib.Sine(17);
    double env = Segments(t, {{0, 0}, {0.01, 1}, {0.2, 0.75}, {0.33, 0}});
    s[i] = float(car.Sine(f * (1.0 + 0.6 * mod.Sine(f))) * env);
  }
}

void DrawSibou3(TSoundCanvas& c) {
  // Crunch: a dense shower of short resonant noise grains over a thud.
  TSignal& s = c.Mono();
  TNoise rnd(1003);
  for (int g = 0; g < 140; ++g) {
    double u = rnd.Uniform();
    double start = 0.6 * u * u;  // dense at first, thinning out
    double centre = 700 + 2600 * rnd.Uniform();
    double tau = 0.003 + 0.012 * rnd.Uniform();
    double gain = (0.4 + 0.6 * rnd.Uniform()) * ExpDecay(start, 0.25);
    TSvf band(c.Rate);
    TNoise grain(rnd.Next());
    for (size_t i = size_t(start * c.Rate); i < c.Frames; ++i) {
      double t = c.T(i) - start;
      if (t > 8 * tau) break;
      s[i] += float(gain * band.Band(grain.White(), centre, 3.0) * ExpDecay(t, tau));
    }
  }
  TOsc thud(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    s[i] += float(0.8 * thud.Sine(55 + 70 * ExpDecay(t, 0.03)) * AttackDecay(t, 0.002, 0.07));
  }
}

void DrawSibou4(TSoundCanvas& c) {
  // Boss explosion: a main blast and two later bursts, a long rumble and a
  // deep boom, saturated together.
  TSignal& s = c.Mono();
  const double starts[] = {0.0, 0.27, 0.58};
  const double gains[] = {1.0, 0.6, 0.42};
  for (int k = 0; k < 3; ++k) {
    TNoise noise(1004 + uint32_t(k));
    TSvf low(c.Rate);
    for (size_t i = size_t(starts[k] * c.Rate); i < c.Frames; ++i) {
      double t = c.T(i) - starts[k];
      double cutoff = 160 + 5200 * ExpDecay(t, 0.14);
      s[i] += float(gains[k] * low.Low(noise.White(), cutoff, 0.8) * AttackDecay(t, 0.003, 0.35));
    }
  }
  TNoise brown(1010);
  TSvf rumble(c.Rate);
  TOsc boom(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double r = rumble.Low(brown.White(), 140, 1.2) * AttackDecay(t, 0.05, 0.6);
    double b = boom.Sine(28 + 50 * ExpDecay(t, 0.12)) * AttackDecay(t, 0.004, 0.4);
    s[i] = float(std::tanh(1.8 * (s[i] + 1.6 * r + 0.9 * b)));
  }
}

void DrawApear0(TSoundCanvas& c) {
  // Boss jump: a pulse wave springing upwards, "boing".
  TOsc osc(c.Rate), vib(c.Rate);
  TSvf low(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double f = 140 * std::pow(520.0 / 140.0, std::min(1.0, t / 0.24));
    f *= 1 + 0.03 * vib.Sine(14);
    double env = Segments(t, {{0, 0}, {0.008, 1}, {0.24, 0.7}, {0.34, 0}});
    s[i] = float(low.Low(osc.Square(f, 0.3), 2400, 1.0) * env);
  }
}

void DrawApear1(TSoundCanvas& c) {
  // Swoosh: noise through a band sweeping upwards.
  TNoise noise(1101);
  TSvf band(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double centre = 500 + 3800 * (t / 0.12);
    s[i] =
        float(band.Band(noise.White(), centre, 1.6) * Segments(t, {{0, 0}, {0.055, 1}, {0.12, 0}}));
  }
}

void DrawApear2(TSoundCanvas& c) {
  // Boss entry: "ta-ta-taaa" of a small brass section.
  TSignal& s = c.Mono();
  const double notes[3][3] = {{55, 62, 67}, {55, 62, 67}, {60, 64, 72}};
  const double starts[] = {0.0, 0.13, 0.26};
  const double lens[] = {0.09, 0.09, 0.38};
  for (int k = 0; k < 3; ++k)
    for (double n : notes[k])
      AddBrass(s, c.Rate, starts[k], lens[k], n, 0.3, k == 2 ? 0.012 : 0.0, 3500);
}

void DrawApear3(TSoundCanvas& c) {
  // Flutter: wing beats as pulses of breathy noise.
  TNoise noise(1103);
  TSvf band(c.Rate);
  TOsc beat(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double w = 0.5 + 0.5 * beat.Sine(23);
    double env = Segments(t, {{0, 0}, {0.04, 1}, {0.34, 0.8}, {0.48, 0}});
    s[i] = float(band.Band(noise.White(), 1300 + 500 * w, 0.9) * w * w * w * env);
  }
}

// A marching boot: a kick-like thump with a snare-like scuff and a buckle ring.
void AddStep(TSignal& s, double rate, double start, double gain, uint32_t seed) {
  TOsc thump(rate);
  TNoise noise(seed);
  TSvf band(rate);
  for (size_t i = size_t(start * rate); i < s.size(); ++i) {
    double t = double(i) / rate - start;
    double x = thump.Sine(60 + 110 * ExpDecay(t, 0.02)) * AttackDecay(t, 0.001, 0.05) +
               0.8 * band.Band(noise.White(), 1600, 0.8) * AttackDecay(t, 0.001, 0.045);
    s[i] += float(gain * x);
  }
  AddPartials(s, rate, start + 0.004, {{3150, 0.12, 0.04}, {4720, 0.08, 0.03}}, gain);
}

void DrawApear4(TSoundCanvas& c) {
  AddStep(c.Mono(), c.Rate, 0.0, 1.0, 1104);
  AddStep(c.Mono(), c.Rate, 0.16, 0.55, 1105);
}

// One metallic click of the gun's action.
void AddGunClick(TSignal& s, double rate, double start, double gain, double pitch, uint32_t seed) {
  TNoise noise(seed);
  TSvf band(rate);
  for (size_t i = size_t(start * rate); i < s.size(); ++i) {
    double t = double(i) / rate - start;
    if (t > 0.03) break;
    s[i] += float(gain * 1.6 * band.Band(noise.White(), 3600 * pitch, 3.0) * ExpDecay(t, 0.004));
  }
  AddPartials(s, rate, start,
              {{2150 * pitch, 0.5, 0.02}, {3370 * pitch, 0.4, 0.015}, {5120 * pitch, 0.3, 0.01}},
              gain);
}

void DrawApear5(TSoundCanvas& c) {
  // Gun cock: click, a short metal slide, clack.
  TSignal& s = c.Mono();
  AddGunClick(s, c.Rate, 0.0, 0.7, 1.1, 1105);
  TNoise noise(1106);
  TSvf band(c.Rate);
  for (size_t i = size_t(0.012 * c.Rate); i < size_t(0.08 * c.Rate) && i < c.Frames; ++i) {
    double t = c.T(i);
    double centre = 2000 + 25000 * (t - 0.012);
    s[i] += float(0.18 * band.Band(noise.White(), centre, 2.0) *
                  Segments(t, {{0.012, 0}, {0.03, 1}, {0.08, 0}}));
  }
  AddGunClick(s, c.Rate, 0.085, 1.0, 0.8, 1107);
}

void DrawApear6(TSoundCanvas& c) {
  // Leaf rustle: many tiny dry crackles over a soft hiss.
  TSignal& s = c.Mono();
  TNoise rnd(1108);
  for (int g = 0; g < 240; ++g) {
    double start = 0.36 * (rnd.Uniform() + rnd.Uniform()) / 2;  // thickest mid-way
    double len = 0.002 + 0.006 * rnd.Uniform();
    double gain = 0.2 + 0.8 * rnd.Uniform();
    TSvf high(c.Rate);
    TNoise grain(rnd.Next());
    for (size_t i = size_t(start * c.Rate); i < c.Frames; ++i) {
      double t = c.T(i) - start;
      if (t > len) break;
      s[i] += float(gain * high.High(grain.White(), 2500) * std::sin(kPi * t / len));
    }
  }
  TNoise hiss(1109);
  TSvf band(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double env = Segments(c.T(i), {{0, 0}, {0.1, 1}, {0.25, 1}, {0.4, 0}});
    s[i] += float(0.15 * band.Band(hiss.White(), 4000, 0.7) * env);
  }
}

void DrawApear7(TSoundCanvas& c) {
  // Mouse: three high chirps that rise and fall.
  TSignal& s = c.Mono();
  const double starts[] = {0.0, 0.16, 0.33};
  const double lens[] = {0.10, 0.085, 0.14};
  for (int k = 0; k < 3; ++k) {
    TOsc osc(c.Rate), vib(c.Rate);
    for (size_t i = size_t(starts[k] * c.Rate); i < c.Frames; ++i) {
      double t = c.T(i) - starts[k];
      if (t > lens[k]) break;
      double u = t / lens[k];
      double f = (3000 + 900 * std::sin(kPi * u)) * (1 + 0.02 * vib.Sine(30));
      double env = std::min(1.0, t / 0.008) * std::min(1.0, (lens[k] - t) / 0.02);
      s[i] += float(osc.Sine(f) * env * (k == 2 ? 0.8 : 1.0));
    }
  }
}

void DrawApear8(TSoundCanvas& c) {
  // Magic shimmer: a fast rising run of small bells over glittering noise.
  TSignal& s = c.Mono();
  const double notes[] = {84, 88, 91, 96, 100, 103};
  for (int k = 0; k < 6; ++k) {
    double f = MidiHz(notes[k]);
    AddPartials(s, c.Rate, 0.032 * k, {{f, 0.5, 0.12}, {f * 2.76, 0.15, 0.05}}, 1.0);
  }
  TNoise noise(1110), sparkle(1111);
  TSvf high(c.Rate);
  float hold = 0;
  for (size_t i = 0; i < c.Frames; ++i) {
    if (i % 40 == 0) hold = sparkle.Uniform() > 0.6f ? sparkle.Uniform() : 0.0f;
    double env = Segments(c.T(i), {{0, 0}, {0.05, 0.25}, {0.2, 0.2}, {0.32, 0}});
    s[i] += float(high.High(noise.White(), 6000) * hold * env);
  }
}

}  // namespace

std::vector<TSoundRecipe> EnemyRecipes() {
  return {
      {"sibou1", -5, 0.2, DrawSibou1},  {"sibou2", -7, 0.03, DrawSibou2},
      {"sibou3", -4, 0.2, DrawSibou3},  {"sibou4", -3, 0.3, DrawSibou4},
      {"apear0", -6, 0.02, DrawApear0}, {"apear1", -6, 0.01, DrawApear1},
      {"apear2", -4, 0.1, DrawApear2},  {"apear3", -7, 0.03, DrawApear3},
      {"apear4", -4, 0.08, DrawApear4}, {"apear5", -4, 0.04, DrawApear5},
      {"apear6", -8, 0.04, DrawApear6}, {"apear7", -8, 0.03, DrawApear7},
      {"apear8", -7, 0.08, DrawApear8},
  };
}
