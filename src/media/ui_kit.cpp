// The screens' shared drawing: text rows, panels and the selection hand.
#include "media/ui_kit.h"

#include <cmath>

#include "media/picture_list.h"
#include "media/text_canvas.h"

void DrawTextRow(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                 TRgb colour) {
  TextCanvas& canvas = SurfaceCanvas(s, glyphs);
  TRgb saved = canvas.FontColor;
  canvas.FontColor = colour;
  canvas.TextOut(x, y, sjis);
  canvas.FontColor = saved;
  ReleaseCanvas(s);
}

void DrawShadowedText(Surface& s, IGlyphSource* glyphs, int x, int y, const std::string& sjis,
                      TRgb colour, TRgb shadow) {
  DrawTextRow(s, glyphs, x + 1, y + 1, sjis, shadow);
  DrawTextRow(s, glyphs, x, y, sjis, colour);
}

void DrawTextRowRight(Surface& s, IGlyphSource* glyphs, int right, int y, const std::string& sjis,
                      TRgb colour) {
  DrawTextRow(s, glyphs, right - 6 * static_cast<int>(sjis.size()), y, sjis, colour);
}

void DrawPanel(Surface& s, IGlyphSource* glyphs, TRect area, const TPanelStyle& style) {
  BlendFillArea(s, area, style.Fill, style.Opacity);
  if (!style.Framed) return;
  TextCanvas& canvas = SurfaceCanvas(s, glyphs);
  TRgb pen = canvas.PenColor;
  TBrushStyle brush = canvas.BrushStyle;
  canvas.PenColor = style.Frame;
  canvas.BrushStyle = TBrushStyle::Clear;
  canvas.Rectangle(area.Left, area.Top, area.Right, area.Bottom);
  canvas.PenColor = pen;
  canvas.BrushStyle = brush;
  ReleaseCanvas(s);
}

void DrawSelectionHand(Surface& s, TPictureList& pictures, int x, int y, int frameNo, int swing) {
  const int handX = x + static_cast<int>(swing * std::sin(frameNo / 3.0));
  DrawPattern(pictures.FindPicture("hand"), s, handX, y, 0);
}
