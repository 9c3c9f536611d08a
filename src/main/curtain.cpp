// The black curtain between parts (closing, holding, opening, with the part
// and ending banners), the curtain scene and the scrolling background.
#include "main/curtain.h"

#include <cmath>

#include "alpha_object/alpha_object.h"
#include "main/scenes.h"
#include "records/results_draw.h"
#include "world/game.h"
#include "world/stage_table.h"

namespace {

// Part banner, or the ending banner after the final part: still effects that
// fade in and out over the opening curtain.
void ShowBanner(Game& g) {
  if (!g.BannerPending) return;
  g.BannerPending = 0;
  if (g.LastPart) {
    // "ENDING" opens only the real ending; the result roll of the other
    // stages draws its own banner (ending_roll).
    if (g.Stage == 10)
      SpawnStillEffect(g, 0, 172, 187, "ending", 0, 150, 11, -0.3, 0, 0, 0, 0, 100);
  } else {
    SpawnStillEffect(g, 0, 178, 193, "stage", 0, 100, 11, -0.5, 0, 0, 0, 0, 100);
    SpawnStillEffect(g, 0, 241, 193, "0123456789", g.Part, 100, 11, -0.5, 0, 0, 0, 0, 100);
  }
}

void DrawPushSpace(Game& g) {
  const TPictureItem& item = g.List.FindPicture("push_space");
  DrawPattern(item, g.Screen, (430 - item.PictureWidth()) / 2, (400 - item.PictureHeight()) / 2, 0);
}

}  // namespace

// Waits for the closed curtain: the first part starts at once, a following
// part on a space press, and after the final part the result follows.
void SceneCurtain(Game& g) {
  if (g.Scenes.CurtainState != 3) return;
  int parts = PartsPerStage(g.Stage);
  if (g.SpaceKey == 1 || g.Part == 0 || g.Part == parts) {
    if (parts > g.Part)
      StartNextPart(g);
    else
      FinishStage(g);
  }
}

void StepCurtain(Game& g) {
  TSceneState& s = g.Scenes;
  if (s.CurtainState == 0) return;
  int h = static_cast<int>(s.CurtainPos);
  BlitStock(g, MakeRect(0, 0, 430, h), 0, 255);
  BlitStock(g, MakeRect(0, 400 - h, 430, 400), 0, 255);

  if (s.CurtainState >= 1 && s.CurtainState <= 3) {
    s.CurtainPos += s.CurtainSpeed;
    if (s.CurtainState == 1) {
      s.CurtainSpeed -= 0.09;
      if (s.CurtainPos > 180) {
        s.CurtainSpeed = 1.1;
        s.CurtainState = 2;
      }
    }
    if (s.CurtainState == 3 || s.CurtainPos >= 200) {
      FillSurface(g.Screen, 0);
      s.CurtainSpeed = 0;
      s.CurtainPos = 200;
      s.CurtainState = 3;
      if (g.Part >= 1 && g.Part < PartsPerStage(g.Stage)) {
        DrawPushSpace(g);
        // The figures of the part just finished, under the prompt.
        const TResultView& r = g.Records.PartResult;
        if (r.Valid && r.Stage == g.Stage && r.Part == g.Part)
          DrawResultPanel(g, r, (430 - kResultPanelWidth) / 2 + 8, 250);
      }
    }
  } else if (s.CurtainState <= -10) {
    // Held fully closed for 21 frames (the position is 201).
    if (s.CurtainState == -30)
      s.CurtainState = -1;
    else
      s.CurtainState -= 1;
  } else if (s.CurtainState < 0) {
    s.CurtainPos -= s.CurtainSpeed;
    if (s.CurtainState == -1 && s.CurtainPos <= 180) {
      s.CurtainState = -2;
      s.CurtainSpeed = 2.0;
      PlaySound(g, "bell");
      ShowBanner(g);
    }
    if (s.CurtainState == -2) s.CurtainSpeed += 1;
    if (s.CurtainPos < 0) s.CurtainState = 0;
  }
}
