// Prompt windows: word choice, sizes, following the enemy, the open/close
// animation and time-out.
#include "type_window/typing_fixture.h"

namespace {

TEST_F(TypingTest, SizesAreRoundedAndRowGapIsFixedOnce) {
  TEnemy& e = AddEnemy(200, 200, 20, 20, "random");
  TTypeWindow& w = Open(e, 5);
  EXPECT_EQ(w.CurrentRomaji.size(), 5u);
  EXPECT_TRUE(w.DisplayText.empty());
  EXPECT_EQ(w.Width, 100);  // 5 x 11 + 40 = 95
  EXPECT_EQ(w.Height, 70);  // 14 + 49 = 63
  EXPECT_EQ(g->Typing.RowGap, (70 - 10 - 12 - 14) / 3);
  EXPECT_GE(w.AnchorX, 0);
  EXPECT_LE(w.AnchorX, w.Width);
  EXPECT_GE(w.AnchorY, 0);
  EXPECT_LE(w.AnchorY, w.Height);

  // 20 bytes of display text: at least 20 x 6 + 40.
  UseWords(1, {"ああああああああああ:あ;"});
  g->Typing.LetterHeight = 30;
  TEnemy& e2 = AddEnemy(100, 100);
  TTypeWindow& w2 = Open(e2, 1);
  EXPECT_EQ(w2.CurrentRomaji, "A");
  EXPECT_EQ(w2.Width, 160);
  EXPECT_EQ(g->Typing.RowGap, 11);  // not recomputed
  EXPECT_EQ(w2.Mode, "normal");
}

TEST_F(TypingTest, NewWordsAvoidFirstLettersOfOpenWindows) {
  UseWords(2, {"柿:かき;", "猫:ねこ;", "長音:ーあ;"});
  TEnemy& e = AddEnemy(100, 100);
  TTypeWindow& a = Open(e, 2);
  TTypeWindow& b = Open(e, 2);
  // "-" always counts as taken, and か (K, C) and ね (N) exclude each other.
  EXPECT_NE(a.CurrentRomaji[0], '-');
  EXPECT_NE(b.CurrentRomaji[0], '-');
  EXPECT_NE(a.DisplayText, b.DisplayText);
  MarkTakenLetters(*g);
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber("K")], 0);
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber("C")], 0);
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber("N")], 0);
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber("S")], 1);
  EXPECT_EQ(g->Typing.TakenLetters[27], 0);
  // Closing windows free their letters; locked ones keep them.
  LockWindows(*g, &e, true);
  CloseWindow(*g, a);
  MarkTakenLetters(*g);
  EXPECT_TRUE(a.DisplayText.empty());
  const std::string stillTaken(1, b.CurrentRomaji[0]);
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber(stillTaken)], 0);
  const std::string freed = a.CurrentRomaji[0] == 'K' ? "K" : "N";
  EXPECT_EQ(g->Typing.TakenLetters[LetterNumber(freed)], 1);
  EXPECT_TRUE(b.Locked);
}

TEST_F(TypingTest, MissingOrOutOfRangeLevelsUseTheNearestList) {
  UseWords(2, {"猫:ねこ;"});
  UseWords(4, {"犬:いぬ;"});
  UseWords(7, {"鳥:とり;"});
  TEnemy& e = AddEnemy(100, 100);
  EXPECT_EQ(WordListForLevel(g->Typing, 3), 2);
  EXPECT_EQ(WordListForLevel(g->Typing, 0), 2);
  EXPECT_EQ(WordListForLevel(g->Typing, 12), 7);
  EXPECT_EQ(Open(e, 3).CurrentRomaji, "NEKO");
  EXPECT_EQ(Open(e, -5).CurrentRomaji, "NEKO");
  EXPECT_EQ(Open(e, 99).CurrentRomaji, "TORI");
  UseWords(2, {});
  UseWords(4, {});
  UseWords(7, {});
  EXPECT_EQ(WordListForLevel(g->Typing, 3), 0);
  // No words at all: still a typeable window of random letters.
  TTypeWindow& w = Open(e, 3);
  ASSERT_EQ(w.Word.Units.size(), 1u);
  ASSERT_EQ(w.Word.Units[0].Spellings.size(), 1u);
  EXPECT_FALSE(w.CurrentRomaji.empty());
  EXPECT_TRUE(w.DisplayText.empty());
}

TEST_F(TypingTest, UncuttableReadingShowsInTheCaption) {
  UseWords(1, {"謎:あ?か;"});
  TEnemy& e = AddEnemy(100, 100);
  TTypeWindow& w = Open(e, 1);
  EXPECT_EQ(g->Platform->Caption(), "あ?か");
  EXPECT_EQ(w.CurrentRomaji, "A");
}

