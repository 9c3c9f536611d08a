// The scrolling backdrop behind the title, the menus and the field.
#pragma once

struct Game;

// Draws background index 0..3 over the whole screen and moves its scroll on.
// With terrain set and the stages look, the field shows the built-in
// "haikei_<terrain>" of the running script (scrolled as the index says);
// a terrain without one keeps "haikei".
void DrawBackground(Game& g, int index, bool terrain = false);
// The pattern of "haikei" behind background index 0..3.
int BackdropPattern(int index);
