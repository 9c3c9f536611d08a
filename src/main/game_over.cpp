// The game over: black bands closing in on the enemy that got through, the
// growing and fading title over dripping blood, and the continue choice.
#include "main/game_over.h"

#include <cmath>
#include <string>

#include "base/sjis.h"
#include "enemy/enemy.h"
#include "main/name_entry.h"
#include "main/scenes.h"
#include "media/ui_kit.h"
#include "records/results_draw.h"
#include "world/game.h"
#include "world/saved_results.h"
#include "world/score.h"

namespace {

const TPictureItem& Pic(Game& g, const char* name) {
  return g.List.FindPicture(name);
}

void DrawCentred(Game& g, const char* name) {
  const TPictureItem& item = Pic(g, name);
  DrawPattern(item, g.Screen, (430 - item.PictureWidth()) / 2, (400 - item.PictureHeight()) / 2, 0);
}

}  // namespace

void StartGameOver(Game& g, const TEnemy& e) {
  TSceneState& s = g.Scenes;
  RecordsPartEnded(g, false);
  s.RankPos = InsertRanking(g);
  BeginNameEntry(g, s.RankPos, g.Score);
  s.RankText1.clear();
  s.RankText2.clear();
  if (s.RankPos > 0) {
    s.RankText1 = Sjis("得点") + std::to_string(g.Ranking[s.RankPos - 1]) + "pt";
    s.RankText2 = std::to_string(s.RankPos) + Sjis("位にランクイン！");
  }
  InitBlood(g);
  g.ContinueChoice = 0;
  g.Scene = kSceneGameOverClosing;
  g.GameOvers += 1;
  s.CloseLeft = 0;
  s.CloseTop = 0;
  s.CloseRight = 430;
  s.CloseBottom = 400;
  s.OverTimer = 50;
  double cx = EnemyCenterX(e), cy = EnemyCenterY(e);
  s.StepLeft = cx / 50;
  s.StepTop = cy / 50;
  s.StepRight = (430 - cx) / 50;
  s.StepBottom = (400 - cy) / 50;
  PlaySound(g, "GameOver1");
  PauseGameMusic(g);
}

// The last play frame stays on the screen while the bands close in.
void SceneGameOverClosing(Game& g) {
  TSceneState& s = g.Scenes;
  int top = static_cast<int>(s.CloseTop);
  FillArea(g.Screen, MakeRect(0, 0, 430, top), 0);
  FillArea(g.Screen, MakeRect(0, top, static_cast<int>(s.CloseLeft), 400), 0);
  FillArea(g.Screen, MakeRect(static_cast<int>(s.CloseRight), top, 430, 400), 0);
  s.OverTimer -= 1;
  s.CloseLeft += s.StepLeft;
  s.CloseTop += s.StepTop;
  s.CloseRight -= s.StepRight;
  s.CloseBottom -= s.StepBottom;
  if (s.OverTimer == 0) {
    g.Scene = kSceneGameOverTitle;
    const TPictureItem& over = Pic(g, "GameOver");
    int w = over.PictureWidth(), h = over.PictureHeight();
    s.CloseLeft = (430 - w) / 2;
    s.CloseTop = (400 - h) / 2;
    s.CloseRight = (430 + w) / 2;
    s.CloseBottom = (400 + h) / 2;
    s.Growth = 1.8;
    s.Opacity = 255;
    s.OpacityStep = 2.7;
    s.OverTimer = 110;
  }
}

void SceneGameOverTitle(Game& g) {
  TSceneState& s = g.Scenes;
  s.OverTimer -= 1;
  FillSurface(g.Screen, 0);
  if (s.OverTimer > 100) return;
  DrawBlood(g);
  DrawCentred(g, "GameOver2");
  TRect r = MakeRect(static_cast<int>(s.CloseLeft), static_cast<int>(s.CloseTop),
                     static_cast<int>(s.CloseRight), static_cast<int>(s.CloseBottom));
  BlendPattern(Pic(g, "GameOver"), g.Screen, r, 0, static_cast<int>(s.Opacity));
  if (s.OverTimer == 100) PlaySound(g, "GameOver2");
  s.CloseLeft -= s.Growth;
  s.CloseTop -= s.Growth;
  s.CloseRight += s.Growth;
  s.CloseBottom += s.Growth;
  s.Opacity -= s.OpacityStep;
  if (s.Opacity <= 0) s.Opacity = 0;
  if (s.OverTimer == 40) {
    g.Scene = kSceneContinue;
    for (auto& d : s.Drops) d.Speed = 10;
    ClearPlayObjects(g);
    if (g.MusicState == 255 && OpenAndPlayMusic(g, "PSMAT065")) g.MusicState = 0;
  }
}

