// The typing engine's start-up data: letter pictures, word lists and the kana
// table, their validation (also for the data checker), the canvas style and
// the shutdown release.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "base/sjis.h"
#include "media/field_size.h"
#include "media/picture_list.h"
#include "media/text_canvas.h"
#include "type_window/type_window.h"
#include "world/game.h"

namespace {

constexpr size_t kMaxWords = 200;
constexpr size_t kMaxLineBytes = 255;

std::string Where(const std::string& fileName, size_t line) {
  return fileName + ":" + std::to_string(line) + ": ";
}

std::string WordFileName(int n) {
  return "dat/dat" + std::to_string(n) + ".lin";
}

std::string JoinPath(const std::string& dir, const std::string& relative) {
  if (dir.empty()) return relative;
  return dir.back() == '/' ? dir + relative : dir + "/" + relative;
}

int RoundUpToTen(int v) {
  return v % 10 == 0 ? v : (v / 10 + 1) * 10;
}

// The width of the letter pictures, read from the letter folder's "A"; the
// letters the build makes are 10 pixels wide.
int LetterWidthIn(const std::string& dataDir) {
  // A folder, pipe or device in its place is refused unread, never waited on.
  std::string raw;
  if (ReadFileBytes(JoinPath(dataDir, "abc/A.bmp"), kMediaFileLimit, raw) != TReadResult::Whole)
    return 10;
  const std::vector<uint8_t> bytes(raw.begin(), raw.end());
  int w = 0, h = 0;
  std::vector<TRgb> pixels;
  if (!bytes.empty() && DecodeBmp(bytes, w, h, pixels) && w > 0) return w;
  return 10;
}

}  // namespace

bool ParseWordList(const std::vector<std::string>& lines, const std::string& fileName,
                   std::vector<std::string>& words, std::string& error) {
  words.clear();
  auto fail = [&](size_t line, const std::string& message) {
    words.clear();
    error = Where(fileName, line) + message;
    return false;
  };
  for (size_t i = 0; i < lines.size(); ++i) {
    const std::string& line = lines[i];
    const size_t lineNo = i + 1;
    if (line == "end;") {
      if (words.empty()) return fail(lineNo, "the word list is empty");
      return true;
    }
    if (line.empty()) return fail(lineNo, "blank line");
    if (line.size() > kMaxLineBytes)
      return fail(lineNo, "a line longer than " + std::to_string(kMaxLineBytes) + " bytes");
    if (words.size() >= kMaxWords)
      return fail(lineNo, "more than " + std::to_string(kMaxWords) + " words");
    const size_t colon = line.rfind(':');
    if (colon == std::string::npos) return fail(lineNo, "a word line without \":\"");
    if (colon == 0) return fail(lineNo, "no display text before \":\"");
    const std::string rest = line.substr(colon + 1);
    if (rest.empty() || rest.back() != ';')
      return fail(lineNo, "the reading must be followed by \";\"");
    if (rest.size() < 2) return fail(lineNo, "no reading after \":\"");
    words.push_back(line);
  }
  return fail(lines.size() + 1, "the file ends without \"end;\"");
}

void CheckWordReadings(const TKanaTable& table, const std::vector<std::string>& words,
                       const std::string& fileName, int letterWidth,
                       std::vector<std::string>& errors, std::vector<std::string>& warnings,
                       bool widths) {
  for (size_t i = 0; i < words.size(); ++i) {
    const std::string& line = words[i];
    const std::string where = Where(fileName, i + 1);
    const size_t colon = line.rfind(':');
    if (colon == std::string::npos || line.size() < colon + 2) {
      errors.push_back(where + "a word line without \":\" and reading");
      continue;
    }
    const std::string display = line.substr(0, colon);
    const std::string reading = line.substr(colon + 1, line.size() - colon - 2);
    if (reading.empty()) {
      errors.push_back(where + "no reading after \":\"");
      continue;
    }
    std::vector<std::string> units;
    const std::string problem = ReadingError(table, reading, &units);
    if (!problem.empty()) {
      errors.push_back(where + problem);
      continue;
    }
    if (!widths) continue;
    // The window is as wide as the guide of the default style; a long one
    // closes the gaps between its letters, so only touching letters count.
    const TRomajiWord word = MakeRomajiWord(table, units);
    const std::string guide = PathRomaji(word, GuidePath(word, TGuideStyle{}));
    // 64-bit: a damaged table can give romaji long enough to pass int range.
    const int64_t wide = std::max<int64_t>(static_cast<int64_t>(guide.size()) * letterWidth + 40,
                                           static_cast<int64_t>(display.size()) * 6 + 40);
    const int width = RoundUpToTen(static_cast<int>(std::min<int64_t>(wide, 1000000000)));
    if (width > kFieldWidth)
      warnings.push_back(where + "warning: the window (" + std::to_string(width) +
                         " pixels) is wider than the field");
  }
}

