// The title menu with its stage select and its difficulty row.
#include "main/title_scene.h"

#include <algorithm>
#include <cmath>

#include "base/sjis.h"
#include "main/scenes.h"
#include "main/settings_scene.h"
#include "media/draw_number.h"
#include "media/draw_txtline.h"
#include "practice/practice.h"
#include "records/records_screen.h"
#include "world/backdrop.h"
#include "world/game.h"
#include "world/stage_table.h"
#include "media/ui_kit.h"

namespace {

bool BackKeyHeld(const Game& g) {
  return g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace);
}

bool AllNineCleared(const Game& g) {
  for (int s = 0; s < 9; ++s)
    if (g.Cleared[s] != 1) return false;
  return true;
}

// The title menu's entries by cursor value: 1 start, 2 ranking, 3 records,
// 4 practice, 5 settings.
constexpr int kMenuEntries = 5;
constexpr int kMenuPitch = 22;  // the entries of "sentaku1" are this far apart

void TitleMenu(Game& g) {
  DrawPattern(g.List.FindPicture("sentaku1"), g.Screen, 115, 180, 0);
  DrawSelectionHand(g.Screen, g.List, 141, 241 + kMenuPitch * (g.Cursor - 1), g.FrameNo, 6);
  if (g.ArrowKey == 1 && g.Cursor > 1) g.Cursor -= 1;
  if (g.ArrowKey == 3 && g.Cursor < kMenuEntries) g.Cursor += 1;
  if (g.SpaceKey != 1) return;
  if (g.Cursor == 4) {
    OpenPracticeMenu(g);
    g.Cursor = 4;
  } else if (g.Cursor == 1) {
    g.Cursor = 11;
    g.StageCount = AllNineCleared(g) ? 10 : 9;
  } else if (g.Cursor == 2) {
    g.Scene = kSceneRanking;
    g.Cursor = 1;
  } else if (g.Cursor == 3) {
    OpenRecordsScreen(g);
  } else if (g.Cursor == 5) {
    OpenSettingsScreen(g);
  }
}

void StepDifficulty(Game& g, int step) {
  int d = static_cast<int>(g.Difficulty.Level) + step;
  if (d < 0 || d > 2) return;
  ChooseDifficulty(g, static_cast<TDifficulty>(d));
}

// The difficulty row on a strip of its own under the stage panel (the notes
// of some stages fill the panel down to its last line): its own cursor row,
// reached by Down from the bottom row of stages; Left and Right change it there.
void DrawDifficultyRow(Game& g) {
  const bool onRow = g.Cursor == kDifficultyRow;
  const int y = 384;
  BlendFillArea(g.Screen, MakeRect(115, y - 3, 315, y + 15), TRgb{8, 14, 40}, 200);
  if (onRow) BlendFillArea(g.Screen, MakeRect(119, y - 2, 311, y + 14), TRgb{255, 160, 40}, 70);
  TextCanvas& canvas = SurfaceCanvas(g.Screen, g.Glyphs);
  TRgb old = canvas.FontColor;
  canvas.FontColor = TRgb{170, 190, 230};
  canvas.TextOut(130, y, Sjis("難易度"));
  const TDifficulty d = g.Difficulty.Level;
  const std::string label = Sjis(DifficultyLabel(d));
  const int x = 236 - static_cast<int>(label.size()) * 3;
  canvas.FontColor = d == TDifficulty::Easy   ? TRgb{140, 230, 140}
                     : d == TDifficulty::Hard ? TRgb{255, 120, 110}
                                              : TRgb{255, 255, 255};
  canvas.TextOut(x, y, label);
  canvas.FontColor = onRow ? TRgb{255, 200, 80} : TRgb{90, 100, 130};
  if (d != TDifficulty::Easy) canvas.TextOut(180, y, Sjis("←"));
  if (d != TDifficulty::Hard) canvas.TextOut(282, y, Sjis("→"));
  canvas.FontColor = old;
  ReleaseCanvas(g.Screen);
}

// Where the pause is, told before play starts (the panel of the pause itself
// names its keys too).
void DrawPauseHint(Game& g) {
  const std::string hint = Sjis("プレイ中は Tab か Pause キーで一時停止");
  const int width = static_cast<int>(hint.size()) * 6;  // 12-pixel font: 6 a byte
  const int x = (430 - width) / 2, y = 158;
  BlendFillArea(g.Screen, MakeRect(x - 8, y - 3, x + width + 8, y + 15), TRgb{8, 14, 40}, 200);
  TextCanvas& canvas = SurfaceCanvas(g.Screen, g.Glyphs);
  TRgb old = canvas.FontColor;
  canvas.FontColor = TRgb{170, 190, 230};
  canvas.TextOut(x, y, hint);
  canvas.FontColor = old;
  ReleaseCanvas(g.Screen);
}

void StageSelect(Game& g) {
  // Escape and Backspace are read as held keys, so they win over a space
  // pressed in the same frame.
  if (BackKeyHeld(g)) {
    g.Scene = kSceneTitle;
    g.Cursor = 1;
    return;
  }
  DrawPattern(g.List.FindPicture("sentaku2"), g.Screen, 115, 180, 0);
  const bool onRow = g.Cursor == kDifficultyRow;
  switch (g.ArrowKey) {
    case 1:
      if (onRow)
        g.Cursor = g.Difficulty.StageCursor;
      else if (g.Cursor > 15)
        g.Cursor -= 5;
      break;
    case 2:
      if (onRow)
        StepDifficulty(g, 1);
      else if (g.Cursor < g.StageCount + 10)
        g.Cursor += 1;
      break;
    case 3:
      // Down from the bottom row of stages reaches the difficulty row.
      if (onRow) break;
      if (g.Cursor < g.StageCount + 6) {
        g.Cursor += 5;
      } else if (g.Cursor > 15) {
        g.Difficulty.StageCursor = g.Cursor;
        g.Cursor = kDifficultyRow;
      }
      break;
    case 4:
      if (onRow)
        StepDifficulty(g, -1);
      else if (g.Cursor > 11)
        g.Cursor -= 1;
      break;
    default:
      break;
  }
  const int chosen = g.Cursor == kDifficultyRow ? g.Difficulty.StageCursor : g.Cursor;
  for (int s = 1; s <= g.StageCount; ++s) {
    int c = (s - 1) % 5, r = (s - 1) / 5;
    const char* digits = g.Cleared[s - 1] == 1 ? "num_0123456789_yellow" : "num_0123456789";
    DrawDigitsPadded(g.List, g.Screen, digits, s, 2, 150 + 30 * c, 225 + 40 * r, 1);
    if (chosen == 10 + s) {
      int cursorX = 141 + 30 * c + static_cast<int>(2 * std::sin(g.FrameNo / 3.0));
      DrawPattern(g.List.FindPicture("orange_cursor"), g.Screen, cursorX, 221 + 40 * r, 0);
      DrawTextLines(g.Screen, StageNote(s), 128, 300, 4);
    }
  }
  DrawDifficultyRow(g);
  DrawPauseHint(g);
  if (g.SpaceKey == 1) {
    g.Stage = chosen - 10;
    StartStage(g);
  }
}

}  // namespace

void SceneTitle(Game& g) {
  DrawBackground(g, 1);
  const TPictureItem& title = g.List.FindPicture("title");
  DrawPattern(title, g.Screen, (430 - title.PictureWidth()) / 2 + 5, 70, 0);
  BlendPattern(g.List.FindPicture("sen_black"), g.Screen, MakeRect(115, 180, 315, 380), 0, 100);
  if (g.Cursor < 10)
    TitleMenu(g);
  else
    StageSelect(g);
}
