// The windowed game: SDL window, keyboard, sound and music, paced in real
// time, with the title's attract mode; closing the window saves the cleared
// stages and ends the program.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <memory>
#include <sstream>

#include "app/app_setup.h"
#include "app/pictures_folder.h"
#include "app/png_shot.h"
#include "app/process_age.h"
#include "app/run_modes.h"
#include "app/save_folder.h"
#include "drive/attract.h"
#include "drive/key_script.h"
#include "drive/recording_files.h"
#include "main/form.h"
#include "main/form_keys.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_platform.h"
#include "practice/practice.h"
#include "practice/review_list.h"
#include "world/difficulty.h"
#include "world/game.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "mirutena: %s\n", message.c_str());
  return 1;
}

// MIRUTENA_TIMING=1: "timing: frame N at T ms" on stderr for the title frame
// (frame 2) and for the last frame at exit, T being when the frame went to
// the window system, counted from the start of the process (the kernel's
// start time, to its 10 ms tick), so that a test can work out the start-up
// time and the frame rate the window keeps.
class FrameTiming {
 public:
  using Clock = std::chrono::steady_clock;
  FrameTiming() {
    const char* v = std::getenv("MIRUTENA_TIMING");
    on_ = v != nullptr && std::strcmp(v, "1") == 0;
    if (on_) ageAtStart_ = std::max(0.0, ProcessAgeMs());
  }
  void FrameRan(int64_t frame, Clock::time_point presented) {
    if (!on_) return;
    lastFrame_ = frame;
    lastMs_ = ageAtStart_ + std::chrono::duration<double, std::milli>(presented - start_).count();
    if (frame == 2) Print();
  }
  void AtExit() {
    if (on_ && lastFrame_ > 0) Print();
  }

 private:
  void Print() const {
    std::fprintf(stderr, "timing: frame %lld at %.1f ms\n", static_cast<long long>(lastFrame_),
                 lastMs_);
  }
  bool on_ = false;
  Clock::time_point start_ = Clock::now();
  double ageAtStart_ = 0;
  int64_t lastFrame_ = 0;
  double lastMs_ = 0;
};

}  // namespace

