// Wiring shared by the windowed and headless runs: the built-in catalogs, the
// font, the data folder and the start options applied after the first frame.
#pragma once
#include <memory>
#include <string>

#include "app/app_options.h"
#include "drive/input_source.h"
#include "media/text_canvas.h"
#include "world/game.h"

// A seed for a run given none: from the wall clock, so that runs differ.
uint32_t ClockSeed();
// Opens the player's settings file (none: the defaults, in memory). A damaged
// file is reported on stderr and rewritten sound; the game runs on regardless.
void OpenSettings(Game& g, const std::string& path);
// --stage-look for this run (empty: the setting); the settings file keeps its
// own choice.
void ApplyStageLook(Game& g, const std::string& flag);
// --reading, --romaji-display and --typed over the settings for this run.
void ApplyWindowView(Game& g, const AppOptions& o);
// Fills the picture and sound catalogs from the compiled-in blobs.
bool LoadCatalogs(Game& g, std::string& error);
// Finds the Japanese font and attaches it to the game, with our own pixel
// font over it for the ASCII of the 12 px text; glyphs keeps them alive.
bool AttachGlyphs(Game& g, std::unique_ptr<IGlyphSource>& glyphs, std::string& error);
// Creates the window's state and the drawing device (the start-up before the
// first frame); false with a message when the game cannot start.
bool CreateForm(Game& g, std::string& error);
// The local clock the saves date by: the system's, or a fixed date (--date,
// "YYYY-MM-DD", at noon) so that runs are repeatable.
void SetLocalClock(Game& g, const std::string& fixedDate);
// The built-in player of --autoplay KPS[:MISS], its choices seeded from the
// run's seed; false with a message when the text is not one.
bool MakeAutoplayInput(const std::string& spec, uint32_t seed, std::unique_ptr<AutoplayInput>& out,
                       std::string& error);
// --stage / --try-script, applied once the first frame has initialised the
// game: the stage starts as if chosen on the stage select.
void StartChosenStage(Game& g, int stage, const std::string& tryScript);
