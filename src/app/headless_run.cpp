// The headless run: frames back to back on a virtual clock, key events from
// scripts, a replay or the built-in player, and screenshots, traces, records
// and a summary as asked.
#include <cstdio>
#include <fstream>
#include <iostream>
#include <memory>
#include <sstream>

#include "app/app_setup.h"
#include "app/png_shot.h"
#include "app/run_modes.h"
#include "app/save_folder.h"
#include "drive/input_source.h"
#include "drive/recording_files.h"
#include "drive/run_report.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "platform/headless/headless_platform.h"
#include "practice/practice.h"
#include "practice/review_list.h"
#include "records/result_card.h"
#include "world/difficulty.h"
#include "world/game.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "mirutena: %s\n", message.c_str());
  return 1;
}

// The start options of the run, from the command line or the replayed file.
struct TRunSetup {
  TRecording Start;  // seed, stage, try-out script and keys
  int64_t Frames = 0;
  std::vector<std::unique_ptr<IInputSource>> Sources;
};

bool PrepareRun(const AppOptions& o, TRunSetup& run, std::string& error) {
  run.Frames = o.Frames;
  if (!o.ReplayFile.empty()) {
    if (!LoadRecording(o.ReplayFile, run.Start, error)) return false;
    if (run.Frames < 0) {
      if (!run.Start.EndFrame) {
        error = o.ReplayFile + ": the recording has no \"end\" line; give --frames N";
        return false;
      }
      run.Frames = *run.Start.EndFrame;
    }
    run.Sources.push_back(std::make_unique<ScriptedInput>(run.Start.Keys));
    return true;
  }
  run.Start.Seed = o.SeedGiven ? o.Seed : ClockSeed();
  run.Start.Stage = o.Stage;
  run.Start.TryScriptPath = o.TryScript;
  if (!o.Difficulty.empty()) run.Start.Difficulty = o.Difficulty;
  run.Start.Practice = o.Practice;
  run.Start.PracticeGoal = o.PracticeGoal;
  run.Start.ReadingLine = o.ReadingLine;
  run.Start.RomajiDisplay = o.RomajiDisplay;
  run.Start.Typed = o.Typed;
  // The try-out script and own list are read once, here, so that a recording
  // carries their text (a pipe can be read only once).
  if (!CarryRunFiles(run.Start, error)) return false;
  if (!o.KeysFile.empty()) {
    std::vector<TTimedKey> keys;
    if (!LoadKeyScript(o.KeysFile, keys, error)) return false;
    run.Sources.push_back(std::make_unique<ScriptedInput>(std::move(keys)));
  }
  if (!o.AutoplaySpec.empty()) {
    std::unique_ptr<AutoplayInput> bot;
    if (!MakeAutoplayInput(o.AutoplaySpec, run.Start.Seed, bot, error)) return false;
    run.Sources.push_back(std::move(bot));
  }
  return true;
}

// Output files opened before the run, so that a bad path fails at once.
struct TOutputs {
  std::ofstream Trace, Record;
};

bool OpenOutputs(const AppOptions& o, TOutputs& out, std::string& error) {
  if (!o.TraceFile.empty()) {
    out.Trace.open(o.TraceFile, std::ios::binary);
    if (!out.Trace) {
      error = o.TraceFile + ": cannot be written";
      return false;
    }
  }
  if (!o.RecordFile.empty()) {
    out.Record.open(o.RecordFile, std::ios::binary);
    if (!out.Record) {
      error = o.RecordFile + ": cannot be written";
      return false;
    }
  }
  return true;
}

}  // namespace

