// The shell's start-up, frame loop and window key handlers.
#pragma once
#include <cstdint>
#include <stdexcept>
#include <string>

#include "media/keyboard.h"

struct Game;

// Raised out of the first frame when the game cannot start (broken data): the
// program reports it and exits instead of running with half-loaded tables.
class StartupError : public std::runtime_error {
 public:
  explicit StartupError(const std::string& message) : std::runtime_error(message) {}
};

// The captions of the main window (UTF-8).
inline constexpr const char* kLoadingCaption = "ただ今 読み込み中";
inline constexpr const char* kGameCaption = "ミルテナ ver1.3";
// The caption while the built-in player's results are not kept.
inline constexpr const char* kNotKeptCaption = "ミルテナ ver1.3 (自動プレイ：結果は保存されません)";
// The window's caption for the game (not the frame rate's).
const char* GameCaption(const Game& g);

// Window created: timing set up, flags on, Ready := 1.
void FormCreate(Game& g);
// The drawing device (re)initialised: stock surfaces made, sized, filled black
// and tiled with the default backdrop.
void drawnInitialize(Game& g);
void drawnRestoreSurface(Game& g);
// The drawing device shut down: both stock surfaces released.
void drawnFinalize(Game& g);
// One idle notification: runs a frame when it is due, sleeps until shortly
// before the next one. Returns true when a frame ran. A GameError of the frame
// is reported and the game goes on; StartupError leaves the call.
bool MainEventIdle(Game& g);
void RunFrame(Game& g);
void InitGame(Game& g);
void SetFrameRate(Game& g, int rate);
int RoundHalfUp(double x);
// Window closing: frees the typing data, closes the music, writes clear.clr.
void FormClose(Game& g);
