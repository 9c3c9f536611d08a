// Every screen rendered headless at scale 1 with the UI kit recording: each
// text's cells and lit pixels lie inside the frame it was drawn for, and no
// text pixel on the screen comes from anything but a recorded text. The
// pixels are found by running a twin game whose glyphs are blank (same
// advances, no ink) through the same steps: where the two screens differ,
// text was drawn.
#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <functional>
#include <map>

#include "base/sjis.h"
#include "main/ending_roll.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "main/name_entry.h"
#include "main/scenes.h"
#include "practice/practice.h"
#include "practice/practice_goal.h"
#include "records/records_screen.h"
#include "scene_test_util.h"
#include "world/scene_id.h"

namespace {

class BlankGlyphs : public IGlyphSource {
 public:
  explicit BlankGlyphs(IGlyphSource* real) : real_(real) {}
  const TGlyph& Glyph(char32_t code, int height) override {
    TGlyph& g = cache_[{code, height}];
    g.Advance = real_->Glyph(code, height).Advance;
    return g;
  }

 private:
  IGlyphSource* real_;
  std::map<std::pair<char32_t, int>, TGlyph> cache_;
};

bool Contains(TRect r, int x, int y) {
  return x >= r.Left && x < r.Right && y >= r.Top && y < r.Bottom;
}

std::string Describe(const TUiText& t) {
  char buf[160];
  std::snprintf(buf, sizeof buf, " cells %d,%d-%d,%d ink %d,%d-%d,%d frame %d,%d-%d,%d",
                t.Cells.Left, t.Cells.Top, t.Cells.Right, t.Cells.Bottom, t.Ink.Left, t.Ink.Top,
                t.Ink.Right, t.Ink.Bottom, t.Frame.Left, t.Frame.Top, t.Frame.Right,
                t.Frame.Bottom);
  return "\"" + SjisToUtf8(t.Sjis) + "\"" + buf;
}

using TStep = std::function<void(TestGame&)>;

class ScreensFit : public ::testing::Test {
 protected:
  void SetUp() override {
    real = MakeStartedGame(5);
    twin = MakeStartedGame(5);
    if (!real->Glyphs) GTEST_SKIP() << "no Japanese font installed";
    blank = std::make_unique<BlankGlyphs>(twin->G.Glyphs);
    twin->G.Glyphs = blank.get();
    SurfaceCanvas(twin->G.Screen).SetGlyphSource(blank.get());
    for (TestGame* t : {real.get(), twin.get()}) {
      std::string message;
      ASSERT_TRUE(t->G.Settings.Open(t->SaveDir + "/settings.ini", message));
    }
  }
  // Runs `step` on both games, then one frame recorded, and checks it.
  void Frame(const std::string& name, const TStep& step = {}) {
    if (step) {
      step(*real);
      step(*twin);
    }
    real->G.Ui.Recording = true;
    real->G.Ui.Texts.clear();
    StepFrame(*real);
    StepFrame(*twin);
    real->G.Ui.Recording = false;
    Check(name);
  }
  void Check(const std::string& name) {
    const auto& texts = real->G.Ui.Texts;
    EXPECT_FALSE(texts.empty()) << name << ": no text recorded";
    for (const TUiText& t : texts) EXPECT_TRUE(FitsFrame(t)) << name << ": " << Describe(t);
    const Surface& a = real->G.Screen;
    const Surface& b = twin->G.Screen;
    ASSERT_EQ(a.Pixels.size(), b.Pixels.size());
    int stray = 0, lit = 0;
    for (int y = 0; y < a.Height; ++y)
      for (int x = 0; x < a.Width; ++x) {
        if (a.At(x, y) == b.At(x, y)) continue;
        ++lit;
        bool owned = false;
        for (const TUiText& t : texts) owned = owned || Contains(t.Ink, x, y);
        for (const TRect& r : Exempt) owned = owned || Contains(r, x, y);
        if (!owned && ++stray <= 3)
          ADD_FAILURE() << name << ": text pixel at " << x << "," << y << " drawn outside the kit";
      }
    EXPECT_GT(lit, 0) << name << ": no text pixel on the screen";
  }
  Game& G() { return real->G; }
  static void Key(TestGame& t, int code) {
    DeliverKeyEvent(t.G, {code, true});
    StepFrame(t);
    DeliverKeyEvent(t.G, {code, false});
  }