int RunHeadless(const AppOptions& o) {
  TRunSetup run;
  TOutputs out;
  std::string error;
  if (!PrepareRun(o, run, error) || !OpenOutputs(o, out, error)) return Fail(error);

  HeadlessPlatform platform;
  HeadlessSoundDevice sound(platform);
  HeadlessMusicDevice music(platform);
  auto game = std::make_unique<Game>();
  Game& g = *game;
  g.Platform = &platform;
  g.Waves.Device = &sound;
  g.Music.Device = &music;
  g.DataDir = o.DataDir;
  g.Seed = run.Start.Seed;
  g.SeedGiven = true;
  ParseDifficulty(run.Start.Difficulty, g.Difficulty.Level);
  TempSaveFolder temp;
  TPlayerFolders folders;
  if (!ChoosePlayerFolders(o, ProcessEnvironment(), temp, folders, error)) return Fail(error);
  TidyAfterCrashes(folders.SaveFolder, TempRoot());
  g.SaveFolder = folders.SaveFolder;
  // Names are typed into a ranking only when it is kept in a folder the run
  // names.
  g.EntersNames = !o.SaveDir.empty();
  SetLocalClock(g, o.Date);
  // Cards of the C key stay in the run's own save folder.
  g.PicturesFolder = folders.SaveFolder;
  g.WritePicture = WritePng;
  OpenSettings(g, folders.SettingsFile);
  ApplyStageLook(g, o.StageLook);
  // A replay shows the windows as they were recorded.
  ParseWindowViewFlags(run.Start.ReadingLine, run.Start.RomajiDisplay, run.Start.Typed, g.ViewFlags,
                       error);
  std::unique_ptr<IGlyphSource> glyphs;
  if (!LoadCatalogs(g, error) || !AttachGlyphs(g, glyphs, error) || !CreateForm(g, error))
    return Fail(error);

  size_t errorsShown = 0;
  std::vector<KeyEvent> keys;
  // The first frame's keys wait for the recording's head, which is written
  // once the practice list is known (a review list is carried whole).
  std::ostringstream early;
  for (int64_t frame = 1; frame <= run.Frames; ++frame) {
    keys.clear();
    for (auto& source : run.Sources) source->KeysBefore(frame, g, keys);
    for (const KeyEvent& k : keys) {
      DeliverKeyEvent(g, k);
      if (out.Record.is_open())
        (frame == 1 ? static_cast<std::ostream&>(early) : out.Record)
            << FormatRecordedKey({frame, k});
    }
    // The virtual clock moves straight to the frame's time: one frame per call.
    int64_t wait = static_cast<int32_t>(g.NextFrameTime - platform.NowMs());
    if (wait > 0) platform.Advance(static_cast<uint32_t>(wait));
    try {
      MainEventIdle(g);
    } catch (const StartupError& e) {
      return Fail(std::string("the game cannot start: ") + e.what());
    }
    if (frame == 1) StartChosenStage(g, run.Start.Stage, run.Start.TryScriptPath);
    if (frame == 1 && !run.Start.Practice.empty()) {
      FixReviewSpec(g, run.Start.Practice);
      ParsePracticeGoal(run.Start.PracticeGoal, g.Practice.Goal);
      std::vector<std::string> problems;
      bool started = StartPracticeFromSpec(g, run.Start.Practice, problems, error);
      for (const std::string& m : problems) std::fprintf(stderr, "mirutena: %s\n", m.c_str());
      if (!started) return Fail(error);
    }
    if (frame == 1 && out.Record.is_open())
      out.Record << FormatRecordingHead(run.Start) << early.str();
    // Errors of the game go to stderr as they happen, and the run goes on.
    for (; errorsShown < platform.Errors().size(); ++errorsShown)
      std::fprintf(stderr, "mirutena: frame %lld: %s\n", static_cast<long long>(frame),
                   platform.Errors()[errorsShown].c_str());
    if (out.Trace.is_open()) out.Trace << TraceLine(g, frame) << '\n';
    g.Waves.PlayLog.clear();
    for (const TShotRequest& shot : o.Shots)
      if (shot.Frame == frame && !WritePng(g.Screen, shot.Path, error)) return Fail(error);
  }
  if (out.Record.is_open()) out.Record << FormatRecordingEnd(run.Frames);
  if (!o.CardPath.empty()) {
    const TCardResult card = CurrentCardResult(g);
    if (!card.Valid) return Fail("--card: the run has no result to make a card of");
    if (!WritePng(DrawResultCard(g, card), o.CardPath, error)) return Fail(error);
  }
  FormClose(g);
  for (; errorsShown < platform.Errors().size(); ++errorsShown)
    std::fprintf(stderr, "mirutena: %s\n", platform.Errors()[errorsShown].c_str());
  if (o.Summary) std::cout << SummaryLine(g, run.Frames) << std::endl;
  if (out.Trace.is_open() && !out.Trace.flush()) return Fail(o.TraceFile + ": write error");
  if (out.Record.is_open() && !out.Record.flush()) return Fail(o.RecordFile + ": write error");
  return 0;
}
