// The program's command line.
#pragma once
#include <cstdint>
#include <string>
#include <vector>

struct TShotRequest {
  int64_t Frame = 0;
  std::string Path;
};

struct AppOptions {
  enum class TMode { Window, Headless, CheckData, Romaji, Catalog, Bench, Help, Stats };
  TMode Mode = TMode::Window;
  std::string DataDir = ".";
  bool DataGiven = false;
  // --save-dir: DIR/dat holds score.rnk and clear.clr, DIR/settings.ini the
  // settings. Empty: the player's folders (app/save_folder.h).
  std::string SaveDir;
  int Scale = 0;            // 0: the largest whole scale that fits the desktop
  bool ScaleGiven = false;  // --scale N given: else the settings' scale
  bool FullScreen = false;
  // Runs (headless; the start options also work in a window).
  bool SeedGiven = false;
  uint32_t Seed = 0;
  int64_t Frames = -1;  // -1: not given
  std::string KeysFile;
  int Stage = 0;  // 0: not given
  std::string TryScript;
  std::string AutoplaySpec;
  std::string Practice;      // --practice LIST: a level 1..8 or a word-list file
  std::string PracticeGoal;  // --practice-goal 60s|120s|20w|50w; empty: free
  std::string Difficulty;    // easy|normal|hard; empty: not given
  std::string StageLook;     // stages|classic; empty: the setting
  // The prompt windows' view (empty: the setting): on|off, always|hint|off,
  // keep|vanish.
  std::string ReadingLine, RomajiDisplay, Typed;
  std::string RecordFile, ReplayFile, TraceFile;
  std::string Date;      // --date YYYY-MM-DD: today for the saves; empty: the clock
  std::string CardPath;  // --card PATH: the last result's card as a PNG (headless)
  std::vector<TShotRequest> Shots;
  bool Summary = false;
  // Tools.
  std::string CheckDir;        // --check-data: empty = the data folder
  std::string Reading;         // --romaji
  int64_t BenchFrames = 3000;  // --bench: frames measured after the warm-up
};

// False with a message on a bad command line.
bool ParseCommandLine(const std::vector<std::string>& args, AppOptions& o, std::string& error);
const char* UsageText();
