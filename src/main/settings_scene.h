// The settings screen (設定, scene 70): volumes, translucency, frame rate,
// window scale, full screen, romanisation and difficulty, changed with the
// arrows and kept in the player's settings at once.
#pragma once

struct Game;

// From the title menu: the settings screen with its first row chosen.
void OpenSettingsScreen(Game& g);
void SceneSettings(Game& g);
