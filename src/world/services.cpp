// Shell services for the other subsystems: stock-surface copies, the backdrop
// tile, sound playback with per-sound cooldowns, data paths and error reports.
#include <algorithm>
#include <string>

#include "base/game_error.h"
#include "world/error_note.h"
#include "world/game.h"

namespace {

bool ValidStock(int index) {
  return index == 0 || index == 1;
}

// A tile name comes from a stage script: keep it a plain file name inside abc/.
bool PlainFileName(const std::string& name) {
  if (name.empty() || name == "." || name == "..") return false;
  // A NUL would cut the path short, naming another file or the folder itself.
  return name.find_first_of(std::string("/\\\0", 3)) == std::string::npos;
}

}  // namespace

void BlitStock(Game& g, TRect rect, int index, int opacity) {
  if (!ValidStock(index)) return;
  if (index == 0) {
    // Stock 0 is black all over (and never drawn on): the same pixels as a
    // copy or a blend from it, without reading it.
    const Surface& black = g.StockSurface[0];
    rect = MakeRect(std::max(rect.Left, 0), std::max(rect.Top, 0),
                    std::min(rect.Right, black.Width), std::min(rect.Bottom, black.Height));
    if (rect.Empty()) return;
    if (opacity >= 255)
      FillArea(g.Screen, rect, 0);
    else if (opacity > 0)
      BlendFillArea(g.Screen, rect, TRgb{0, 0, 0}, opacity);
    return;
  }
  const Surface& stock = g.StockSurface[index];
  if (opacity == 255)
    CopySurfaceRect(g.Screen, rect.Left, rect.Top, rect, stock, false);
  else
    BlendSurfaceRect(g.Screen, rect, rect, stock, false, opacity);
}

void BlitStockRect(Game& g, TRect destRect, TRect srcRect, int index, int opacity) {
  if (!ValidStock(index)) return;
  const Surface& stock = g.StockSurface[index];
  if (opacity == 255)
    CopySurfaceRect(g.Screen, destRect.Left, destRect.Top, srcRect, stock, false);
  else
    BlendSurfaceRect(g.Screen, destRect, srcRect, stock, false, opacity);
}

void LoadBackdropTile(Game& g, const std::string& name) {
  std::string path = DataPath(g, "abc/" + name + ".bmp");
  if (!PlainFileName(name)) throw GameError(FormatMessage("ファイル %s は開けません", path));
  // The built-in backdrop of this terrain does not need the file.
  g.Scenes.Terrain = name;
  TPictureItem& tile = g.List.FindPicture("blue_tile");
  LoadPictureFile(tile, path);
  g.List.RestorePictures();
  tile.Transparent = false;

  Surface& backdrop = g.StockSurface[1];
  int w = tile.PictureWidth(), h = tile.PictureHeight();
  if (w <= 0 || h <= 0) return;  // nothing to tile with
  for (int c = 0; c <= 430 / w + 1; ++c)
    for (int r = 0; r <= 400 / h + 1; ++r) DrawPattern(tile, backdrop, c * w, r * h, 0);
}

void PlaySoundThrottled(Game& g, const std::string& name, int frames) {
  if (!g.SoundOn) return;
  int i = g.Waves.WaveIndex(name);
  if (i < 0) g.Waves.FindWave(name);  // raises the missing-sound error
  if (i < 0 || i >= static_cast<int>(g.WaveCooldown.size())) return;
  if (g.WaveCooldown[i] > 0) return;
  g.Waves.PlayWave(g.Waves.Items[i]);
  // The cooldown is a signed byte: larger counts would turn negative.
  if (frames > 127) frames = 127;
  g.WaveCooldown[i] = static_cast<int8_t>(frames < 0 ? 0 : frames);
}

void PlaySound(Game& g, const std::string& name) {
  if (g.SoundOn) g.Waves.PlayWave(name);
}

void ResetFrameClock(Game& g) {
  if (g.Platform) g.NextFrameTime = g.Platform->NowMs() + static_cast<uint32_t>(g.FrameInterval);
}

std::string DataPath(const Game& g, const std::string& relative) {
  std::string rel = relative;
  for (char& c : rel)
    if (c == '\\') c = '/';
  while (!rel.empty() && rel.front() == '/') rel.erase(0, 1);
  // The rankings (one per difficulty) and the cleared stages live in the save folder.
  const bool ranking =
      rel.rfind("dat/score", 0) == 0 && rel.size() > 8 && rel.substr(rel.size() - 4) == ".rnk";
  if (ranking || rel == "dat/clear.clr") return SavePath(g, rel.substr(4));
  const std::string& dir = g.DataDir;
  if (dir.empty()) return rel;
  if (dir.back() == '/') return dir + rel;
  return dir + "/" + rel;
}

std::string SavePath(const Game& g, const std::string& name) {
  std::string dir = g.SaveFolder.empty() ? DataPath(g, "dat") : g.SaveFolder;
  if (dir.empty() || dir.back() == '/') return dir + name;
  return dir + "/" + name;
}

void ReportError(Game& g, const std::string& utf8) {
  // A file that fails again (each scene change, each retry of a part) is
  // shown once; the game goes on without it.
  const std::string key = ErrorKey(utf8);
  auto& shown = g.Notes.Shown;
  if (std::find(shown.begin(), shown.end(), key) != shown.end()) return;
  shown.push_back(key);
  g.LastError = utf8;
  g.Notes.Text = utf8;
  g.Notes.FramesLeft = 100;  // five seconds
  if (g.Platform) g.Platform->ReportError(utf8);
}

// Windows refer to their enemies, so they go first; the target is dropped
// before either.
void ClearPlayObjects(Game& g) {
  ReleaseTarget(g);
  ClearWindows(g);
  ClearEnemies(g);
}