int RunWindow(const AppOptions& o) {
  FrameTiming timing;
  std::string error =
      NoDisplayReason([](const char* name) -> const char* { return std::getenv(name); });
  if (!error.empty()) return Fail(error);
  std::ofstream record;
  TRecording start;
  start.Seed = ClockSeed();
  start.Stage = o.Stage;
  start.TryScriptPath = o.TryScript;
  start.Practice = o.Practice;
  start.PracticeGoal = o.PracticeGoal;
  if (!o.Difficulty.empty()) start.Difficulty = o.Difficulty;
  if (!CarryRunFiles(start, error)) return Fail(error);
  if (!o.RecordFile.empty()) {
    record.open(o.RecordFile, std::ios::binary);
    if (!record) return Fail(o.RecordFile + ": cannot be written");
  }
  // --autoplay in a window: the built-in player plays while you watch.
  std::unique_ptr<AutoplayInput> bot;
  if (!o.AutoplaySpec.empty() && !MakeAutoplayInput(o.AutoplaySpec, start.Seed, bot, error))
    return Fail(error);
  TempSaveFolder unused;
  TPlayerFolders folders;
  if (!ChoosePlayerFolders(o, ProcessEnvironment(), unused, folders, error)) return Fail(error);

  // The settings come first: they give the window its scale.
  auto game = std::make_unique<Game>();
  Game& g = *game;
  TidyAfterCrashes(folders.SaveFolder, TempRoot());
  g.SaveFolder = folders.SaveFolder;
  g.KeepsResults = folders.ResultsKept;
  g.EntersNames = folders.ResultsKept;
  SetLocalClock(g, o.Date);
  g.PicturesFolder = PicturesFolder(ProcessEnvironment(), folders.SaveFolder);
  g.WritePicture = WritePng;
  OpenSettings(g, folders.SettingsFile);
  ApplyStageLook(g, o.StageLook);
  ApplyWindowView(g, o);
  const TSettings& settings = g.Settings.Values();
  // The difficulty last chosen, unless the command line gives one.
  if (o.Difficulty.empty()) start.Difficulty = DifficultyName(settings.Difficulty);
  const TWindowView view = WindowViewOf(g);
  start.ReadingLine = view.Reading ? "on" : "off";
  start.RomajiDisplay = RomajiDisplayName(view.Romaji);
  start.Typed = TypedLettersName(view.Typed);
  // The head is written after the first frame, once the practice list is
  // known (a review list is carried whole); that frame's keys wait for it.
  std::ostringstream early;
  bool headWritten = false;
  auto recordKey = [&](const TTimedKey& k) {
    if (record.is_open())
      (headWritten ? static_cast<std::ostream&>(record) : early) << FormatRecordedKey(k);
  };
  auto writeHead = [&] {
    if (record.is_open() && !headWritten) record << FormatRecordingHead(start) << early.str();
    headWritten = true;
  };

  SdlPlatform platform;
  if (!platform.Open(o.ScaleGiven ? o.Scale : settings.WindowScale, error)) return Fail(error);
  // Without an audio output the game runs silent: the sound device is not
  // running and the music only keeps time.
  SdlAudio audio;
  audio.Open();
  platform.SetMusicVolume(settings.MusicVolume);
  platform.SetEffectsVolume(settings.EffectsVolume);
  platform.AttachAudio(&audio);
  SdlSoundDevice sound(audio);
  SdlMusicDevice midi;
  HeadlessMusicDevice silentMusic(platform);

  g.Platform = &platform;
  g.Waves.Device = &sound;
  g.Music.Device = audio.IsOpen() ? static_cast<IMusicDevice*>(&midi) : &silentMusic;
  g.DataDir = o.DataDir;
  g.Seed = start.Seed;
  g.SeedGiven = true;
  ParseDifficulty(start.Difficulty, g.Difficulty.Level);
  std::unique_ptr<IGlyphSource> glyphs;
  if (!LoadCatalogs(g, error) || !AttachGlyphs(g, glyphs, error) || !CreateForm(g, error)) {
    platform.ShowFatalError(error);
    return 1;
  }
  if (o.FullScreen || settings.FullScreen) EnterFullScreen(g);

  // The demo writes its ranking and cleared stages into a scratch folder;
  // without one there is no demo.
  TempSaveFolder scratch;
  TAttractSettings attractSettings;
  if (scratch.Create({g.SaveFolder}, error)) attractSettings.ScratchSaveFolder = scratch.Path();
  AttractMode attract(g, attractSettings);
  std::vector<KeyEvent> demoKeys;
  // The window's clock sleeps to the millisecond, so the loop sleeps until a
  // frame is due and wakes once a frame, instead of yielding near the end.
  g.SleepMargin = 0;

  // The first frame only loads: it runs at once rather than a frame period
  // after the window opened, and the title follows right after it.
  g.NextFrameTime = platform.NowMs();
  int64_t framesRun = 0;
  bool quit = false;
  while (!quit) {
    for (const SdlInput& in : platform.PollEvents()) {
      if (in.Type == SdlInput::Quit) {
        quit = true;
      } else if (in.Type == SdlInput::Focus) {
        KeyEvent focus{in.Focused ? vk::FocusGained : vk::FocusLost, true};
        DeliverKeyEvent(g, focus);
        recordKey({framesRun + 1, focus});
      } else if (!attract.RealKey(in.Key)) {
        DeliverKeyEvent(g, in.Key);
        recordKey({framesRun + 1, in.Key});
      }
    }
    if (quit) break;
    try {
      if (MainEventIdle(g)) {
        ++framesRun;
        timing.FrameRan(framesRun, platform.LastPresentTime());
        if (framesRun == 1) {
          StartChosenStage(g, start.Stage, start.TryScriptPath);
          if (!start.Practice.empty()) {
            FixReviewSpec(g, start.Practice);
            ParsePracticeGoal(start.PracticeGoal, g.Practice.Goal);
            std::vector<std::string> problems;
            if (!StartPracticeFromSpec(g, start.Practice, problems, error))
              platform.ReportError(error);
            for (const std::string& m : problems) std::fprintf(stderr, "mirutena: %s\n", m.c_str());
          }
          writeHead();
        }
        g.Waves.PlayLog.clear();  // kept only for traces; a window would let it grow
        for (const TShotRequest& shot : o.Shots)
          if (shot.Frame == framesRun && !WritePng(g.Screen, shot.Path, error))
            platform.ReportError(error);
        // The demo's keys for the next frame, delivered now like real ones.
        demoKeys.clear();
        attract.KeysBefore(framesRun + 1, g, demoKeys);
        if (bot) bot->KeysBefore(framesRun + 1, g, demoKeys);
        for (const KeyEvent& k : demoKeys) {
          DeliverKeyEvent(g, k);
          recordKey({framesRun + 1, k});
        }
      }
    } catch (const StartupError& e) {
      platform.ShowFatalError(std::string("ゲームを開始できません: ") + e.what());
      return 1;
    }
  }
  writeHead();  // closed before the first frame
  if (record.is_open()) record << FormatRecordingEnd(framesRun);
  timing.AtExit();
  attract.Stop();
  FormClose(g);
  return 0;
}
