// Loading a stage script, running it once per play frame, and the line
// interpreter that creates enemies from script lines.
#include <algorithm>
#include <cmath>
#include <fstream>
#include <iterator>

#include "base/file_bytes.h"
#include "base/game_error.h"
#include "base/sjis.h"
#include "script/script.h"
#include "world/game.h"

namespace {

// The clock value that a "scene" line sets while the field is being cleared.
constexpr int SceneClock = 99999;
// Trigger values must stay below the scene clock: a larger one would fire
// while the screen is still full, or never within a game's lifetime.
constexpr int MaxTrigger = SceneClock - 1;
// Drift speeds beyond a screen width per frame make no sense for a tile pattern.
constexpr double MaxDrift = 100.0;

const std::string& EndLine() {
  static const std::string end = "end;";
  return end;
}

int LineCount(const TScript& s) {
  return static_cast<int>(s.ScriptLines.size()) - 1;
}

// Line i of the script; past the last line the runner sees "end;", so a
// script without its closing line ends like one that has it.
const std::string& LineAt(const TScript& s, int i) {
  if (i < 1 || i > LineCount(s)) return EndLine();
  return s.ScriptLines[i];
}

char FirstChar(const TScript& s, int i) {
  const std::string& line = LineAt(s, i);
  return line.empty() ? '\0' : line[0];
}

void Report(Game& g, int line, const std::string& utf8) {
  std::string where = g.Script.FileName;
  if (line > 0) where += ":" + std::to_string(line);
  ReportError(g, where + ": " + utf8);
}

bool EnemyListEmpty(const Game& g) {
  for (const auto& e : g.Enemies.EnemyList)
    if (e) return false;
  return true;
}

// Reads the trigger value of line i into NextTrigger; a broken or hopeless
// trigger stops the script with a message.
void TakeTrigger(Game& g, int i) {
  TScript& s = g.Script;
  s.ScriptPos = i;
  try {
    int value = FieldToInt(LineAt(s, i).substr(1));
    if (value < 0 || value > MaxTrigger) {
      Report(g, i,
             "トリガーの値 " + std::to_string(value) + " は範囲 0.." + std::to_string(MaxTrigger) +
                 " の外です");
      s.Finished = true;
      return;
    }
    s.NextTrigger = value;
  } catch (const GameError& e) {
    Report(g, i, e.what());
    s.Finished = true;
  }
}

void Spawn(Game& g, int i) {
  try {
    SpawnFromLine(g, LineAt(g.Script, i));
  } catch (const GameError& e) {
    Report(g, i, e.what());
  }
}

// One group: the enemy lines after the trigger, then on to the next trigger.
void RunGroup(Game& g) {
  TScript& s = g.Script;
  int pos = s.ScriptPos + 1;
  if (LineAt(s, pos) != EndLine()) {
    if (FirstChar(s, pos) != ':') {
      Report(g, pos, "トリガーの次の行が敵の行ではありません");
    } else {
      do {
        Spawn(g, pos);
        ++pos;
      } while (FirstChar(s, pos) == ':');
    }
  }
  while (FirstChar(s, pos) != '*') {
    const std::string& line = LineAt(s, pos);
    if (line == "scene") {
      s.ScriptClock = SceneClock;
      s.SceneWait = true;
    }
    if (line == EndLine()) break;
    ++pos;
  }
  if (LineAt(s, pos) == EndLine()) {
    s.ScriptPos = std::clamp(pos, 0, LineCount(s));
    s.Finished = true;
    return;
  }
  TakeTrigger(g, pos);
}

void ResetScript(TScript& s, const std::string& fileName) {
  s.ScriptLines.assign(1, "0");
  s.ScriptPos = 0;
  s.ScriptClock = 0;
  s.NextTrigger = 0;
  s.SceneWait = false;
  s.Finished = false;
  s.FileName = fileName;
}

// The header: backdrop tile name and the drift speeds of the target's tiles.
void ApplyHeader(Game& g, const std::vector<std::string>& lines) {
  g.Typing.DriftSpeedX = 0;
  g.Typing.DriftSpeedY = 0;
  if (lines.size() < 2) {
    Report(g, 0, "2 行目 (背景とドリフトの行) がありません");
    return;
  }
  std::string text = lines[1];
  std::string tile = NextField(text);
  if (tile.empty()) {
    Report(g, 2, "背景タイルの名前がありません");
  } else {
    try {
      LoadBackdropTile(g, tile);
    } catch (const GameError& e) {
      Report(g, 2, e.what());
    }
  }
  double drift[2] = {0, 0};
  for (double& d : drift) {
    try {
      d = FieldToReal(NextField(text));
    } catch (const GameError& e) {
      Report(g, 2, e.what());
      return;
    }
    if (std::abs(d) > MaxDrift) {
      Report(g, 2, "ドリフトの速さが大きすぎます");
      return;
    }
  }
  g.Typing.DriftSpeedX = drift[0];
  g.Typing.DriftSpeedY = drift[1];
}

}  // namespace

