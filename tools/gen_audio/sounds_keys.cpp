// Short percussive effects: the typing clicks, the word shot, the miss
// buzz, the clack, the curtain's door thud and the bomb blast.
#include <cmath>

#include "gen_audio/sounds.h"

namespace {

// A crisp tick: a very short band of noise, a pitched ping and a soft body.
void DrawClick(TSoundCanvas& c, uint32_t seed, double ping, double body, double room) {
  for (size_t ch = 0; ch < c.Out.size(); ++ch) {
    TNoise noise(seed + uint32_t(ch) * 7919);
    TSvf band(c.Rate);
    TOsc pingOsc(c.Rate), bodyOsc(c.Rate);
    TSignal& s = c.Out[ch];
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i);
      double n = band.Band(noise.White(), 4200, 1.1) * ExpDecay(t, 0.0035);
      double p = pingOsc.Sine(ping * (1.0 - 0.15 * (1 - ExpDecay(t, 0.01)))) * ExpDecay(t, 0.011);
      double b = bodyOsc.Sine(body) * AttackDecay(t, 0.0015, 0.018);
      s[i] = float(1.4 * n + 0.5 * p + 0.35 * b);
    }
    Reverb(s, c.Rate, 0.45, room, seed + uint32_t(ch));
  }
}

void DrawKey1(TSoundCanvas& c) {
  // Woody tick: three struck modes and a grain of noise.
  for (size_t ch = 0; ch < c.Out.size(); ++ch) {
    TSignal& s = c.Out[ch];
    double spread = ch == 0 ? 1.0 : 1.012;
    AddPartials(s, c.Rate, 0,
                {{1180 * spread, 1.0, 0.016}, {2730 * spread, 0.6, 0.008}, {4150, 0.3, 0.004}});
    TNoise noise(11 + uint32_t(ch));
    for (size_t i = 0; i < c.Frames; ++i) s[i] += 0.8f * noise.White() * ExpDecay(c.T(i), 0.0015);
  }
}

void DrawKey2(TSoundCanvas& c) {
  // Soft tock with a falling pitch, a rounder alternative to the tick.
  for (size_t ch = 0; ch < c.Out.size(); ++ch) {
    TNoise noise(23 + uint32_t(ch));
    TSvf low(c.Rate);
    TOsc osc(c.Rate);
    TSignal& s = c.Out[ch];
    for (size_t i = 0; i < c.Frames; ++i) {
      double t = c.T(i);
      double f = 450 + 200 * ExpDecay(t, 0.012) + (ch ? 6 : 0);
      s[i] = float(osc.Sine(f) * AttackDecay(t, 0.001, 0.03) +
                   0.5 * low.Low(noise.White(), 2200) * ExpDecay(t, 0.004));
    }
  }
}

void DrawKey3(TSoundCanvas& c) {
  DrawClick(c, 301, 2600, 900, 0.035);
}

void DrawKey4(TSoundCanvas& c) {
  // Zap: an FM tone diving in pitch, a noise spit and a bright sparkle,
  // bounced between the channels by a short echo.
  TSignal dry(c.Frames, 0.0f);
  TOsc car(c.Rate), mod(c.Rate), spark1(c.Rate), spark2(c.Rate);
  TNoise noise(404);
  TSvf high(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double f = 380 + 2400 * ExpDecay(t, 0.035);
    double index = 2.5 * ExpDecay(t, 0.05);
    double fm = car.Sine(f * (1 + index * 0.5 * mod.Sine(f * 1.5)));
    double zap = fm * AttackDecay(t, 0.001, 0.07);
    double spit = high.High(noise.White(), 3000) * ExpDecay(t, 0.008);
    double sparkle =
        (spark1.Sine(3520) + 0.6 * spark2.Sine(5274)) * AttackDecay(t - 0.015, 0.002, 0.09);
    dry[i] = float(0.8 * zap + 0.5 * spit + 0.35 * sparkle);
  }
  TSignal& l = c.Out[0];
  TSignal& r = c.Out[1];
  l = dry;
  r = dry;
  TSignal echoL(c.Frames, 0.0f), echoR(c.Frames, 0.0f);
  MixInto(echoR, dry, 0.45, long(0.085 * c.Rate));
  MixInto(echoL, dry, 0.28, long(0.17 * c.Rate));
  MixInto(echoR, dry, 0.16, long(0.255 * c.Rate));
  MixInto(echoL, dry, 0.09, long(0.34 * c.Rate));
  MixInto(l, echoL, 1.0);
  MixInto(r, echoR, 1.0);
}

