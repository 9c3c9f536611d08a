// The guide's romanisation style from the player's settings, and the spellings
// "mine" has learned, kept in a small file beside settings.ini.
#pragma once
#include <string>

#include "settings/settings.h"

struct Game;

// The file of learned spellings beside a settings file ("" when the settings
// are kept in memory only).
std::string LearnedSpellingsPath(const std::string& settingsPath);
// At start: the style from the settings and the learned spellings from their
// file (a missing or damaged file leaves what can be read; nothing is lost).
void TakeRomajiStyle(Game& g);
// The style chosen on the settings screen: kept in the settings and shown at
// once on every window not being typed.
void SetRomajiStyle(Game& g, TRomajiStyle style);
// Once per frame: follows a style changed in the settings, and writes the
// learned spellings when "mine" has learned something new.
void KeepRomajiStyle(Game& g);
