// Drum writer: a one-bar groove per style and energy, a crash on each
// section's first bar, short fills closing each four bars and a tom fill
// closing the section (which, at the end of the piece, leads into the loop).
#include <algorithm>
#include <string>

#include "gen_audio/compose.h"
#include "gen_audio/synth.h"

namespace {

// General MIDI percussion keys.
enum : int {
  kKick = 36,
  kSideStick = 37,
  kSnare = 38,
  kClap = 39,
  kFloorTom = 41,
  kClosedHat = 42,
  kLowTom = 45,
  kPedalHat = 44,
  kOpenHat = 46,
  kMidTom = 47,
  kHighTom = 50,
  kCrash = 49,
  kRide = 51,
  kTambourine = 54
};

struct TDrumLine {
  int Key;
  const char* Steps;  // 16 steps: X loud, x normal, o soft, - ghost, . rest
};

std::vector<TDrumLine> Groove(TDrumStyle style, int energy) {
  switch (style) {
    case TDrumStyle::Soft:
      if (energy == 0) return {{kKick, "x.......x......."}, {kClosedHat, "-.o.-.o.-.o.-.o."}};
      return {{kKick, "x.......x.-....."},
              {kSideStick, "....o.......o..."},
              {kClosedHat, "-.o.-.o.-.o.-.o."},
              {kTambourine, energy == 2 ? "....o.......o..." : "................"}};
    case TDrumStyle::Pop:
      return {{kKick, energy == 2 ? "X.....x.X.-...x." : "X.....x.X......."},
              {kSnare, "....X.......X..."},
              {kClosedHat, energy == 0 ? "x...o...x...o..." : "x.o.x.o.x.o.x.o."},
              {kOpenHat, energy == 2 ? "..............o." : "................"}};
    case TDrumStyle::Drive1:
      return {{kKick, "X.....x.X.....x."},
              {kSnare, energy == 0 ? "............X..." : "....X.......X..."},
              {kClosedHat, "x-o-x-o-x-o-x-o-"},
              {kOpenHat, energy == 2 ? "......o.......o." : "................"}};
    case TDrumStyle::Drive2:
      return {{kKick, energy == 0 ? "X.......X......." : "X.....x.X..x..x."},
              {kSnare, "....X..-....X..-"},
              {energy == 2 ? kRide : kClosedHat, "x-o-x-o-x-o-x-o-"},
              {kOpenHat, energy >= 1 ? "..............o." : "................"}};
    case TDrumStyle::Drive3:
      return {{kKick, energy == 0 ? "X.......X.x....." : "X..x..x.X.x...x."},
              {kSnare, "....X.......X.x."},
              {kClosedHat, "x-x-x-x-x-x-x-x-"},
              {kCrash, energy == 2 ? "x..............." : "................"}};
    case TDrumStyle::March:
      return {{kKick, "X.......X......."},
              {kSnare, energy == 0 ? "x...o...x...o-o-" : "x.-ox.o.x.-ox-xo"},
              {kPedalHat, "....o.......o..."},
              {kCrash, energy == 2 ? "........o......." : "................"}};
    case TDrumStyle::Ballad:
      return {{kKick, "x.........o....."},
              {kSideStick, energy == 0 ? "................" : "........o......."},
              {kRide, "-...-...-...-..."},
              {kPedalHat, "....-.......-..."}};
    case TDrumStyle::Anthem:
      return {{kKick, energy == 0 ? "X.......x......." : "X.......x.x....."},
              {kSnare, "....X.......X..."},
              {kRide, energy == 0 ? "x...o...x...o..." : "x.o.x.o.x.o.x.o."},
              {kTambourine, energy == 2 ? "..o...o...o...o." : "................"}};
  }
  return {};
}

int StepVelocity(char c) {
  switch (c) {
    case 'X':
      return 118;
    case 'x':
      return 96;
    case 'o':
      return 72;
    case '-':
      return 46;
    default:
      return 0;
  }
}

// Gentle styles get lighter fills.
bool Quiet(TDrumStyle style) {
  return style == TDrumStyle::Soft || style == TDrumStyle::Ballad;
}

}  // namespace

std::vector<TNote> MakeDrums(const TSectionContext& s, const TPartDef& part) {
  std::vector<TNote> out;
  TNoise rnd(s.Section->MelodySeed * 13 + 5);
  TDrumStyle style = s.Section->Drums;
  int energy = s.Section->Energy;
  double scale = part.Velocity / 100.0;
  auto hit = [&](uint32_t tick, int key, int vel) {
    int v = std::clamp(int(vel * scale) + int(rnd.Next() % 7) - 3, 1, 127);
    out.push_back({tick, kStep / 2, key, v});
  };
  for (int bar = 0; bar < s.Bars; ++bar) {
    uint32_t barStart = s.Start + uint32_t(bar) * kBarTicks;
    bool sectionEnd = bar == s.Bars - 1;
    bool phraseEnd = bar % 4 == 3 && !sectionEnd;
    // Steps from which the fill replaces the groove.
    int fillFrom = sectionEnd ? (Quiet(style) ? 12 : 8) : phraseEnd ? 12 : 16;
    for (const TDrumLine& line : Groove(style, energy)) {
      for (int step = 0; step < std::min(fillFrom, 16); ++step) {
        int vel = StepVelocity(line.Steps[step]);
        if (vel > 0) hit(barStart + uint32_t(step) * kStep, line.Key, vel);
      }
    }
    if (bar == 0) hit(barStart, Quiet(style) ? kRide : kCrash, Quiet(style) ? 70 : 110);
    if (fillFrom >= 16) continue;
    if (Quiet(style)) {
      // A soft tom pick-up.
      const int keys[] = {kHighTom, kMidTom, kLowTom, kFloorTom};
      for (int i = 0; i < 4; ++i) hit(barStart + uint32_t(12 + i) * kStep, keys[i], 50 + 6 * i);
      hit(barStart + 12 * kStep, kKick, 70);
    } else if (sectionEnd) {
      // Two beats of snare, then toms rolling down to the next downbeat.
      const int keys[] = {kSnare,  kSnare,  kSnare,  kSnare,  kHighTom,  kHighTom,
                          kMidTom, kMidTom, kLowTom, kLowTom, kFloorTom, kFloorTom};
      int n = 16 - fillFrom;
      for (int i = 0; i < n; ++i) {
        hit(barStart + uint32_t(fillFrom + i) * kStep, keys[i + (12 - n)], 84 + 3 * i);
      }
      hit(barStart + uint32_t(fillFrom) * kStep, kKick, 100);
      hit(barStart + 12 * kStep, kKick, 100);
    } else {
      const std::string snare = "x-ox";
      for (int i = 0; i < 4; ++i)
        hit(barStart + uint32_t(12 + i) * kStep, kSnare, StepVelocity(snare[size_t(i)]) + 8);
      hit(barStart + 12 * kStep, kKick, 96);
    }
  }
  // Where a fill or crash lands on a groove hit of the same drum, one stroke
  // (the louder) is kept: striking a key twice at once would cut it short.
  std::stable_sort(out.begin(), out.end(), [](const TNote& a, const TNote& b) {
    return a.Tick != b.Tick ? a.Tick < b.Tick : a.Key < b.Key;
  });
  std::vector<TNote> merged;
  for (const TNote& n : out) {
    if (!merged.empty() && merged.back().Tick == n.Tick && merged.back().Key == n.Key) {
      merged.back().Velocity = std::max(merged.back().Velocity, n.Velocity);
      continue;
    }
    merged.push_back(n);
  }
  return merged;
}
