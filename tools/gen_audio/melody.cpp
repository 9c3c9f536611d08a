// Melody writer: four-bar phrases built from two one-bar motifs (repeated as
// a sequence, then answered) and a cadence bar, fitted to the chords.
#include <algorithm>
#include <cstdlib>

#include "gen_audio/compose.h"
#include "gen_audio/synth.h"

namespace {

using TRhythm = std::vector<int>;  // sixteenths per note; negative = rest

struct TRhythmBook {
  std::vector<TRhythm> Motifs;
  std::vector<TRhythm> Cadences;
  double Legato;
};

TRhythmBook BookFor(TMelodyStyle style) {
  switch (style) {
    case TMelodyStyle::Calm:
      return {{{4, 2, 2, 4, 4}, {6, 2, 4, 4}, {4, 4, 8}, {2, 2, 2, 2, 4, 4}, {3, 1, 4, 4, 4}},
              {{8, 8}, {4, 12}, {6, 2, 8}},
              0.9};
    case TMelodyStyle::Driving:
      return {{{2, 2, 4, 2, 2, 4},
               {3, 3, 2, 2, 2, 4},
               {4, 2, 2, 2, 2, 4},
               {-2, 2, 2, 2, 4, 4},
               {3, 3, 4, 2, 4}},
              {{4, 4, 8}, {2, 2, 4, 8}, {6, 10}},
              0.8};
    case TMelodyStyle::Urgent:
      return {{{1, 1, 2, 2, 2, 4, 4},
               {2, 2, 2, 2, 2, 2, 4},
               {3, 3, 2, 1, 1, 2, 4},
               {-2, 1, 1, 2, 2, 4, 4},
               {2, 1, 1, 2, 2, 2, 2, 4}},
              {{2, 2, 4, 8}, {3, 3, 10}, {4, 4, 8}},
              0.75};
    case TMelodyStyle::Triumphant:
      return {{{6, 2, 4, 4}, {4, 2, 2, 8}, {3, 1, 4, 4, 4}, {4, 4, 4, 2, 2}, {6, 2, 6, 2}},
              {{8, 8}, {4, 4, 8}, {12, 4}},
              0.92};
    case TMelodyStyle::Sad:
      return {{{8, 4, 4}, {6, 2, 8}, {4, 4, 8}, {4, 2, 2, 8}, {6, 2, 4, 4}},
              {{12, 4}, {16}, {8, 8}},
              0.95};
  }
  return {{{4, 4, 4, 4}}, {{16}}, 0.9};
}

// Scale steps between the notes of a motif: mostly steps, some leaps.
std::vector<int> MotifSteps(const TRhythm& r, TNoise& rnd, const std::vector<int>& own) {
  static const std::vector<int> common = {-1, -1, -1, 1, 1, 1, -2, 2, 2, -1, 3, -3};
  const std::vector<int>& choices = own.empty() ? common : own;
  std::vector<int> steps;
  for (size_t i = 0; i < r.size(); ++i)
    steps.push_back(i == 0 ? 0 : choices[rnd.Next() % choices.size()]);
  return steps;
}

// The chord tone reached by moving from the key in the direction of travel
// (up for dir > 0, down for dir < 0, either way for 0), within the range.
int SnapChordTone(int key, const TChord& chord, int dir, int lo, int hi) {
  if (IsChordTone(key, chord)) return key;
  if (dir != 0) {
    for (int d = 1; d <= 4; ++d) {
      int k = key + (dir > 0 ? d : -d);
      if (k >= lo && k <= hi && IsChordTone(k, chord)) return k;
    }
  }
  return NearestChordTone(key, chord, lo, hi);
}

int Sign(int x) {
  return (x > 0) - (x < 0);
}

int Accent(uint32_t posInBar, TNoise& rnd) {
  int a = posInBar % 16 == 0 ? 10 : posInBar % 8 == 0 ? 5 : posInBar % 4 == 0 ? 0 : -6;
  return a + int(rnd.Next() % 7) - 3;
}

}  // namespace

