// Chord symbols, progressions, scales and voicings for the piece generator.
#include "gen_audio/harmony.h"

#include <algorithm>
#include <climits>
#include <cstdlib>
#include <sstream>

namespace {

bool ParseNoteName(const std::string& text, size_t& at, int& pc) {
  const int letters[] = {9, 11, 0, 2, 4, 5, 7};  // A..G
  if (at >= text.size() || text[at] < 'A' || text[at] > 'G') return false;
  pc = letters[text[at] - 'A'];
  ++at;
  if (at < text.size() && (text[at] == '#' || text[at] == 'b')) {
    pc += text[at] == '#' ? 1 : -1;
    ++at;
  }
  pc = PitchClass(pc);
  return true;
}

struct TQuality {
  const char* Suffix;
  std::vector<int> Intervals;
};

}  // namespace

int PitchClass(int key) {
  return ((key % 12) + 12) % 12;
}

bool ParseChord(const std::string& text, TChord& chord) {
  // Longest suffixes first so "maj7" is not read as "m" + junk.
  const TQuality qualities[] = {
      {"maj7", {0, 4, 7, 11}}, {"dim7", {0, 3, 6, 9}}, {"sus4", {0, 5, 7}}, {"add9", {0, 4, 7, 2}},
      {"m7", {0, 3, 7, 10}},   {"dim", {0, 3, 6}},     {"aug", {0, 4, 8}},  {"m6", {0, 3, 7, 9}},
      {"m", {0, 3, 7}},        {"7", {0, 4, 7, 10}},   {"6", {0, 4, 7, 9}}, {"", {0, 4, 7}},
  };
  size_t at = 0;
  int root = 0;
  if (!ParseNoteName(text, at, root)) return false;
  size_t slash = text.find('/', at);
  std::string suffix = text.substr(at, slash == std::string::npos ? std::string::npos : slash - at);
  const TQuality* found = nullptr;
  for (const TQuality& q : qualities) {
    if (suffix == q.Suffix) {
      found = &q;
      break;
    }
  }
  if (!found) return false;
  int bass = root;
  if (slash != std::string::npos) {
    size_t b = slash + 1;
    if (!ParseNoteName(text, b, bass) || b != text.size()) return false;
  }
  chord.Root = root;
  chord.Bass = bass;
  chord.Tones.clear();
  for (int i : found->Intervals) chord.Tones.push_back(PitchClass(root + i));
  return true;
}

bool ParseProgression(const std::string& text, uint32_t startTick, uint32_t barTicks,
                      std::vector<TChordSpan>& spans, int& bars, std::string& error) {
  bars = 0;
  std::stringstream all(text);
  std::string bar;
  while (std::getline(all, bar, '|')) {
    std::stringstream words(bar);
    std::vector<TChord> chords;
    std::string word;
    while (words >> word) {
      TChord c;
      if (!ParseChord(word, c)) {
        error = "bad chord '" + word + "' in \"" + text + "\"";
        return false;
      }
      chords.push_back(c);
    }
    if (chords.empty() || barTicks % chords.size() != 0) {
      error = "bar " + std::to_string(bars + 1) + " of \"" + text + "\" cannot be divided";
      return false;
    }
    uint32_t each = barTicks / uint32_t(chords.size());
    uint32_t barStart = startTick + uint32_t(bars) * barTicks;
    for (size_t i = 0; i < chords.size(); ++i)
      spans.push_back(
          {barStart + uint32_t(i) * each, barStart + uint32_t(i + 1) * each, chords[i]});
    ++bars;
  }
  return bars > 0;
}

const TChordSpan& ChordAt(const std::vector<TChordSpan>& spans, uint32_t tick) {
  for (const TChordSpan& s : spans)
    if (tick >= s.Start && tick < s.End) return s;
  return spans.back();
}

bool IsChordTone(int key, const TChord& chord) {
  return std::find(chord.Tones.begin(), chord.Tones.end(), PitchClass(key)) != chord.Tones.end();
}

