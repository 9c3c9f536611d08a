// Fresh games on the headless backend for the test suites.
#include "support/test_support.h"

#include <stdlib.h>

#include <filesystem>
#include <stdexcept>
#include <vector>

#include "assets/builtin_blobs.h"
#include "main/form.h"
#include "media/builtin_catalog.h"

namespace fs = std::filesystem;

namespace {

std::string MakeSaveDir() {
  std::string pattern = (fs::temp_directory_path() / "mirutena-test-XXXXXX").string();
  std::vector<char> buf(pattern.begin(), pattern.end());
  buf.push_back('\0');
  if (!mkdtemp(buf.data())) throw std::runtime_error("cannot create " + pattern);
  fs::create_directories(fs::path(buf.data()) / "dat");
  return buf.data();
}

}  // namespace

TestGame::~TestGame() {
  if (SaveDir.empty()) return;
  std::error_code ec;
  fs::remove_all(SaveDir, ec);
}

std::unique_ptr<TestGame> MakeTestGame(const std::string& dataDir) {
  auto t = std::make_unique<TestGame>();
  Game& g = t->G;
  g.Platform = &t->Platform;
  g.Waves.Device = &t->Sound;
  g.Music.Device = &t->MusicDevice;
  g.DataDir = dataDir;
  t->SaveDir = MakeSaveDir();
  g.SaveFolder = t->SaveDir + "/dat";

  std::string error;
  TBlob pictures = BuiltInPictureBlob();
  TBlob sounds = BuiltInSoundBlob();
  if (!LoadBuiltInPictures(g.List, pictures.Data, pictures.Size, error) ||
      !LoadBuiltInSounds(g.Waves, sounds.Data, sounds.Size, error))
    throw std::runtime_error("built-in catalogs: " + error);
  t->Glyphs = FreeTypeGlyphSource::Create(error);
  g.Glyphs = t->Glyphs.get();
  if (g.Glyphs) SurfaceCanvas(g.Screen, g.Glyphs);

  FormCreate(g);
  drawnInitialize(g);
  drawnRestoreSurface(g);
  return t;
}

std::unique_ptr<TestGame> MakeStartedGame(uint32_t seed) {
  auto t = MakeTestGame();
  t->G.Seed = seed;
  t->G.SeedGiven = true;
  RunFrame(t->G);
  return t;
}

std::string GameDataPath(const std::string& relative) {
  return std::string(MIRUTENA_GAME_DIR) + "/" + relative;
}

void StepFrame(TestGame& t) {
  int32_t wait = static_cast<int32_t>(t.G.NextFrameTime - t.Platform.NowMs());
  if (wait > 0) t.Platform.Advance(static_cast<uint32_t>(wait));
  MainEventIdle(t.G);
}

void StepFrames(TestGame& t, int count) {
  for (int i = 0; i < count; ++i) StepFrame(t);
}
