// Counting of typing measures and the weakest-key ranking.
#include "records/measures.h"

#include <algorithm>
#include <cmath>
#include <cstdio>

int RecordLetterIndex(char letter) {
  if (letter >= 'a' && letter <= 'z') return letter - 'a' + 1;
  if (letter >= 'A' && letter <= 'Z') return letter - 'A' + 1;
  if (letter == '-') return 27;
  return 0;
}

char RecordLetterChar(int index) {
  if (index >= 1 && index <= 26) return static_cast<char>('a' + index - 1);
  if (index == 27) return '-';
  return '?';
}

namespace {
bool ValidLetter(int n) {
  return n >= 1 && n <= 27;
}
}  // namespace

void NoteHit(TMeasures& m, int letter) {
  m.Correct += 1;
  m.Streak += 1;
  m.LongestStreak = std::max(m.LongestStreak, m.Streak);
  if (ValidLetter(letter)) m.Hits[letter] += 1;
}

void NoteMiss(TMeasures& m, int expected, int typed) {
  m.Misses += 1;
  m.Streak = 0;
  if (ValidLetter(expected)) m.Missed[expected] += 1;
  TMissEvent e;
  e.Frame = m.Frames;
  e.Expected = static_cast<uint8_t>(ValidLetter(expected) ? expected : 0);
  e.Typed = static_cast<uint8_t>(ValidLetter(typed) ? typed : 0);
  m.MissLog.push_back(e);
}

void NoteWord(TMeasures& m) {
  m.Words += 1;
}

void NoteFrameInPlay(TMeasures& m) {
  m.Frames += 1;
}

void NoteTypeableFrame(TMeasures& m) {
  m.TypeFrames += 1;
}

void AddMeasures(TMeasures& into, const TMeasures& m) {
  into.Frames += m.Frames;
  into.TypeFrames += m.TypeFrames;
  into.Correct += m.Correct;
  into.Misses += m.Misses;
  into.Words += m.Words;
  into.LongestStreak = std::max(into.LongestStreak, m.LongestStreak);
  for (int i = 0; i < kRecordLetters; ++i) {
    into.Hits[i] += m.Hits[i];
    into.Missed[i] += m.Missed[i];
  }
}

double KeysPerSecond(int64_t correct, int64_t frames) {
  if (frames <= 0) return 0;
  return static_cast<double>(correct) * 20.0 / static_cast<double>(frames);
}

double TypingKps(const TMeasures& m) {
  return KeysPerSecond(m.Correct, m.TypeFrames);
}

double PaceKps(const TMeasures& m) {
  return KeysPerSecond(m.Correct, m.Frames);
}

double Accuracy(int64_t correct, int64_t misses) {
  if (correct + misses <= 0) return 1.0;
  return static_cast<double>(correct) / static_cast<double>(correct + misses);
}

double MissRateLowerBound(uint32_t hits, uint32_t missed) {
  const double n = static_cast<double>(hits) + missed;
  if (n <= 0) return 0;
  constexpr double z = 1.96, z2 = z * z;
  const double p = missed / n;
  const double centre = p + z2 / (2 * n);
  const double spread = z * std::sqrt(p * (1 - p) / n + z2 / (4 * n * n));
  return std::max(0.0, (centre - spread) / (1 + z2 / n));
}

std::vector<int> WeakestKeys(const TLetterCounts& hits, const TLetterCounts& missed, size_t count) {
  std::vector<int> letters;
  std::array<double, kRecordLetters> bound{};
  for (int i = 1; i <= 27; ++i) {
    if (missed[i] == 0 || uint64_t{hits[i]} + missed[i] < kMinKeyEvidence) continue;
    letters.push_back(i);
    bound[i] = MissRateLowerBound(hits[i], missed[i]);
  }
  auto worse = [&](int a, int b) {
    if (bound[a] != bound[b]) return bound[a] > bound[b];
    if (missed[a] != missed[b]) return missed[a] > missed[b];
    return a < b;
  };
  std::sort(letters.begin(), letters.end(), worse);
  if (letters.size() > count) letters.resize(count);
  return letters;
}

std::string LettersText(const std::vector<int>& letters, const char* separator) {
  std::string out;
  for (size_t i = 0; i < letters.size(); ++i) {
    if (i > 0) out += separator;
    char c = RecordLetterChar(letters[i]);
    out += (c >= 'a' && c <= 'z') ? static_cast<char>(c - 'a' + 'A') : c;
  }
  return out;
}

std::string FixedText(double v, int decimals) {
  char buf[48];
  std::snprintf(buf, sizeof buf, "%.*f", decimals, v);
  return buf;
}

std::string LettersJson(const std::vector<int>& letters) {
  std::string out = "[";
  for (size_t i = 0; i < letters.size(); ++i) {
    if (i) out += ',';
    out += '"';
    out += RecordLetterChar(letters[i]);
    out += '"';
  }
  return out + "]";
}