// The screen is not cleared: the drops leave red streaks behind them.
void SceneContinue(Game& g) {
  TSceneState& s = g.Scenes;
  const TPictureItem& cont = Pic(g, "continue");
  const TPictureItem& over2 = Pic(g, "GameOver2");
  int left = (430 - cont.PictureWidth() - 30) / 2;
  int top = (400 - over2.PictureHeight()) / 2;
  DrawPattern(cont, g.Screen, left, top + 70, 0);
  DrawBlood(g);
  DrawCentred(g, "GameOver2");
  if (g.ArrowKey != 0) g.ContinueChoice = 1 - g.ContinueChoice;
  int handX = left + 8 + static_cast<int>(6 * std::sin(g.FrameNo / 5.0));
  DrawPattern(Pic(g, "hand"), g.Screen, handX, top + 75 + 36 * g.ContinueChoice, 0);
  if (s.RankPos > 0) {
    TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
    const TRgb colour = SurfaceCanvas(g.Screen).FontColor;
    ui.TextSjis(170, 90, s.RankText1, colour);
    ui.TextSjis(180, 120, s.RankText2, colour);
  }
  // The figures of the part that was lost, above the title, on a backing of
  // their own so that splashes and streaks stay behind them.
  if (g.Records.PartResult.Valid) {
    FillArea(g.Screen, MakeRect(9, 0, 421, 4 + kResultPanelHeight + 2), 0);
    DrawResultPanel(g, g.Records.PartResult, 15, 4);
  }
  FillArea(g.Screen, MakeRect(400, 385, 430, 400), 0);
  DrawNameEntry(g, 85, 336);
  if (g.SpaceKey != 1) return;
  // The Space that chooses also confirms the name.
  ConfirmNameEntry(g);
  if (g.ContinueChoice == 0) {
    // The same part again, from its start, with the run's score lost.
    g.Part -= 1;
    CloseCurtain(g);
    g.Score = 0;
    g.Rate = 0;
    ClearPlayObjects(g);
  } else {
    ReturnToTitle(g);
  }
}

void InitBlood(Game& g) {
  TSceneState& s = g.Scenes;
  for (auto& sp : s.Splashes) {
    sp.X = g.Rng.Random(379);
    sp.Y = g.Rng.Random(355);
    sp.Pattern = g.Rng.Random(2);
  }
  const TPictureItem& over2 = Pic(g, "GameOver2");
  int w0 = (430 - over2.PictureWidth()) / 2;
  int h0 = (400 - over2.PictureHeight()) / 2;
  const int start[13][2] = {{w0 + 2, h0 + 34},
                            {w0 + 71, h0 + 32},
                            {w0 + 102, h0 + 26},
                            {w0 + 156, h0 + 36},
                            {10, -30},
                            {100, -50},
                            {280, -20},
                            {400, -70},
                            {w0 + 184, h0 + 16},
                            {180, -160},
                            {361, -40},
                            {-2, -40},
                            {-2, -40}};
  for (int i = 0; i < 13; ++i) {
    TBloodDrop& d = s.Drops[i];
    d.X = start[i][0];
    d.StartY = start[i][1];
    d.CurrentY = d.StartY;
    d.Speed = 0;
  }
}

void DrawBlood(Game& g) {
  TSceneState& s = g.Scenes;
  const TPictureItem& blood = Pic(g, "blood");
  for (const auto& sp : s.Splashes)
    DrawPattern(blood, g.Screen, static_cast<int>(sp.X), static_cast<int>(sp.Y), sp.Pattern);
  const TPictureItem& point = Pic(g, "red_point");
  for (auto& d : s.Drops) {
    if (d.Speed <= 0) continue;
    DrawPattern(point, g.Screen, static_cast<int>(d.X), static_cast<int>(d.CurrentY), 0);
    if (d.CurrentY < 440) d.CurrentY += 1;
  }
}