std::vector<int> ScaleFor(int tonic, bool minor, const TChord& chord) {
  const int majorSteps[] = {0, 2, 4, 5, 7, 9, 11};
  const int minorSteps[] = {0, 2, 3, 5, 7, 8, 10};
  std::vector<int> scale;  // degree order, tonic first
  for (int s : minor ? minorSteps : majorSteps) scale.push_back(PitchClass(tonic + s));
  auto root = std::find(scale.begin(), scale.end(), chord.Root);
  if (root != scale.end()) {
    // Each chord tone takes the degree it stands on counted from the root
    // (third = two degrees up, fifth = four, seventh = six), so E7 in A minor
    // raises G to G sharp and B7 raises D and F.
    const int degreesUp[12] = {0, 1, 1, 2, 2, 3, 4, 4, 4, 5, 6, 6};
    int at = int(root - scale.begin());
    for (int tone : chord.Tones) {
      int degree = (at + degreesUp[PitchClass(tone - chord.Root)]) % 7;
      scale[size_t(degree)] = tone;
    }
  } else {
    // A root foreign to the key: its tones replace the degrees a semitone away.
    for (int tone : chord.Tones) {
      if (std::find(scale.begin(), scale.end(), tone) != scale.end()) continue;
      for (int& degree : scale) {
        if (degree != PitchClass(tonic) &&
            (PitchClass(degree + 1) == tone || PitchClass(degree - 1) == tone)) {
          degree = tone;
          break;
        }
      }
    }
  }
  std::sort(scale.begin(), scale.end());
  scale.erase(std::unique(scale.begin(), scale.end()), scale.end());
  return scale;
}

int ScaleStep(int key, int steps, const std::vector<int>& scale) {
  auto inScale = [&](int k) {
    return std::find(scale.begin(), scale.end(), PitchClass(k)) != scale.end();
  };
  if (scale.empty()) return key;
  while (!inScale(key)) --key;
  for (; steps > 0; --steps) {
    do ++key;
    while (!inScale(key));
  }
  for (; steps < 0; ++steps) {
    do --key;
    while (!inScale(key));
  }
  return key;
}

int NearestWithClass(int key, int pitchClass, int lo, int hi) {
  int best = -1, bestDist = INT_MAX;
  for (int k = lo; k <= hi; ++k) {
    if (PitchClass(k) != PitchClass(pitchClass)) continue;
    int d = std::abs(k - key);
    if (d < bestDist) {
      best = k;
      bestDist = d;
    }
  }
  return best < 0 ? std::clamp(key, lo, hi) : best;
}

int NearestChordTone(int key, const TChord& chord, int lo, int hi) {
  int best = std::clamp(key, lo, hi), bestDist = INT_MAX;
  for (int k = lo; k <= hi; ++k) {
    if (!IsChordTone(k, chord)) continue;
    int d = std::abs(k - key);
    if (d < bestDist) {  // strict: the lower of two equal candidates stays
      best = k;
      bestDist = d;
    }
  }
  return best;
}

std::vector<int> Voicing(const TChord& chord, int lo, int hi, int notes,
                         const std::vector<int>& previous) {
  std::vector<int> best;
  long bestScore = LONG_MAX;
  int count = int(chord.Tones.size());
  for (int inversion = 0; inversion < count; ++inversion) {
    for (int base = lo; base <= hi; ++base) {
      if (PitchClass(base) != chord.Tones[size_t(inversion)]) continue;
      std::vector<int> v = {base};
      for (int i = 1; i < notes; ++i) {
        int pc = chord.Tones[size_t((inversion + i) % count)];
        int k = v.back() + 1;
        while (PitchClass(k) != pc) ++k;
        v.push_back(k);
      }
      if (v.back() > hi) continue;
      long score = 0;
      if (previous.size() == v.size()) {
        for (size_t i = 0; i < v.size(); ++i) score += std::abs(v[i] - previous[i]);
      } else {
        score = std::abs((v.front() + v.back()) - (lo + hi));
      }
      if (score < bestScore) {
        bestScore = score;
        best = v;
      }
    }
  }
  return best;
}
