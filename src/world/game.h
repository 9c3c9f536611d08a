// The whole game's state: the game-wide fields, the scenes' state, the media
// objects and the state of every subsystem. One Game is one run; tests make
// fresh ones.
#pragma once
#include <array>
#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "alpha_object/alpha_object.h"
#include "base/calendar.h"
#include "base/random.h"
#include "enemy/enemy.h"
#include "media/keyboard.h"
#include "media/music.h"
#include "media/picture_list.h"
#include "media/platform.h"
#include "media/surface.h"
#include "media/text_canvas.h"
#include "media/ui_kit.h"
#include "media/wave_list.h"
#include "practice/practice.h"
#include "records/records.h"
#include "script/script.h"
#include "settings/settings_file.h"
#include "type_window/type_window.h"
#include "world/difficulty.h"
#include "world/scene_id.h"
#include "world/scene_state.h"
#include "world/services.h"
#include "world/window_view.h"

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
  // False while the built-in player plays for someone who did not ask for its
  // results (a window's --autoplay or --replay, the demo): nothing it does is
  // learned into the player's files. The saves themselves go to a scratch
  // folder then.
  bool KeepsResults = true;
  // The local clock for what the saves date (the ranking's entries); the
  // shell sets it from the system clock or --date. Unset: 1970-01-01 at noon.
  std::function<TLocalTime()> LocalClock;
  // Writes a picture as a PNG file (the shell's; unset: pictures cannot be
  // saved), and the folder result cards go to (records/result_card.h).
  std::function<bool(const Surface&, const std::string&, std::string&)> WritePicture;
  std::string PicturesFolder;
  // Whether a score that enters the ranking asks for a name: plays whose
  // results are kept in the player's own folder (not the demo, not the
  // built-in player or a replay unless the run names its save folder).
  bool EntersNames = false;
  bool DemoPlaying = false;    // the title's attract demo runs: the screen says so
  TWindowViewFlags ViewFlags;  // --reading, --romaji-display, --typed of this run
  TSettingsStore Settings;     // the player's settings (settings/settings_file.h)
  Surface Screen;              // the screen surface of the drawing device
  std::array<Surface, 2> StockSurface;
  TPictureList List;
  TWaveList Waves;
  TMusic Music;
  TKeyboard Inputer;
  TRandom Rng;

  // Game-wide state.
  int32_t Scene = kSceneTitle, Stage = 0, Part = 0, Score = 0, Rate = 0, ClearTimer = 0,
          MissBlink = 0;
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
  TUiRecord Ui;  // the texts the UI kit drew, while tests record them

  // Run statistics for summaries and traces.
  int64_t KeysTyped = 0, Misses = 0, Kills = 0, GameOvers = 0;
  std::string TryScriptPath;       // --try-script: played as part 1 of the stage
  std::vector<int> StagesCleared;  // stages finished in this run
  std::string LastError;           // the last error reported
};
