// The ranking and cleared-stages files: read, merged and written under the
// save lock. A file that cannot be read is left as it is with one message; a
// damaged one is rewritten only when there is something to add, and then
// with what could be read from it.
#include "world/saved_results.h"

#include <algorithm>

#include "saves/save_file.h"
#include "saves/save_lock.h"
#include "world/difficulty.h"
#include "world/game.h"

namespace {

constexpr size_t kFileBytes = 20;

std::string RankingPath(const Game& g) {
  return DataPath(g, "dat/" + RankingFileName(g.Difficulty.Level));
}

std::string ClearedPath(const Game& g) {
  return DataPath(g, "dat/clear.clr");
}

std::string RankingBytes(const std::array<int32_t, 5>& table) {
  std::string bytes(kFileBytes, '\0');
  for (int i = 0; i < 5; ++i) {
    uint32_t v = static_cast<uint32_t>(table[i]);
    for (int b = 0; b < 4; ++b) bytes[4 * i + b] = static_cast<char>(v >> (8 * b));
  }
  return bytes;
}

}  // namespace

void ReportUnreadableSave(Game& g, const std::string& path, const std::string& why) {
  ReportError(g, "ファイル " + path + " を読めません (" + why + ")。このファイルは書き換えません");
}

bool WriteSave(Game& g, const std::string& path, const std::string& bytes, bool& reported) {
  std::string error;
  if (ReplaceSaveFile(path, bytes, error)) {
    reported = false;
    return true;
  }
  if (!reported) ReportError(g, "書き込めません: " + error);
  reported = true;
  return false;
}

std::vector<int32_t> ReadableScores(const std::string& bytes) {
  std::vector<int32_t> scores;
  for (size_t i = 0; i < 5 && 4 * i + 4 <= bytes.size(); ++i) {
    uint32_t v = 0;
    for (int b = 3; b >= 0; --b) v = (v << 8) | static_cast<uint8_t>(bytes[4 * i + b]);
    const int32_t score = static_cast<int32_t>(v);
    if (score >= 0) scores.push_back(score);
  }
  std::stable_sort(scores.begin(), scores.end(), std::greater<int32_t>());
  return scores;
}

std::array<int32_t, 5> RankingTableOf(const std::string& bytes) {
  const std::vector<int32_t> scores = ReadableScores(bytes);
  std::array<int32_t, 5> table{};
  for (size_t i = 0; i < scores.size() && i < table.size(); ++i) table[i] = scores[i];
  return table;
}

void LoadRanking(Game& g) {
  g.Ranking.fill(0);
  const std::string path = RankingPath(g);
  std::string bytes, why;
  switch (ReadSaveFile(path, kFileBytes, bytes, why)) {
    case TSaveRead::Missing:
      return;
    case TSaveRead::Unreadable:
      ReportUnreadableSave(g, path, why);
      return;
    case TSaveRead::Read:
      g.Ranking = RankingTableOf(bytes);
      return;
  }
}

int InsertRanking(Game& g) {
  const std::string path = RankingPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  std::string bytes, why;
  const TSaveRead read = ReadSaveFile(path, kFileBytes, bytes, why);
  std::array<int32_t, 5> table = g.Ranking;
  if (read == TSaveRead::Unreadable) ReportUnreadableSave(g, path, why);
  // Missing: the table this game holds (what the file held at its start and
  // what it entered since).
  if (read == TSaveRead::Read) table = RankingTableOf(bytes);
  // An equal score goes below the ones already there.
  int i = 0;
  while (i < 5 && table[i] >= g.Score) ++i;
  g.Ranking = table;
  if (i == 5) return -1;
  for (int k = 4; k > i; --k) g.Ranking[k] = g.Ranking[k - 1];
  g.Ranking[i] = g.Score;
  if (read != TSaveRead::Unreadable)
    WriteSave(g, path, RankingBytes(g.Ranking), g.Scenes.RankingWriteReported);
  return i + 1;
}

bool SaveRanking(Game& g) {
  const std::string path = RankingPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  return WriteSave(g, path, RankingBytes(g.Ranking), g.Scenes.RankingWriteReported);
}

void LoadCleared(Game& g) {
  g.Cleared.fill(0);
  const std::string path = ClearedPath(g);
  std::string bytes, why;
  const TSaveRead read = ReadSaveFile(path, kFileBytes, bytes, why);
  if (read == TSaveRead::Unreadable) ReportUnreadableSave(g, path, why);
  if (read != TSaveRead::Read) return;
  std::copy(bytes.begin(), bytes.end(), g.Cleared.begin());
}

bool KeepStageCleared(Game& g, int stage) {
  if (stage < 1 || stage > 10) return false;
  g.Scenes.ClearsToKeep |= 1 << (stage - 1);
  g.Cleared[stage - 1] = 1;
  const std::string path = ClearedPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  std::string bytes, why;
  const TSaveRead read = ReadSaveFile(path, kFileBytes, bytes, why);
  if (read == TSaveRead::Unreadable) {
    ReportUnreadableSave(g, path, why);
    return false;
  }
  bool add = false;
  bytes.resize(kFileBytes, '\0');
  for (int s = 0; s < 10; ++s) {
    if ((g.Scenes.ClearsToKeep & (1 << s)) == 0 || bytes[s] == 1) continue;
    bytes[s] = 1;
    add = true;
  }
  std::copy(bytes.begin(), bytes.end(), g.Cleared.begin());
  if (!add) return true;
  return WriteSave(g, path, bytes, g.Scenes.ClearedWriteReported);
}

bool SaveCleared(Game& g) {
  const std::string path = ClearedPath(g);
  TSaveLock lock(FolderOfSaveFile(path));
  const std::string bytes(g.Cleared.begin(), g.Cleared.end());
  return WriteSave(g, path, bytes, g.Scenes.ClearedWriteReported);
}
