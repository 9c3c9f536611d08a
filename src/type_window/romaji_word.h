// A word as the player types it: the units of its reading, each with every
// romaji the kana table accepts for it in its place, matched unit by unit.
// Whole-word candidates are never listed (their number is the product of the
// units' counts); a spelling is a path, one choice per unit.
#pragma once
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "type_window/kana_table.h"
#include "type_window/romaji_style.h"

struct TRomajiUnit {
  std::string Kana;                    // CP932 unit; empty for random letters
  std::vector<std::string> Spellings;  // accepted here, in the table's order
  bool SmallTsu = false;               // "っ": one-letter spellings double the next
  bool N = false;                      // "ん"
};

struct TRomajiWord {
  std::vector<TRomajiUnit> Units;
};

// One chosen spelling per unit (indexes into Spellings).
using TRomajiPath = std::vector<int>;

// The units of a cut reading. "っ" takes any first letter of the next unit's
// romaji that can be doubled (not a vowel or N; the last one first) ahead of
// its own romaji. A single N for "ん" and a doubled letter for "っ" are only
// matched before what an input method reads them with: N before a consonant
// other than N and Y or at the word's end, a doubled letter before a spelling
// that starts with it. The table is not changed.
TRomajiWord MakeRomajiWord(const TKanaTable& table, const std::vector<std::string>& units);
// A word of random letters: one unit with the letters as its only spelling.
TRomajiWord LettersWord(const std::string& letters);

std::string PathRomaji(const TRomajiWord& word, const TRomajiPath& path);
// The letters a spelling of the word can start with, in order of appearance.
std::string WordFirstLetters(const TRomajiWord& word);

// The spelling a window shows for the style: what an input method converts to
// the word (っ as the next consonant doubled, ん as NN before vowels, the
// y-row, the n-row and at the end), with the style's spelling of each kana.
TRomajiPath GuidePath(const TRomajiWord& word, const TGuideStyle& style);

// A path whose romaji begins with pattern. Where
// several fit, each unit takes prefer's choice first, then the style's, then
// the table's order; the units after the pattern keep prefer's choices, with
// "っ" and "ん" fitted again to what follows them and a unit after a doubled
// consonant starting with that consonant. False when no spelling fits.
bool FitPath(const TRomajiWord& word, const std::string& pattern, const TRomajiPath& prefer,
             const TGuideStyle& style, TRomajiPath& out);
// A path whose romaji is exactly typed (prefer's choices first); false when
// typed is no whole spelling of the word.
bool WholePath(const TRomajiWord& word, const std::string& typed, const TRomajiPath& prefer,
               TRomajiPath& out);

// The number of whole-word spellings (a double: it can pass any integer).
double SpellingCount(const TRomajiWord& word);
// Calls visit with every whole-word spelling in the game's order (the first
// unit's choice changing fastest), until visit returns false.
void ForEachSpelling(const TRomajiWord& word, const std::function<bool(const std::string&)>& visit);

// The rest of a word from letter position at (0-based) of path's spelling,
// every unit spelled as briefly as the table allows (a begun unit in a
// spelling that goes on from its letters typed): what a fast typist types.
std::string ShortestRest(const TRomajiWord& word, const TRomajiPath& path, size_t at);

// "mine": records the spelling of every unit of a finished path.
// Returns true when something changed. The last unit is skipped when it is
// "ん" (its single N may have been followed by an absorbed second N).
bool LearnSpellings(const TRomajiWord& word, const TRomajiPath& path, TGuideStyle& style);
