// The main window's key handlers: input flags for the frames, typed letters
// for the typing engine, and the function keys acted on at once.
#include "main/form_keys.h"

#include <string>

#include "base/game_error.h"
#include "main/form.h"
#include "main/name_entry.h"
#include "main/pause.h"
#include "main/scenes.h"
#include "records/result_card.h"
#include "world/game.h"
#include "world/settings_link.h"

namespace {

bool IsTypingKey(int code) {
  return (code >= vk::A && code <= vk::Z) || code == vk::Minus;
}

// Letter number 1..27 of a typing key, or 0 when the engine gives none usable.
int TypingLetter(int code) {
  int n = KeyToLetter(code);
  return (n >= 1 && n <= 27) ? n : 0;
}

void ToggleMusic(Game& g) {
  g.MusicOn = !g.MusicOn;
  // Noted and kept first: the music device may fail below.
  ShowNote(g, g.MusicOn ? "音楽 オン" : "音楽 オフ");
  StoreToggles(g);
  if (!g.MusicOn) {
    g.MusicState = 246;
    if (g.Music.MusicMode() == 2) g.Music.PauseMusic();
  } else {
    g.MusicState = 0;
    g.Music.RewindMusic();
    g.Music.PlayMusic();
  }
}

}  // namespace

void drawnKeyDown(Game& g, int code) {
  // While a name is typed for the ranking, its keys are the entry's.
  if (NameEntryTakesKey(g, code)) return;
  switch (code) {
    case vk::Up:
      g.ArrowKey = 1;
      return;
    case vk::Right:
      g.ArrowKey = 2;
      return;
    case vk::Down:
      g.ArrowKey = 3;
      return;
    case vk::Left:
      g.ArrowKey = 4;
      return;
    case vk::Space:
    case vk::Return:  // Enter chooses wherever Space does
      // Auto-repeat does not press the space bar again.
      if (g.SpaceKey == 0) {
        g.SpaceKey = 1;
        g.SpaceHeld = 1;
      }
      return;
    case vk::F4:
      ToggleMusic(g);
      return;
    case vk::F5:
      g.SoundOn = !g.SoundOn;
      ShowNote(g, g.SoundOn ? "効果音 オン" : "効果音 オフ");
      StoreToggles(g);
      return;
    case vk::Tab:
    case vk::Pause:
      RequestPause(g);
      return;
    default:
      break;
  }
  // C on a result keeps its card (records/result_card.h).
  if (code == vk::A + ('C' - 'A') &&
      (g.Scene == kSceneEndingRoll || g.Scene == kScenePracticeResult ||
       g.Scene == kSceneRecords)) {
    SaveResultCard(g);
    return;
  }
  if (IsTypingKey(code)) {
    int n = TypingLetter(code);
    // The latch types a held key once, however long auto-repeat runs.
    if (n && g.Typing.KeyReady[n] == 1) {
      g.Typing.KeyQueue.push_back(n);
      g.Typing.KeyReady[n] = 0;
    }
  }
}

void drawnKeyUp(Game& g, int code) {
  switch (code) {
    case vk::F1:
      g.FpsShow = !g.FpsShow;
      if (!g.FpsShow && g.Platform) g.Platform->SetCaption(GameCaption(g));
      StoreToggles(g);
      return;
    case vk::F2:
      if (g.Platform) SetFullScreen(g, !g.Platform->IsFullScreen());
      StoreToggles(g);
      return;
    case vk::F3:
      g.AlphaOn = !g.AlphaOn;
      StoreToggles(g);
      return;
    case vk::Pause:
      // In play the key opens the pause panel (on its way down); elsewhere
      // it goes back to the title.
      if (g.Scene != kScenePlay && !IsPaused(g)) ReturnToTitle(g);
      return;
    case vk::Space:
    case vk::Return:
      // A tap released before any frame saw it still chooses once: the
      // frame that sees it lets it go.
      if (g.SpaceKey == 1)
        g.SpaceTapped = 1;
      else
        g.SpaceKey = 0;
      g.SpaceHeld = 0;
      return;
    default:
      break;
  }
  if (IsTypingKey(code)) {
    int n = TypingLetter(code);
    if (n) g.Typing.KeyReady[n] = 1;
  }
}

// Switching between window and full screen re-creates the drawing device:
// the stock surfaces are rebuilt (the backdrop from "blue" again) and the
// canvas style set anew.
void SetFullScreen(Game& g, bool on) {
  if (!g.Platform || g.Platform->IsFullScreen() == on) return;
  if (!g.Platform->SetFullScreen(on)) return;
  drawnFinalize(g);
  drawnInitialize(g);
  try {
    drawnRestoreSurface(g);
  } catch (const GameError& e) {
    ReportError(g, e.what());  // the backdrop stays black; the game goes on
  }
  ResetCanvasStyle(g);
  ResetFrameClock(g);
}

void EnterFullScreen(Game& g) {
  SetFullScreen(g, true);
}

void DeliverKeyEvent(Game& g, const KeyEvent& e) {
  if (e.Code == vk::FocusLost || e.Code == vk::FocusGained) {
    SetWindowFocus(g, e.Code == vk::FocusGained);
    return;
  }
  g.Inputer.SetHeld(e.Code, e.Down);
  try {
    if (e.Down)
      drawnKeyDown(g, e.Code);
    else
      drawnKeyUp(g, e.Code);
  } catch (const GameError& err) {
    ReportError(g, err.what());
  }
}
