// Measures of typing: correct letters, misses with the letter expected and the
// letter typed, the longest run without a miss, the time in play, the time a
// word could be typed and per-word figures, all counted from frames and key
// events (a replay gives the same figures).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

// Typing letters are numbered 1..27: a..z and '-' (index 0 is unused).
inline constexpr int kRecordLetters = 28;
// The way speed is measured: 1 counted keys per second of play, 2 per second
// of typeable time. Bests compare only plays measured the same way.
inline constexpr int kMeasureVersion = 2;
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

// A miss made on a word: the unit of the word it fell in (0-based) and the
// letters expected (0: none) and typed.
struct TWordMiss {
  int Unit = 0;
  uint8_t Expected = 0, Typed = 0;
};

// One word a window showed once fully open. Times are in frames: reaction
// from the later of "window open" and "the previous word ended" to the first
// correct letter (-1: never typed), word time from the first to the last
// correct letter plus one frame (0: never typed).
struct TWordMeasure {
  std::vector<std::string> Units;  // the kana of each unit, UTF-8
  std::string Romaji;              // the spelling it ended with, lower case
  int64_t Reaction = -1, Time = 0;
  bool Finished = false;
  std::vector<TWordMiss> Misses;
  std::string Text;  // the word as the window showed it, UTF-8 (empty: not kept)
};

struct TMeasures {
  int64_t Frames = 0;      // time in play, in 50-ms frames (the stage's pace)
  int64_t TypeFrames = 0;  // typeable time: frames with an open, unlocked window
  int64_t Correct = 0, Misses = 0, Words = 0;
  int64_t Streak = 0, LongestStreak = 0;
  // Per expected letter: times typed right, times missed.
  TLetterCounts Hits{}, Missed{};
  std::vector<TMissEvent> MissLog;
  std::vector<TWordMeasure> WordLog;  // the part's words, in the order they ended
};

// Event hooks (letter numbers 1..27).
void NoteHit(TMeasures& m, int letter);
void NoteMiss(TMeasures& m, int expected, int typed);
void NoteWord(TMeasures& m);
void NoteFrameInPlay(TMeasures& m);
void NoteTypeableFrame(TMeasures& m);
// Adds another run's counts (the miss and word logs are not merged).
void AddMeasures(TMeasures& into, const TMeasures& m);

// Correct letters per second of the given frames; 0 with no time.
double KeysPerSecond(int64_t correct, int64_t frames);
// The typist's speed: correct letters per second of typeable time.
double TypingKps(const TMeasures& m);
// The stage's pace: correct letters per second in play.
double PaceKps(const TMeasures& m);
// Correct / (correct + misses) as a fraction 0..1; 1 when nothing was typed.
double Accuracy(int64_t correct, int64_t misses);

// A key is judged only once it came up (hits + misses) this many times: one
// miss in one try says nothing about the typist.
inline constexpr uint32_t kMinKeyEvidence = 10;
// The lower bound of the 95 % Wilson interval of a key's miss rate: a rate
// that many tries back up counts for more than the same rate from a few.
double MissRateLowerBound(uint32_t hits, uint32_t missed);
// The weakest letters, worst first: letters missed at least once that came
// up at least kMinKeyEvidence times, ranked by MissRateLowerBound. Ties:
// more misses first, then alphabetical order.
std::vector<int> WeakestKeys(const TLetterCounts& hits, const TLetterCounts& missed, size_t count);
// Letter numbers as upper-case keys: "K R T".
std::string LettersText(const std::vector<int>& letters, const char* separator = " ");

// A figure with a fixed number of decimals ("4.52"), for screens and JSON.
std::string FixedText(double v, int decimals);
// Letters as a JSON array of their names: ["s","a","-"].
std::string LettersJson(const std::vector<int>& letters);
