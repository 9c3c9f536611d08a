// The name typed for a score that entered the ranking: on the result roll of
// a cleared stage and on the continue screen. Letters, digits and "-" are
// typed into it (Backspace corrects); the Space or Enter that the screen
// already waits for confirms it, so scripts that only press Space go on as
// before. An empty entry keeps the last name used.
#pragma once
#include <cstdint>
#include <string>

struct Game;

// Opens the entry when a play that enters names put a score into the ranking
// (place 1..5); otherwise nothing happens.
void BeginNameEntry(Game& g, int place, int32_t score);
bool NameEntryOpen(const Game& g);
// A key going down while the entry is open: true when it was the entry's
// (a letter, a digit, "-" or Backspace).
bool NameEntryTakesKey(Game& g, int code);
// The name the entry gives now: the letters typed, or the last name used, or
// the stand-in name when there is none.
std::string NameEntryName(const Game& g);
// Keeps the name beside its score (and as the last name used) and closes the
// entry; nothing when it is not open.
void ConfirmNameEntry(Game& g);
// The entry's panel with its top-left corner at (x, y), 260 x 44 pixels.
void DrawNameEntry(Game& g, int x, int y);

// The name a ranking entry gets when the player never typed one.
inline constexpr const char* kStandInName = "NANASHI";
