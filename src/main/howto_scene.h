// あそびかた (how to play), opened from the title menu: a few pages turned
// with Left/Right (or Space/Enter), Escape back to the title menu.
#pragma once

struct Game;

void OpenHowToPlay(Game& g);
// The page shown is Game::Cursor (1..kHowToPlayPages) while in this scene.
void SceneHowToPlay(Game& g);
