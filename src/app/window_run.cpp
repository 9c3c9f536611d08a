// The windowed game: SDL window, keyboard, sound and music, paced in real
// time; closing the window saves the cleared stages and ends the program.
#include <cstdio>
#include <fstream>
#include <memory>

#include "app/app_setup.h"
#include "app/run_modes.h"
#include "main/form.h"
#include "main/key_script.h"
#include "platform/headless/headless_platform.h"
#include "platform/sdl/sdl_audio.h"
#include "platform/sdl/sdl_platform.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "mirutena: %s\n", message.c_str());
  return 1;
}

}  // namespace

int RunWindow(const AppOptions& o) {
  std::string error;
  std::ofstream record;
  TRecording start;
  start.Seed = ClockSeed();
  start.Stage = o.Stage;
  start.TryScriptPath = o.TryScript;
  if (!o.RecordFile.empty()) {
    record.open(o.RecordFile, std::ios::binary);
    if (!record) return Fail(o.RecordFile + ": cannot be written");
    record << FormatRecordingHead(start);
  }
  if (!o.SaveDir.empty() && !PrepareSaveDir(o.SaveDir, error)) return Fail(error);

  SdlPlatform platform;
  if (!platform.Open(o.Scale, error)) return Fail(error);
  // Without an audio output the game runs silent: the sound device is not
  // running and the music only keeps time.
  SdlAudio audio;
  audio.Open();
  SdlSoundDevice sound(audio);
  SdlMusicDevice midi;
  HeadlessMusicDevice silentMusic(platform);

  auto game = std::make_unique<Game>();
  Game& g = *game;
  g.Platform = &platform;
  g.Waves.Device = &sound;
  g.Music.Device = audio.IsOpen() ? static_cast<IMusicDevice*>(&midi) : &silentMusic;
  g.DataDir = o.DataDir;
  g.SaveDir = o.SaveDir;
  g.Seed = start.Seed;
  g.SeedGiven = true;
  std::unique_ptr<FreeTypeGlyphSource> glyphs;
  if (!LoadCatalogs(g, error) || !AttachGlyphs(g, glyphs, error) || !CreateForm(g, error)) {
    platform.ReportError(error);
    return 1;
  }
  if (o.FullScreen) EnterFullScreen(g);

  int64_t framesRun = 0;
  bool quit = false;
  while (!quit) {
    for (const SdlInput& in : platform.PollEvents()) {
      if (in.Type == SdlInput::Quit) {
        quit = true;
      } else if (in.Type == SdlInput::Focus) {
        g.Inputer.SetFocus(in.Focused);
      } else {
        DeliverKeyEvent(g, in.Key);
        if (record.is_open()) record << FormatRecordedKey({framesRun + 1, in.Key});
      }
    }
    if (quit) break;
    try {
      if (MainEventIdle(g)) {
        ++framesRun;
        if (framesRun == 1) StartChosenStage(g, start.Stage, start.TryScriptPath);
      }
    } catch (const StartupError& e) {
      platform.ReportError(std::string("ゲームを開始できません: ") + e.what());
      return 1;
    }
  }
  if (record.is_open()) record << FormatRecordingEnd(framesRun);
  FormClose(g);
  return 0;
}
