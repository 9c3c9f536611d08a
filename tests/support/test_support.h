// Shared helpers of the test suites: a fresh game on the headless backend
// with the built-in catalogs and the generated runtime folder.
#pragma once
#include <memory>
#include <string>

#include "platform/freetype/freetype_glyphs.h"
#include "platform/headless/headless_platform.h"
#include "world/game.h"

struct TestGame {
  HeadlessPlatform Platform;
  HeadlessSoundDevice Sound{Platform};
  HeadlessMusicDevice MusicDevice{Platform};
  std::unique_ptr<FreeTypeGlyphSource> Glyphs;  // null when no font is installed
  Game G;
  std::string SaveDir;  // private copy of the ranking and cleared files, removed at the end
  ~TestGame();
};

// A game with platform, devices, catalogs and the glyph source attached, the
// data folder set to the generated runtime folder (the ranking and cleared
// files live in a private folder, starting absent), FormCreate and the
// drawing device initialised; InitGame not yet run (call RunFrame once for it).
std::unique_ptr<TestGame> MakeTestGame(const std::string& dataDir = MIRUTENA_GAME_DIR);
// A game after its first frame (InitGame done), seeded with the given seed.
std::unique_ptr<TestGame> MakeStartedGame(uint32_t seed = 1);
// Path under the generated runtime folder.
std::string GameDataPath(const std::string& relative);
// Moves the headless clock to the next frame's time and runs one idle
// notification, which then runs exactly one frame.
void StepFrame(TestGame& t);
void StepFrames(TestGame& t, int count);
