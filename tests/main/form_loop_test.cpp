// The frame loop on the headless clock: pacing, the first frame, FrameNo,
// frame-rate display, music looping and errors during frames and start-up.
#include <gtest/gtest.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>

#include "base/game_error.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "support/test_support.h"

namespace fs = std::filesystem;

namespace {

// A platform whose frames take LagMs of clock time (counted at Present).
class LaggyPlatform : public HeadlessPlatform {
 public:
  uint32_t LagMs = 0;
  void Present(const Surface& s) override {
    HeadlessPlatform::Present(s);
    Advance(LagMs);
  }
};

// Calls the idle hook like the window system does, letting 1 ms pass for each
// call that gives up its time slice; returns the times frames started.
std::vector<uint32_t> IdleUntil(Game& g, HeadlessPlatform& p, uint32_t end) {
  std::vector<uint32_t> starts;
  while (p.NowMs() < end) {
    uint32_t now = p.NowMs();
    if (MainEventIdle(g))
      starts.push_back(now);
    else
      p.Advance(1);
  }
  return starts;
}

}  // namespace

TEST(FormLoop, RunsTwentyFramesPerSecondAndSleepsUntilThreeMsBefore) {
  auto t = MakeTestGame();
  Game& g = t->G;
  EXPECT_EQ(g.FrameInterval, 50);
  uint32_t first = g.NextFrameTime;
  auto starts = IdleUntil(g, t->Platform, first + 1000);
  // The loading frame, at once the first drawn one, then one every 50 ms.
  ASSERT_EQ(starts.size(), 21u);
  EXPECT_EQ(starts[0], first);
  for (size_t i = 1; i < starts.size(); ++i) EXPECT_EQ(starts[i], first + 50 * (i - 1));

  // Right after a frame the loop has slept to 3 ms before the next one.
  ASSERT_EQ(t->Platform.NowMs(), g.NextFrameTime);
  EXPECT_TRUE(MainEventIdle(g));
  EXPECT_EQ(t->Platform.NowMs(), g.NextFrameTime - 3);
  EXPECT_FALSE(MainEventIdle(g));  // not yet due: only yields
  EXPECT_EQ(t->Platform.NowMs(), g.NextFrameTime - 3);
}

TEST(FormLoop, LateFramesAreNotMadeUp) {
  auto t = MakeTestGame();
  LaggyPlatform laggy;
  laggy.Advance(t->Platform.NowMs() - laggy.NowMs());
  Game& g = t->G;
  g.Platform = &laggy;
  ResetFrameClock(g);
  IdleUntil(g, laggy, g.NextFrameTime + 1);  // the start-up frame
  // A frame of 120 ms: the next starts at once, 50 ms after this one started,
  // not three frames in a row to catch up.
  laggy.LagMs = 120;
  uint32_t start = g.NextFrameTime;
  auto starts = IdleUntil(g, laggy, start + 1);
  ASSERT_EQ(starts.size(), 1u);
  EXPECT_EQ(g.NextFrameTime, start + 50);
  EXPECT_EQ(laggy.NowMs(), start + 120);  // no sleep after an overlong frame
  laggy.LagMs = 0;
  starts = IdleUntil(g, laggy, start + 200);
  ASSERT_GE(starts.size(), 2u);
  EXPECT_EQ(starts[0], start + 120);  // the late frame starts as soon as it can
  EXPECT_EQ(starts[1], start + 170);  // then the rate resumes from there
}

TEST(FormLoop, AFewMillisecondsOfWakeUpDelayDoNotAddUp) {
  auto t = MakeTestGame();
  Game& g = t->G;
  StepFrame(*t);  // start-up
  uint32_t due = g.NextFrameTime;
  t->Platform.Advance(due + 4 - t->Platform.NowMs());  // woken 4 ms late
  EXPECT_TRUE(MainEventIdle(g));
  EXPECT_EQ(g.NextFrameTime, due + 50);  // still on the schedule
  due = g.NextFrameTime;
  t->Platform.Advance(due + 6 - t->Platform.NowMs());  // 6 ms: a late frame
  uint32_t late = t->Platform.NowMs();
  EXPECT_TRUE(MainEventIdle(g));
  EXPECT_EQ(g.NextFrameTime, late + 50);
}

