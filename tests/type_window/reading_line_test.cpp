// The prompt window's view: the reading line (its room, what it hides, kana
// dimmed unit by unit), the romaji as a hint or off, and typed letters kept.
#include <algorithm>

#include "type_window/typing_fixture.h"
#include "type_window/window_units.h"
#include "world/window_view.h"

namespace {

class WindowViewTest : public TypingTest {
 protected:
  void View(bool reading, TRomajiDisplay romaji, TTypedLetters typed) {
    g->ViewFlags.Reading = reading;
    g->ViewFlags.Romaji = romaji;
    g->ViewFlags.Typed = typed;
  }
  // Pixels of the window's inner rows [top, bottom) that differ between two
  // drawings of the field.
  int Differing(const std::vector<uint16_t>& a, const std::vector<uint16_t>& b,
                const TTypeWindow& w, int top, int bottom) const {
    int n = 0;
    for (int y = std::max(top, 0); y < std::min(bottom, g->Screen.Height); ++y)
      for (int x = std::max(w.InnerLeft(), 0); x < std::min(w.InnerRight(), g->Screen.Width); ++x)
        n += a[static_cast<size_t>(y) * g->Screen.Width + x] !=
             b[static_cast<size_t>(y) * g->Screen.Width + x];
    return n;
  }
  std::vector<uint16_t> Draw(TTypeWindow& w) {
    w.DriftX = w.DriftY = 0;  // the target's tile drifts with each drawing
    FillSurface(g->Screen, 0);
    DrawTypeWindow(*g, w);
    return g->Screen.Pixels;
  }
  // Rows of the reading line.
  std::pair<int, int> ReadingRows(const TTypeWindow& w) const {
    const int top = w.InnerTop() + g->Typing.RowGap + 12;
    return {top, LetterRowTop(*g, w)};
  }
};

TEST_F(WindowViewTest, TheReadingLineTakesItsOwnRoomAndShowsOnlyForWordsNotInKana) {
  UseWords(1, {"鞄:かばん;"});
  UseWords(2, {"かばん:かばん;"});
  UseWords(3, {"カバン:かばん;"});
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& plain = Open(e, 1);
  View(true, TRomajiDisplay::Always, TTypedLetters::Vanish);
  TTypeWindow& kanji = Open(e, 1);
  TTypeWindow& hiragana = Open(e, 2);
  TTypeWindow& katakana = Open(e, 3);
  EXPECT_FALSE(plain.ShowsReading);
  EXPECT_TRUE(kanji.ShowsReading);
  EXPECT_EQ(kanji.Reading, Sjis("かばん"));
  EXPECT_FALSE(hiragana.ShowsReading);
  EXPECT_FALSE(katakana.ShowsReading);
  // Every window made with the line on has the same extra room, and the
  // letters move down by it.
  EXPECT_EQ(kanji.Height, plain.Height + kReadingLinePitch);
  EXPECT_EQ(hiragana.Height, kanji.Height);
  EXPECT_EQ(LetterRowTop(*g, kanji) - kanji.InnerTop(),
            LetterRowTop(*g, plain) - plain.InnerTop() + kReadingLinePitch);
  EXPECT_EQ((kanji.Height - 10) % 5, 0);  // whole edge pieces
}

TEST_F(WindowViewTest, TheReadingIsDrawnAndNeverUnderALockOrAHiddenGuide) {
  UseWords(1, {"鞄:かばん;"});
  View(true, TRomajiDisplay::Always, TTypedLetters::Vanish);
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  const auto [top, bottom] = ReadingRows(w);
  const auto shown = Draw(w);
  w.ShowsReading = false;
  const auto without = Draw(w);
  EXPECT_GT(Differing(shown, without, w, top, bottom), 20);  // the kana are there
  w.ShowsReading = true;
  w.Locked = 1;
  const auto locked = Draw(w);
  w.ShowsReading = false;
  EXPECT_EQ(Differing(locked, Draw(w), w, top, bottom), 0);  // nothing given away
  TEnemy& h = AddEnemy(100, 100, 20, 20, "hidden");
  EXPECT_FALSE(Open(h, 1).ShowsReading);
}

TEST_F(WindowViewTest, KanaDimUnitByUnitAndASingleNWaitsForTheNextLetter) {
  UseWords(1, {"今日:きょう;"});
  UseWords(2, {"本棚:ほんだな;"});
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& kyou = Open(e, 1);
  OpenFully();
  Queue("K");
  UpdateTypeWindows(*g);
  EXPECT_EQ(UnitsTyped(kyou), 0);
  Queue("Y");
  UpdateTypeWindows(*g);
  EXPECT_EQ(UnitsTyped(kyou), 0);
  Queue("O");
  UpdateTypeWindows(*g);
  EXPECT_EQ(UnitsTyped(kyou), 1);  // きょ at once
  CloseWindow(*g, kyou);
  ReleaseTarget(*g);
  TTypeWindow& hondana = Open(e, 2);
  OpenFully();
  Queue("HON");
  UpdateTypeWindows(*g);
  EXPECT_EQ(UnitsTyped(hondana), 1);  // ほ; ん waits: N could begin NN
  Queue("D");
  UpdateTypeWindows(*g);
  EXPECT_EQ(UnitsTyped(hondana), 2);
}

TEST_F(WindowViewTest, TheRomajiHintComesAfterAPauseOrAMissAndStays) {
  UseWords(1, {"鞄:かばん;"});
  UseWords(2, {"猫:ねこ;"});
  UseWords(3, {"柿:かき;"});
  View(true, TRomajiDisplay::Hint, TTypedLetters::Vanish);
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  EXPECT_FALSE(RomajiShown(*g, w));
  int frames = 0;
  while (!RomajiShown(*g, w) && frames < 100) {
    StepWindows(*g);
    ++frames;
  }
  EXPECT_EQ(frames, 29);  // 30 frames open: the first was the opening's last step

  // A correct letter starts the wait again; once shown the hint stays.
  TTypeWindow& neko = Open(e, 2);
  OpenFully();
  for (int i = 0; i < 20; ++i) StepWindows(*g);
  Queue("N");
  UpdateTypeWindows(*g);
  ASSERT_EQ(g->Typing.Target, &neko);
  for (int i = 0; i < 29; ++i) StepWindows(*g);
  EXPECT_FALSE(RomajiShown(*g, neko));
  StepWindows(*g);
  EXPECT_TRUE(RomajiShown(*g, neko));
  Queue("E");
  UpdateTypeWindows(*g);
  EXPECT_TRUE(RomajiShown(*g, neko));

  // A miss shows it at once.
  TTypeWindow& kaki = Open(e, 3);
  OpenFully();
  ReleaseTarget(*g);
  g->Typing.Target = &kaki;
  Queue("Q");
  UpdateTypeWindows(*g);
  EXPECT_TRUE(RomajiShown(*g, kaki));

  // Off: never for words; random letters still show, as all there is to type.
  View(true, TRomajiDisplay::Off, TTypedLetters::Vanish);
  EXPECT_FALSE(RomajiShown(*g, w));
  TEnemy& r = AddEnemy(50, 50, 20, 20, "random");
  EXPECT_TRUE(RomajiShown(*g, Open(r, 4)));
}

TEST_F(WindowViewTest, TypedLettersStayDimmedWhenKept) {
  UseWords(1, {"鞄:かばん;"});
  TEnemy& e = AddEnemy(200, 200);
  TTypeWindow& w = Open(e, 1);
  OpenFully();
  Queue("KA");
  UpdateTypeWindows(*g);
  ASSERT_EQ(w.Position, 3);
  const int step = LetterStep(g->Typing, static_cast<int>(w.CurrentRomaji.size()));
  const int left = LetterRowLeft(*g, w), top = LetterRowTop(*g, w);
  const int typedTo = left + 2 * step, restTo = left + 3 * step;
  auto brightest = [&](const std::vector<uint16_t>& px, int from, int to) {
    int best = 0;
    for (int y = top; y < top + g->Typing.LetterHeight; ++y)
      for (int x = from; x < to; ++x) {
        const uint16_t p = px[static_cast<size_t>(y) * g->Screen.Width + x];
        best = std::max(best, (p >> 11) + ((p >> 5) & 63) / 2 + (p & 31));
      }
    return best;
  };
  auto differing = [&](const std::vector<uint16_t>& a, const std::vector<uint16_t>& b, int from,
                       int to) {
    int n = 0;
    for (int y = top; y < top + g->Typing.LetterHeight; ++y)
      for (int x = from; x < to; ++x)
        n += a[static_cast<size_t>(y) * g->Screen.Width + x] !=
             b[static_cast<size_t>(y) * g->Screen.Width + x];
    return n;
  };
  View(false, TRomajiDisplay::Always, TTypedLetters::Vanish);
  const auto vanish = Draw(w);
  View(false, TRomajiDisplay::Always, TTypedLetters::Keep);
  const auto keep = Draw(w);
  w.Position = 1;  // the same letters drawn as still to type
  const auto untyped = Draw(w);
  w.Position = 3;
  EXPECT_GT(differing(vanish, keep, left, typedTo), 30);  // the typed letters are there
  EXPECT_EQ(differing(vanish, keep, typedTo, restTo), 0);
  EXPECT_LT(brightest(keep, left, typedTo) * 3, brightest(untyped, left, typedTo) * 2);
  // Kept letters show also where the romaji is off; the rest does not.
  View(false, TRomajiDisplay::Off, TTypedLetters::Keep);
  const auto offKeep = Draw(w);
  View(false, TRomajiDisplay::Off, TTypedLetters::Vanish);
  const auto offVanish = Draw(w);
  EXPECT_GT(differing(offKeep, offVanish, left, typedTo), 30);
  EXPECT_GT(differing(offVanish, vanish, typedTo, restTo), 30);  // the rest is hidden
}

}  // namespace
