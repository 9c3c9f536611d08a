// The main window's life: creation, the drawing device's notifications, the
// first-frame initialisation, the paced frame loop and closing.
#include "main/form.h"

#include <string>

#include "base/game_error.h"
#include "main/curtain.h"
#include "main/name_entry.h"
#include "main/pause.h"
#include "main/romaji_link.h"
#include "main/scenes.h"
#include "media/field_size.h"
#include "media/ui_kit.h"
#include "world/error_note.h"
#include "world/game.h"
#include "world/saved_results.h"
#include "world/score.h"
#include "world/settings_link.h"

namespace {

constexpr int32_t kFrameNoLimit = 214748364;  // FrameNo wraps to 1 here

// Signed distance a - b of two readings of the millisecond clock, correct
// across the 32-bit wrap (about every 49.7 days).
int64_t ClockDiff(uint32_t a, uint32_t b) {
  return static_cast<int32_t>(a - b);
}

std::string FpsText(const Game& g) {
  return "FPS:" + std::to_string(g.FpsShown);
}

// The frame-rate display: the caption in a window, a corner box in full screen.
void ShowFrameRate(Game& g) {
  if (!g.FpsShow || !g.Platform) return;
  if (g.Platform->IsFullScreen()) {
    const TRect corner = MakeRect(370, 380, 430, 400);
    FillArea(g.Screen, corner, 0);
    TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
    ui.SetFrame(corner);
    ui.TextSjis(372, 382, FpsText(g), SurfaceCanvas(g.Screen, g.Glyphs).FontColor);
  } else {
    g.Platform->SetCaption(FpsText(g));
  }
}

// While the title's demo plays, the screen says so and how to end it, at the
// top centre (clear of the menus, which the demo passes through too).
void DrawDemoLabel(Game& g) {
  if (!g.DemoPlaying) return;
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  const TRect strip = MakeRect(150, 4, 280, 44);
  BlendFillArea(g.Screen, strip, TRgb{0, 0, 0}, 140);
  ui.SetFrame(strip);
  const int w = ui.Width("DEMO") * 20 / 12;
  ui.Gradient(215 - w / 2, 6, "DEMO", 20, kGoldTop, kGoldBottom, true);
  // "PUSH ANY KEY" blinks: a second on, half a second off.
  if (g.FrameNo % 30 < 20) ui.TextCentred(29, "PUSH ANY KEY", kMenuText);
}

void StartMusic(Game& g) {
  try {
    g.Music.OpenMusic(DataPath(g, "bgm/event8.mid"));
    g.Music.PlayMusic();
  } catch (const GameError& e) {
    // The game runs on without music.
    ReportError(g, e.what());
  }
}

// Runs a start-up step; a failure there means the game cannot run.
template <typename F>
void StartStep(F&& step) {
  try {
    step();
  } catch (const GameError& e) {
    throw StartupError(e.what());
  }
}

}  // namespace

const char* GameCaption(const Game& g) {
  return g.KeepsResults ? kGameCaption : kNotKeptCaption;
}

void FormCreate(Game& g) {
  g.FirstFramePending = 1;
  SetFrameRate(g, 20);
  ResetFrameClock(g);
  g.Ready = 1;
  g.MusicOn = 1;
  g.SoundOn = 1;
  g.SleepMargin = 3;
  if (g.Platform) g.Platform->SetCaption(kLoadingCaption);
}

void drawnInitialize(Game& g) {
  if (g.Screen.Width == 0) ResizeSurface(g.Screen, kFieldWidth, kFieldHeight);
  for (Surface& s : g.StockSurface) s = Surface(kFieldWidth, kFieldHeight);
}

void drawnRestoreSurface(Game& g) {
  for (Surface& s : g.StockSurface) ResizeSurface(s, kFieldWidth, kFieldHeight);
  FillSurface(g.StockSurface[0], 0);
  LoadBackdropTile(g, "blue");
}

void drawnFinalize(Game& g) {
  for (Surface& s : g.StockSurface) s = Surface();
}

void SetFrameRate(Game& g, int rate) {
  if (rate <= 0) return;
  g.FrameRate = rate;
  g.FrameInterval = RoundHalfUp(1000.0 / rate);
}

int RoundHalfUp(double x) {
  int whole = static_cast<int>(x);
  double fraction = x - whole;
  return fraction >= 0.5 ? whole + 1 : whole;
}

