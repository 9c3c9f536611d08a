// The main window's key handlers: input flags for the frames, typed letters
// for the typing engine, and the function keys acted on at once.
#pragma once
#include "media/keyboard.h"

struct Game;

// Key handlers (virtual-key codes).
void drawnKeyDown(Game& g, int code);
void drawnKeyUp(Game& g, int code);
// F2: full screen on or off (the window keeps its scale for the way back).
void SetFullScreen(Game& g, bool on);
void EnterFullScreen(Game& g);
// One key event as the window receives it: the keyboard device's held state
// is updated and the matching handler runs; errors are reported.
void DeliverKeyEvent(Game& g, const KeyEvent& e);
