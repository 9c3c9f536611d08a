// Catalogs, font and start-up wiring of the program.
#include "app/app_setup.h"

#include <chrono>
#include <cstdio>
#include <ctime>
#include <filesystem>
#include <system_error>

#include "assets/builtin_blobs.h"
#include "base/game_error.h"
#include "main/form.h"
#include "main/scenes.h"
#include "media/builtin_catalog.h"
#include "media/latin_pixel_font.h"
#include "platform/freetype/freetype_glyphs.h"

uint32_t ClockSeed() {
  auto t = std::chrono::system_clock::now().time_since_epoch();
  return static_cast<uint32_t>(std::chrono::duration_cast<std::chrono::microseconds>(t).count());
}

void OpenSettings(Game& g, const std::string& path) {
  if (path.empty()) return;
  std::string message;
  g.Settings.Open(path, message);
  // Damage is reported once: the file is rewritten sound straight away.
  if (!message.empty()) std::fprintf(stderr, "mirutena: settings: %s\n", message.c_str());
}

void ApplyStageLook(Game& g, const std::string& flag) {
  g.Scenes.StageLookGiven = ParseStageLook(flag, g.Scenes.StageLookFlag);
}

void ApplyWindowView(Game& g, const AppOptions& o) {
  std::string error;  // the flags were checked with the command line
  ParseWindowViewFlags(o.ReadingLine, o.RomajiDisplay, o.Typed, g.ViewFlags, error);
}

bool LoadCatalogs(Game& g, std::string& error) {
  TBlob pictures = BuiltInPictureBlob();
  TBlob sounds = BuiltInSoundBlob();
  if (!LoadBuiltInPictures(g.List, pictures.Data, pictures.Size, error)) {
    error = "picture catalog: " + error;
    return false;
  }
  if (!LoadBuiltInSounds(g.Waves, sounds.Data, sounds.Size, error)) {
    error = "sound catalog: " + error;
    return false;
  }
  return true;
}

bool AttachGlyphs(Game& g, std::unique_ptr<IGlyphSource>& glyphs, std::string& error) {
  std::unique_ptr<FreeTypeGlyphSource> face = FreeTypeGlyphSource::Create(error);
  if (!face) {
    error = "no Japanese fixed-pitch font: " + error;
    return false;
  }
  glyphs = std::make_unique<LatinPixelGlyphSource>(std::move(face));
  g.Glyphs = glyphs.get();
  SurfaceCanvas(g.Screen, g.Glyphs);
  return true;
}

void SetLocalClock(Game& g, const std::string& fixedDate) {
  TLocalDate date;
  if (ParseIsoDate(fixedDate, date)) {
    g.LocalClock = [date] { return TLocalTime{date, 12, 0}; };
    return;
  }
  g.LocalClock = [] {
    const std::time_t now = std::time(nullptr);
    std::tm tm{};
    if (localtime_r(&now, &tm) == nullptr) return TLocalTime{};
    return TLocalTime{{tm.tm_year + 1900, tm.tm_mon + 1, tm.tm_mday}, tm.tm_hour, tm.tm_min};
  };
}

bool CreateForm(Game& g, std::string& error) {
  // Entries of the records file are dated by the wall clock; the measures in
  // them come from frames and keys only.
  g.Records.Now = [] {
    return static_cast<int64_t>(std::chrono::duration_cast<std::chrono::seconds>(
                                    std::chrono::system_clock::now().time_since_epoch())
                                    .count());
  };
  FormCreate(g);
  drawnInitialize(g);
  try {
    drawnRestoreSurface(g);
  } catch (const GameError& e) {
    error = e.what();
    return false;
  }
  return true;
}

bool MakeAutoplayInput(const std::string& spec, uint32_t seed, std::unique_ptr<AutoplayInput>& out,
                       std::string& error) {
  TAutoplay bot;
  if (!ParseAutoplaySpec(spec.c_str(), bot)) {
    error =
        "--autoplay: expected KPS[:MISS] (keys per second above 0, miss percent 0 to 100), got "
        "\"" +
        spec + "\"";
    return false;
  }
  bot.Rng.Seed(seed ^ 0x9E3779B9u);
  out = std::make_unique<AutoplayInput>(bot);
  return true;
}

void StartChosenStage(Game& g, int stage, const std::string& tryScript) {
  if (stage <= 0 && tryScript.empty()) return;
  g.TryScriptPath = tryScript;
  g.Stage = stage > 0 ? stage : 1;
  try {
    StartStage(g);
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
}
