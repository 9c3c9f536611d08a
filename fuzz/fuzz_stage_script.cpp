// Fuzz target for stage scripts: the input is a script file. It is checked as
// the data checker does, then played as part 1 of stage 1 in a headless game
// (the built-in player typing, so bosses fall and later triggers fire) for a
// few hundred frames, and finally its enemy lines are spawned one by one.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/game_error.h"
#include "drive/autoplay.h"
#include "fuzz_util.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "main/scenes.h"
#include "script/script.h"
#include "support/test_support.h"
#include "world/services.h"

namespace {

constexpr int kPlayFrames = 300;
constexpr int kSpawnFrames = 40;
constexpr size_t kMaxSpawnLines = 24;
constexpr int kPlayScene = 10;

// The game runs on a small screen: every drawing call still computes and
// clips its rectangles (where extreme positions would show), but fills few
// pixels, which keeps hundreds of frames per input affordable.
constexpr int kScreenSide = 16;

TestGame& SharedGame() {
  static const std::unique_ptr<TestGame> game = [] {
    auto t = MakeStartedGame(1);
    ResizeSurface(t->G.Screen, kScreenSide, kScreenSide);
    return t;
  }();
  return *game;
}

bool FieldEmpty(const Game& g) {
  for (const auto& e : g.Enemies.EnemyList)
    if (e) return false;
  return true;
}

// Brings the shared game back to a quiet play field, whatever the last input
// left behind, so each input starts from the same state.
void ResetPlay(TestGame& t) {
  Game& g = t.G;
  ClearPlayObjects(g);
  StartEffects(g);
  ResetBombs(g);
  g.Inputer.ReleaseAll();
  g.Typing.KeyQueue.clear();
  g.Scenes.CurtainState = 0;
  g.Scene = 0;
  g.Stage = 1;
  g.Part = 0;
  g.LastPart = 0;
  g.ClearTimer = 0;
  g.Score = 0;
  g.Rate = 0;
  g.MissBlink = 0;
  g.Rng.Seed(1);
  // The headless platform and the sound catalog keep every report and play
  // request; start each input with empty logs (and the clock where it was).
  const uint32_t now = t.Platform.NowMs();
  t.Platform = HeadlessPlatform{};
  t.Platform.Advance(now - t.Platform.NowMs());
  g.Waves.PlayLog.clear();
  g.LastError.clear();
}

void RunFrames(TestGame& t, TAutoplay& bot, int frames, bool untilQuiet) {
  Game& g = t.G;
  for (int f = 0; f < frames && g.Scene == kPlayScene; ++f) {
    for (const KeyEvent& e : AutoplayKeys(bot, g)) DeliverKeyEvent(g, e);
    StepFrame(t);
    // Once the script has run out and the field is clear nothing more can
    // come from the input: the rest is the stage-end sequence.
    if (untilQuiet && g.Script.Finished && FieldEmpty(g)) break;
  }
}

TAutoplay MakeBot() {
  TAutoplay bot;
  bot.KeysPerSecond = 20;
  bot.MissPercent = 10;
  bot.Rng.Seed(7);
  return bot;
}

void CheckLines(const std::vector<std::string>& lines) {
  std::vector<std::string> errors;
  const bool ok = CheckScriptLines(lines, "dat/1_stage1.lin", errors);
  fuzz::Check(ok == errors.empty(), "a script is sound exactly when it has no errors");
  for (const auto& m : errors)
    fuzz::Check(m.rfind("dat/1_stage1.lin", 0) == 0, "messages name the file");
}

void PlayScript(TestGame& t, const std::string& path) {
  Game& g = t.G;
  ResetPlay(t);
  g.TryScriptPath = path;
  StartNextPart(g);  // part 1 of stage 1 from the try-out file
  fuzz::Check(g.Scene == kPlayScene, "the part starts in play");
  TAutoplay bot = MakeBot();
  RunFrames(t, bot, kPlayFrames, true);
}

void SpawnLines(TestGame& t, const std::vector<std::string>& lines) {
  Game& g = t.G;
  ResetPlay(t);
  g.TryScriptPath.clear();
  StartScript(g);
  g.Script.Finished = true;
  g.Part = 1;
  g.Scene = kPlayScene;
  size_t spawned = 0;
  for (const auto& line : lines) {
    if (line.empty() || line[0] != ':') continue;
    if (++spawned > kMaxSpawnLines) break;
    try {
      SpawnFromLine(g, line);
    } catch (const GameError&) {
      // A broken line is reported by the runner; the enemy made so far stays.
    }
  }
  TAutoplay bot = MakeBot();
  RunFrames(t, bot, kSpawnFrames, false);
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SharedGame();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TestGame& t = SharedGame();
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitScriptText(bytes);
  CheckLines(lines);

  const std::string path = fuzz::WriteScratchFile("try.lin", data, size);
  PlayScript(t, path);
  SpawnLines(t, lines);
  ResetPlay(t);
  return 0;
}
