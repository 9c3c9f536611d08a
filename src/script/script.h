// Stage scripts: the loader, the per-frame runner and the line interpreter
// that spawns enemies (also for lines that bosses build at run time).
#pragma once
#include <string>
#include <vector>

struct Game;
class TEnemy;

struct TScript {
  std::vector<std::string> ScriptLines;  // [0] = count as text, [1..n] = lines
  int ScriptPos = 0;
  int ScriptClock = 0;
  int NextTrigger = 0;
  bool SceneWait = false;
  bool Finished = false;  // standing on "end;" (or stopped by a broken script)
  std::string FileName;   // the loaded file, for "file:line: message" reports
};

// One enemy line taken apart without creating the enemy (for the data checker).
struct TEnemyLine {
  int Kind = 0;
  bool Boss = false;
  std::string Mode = "normal";
  bool None = false;  // "none" instead of the word level and prompt offsets
  int WordLevel = 0, PromptOffsetX = 0, PromptOffsetY = 0;
  std::vector<double> Values;  // the kind's own values, in file order
};

// Kind number 1..22 of a CP932 script name, or 0.
int KindOfScriptName(const std::string& sjisName);
// The kind's own values as letters: 'i' integer, 's' small integer (-128..127),
// 'r' real; "" for kinds without own values or outside 1..22.
const char* KindValueTypes(int kind);
// Field reader: the text up to the next "," or ";"; the text keeps the rest.
// With neither separator the field is empty and the text unchanged.
std::string NextField(std::string& text);
int FieldToInt(const std::string& field);  // raises "'%s' は整数ではありません"
double FieldToReal(const std::string& field);  // raises "'%s' は浮動小数点数ではありません"

void StartScript(Game& g);
// Loads dat/<Stage>_stage<Part>.lin (or the try-out file when one is set).
void LoadStageScript(Game& g);
// Loads a script from a path (CP932, CR LF or LF).
void LoadStageScriptFile(Game& g, const std::string& path);
void RunStageScript(Game& g);
TEnemy* SpawnFromLine(Game& g, const std::string& line);

// Splits file bytes into lines at CR LF, LF or a lone CR (no line-end bytes kept).
std::vector<std::string> SplitScriptText(const std::string& bytes);
// Takes an enemy line apart; false with a message (UTF-8) on the first fault.
bool ParseEnemyLine(const std::string& line, TEnemyLine& out, std::string& error);

// Checks a whole script file for the data checker: messages "file:line: ...".
bool CheckScriptLines(const std::vector<std::string>& lines, const std::string& fileName,
                      std::vector<std::string>& errors);
// Checks the 26 shipped stage scripts under dataDir (dat/<s>_stage<p>.lin);
// appends "file:line: message" lines; true when all of them are sound.
bool CheckScripts(const std::string& dataDir, std::vector<std::string>& messages);
