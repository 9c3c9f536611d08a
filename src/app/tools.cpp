// The command-line tools: the catalog listing, the data checker and the
// guide and accepted romaji of a reading.
#include <cstdio>
#include <filesystem>
#include <iostream>
#include <memory>
#include <string>
#include <vector>

#include "app/app_setup.h"
#include "app/reading_check.h"
#include "app/run_modes.h"
#include "app/save_folder.h"
#include "base/sjis.h"
#include "drive/data_check.h"
#include "platform/freetype/freetype_glyphs.h"
#include "practice/own_lists.h"
#include "script/script.h"
#include "type_window/kana_table.h"
#include "type_window/romaji_word.h"
#include "type_window/type_window.h"

namespace {

int Fail(const std::string& message) {
  std::fprintf(stderr, "mirutena: %s\n", message.c_str());
  return 1;
}

// The player's own word lists in the save folder, when there are any: every
// skipped line and every refused file is reported.
bool CheckOwnLists(const std::string& dataDir, std::vector<std::string>& messages) {
  std::string error;
  std::string data = XdgFolder(TXdgKind::Data, ProcessEnvironment(), error);
  if (data.empty()) return true;
  const std::string folder = data + "/mirutena/" + kOwnListFolder;
  if (!std::filesystem::is_directory(folder)) return true;
  TKanaTable table;
  if (!LoadKanaTable(table, dataDir + "/dat/hiragana.txt", error)) return true;  // reported above
  bool ok = true;
  for (const TOwnList& list : LoadOwnLists(folder, table, 0)) {
    for (const std::string& p : list.Problems) messages.push_back(folder + "/" + p);
    if (!list.Refusal.empty()) messages.push_back(folder + "/" + list.Refusal);
    ok = ok && list.Problems.empty() && list.Refusal.empty();
  }
  return ok;
}

}  // namespace

int RunCatalog() {
  auto game = std::make_unique<Game>();
  Game& g = *game;
  std::string error;
  if (!LoadCatalogs(g, error)) return Fail(error);
  g.List.RestorePictures();
  for (const TPictureItem& p : g.List.Items) {
    const TRgb& k = p.TransparentColor;
    std::cout << SjisToUtf8(p.Name) << ' ' << p.PictureWidth() << ' ' << p.PictureHeight() << ' '
              << p.PatternWidth << ' ' << p.PatternHeight << ' ' << p.PatternCount() << ' '
              << (p.Transparent ? 1 : 0) << ' ' << int(k.R) << ',' << int(k.G) << ',' << int(k.B)
              << '\n';
  }
  for (const TWaveItem& w : g.Waves.Items)
    std::cout << SjisToUtf8(w.Name) << ' ' << w.Format.Channels << ' ' << w.Format.Rate << ' '
              << w.Format.Bits << ' ' << w.Data.size() << '\n';
  std::cout.flush();
  return std::cout ? 0 : 1;
}

int RunCheckData(const AppOptions& o) {
  std::string dir = o.CheckDir.empty() ? o.DataDir : o.CheckDir;
  std::vector<std::string> messages;
  bool ok = CheckTypingData(dir, messages);
  ok = CheckScripts(dir, messages) && ok;
  ok = CheckGameFiles(dir, messages) && ok;
  ok = CheckOwnLists(dir, messages) && ok;
  // The reading line draws readings with the game's font.
  std::string fontError;
  std::unique_ptr<FreeTypeGlyphSource> glyphs = FreeTypeGlyphSource::Create(fontError);
  if (glyphs) {
    ok = CheckReadingsDrawable(dir, *glyphs, messages) && ok;
  } else {
    messages.push_back("font: " + fontError);
    ok = false;
  }
  for (const std::string& m : messages) std::cout << m << '\n';
  std::cout.flush();
  if (!ok) std::fprintf(stderr, "mirutena: the data under %s has errors\n", dir.c_str());
  return ok ? 0 : 1;
}

int RunRomaji(const AppOptions& o) {
  bool converted = true;
  std::string reading = Utf8ToSjis(o.Reading, &converted);
  if (!converted || reading.empty())
    return Fail("--romaji: \"" + o.Reading + "\" is not a reading");
  TKanaTable table;
  std::string error;
  std::string path = o.DataDir + "/dat/hiragana.txt";
  if (!LoadKanaTable(table, path, error)) return Fail(error);
  // The same judgement and words as the data checker's.
  std::vector<std::string> units;
  const std::string problem = ReadingError(table, reading, &units);
  if (!problem.empty()) return Fail("--romaji: \"" + o.Reading + "\": " + problem);
  // The guide of the default style first, then every accepted spelling.
  const TRomajiWord word = MakeRomajiWord(table, units);
  std::cout << PathRomaji(word, GuidePath(word, TGuideStyle{})) << '\n';
  ForEachSpelling(word, [](const std::string& r) {
    std::cout << r << '\n';
    return static_cast<bool>(std::cout);
  });
  std::cout.flush();
  return std::cout ? 0 : 1;
}
