// The on-screen note of data errors and the key that shows each file once.
#include "world/error_note.h"

#include "base/sjis.h"
#include "media/text_canvas.h"
#include "world/game.h"

namespace {

constexpr int kNoteBytes = 70;  // CP932 bytes that fit across the screen at 6 px each

// The message cut to what fits, without splitting a double-byte character.
std::string FitNote(const std::string& sjis) {
  if (sjis.size() <= kNoteBytes) return sjis;
  size_t n = 0;
  while (n < sjis.size()) {
    const size_t len = IsSjisLead(static_cast<unsigned char>(sjis[n])) ? 2 : 1;
    if (n + len > kNoteBytes - 2) break;
    n += len;
  }
  return sjis.substr(0, n) + "..";
}

}  // namespace

std::string ErrorKey(const std::string& utf8) {
  for (const char* folder : {"dat/", "bgm/", "abc/"}) {
    const size_t at = utf8.find(folder);
    if (at == std::string::npos) continue;
    size_t start = at;
    while (start > 0 && utf8[start - 1] != ' ' && utf8[start - 1] != '\'') --start;
    size_t end = at;
    while (end < utf8.size() && utf8[end] != ' ' && utf8[end] != ':' && utf8[end] != '\'') ++end;
    return utf8.substr(start, end - start);
  }
  return utf8;
}

void DrawErrorNote(Game& g) {
  TErrorNotes& n = g.Notes;
  if (n.FramesLeft <= 0) return;
  --n.FramesLeft;
  FillArea(g.Screen, MakeRect(0, 384, 430, 400), 0);
  TextCanvas& c = SurfaceCanvas(g.Screen, g.Glyphs);
  const TRgb before = c.FontColor;
  c.FontColor = TRgb{255, 200, 80};
  c.TextOut(3, 386, FitNote(Utf8ToSjis(n.Text)));
  c.FontColor = before;
  ReleaseCanvas(g.Screen);
}
