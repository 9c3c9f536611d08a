// Voices shared by several sound recipes: a brass note and a struck bell.
#include <algorithm>
#include <cmath>

#include "gen_audio/sounds.h"

void AddBrass(TSignal& s, double rate, double start, double len, double note, double gain,
              double vibrato, double bright) {
  TOsc a(rate), b(rate, 0.33), d(rate, 0.71), vib(rate);
  TSvf low(rate);
  double f = MidiHz(note);
  for (size_t i = size_t(std::max(0.0, start) * rate); i < s.size(); ++i) {
    double t = double(i) / rate - start;
    if (t > len + 0.1) break;
    double env;
    if (t < 0.015)
      env = t / 0.015;
    else if (t < len)
      env = 1.0 - 0.2 * (t - 0.015) / len;
    else
      env = 0.8 * ExpDecay(t - len, 0.02);
    // Vibrato fades in after the attack, as a player's would.
    double depth = vibrato * std::clamp((t - 0.15) / 0.1, 0.0, 1.0);
    double v = 1 + depth * vib.Sine(5.5);
    double x = a.Saw(f * v) + b.Saw(f * v * 1.004) + d.Saw(f * v * 0.996);
    s[i] += float(gain * low.Low(float(x), 300 + (bright - 300) * env, 1.1) * env);
  }
}

void AddBell(TSignal& s, double rate, double start, double freq, double gain, double length) {
  // Partial ratios and weights of a church-like bell: hum, prime, tierce,
  // quint, nominal and upper partials, each dying at its own pace.
  const double ratio[] = {0.56, 0.563, 0.92, 0.925, 1.19, 1.7, 2.0, 2.74, 3.0, 3.76, 4.07};
  const double weight[] = {1.0, 0.67, 1.0, 1.2, 1.6, 1.1, 1.0, 0.9, 0.8, 0.6, 0.7};
  const double life[] = {1.0, 0.9, 0.65, 0.55, 0.33, 0.35, 0.25, 0.2, 0.15, 0.1, 0.075};
  std::vector<TPartial> partials;
  for (int k = 0; k < 11; ++k)
    partials.push_back({freq * ratio[k], weight[k] / 11.0, life[k] * length / 3.0});
  AddPartials(s, rate, start, partials, gain);
}