bool CheckTypingData(const std::string& dataDir, std::vector<std::string>& messages) {
  std::vector<std::string> errors, warnings;
  TKanaTable table;
  std::string error;
  const bool tableOk = LoadKanaTable(table, JoinPath(dataDir, "dat/hiragana.txt"), error);
  if (!tableOk) {
    // Name the file the way the other messages do.
    const std::string full = JoinPath(dataDir, "dat/hiragana.txt");
    if (error.rfind(full, 0) == 0) error = "dat/hiragana.txt" + error.substr(full.size());
    errors.push_back(error);
  } else {
    for (int i = 1; i <= table.Count; ++i)
      for (int j = i + 1; j <= table.Count; ++j)
        if (table.Slots[i][0] == table.Slots[j][0])
          warnings.push_back("dat/hiragana.txt:" + std::to_string(j) + ": warning: \"" +
                             SjisToUtf8(table.Slots[j][0]) + "\" is listed twice");
  }
  const int letterWidth = LetterWidthIn(dataDir);
  for (int n = 1; n <= 8; ++n) {
    std::vector<std::string> lines, words;
    if (!ReadDataLines(JoinPath(dataDir, WordFileName(n)), lines, error)) {
      errors.push_back(error);
      continue;
    }
    if (!ParseWordList(lines, WordFileName(n), words, error)) {
      errors.push_back(error);
      continue;
    }
    if (tableOk) CheckWordReadings(table, words, WordFileName(n), letterWidth, errors, warnings);
  }
  messages.insert(messages.end(), errors.begin(), errors.end());
  messages.insert(messages.end(), warnings.begin(), warnings.end());
  return errors.empty();
}

void ResetCanvasStyle(Game& g) {
  TextCanvas& c = SurfaceCanvas(g.Screen, g.Glyphs);
  c.FontColor = TRgb{255, 255, 255};
  c.FontHeight = 12;
  c.FixedPitch = true;
  c.BrushColor = TRgb{0, 0, 0};
  c.BrushStyle = TBrushStyle::Clear;
  c.PenColor = TRgb{0, 128, 0};
  ReleaseCanvas(g.Screen);
}

void LoadTypingData(Game& g, const std::string& letterDir, const std::string& framePicture) {
  TTypingEngine& t = g.Typing;
  t.WindowList.clear();
  t.Target = nullptr;
  t.KeyQueue.clear();
  t.KeyReady.fill(1);
  t.FramePicture = framePicture;

  for (int n = 1; n <= 28; ++n) {
    // The "＊" file keeps its name in the file system's own encoding.
    const std::string file = n == 28 ? std::string("＊") : LetterName(n);
    LoadPictureFile(g.List.FindPicture(LetterName(n)), JoinPath(letterDir, file + ".bmp"));
  }
  g.List.RestorePictures();
  const TPictureItem& tile = g.List.FindPicture("blue_tile");
  t.TileWidth = tile.PictureWidth();
  t.TileHeight = tile.PictureHeight();
  const TPictureItem& a = g.List.FindPicture("A");
  t.LetterWidth = a.PictureWidth();
  t.LetterHeight = a.PictureHeight();
  ResetCanvasStyle(g);

  std::string error;
  for (int n = 1; n <= 8; ++n) {
    std::vector<std::string> lines;
    if (!ReadDataLines(DataPath(g, WordFileName(n)), lines, error)) throw GameError(error);
    if (!ParseWordList(lines, WordFileName(n), t.WordLists[n], error)) throw GameError(error);
    t.WordCounts[n] = static_cast<int>(t.WordLists[n].size());
  }
  if (!LoadKanaTable(t.KanaTable, DataPath(g, "dat/hiragana.txt"), error)) {
    const std::string full = DataPath(g, "dat/hiragana.txt");
    if (error.rfind(full, 0) == 0) error = "dat/hiragana.txt" + error.substr(full.size());
    throw GameError(error);
  }
  // A word the table cannot type would leave its enemy unbeatable: refuse to
  // start rather than play with it.
  for (int n = 1; n <= 8; ++n) {
    std::vector<std::string> errors, warnings;
    CheckWordReadings(t.KanaTable, t.WordLists[n], WordFileName(n), t.LetterWidth, errors, warnings,
                      false);
    if (!errors.empty()) throw GameError(errors.front());
  }
}

void FreeTypingData(Game& g) {
  TTypingEngine& t = g.Typing;
  ClearWindows(g);
  t.KeyQueue.clear();
  t.KanaTable = TKanaTable{};
}
