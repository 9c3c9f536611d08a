// The pause: the panel over the frozen field (resume, retry the part, back to
// the title with one confirmation), the count-in before play goes on, and the
// pause that a lost window focus starts by itself.
#pragma once
#include <cstdint>
#include <deque>

#include "media/surface.h"

struct Game;

// Scene numbers of the pause.
inline constexpr int kScenePausePanel = 15;
inline constexpr int kSceneCountIn = 16;
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

// True in the panel and the count-in: nothing of the game moves.
bool IsPaused(const Game& g);
// A pause key (Pause or Tab) went down.
void RequestPause(Game& g);
// The window gained or lost the keyboard focus.
void SetWindowFocus(Game& g, bool focused);
// After the frame's play step: opens the panel when a pause key was pressed or
// the window has lost its focus; clears the request in every case.
void CheckPause(Game& g);
// Scene 15 and 16 steps.
void ScenePausePanel(Game& g);
void SceneCountIn(Game& g);
// Notes the score and rate a part starts with (called when a part starts).
void NotePartStart(Game& g);
// Restarts the running part at once with the score and rate it started with.
void RetryPart(Game& g);
