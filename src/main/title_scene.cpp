// The title menu with its stage select, and the ranking screen.
#include <algorithm>
#include <cmath>

#include "main/game.h"
#include "main/scenes.h"
#include "media/draw_number.h"
#include "media/draw_txtline.h"

namespace {

bool BackKeyHeld(const Game& g) {
  return g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace);
}

bool AllNineCleared(const Game& g) {
  for (int s = 0; s < 9; ++s)
    if (g.Cleared[s] != 1) return false;
  return true;
}

void TitleMenu(Game& g) {
  DrawPattern(g.List.FindPicture("sentaku1"), g.Screen, 115, 180, 0);
  int handX = 141 + static_cast<int>(6 * std::sin(g.FrameNo / 3.0));
  DrawPattern(g.List.FindPicture("hand"), g.Screen, handX, 241 + 30 * (g.Cursor - 1), 0);
  if (g.ArrowKey == 1 && g.Cursor > 1) g.Cursor -= 1;
  if (g.ArrowKey == 3 && g.Cursor < 2) g.Cursor += 1;
  if (g.SpaceKey != 1) return;
  if (g.Cursor == 1) {
    g.Cursor = 11;
    g.StageCount = AllNineCleared(g) ? 10 : 9;
  } else if (g.Cursor == 2) {
    g.Scene = 40;
    g.Cursor = 1;
  }
}

void StageSelect(Game& g) {
  // Escape and Backspace are read as held keys, so they win over a space
  // pressed in the same frame.
  if (BackKeyHeld(g)) {
    g.Scene = 0;
    g.Cursor = 1;
    return;
  }
  DrawPattern(g.List.FindPicture("sentaku2"), g.Screen, 115, 180, 0);
  switch (g.ArrowKey) {
    case 1:
      if (g.Cursor > 15) g.Cursor -= 5;
      break;
    case 2:
      if (g.Cursor < g.StageCount + 10) g.Cursor += 1;
      break;
    case 3:
      if (g.Cursor < g.StageCount + 6) g.Cursor += 5;
      break;
    case 4:
      if (g.Cursor > 11) g.Cursor -= 1;
      break;
    default:
      break;
  }
  for (int s = 1; s <= g.StageCount; ++s) {
    int c = (s - 1) % 5, r = (s - 1) / 5;
    const char* digits = g.Cleared[s - 1] == 1 ? "num_0123456789_yellow" : "num_0123456789";
    DrawDigitsPadded(g.List, g.Screen, digits, s, 2, 150 + 30 * c, 225 + 40 * r, 1);
    if (g.Cursor == 10 + s) {
      int cursorX = 141 + 30 * c + static_cast<int>(2 * std::sin(g.FrameNo / 3.0));
      DrawPattern(g.List.FindPicture("orange_cursor"), g.Screen, cursorX, 221 + 40 * r, 0);
      DrawTextLines(g.Screen, StageNote(s), 128, 300, 4);
    }
  }
  if (g.SpaceKey == 1) {
    g.Stage = g.Cursor - 10;
    StartStage(g);
  }
}

void DrawCentredX(Game& g, const char* name, int y) {
  const TPictureItem& item = g.List.FindPicture(name);
  DrawPattern(item, g.Screen, (430 - item.PictureWidth()) / 2, y, 0);
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

void SceneRanking(Game& g) {
  if (BackKeyHeld(g) || g.SpaceKey == 1) {
    g.Scene = 0;
    g.Cursor = 1;
  }
  DrawBackground(g, 1);
  DrawCentredX(g, "hiscore", 60);
  DrawCentredX(g, "rank", 140);
  DrawCentredX(g, "setume", 340);
  const TPictureItem& places = g.List.FindPicture("12345th");
  for (int i = 0; i < 5; ++i) {
    DrawPattern(places, g.Screen, 120, 170 + 30 * i, i);
    DrawDigitsWithUnit(g.List, g.Screen, "0123456789", "pt.", std::max(0, g.Ranking[i]), 175,
                       174 + 30 * i, 1, 3);
  }
}