std::vector<TNote> MakeMelody(const TSectionContext& s, const TPartDef& part) {
  std::vector<TNote> out;
  TRhythmBook book = BookFor(s.Piece->Melody);
  TNoise rnd(s.Section->MelodySeed);
  const TRhythm& motifA = book.Motifs[rnd.Next() % book.Motifs.size()];
  const TRhythm* pickB = &book.Motifs[rnd.Next() % book.Motifs.size()];
  if (pickB == &motifA)
    pickB = &book.Motifs[(size_t(pickB - &book.Motifs[0]) + 1) % book.Motifs.size()];
  const TRhythm& motifB = *pickB;
  std::vector<int> stepsA = MotifSteps(motifA, rnd, s.Piece->Steps);
  std::vector<int> stepsB = MotifSteps(motifB, rnd, s.Piece->Steps);
  const TRhythm& openCadence = book.Cadences[rnd.Next() % book.Cadences.size()];
  const TRhythm& closeCadence = book.Cadences[rnd.Next() % book.Cadences.size()];
  int lift = 2 + int(rnd.Next() % 3);  // how far the second phrase climbs

  int centre = (part.Low + part.High) / 2;
  int pitch = centre;
  for (int bar = 0; bar < s.Bars; ++bar) {
    int pos = bar % 4;
    int phrase = bar / 4;
    bool cadence = pos == 3 || bar == s.Bars - 1;
    bool closing = cadence && (phrase % 2 == 1 || bar == s.Bars - 1);
    const TRhythm& rhythm =
        cadence ? (closing ? closeCadence : openCadence) : (pos == 2 ? motifB : motifA);
    const std::vector<int>* steps = pos == 2 ? &stepsB : &stepsA;
    uint32_t barStart = s.Start + uint32_t(bar) * kBarTicks;
    const TChord& first = ChordAt(s.Spans, barStart).Chord;
    // Where the bar's first note lands: phrase starts return to the middle
    // (higher in odd phrases), the motif's repeat climbs as a sequence.
    int aim = pos == 0 ? centre + (phrase % 2 ? lift : 0) : pitch + (pos == 1 ? 2 : -1);
    pitch = NearestChordTone(aim, first, part.Low, part.High);
    uint32_t at = 0;
    for (size_t i = 0; i < rhythm.size(); ++i) {
      int len16 = std::abs(rhythm[i]);
      uint32_t tick = barStart + at * kStep;
      at += uint32_t(len16);
      if (rhythm[i] < 0) continue;
      const TChord& chord = ChordAt(s.Spans, tick).Chord;
      std::vector<int> scale = ScaleFor(s.Piece->Tonic, s.Piece->Minor, chord);
      bool last = i + 1 == rhythm.size();
      // The cadence's final note: the root when the phrase closes, another
      // chord tone when it stays open.
      int target = closing ? NearestWithClass(pitch, chord.Root, part.Low, part.High)
                           : NearestChordTone(pitch + 2, chord, part.Low, part.High);
      if (i > 0) {
        int step = cadence ? (Sign(target - pitch) ? Sign(target - pitch) : 1)
                           : (*steps)[std::min(i, steps->size() - 1)];
        int next = ScaleStep(pitch, step, scale);
        if (next > part.High || next < part.Low) {
          step = -step;
          next = ScaleStep(pitch, step, scale);
        }
        bool strong = (tick - barStart) % (4 * kStep) == 0 && len16 >= 2;
        if (strong) next = SnapChordTone(next, chord, Sign(step), part.Low, part.High);
        if (last && cadence)
          next = closing ? NearestWithClass(next, chord.Root, part.Low, part.High)
                         : SnapChordTone(next, chord, Sign(step), part.Low, part.High);
        if (next == pitch && !(last && cadence) && step != 0) {
          // Keep the line moving (unless the lead repeats on purpose): go on
          // to the next chord tone that way.
          int d = step ? Sign(step) : 1;
          next = SnapChordTone(pitch + d, chord, d, part.Low, part.High);
        }
        pitch = next;
      }
      pitch = std::clamp(pitch, part.Low, part.High);
      uint32_t len = uint32_t(len16) * kStep;
      uint32_t sounding = std::max<uint32_t>(
          kStep / 2, uint32_t(len * (len16 <= 2 ? book.Legato - 0.1 : book.Legato)));
      int vel = std::clamp(part.Velocity + Accent((tick - barStart) / kStep, rnd), 30, 127);
      out.push_back({tick, sounding, pitch, vel});
    }
  }
  return out;
}
