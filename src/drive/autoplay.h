// The built-in player: reads the field as a person would (open windows, how
// low their enemies are), picks the most dangerous target and types its
// romaji at a set speed with a share of wrong keys; presses Space where the
// game waits for it and answers the continue screen. Used by --autoplay, the
// whole-game tests and the title's attract mode.
#pragma once
#include <cstdint>
#include <vector>

#include "base/random.h"
#include "media/keyboard.h"

struct Game;
class TTypeWindow;

struct TAutoplay {
  double KeysPerSecond = 6.0;
  int MissPercent = 0;
  int StageToPlay = 0;   // on the stage select: 0 = the first stage not cleared
  int MaxContinues = 3;  // then "no" on the continue screen
  TRandom Rng;           // the bot's own generator, so the game's stays untouched

  // Running state.
  double KeyCredit = 0;  // keys the speed allows but not yet pressed
  int Continues = 0;
  int EscapeFrames = 0;  // frames Escape is still held
  int WaitFrames = 0;    // reaction pause after a target was taken
  bool MenuSpaceHeld = false;
};

// Parses "KPS[:MISS]"; false when malformed.
bool ParseAutoplaySpec(const char* spec, TAutoplay& bot);
// Key events to deliver before the next frame runs.
std::vector<KeyEvent> AutoplayKeys(TAutoplay& bot, const Game& g);
