// Services the subsystems use from the world: drawing the stock surfaces,
// sounds, data and save paths, error notes and clearing the field.
#pragma once
#include <string>

#include "base/geometry.h"

struct Game;

void BlitStock(Game& g, TRect rect, int index, int opacity);
void BlitStockRect(Game& g, TRect destRect, TRect srcRect, int index, int opacity);
void LoadBackdropTile(Game& g, const std::string& name);
void PlaySoundThrottled(Game& g, const std::string& name, int frames);
// Plays a catalog sound when sound effects are on (not throttled).
void PlaySound(Game& g, const std::string& name);
void ResetFrameClock(Game& g);
// A data path under the data folder, e.g. DataPath(g, "dat/hiragana.txt");
// "dat/score.rnk" and "dat/clear.clr" name the files of the save folder.
std::string DataPath(const Game& g, const std::string& relative);
// A file of the player's save folder, e.g. SavePath(g, "score.rnk").
std::string SavePath(const Game& g, const std::string& name);
// Reports an error once per file: a note over the field for a few seconds and
// the platform's error output (never a blocking box); kept for the summary.
void ReportError(Game& g, const std::string& utf8);
// Drops the target, then the prompt windows (they refer to their enemies),
// then the enemies.
void ClearPlayObjects(Game& g);
