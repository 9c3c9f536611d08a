// Checks of the letter bitmaps, the backdrop tiles named by the scripts, the
// music pieces and the ending texts, each the way the game itself reads it.
#include "drive/data_check.h"

#include <algorithm>
#include <set>

#include "base/file_bytes.h"
#include "media/music.h"
#include "media/picture_list.h"
#include "script/script.h"
#include "type_window/kana_table.h"
#include "world/stage_table.h"

namespace {

constexpr int kEndingLines = 188;  // the roll's room besides its own lines

std::string Join(const std::string& dir, const std::string& rel) {
  return dir.empty() || dir.back() == '/' ? dir + rel : dir + "/" + rel;
}

// Decodes a bitmap as the picture loader does; "" when it is fine.
std::string BitmapProblem(const std::string& path, int& width, int& height) {
  std::string raw, why;
  switch (ReadFileBytes(path, kMediaFileLimit, raw, why)) {
    case TReadResult::Unreadable:
      return "ファイルが見つからないか読めません (" + why + ")";
    case TReadResult::Cut:
      return "ファイルが大きすぎます (8 MiB まで)";
    case TReadResult::Whole:
      break;
  }
  std::vector<uint8_t> bytes(raw.begin(), raw.end());
  std::vector<TRgb> pixels;
  std::string tooLarge;
  if (!DecodeBmp(bytes, width, height, pixels, tooLarge) || width <= 0 || height <= 0)
    return tooLarge.empty() ? "ビットマップではありません" : tooLarge;
  return std::string();
}

void CheckLetters(const std::string& dir, std::vector<std::string>& errors) {
  int firstW = 0, firstH = 0;
  for (int n = 1; n <= 28; ++n) {
    const std::string rel = "abc/" + (n == 28 ? std::string("＊") : LetterName(n)) + ".bmp";
    int w = 0, h = 0;
    std::string problem = BitmapProblem(Join(dir, rel), w, h);
    if (!problem.empty()) {
      errors.push_back(rel + ":1: " + problem + " (文字の画像がないとゲームを始められません)");
      continue;
    }
    if (firstW == 0) {
      firstW = w;
      firstH = h;
    } else if (w != firstW || h != firstH) {
      errors.push_back(rel + ":1: 大きさ " + std::to_string(w) + "x" + std::to_string(h) +
                       " が他の文字 (" + std::to_string(firstW) + "x" + std::to_string(firstH) +
                       ") と違います");
    }
  }
}

// The tile of the start-up backdrop and every tile a stage script names.
void CheckTiles(const std::string& dir, std::vector<std::string>& errors) {
  std::set<std::string> checked;
  auto check = [&](const std::string& tile, const std::string& where) {
    if (tile.empty() || !checked.insert(tile).second) return;
    int w = 0, h = 0;
    const std::string rel = "abc/" + tile + ".bmp";
    std::string problem = BitmapProblem(Join(dir, rel), w, h);
    if (!problem.empty()) errors.push_back(rel + ":1: " + problem + " (" + where + ")");
  };
  check("blue", "起動時の背景タイル");
  for (int stage = 1; stage <= 9; ++stage) {
    for (int part = 1; part <= PartsPerStage(stage); ++part) {
      const std::string rel =
          "dat/" + std::to_string(stage) + "_stage" + std::to_string(part) + ".lin";
      std::string bytes;
      if (ReadFileBytes(Join(dir, rel), kTextFileLimit, bytes) != TReadResult::Whole) continue;
      std::vector<std::string> lines = SplitScriptText(bytes);
      if (lines.size() < 2) continue;  // the script checker reports it
      std::string header = lines[1];
      if (header.find_first_of(",;") == std::string::npos) continue;
      std::string tile = NextField(header);
      if (tile.find_first_of("/\\") != std::string::npos) continue;
      check(tile, rel + ":2 のタイル");
    }
  }
}

// Music that is missing or damaged leaves the game silent: a warning. A piece
// the game refuses to play is an error.
void CheckMusic(const std::string& dir, std::vector<std::string>& errors,
                std::vector<std::string>& warnings) {
  std::vector<std::string> names = {"event8", "PSMAT065"};
  // The pieces of both looks: either can be chosen in the settings.
  for (TStageLook look : {TStageLook::Stages, TStageLook::Classic})
    for (int stage = 1; stage <= 10; ++stage)
      for (int column = 1; column <= 4; ++column)
        if (const char* n = MusicName(stage, column, look)) names.push_back(n);
  std::sort(names.begin(), names.end());
  names.erase(std::unique(names.begin(), names.end()), names.end());
  for (const std::string& name : names) {
    const std::string rel = "bgm/" + name + ".mid";
    std::string bytes, why;
    const TReadResult read = ReadFileBytes(Join(dir, rel), kMediaFileLimit, bytes, why);
    std::string problem;
    if (read == TReadResult::Unreadable)
      problem = "ファイルが見つからないか読めません (" + why + ")";
    else if (read == TReadResult::Cut)
      problem = "ファイルが大きすぎます (8 MiB まで)";
    if (!problem.empty()) {
      warnings.push_back(rel + ":1: warning: " + problem + " (この曲の間は無音になります)");
      continue;
    }
    // A piece that is there but never plays — no length, a tempo of 0, a
    // flood of events — is a fault of the data, not a missing extra.
    const TMidiFacts facts = ReadMidiFacts(bytes);
    if (facts.LengthMs < 0 && !facts.ZeroTempo)
      warnings.push_back(rel + ":1: warning: " + facts.Problem + " (この曲の間は無音になります)");
    else if (!facts.Problem.empty())
      errors.push_back(rel + ":1: " + facts.Problem + " (この曲は鳴らしません)");
  }
}

void CheckEndings(const std::string& dir, std::vector<std::string>& errors) {
  for (int stage = 1; stage <= 10; ++stage) {
    const std::string rel = "dat/ending" + std::to_string(stage) + ".lin";
    std::string bytes;
    std::string why;
    const TReadResult read = ReadFileBytes(Join(dir, rel), kTextFileLimit, bytes, why);
    if (read == TReadResult::Unreadable) {
      errors.push_back(rel + ":1: ファイルが見つからないか読めません (" + why + ")");
      continue;
    }
    if (read == TReadResult::Cut) {
      errors.push_back(rel + ":1: ファイルが大きすぎます (1 MiB まで)");
      continue;
    }
    std::vector<std::string> lines = SplitScriptText(bytes);
    auto end = std::find(lines.begin(), lines.end(), "end;");
    if (end == lines.end()) {
      errors.push_back(rel + ":" + std::to_string(lines.size()) + ": 'end;' の行がありません");
    } else if (end - lines.begin() > kEndingLines) {
      errors.push_back(rel + ":" + std::to_string(kEndingLines + 1) + ": 'end;' までが " +
                       std::to_string(kEndingLines) + " 行を超えています");
    }
  }
}

}  // namespace

bool CheckGameFiles(const std::string& dataDir, std::vector<std::string>& messages) {
  std::vector<std::string> errors, warnings;
  CheckLetters(dataDir, errors);
  CheckTiles(dataDir, errors);
  CheckMusic(dataDir, errors, warnings);
  CheckEndings(dataDir, errors);
  messages.insert(messages.end(), errors.begin(), errors.end());
  messages.insert(messages.end(), warnings.begin(), warnings.end());
  return errors.empty();
}
