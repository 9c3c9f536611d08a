// The shell's side of the player's settings: the toggles taken from them at
// the first frame, written back when a function key or the settings screen
// changes one, and the short on-screen note of F4 and F5.
#pragma once
#include <string>

#include "settings/settings.h"

struct Game;

// AlphaOn, FpsShow, MusicOn and SoundOn from the settings (the defaults give
// the flags the game always started with).
void TakeSettingsAtStart(Game& g);
// Keeps s as the player's settings and writes them; a failed write is
// reported once until a write succeeds again.
void StoreSettings(Game& g, const TSettings& s);
// The function keys' flags (F1, F3, F4, F5 and the full-screen state) into
// the settings.
void StoreToggles(Game& g);

// Shows a short note (UTF-8) in the corner for about a second and a half.
void ShowNote(Game& g, const std::string& utf8);
// Draws the note on the screen for this frame's presentation; the pixels under
// it are kept and put back by RestoreUnderNote after presenting, so scenes that
// draw only part of the screen never keep a stale note.
void DrawNote(Game& g);
void RestoreUnderNote(Game& g);
