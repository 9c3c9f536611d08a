// Typeable time (frames with an open, unlocked window) and the per-word
// figures the records keep: reaction, word time, misses and their kana.
#include <gtest/gtest.h>

#include "main/form_keys.h"
#include "main/scenes.h"
#include "records/measures.h"
#include "records/records.h"
#include "type_window/typing_fixture.h"

namespace {

class TypeableTest : public TypingTest {
 protected:
  // One frame of the typing engine with the given letters.
  void Frame(const std::string& letters = "") {
    Queue(letters);
    UpdateTypeWindows(*g);
  }
};

TEST_F(TypeableTest, OnlyOpenUnlockedWindowsMakeTypeableTime) {
  UseWords(1, {"蚊:か;"});
  RecordsPartStarted(*g);
  const TMeasures& m = g->Records.Live;
  for (int i = 0; i < 5; ++i) Frame();  // no window at all
  EXPECT_EQ(m.TypeFrames, 0);

  TEnemy& e = AddEnemy(50, 100);
  TTypeWindow& w = Open(e, 1);
  int growing = 0;
  while (w.State != Active && growing < 20) {
    Frame();
    if (w.State != Active) ++growing;
  }
  ASSERT_EQ(w.State, Active);
  EXPECT_GT(growing, 3);
  // Letters of the frame it opens in were typed while it was still growing.
  EXPECT_EQ(m.TypeFrames, 0);
  for (int i = 0; i < 4; ++i) Frame();
  EXPECT_EQ(m.TypeFrames, 4);

  LockWindows(*g, &e, true);
  for (int i = 0; i < 6; ++i) Frame();
  EXPECT_EQ(m.TypeFrames, 4) << "a locked window cannot be typed";
  // One locked and one open window: the frame counts once.
  TEnemy& other = AddEnemy(250, 100);
  Open(other, 1);
  for (int i = 0; i < 20; ++i) Frame();
  EXPECT_GT(m.TypeFrames, 4);
  EXPECT_LT(m.TypeFrames, 4 + 20);
  const int64_t before = m.TypeFrames;
  Frame();
  EXPECT_EQ(m.TypeFrames, before + 1);
  EXPECT_EQ(g->Records.RunTotal.TypeFrames, m.TypeFrames);
}

// A scripted part: the windows open in frame 0 and are seen open from frame
// 1; か is begun in frame 4 and done in 5; さけ waits, is begun three frames
// after か ended and has a miss on さ; いぬ is begun and then lost; ね is
// shown and never typed.
TEST_F(TypeableTest, ReactionAndWordTimePerWord) {
  UseWords(1, {"蚊:か;"});
  UseWords(2, {"鮭:さけ;"});
  UseWords(3, {"犬:いぬ;"});
  UseWords(4, {"根:ね;"});
  TEnemy& a = AddEnemy(20, 100);
  TEnemy& b = AddEnemy(120, 100);
  TEnemy& c = AddEnemy(220, 100);
  TEnemy& d = AddEnemy(320, 100);
  for (TEnemy* e : {&a, &b, &c, &d}) e->Life = 5;
  TTypeWindow& ka = Open(a, 1);
  Open(b, 2);
  TTypeWindow& inu = Open(c, 3);
  Open(d, 4);
  RecordsPartStarted(*g);
  while (ka.State != Active) Frame();  // frame 0: the windows open
  for (int i = 1; i <= 3; ++i) Frame();
  Frame("K");  // 4
  Frame("A");  // 5: か done
  Frame();
  Frame();
  Frame("S");  // 8
  Frame("X");  // 9: a miss on さ
  Frame("A");
  Frame("K");
  Frame("E");  // 12: さけ done
  Frame("I");  // 13: いぬ begun
  CloseWindow(*g, inu);
  Frame();  // 14: its window is closing
  g->Stage = 1;
  g->Part = 1;
  RecordsPartEnded(*g, false);

  const TMeasures& m = g->Records.Live;
  EXPECT_EQ(m.TypeFrames, 14);
  ASSERT_EQ(m.WordLog.size(), 4u);
  const TWordMeasure& w1 = m.WordLog[0];
  EXPECT_EQ(w1.Units, std::vector<std::string>{"か"});
  EXPECT_EQ(w1.Romaji, "ka");
  EXPECT_EQ(w1.Reaction, 3);
  EXPECT_EQ(w1.Time, 2);
  EXPECT_TRUE(w1.Finished);
  EXPECT_TRUE(w1.Misses.empty());

  const TWordMeasure& w2 = m.WordLog[1];
  EXPECT_EQ(w2.Units, (std::vector<std::string>{"さ", "け"}));
  EXPECT_EQ(w2.Reaction, 3) << "from the end of か, not from its own opening";
  EXPECT_EQ(w2.Time, 5);
  EXPECT_TRUE(w2.Finished);
  ASSERT_EQ(w2.Misses.size(), 1u);
  EXPECT_EQ(w2.Misses[0].Unit, 0);
  EXPECT_EQ(w2.Misses[0].Expected, RecordLetterIndex('a'));
  EXPECT_EQ(w2.Misses[0].Typed, RecordLetterIndex('x'));

  const TWordMeasure& w3 = m.WordLog[2];
  EXPECT_EQ(w3.Units, (std::vector<std::string>{"い", "ぬ"}));
  EXPECT_EQ(w3.Reaction, 1);
  EXPECT_EQ(w3.Time, 1);
  EXPECT_FALSE(w3.Finished);

  const TWordMeasure& w4 = m.WordLog[3];
  EXPECT_EQ(w4.Units, std::vector<std::string>{"ね"});
  EXPECT_EQ(w4.Romaji, "ne");
  EXPECT_EQ(w4.Reaction, -1);
  EXPECT_EQ(w4.Time, 0);
  EXPECT_FALSE(w4.Finished);
  EXPECT_EQ(m.Correct, 7);
  EXPECT_NEAR(TypingKps(m), 7 * 20.0 / 14, 1e-9);
}

// A miss on a later kana names that kana: きょう typed KYO then X.
TEST_F(TypeableTest, MissFallsInTheKanaBeingTyped) {
  UseWords(1, {"今日:きょう;"});
  TTypeWindow& w = Open(AddEnemy(50, 100), 1);
  RecordsPartStarted(*g);
  while (w.State != Active) Frame();
  Frame("K");
  Frame("Y");
  Frame("X");  // within きょ
  Frame("O");
  Frame("Z");  // where う is expected
  RecordsFlushWords(*g);
  ASSERT_EQ(g->Records.Live.WordLog.size(), 1u);
  const TWordMeasure& m = g->Records.Live.WordLog[0];
  ASSERT_EQ(m.Units, (std::vector<std::string>{"きょ", "う"}));
  ASSERT_EQ(m.Misses.size(), 2u);
  EXPECT_EQ(m.Misses[0].Unit, 0);
  EXPECT_EQ(m.Misses[1].Unit, 1);
  EXPECT_EQ(m.Misses[1].Expected, RecordLetterIndex('u'));
}

// The pause panel freezes the field: none of its frames is typeable time.
TEST(TypeableTime, PausedFramesDoNotCount) {
  auto t = MakeStartedGame(3);
  Game& g = t->G;
  g.Stage = 2;
  StartStage(g);
  auto open = [&] {
    for (const auto& w : g.Typing.WindowList)
      if (w && w->State == Active && !w->Locked) return true;
    return false;
  };
  for (int i = 0; i < 600 && !(g.Scene == kScenePlay && open()); ++i) StepFrame(*t);
  ASSERT_TRUE(open());
  int64_t before = g.Records.Live.TypeFrames;
  StepFrame(*t);
  EXPECT_EQ(g.Records.Live.TypeFrames, before + 1);
  DeliverKeyEvent(g, {vk::Tab, true});
  DeliverKeyEvent(g, {vk::Tab, false});
  StepFrame(*t);
  ASSERT_EQ(g.Scene, kScenePausePanel);
  before = g.Records.Live.TypeFrames;
  StepFrames(*t, 40);
  EXPECT_EQ(g.Scene, kScenePausePanel);
  EXPECT_EQ(g.Records.Live.TypeFrames, before);
}

}  // namespace
