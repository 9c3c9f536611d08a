// The shell's services: stock-surface copies, the backdrop tile and data paths.
#include <gtest/gtest.h>

#include "base/game_error.h"
#include "support/test_support.h"

namespace {

constexpr uint16_t kRed = RgbTo565(255, 0, 0);
constexpr uint16_t kBlue = RgbTo565(0, 0, 255);

}  // namespace

TEST(FormServices, StockCopiesAndBlends) {
  auto t = MakeTestGame();
  Game& g = t->G;
  FillSurface(g.Screen, kBlue);
  FillSurface(g.StockSurface[1], kRed);
  g.StockSurface[1].At(10, 20) = 0;
  BlitStock(g, MakeRect(10, 20, 30, 40), 1, 255);
  EXPECT_EQ(g.Screen.At(10, 20), 0);  // no key colour: black is copied too
  EXPECT_EQ(g.Screen.At(29, 39), kRed);
  EXPECT_EQ(g.Screen.At(30, 40), kBlue);  // right and bottom are exclusive
  EXPECT_EQ(g.Screen.At(9, 20), kBlue);

  BlitStock(g, MakeRect(100, 100, 110, 110), 1, 128);
  TRgb mixed = Rgb565ToRgb(g.Screen.At(105, 105));
  EXPECT_GT(mixed.R, 100);
  EXPECT_LT(mixed.R, 155);
  EXPECT_GT(mixed.B, 100);
  EXPECT_LT(mixed.B, 155);

  // A separate source rectangle lands at the destination's corner, unscaled.
  FillSurface(g.Screen, kBlue);
  g.StockSurface[0].At(0, 0) = kRed;
  BlitStockRect(g, MakeRect(200, 300, 260, 350), MakeRect(0, 0, 4, 4), 0, 255);
  EXPECT_EQ(g.Screen.At(200, 300), kRed);
  EXPECT_EQ(g.Screen.At(201, 300), 0);
  EXPECT_EQ(g.Screen.At(204, 300), kBlue);
  // With an opacity the source is stretched over the destination.
  BlitStockRect(g, MakeRect(0, 0, 40, 40), MakeRect(0, 0, 1, 1), 0, 254);
  EXPECT_NE(g.Screen.At(39, 39), kBlue);

  // Indexes other than 0 and 1 copy nothing.
  FillSurface(g.Screen, kBlue);
  BlitStock(g, MakeRect(0, 0, 430, 400), 2, 255);
  BlitStockRect(g, MakeRect(0, 0, 430, 400), MakeRect(0, 0, 430, 400), -1, 255);
  EXPECT_EQ(g.Screen.At(200, 200), kBlue);
}

TEST(FormServices, TheBlackStockDrawsAsCopiesAndBlendsFromABlackSurface) {
  auto t = MakeTestGame();
  Game& g = t->G;
  Surface black(g.Screen.Width, g.Screen.Height);
  Surface want(g.Screen.Width, g.Screen.Height);
  const TRect rects[] = {MakeRect(10, 20, 230, 90), MakeRect(-15, 390, 40, 420),
                         MakeRect(420, -5, 470, 12), MakeRect(50, 50, 40, 60)};
  for (int opacity : {-1, 0, 1, 130, 150, 254, 255, 300}) {
    for (const TRect& r : rects) {
      for (size_t i = 0; i < g.Screen.Pixels.size(); ++i)
        g.Screen.Pixels[i] = want.Pixels[i] = static_cast<uint16_t>(i * 2654435761u >> 7);
      BlitStock(g, r, 0, opacity);
      if (opacity == 255)
        CopySurfaceRect(want, r.Left, r.Top, r, black, false);
      else
        BlendSurfaceRect(want, r, r, black, false, opacity);
      ASSERT_EQ(g.Screen.Pixels, want.Pixels) << "opacity " << opacity << " rect " << r.Left;
    }
  }
}

TEST(FormServices, BackdropTileCoversTheStockSurface) {
  auto t = MakeTestGame();
  Game& g = t->G;
  EXPECT_EQ(g.StockSurface[0].At(215, 200), 0);  // the black stock
  LoadBackdropTile(g, "sand");
  const TPictureItem& tile = g.List.FindPicture("blue_tile");
  ASSERT_GT(tile.PictureWidth(), 0);
  EXPECT_FALSE(tile.Transparent);
  int w = tile.PictureWidth(), h = tile.PictureHeight();
  const Surface& back = g.StockSurface[1];
  for (int y : {0, h - 1, 399})
    for (int x : {0, w + 3, 429}) EXPECT_EQ(back.At(x, y), tile.Picture.At(x % w, y % h));
}

TEST(FormServices, BackdropTileNamesStayInsideTheLetterFolder) {
  auto t = MakeTestGame();
  Game& g = t->G;
  FillSurface(g.StockSurface[1], kRed);
  EXPECT_THROW(LoadBackdropTile(g, "../abc/blue"), GameError);
  EXPECT_THROW(LoadBackdropTile(g, "..\\blue"), GameError);
  EXPECT_THROW(LoadBackdropTile(g, "nosuchtile"), GameError);
  EXPECT_EQ(g.StockSurface[1].At(0, 0), kRed);  // left as it was
}

TEST(FormServices, DataPathsAndTheSaveFolder) {
  auto t = MakeTestGame();
  Game g2;
  g2.DataDir = "/data/game/";
  EXPECT_EQ(DataPath(g2, "dat/dat1.lin"), "/data/game/dat/dat1.lin");
  EXPECT_EQ(DataPath(g2, "\\bgm\\event8.mid"), "/data/game/bgm/event8.mid");
  EXPECT_EQ(DataPath(g2, "dat/score.rnk"), "/data/game/dat/score.rnk");
  EXPECT_EQ(SavePath(g2, "records.txt"), "/data/game/dat/records.txt");
  g2.SaveFolder = "/save";
  EXPECT_EQ(DataPath(g2, "dat/score.rnk"), "/save/score.rnk");
  EXPECT_EQ(DataPath(g2, "\\dat\\clear.clr"), "/save/clear.clr");
  EXPECT_EQ(SavePath(g2, "records.txt"), "/save/records.txt");
  EXPECT_EQ(DataPath(g2, "dat/hiragana.txt"), "/data/game/dat/hiragana.txt");
  // Test games keep their files in a private folder.
  EXPECT_EQ(DataPath(t->G, "dat/clear.clr"), t->SaveDir + "/dat/clear.clr");
}
