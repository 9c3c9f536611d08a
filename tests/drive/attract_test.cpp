// The title's attract mode driven frame by frame on the headless backend: when
// the demo starts, what a real key does to it, and that the player's ranking
// and cleared stages come through a demo unchanged.
#include "drive/attract.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "support/test_support.h"
#include "world/stage_table.h"

namespace {

namespace fs = std::filesystem;

std::string ReadBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

void WriteBytes(const std::string& path, const std::string& bytes) {
  std::ofstream out(path, std::ios::binary);
  out << bytes;
}

// Ranking 500, 400, 300, 200, 100 and stage 2 cleared.
std::string RankingBytes() {
  std::string s;
  for (int v : {500, 400, 300, 200, 100})
    for (int b = 0; b < 4; ++b) s.push_back(static_cast<char>((v >> (8 * b)) & 0xFF));
  return s;
}
std::string ClearedBytes() {
  std::string s(20, '\0');
  s[1] = 1;
  return s;
}

class AttractTest : public ::testing::Test {
 protected:
  void SetUp() override {
    t = MakeTestGame();
    WriteBytes(t->SaveDir + "/dat/score.rnk", RankingBytes());
    WriteBytes(t->SaveDir + "/dat/clear.clr", ClearedBytes());
    G().Seed = 11;
    G().SeedGiven = true;
    RunFrame(G());  // start-up: reads the two files
    scratch = t->SaveDir + "-scratch";
    fs::create_directories(scratch + "/dat");
  }
  void TearDown() override {
    std::error_code ec;
    fs::remove_all(scratch, ec);
  }
  Game& G() { return t->G; }
  std::unique_ptr<AttractMode> Make(int idleFrames = 300, bool withScratch = true) {
    TAttractSettings s;
    s.IdleFrames = idleFrames;
    if (withScratch) s.ScratchSaveFolder = scratch + "/dat";
    return std::make_unique<AttractMode>(G(), s);
  }
  // One frame: the demo's keys first, as the window loop delivers them.
  void Frame(AttractMode& a) {
    std::vector<KeyEvent> keys;
    a.KeysBefore(++frame, G(), keys);
    for (const KeyEvent& k : keys) DeliverKeyEvent(G(), k);
    StepFrame(*t);
  }
  void Frames(AttractMode& a, int n) {
    for (int i = 0; i < n; ++i) Frame(a);
  }
  // A real key; true when the demo swallowed it, else it reached the game.
  bool Real(AttractMode& a, int code, bool down) {
    KeyEvent e{code, down};
    if (a.RealKey(e)) return true;
    DeliverKeyEvent(G(), e);
    return false;
  }
  // Runs frames until the predicate holds; false after the limit.
  template <typename P>
  bool RunUntil(AttractMode& a, P done, int limit) {
    for (int i = 0; i < limit; ++i) {
      if (done()) return true;
      Frame(a);
    }
    return done();
  }
  void ExpectPlayerStateBack() {
    EXPECT_EQ(G().SaveFolder, t->SaveDir + "/dat");
    EXPECT_EQ(G().Ranking, (std::array<int32_t, 5>{500, 400, 300, 200, 100}));
    EXPECT_EQ(G().Cleared[1], 1);
    EXPECT_EQ(G().Cleared[0], 0);
    EXPECT_TRUE(G().StagesCleared.empty());
    EXPECT_EQ(ReadBytes(t->SaveDir + "/dat/score.rnk"), RankingBytes());
    EXPECT_EQ(ReadBytes(t->SaveDir + "/dat/clear.clr"), ClearedBytes());
  }

  std::unique_ptr<TestGame> t;
  std::string scratch;
  int64_t frame = 1;
};

TEST_F(AttractTest, StartsAfterTheIdleFramesOnTheTitleMenuOnly) {
  auto a = Make(300);
  Frames(*a, 299);
  EXPECT_EQ(a->Phase(), AttractMode::TPhase::Idle);
  EXPECT_EQ(G().Scene, 0);
  Frame(*a);
  EXPECT_TRUE(a->Playing());
  EXPECT_EQ(G().SaveFolder, scratch + "/dat");
  // The demo picks one of the first three stages and starts it.
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10; }, 300));
  EXPECT_GE(G().Stage, 1);
  EXPECT_LE(G().Stage, 3);
}

