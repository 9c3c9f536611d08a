// The ranking screen: the five best scores of a difficulty with the names and
// dates kept beside them; Left/Right switch between the difficulties, the
// one in play first.
#include "main/ranking_scene.h"

#include <algorithm>

#include "base/sjis.h"
#include "media/draw_number.h"
#include "media/draw_txtline.h"
#include "media/ui_kit.h"
#include "world/backdrop.h"
#include "world/game.h"
#include "world/ranking_names.h"

namespace {

constexpr TDifficulty kLevels[] = {TDifficulty::Easy, TDifficulty::Normal, TDifficulty::Hard};
constexpr TRgb kNameColour{255, 255, 255}, kDateColour{176, 176, 200}, kLevelColour{255, 255, 160};

bool BackKeyHeld(const Game& g) {
  return g.Inputer.IsKeyDown(vk::Escape) || g.Inputer.IsKeyDown(vk::Backspace);
}

void DrawCentredX(Game& g, const char* name, int y) {
  const TPictureItem& item = g.List.FindPicture(name);
  DrawPattern(item, g.Screen, (430 - item.PictureWidth()) / 2, y, 0);
}

void ShowLevel(Game& g, TDifficulty level) {
  auto& v = g.Scenes.RankingView;
  v.Open = true;
  v.Level = level;
  TRankingTable table{};
  TRankingNames names;
  ReadRankingOf(g, level, table, names);
  v.Table = table;
  for (size_t i = 0; i < names.size(); ++i) {
    v.Names[i] = names[i].Name;
    v.Dates[i] = names[i].Date;
  }
}

int LevelIndex(TDifficulty level) {
  for (int i = 0; i < 3; ++i)
    if (kLevels[i] == level) return i;
  return 1;
}

}  // namespace

void SceneRanking(Game& g) {
  auto& v = g.Scenes.RankingView;
  if (!v.Open) ShowLevel(g, g.Difficulty.Level);
  const int shown = LevelIndex(v.Level);
  if (g.ArrowKey == 4 && shown > 0) ShowLevel(g, kLevels[shown - 1]);
  if (g.ArrowKey == 2 && shown < 2) ShowLevel(g, kLevels[shown + 1]);
  if (BackKeyHeld(g) || g.SpaceKey == 1) {
    v.Open = false;
    g.Scene = kSceneTitle;
    g.Cursor = 2;  // back on the ranking entry, as every screen of the menu
  }
  DrawBackground(g, 1);
  DrawCentredX(g, "hiscore", 60);
  DrawCentredX(g, "rank", 140);
  DrawCentredX(g, "setume", 340);
  const int at = LevelIndex(v.Level);
  const std::string label =
      std::string(at > 0 ? "← " : "　 ") + DifficultyLabel(v.Level) + (at < 2 ? " →" : " 　");
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  ui.TextCentred(118, label, kLevelColour);
  const TPictureItem& places = g.List.FindPicture("12345th");
  for (int i = 0; i < 5; ++i) {
    const int y = 170 + 30 * i;
    DrawPattern(places, g.Screen, 50, y, i);
    DrawDigitsWithUnit(g.List, g.Screen, "0123456789", "pt.", std::max(0, v.Table[i]), 105, y + 4,
                       1, 3);
    if (v.Names[i].empty()) continue;
    ui.TextSjis(250, y + 5, v.Names[i], kNameColour);
    ui.TextSjis(310, y + 5, v.Dates[i], kDateColour);
  }
}
