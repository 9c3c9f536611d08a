// Fuzz target for the stage script loader and runner without whole frames:
// the input is a script file, checked as the data checker does, loaded as a
// part's script and run trigger after trigger (the clock is moved to each
// trigger, the field emptied at "scene" waits), then every enemy line is
// spawned on its own. Fast enough for millions of inputs; fuzz_stage_script
// plays the same files frame by frame.
#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "base/game_error.h"
#include "fuzz_util.h"
#include "script/script.h"
#include "support/test_support.h"

namespace {

constexpr int kMaxSteps = 400;
constexpr size_t kMaxSpawnLines = 64;

TestGame& SharedGame() {
  static const std::unique_ptr<TestGame> game = MakeStartedGame(1);
  return *game;
}

void EmptyField(Game& g) {
  ReleaseTarget(g);
  ClearWindows(g);
  ClearEnemies(g);
}

void Reset(TestGame& t) {
  Game& g = t.G;
  EmptyField(g);
  g.Stage = 1;
  g.Part = 1;
  g.ClearTimer = 0;
  g.Rng.Seed(1);
  g.Waves.PlayLog.clear();
  g.LastError.clear();
  t.Platform = HeadlessPlatform{};
}

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  SharedGame();
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  TestGame& t = SharedGame();
  Game& g = t.G;
  const std::string bytes(reinterpret_cast<const char*>(data), size);
  const std::vector<std::string> lines = SplitScriptText(bytes);
  std::vector<std::string> errors;
  const bool ok = CheckScriptLines(lines, "dat/1_stage1.lin", errors);
  fuzz::Check(ok == errors.empty(), "a script is sound exactly when it has no errors");

  Reset(t);
  const std::string path = fuzz::WriteScratchFile("loader.lin", data, size);
  g.TryScriptPath = path;
  LoadStageScript(g);
  for (int step = 0; step < kMaxSteps && !g.Script.Finished; ++step) {
    if (g.Script.SceneWait)
      EmptyField(g);
    else if (g.Script.NextTrigger > g.Script.ScriptClock)
      g.Script.ScriptClock = g.Script.NextTrigger - 1;
    RunStageScript(g);
    fuzz::Check(g.Script.ScriptPos >= 0 &&
                    static_cast<size_t>(g.Script.ScriptPos) < g.Script.ScriptLines.size(),
                "the runner stays on its lines");
    if (g.Enemies.EnemyList.size() > 256) EmptyField(g);
  }

  Reset(t);
  size_t spawned = 0;
  for (const auto& line : lines) {
    if (line.empty() || line[0] != ':') continue;
    if (++spawned > kMaxSpawnLines) break;
    try {
      SpawnFromLine(g, line);
    } catch (const GameError&) {
      // A bad number ends the line; the enemy made so far stays.
    }
  }
  Reset(t);
  return 0;
}
