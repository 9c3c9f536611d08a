// Data errors met during play: each shown once per file, as a short note over
// the field and on the platform's error output, while the game goes on.
#pragma once
#include <string>

struct Game;

// The file an error message names (a path under dat/, bgm/ or abc/), or the
// whole message when it names none: errors are shown once per such key.
std::string ErrorKey(const std::string& utf8);
// Draws the note of the last new error over the bottom of the screen while it
// lasts (called once per frame after the scene is drawn).
void DrawErrorNote(Game& g);