TEST_F(TypingTest, WindowsAreClampedToTheField) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(0, 0);
  TTypeWindow& w = NewTypeWindow(*g, &e, -50, -30, 1, 0);
  w.Width = 100;
  FollowEnemy(*g, w);
  EXPECT_EQ(w.CenterX, 50);
  // Pushed onto the field, then below the score band at the top left.
  EXPECT_EQ(w.Top(), ScoreBand(*g).Bottom);
  EXPECT_EQ(w.Left(), 0);
  e.X = 420;
  e.Y = 390;
  w.OffsetX = 30;
  w.OffsetY = 0;
  FollowEnemy(*g, w);
  EXPECT_EQ(w.CenterX, 380);
  EXPECT_EQ(w.CenterY, 365);
  EXPECT_EQ(w.Right(), 430);
  EXPECT_EQ(w.Bottom(), 400);
  // Wider than the field: flush with the right edge.
  w.Width = 440;
  FollowEnemy(*g, w);
  EXPECT_EQ(w.Right(), 430);
  // Inside the field nothing moves.
  e.X = 200;
  e.Y = 200;
  w.Width = 100;
  w.OffsetX = 10;
  w.OffsetY = -60;
  FollowEnemy(*g, w);
  EXPECT_EQ(w.CenterX, 220);
  EXPECT_EQ(w.CenterY, 150);
}

TEST_F(TypingTest, OpensInSevenFramesAndTimesOutAtExactlyZero) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& timed = Open(e, 1, 3);
  TTypeWindow& endless = Open(e, 1, 0);
  for (int i = 1; i <= 6; ++i) {
    StepWindows(*g);
    EXPECT_EQ(timed.State, Opening);
    EXPECT_EQ(timed.AnimStep, i);
  }
  StepWindows(*g);  // becomes Active and counts its first frame
  EXPECT_EQ(timed.State, Active);
  EXPECT_EQ(timed.TimeLeft, 2);
  StepWindows(*g);
  EXPECT_EQ(timed.State, Active);
  StepWindows(*g);
  EXPECT_EQ(timed.State, Closing);
  EXPECT_EQ(timed.TimeLeft, 0);
  for (int i = 0; i < 40; ++i) StepWindows(*g);
  ASSERT_EQ(g->Typing.WindowList.size(), 1u);
  EXPECT_EQ(g->Typing.WindowList[0].get(), &endless);
  EXPECT_EQ(endless.State, Active);
  EXPECT_LT(endless.TimeLeft, 0);
}

TEST_F(TypingTest, ClosingShrinksFromTheCurrentStep) {
  UseWords(1, {"猫:ねこ;"});
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& early = Open(e, 1);
  for (int i = 0; i < 3; ++i) StepWindows(*g);
  CloseWindow(*g, early);
  StepWindows(*g);
  StepWindows(*g);
  ASSERT_EQ(g->Typing.WindowList.size(), 1u);
  EXPECT_EQ(early.AnimStep, 1);
  StepWindows(*g);
  EXPECT_TRUE(g->Typing.WindowList.empty());

  // Closed before its first frame: gone at once.
  TTypeWindow& instant = Open(e, 1);
  CloseWindow(*g, instant);
  StepWindows(*g);
  EXPECT_TRUE(g->Typing.WindowList.empty());

  // From Active: steps 6 down to 1 are shown, the seventh frame frees it.
  TTypeWindow& full = Open(e, 1);
  OpenFully();
  CloseWindow(*g, full);
  for (int i = 0; i < 6; ++i) StepWindows(*g);
  ASSERT_EQ(g->Typing.WindowList.size(), 1u);
  EXPECT_EQ(full.AnimStep, 1);
  StepWindows(*g);
  EXPECT_TRUE(g->Typing.WindowList.empty());
}

TEST_F(TypingTest, DrawingEveryModeStaysInsideTheWindow) {
  UseWords(1, {"猫:ねこ;"});
  const std::vector<std::string> modes = {"normal", "hidden", "random", "figure"};
  for (const auto& mode : modes) {
    ClearWindows(*g);
    TEnemy& e = AddEnemy(200, 250, 20, 20, mode);
    TTypeWindow& w = Open(e, 3, 50);
    OpenFully();
    FillSurface(g->Screen, 0);
    g->Typing.Target = &w;
    DrawTypeWindow(*g, w);
    // Something was drawn, and nothing above the window or right of it
    // (the enemy lies below it, so the connector line goes down).
    int drawn = 0, outside = 0;
    for (int y = 0; y < 400; ++y)
      for (int x = 0; x < 430; ++x) {
        if (g->Screen.At(x, y) == 0) continue;
        ++drawn;
        if (y < w.Top() || x >= w.Right() + 1) ++outside;
      }
    EXPECT_GT(drawn, 0) << mode;
    EXPECT_EQ(outside, 0) << mode;
    g->Typing.Target = nullptr;
  }
}

}  // namespace
