// Measures of typing: correct letters, misses with the letter expected and the
// letter typed, the longest run without a miss and the time in play, all
// counted from frames and key events (a replay gives the same figures).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Typing letters are numbered 1..27: a..z and '-' (index 0 is unused).
inline constexpr int kRecordLetters = 28;
using TLetterCounts = std::array<uint32_t, kRecordLetters>;

// The letter number of 'a'..'z' / 'A'..'Z' / '-', or 0.
int RecordLetterIndex(char letter);
// The lower-case letter of a letter number 1..27 ('?' otherwise).
char RecordLetterChar(int index);

// One wrong key: the letter the target window wanted (0 when no window could
// take any letter, so nothing was expected) and the letter typed.
struct TMissEvent {
  int64_t Frame = 0;  // frames in play when it happened
  uint8_t Expected = 0;
  uint8_t Typed = 0;
};

struct TMeasures {
  int64_t Frames = 0;  // time in play, in 50-ms frames
  int64_t Correct = 0, Misses = 0, Words = 0;
  int64_t Streak = 0, LongestStreak = 0;
  // Per expected letter: times typed right, times missed.
  TLetterCounts Hits{}, Missed{};
  std::vector<TMissEvent> MissLog;
};

// Event hooks (letter numbers 1..27).
void NoteHit(TMeasures& m, int letter);
void NoteMiss(TMeasures& m, int expected, int typed);
void NoteWord(TMeasures& m);
void NoteFrameInPlay(TMeasures& m);
// Adds another run's counts (the miss log is not merged).
void AddMeasures(TMeasures& into, const TMeasures& m);

// Correct letters per second of play; 0 with no time.
double KeysPerSecond(int64_t correct, int64_t frames);
// Correct / (correct + misses) as a fraction 0..1; 1 when nothing was typed.
double Accuracy(int64_t correct, int64_t misses);

// The letters most often missed relative to how often they came up (hits +
// misses of that expected letter), worst first; only letters missed at least
// once. Ties: more misses first, then alphabetical order.
std::vector<int> WeakestKeys(const TLetterCounts& hits, const TLetterCounts& missed, size_t count);
// Letter numbers as upper-case keys: "K R T".
std::string LettersText(const std::vector<int>& letters, const char* separator = " ");

// A figure with a fixed number of decimals ("4.52"), for screens and JSON.
std::string FixedText(double v, int decimals);
// Letters as a JSON array of their names: ["s","a","-"].
std::string LettersJson(const std::vector<int>& letters);