void DrawError1(TSoundCanvas& c) {
  // A low, beating buzz: two square waves a few hertz apart, filtered.
  TOsc a(c.Rate), b(c.Rate);
  TSvf low(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double env = Segments(t, {{0, 0}, {0.004, 1}, {0.10, 0.85}, {0.13, 0}});
    double x = a.Square(110) + b.Square(117.5, 0.4);
    s[i] = float(std::tanh(1.5 * low.Low(float(x), 1700, 0.9)) * env);
  }
}

void DrawKachi(TSoundCanvas& c) {
  // Hard wood struck by a hammer, with a small rebound.
  TSignal& s = c.Mono();
  std::vector<TPartial> modes = {
      {820, 0.5, 0.04}, {1750, 1.0, 0.03}, {2950, 0.7, 0.018}, {4300, 0.4, 0.01}};
  AddPartials(s, c.Rate, 0, modes, 1.0);
  AddPartials(s, c.Rate, 0.055, modes, 0.3);
  TNoise noise(505);
  TSvf band(c.Rate);
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double n = band.Band(noise.White(), 3000, 1.5);
    s[i] += float(n * (2.0 * ExpDecay(t, 0.004) + 0.6 * ExpDecay(t - 0.055, 0.003)));
  }
}

void DrawDoor(TSoundCanvas& c) {
  // Heavy door thud: a low boom with a falling pitch, a knock and muffled noise.
  TOsc boom(c.Rate), knock(c.Rate);
  TNoise noise(606);
  TSvf low(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double f = 48 + 60 * ExpDecay(t, 0.03);
    double x = boom.Sine(f) * AttackDecay(t, 0.002, 0.06) +
               0.45 * knock.Sine(185) * AttackDecay(t, 0.001, 0.025) +
               0.9 * low.Low(noise.White(), 500, 0.8) * ExpDecay(t, 0.02);
    s[i] = float(std::tanh(1.6 * x));
  }
}

void DrawBakudan(TSoundCanvas& c) {
  // Bomb blast: noise whose brightness falls fast, over a short boom, driven
  // into soft saturation for punch.
  TOsc boom(c.Rate);
  TNoise noise(707);
  TSvf low(c.Rate);
  TSignal& s = c.Mono();
  for (size_t i = 0; i < c.Frames; ++i) {
    double t = c.T(i);
    double cutoff = 250 + 7000 * ExpDecay(t, 0.045);
    double n = low.Low(noise.White(), cutoff, 0.9) * AttackDecay(t, 0.001, 0.075);
    double b = boom.Sine(38 + 80 * ExpDecay(t, 0.04)) * AttackDecay(t, 0.002, 0.09);
    s[i] = float(std::tanh(2.2 * (1.2 * n + 0.9 * b)));
  }
}

}  // namespace

std::vector<TSoundRecipe> KeyRecipes() {
  return {
      {"Key1", -9, 0.03, DrawKey1},      {"Key2", -9, 0.03, DrawKey2},
      {"Key3", -10, 0.2, DrawKey3},      {"Key4", -6, 0.15, DrawKey4},
      {"error1", -6, 0.015, DrawError1}, {"kachi", -5, 0.08, DrawKachi},
      {"door", -3, 0.04, DrawDoor},      {"bakudan", -3, 0.06, DrawBakudan},
  };
}
