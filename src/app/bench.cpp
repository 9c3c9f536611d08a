// --bench: plays a fixed heavy scene headless (the mouse boss with a dozen
// enemies, their prompt windows, sparks and bomb explosions, translucency on)
// and reports the cost of a frame, the start-up time and the peak memory.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/process_age.h"
#include "app/run_modes.h"
#include "app/save_folder.h"
#include "base/sjis.h"
#include "drive/input_source.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "platform/headless/headless_platform.h"

namespace {

using Clock = std::chrono::steady_clock;

constexpr uint32_t kBenchSeed = 1;
constexpr int kRefillSpacing = 30;  // frames between two refill spawns
constexpr int kWarmUpAfterPlay = 300;
constexpr int kWarmUpLimit = 2000;  // frames; measured anyway if play never starts

int Fail(const std::string& message) {
  std::fprintf(stderr, "mirutena: %s\n", message.c_str());
  return 1;
}

// The ordinary enemies of one refill round: eight kinds, slow enough that a
// crowd builds up while the player keeps the missiles off. Each line is the
// kind's script name and the fields after the word level.
struct TRefillLine {
  const char* Kind;
  const char* Rest;
};
constexpr TRefillLine kRefillLines[] = {
    {"歩兵", ",0,60,40,20,0.15;"},
    {"ハエ", ",0,55,300,30,0.2;"},
    {"テレビ", ",0,70,2,186,20,0.1;"},
    {"ネコトリ", ",0,55,80,30,0.3;"},
    {"テレビ", ",0,70,3,186,20,0.1;"},
    {"ガンマン", ",0,50,60,1;"},
    {"サークル", ",0,55,1;"},
    {"カメ", ",0,-45,1,160,3.0,2.6;"},
    {"工事兵", ",0,65,320,20,0.3,60.0;"},
    {"ハエ", ",0,55,120,40,-0.2;"},
    {"歩兵", ",0,60,360,20,0.15;"},
    {"サークル", ",0,-55,-1;"},
};
constexpr int kRefillLevel = 2;

// The stage script of the scene (UTF-8): the mouse boss, which keeps sending
// missiles and foot soldiers and has lives enough for any run, a first crowd
// of twelve, then refills every kRefillSpacing frames up to lastFrame.
std::string BenchScript(int64_t lastFrame) {
  std::ostringstream s;
  s << "bench\nblue,0.5,-0.25;\n*20\n:マウス:boss,4,0,-75,1000000;\n";
  int64_t t = 30;
  auto spawn = [&](const TRefillLine& line, int step) {
    s << '*' << t << "\n:" << line.Kind << ':' << kRefillLevel << line.Rest << '\n';
    t += step;
  };
  for (const TRefillLine& line : kRefillLines) spawn(line, 8);
  while (t <= lastFrame)
    for (const TRefillLine& line : kRefillLines) spawn(line, kRefillSpacing);
  s << "end;\n";
  return s.str();
}

template <typename List>
int LiveCount(const List& list) {
  int n = 0;
  for (const auto& p : list) n += p != nullptr;
  return n;
}

struct TBenchRun {
  HeadlessPlatform Platform;
  HeadlessSoundDevice Sound{Platform};
  HeadlessMusicDevice Music{Platform};
  std::unique_ptr<IGlyphSource> Glyphs;
  std::unique_ptr<Game> G = std::make_unique<Game>();
  std::unique_ptr<AutoplayInput> Player;
  size_t ErrorsShown = 0;
};

// One frame as the headless run makes it, returning the time of RunFrame alone.
double StepTimed(TBenchRun& run, int64_t frame) {
  Game& g = *run.G;
  std::vector<KeyEvent> keys;
  if (run.Player) run.Player->KeysBefore(frame, g, keys);
  for (const KeyEvent& k : keys) DeliverKeyEvent(g, k);
  run.Platform.Advance(static_cast<uint32_t>(g.FrameInterval));
  Clock::time_point start = Clock::now();
  RunFrame(g);
  double us = std::chrono::duration<double, std::micro>(Clock::now() - start).count();
  g.Waves.PlayLog.clear();
  const auto& errors = run.Platform.Errors();
  for (; run.ErrorsShown < errors.size(); ++run.ErrorsShown)
    std::fprintf(stderr, "mirutena: frame %lld: %s\n", static_cast<long long>(frame),
                 errors[run.ErrorsShown].c_str());
  return us;
}

double Percentile(std::vector<double> v, double p) {
  if (v.empty()) return 0;
  size_t k = std::min(v.size() - 1, static_cast<size_t>(p * static_cast<double>(v.size())));
  std::nth_element(v.begin(), v.begin() + static_cast<std::ptrdiff_t>(k), v.end());
  return v[k];
}

}  // namespace

