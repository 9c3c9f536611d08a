// Data errors during play: once per file, as a note over the bottom of the
// field that goes away after a few seconds, while the frames go on.
#include "world/error_note.h"

#include <gtest/gtest.h>

#include "main/form.h"
#include "support/test_support.h"

TEST(ErrorNote, KeyIsTheFileTheMessageNames) {
  EXPECT_EQ(ErrorKey("ファイル /g/bgm/city3.mid は開けません"), "/g/bgm/city3.mid");
  EXPECT_EQ(ErrorKey("/g/dat/3_stage2.lin:14: 'x' は整数ではありません"), "/g/dat/3_stage2.lin");
  EXPECT_EQ(ErrorKey("abc/Q.bmp:1: missing"), "abc/Q.bmp");
  EXPECT_EQ(ErrorKey("no file here"), "no file here");
}

TEST(ErrorNote, EachFileOnceOnScreenAndOnTheErrorOutput) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  const size_t before = t->Platform.Errors().size();
  ReportError(g, "ファイル /d/bgm/city3.mid は開けません");
  // The same file failing again at the next scene change, even in other words.
  ReportError(g, "/d/bgm/city3.mid は MIDI ファイルではありません");
  ReportError(g, "ファイル /d/bgm/city3.mid は開けません");
  EXPECT_EQ(t->Platform.Errors().size(), before + 1);
  ReportError(g, "ファイル /d/bgm/future.mid は開けません");
  EXPECT_EQ(t->Platform.Errors().size(), before + 2);
  EXPECT_EQ(g.LastError, "ファイル /d/bgm/future.mid は開けません");

  // The note covers the bottom strip for five seconds, then the screen is the
  // game's own again.
  FillSurface(g.Screen, 0xFFFF);
  DrawErrorNote(g);
  EXPECT_EQ(g.Screen.At(200, 398), 0);  // the dark strip
  bool text = false;
  for (int x = 0; x < 200 && !text; ++x)
    for (int y = 386; y < 398; ++y)
      if (g.Screen.At(x, y) != 0) text = true;
  EXPECT_TRUE(text);
  EXPECT_EQ(g.Screen.At(200, 300), 0xFFFF);  // the field above is left alone
  for (int i = 0; i < 120; ++i) DrawErrorNote(g);
  FillSurface(g.Screen, 0xFFFF);
  DrawErrorNote(g);
  EXPECT_EQ(g.Screen.At(200, 398), 0xFFFF);
}
