// The guide's style and the learned spellings between the typing engine, the
// settings and the learned-spellings file.
#include "main/romaji_link.h"

#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "world/game.h"
#include "world/settings_link.h"

namespace fs = std::filesystem;

namespace {

// More than this is no file of ours; only its start is read.
constexpr std::streamsize kMaxLearnedBytes = 64 * 1024;

// Written beside the file and renamed over it, so a crash leaves the old
// file or the new one.
bool WriteAtomically(const std::string& path, const std::string& text, std::string& error) {
  std::error_code ec;
  fs::create_directories(fs::path(path).parent_path(), ec);
  const std::string temp = path + ".new";
  {
    std::ofstream out(temp, std::ios::binary | std::ios::trunc);
    out << text;
    out.flush();
    if (!out) {
      error = temp + ": cannot be written";
      return false;
    }
  }
  fs::rename(temp, path, ec);
  if (ec) {
    error = path + ": " + ec.message();
    fs::remove(temp, ec);
    return false;
  }
  return true;
}

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
  std::ifstream in(path, std::ios::binary);
  if (!in) return;
  std::string text(static_cast<size_t>(kMaxLearnedBytes), '\0');
  in.read(text.data(), kMaxLearnedBytes);
  text.resize(static_cast<size_t>(in.gcount()));
  ParseLearnedSpellings(text, g.Typing.Style);
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
  const std::string path = LearnedSpellingsPath(g.Settings.Path());
  if (path.empty()) return;
  std::string error;
  const std::string text =
      "# Spellings the guide learned from the player (romaji style \"mine\").\n" +
      FormatLearnedSpellings(t.Style);
  if (!WriteAtomically(path, text, error)) ReportError(g, "綴りを保存できません: " + error);
}
