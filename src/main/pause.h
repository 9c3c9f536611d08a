// The pause: the panel over the frozen field (resume, retry the part, back to
// the title with one confirmation), the count-in before play goes on, and the
// pause that a lost window focus starts by itself.
#pragma once

struct Game;

// True in the panel and the count-in: nothing of the game moves.
bool IsPaused(const Game& g);
// A pause key (Pause or Tab) went down.
void RequestPause(Game& g);
// The window gained or lost the keyboard focus.
void SetWindowFocus(Game& g, bool focused);
// After the frame's play step: opens the panel when a pause key was pressed or
// the window has lost its focus; clears the request in every case.
void CheckPause(Game& g);
// The steps of the pause panel and the count-in.
void ScenePausePanel(Game& g);
void SceneCountIn(Game& g);
// Notes the score and rate a part starts with (called when a part starts).
void NotePartStart(Game& g);
// Restarts the running part at once with the score and rate it started with.
void RetryPart(Game& g);
