// The whole game's state: the shell's game-wide fields, the scenes' state, the
// media objects and the state of every subsystem. One Game is one run; tests
// make fresh ones.
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "alpha_object/alpha_object.h"
#include "base/random.h"
#include "enemy/enemy.h"
#include "main/difficulty.h"
#include "main/pause.h"
#include "media/keyboard.h"
#include "media/music.h"
#include "media/picture_list.h"
#include "media/platform.h"
#include "media/surface.h"
#include "media/text_canvas.h"
#include "media/wave_list.h"
#include "practice/practice.h"
#include "records/records.h"
#include "script/script.h"
#include "settings/settings_file.h"
#include "type_window/type_window.h"

// One line of the result and ending roll.
struct TRole {
  int32_t LineY = 0;
  std::string LineText;  // CP932
};

struct TBloodSplash {
  double X = 0, Y = 0;
  int Pattern = 0;
};
struct TBloodDrop {
  double X = 0, StartY = 0, CurrentY = 0, Speed = 0;  // active when Speed > 0
};

// State of the scenes (title, curtain, play, game over, roll, ranking).
struct TSceneState {
  // Curtain.
  double CurtainPos = 0;
  double CurtainSpeed = 0;
  int8_t CurtainState = 0;
  int BgScroll = 0;
  // Game over.
  double CloseLeft = 0, CloseTop = 0, CloseRight = 0, CloseBottom = 0;
  double StepLeft = 0, StepTop = 0, StepRight = 0, StepBottom = 0;
  double Growth = 0, Opacity = 0, OpacityStep = 0;
  int OverTimer = 0;
  int RankPos = -1;
  std::array<TBloodSplash, 13> Splashes;
  std::array<TBloodDrop, 13> Drops;
  // Ending roll.
  std::array<TRole, 200> Roll;
  int RollCount = 0;
  int DancerCount = 0;
  double DanceAngle = 0;
  int DanceTick = 0, DanceFrame = 0;
  int EndingTimer = 0;
  // The two ranking texts of the continue screen (CP932), made at the game over.
  std::string RankText1, RankText2;
  // Music files whose failure to open was already reported.
  std::vector<std::string> MusicReported;
  // A failed write of the ranking or cleared-stages file was reported; a
  // later successful write clears the flag.
  bool RankingWriteReported = false;
  bool ClearedWriteReported = false;
  bool SettingsWriteReported = false;
  int SettingsRow = 0;  // the row chosen on the settings screen
  // The short note of F4/F5 ("音楽 オフ"), CP932, and the frames it stays up.
  std::string Note;
  int NoteFrames = 0;
  Surface UnderNote;  // the screen's pixels under the note, put back after presenting
};

// Errors already shown (by file) and the note on screen.
struct TErrorNotes {
  std::vector<std::string> Shown;
  std::string Text;  // UTF-8
  int FramesLeft = 0;
};

struct Game {
  // Platform and media.
  IPlatform* Platform = nullptr;
  IGlyphSource* Glyphs = nullptr;
  std::string DataDir = ".";  // the folder that holds dat/, abc/ and bgm/
  // The player's save folder: score.rnk, clear.clr and the other saved files
  // (see SavePath). Empty: the data folder's dat/, where they once lived.
  std::string SaveFolder;
  TSettingsStore Settings;  // the player's settings (settings/settings_file.h)
  Surface Screen;           // the screen surface of the drawing device
  std::array<Surface, 2> StockSurface;
  TPictureList List;
  TWaveList Waves;
  TMusic Music;
  TKeyboard Inputer;
  TRandom Rng;

  // Game-wide state.
  int32_t Scene = 0, Stage = 0, Part = 0, Score = 0, Rate = 0, ClearTimer = 0, MissBlink = 0;
  int32_t FrameNo = 0, Cursor = 1, StageCount = 0, ContinueChoice = 0;
  uint8_t LastPart = 0, BannerPending = 0;
  uint8_t ArrowKey = 0, SpaceKey = 0, SpaceHeld = 0;
  uint8_t SpaceTapped = 0;  // Space went up before a frame saw it go down
  uint8_t SoundOn = 1, MusicOn = 1, MusicState = 0, AlphaOn = 1, FpsShow = 0;
  std::array<int8_t, 41> WaveCooldown{};
  std::array<uint8_t, 20> Cleared{};
  std::array<int32_t, 5> Ranking{};

  // Frame timing.
  uint8_t Ready = 0;
  uint8_t FirstFramePending = 1;
  int32_t FrameRate = 20, FrameInterval = 50, SleepMargin = 3;
  uint32_t NextFrameTime = 0, FpsWindowStart = 0;
  int32_t FramesInWindow = 0, FpsShown = 0;
  uint32_t Seed = 0;       // the seed used at the first frame
  bool SeedGiven = false;  // --seed given: use Seed instead of the clock

  // Subsystems.
  TSceneState Scenes;
  TTypingEngine Typing;
  TEnemySystem Enemies;
  TScript Script;
  TEffects Effects;
  TErrorNotes Notes;
  TRecords Records;  // measures of play and the player's records file
  TPauseState Pause;
  TDifficultyState Difficulty;
  TPracticeState Practice;

  // Run statistics for summaries and traces.
  int64_t KeysTyped = 0, Misses = 0, Kills = 0, GameOvers = 0;
  std::string TryScriptPath;       // --try-script: played as part 1 of the stage
  std::vector<int> StagesCleared;  // stages finished in this run
  std::string LastError;           // the last error reported
};

// Shell services used by the other subsystems.
void BlitStock(Game& g, TRect rect, int index, int opacity);
void BlitStockRect(Game& g, TRect destRect, TRect srcRect, int index, int opacity);
void LoadBackdropTile(Game& g, const std::string& name);
void PlaySoundThrottled(Game& g, const std::string& name, int frames);
// Plays a catalog sound when sound effects are on (not throttled).
void PlaySound(Game& g, const std::string& name);
void ResetFrameClock(Game& g);
// A data path under the data folder, e.g. DataPath(g, "dat/hiragana.txt");
// "dat/score.rnk" and "dat/clear.clr" name the files of the save folder.
std::string DataPath(const Game& g, const std::string& relative);
// A file of the player's save folder, e.g. SavePath(g, "score.rnk").
std::string SavePath(const Game& g, const std::string& name);
// Reports an error once per file: a note over the field for a few seconds and
// the platform's error output (never a blocking box); kept for the summary.
void ReportError(Game& g, const std::string& utf8);
