// The stage look: which piece each part plays and which backdrop the field
// shows, in the stages look and the classic one, and the flag over the setting.
#include <gtest/gtest.h>

#include <set>
#include <string>

#include "support/test_support.h"
#include "world/backdrop.h"
#include "world/stage_table.h"

namespace {

// The screen equals the 40 x 40 pattern tiled from its top left corner.
bool ScreenTiledWith(const Surface& screen, const TPictureItem& item, int pattern) {
  const TRect cell = item.Patterns.at(pattern);
  for (int y = 0; y < screen.Height; ++y)
    for (int x = 0; x < screen.Width; ++x)
      if (screen.At(x, y) != item.Picture.At(cell.Left + x % 40, cell.Top + y % 40)) return false;
  return true;
}

// Draws the field's backdrop at scroll 0 for the given terrain.
void DrawField(Game& g, const std::string& terrain, int index = 1) {
  g.Scenes.Terrain = terrain;
  g.Scenes.BgScroll = 0;  // one step on: offset 0, tiles from -40, -40
  DrawBackground(g, index, true);
}

void SetFlag(Game& g, TStageLook look) {
  g.Scenes.StageLookGiven = true;
  g.Scenes.StageLookFlag = look;
}

}  // namespace

TEST(StageLook, PartsPlayTheStagePieceAndTheRollKeepsItsOwn) {
  std::set<std::string> pieces;
  for (int stage = 1; stage <= 9; ++stage) {
    const std::string own = "stage" + std::to_string(stage);
    for (int part = 1; part <= PartsPerStage(stage); ++part) {
      ASSERT_NE(MusicName(stage, part, TStageLook::Stages), nullptr);
      EXPECT_EQ(MusicName(stage, part, TStageLook::Stages), own) << stage << "-" << part;
    }
    pieces.insert(MusicName(stage, 1, TStageLook::Stages));
    EXPECT_STREQ(MusicName(stage, 4, TStageLook::Stages), MusicName(stage, 4, TStageLook::Classic));
  }
  EXPECT_EQ(pieces.size(), 9u);
  // The classic look: the three shared pieces, the boss part's included.
  EXPECT_STREQ(MusicName(4, 1, TStageLook::Classic), "PSMAT526");
  EXPECT_STREQ(MusicName(4, 2, TStageLook::Classic), "city3");
  EXPECT_STREQ(MusicName(4, 3, TStageLook::Classic), "event9");
  EXPECT_STREQ(MusicName(4, 4, TStageLook::Classic), "A_030GMW");
  // The ending has no parts: its roll only, in either look.
  EXPECT_STREQ(MusicName(10, 4, TStageLook::Stages), "sense");
  EXPECT_STREQ(MusicName(10, 1, TStageLook::Stages), MusicName(10, 1, TStageLook::Classic));
  EXPECT_EQ(MusicName(0, 1, TStageLook::Stages), nullptr);
  EXPECT_EQ(MusicName(11, 4, TStageLook::Stages), nullptr);
  EXPECT_EQ(MusicName(3, 5, TStageLook::Stages), nullptr);
}

TEST(StageLook, TheFlagStandsOverTheSetting) {
  auto t = MakeTestGame();
  Game& g = t->G;
  EXPECT_EQ(StageLookOf(g), TStageLook::Stages);
  TSettings classic;
  classic.StageLook = TStageLook::Classic;
  std::string error;
  ASSERT_TRUE(g.Settings.Change(classic, error)) << error;
  EXPECT_EQ(StageLookOf(g), TStageLook::Classic);
  SetFlag(g, TStageLook::Stages);
  EXPECT_EQ(StageLookOf(g), TStageLook::Stages);
  g.Scenes.StageLookGiven = false;
  EXPECT_EQ(StageLookOf(g), TStageLook::Classic);
}

TEST(StageLook, TheFieldShowsTheTerrainOfItsScript) {
  auto t = MakeTestGame();
  Game& g = t->G;
  const TPictureItem& haikei = g.List.FindPicture("haikei");
  const char* terrains[] = {"blue", "grass", "sand", "night", "brick",
                            "sea",  "snow",  "lava", "metal"};
  std::set<uint32_t> tiles;
  for (const char* terrain : terrains) {
    const TPictureItem& own = g.List.FindPicture(std::string("haikei_") + terrain);
    ASSERT_EQ(own.PatternCount(), 1) << terrain;
    DrawField(g, terrain);
    EXPECT_TRUE(ScreenTiledWith(g.Screen, own, 0)) << terrain;
    // Each terrain is a picture of its own, unlike the others and "haikei".
    EXPECT_FALSE(ScreenTiledWith(g.Screen, haikei, BackdropPattern(1))) << terrain;
    uint32_t sum = 0;
    for (int y = 0; y < 40; ++y)
      for (int x = 0; x < 40; ++x) sum = sum * 31 + own.Picture.At(x, y);
    tiles.insert(sum);
  }
  EXPECT_EQ(tiles.size(), 9u);

  // The classic look, a terrain with no backdrop of its own (a try-out
  // script's own tile) and the menus all keep "haikei" in its pattern.
  SetFlag(g, TStageLook::Classic);
  DrawField(g, "grass", 2);
  EXPECT_TRUE(ScreenTiledWith(g.Screen, haikei, BackdropPattern(2)));
  SetFlag(g, TStageLook::Stages);
  DrawField(g, "moss", 2);
  EXPECT_TRUE(ScreenTiledWith(g.Screen, haikei, BackdropPattern(2)));
  g.Scenes.Terrain = "grass";
  g.Scenes.BgScroll = 0;
  DrawBackground(g, 1);
  EXPECT_TRUE(ScreenTiledWith(g.Screen, haikei, BackdropPattern(1)));
}

TEST(StageLook, TheScriptsTileNamesTheTerrain) {
  auto t = MakeTestGame();
  Game& g = t->G;
  LoadBackdropTile(g, "lava");
  EXPECT_EQ(g.Scenes.Terrain, "lava");
  // A name that is not a plain file name is refused and leaves the terrain.
  EXPECT_ANY_THROW(LoadBackdropTile(g, "../lava"));
  EXPECT_EQ(g.Scenes.Terrain, "lava");
}
