// Function-key toggles to and from the player's settings, and the note of F4/F5.
#include "world/settings_link.h"

#include "base/sjis.h"
#include "world/game.h"

namespace {

constexpr int kNoteFrames = 30;  // 1.5 s at 20 frames per second
constexpr int kNoteLeft = 4, kNoteTop = 4, kNoteHeight = 18;

TRect NoteRect(const Game& g) {
  // Fixed pitch: 6 px per single byte, 12 per double byte, plus a margin.
  int width = static_cast<int>(g.Scenes.Note.size()) * 6 + 12;
  return MakeRect(kNoteLeft, kNoteTop, kNoteLeft + width, kNoteTop + kNoteHeight);
}

}  // namespace

void TakeSettingsAtStart(Game& g) {
  const TSettings& s = g.Settings.Values();
  g.AlphaOn = s.Translucency;
  g.FpsShow = s.ShowFps;
  g.MusicOn = s.MusicOn;
  g.SoundOn = s.SoundOn;
}

void StoreSettings(Game& g, const TSettings& s) {
  std::string error;
  if (g.Settings.Change(s, error)) {
    g.Scenes.SettingsWriteReported = false;
    return;
  }
  if (g.Scenes.SettingsWriteReported) return;
  g.Scenes.SettingsWriteReported = true;
  ReportError(g, "設定を保存できません: " + error);
}

void StoreToggles(Game& g) {
  TSettings s = g.Settings.Values();
  s.Translucency = g.AlphaOn;
  s.ShowFps = g.FpsShow;
  s.MusicOn = g.MusicOn;
  s.SoundOn = g.SoundOn;
  if (g.Platform) s.FullScreen = g.Platform->IsFullScreen();
  StoreSettings(g, s);
}

void ShowNote(Game& g, const std::string& utf8) {
  g.Scenes.Note = Sjis(utf8);
  g.Scenes.NoteFrames = kNoteFrames;
}

void DrawNote(Game& g) {
  TSceneState& s = g.Scenes;
  if (s.NoteFrames <= 0) return;
  TRect r = NoteRect(g);
  s.UnderNote = Surface(r.Right - r.Left, r.Bottom - r.Top);
  CopySurfaceRect(s.UnderNote, 0, 0, r, g.Screen, false);
  FillArea(g.Screen, r, 0);
  TextCanvas& canvas = SurfaceCanvas(g.Screen, g.Glyphs);
  canvas.TextOut(r.Left + 6, r.Top + 3, s.Note);
  ReleaseCanvas(g.Screen);
}

void RestoreUnderNote(Game& g) {
  TSceneState& s = g.Scenes;
  if (s.NoteFrames <= 0) return;
  TRect r = NoteRect(g);
  CopySurfaceRect(g.Screen, r.Left, r.Top, MakeRect(0, 0, r.Right - r.Left, r.Bottom - r.Top),
                  s.UnderNote, false);
  if (--s.NoteFrames == 0) s.Note.clear();
}