int RunBench(const AppOptions& o) {
  Clock::time_point entered = Clock::now();
  std::string error;
  TempSaveFolder save;
  if (!save.Create({}, error)) return Fail(error);
  const std::string scriptPath = save.Path() + "/bench.lin";
  {
    std::ofstream out(scriptPath, std::ios::binary);
    out << Sjis(BenchScript(kWarmUpLimit + o.BenchFrames + 200));
    if (!out.flush()) return Fail(scriptPath + ": cannot be written");
  }

  TBenchRun run;
  Game& g = *run.G;
  g.Platform = &run.Platform;
  g.Waves.Device = &run.Sound;
  g.Music.Device = &run.Music;
  g.DataDir = o.DataDir;
  g.SaveFolder = save.Path();
  g.Seed = kBenchSeed;
  g.SeedGiven = true;
  if (!LoadCatalogs(g, error) || !AttachGlyphs(g, run.Glyphs, error) || !CreateForm(g, error))
    return Fail(error);

  // Start-up: the first frame initialises the game, the second draws the title.
  int64_t frame = 0;
  try {
    StepTimed(run, ++frame);
    StepTimed(run, ++frame);
  } catch (const StartupError& e) {
    return Fail(std::string("the game cannot start: ") + e.what());
  }
  double startupMs = ProcessAgeMs();
  double afterMainMs = std::chrono::duration<double, std::milli>(Clock::now() - entered).count();

  g.AlphaOn = 1;
  StartChosenStage(g, 1, scriptPath);
  TAutoplay bot;
  bot.KeysPerSecond = 10;
  bot.MissPercent = 3;
  bot.MaxContinues = 1 << 30;  // a lost game goes on with the same scene
  bot.Rng.Seed(kBenchSeed ^ 0x9E3779B9u);
  run.Player = std::make_unique<AutoplayInput>(bot);

  int64_t playFrames = -1;
  for (int64_t i = 0; i < kWarmUpLimit && playFrames < kWarmUpAfterPlay; ++i) {
    StepTimed(run, ++frame);
    if (g.Scene == kScenePlay || playFrames >= 0) ++playFrames;
  }

  std::vector<double> times;
  times.reserve(static_cast<size_t>(o.BenchFrames));
  double enemies = 0, windows = 0, effects = 0, inPlay = 0;
  for (int64_t i = 0; i < o.BenchFrames; ++i) {
    times.push_back(StepTimed(run, ++frame));
    enemies += LiveCount(g.Enemies.EnemyList);
    windows += LiveCount(g.Typing.WindowList);
    effects += LiveCount(g.Effects.EffectList);
    inPlay += g.Scene == kScenePlay;
  }
  double total = 0;
  for (double t : times) total += t;
  const double n = static_cast<double>(o.BenchFrames);
  std::printf(
      "bench: %lld frames, %.1f frames/s, %.1f us/frame (median %.1f, 99th %.1f, max %.1f), "
      "enemies %.1f avg, windows %.1f avg, effects %.1f avg, in play %.1f %%\n",
      static_cast<long long>(o.BenchFrames), total > 0 ? n * 1e6 / total : 0.0, total / n,
      Percentile(times, 0.5), Percentile(times, 0.99),
      *std::max_element(times.begin(), times.end()), enemies / n, windows / n, effects / n,
      100.0 * inPlay / n);
  std::printf(
      "bench: start-up %.0f ms from process start to the title frame (%.1f ms of it after "
      "main), peak RSS %.1f MB\n",
      startupMs, afterMainMs, PeakRssKb() / 1024.0);
  std::printf("bench: score %d, kills %lld, keys %lld, misses %lld, game overs %lld\n", g.Score,
              static_cast<long long>(g.Kills), static_cast<long long>(g.KeysTyped),
              static_cast<long long>(g.Misses), static_cast<long long>(g.GameOvers));
  FormClose(g);
  return 0;
}
