// The shell's start-up, frame loop and window key handlers.
#pragma once
#include <cstdint>

struct Game;

// Window created: timing set up, flags on, Ready := 1.
void FormCreate(Game& g);
// The drawing device (re)initialised: stock surfaces made, sized, filled black
// and tiled with the default backdrop.
void drawnInitialize(Game& g);
void drawnRestoreSurface(Game& g);
// One idle notification: runs a frame when it is due, sleeps until shortly
// before the next one. Returns true when a frame ran.
bool MainEventIdle(Game& g);
void RunFrame(Game& g);
void InitGame(Game& g);
void SetFrameRate(Game& g, int rate);
int RoundHalfUp(double x);
// Window closing: frees the typing data, closes the music, writes clear.clr.
void FormClose(Game& g);
// Key handlers (virtual-key codes).
void drawnKeyDown(Game& g, int code);
void drawnKeyUp(Game& g, int code);
void EnterFullScreen(Game& g);
