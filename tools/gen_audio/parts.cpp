// Accompaniment writers: bass lines from per-style bar patterns, chord
// parts (pads, stabs, arpeggios, piano comping, a counter line) and timpani.
#include <algorithm>

#include "gen_audio/compose.h"
#include "gen_audio/synth.h"

namespace {

struct TBassHit {
  int Pos, Len;  // sixteenths within the bar
  char Degree;   // R root, O octave, F fifth, T third, A approach to the next chord
};

std::vector<TBassHit> BassPattern(TBassStyle style) {
  switch (style) {
    case TBassStyle::Whole:
      return {{0, 16, 'R'}};
    case TBassStyle::Drive:
      return {{0, 2, 'R'}, {2, 2, 'R'},  {4, 2, 'O'},  {6, 2, 'R'},
              {8, 2, 'R'}, {10, 2, 'F'}, {12, 2, 'O'}, {14, 2, 'A'}};
    case TBassStyle::Walk:
      return {{0, 4, 'R'}, {4, 4, 'T'}, {8, 4, 'F'}, {12, 4, 'A'}};
    case TBassStyle::Ballad:
      return {{0, 8, 'R'}, {8, 4, 'F'}, {12, 4, 'A'}};
    case TBassStyle::Pop:
      return {{0, 3, 'R'}, {6, 2, 'R'}, {8, 3, 'F'}, {12, 2, 'O'}, {14, 2, 'A'}};
    case TBassStyle::March:
      return {{0, 4, 'R'}, {4, 4, 'F'}, {8, 4, 'R'}, {12, 4, 'F'}};
    case TBassStyle::Gallop:
      return {{0, 2, 'R'}, {2, 1, 'R'},  {3, 1, 'R'},  {4, 2, 'R'},  {6, 1, 'R'},  {7, 1, 'F'},
              {8, 2, 'O'}, {10, 1, 'R'}, {11, 1, 'R'}, {12, 2, 'F'}, {14, 1, 'R'}, {15, 1, 'A'}};
  }
  return {{0, 16, 'R'}};
}

// The chord sounding after the span that holds the tick.
const TChord& ChordAfter(const TSectionContext& s, uint32_t tick) {
  const TChordSpan& now = ChordAt(s.Spans, tick);
  if (now.End >= s.Start + uint32_t(s.Bars) * kBarTicks) return *s.NextChord;
  return ChordAt(s.Spans, now.End).Chord;
}

int Humanise(int velocity, TNoise& rnd) {
  return std::clamp(velocity + int(rnd.Next() % 9) - 4, 1, 127);
}

}  // namespace

std::vector<TNote> MakeBass(const TSectionContext& s, const TPartDef& part) {
  std::vector<TNote> out;
  TNoise rnd(s.Section->MelodySeed * 31 + 7);
  int root = (part.Low + part.High) / 2;
  for (int bar = 0; bar < s.Bars; ++bar) {
    uint32_t barStart = s.Start + uint32_t(bar) * kBarTicks;
    for (const TBassHit& hit : BassPattern(TBassStyle(part.Style))) {
      uint32_t tick = barStart + uint32_t(hit.Pos) * kStep;
      const TChordSpan& span = ChordAt(s.Spans, tick);
      const TChord& chord = span.Chord;
      if (tick == span.Start || hit.Pos == 0)
        root = NearestWithClass(root, chord.Bass, part.Low, part.High - 7);
      int key = root;
      switch (hit.Degree) {
        case 'O':
          key = root + 12 <= part.High ? root + 12 : root;
          break;
        case 'F':
          key = root + 7 <= part.High ? root + 7 : root - 5;
          break;
        case 'T':
          key = chord.Tones.size() > 1 ? NearestWithClass(root + 4, chord.Tones[1], root, root + 11)
                                       : root;
          break;
        case 'A': {
          const TChord& next = ChordAfter(s, tick);
          if (next.Bass == chord.Bass) {
            key = root + 7 <= part.High ? root + 7 : root - 5;
          } else {
            int target = NearestWithClass(root, next.Bass, part.Low, part.High - 7);
            key = target > root ? target - 1 : target + 1;  // lean in from the side we come from
          }
          break;
        }
        default:
          break;
      }
      key = std::clamp(key, part.Low, part.High);
      int accent = hit.Pos % 4 == 0 ? 8 : 0;
      uint32_t len = uint32_t(hit.Len) * kStep;
      out.push_back({tick, len - len / 8, key, Humanise(part.Velocity + accent, rnd)});
    }
  }
  return out;
}