TEST(FormLoop, SurvivesTheClockWrappingAround) {
  auto t = MakeTestGame();
  Game& g = t->G;
  StepFrame(*t);  // start-up
  t->Platform.Advance(0xFFFFFFC3u - t->Platform.NowMs());
  ResetFrameClock(g);       // the next frame is due 12 ms before the clock wraps
  t->Platform.Advance(70);  // the clock has wrapped; the frame is 20 ms late
  ASSERT_LT(t->Platform.NowMs(), 100u);
  uint32_t late = t->Platform.NowMs();
  EXPECT_TRUE(MainEventIdle(g));
  auto starts = IdleUntil(g, t->Platform, late + 60);
  EXPECT_EQ(starts, (std::vector<uint32_t>{late + 50}));
}

TEST(FormLoop, FirstFrameOnlyInitialises) {
  auto t = MakeTestGame();
  Game& g = t->G;
  EXPECT_EQ(t->Platform.Caption(), kLoadingCaption);
  RunFrame(g);
  EXPECT_EQ(g.FirstFramePending, 0);
  EXPECT_EQ(g.FrameNo, 0);
  EXPECT_EQ(t->Platform.Presented(), 0);
  EXPECT_EQ(t->Platform.Caption(), kGameCaption);
  EXPECT_EQ(g.Scene, 0);
  EXPECT_EQ(g.Music.MusicMode(), 2);  // the title music plays
  RunFrame(g);
  EXPECT_EQ(g.FrameNo, 1);
  EXPECT_EQ(t->Platform.Presented(), 1);
}

TEST(FormLoop, NothingRunsBeforeTheWindowIsReady) {
  auto t = MakeTestGame();
  t->G.Ready = 0;
  RunFrame(t->G);
  EXPECT_EQ(t->G.FirstFramePending, 1);
}

TEST(FormLoop, FrameNumberWrapsToOne) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  g.FrameNo = 214748362;
  RunFrame(g);
  EXPECT_EQ(g.FrameNo, 214748363);
  RunFrame(g);
  EXPECT_EQ(g.FrameNo, 1);
}

TEST(FormLoop, FrameRateRounding) {
  EXPECT_EQ(RoundHalfUp(50.0), 50);
  EXPECT_EQ(RoundHalfUp(33.333), 33);
  EXPECT_EQ(RoundHalfUp(16.5), 17);
  EXPECT_EQ(RoundHalfUp(16.49), 16);
  auto t = MakeTestGame();
  SetFrameRate(t->G, 30);
  EXPECT_EQ(t->G.FrameInterval, 33);
  SetFrameRate(t->G, 0);  // refused: would divide by zero
  EXPECT_EQ(t->G.FrameInterval, 33);
}

TEST(FormLoop, FrameRateShownInCaptionEverySecond) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  DeliverKeyEvent(g, {vk::F1, true});
  EXPECT_EQ(g.FpsShow, 0);  // F1 acts on release
  DeliverKeyEvent(g, {vk::F1, false});
  ASSERT_EQ(g.FpsShow, 1);
  StepFrames(*t, 22);
  EXPECT_EQ(g.FpsShown, 20);
  EXPECT_EQ(t->Platform.Caption(), "FPS:20");
  DeliverKeyEvent(g, {vk::F1, true});
  DeliverKeyEvent(g, {vk::F1, false});
  EXPECT_EQ(t->Platform.Caption(), kGameCaption);
  StepFrame(*t);
  EXPECT_EQ(t->Platform.Caption(), kGameCaption);
}

TEST(FormLoop, FrameRateDrawnOnScreenInFullScreen) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  EnterFullScreen(g);
  g.FpsShow = 1;
  FillSurface(g.Screen, RgbTo565(255, 0, 0));
  StepFrames(*t, 2);
  EXPECT_EQ(t->Platform.Caption(), kGameCaption);
  // The box is black where no letter is drawn.
  EXPECT_EQ(g.Screen.At(370, 380), 0);
  EXPECT_EQ(g.Screen.At(429, 399), 0);
  if (g.Glyphs) {
    int lit = 0;
    for (int y = 380; y < 400; ++y)
      for (int x = 370; x < 430; ++x) lit += g.Screen.At(x, y) != 0;
    EXPECT_GT(lit, 10);
  }
}

TEST(FormLoop, MusicRestartsWithinTheFrameItEnded) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  ASSERT_EQ(g.Music.MusicMode(), 2);
  double length = t->MusicDevice.LengthMs();
  ASSERT_GT(length, 0);
  t->Platform.Advance(static_cast<uint32_t>(length) + 10);
  ASSERT_EQ(g.Music.MusicMode(), 1);
  StepFrame(*t);
  EXPECT_EQ(g.Music.MusicMode(), 2);
  EXPECT_LT(t->MusicDevice.PlayedMs(), 50);

  // Paused by the game (255) or switched off (246): left alone.
  for (uint8_t state : {uint8_t{255}, uint8_t{246}}) {
    g.MusicState = state;
    t->Platform.Advance(static_cast<uint32_t>(length) + 10);
    StepFrame(*t);
    EXPECT_EQ(g.Music.MusicMode(), 1) << int(state);
  }
}

