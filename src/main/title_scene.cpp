// The title menu with its stage select and its difficulty row.
#include "main/title_scene.h"

#include <algorithm>
#include <cmath>

#include "base/sjis.h"
#include "main/howto_scene.h"
#include "main/scenes.h"
#include "main/settings_scene.h"
#include "media/draw_number.h"
#include "media/ui_kit.h"
#include "practice/practice.h"
#include "records/records_screen.h"
#include "world/backdrop.h"
#include "world/game.h"
#include "world/stage_table.h"

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
// 4 practice, 5 settings, 6 how to play (after the others, so that the key
// paths to the first five stay as they were).
constexpr int kMenuEntries = 6;
constexpr int kMenuPitch = 22;  // the entries of "sentaku1" are this far apart
constexpr int kMenuLeft = 115, kMenuTop = 180;
// The rows of "sentaku1" kept: its heading and five entries; its key help
// gives way to the sixth entry and moves to the strip under the panel.
constexpr int kMenuPictureRows = 168;

// The key help on a strip under the panel, as the stage select's difficulty row.
void DrawHelpStrip(Game& g, const char* utf8) {
  const int y = 384;
  BlendFillArea(g.Screen, MakeRect(115, y - 3, 315, y + 15), TRgb{8, 14, 40}, 200);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(MakeRect(115, y - 3, 315, y + 15));
  ui.TextCentred(y, utf8, kMenuHelp);
}

void TitleMenu(Game& g) {
  const TPictureItem& menu = g.List.FindPicture("sentaku1");
  DrawPictureRows(menu, g.Screen, kMenuLeft, kMenuTop, 0, kMenuPictureRows);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(MakeRect(kMenuLeft, kMenuTop, kMenuLeft + 200, kMenuTop + 200));
  // Centred on the entries' column (x 44..180 of the picture), as they are.
  const int w = ui.Width("あそびかた") * 18 / 12;
  ui.Gradient(kMenuLeft + 112 - w / 2, kMenuTop + 57 + kMenuPitch * 5, "あそびかた", 18, kGoldTop,
              kGoldBottom, true);
  ui.Rule(kMenuTop + 191);
  DrawHelpStrip(g, "Space / Enter：けってい");
  DrawSelectionHand(g.Screen, g.List, 141, 241 + kMenuPitch * (g.Cursor - 1), g.FrameNo, 6);
  if (g.ArrowKey == 1 && g.Cursor > 1) g.Cursor -= 1;
  if (g.ArrowKey == 3 && g.Cursor < kMenuEntries) g.Cursor += 1;
  if (g.SpaceKey != 1) return;
  // Each screen opened here puts the cursor back on its own entry when it
  // closes, so the menu is as the player left it.
  if (g.Cursor == 4) {
    OpenPracticeMenu(g);
    g.Cursor = 4;
  } else if (g.Cursor == 1) {
    g.Cursor = 11;
    g.StageCount = AllNineCleared(g) ? 10 : 9;
  } else if (g.Cursor == 2) {
    g.Scene = kSceneRanking;
  } else if (g.Cursor == 3) {
    OpenRecordsScreen(g);
  } else if (g.Cursor == 5) {
    OpenSettingsScreen(g);
  } else if (g.Cursor == 6) {
    OpenHowToPlay(g);
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
  const TRect strip = MakeRect(115, y - 3, 315, y + 15);
  BlendFillArea(g.Screen, strip, TRgb{8, 14, 40}, 200);
  if (onRow) BlendFillArea(g.Screen, MakeRect(119, y - 2, 311, y + 14), TRgb{255, 160, 40}, 70);
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(strip);
  ui.Text(130, y, "難易度", TRgb{170, 190, 230});
  const TDifficulty d = g.Difficulty.Level;
  const std::string label = DifficultyLabel(d);
  const TRgb colour = d == TDifficulty::Easy   ? TRgb{140, 230, 140}
                      : d == TDifficulty::Hard ? TRgb{255, 120, 110}
                                               : TRgb{255, 255, 255};
  ui.Text(236 - ui.Width(label) / 2, y, label, colour);
  const TRgb arrows = onRow ? TRgb{255, 200, 80} : TRgb{90, 100, 130};
  if (d != TDifficulty::Easy) ui.Text(180, y, "←", arrows);
  if (d != TDifficulty::Hard) ui.Text(282, y, "→", arrows);
}

// Where the pause is, told before play starts (the panel of the pause itself
// names its keys too).
void DrawPauseHint(Game& g) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  const char* hint = "プレイ中は Tab か Pause キーで一時停止";
  const int width = ui.Width(hint);
  const int x = (430 - width) / 2, y = 158;
  const TRect strip = MakeRect(x - 8, y - 3, x + width + 8, y + 15);
  BlendFillArea(g.Screen, strip, TRgb{8, 14, 40}, 200);
  ui.SetFrame(strip);
  ui.Text(x, y, hint, TRgb{170, 190, 230});
}

// The chosen stage's note under the grid, its lines split at "<-" as the
// stage table writes them, each measured against the panel.
void DrawStageNote(Game& g, const std::string& sjis) {
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.SetFrame(MakeRect(kMenuLeft, kMenuTop, kMenuLeft + 200, kMenuTop + 200));
  const TRgb colour = SurfaceCanvas(g.Screen, g.Glyphs).FontColor;
  size_t start = 0;
  for (int line = 0; line < 15; ++line) {
    const size_t mark = sjis.find("<-", start);
    const std::string text = sjis.substr(start, mark == std::string::npos ? mark : mark - start);
    if (text == "end;") break;
    ui.TextSjis(128, 300 + 15 * line, text, colour);
    if (mark == std::string::npos) break;
    start = mark + 2;
  }
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
      DrawStageNote(g, StageNote(s));
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
