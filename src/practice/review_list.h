// The 復習 practice list: the words the review schedule says are due today,
// then the words of the game's lists richest in the player's weakest kana
// units; when nothing is due, the weak-kana words alone.
#pragma once
#include <string>
#include <vector>

#include "practice/practice.h"

struct Game;

// --practice review.
inline constexpr const char* kReviewSpec = "review";

// The list as the practice menu offers it: named with the count of due words
// (or saying nothing is due), refused while the records hold no words.
TPracticeList ReviewList(Game& g);
// Words of the game's lists richest in the weakest kana units of the records,
// best first, at most `count` (CP932 "display:reading;").
std::vector<std::string> WeakKanaWords(Game& g, size_t count);
// The list's words as the text of an own word list (UTF-8 "word:reading;"
// lines), which a recording carries so that a replay types the same words.
std::string ReviewListText(const TPracticeList& list);
// --practice review becomes the list it gives today, carried as an own
// list's text, so that a recording of the run replays the same words; any
// other spec (and a review that cannot be played) is left as it is.
void FixReviewSpec(Game& g, std::string& spec);