TEST_F(AttractTest, AKeyPressRestartsTheIdleCount) {
  auto a = Make(300);
  Frames(*a, 200);
  EXPECT_EQ(a->IdleCount(), 200);
  // Keys on the idle title reach the game.
  EXPECT_FALSE(Real(*a, vk::Down, true));
  EXPECT_FALSE(Real(*a, vk::Down, false));
  Frame(*a);
  EXPECT_EQ(G().Cursor, 2);
  EXPECT_FALSE(Real(*a, vk::Up, true));
  EXPECT_FALSE(Real(*a, vk::Up, false));
  Frames(*a, 298);
  EXPECT_EQ(a->Phase(), AttractMode::TPhase::Idle);
  Frames(*a, 2);
  EXPECT_TRUE(a->Playing());
}

TEST_F(AttractTest, NoDemoOffTheTitleMenuOrWithoutAScratchFolder) {
  auto a = Make(50);
  G().Cursor = 11;  // the stage select is not the idle title
  Frames(*a, 120);
  EXPECT_EQ(a->Phase(), AttractMode::TPhase::Idle);
  EXPECT_EQ(a->IdleCount(), 0);

  G().Cursor = 1;
  auto none = Make(50, false);
  for (int i = 0; i < 120; ++i) {
    std::vector<KeyEvent> keys;
    none->KeysBefore(++frame, G(), keys);
    EXPECT_TRUE(keys.empty());
    StepFrame(*t);
  }
  EXPECT_EQ(none->Phase(), AttractMode::TPhase::Idle);
  EXPECT_EQ(G().SaveFolder, t->SaveDir + "/dat");
}

TEST_F(AttractTest, AWholeDemoLeavesRankingAndClearedStagesAlone) {
  auto a = Make(20);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return a->Playing(); }, 40));
  // Played to its end: a stage cleared, or lost with no continue.
  bool ranked = false;
  ASSERT_TRUE(RunUntil(
      *a,
      [&] {
        ranked = ranked || G().Ranking[4] != 100;
        return !a->Playing();
      },
      40000));
  EXPECT_TRUE(ranked) << "the demo never reached the ranking";
  EXPECT_EQ(G().Scene, 0);
  // What the demo saved went to the scratch folder.
  EXPECT_EQ(ReadBytes(scratch + "/dat/score.rnk").size(), 20u);
  ExpectPlayerStateBack();
  FormClose(G());
  EXPECT_EQ(ReadBytes(t->SaveDir + "/dat/clear.clr"), ClearedBytes());
}

TEST_F(AttractTest, ARealKeyEndsTheDemoAndIsSwallowed) {
  auto a = Make(20);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10 && G().Score > 0; }, 3000));
  const int64_t typed = G().KeysTyped;
  EXPECT_TRUE(Real(*a, vk::A, true));
  EXPECT_EQ(a->Phase(), AttractMode::TPhase::Leaving);
  Frame(*a);
  EXPECT_TRUE(Real(*a, vk::A, false));  // its release too
  EXPECT_FALSE(a->Playing());
  ASSERT_TRUE(RunUntil(
      *a, [&] { return a->Phase() == AttractMode::TPhase::Idle; }, 100));
  Frame(*a);
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Cursor, 1);
  EXPECT_EQ(G().KeysTyped, typed) << "the demo went on typing";
  EXPECT_TRUE(G().Enemies.EnemyList.empty() ||
              std::all_of(G().Enemies.EnemyList.begin(), G().Enemies.EnemyList.end(),
                          [](const auto& e) { return e == nullptr; }));
  EXPECT_FALSE(G().Inputer.IsKeyDown(vk::Space));
  ExpectPlayerStateBack();
  // Back to normal: keys reach the game again and the idle count restarts.
  EXPECT_FALSE(Real(*a, vk::Down, true));
  EXPECT_FALSE(Real(*a, vk::Down, false));
}

