// Per-word figures while typing: which words the windows show, when each
// opened, its first and last correct letters and its misses, until the word
// is finished or its window goes.
#pragma once
#include <cstdint>
#include <vector>

#include "records/measures.h"

struct Game;
class TTypeWindow;

struct TWordTrack {
  const TTypeWindow* Window = nullptr;  // only compared, never read once gone
  int64_t OpenedAt = 0, FirstHit = -1, LastHit = -1;
  TWordMeasure M;
};

struct TWordTracking {
  int64_t Clock = 0;         // typing steps so far (one per play or practice frame)
  int64_t LastWordEnd = -1;  // the step the last word typed at ended
  std::vector<TWordTrack> Tracks;
};

// Once per typing frame, before its letters: ends the words whose windows
// went or began closing and starts those of windows now fully open. True
// when some window is open and not locked (the frame is typeable time).
bool StepWordTracks(Game& g, TMeasures& into);
// A correct letter or a miss on the engine's target window.
void WordHit(Game& g, bool wordDone, TMeasures& into);
void WordMiss(Game& g, int expected, int typed);
// Ends every word still shown (unfinished) into `into`.
void FlushWordTracks(Game& g, TMeasures& into);
// Forgets the words being tracked (a new part or practice begins).
void ResetWordTracks(Game& g);
