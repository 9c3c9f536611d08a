// Score rules (bomb and clear bonuses), the HUD, the five-place ranking and
// the two small files that keep the ranking and the cleared stages.
#include "world/score.h"

#include <unistd.h>

#include <algorithm>
#include <array>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <limits>

#include "media/draw_number.h"
#include "world/game.h"

namespace {

constexpr size_t kFileBytes = 20;

// The first 20 bytes of a file; false when it is missing, unreadable or
// shorter (such a file counts as absent).
bool ReadPrefix(const std::string& path, std::array<uint8_t, kFileBytes>& out) {
  std::ifstream in(path, std::ios::binary);
  if (!in) return false;
  std::array<char, kFileBytes> buf{};
  in.read(buf.data(), static_cast<std::streamsize>(buf.size()));
  if (in.gcount() != static_cast<std::streamsize>(buf.size())) return false;
  std::copy(buf.begin(), buf.end(), out.begin());
  return true;
}

// Writes the bytes to a temporary file in the same folder and renames it over
// the old file, so a failed or interrupted write leaves the old file whole.
// The folder is created when missing.
bool WriteReplacing(const std::string& path, const std::array<uint8_t, kFileBytes>& bytes) {
  namespace fs = std::filesystem;
  std::error_code ec;
  fs::path target(path);
  if (target.has_parent_path()) {
    fs::create_directories(target.parent_path(), ec);
    if (ec) return false;
  }
  std::string temp = path + ".tmp";
  FILE* f = std::fopen(temp.c_str(), "wb");
  if (f == nullptr) return false;
  bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
  ok = std::fflush(f) == 0 && ok;
  ok = fsync(fileno(f)) == 0 && ok;
  ok = std::fclose(f) == 0 && ok;
  if (ok) {
    fs::rename(temp, target, ec);
    ok = !ec;
  }
  if (!ok) fs::remove(temp, ec);
  return ok;
}

// Reports the first failure of a run of failed writes of one file.
bool SaveReported(Game& g, const std::string& path, const std::array<uint8_t, kFileBytes>& bytes,
                  bool& reported) {
  if (WriteReplacing(path, bytes)) {
    reported = false;
    return true;
  }
  if (!reported) {
    reported = true;
    ReportError(g, "ファイル " + path + " に書き込めません");
  }
  return false;
}

}  // namespace

int InsertRanking(Game& g) {
  int i = 0;
  while (i < 5 && g.Ranking[i] >= g.Score) ++i;
  if (i == 5) return -1;
  for (int k = 4; k > i; --k) g.Ranking[k] = g.Ranking[k - 1];
  g.Ranking[i] = g.Score;
  SaveRanking(g);
  return i + 1;
}

void LoadRanking(Game& g) {
  std::array<uint8_t, kFileBytes> bytes{};
  g.Ranking.fill(0);
  if (!ReadPrefix(DataPath(g, "dat/" + RankingFileName(g.Difficulty.Level)), bytes)) return;
  for (int i = 0; i < 5; ++i) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | bytes[4 * i + b];
    g.Ranking[i] = static_cast<int32_t>(v);
  }
  // The game only ever writes scores of 0 or more, best first: anything else
  // is a damaged file. It shows as an empty ranking; the file itself stays as
  // it is until a new score is entered and the ranking is written whole.
  for (int i = 0; i < 5; ++i) {
    if (g.Ranking[i] < 0 || (i > 0 && g.Ranking[i] > g.Ranking[i - 1])) {
      g.Ranking.fill(0);
      return;
    }
  }
}

bool SaveRanking(Game& g) {
  std::array<uint8_t, kFileBytes> bytes{};
  for (int i = 0; i < 5; ++i) {
    uint32_t v = static_cast<uint32_t>(g.Ranking[i]);
    for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<uint8_t>(v >> (8 * b));
  }
  return SaveReported(g, DataPath(g, "dat/" + RankingFileName(g.Difficulty.Level)), bytes,
                      g.Scenes.RankingWriteReported);
}

// Bytes 10 to 19 are kept as read, so they go back to the file unchanged.
void LoadCleared(Game& g) {
  g.Cleared.fill(0);
  std::array<uint8_t, kFileBytes> bytes{};
  if (ReadPrefix(DataPath(g, "dat/clear.clr"), bytes)) g.Cleared = bytes;
}

bool SaveCleared(Game& g) {
  return SaveReported(g, DataPath(g, "dat/clear.clr"), g.Cleared, g.Scenes.ClearedWriteReported);
}

void DrawHud(Game& g, int x, int y) {
  DrawPattern(g.List.FindPicture("score"), g.Screen, x, y, 0);
  DrawDigits(g.List, g.Screen, "0123456789", std::max(0, g.Score), x + 60, y - 2, 1);
  const TPictureItem& label = g.List.FindPicture("Score_Rate");
  DrawPattern(label, g.Screen, x + 2, y + 15, 0);
  if (g.Rate * 68 / 100 > 0) {
    const TPictureItem& bar = g.List.FindPicture("green_bar");
    int columns = g.Rate * 65 / 100 + 1;
    for (int k = 0; k < columns; ++k) DrawPattern(bar, g.Screen, x + 6 + k, y + 19, 0);
  }
  if (g.Rate > 0)
    DrawDigits(g.List, g.Screen, "num2_0123456789", g.Rate * 10, x + 4 + label.PictureWidth(),
               y + 15, 1);
}

// The factor is built in 80-bit extended precision, each step rounded to a
// 64-bit mantissa: for stage 8 it lands just below 2.6, so the truncation
// gives one less than S x 2.6 for many scores. long double is that format on
// x86-64 Linux. A result beyond 32 bits is held at the limit.
int32_t ClearBonusScore(int32_t score, int stage) {
  long double factor = 0.2L;
  factor = factor * static_cast<long double>(stage);
  factor = factor + 1.0L;
  long double result = factor * static_cast<long double>(score);
  if (result >= static_cast<long double>(std::numeric_limits<int32_t>::max()))
    return std::numeric_limits<int32_t>::max();
  if (result <= static_cast<long double>(std::numeric_limits<int32_t>::min()))
    return std::numeric_limits<int32_t>::min();
  return static_cast<int32_t>(result);
}

void AddBombBonus(Game& g) {
  for (int i = 1; i <= 6; ++i) {
    if (g.Enemies.Bombs[i].Present != 1) continue;
    int64_t sum = static_cast<int64_t>(g.Score) + 600LL * g.Stage;
    g.Score = static_cast<int32_t>(std::min<int64_t>(sum, std::numeric_limits<int32_t>::max()));
  }
}
