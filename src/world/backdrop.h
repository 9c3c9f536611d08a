// The scrolling backdrop behind the title, the menus and the field.
#pragma once

struct Game;

// Draws background index 0..3 over the whole screen and moves its scroll on.
void DrawBackground(Game& g, int index);
// The pattern of "haikei" behind background index 0..3.
int BackdropPattern(int index);
