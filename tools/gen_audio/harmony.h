// Music theory for the piece generator: chord symbols, progressions laid
// out on the tick grid, scales that bend to the chord, and voice-led voicings.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TChord {
  int Root = 0;            // pitch class 0..11 (C = 0)
  int Bass = 0;            // pitch class of the lowest note (slash chords)
  std::vector<int> Tones;  // pitch classes, root first
};

// "C", "F#m", "Bb7", "Dm7", "Cmaj7", "Bdim", "Esus4", "Cadd9", "C6", "Caug",
// "C/E". False when the text is not such a symbol.
bool ParseChord(const std::string& text, TChord& chord);

struct TChordSpan {
  uint32_t Start = 0, End = 0;
  TChord Chord;
};

// Bars separated by '|', the chords of a bar by spaces and sharing the bar
// equally. Appends the spans from startTick on; bars gets the bar count.
bool ParseProgression(const std::string& text, uint32_t startTick, uint32_t barTicks,
                      std::vector<TChordSpan>& spans, int& bars, std::string& error);
// The span holding the tick (the last span when the tick is past the end).
const TChordSpan& ChordAt(const std::vector<TChordSpan>& spans, uint32_t tick);

int PitchClass(int key);
bool IsChordTone(int key, const TChord& chord);
// The key's scale with the chord's own alterations (a raised leading note
// under a dominant in minor), as sorted pitch classes.
std::vector<int> ScaleFor(int tonic, bool minor, const TChord& chord);
// The key moved by 'steps' degrees of the scale (a key off the scale first
// snaps to the nearest degree below).
int ScaleStep(int key, int steps, const std::vector<int>& scale);
// The chord tone nearest to the key inside [lo, hi]; ties go downwards.
int NearestChordTone(int key, const TChord& chord, int lo, int hi);
// The nearest key in [lo, hi] with the given pitch class.
int NearestWithClass(int key, int pitchClass, int lo, int hi);
// A close-position voicing of 'notes' keys inside [lo, hi], chosen to move as
// little as possible from the previous voicing (or to sit mid-range).
std::vector<int> Voicing(const TChord& chord, int lo, int hi, int notes,
                         const std::vector<int>& previous);
