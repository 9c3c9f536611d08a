// The pause panel and count-in. While paused the play step does not run, so
// enemies, windows, the stage script, effects, bombs, the curtain and the
// sound cooldowns all stand still; the frame number is put back on resume so
// that play goes on exactly where it stopped.
#include "main/pause.h"

#include <cmath>
#include <string>

#include "base/game_error.h"
#include "base/sjis.h"
#include "main/scenes.h"
#include "media/blit.h"
#include "media/ui_kit.h"
#include "records/records.h"
#include "world/backdrop.h"
#include "world/game.h"

namespace {

constexpr int kPanelLeft = 115, kPanelTop = 115, kPanelRight = 315, kPanelBottom = 300;

void HoldMusic(Game& g) {
  g.Pause.MusicHeld = false;
  if (g.MusicState != 0) return;
  try {
    if (g.Music.IsOpen() && g.Music.MusicMode() == 2) {
      g.Music.PauseMusic();
      g.Pause.MusicHeld = true;
    }
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
}

void ReleaseMusic(Game& g) {
  if (!g.Pause.MusicHeld) return;
  g.Pause.MusicHeld = false;
  // Music switched off (or on again, which restarts it) while paused is left
  // as the player set it.
  if (g.MusicState != 0) return;
  try {
    if (g.Music.IsOpen() && g.Music.MusicMode() == 5) g.Music.PauseMusic();
  } catch (const GameError& e) {
    ReportError(g, e.what());
  }
}

// The field as it stood, with every prompt window covered (so a pause cannot
// be used to read the words ahead) and darkened under the panel.
void FreezeField(Game& g) {
  Surface& f = g.Pause.Field;
  if (f.Width != g.Screen.Width || f.Height != g.Screen.Height)
    ResizeSurface(f, g.Screen.Width, g.Screen.Height);
  f.Pixels = g.Screen.Pixels;
  const uint16_t cover = RgbTo565(40, 48, 72);
  for (const auto& w : g.Typing.WindowList)
    if (w) FillArea(f, MakeRect(w->Left(), w->Top(), w->Right() + 1, w->Bottom() + 1), cover);
  BlendFillArea(f, MakeRect(0, 0, f.Width, f.Height), TRgb{0, 0, 0}, 110);
}

void DrawField(Game& g) {
  if (g.Pause.Field.Pixels.size() == g.Screen.Pixels.size()) g.Screen.Pixels = g.Pause.Field.Pixels;
}

// The panel in the menus' look: heading, gold entries, the hand, key help.
void DrawPausePanel(Game& g) {
  const TPauseState& p = g.Pause;
  TUi ui(g.Screen, g.Glyphs, g.List, g.FrameNo, g.Ui);
  // Darker glass than the menus': the field and its banners stay behind it.
  ui.Panel(MakeRect(kPanelLeft, kPanelTop, kPanelRight, kPanelBottom),
           TPanelStyle{kMenuPanel.Fill, 220, kMenuPanel.Frame});
  ui.Heading(kPanelTop + 9, "ポーズ");
  auto entry = [&](int i, int top, const char* text) {
    ui.Gradient(kPanelLeft + 46, top + 28 * i, text, 16, kGoldTop, kGoldBottom, true);
  };
  if (!p.Confirm) {
    const char* entries[] = {"再開", "やり直す", "タイトルへ"};
    for (int i = 0; i < 3; ++i) entry(i, kPanelTop + 42, entries[i]);
    ui.Hand(kPanelLeft + 22, kPanelTop + 50 + 28 * p.Cursor);
    ui.Rule(kPanelBottom - 58, 20);
    ui.TextCentred(kPanelBottom - 48, "↑↓ えらぶ　Space：けってい", kMenuHelp);
    ui.TextCentred(kPanelBottom - 30, "Tab / Pause / Esc：再開", kMenuHelp);
  } else {
    ui.TextCentred(kPanelTop + 38, "タイトルへ戻りますか？", kMenuHeading);
    ui.TextCentred(kPanelTop + 56, "このパートの得点は残りません", kMenuHelp);
    const char* entries[] = {"いいえ（続ける）", "はい（タイトルへ）"};
    for (int i = 0; i < 2; ++i) entry(i, kPanelTop + 80, entries[i]);
    ui.Hand(kPanelLeft + 22, kPanelTop + 88 + 28 * p.ConfirmCursor);
    ui.Rule(kPanelBottom - 40, 20);
    ui.TextCentred(kPanelBottom - 30, "Esc：もどる", kMenuHelp);
  }
}

void EnterPause(Game& g) {
  TPauseState& p = g.Pause;
  p.Cursor = 0;
  p.Confirm = false;
  p.ConfirmCursor = 0;
  p.FrameNoAtPause = g.FrameNo;
  ++p.Pauses;
  HoldMusic(g);
  FreezeField(g);
  g.Scene = kScenePausePanel;
  // The panel shows in the frame that paused.
  DrawField(g);
  DrawPausePanel(g);
}

// Back to the play scene as it stood when the pause began.
void LeavePause(Game& g) {
  g.Scene = kScenePlay;
  g.FrameNo = g.Pause.FrameNoAtPause;
  // Letters typed while paused are not play.
  g.Typing.KeyQueue.clear();
}

void StartCountIn(Game& g) {
  g.Scene = kSceneCountIn;
  g.Pause.CountIn = kCountInFrames;
}

bool EscapePressed(Game& g) {
  bool down = g.Inputer.IsKeyDown(vk::Escape);
  bool pressed = down && !g.Pause.EscapeWasDown;
  g.Pause.EscapeWasDown = down;
  return pressed;
}

void LeaveForTitle(Game& g) {
  LeavePause(g);
  g.Pause.MusicHeld = false;  // the title opens its own piece
  g.Scenes.CurtainState = 0;
  ClearPlayObjects(g);
  ReturnToTitle(g);
}

// The records count each retry, with what was typed in the part given up.
void RecordRetry(Game& g) {
  if (g.Stage < 1 || g.Stage > 9 || g.Part < 1) return;
  TRecordEntry e = MeasuresEntry("retry", g.Records.Live);
  e.Stage = g.Stage;
  e.Part = g.Part;
  e.Difficulty = RecordsDifficulty(g);
  e.Attempt = g.Records.Attempt;
  e.Score = g.Score;
  AddRecord(g, std::move(e));
}

}  // namespace

bool IsPaused(const Game& g) {
  return g.Scene == kScenePausePanel || g.Scene == kSceneCountIn;
}

void RequestPause(Game& g) {
  g.Pause.Requested = true;
}

void SetWindowFocus(Game& g, bool focused) {
  g.Pause.Focused = focused;
  g.Inputer.SetFocus(focused);
}

void CheckPause(Game& g) {
  bool wanted = g.Pause.Requested || !g.Pause.Focused;
  g.Pause.Requested = false;
  if (g.Scene == kScenePlay && wanted) {
    g.Pause.EscapeWasDown = g.Inputer.IsKeyDown(vk::Escape);
    EnterPause(g);
  }
}

void ScenePausePanel(Game& g) {
  TPauseState& p = g.Pause;
  ++p.PausedFrames;
  DrawField(g);
  bool escape = EscapePressed(g);
  if (p.Confirm) {
    if (g.ArrowKey == 1 || g.ArrowKey == 3) p.ConfirmCursor = 1 - p.ConfirmCursor;
    if (escape || (g.SpaceKey == 1 && p.ConfirmCursor == 0)) {
      p.Confirm = false;
    } else if (g.SpaceKey == 1) {
      LeaveForTitle(g);
      return;
    }
  } else {
    if (g.ArrowKey == 1 && p.Cursor > 0) --p.Cursor;
    if (g.ArrowKey == 3 && p.Cursor < 2) ++p.Cursor;
    // A pause key in the panel resumes, unless the window is still unfocused.
    bool resume = (p.Requested && p.Focused) || escape || (g.SpaceKey == 1 && p.Cursor == 0);
    p.Requested = false;
    if (resume) {
      StartCountIn(g);
      SceneCountIn(g);
      --p.PausedFrames;  // counted once for this frame
      return;
    }
    if (g.SpaceKey == 1 && p.Cursor == 1) {
      RetryPart(g);
      return;
    }
    if (g.SpaceKey == 1 && p.Cursor == 2) {
      p.Confirm = true;
      p.ConfirmCursor = 0;
    }
  }
  DrawPausePanel(g);
}

void SceneCountIn(Game& g) {
  TPauseState& p = g.Pause;
  ++p.PausedFrames;
  DrawField(g);
  // Pausing again, or losing the focus, goes back to the panel.
  if (p.Requested || !p.Focused) {
    p.Requested = false;
    g.Scene = kScenePausePanel;
    p.Cursor = 0;
    DrawPausePanel(g);
    return;
  }
  const TPictureItem& digits = g.List.FindPicture("0123456789");
  int n = (p.CountIn * 3 + kCountInFrames - 1) / kCountInFrames;  // 3, 2, 1
  int w = 2 * (digits.PatternWidth > 0 ? digits.PatternWidth : digits.PictureWidth());
  int h = 2 * (digits.PatternHeight > 0 ? digits.PatternHeight : digits.Picture.Height);
  StretchPattern(digits, g.Screen, MakeRect((430 - w) / 2, 200 - h / 2, (430 + w) / 2, 200 + h / 2),
                 n);
  if (--p.CountIn <= 0) {
    LeavePause(g);
    ReleaseMusic(g);
  }
}

void NotePartStart(Game& g) {
  g.Pause.PartStartScore = g.Score;
  g.Pause.PartStartRate = g.Rate;
}

void RetryPart(Game& g) {
  TPauseState& p = g.Pause;
  ++p.Retries;
  RecordRetry(g);
  if (IsPaused(g)) LeavePause(g);
  // The part's piece starts again from its beginning.
  if (p.MusicHeld && g.MusicState == 0) g.MusicState = 255;
  p.MusicHeld = false;
  g.Scenes.CurtainState = 0;
  ClearPlayObjects(g);
  g.MissBlink = 0;
  g.Score = p.PartStartScore;
  g.Part -= 1;
  StartNextPart(g);
  g.Rate = p.PartStartRate;
}