  std::unique_ptr<TestGame> real, twin;
  std::unique_ptr<BlankGlyphs> blank;
  std::vector<TRect> Exempt;  // the field's own prompt windows, not the kit's
};

TEST_F(ScreensFit, TitleStageSelectRankingAndHowToPlay) {
  for (int c = 1; c <= 6; ++c)
    Frame("title " + std::to_string(c), [c](TestGame& t) { t.G.Cursor = c; });
  for (int s = 1; s <= 10; ++s)
    Frame("stage note " + std::to_string(s), [s](TestGame& t) {
      t.G.StageCount = 10;
      t.G.Cursor = 10 + s;
    });
  Frame("difficulty row", [](TestGame& t) {
    t.G.Difficulty.StageCursor = 16;
    t.G.Cursor = kDifficultyRow;
    t.G.Difficulty.Level = TDifficulty::Hard;
  });
  for (TDifficulty d : {TDifficulty::Easy, TDifficulty::Hard})
    Frame("ranking", [d](TestGame& t) {
      t.G.Scene = kSceneRanking;
      t.G.Difficulty.Level = d;
    });
  for (int page = 1; page <= 6; ++page)
    Frame("how to play " + std::to_string(page), [page](TestGame& t) {
      t.G.Scene = kSceneHowToPlay;
      t.G.Cursor = page;
    });
}

TEST_F(ScreensFit, SettingsWithEveryValue) {
  auto open = [](TestGame& t) {
    t.G.Scene = kSceneSettings;
    t.G.Scenes.SettingsRow = 0;
    t.G.MusicOn = 0;  // the volume rows' longest value: "100 F4:オフ"
    t.G.SoundOn = 0;
  };
  Frame("settings", open);
  for (int row = 0; row < 12; ++row) {
    // The scale steps one way to 8, the volumes to 100; the others cycle.
    for (int press = 0; press < 11; ++press)
      Frame("settings row " + std::to_string(row) + " press " + std::to_string(press),
            [row](TestGame& t) {
              t.G.Scenes.SettingsRow = row;
              t.G.ArrowKey = 2;
            });
  }
  Frame("settings back", [](TestGame& t) { t.G.Scenes.SettingsRow = 12; });
}

TEST_F(ScreensFit, PauseAndItsConfirmationAndTheDemoLabel) {
  auto intoPlay = [](TestGame& t) {
    t.G.Stage = 2;
    StartStage(t.G);
    for (int i = 0; i < 400 && !(t.G.Scene == kScenePlay && t.G.Scenes.CurtainState == 0); ++i)
      StepFrame(t);
    t.G.DemoPlaying = true;
  };
  intoPlay(*real);
  intoPlay(*twin);
  ASSERT_EQ(G().Scene, kScenePlay);
  // The field's prompt windows carry their own words.
  for (const auto& w : G().Typing.WindowList)
    if (w) Exempt.push_back(MakeRect(w->Left(), w->Top(), w->Right() + 1, w->Bottom() + 1));
  for (TestGame* t : {real.get(), twin.get()}) t->G.Typing.KeyQueue.clear();
  Frame("demo label", [](TestGame& t) { t.G.FrameNo = 0; });
  Exempt.clear();
  for (TestGame* t : {real.get(), twin.get()}) {
    t->G.DemoPlaying = false;
    DeliverKeyEvent(t->G, {vk::Tab, true});
    DeliverKeyEvent(t->G, {vk::Tab, false});
    StepFrame(*t);
  }
  ASSERT_EQ(G().Scene, kScenePausePanel);
  for (int c = 0; c < 3; ++c)
    Frame("pause " + std::to_string(c), [c](TestGame& t) { t.G.Pause.Cursor = c; });
  for (int c = 0; c < 2; ++c)
    Frame("pause confirm " + std::to_string(c), [c](TestGame& t) {
      t.G.Pause.Confirm = true;
      t.G.Pause.ConfirmCursor = c;
    });
}

TEST_F(ScreensFit, PracticeMenuWithLongAndBrokenLists) {
  for (TestGame* t : {real.get(), twin.get()}) {
    const std::string folder = OwnListFolder(t->G);
    std::filesystem::create_directories(folder);
    WriteBytes(folder + "/とても長い名前の自分の一覧ファイルで画面の幅には入りきらない.txt",
               {'a', ':', 0xE3, 0x81, 0x82, ';', '\n'});
    WriteBytes(folder + "/broken.txt", {'a', ':', 0x82, 0xA0, ';', '\n'});  // Shift-JIS
    std::string bad = "ok:おけ;\nno reading here\n:なし;\n単語:;\nx:ゃゃ;\n";
    WriteBytes(folder + "/some_bad_lines_and_a_very_long_file_name_too.txt",
               std::vector<uint8_t>(bad.begin(), bad.end()));
  }
  Frame("practice menu", [](TestGame& t) { OpenPracticeMenu(t.G); });
  const int lists = static_cast<int>(G().Practice.Lists.size());
  ASSERT_GE(lists, 12);
  bool refusedSeen = false;
  for (int i = 0; i < lists; ++i) {
    Frame("practice list " + std::to_string(i), [i](TestGame& t) { t.G.Practice.Cursor = i; });
    refusedSeen = refusedSeen || !G().Practice.Lists[i].Refusal.empty();
  }
  EXPECT_TRUE(refusedSeen);
  // Every goal's row on the menu.
  for (int k = 0; k < kPracticeGoals; ++k)
    Frame("practice goal " + std::to_string(k),
          [k](TestGame& t) { t.G.Practice.Goal = static_cast<TPracticeGoal>(k); });
  // A practice of the first list: its field and its result panel.
  for (TestGame* t : {real.get(), twin.get()}) {
    t->G.Practice.Cursor = 0;
    StartPractice(t->G, t->G.Practice.Lists[0]);
    StepFrames(*t, 30);
  }
  ASSERT_EQ(G().Scene, kScenePracticeField);
  for (const auto& w : G().Typing.WindowList)
    if (w) Exempt.push_back(MakeRect(w->Left(), w->Top(), w->Right() + 1, w->Bottom() + 1));
  Frame("practice field");
  Exempt.clear();
  for (TestGame* t : {real.get(), twin.get()}) Key(*t, vk::Escape);
  ASSERT_EQ(G().Scene, kScenePracticeResult);
  Frame("practice result");
}

TEST_F(ScreensFit, RecordsContinueAndTheResultRoll) {
  Frame("records empty", [](TestGame& t) {
    t.G.Records.Entries.clear();
    OpenRecordsScreen(t.G);
  });
  Frame("records full", [](TestGame& t) {
    for (int i = 0; i < 60; ++i) {
      TRecordEntry e;
      e.Stage = 1 + i % 9;
      e.Part = 1;
      e.Score = 99999999;
      e.Keys = 123456789;
      e.Misses = 1234567;
      e.Frames = 20 * 3600 * 999;
      e.TypeFrames = e.Keys * 20 / 15;  // 15 keys a second, a fast typist
      e.Streak = 99999;
      e.Words = 9999999;
      for (int k = 1; k <= 27; ++k) e.Hits[k] = 50, e.Missed[k] = k;
      t.G.Records.Entries.push_back(e);
    }
    OpenRecordsScreen(t.G);
  });
  // The troublesome words: none yet, then long words and many misses.
  Frame("records troublesome words, none", [](TestGame& t) {
    t.G.Records.Entries.clear();
    OpenRecordsScreen(t.G);
    t.G.ArrowKey = 2;
  });
  Frame("records troublesome words", [](TestGame& t) {
    TRecordEntry e;
    e.Kind = "practice";
    for (int k = 0; k < 24; ++k) {
      TWordMeasure w;
      w.Units = {"しゃ", "っ", "き", "ん", std::string(k % 2 ? "ぁ" : "ゎ")};
      w.Text = k % 3 ? "借金取り立て屋の長い長い名前" + std::to_string(k) : "ＷＷＷＷＷＷＷＷＷＷ";
      w.Romaji = "shakkinnxa";
      w.Reaction = 3;
      w.Time = 400 + k;
      w.Finished = true;
      w.Misses.push_back({1 + k % 4, 11, 10});
      e.WordLog.push_back(w);
    }
    for (int i = 0; i < 3; ++i) t.G.Records.Entries.push_back(e);
    OpenRecordsScreen(t.G);
    t.G.ArrowKey = 2;
  });
  Frame("continue", [](TestGame& t) {
    auto& s = t.G.Scenes;
    t.G.Scene = kSceneContinue;
    // The continue screen draws over what was there (the game over's field).
    FillSurface(t.G.Screen, 0);
    s.RankPos = 1;
    s.RankText1 = Sjis("得点") + "99999999pt";
    s.RankText2 = "1" + Sjis("位にランクイン！");
    TResultView& v = t.G.Records.PartResult;
    v.Valid = true;
    v.Stage = 9, v.Part = 3;
    v.M.Correct = 99999, v.M.Misses = 9999, v.M.Frames = 20 * 60 * 99;
    v.M.TypeFrames = 20 * 60 * 99, v.M.LongestStreak = 9999;
    v.Weak = {1, 2, 3};
    v.BestKps = v.BestAccuracy = v.BestStreak = v.BestScore = true;
  });
  // A name being typed there, of the widest letters.
  Frame("continue with a name", [](TestGame& t) {
    t.G.EntersNames = true;
    BeginNameEntry(t.G, 1, 99999999);
    t.G.Scenes.NameEntry.Typed = "WWWWWWWW";
  });
  for (int stage : {3, 10}) {
    for (TestGame* t : {real.get(), twin.get()}) {
      t->G.EntersNames = true;
      BeginNameEntry(t->G, 5, 23456789);
      t->G.Scenes.NameEntry.Typed = "MMMMMMMM";
      t->G.Stage = stage;
      t->G.Records.StageResult = t->G.Records.PartResult;
      BuildRoll(t->G, 12345678, 23456789, 1);
      t->G.Scene = kSceneEndingRoll;
      t->G.SpaceHeld = 1;
    }
    // Stages 1 to 9 open with a banner of their own.
    if (stage != 10) Frame("roll banner of stage " + std::to_string(stage));
    // The lines enter from below the screen, three pixels a frame.
    for (TestGame* t : {real.get(), twin.get()}) StepFrames(*t, 60);
    for (int k = 0; k < 12; ++k) {
      for (TestGame* t : {real.get(), twin.get()}) StepFrames(*t, 20);
      if (G().Scene != kSceneEndingRoll) break;
      Frame("roll of stage " + std::to_string(stage) + " at " + std::to_string(k));
    }
  }
}

}  // namespace