std::vector<std::string> SplitScriptText(const std::string& bytes) {
  std::vector<std::string> lines;
  std::string line;
  for (size_t i = 0; i < bytes.size(); ++i) {
    char c = bytes[i];
    if (c == '\r' || c == '\n') {
      lines.push_back(line);
      line.clear();
      if (c == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
    } else {
      line += c;
    }
  }
  if (!line.empty()) lines.push_back(line);
  return lines;
}

void StartScript(Game& g) {
  ResetScript(g.Script, std::string());
}

void LoadStageScript(Game& g) {
  std::string path;
  if (!g.TryScriptPath.empty() && g.Part == 1) {
    path = g.TryScriptPath;
  } else {
    path =
        DataPath(g, "dat/" + std::to_string(g.Stage) + "_stage" + std::to_string(g.Part) + ".lin");
  }
  LoadStageScriptFile(g, path);
}

void LoadStageScriptFile(Game& g, const std::string& path) {
  TScript& s = g.Script;
  std::string bytes, why;
  TReadResult read;
  if (!g.TryScriptPath.empty() && path == g.TryScriptPath) {
    // The script to try comes from the command line (a pipe too) or is carried
    // by a replayed recording; once read it is kept, so a retry of the part
    // plays the same bytes without reading again.
    const TCarried source = UnpackCarried(path);
    ResetScript(s, source.Name);
    read = ReadSource(path, {g.DataDir, g.SaveFolder}, kTextFileLimit, bytes, why);
    if (read == TReadResult::Whole && source.Kind == TCarried::TKind::Plain)
      g.TryScriptPath = CarriedText(source.Name, bytes);
  } else {
    ResetScript(s, path);
    read = ReadFileBytes(path, kTextFileLimit, bytes, why);
  }
  if (read == TReadResult::Cut) {
    Report(g, 0, "ファイルが大きすぎます (1 MiB まで)");
    s.Finished = true;
    return;
  }
  if (read == TReadResult::Unreadable) {
    // Nothing will spawn: the runner lets the part end once the field is empty.
    Report(g, 0, "ファイルが見つかりません" + (why.empty() ? std::string() : " (" + why + ")"));
    s.Finished = true;
    return;
  }
  std::vector<std::string> lines = SplitScriptText(bytes);
  ApplyHeader(g, lines);

  // Keep the lines up to and including the first "end;".
  auto end = std::find(lines.begin(), lines.end(), EndLine());
  if (end == lines.end()) {
    Report(g, static_cast<int>(lines.size()), "'end;' の行がありません");
  } else {
    lines.erase(end + 1, lines.end());
  }
  s.ScriptLines.clear();
  s.ScriptLines.reserve(lines.size() + 1);
  s.ScriptLines.push_back(std::to_string(lines.size()));
  for (auto& l : lines) s.ScriptLines.push_back(std::move(l));

  // The first trigger; lines 1 and 2 are the title and the header.
  for (int i = 3; i <= LineCount(s); ++i) {
    if (FirstChar(s, i) == '*') {
      TakeTrigger(g, i);
      return;
    }
  }
  Report(g, 0, "トリガーの行 (*) がありません");
  s.Finished = true;
}

void RunStageScript(Game& g) {
  TScript& s = g.Script;
  if (s.ScriptClock < SceneClock * 2) ++s.ScriptClock;
  if (s.SceneWait && EnemyListEmpty(g)) {
    s.ScriptClock = 0;
    s.SceneWait = false;
  }
  if (s.Finished) {
    // A script that spawned no boss could never end its part: once it has
    // run out and the field is empty, the stage-end sequence starts.
    if (g.ClearTimer == 0 && !s.SceneWait && EnemyListEmpty(g)) g.ClearTimer = 1;
    return;
  }
  if (s.ScriptClock != s.NextTrigger) {
    // Outside a scene wait the clock only grows: a passed trigger never fires.
    if (!s.SceneWait && s.ScriptClock > s.NextTrigger) s.Finished = true;
    return;
  }
  RunGroup(g);
}

TEnemy* SpawnFromLine(Game& g, const std::string& line) {
  size_t colon = line.find(':', 1);
  if (line.size() < 2 || colon == std::string::npos)
    throw GameError("敵の行に ':' がありません: " + SjisToUtf8(line));
  std::string name = line.substr(1, colon - 1);
  int kind = KindOfScriptName(name);
  if (kind == 0) throw GameError(FormatMessage("敵の種類 '%s' がありません", SjisToUtf8(name)));
  TEnemy* e = NewEnemy(g, kind);
  std::string rest = line.substr(colon + 1);

  e->IsBoss = 0;
  std::string look = rest;
  if (NextField(look) == "boss") {
    rest = look;
    e->IsBoss = 1;
    g.ClearTimer = 1;
  }
  e->Mode = "normal";
  for (const char* word : {"hidden", "random", "figure"}) {
    look = rest;
    if (NextField(look) == word) {
      rest = look;
      e->Mode = word;
      break;
    }
  }
  look = rest;
  if (NextField(look) != "none") {
    e->WordLevel = FieldToInt(NextField(rest));
    e->PromptOffsetX = FieldToInt(NextField(rest));
    e->PromptOffsetY = FieldToInt(NextField(rest));
  }
  ApplySpawnValues(g, *e, rest);
  return e;
}