// Pacing: a frame starts when due and the next is due one interval after this
// one started, so a late frame is never made up by hurrying the next. A frame
// that starts only a few milliseconds late (the time a busy machine takes to
// wake a sleeping program) keeps the schedule: the next is due one interval
// after this one was due, so such delays do not add up. Between frames the
// loop sleeps until SleepMargin before the next frame (sleeps overshoot a
// little), then yields until it is due.
bool MainEventIdle(Game& g) {
  constexpr int64_t kWakeSlackMs = 5;
  IPlatform& p = *g.Platform;
  uint32_t now = p.NowMs();
  bool ran = false;
  const int64_t late = ClockDiff(now, g.NextFrameTime);
  if (late < 0) {
    p.SleepMs(0);
  } else {
    const uint32_t base = late <= kWakeSlackMs ? g.NextFrameTime : now;
    g.NextFrameTime = base + static_cast<uint32_t>(g.FrameInterval);
    const bool loading = g.FirstFramePending != 0;
    RunFrame(g);
    ++g.FramesInWindow;
    ran = true;
    // The first frame only loads and shows nothing: the title comes at once,
    // not a frame period later.
    if (loading) g.NextFrameTime = p.NowMs();
    int64_t wait = ClockDiff(g.NextFrameTime, p.NowMs()) - g.SleepMargin;
    if (wait > 0) p.SleepMs(static_cast<uint32_t>(wait));
  }
  if (ClockDiff(now, g.FpsWindowStart) >= 1000) {
    g.FpsWindowStart = now;
    g.FpsShown = g.FramesInWindow;
    g.FramesInWindow = 0;
  }
  return ran;
}

void RunFrame(Game& g) {
  if (!g.Ready) return;
  if (g.FirstFramePending) {
    InitGame(g);
    return;
  }
  try {
    if (g.MusicState == 0 && g.Music.MusicMode() == 1) {
      g.Music.RewindMusic();
      g.Music.PlayMusic();
    }
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
  g.Inputer.PollKeyboard();
  if (++g.FrameNo >= kFrameNoLimit) g.FrameNo = 1;
  // An error abandons the scene's work for this frame; the frame's own
  // bookkeeping below still runs so that key flags and cooldowns move on.
  // While paused the curtain and the sound cooldowns stand still too.
  const bool paused = IsPaused(g);
  try {
    RunSceneStep(g);
    if (!paused) StepCurtain(g);
    CheckPause(g);
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
  KeepRomajiStyle(g);
  DrawErrorNote(g);
  DrawDemoLabel(g);
  ShowFrameRate(g);
  if (!paused)
    for (int8_t& c : g.WaveCooldown)
      if (c > 0) --c;
  DrawNote(g);
  if (g.Platform) g.Platform->Present(g.Screen);
  RestoreUnderNote(g);
  if (g.SpaceKey == 1) g.SpaceKey = g.SpaceTapped ? 0 : 255;
  g.SpaceTapped = 0;
  g.ArrowKey = 0;
}

void InitGame(Game& g) {
  g.AlphaOn = 1;
  g.FpsShow = 0;
  TakeSettingsAtStart(g);  // the player's toggles; the defaults leave the two above
  TakeRomajiStyle(g);
  g.FpsWindowStart = g.Platform ? g.Platform->NowMs() : 0;
  g.Cleared.fill(0);
  try {
    LoadCleared(g);
  } catch (const GameError& e) {
    g.Cleared.fill(0);
    ReportError(g, e.what());
  }
  g.WaveCooldown.fill(0);
  g.MusicState = g.MusicOn ? 0 : 246;
  if (g.MusicState == 0) StartMusic(g);
  try {
    LoadRanking(g);
  } catch (const GameError& e) {
    g.Ranking.fill(0);
    ReportError(g, e.what());
  }
  LoadPlayerRecords(g);
  g.LastPart = 0;
  g.BannerPending = 0;
  g.Scene = kSceneTitle;
  g.Cursor = 1;
  ResizeSurface(g.Screen, kFieldWidth, kFieldHeight);
  if (!g.SeedGiven) g.Seed = g.Platform ? g.Platform->NowMs() : 0;
  g.Rng.Seed(g.Seed);
  StartStep([&] { LoadTypingData(g, DataPath(g, "abc"), "huti"); });
  StartStep([&] { StartEffects(g); });
  StartStep([&] { StartEnemies(g); });
  StartStep([&] { StartScript(g); });
  g.FirstFramePending = 0;
  g.FrameNo = 0;
  if (g.Platform) g.Platform->SetCaption(GameCaption(g));
  if (!g.KeepsResults) ShowNote(g, "自動プレイ：結果は保存されません");
  ResetFrameClock(g);
}

void FormClose(Game& g) {
  // A window closed while a name is typed keeps the name as it stands.
  ConfirmNameEntry(g);
  FreeTypingData(g);
  g.Music.CloseMusic();
  // Clears are written as they happen; one that failed is tried once more.
  if (g.Scenes.ClearedWriteReported) {
    for (int stage = 1; stage <= 10; ++stage) {
      if ((g.Scenes.ClearsToKeep & (1 << (stage - 1))) == 0) continue;
      KeepStageCleared(g, stage);
      break;
    }
  }
}