TEST_F(AttractTest, AKeyHeldToEndTheDemoRepeatsIntoNothing) {
  auto a = Make(20);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10; }, 300));
  EXPECT_TRUE(Real(*a, vk::Space, true));
  ASSERT_TRUE(RunUntil(
      *a, [&] { return a->Phase() == AttractMode::TPhase::Idle; }, 100));
  // Auto-repeat of the held space bar on the title: no stage select opens.
  EXPECT_TRUE(Real(*a, vk::Space, true));
  Frame(*a);
  EXPECT_EQ(G().Cursor, 1);
  EXPECT_TRUE(Real(*a, vk::Space, false));
  // Released and pressed again: an ordinary key press.
  EXPECT_FALSE(Real(*a, vk::Space, true));
  Frame(*a);
  EXPECT_EQ(G().Cursor, 11);
  EXPECT_FALSE(Real(*a, vk::Space, false));
}

TEST_F(AttractTest, LeavingGetsPastACurtainClosedBetweenParts) {
  auto a = Make(20);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10; }, 300));
  ASSERT_GT(PartsPerStage(G().Stage), 1);
  // The curtain closes after part 1 and waits there for a space press.
  CloseCurtain(G());
  EXPECT_TRUE(Real(*a, vk::Z, true));
  EXPECT_TRUE(Real(*a, vk::Z, false));
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scenes.CurtainState == 3; }, 200));
  ASSERT_TRUE(RunUntil(
      *a, [&] { return a->Phase() == AttractMode::TPhase::Idle; }, 300))
      << "stuck behind the closed curtain";
  EXPECT_EQ(G().Scene, 0);
  EXPECT_EQ(G().Scenes.CurtainState, 0);
  ExpectPlayerStateBack();
}

TEST_F(AttractTest, StopPutsThePlayerStateBackAtOnce) {
  auto a = Make(20);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10; }, 300));
  G().Cleared[0] = 1;  // as if the demo had cleared stage 1
  G().Ranking[0] = 99999;
  a->Stop();
  EXPECT_EQ(a->Phase(), AttractMode::TPhase::Idle);
  ExpectPlayerStateBack();
  FormClose(G());
  EXPECT_EQ(ReadBytes(t->SaveDir + "/dat/clear.clr"), ClearedBytes());
}

}  // namespace

// The demo's screen says DEMO and PUSH ANY KEY in the strip at the top
// centre, from its first frame to the key that ends it; the title after it
// is drawn without them. (Headless shots of the screen surface.)
TEST_F(AttractTest, TheDemoIsLabelledUntilAKeyEndsIt) {
  if (!t->Glyphs) GTEST_SKIP() << "no Japanese font installed";
  auto a = Make(20);
  // Bright gold pixels of the label in the strip (the strip darkens what is
  // under it, so only the label's letters are that bright).
  auto labelPixels = [&] {
    int n = 0;
    for (int y = 6; y < 28; ++y)
      for (int x = 150; x < 280; ++x) {
        const uint16_t p = G().Screen.At(x, y);
        const int r = p >> 11, gr = (p >> 5) & 63, b = p & 31;
        n += r >= 28 && gr >= 36 && b <= 20;
      }
    return n;
  };
  Frames(*a, 19);
  EXPECT_FALSE(G().DemoPlaying);
  EXPECT_LT(labelPixels(), 20) << "a label on the idle title";
  Frames(*a, 2);
  ASSERT_TRUE(a->Playing());
  EXPECT_TRUE(G().DemoPlaying);
  EXPECT_GT(labelPixels(), 40);
  ASSERT_TRUE(RunUntil(
      *a, [&] { return G().Scene == 10; }, 300));
  Frames(*a, 5);
  EXPECT_GT(labelPixels(), 40) << "no label over the demo's field";
  EXPECT_TRUE(Real(*a, vk::A, true));
  ASSERT_TRUE(RunUntil(
      *a, [&] { return a->Phase() == AttractMode::TPhase::Idle; }, 200));
  Frames(*a, 3);
  EXPECT_FALSE(G().DemoPlaying);
  EXPECT_EQ(G().Scene, 0);
  EXPECT_LT(labelPixels(), 20) << "the label stayed after the demo";
}
