// The state the scenes keep between frames: the curtain, the game over, the
// result and ending roll, the settings screen and the pause. Which scene uses
// which part is listed with the scene ids (world/scene_id.h).
#pragma once
#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "media/surface.h"
#include "settings/settings.h"

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
  // The terrain the running stage script names ("grass"); the field's backdrop
  // is "haikei_<terrain>" in the stages look.
  std::string Terrain;
  // --stage-look for this run, over the setting until the player changes it.
  bool StageLookGiven = false;
  TStageLook StageLookFlag = TStageLook::Stages;
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
  bool NamesWriteReported = false;
  bool ReviewWriteReported = false;
  // The ranking screen: the difficulty shown (Left/Right switch it) and its
  // table and names as read when it was chosen.
  struct {
    bool Open = false;
    TDifficulty Level = TDifficulty::Normal;
    std::array<int32_t, 5> Table{};
    std::array<std::string, 5> Names, Dates;
  } RankingView;
  // The name being typed for a score that entered the ranking (see
  // main/name_entry.h).
  struct {
    bool Active = false;
    std::string Typed;  // A-Z, 0-9 and "-", at most 8
    int32_t Score = 0;
    int Place = 0;
  } NameEntry;
  // Stages this run cleared (bit N-1 for stage N): the only flags it adds to
  // clear.clr, merged into the file as it is at the time of writing.
  int ClearsToKeep = 0;
  // The stage's result as kept at its last banner: the score before and after
  // the clear bonus and the ranking place; the result roll shows these.
  struct {
    bool Valid = false;
    int32_t Before = 0, After = 0;
    int Place = -1;
  } StageKept;
  bool SettingsWriteReported = false;
  int SettingsRow = 0;  // the row chosen on the settings screen
  // The short note of F4/F5 ("音楽 オフ"), CP932, and the frames it stays up.
  std::string Note;
  int NoteFrames = 0;
  Surface UnderNote;  // the screen's pixels under the note, put back after presenting
};

// Frames of the count-in after the panel closes (about one second).
inline constexpr int kCountInFrames = 20;

struct TPauseState {
  bool Focused = true;     // the window has the keyboard focus
  bool Requested = false;  // a pause key went down since the last frame
  int Cursor = 0;          // 0 resume, 1 retry, 2 to the title
  bool Confirm = false;    // asking whether to leave for the title
  int ConfirmCursor = 0;   // 0 no, 1 yes
  int CountIn = 0;         // frames of the count-in still to run
  bool EscapeWasDown = false;
  bool MusicHeld = false;  // the pause paused the playing piece
  int32_t FrameNoAtPause = 0;
  Surface Field;  // the frozen field with the prompt words covered
  int64_t PausedFrames = 0;
  int64_t Pauses = 0, Retries = 0;
  // Score and rate of the running part at its start, for a retry.
  int32_t PartStartScore = 0, PartStartRate = 0;
};
