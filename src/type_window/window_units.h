// Which kana unit of a prompt window's word a letter position falls in, so
// the records can tell the kana a miss was made on.
#pragma once
#include <cstddef>

#include "type_window/romaji_word.h"

class TTypeWindow;

// The unit whose spelling on path covers letter index at (0-based) of the
// path's romaji; an index past the end gives the last unit. -1 when the word
// has no units or the path does not fit it.
int UnitAtLetter(const TRomajiWord& word, const TRomajiPath& path, size_t at);
// The unit of the window's word at the letter it waits for (Position - 1).
int WindowUnitAtPosition(const TTypeWindow& w);
// The units of the window's word typed whole (the reading line dims them). A
// "ん" typed as one N counts once the next letter is in, as an input method
// commits it only then.
int UnitsTyped(const TTypeWindow& w);
