// The guide's style and the learned spellings between the typing engine, the
// settings and the learned-spellings file.
#include "main/romaji_link.h"

#include <filesystem>

#include "saves/save_file.h"
#include "saves/save_lock.h"
#include "world/game.h"
#include "world/settings_link.h"

namespace fs = std::filesystem;

namespace {

// More than this is no file of ours; only its start is read.
constexpr size_t kMaxLearnedBytes = 64 * 1024;

}  // namespace

std::string LearnedSpellingsPath(const std::string& settingsPath) {
  if (settingsPath.empty()) return "";
  return (fs::path(settingsPath).parent_path() / "romaji-learned.txt").string();
}

void TakeRomajiStyle(Game& g) {
  g.Typing.Style.Kind = g.Settings.Values().RomajiStyle;
  g.Typing.StyleLearned = false;
  const std::string path = LearnedSpellingsPath(g.Settings.Path());
  if (path.empty()) return;
  std::string text, why;
  const TSaveRead read = ReadSaveFile(path, kMaxLearnedBytes, text, why);
  if (read == TSaveRead::Unreadable)
    ReportError(g, "綴りの記録 " + path + " を読めません (" + why + ")");
  if (read == TSaveRead::Read) ParseLearnedSpellings(text, g.Typing.Style);
  g.Typing.StyleKept = g.Typing.Style.Learned;
}

void SetRomajiStyle(Game& g, TRomajiStyle style) {
  TSettings s = g.Settings.Values();
  s.RomajiStyle = style;
  StoreSettings(g, s);
  KeepRomajiStyle(g);
}

void KeepRomajiStyle(Game& g) {
  TTypingEngine& t = g.Typing;
  if (t.Style.Kind != g.Settings.Values().RomajiStyle) {
    t.Style.Kind = g.Settings.Values().RomajiStyle;
    RefreshGuides(g);
  }
  if (!t.StyleLearned) return;
  t.StyleLearned = false;
  // The built-in player's spellings are not the player's.
  if (!g.KeepsResults) return;
  const std::string path = LearnedSpellingsPath(g.Settings.Path());
  if (path.empty()) return;
  // Merged into the file as it is now: another game may have learned others.
  TSaveLock lock(fs::path(path).parent_path().string());
  std::string text, why, error;
  const TSaveRead read = ReadSaveFile(path, kMaxLearnedBytes, text, why);
  if (read == TSaveRead::Unreadable) {
    ReportError(g, "綴りの記録 " + path + " を読めません (" + why + ")");
    return;
  }
  TGuideStyle merged;
  if (read == TSaveRead::Read) ParseLearnedSpellings(text, merged);
  // Only the spellings this run learned since it last read or kept the file:
  // one it merely loaded may since have been learned anew by another game.
  for (const auto& [reading, spelling] : t.Style.Learned) {
    const auto kept = t.StyleKept.find(reading);
    if (kept == t.StyleKept.end() || kept->second != spelling) merged.Learned[reading] = spelling;
  }
  text = "# Spellings the guide learned from the player (romaji style \"mine\").\n" +
         FormatLearnedSpellings(merged);
  if (!ReplaceSaveFile(path, text, error)) {
    ReportError(g, "綴りを保存できません: " + error);
    return;
  }
  t.StyleKept = t.Style.Learned;
}
