// The romanisation style of the guide (the romaji a window shows): Hepburn,
// Kunrei, or the player's own spellings learned kana by kana.
#pragma once
#include <map>
#include <string>

#include "settings/settings.h"

struct TGuideStyle {
  TRomajiStyle Kind = TRomajiStyle::Hepburn;
  // "mine": the spelling last typed for each kana unit (CP932 key). For "っ"
  // the value is a spelling of its own (XTU...) or kDoubledConsonant.
  std::map<std::string, std::string> Learned;
};

// The learned value of "っ" typed as the next consonant doubled.
inline constexpr const char* kDoubledConsonant = "double";

// The learned spellings as lines "kana=ROMAJI" (kana in UTF-8), sorted.
std::string FormatLearnedSpellings(const TGuideStyle& style);
// Reads such lines into style.Learned (replacing it). Lines that are empty,
// start with "#" or "[", or do not hold one kana unit and romaji of A-Z and
// "-" are skipped, so a damaged file costs only its damaged lines. Returns the
// number of lines skipped.
int ParseLearnedSpellings(const std::string& text, TGuideStyle& style);