TEST(FormLoop, SoundCooldownThrottlesRepeats) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  auto plays = [&](const std::string& name) {
    return static_cast<int>(std::count(g.Waves.PlayLog.begin(), g.Waves.PlayLog.end(), name));
  };
  g.Waves.PlayLog.clear();
  std::vector<int> playedAt;
  for (int frame = 0; frame < 12; ++frame) {
    int before = plays("bakudan");
    PlaySoundThrottled(g, "bakudan", 5);
    if (plays("bakudan") > before) playedAt.push_back(frame);
    StepFrame(*t);
  }
  EXPECT_EQ(playedAt, (std::vector<int>{0, 5, 10}));

  // Several requests in one frame play once; direct plays are not throttled.
  g.Waves.PlayLog.clear();
  PlaySoundThrottled(g, "kachi", 1);
  PlaySoundThrottled(g, "kachi", 1);
  EXPECT_EQ(plays("kachi"), 1);
  StepFrame(*t);
  PlaySoundThrottled(g, "kachi", 1);
  EXPECT_EQ(plays("kachi"), 2);
  PlaySound(g, "kachi");
  PlaySound(g, "kachi");
  EXPECT_EQ(plays("kachi"), 4);

  // Sound off: nothing; an unknown name is the catalog's error.
  g.SoundOn = 0;
  StepFrame(*t);
  PlaySoundThrottled(g, "door", 3);
  PlaySound(g, "door");
  EXPECT_EQ(plays("door"), 0);
  g.SoundOn = 1;
  EXPECT_THROW(PlaySoundThrottled(g, "nosuchsound", 3), GameError);
  // Counts above 127 would turn the signed cooldown negative.
  PlaySoundThrottled(g, "bell", 200);
  EXPECT_EQ(g.WaveCooldown[g.Waves.WaveIndex("bell")], 127);
}

TEST(FormLoop, ErrorInASceneIsReportedAndTheFrameFinishes) {
  auto t = MakeStartedGame();
  Game& g = t->G;
  StepFrame(*t);
  g.List.FindPicture("title").Name = "renamed";  // the title scene now fails
  int presented = t->Platform.Presented();
  DeliverKeyEvent(g, {vk::Space, true});
  StepFrame(*t);
  ASSERT_FALSE(t->Platform.Errors().empty());
  EXPECT_NE(t->Platform.Errors().back().find("title"), std::string::npos);
  EXPECT_EQ(t->Platform.Presented(), presented + 1);
  EXPECT_EQ(g.SpaceKey, 255);
  // The same failure on the next frames is not shown again.
  size_t shown = t->Platform.Errors().size();
  StepFrames(*t, 3);
  EXPECT_EQ(t->Platform.Errors().size(), shown);
}

class FormStartTest : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::temp_directory_path() / ("mirutena-start-" + std::to_string(::getpid()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
    fs::copy(GameDataPath("abc"), dir_ / "abc", fs::copy_options::recursive);
  }
  void TearDown() override { fs::remove_all(dir_); }
  fs::path dir_;
};

TEST_F(FormStartTest, BrokenTypingDataRefusesToStart) {
  fs::create_directories(dir_ / "dat");  // no word lists, no kana table
  auto t = MakeTestGame(dir_.string());
  EXPECT_THROW(RunFrame(t->G), StartupError);
  EXPECT_EQ(t->G.FirstFramePending, 1);
  EXPECT_EQ(t->Platform.Caption(), kLoadingCaption);
  EXPECT_THROW(StepFrame(*t), StartupError);  // and again at the next frame
}

TEST_F(FormStartTest, MissingMusicLeavesTheGameSilent) {
  fs::copy(GameDataPath("dat"), dir_ / "dat", fs::copy_options::recursive);
  auto t = MakeTestGame(dir_.string());
  RunFrame(t->G);
  EXPECT_EQ(t->G.FirstFramePending, 0);
  EXPECT_EQ(t->G.MusicState, 0);
  EXPECT_NE(t->G.Music.MusicMode(), 2);
  EXPECT_EQ(t->Platform.Errors().size(), 1u);
  StepFrames(*t, 3);  // and the frames run on
  EXPECT_EQ(t->G.FrameNo, 3);
}