std::vector<TNote> MakeHarmony(const TSectionContext& s, const TPartDef& part) {
  std::vector<TNote> out;
  TNoise rnd(s.Section->MelodySeed * 17 + uint32_t(part.Program));
  std::vector<int> voicing;
  int counter = (part.Low + part.High) / 2;
  for (const TChordSpan& span : s.Spans) {
    int notes = part.Role == TRole::Stabs ? 3 : 4;
    voicing = Voicing(span.Chord, part.Low, part.High, notes, voicing);
    if (voicing.empty()) continue;
    uint32_t len = span.End - span.Start;
    auto chordAt = [&](uint32_t tick, uint32_t dur, int vel) {
      for (int k : voicing) out.push_back({tick, dur, k, Humanise(vel, rnd)});
    };
    switch (part.Role) {
      case TRole::Pad:
        chordAt(span.Start, len - kStep / 4, part.Velocity);
        break;
      case TRole::Stabs: {
        const std::vector<std::vector<std::pair<int, int>>> patterns = {
            {{2, 1}, {6, 1}, {10, 1}, {14, 1}},
            {{0, 2}, {3, 1}, {6, 2}, {10, 1}, {12, 2}},
            {{0, 6}, {8, 6}},
        };
        const auto& pattern = patterns[size_t(part.Style) % patterns.size()];
        for (auto [pos, dur] : pattern) {
          uint32_t tick = span.Start + uint32_t(pos) * kStep;
          if (tick >= span.End) continue;
          uint32_t d = std::min(uint32_t(dur) * kStep - kStep / 3, span.End - tick);
          chordAt(tick, d, part.Velocity + (pos % 4 == 0 ? 6 : 0));
        }
        break;
      }
      case TRole::Arp: {
        uint32_t step = part.Style == 1 ? kStep : 2 * kStep;
        std::vector<int> up = voicing;
        up.push_back(voicing.front() + 12);
        std::vector<int> cycle = up;  // up, then back down without repeating the ends
        for (int k = int(up.size()) - 2; k >= 1; --k) cycle.push_back(up[size_t(k)]);
        size_t i = 0;
        for (uint32_t tick = span.Start; tick < span.End; tick += step, ++i) {
          int accent = (tick - s.Start) % (4 * kStep) == 0 ? 8 : 0;
          out.push_back({tick, step - step / 6, cycle[i % cycle.size()],
                         Humanise(part.Velocity + accent, rnd)});
        }
        break;
      }
      case TRole::Comp: {
        const std::pair<int, int> pattern[] = {{0, 5}, {6, 5}, {12, 3}};
        for (auto [pos, dur] : pattern) {
          uint32_t tick = span.Start + uint32_t(pos) * kStep;
          if (tick >= span.End) continue;
          chordAt(tick, std::min(uint32_t(dur) * kStep, span.End - tick),
                  part.Velocity + (pos == 0 ? 8 : 0));
        }
        break;
      }
      case TRole::Counter: {
        // A slow line in half notes that moves to the nearest chord tone,
        // preferring thirds and sevenths to the doubled root.
        for (uint32_t tick = span.Start; tick < span.End; tick += 8 * kStep) {
          int best = counter, bestDist = 1000;
          for (int k = part.Low; k <= part.High; ++k) {
            if (!IsChordTone(k, span.Chord)) continue;
            int d = std::abs(k - counter) + (PitchClass(k) == span.Chord.Root ? 3 : 0);
            if (d < bestDist) {
              best = k;
              bestDist = d;
            }
          }
          counter = best;
          uint32_t dur = std::min<uint32_t>(8 * kStep, span.End - tick);
          out.push_back({tick, dur - kStep / 4, counter, Humanise(part.Velocity, rnd)});
        }
        break;
      }
      default:
        break;
    }
  }
  return out;
}

std::vector<TNote> MakeTimpani(const TSectionContext& s, const TPartDef& part) {
  std::vector<TNote> out;
  TNoise rnd(s.Section->MelodySeed + 99);
  for (int bar = 0; bar < s.Bars; ++bar) {
    uint32_t barStart = s.Start + uint32_t(bar) * kBarTicks;
    const TChord& chord = ChordAt(s.Spans, barStart).Chord;
    int root = NearestWithClass((part.Low + part.High) / 2, chord.Root, part.Low, part.High);
    if (bar % 4 == 0)
      out.push_back({barStart, 2 * kDivision, root, Humanise(part.Velocity + 10, rnd)});
    if (bar == s.Bars - 1) {
      // A roll that swells over the last two beats into what follows.
      int fifth = NearestWithClass(root, s.NextChord->Root + 7, part.Low, part.High);
      for (int i = 0; i < 8; ++i) {
        uint32_t tick = barStart + 2 * kDivision + uint32_t(i) * kStep;
        out.push_back({tick, kStep - 10, fifth, std::clamp(part.Velocity - 20 + 5 * i, 1, 127)});
      }
    } else if (bar % 2 == 1) {
      out.push_back({barStart + 2 * kDivision, kDivision, root, Humanise(part.Velocity - 12, rnd)});
    }
  }
  return out;
}
