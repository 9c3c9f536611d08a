// One frame of play: the field, the HUD, the typing, the stage-end sequence
// and the check for an enemy that got through to the bottom.
#include "main/play_scene.h"

#include "alpha_object/alpha_object.h"
#include "enemy/enemy.h"
#include "main/game_over.h"
#include "main/scenes.h"
#include "script/script.h"
#include "type_window/type_window.h"
#include "world/backdrop.h"
#include "world/game.h"
#include "world/score.h"
#include "world/stage_table.h"

namespace {

bool NoEnemiesLeft(const Game& g) {
  for (const auto& e : g.Enemies.EnemyList)
    if (e) return false;
  return true;
}

// The boss's spawn sets ClearTimer to 1; from then on the part ends once the
// field is empty: the banner at 120, the sound at 121, the curtain at 230.
void StepStageEnd(Game& g) {
  if (g.ClearTimer == 1) g.ClearTimer = 100;
  if (g.ClearTimer >= 100 && NoEnemiesLeft(g)) g.ClearTimer += 1;
  if (g.ClearTimer == 120) {
    // Nothing is left to fight in the last part: the stage is won here.
    if (g.Part >= PartsPerStage(g.Stage)) KeepStageResult(g);
    const TPictureItem& item = g.List.FindPicture("stageclear");
    SpawnStillEffect(g, 0, (430 - item.PictureWidth()) / 2, 66, "stageclear", 0, 0, 11.5, -0.3, 0,
                     0, 2.5, 0, 200);
  }
  if (g.ClearTimer == 121) PlaySound(g, "guwawan");
  if (g.ClearTimer >= 230) {
    CloseCurtain(g);
    AddBombBonus(g);
    RecordsPartEnded(g, true);
  }
}

// The first enemy in list order whose picture reaches 8 pixels from the
// bottom edge ends the game.
void CheckBottom(Game& g) {
  for (const auto& e : g.Enemies.EnemyList) {
    if (!e) continue;
    if (e->Y + e->Height - 8 >= 400) {
      StartGameOver(g, *e);
      return;
    }
  }
}

}  // namespace

void ScenePlay(Game& g) {
  DrawBackground(g, g.Part, true);
  RunStageScript(g);
  MarkTakenLetters(g);
  UpdateEnemies(g);
  RecordsPlayFrame(g);
  DrawHud(g, 2, 4);
  UpdateTypeWindows(g);
  // Counts down to 0 and stays there (a counter running down for ever would
  // overflow in a long session).
  if (g.MissBlink > 0) g.MissBlink -= 1;
  if (g.MissBlink > 0 && g.MissBlink % 5 <= 2)
    DrawPattern(g.List.FindPicture("miss"), g.Screen, 171, 183, 0);
  UpdateEffects(g, g.AlphaOn != 0);
  StepStageEnd(g);
  // A part that has just ended has an empty field; the check only matters
  // while play goes on.
  if (g.Scene == kScenePlay) CheckBottom(g);
}
